#include "lexoro/framework/ox3StdCtrlsWin32.h"

#include <algorithm>

#include "lexoro/framework/ox3GdiWin32.h"

namespace lexoro {

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

// Text on the face colour: the brush of the dialog background, the text in the control's colour.
HBRUSH FaceColoured(HDC DC, TFont& Font) {
  SetTextColor(DC, ColorToRGB(Font.Color()));
  SetBkMode(DC, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

TForm* GetParentForm(TControl* Control) {
  for (TControl* c = Control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

// ---- TLabel -----------------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 65;
  FHeight = 13;
}

void TLabel::SetCaption(const std::u16string& Value) {
  TWinControl::SetText(Value);
  AdjustSize();
}

void TLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustSize();
}

void TLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
  AdjustSize();
}

void TLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  RecreateWnd();
}

void TLabel::AdjustSize() {
  if (!FAutoSize) return;
  const std::u16string caption = Text();
  if (FWordWrap) {
    SetBounds(FLeft, FTop, FWidth, Font().TextExtent(caption, std::max(1, FWidth)).cy);
    return;
  }
  const SIZE size = Font().TextExtent(caption);
  // A right-aligned label keeps its right edge, a centred one its middle.
  int left = FLeft;
  if (FAlignment == TAlignment::taRightJustify) left = FLeft + FWidth - size.cx;
  else if (FAlignment == TAlignment::taCenter) left = FLeft + (FWidth - size.cx) / 2;
  SetBounds(left, FTop, size.cx, size.cy);
}

int TLabel::CaptionWidth() {
  const std::u16string caption = Text();
  if (!FWordWrap) return Font().TextExtent(caption).cx;
  // Wrapped text fits when its lines fit the height; the longest line is what it needs across.
  const SIZE wrapped = Font().TextExtent(caption, std::max(1, FWidth));
  return wrapped.cy <= FHeight ? std::min<int>(wrapped.cx, FWidth) : FWidth + 1;
}

void TLabel::AcceleratorPressed() {
  if (FFocusControl && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    return;
  }
  if (!HandleAllocated()) return;
  if (HWND next = GetNextDlgTabItem(GetAncestor(FHandle, GA_ROOT), FHandle, FALSE)) ::SetFocus(next);
}

void TLabel::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TLabel";
  Params.BaseClassName = u"STATIC";
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  Params.Style |= SS_NOTIFY;
  switch (FAlignment) {
    case TAlignment::taLeftJustify: Params.Style |= FWordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP; break;
    case TAlignment::taRightJustify: Params.Style |= SS_RIGHT; break;
    case TAlignment::taCenter: Params.Style |= SS_CENTER; break;
  }
}

void TLabel::FontChanged() { AdjustSize(); }

bool TLabel::CNCommand(WORD Code) {
  if (Code == STN_CLICKED && OnClick) OnClick(this);
  else if (Code == STN_DBLCLK && OnDblClick) OnDblClick(this);
  else return false;
  return true;
}

HBRUSH TLabel::CNCtlColor(HDC DC) { return FaceColoured(DC, Font()); }

TLinkLabel::TLinkLabel(TComponent* AOwner) : TLabel(AOwner) {
  Font().SetColor(clHotLight);
  SetParentFont(true);
}

void TLinkLabel::AcceleratorPressed() {
  if (OnClick) OnClick(this);
}

LRESULT TLinkLabel::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SETCURSOR && LOWORD(LParam) == HTCLIENT) {
    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return TLabel::WndProc(Msg, WParam, LParam);
}

// ---- Buttons ----------------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TButtonControl::Click() {
  if (OnClick) OnClick(this);
}

bool TButtonControl::CNCommand(WORD Code) {
  if (Code != BN_CLICKED) return false;
  Click();
  return true;
}

HBRUSH TButtonControl::CNCtlColor(HDC DC) { return FaceColoured(DC, Font()); }

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  FWidth = 75;
  FHeight = 25;
}

void TButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.WinClassName = u"TButton";
  Params.BaseClassName = u"BUTTON";
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (TForm* form = GetParentForm(this)) form->UpdateDefaultButton();
  else SetDefaultLook(Value);
}

void TButton::SetDefaultLook(bool Value) {
  if (!HandleAllocated()) return;
  const bool now = (GetWindowLongPtrW(FHandle, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
  if (now != Value) SendMessageW(FHandle, BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (FModalResult != 0)
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

int TButton::CaptionWidth() {
  // The caption, the button's 3-D edges and the focus rectangle's margins.
  return Font().TextExtent(Text()).cx + 2 * (2 * GetSystemMetrics(SM_CXEDGE) + 3);
}

void TButton::AcceleratorPressed() {
  if (!CanFocus()) return;
  SetFocus();
  Click();
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  FWidth = 97;
  FHeight = 17;
}

void TCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.WinClassName = u"TCheckBox";
  Params.BaseClassName = u"BUTTON";
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  Params.Style |= ButtonStyle();
}

void TCheckBox::InitializeWindow() {
  TButtonControl::InitializeWindow();
  SendMessageW(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const {
  if (FHandle) return SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return FChecked;
}

void TCheckBox::SetChecked(bool Value) {
  FChecked = Value;
  if (FHandle) SendMessageW(FHandle, BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
}

LRESULT TCheckBox::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DESTROY && !IsDestroying()) FChecked = SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return TButtonControl::WndProc(Msg, WParam, LParam);
}

int TCheckBox::CaptionWidth() {
  // The box, the gap after it and the caption with its focus rectangle.
  return GetSystemMetrics(SM_CXMENUCHECK) + 4 + Font().TextExtent(Text()).cx + 2;
}

void TCheckBox::AcceleratorPressed() {
  if (!CanFocus()) return;
  SetFocus();
  Perform(BM_CLICK, 0, 0);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TCheckBox(AOwner) {}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TCheckBox::CreateParams(Params);
  Params.WinClassName = u"TRadioButton";
}

// ---- TGroupBox and TPanel ---------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 185;
  FHeight = 105;
}

void TGroupBox::SetCaption(const std::u16string& Value) { SetText(Value); }

void TGroupBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TGroupBox";
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

int TGroupBox::CaptionWidth() { return Font().TextExtent(Text()).cx + 16; }

void TGroupBox::AcceleratorPressed() {
  TWinControl* first = nullptr;
  for (int i = 0; i < ControlCount(); ++i) {
    auto* c = dynamic_cast<TWinControl*>(Controls(i));
    if (c && c->TabStop() && c->CanFocus() && (!first || c->TabOrder() < first->TabOrder())) first = c;
  }
  if (first) first->SetFocus();
}

LRESULT TGroupBox::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_PAINT: {
      win32::TPaintDC dc(FHandle);
      win32::TSelectObject font(dc.Get(), Font().Handle());
      RECT client{};
      GetClientRect(FHandle, &client);
      const int line = Font().LineHeight();
      RECT frame{0, line / 2, client.right, client.bottom};
      DrawEdge(dc.Get(), &frame, EDGE_ETCHED, BF_RECT);
      const std::u16string caption = Text();
      if (!caption.empty()) {
        RECT text{8, 0, 8, line};
        DrawTextW(dc.Get(), W(caption), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        FillRect(dc.Get(), &text, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc.Get(), TRANSPARENT);
        SetTextColor(dc.Get(), IsWindowEnabled(FHandle) ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc.Get(), W(caption), -1, &text, DT_SINGLELINE);
      }
      return 0;
    }
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = TWinControl::WndProc(Msg, WParam, LParam);
      InvalidateRect(FHandle, nullptr, TRUE);
      return result;
    }
    default:
      return TWinControl::WndProc(Msg, WParam, LParam);
  }
}

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 185;
  FHeight = 41;
}

void TPanel::SetBevelOuter(TBevelCut Value) {
  FBevelOuter = Value;
  if (HandleAllocated()) InvalidateRect(FHandle, nullptr, TRUE);
}

void TPanel::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TPanel";
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TPanel::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg != WM_PAINT || FBevelOuter == TBevelCut::bvNone) return TWinControl::WndProc(Msg, WParam, LParam);
  win32::TPaintDC dc(FHandle);
  RECT client{};
  GetClientRect(FHandle, &client);
  DrawEdge(dc.Get(), &client, FBevelOuter == TBevelCut::bvRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
  return 0;
}

// ---- Lists -----------------------------------------------------------------------------------

TCustomListControl::TCustomListControl(TComponent* AOwner, const TListMessages& Messages)
    : TWinControl(AOwner), FMessages(Messages) {
  SetTabStop(true);
}

void TCustomListControl::AddToWindow(int Index) {
  const auto at = SendMessageW(FHandle, FMessages.Add, 0, reinterpret_cast<LPARAM>(W(FItems[Index])));
  SendMessageW(FHandle, FMessages.SetData, static_cast<WPARAM>(at), FItemData[static_cast<std::size_t>(Index)]);
}

void TCustomListControl::InitializeWindow() {
  TWinControl::InitializeWindow();
  for (int i = 0; i < FItems.Count(); ++i) AddToWindow(i);
  SendMessageW(FHandle, FMessages.SetSelection, static_cast<WPARAM>(FItemIndex), 0);
}

void TCustomListControl::SetItems(const TStringList& Value) {
  FItems.Assign(Value);
  FItemData.assign(static_cast<std::size_t>(FItems.Count()), 0);
  FItemIndex = -1;
  if (!FHandle) return;
  SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(FHandle, FMessages.Reset, 0, 0);
  for (int i = 0; i < FItems.Count(); ++i) AddToWindow(i);
  SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
}

int TCustomListControl::AddItem(const std::u16string& Item, std::intptr_t Data) {
  FItems.Add(Item);
  FItemData.push_back(Data);
  if (FHandle) AddToWindow(FItems.Count() - 1);
  return FItems.Count() - 1;
}

void TCustomListControl::DeleteItem(int Index) {
  if (Index < 0 || Index >= FItems.Count()) return;
  FItems.Delete(Index);
  FItemData.erase(FItemData.begin() + Index);
  if (FItemIndex == Index) FItemIndex = -1;
  else if (FItemIndex > Index) --FItemIndex;
  if (FHandle) SendMessageW(FHandle, FMessages.Delete, static_cast<WPARAM>(Index), 0);
}

void TCustomListControl::Clear() {
  FItems.Clear();
  FItemData.clear();
  FItemIndex = -1;
  if (FHandle) SendMessageW(FHandle, FMessages.Reset, 0, 0);
}

std::intptr_t TCustomListControl::ItemData(int Index) const {
  if (Index < 0 || Index >= FItems.Count()) return 0;
  return FItemData[static_cast<std::size_t>(Index)];
}

int TCustomListControl::ItemIndex() const {
  if (FHandle) return static_cast<int>(SendMessageW(FHandle, FMessages.GetSelection, 0, 0));
  return FItemIndex;
}

void TCustomListControl::SetItemIndex(int Value) {
  FItemIndex = Value >= 0 && Value < FItems.Count() ? Value : -1;
  if (FHandle) SendMessageW(FHandle, FMessages.SetSelection, static_cast<WPARAM>(FItemIndex), 0);
}

LRESULT TCustomListControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DESTROY && !IsDestroying())
    FItemIndex = static_cast<int>(SendMessageW(FHandle, FMessages.GetSelection, 0, 0));
  return TWinControl::WndProc(Msg, WParam, LParam);
}

TListBox::TListBox(TComponent* AOwner)
    : TCustomListControl(AOwner, {LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL,
                                  LB_SETITEMDATA}) {
  FWidth = 121;
  FHeight = 97;
}

void TListBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  Params.WinClassName = u"TListBox";
  Params.BaseClassName = u"LISTBOX";
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  Params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TListBox::CNCommand(WORD Code) {
  if (Code == LBN_SELCHANGE && OnClick) OnClick(this);
  else if (Code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
  else return false;
  return true;
}

TComboBox::TComboBox(TComponent* AOwner)
    : TCustomListControl(AOwner, {CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL,
                                  CB_SETITEMDATA}) {
  FWidth = 145;
  FHeight = 21;
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

int TComboBox::DroppedHeight() const { return FDropDownCount * 16 + 4; }

void TComboBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  Params.WinClassName = u"TComboBox";
  Params.BaseClassName = u"COMBOBOX";
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  Params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL |
                  (FStyle == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  // The window's height includes the dropped list.
  Params.Height = FHeight + DroppedHeight();
}

void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FHandle)
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight + DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TComboBox::CNCommand(WORD Code) {
  if ((Code == CBN_SELCHANGE || Code == CBN_EDITCHANGE) && OnChange) {
    OnChange(this);
    return true;
  }
  return false;
}

}  // namespace lexoro
