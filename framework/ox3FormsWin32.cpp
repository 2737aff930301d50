#include "lexoro/framework/ox3FormsWin32.h"

#include <algorithm>
#include <vector>

#include "lexoro/framework/ox3StdCtrlsWin32.h"

namespace lexoro {

namespace {

// Posted to a form by Release; the form frees itself when it arrives.
constexpr UINT kReleaseMessage = WM_APP + 0x3F00;
// Posted to a form by PostCall; the oldest call waiting runs when it arrives.
constexpr UINT kPostedCallMessage = WM_APP + 0x3F01;

// The form of a window of the GUI thread (its top-level window's object), if any.
TForm* FormOfWindow(HWND Window) {
  if (!Window) return nullptr;
  return dynamic_cast<TForm*>(TWinControl::FindControl(GetAncestor(Window, GA_ROOT)));
}

// The accelerator letter a caption marks with "&" ("&&" is an ampersand), upper-cased; 0 if none.
char16_t AcceleratorOf(const std::u16string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != u'&') continue;
    if (Caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return static_cast<char16_t>(reinterpret_cast<std::uintptr_t>(CharUpperW(
        reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(Caption[i + 1])))));
  }
  return 0;
}

// Every windowed control inside Parent, depth first, in tab order.
void CollectInTabOrder(TWinControl& Parent, std::vector<TWinControl*>& Out) {
  std::vector<TWinControl*> children;
  for (int i = 0; i < Parent.ControlCount(); ++i)
    if (auto* c = dynamic_cast<TWinControl*>(Parent.Controls(i))) children.push_back(c);
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWinControl* c : children) {
    Out.push_back(c);
    CollectInTabOrder(*c, Out);
  }
}

// The system's message font, which forms with ParentFont take when no form owns them.
TFont& MessageFont() {
  static TFont font;
  static const bool loaded = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) font.AssignLogFont(metrics.lfMessageFont);
    return true;
  }();
  (void)loaded;
  return font;
}

// The enabled, visible top-level windows of this thread other than the modal form, disabled
// for the modal loop and enabled again afterwards, whatever way the loop is left.
class TDisabledWindows {
 public:
  explicit TDisabledWindows(HWND Except) {
    ForEachThreadWindow([&](HWND Window) {
      if (Window != Except && IsWindowVisible(Window) && IsWindowEnabled(Window)) FWindows.push_back(Window);
      return true;
    });
    for (HWND window : FWindows) EnableWindow(window, FALSE);
  }
  ~TDisabledWindows() {
    for (HWND window : FWindows)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

 private:
  std::vector<HWND> FWindows;
};

}  // namespace

TMonitorRects MonitorRectsOf(const RECT& Rect) {
  TMonitorRects rects{};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromRect(&Rect, MONITOR_DEFAULTTONEAREST), &info)) {
    rects.Monitor = info.rcMonitor;
    rects.WorkArea = info.rcWork;
  } else {
    rects.Monitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    rects.WorkArea = rects.Monitor;
  }
  return rects;
}

RECT DesktopRect() {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

POINT CursorPos() {
  POINT point{};
  GetCursorPos(&point);
  return point;
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  FVisible = false;
  FWidth = 400;
  FHeight = 300;
  FLeft = 100;
  FTop = 100;
  FParentFont = false;
  // Every loop of the application gives the forms their keys first.
  static const bool filterInstalled = [] {
    Application().SetMessageFilter(&TForm::IsDialogKeyMessage);
    return true;
  }();
  (void)filterInstalled;
}

TForm::~TForm() {
  // Events and fields of the form are going: no message may reach it any more.
  Destroying();
  ReleaseWindow();
}

void TForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle Value) {
  if (Value == FFormStyle) return;
  FFormStyle = Value;
  if (HandleAllocated())
    SetWindowPos(FHandle, Value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TForm* TForm::OwnerForm() const {
  for (TComponent* c = Owner(); c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

TFont* TForm::ParentFontSource() {
  if (TForm* owner = OwnerForm()) return &owner->Font();
  return &MessageFont();
}

SIZE TForm::WindowSizeFor(int ClientWidth, int ClientHeight) {
  TCreateParams params;
  CreateParams(params);
  RECT rect{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&rect, params.Style, FALSE, params.ExStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

int TForm::ClientWidth() {
  if (HandleAllocated()) return TWinControl::ClientWidth();
  const SIZE frame = WindowSizeFor(0, 0);
  return FWidth - frame.cx;
}

int TForm::ClientHeight() {
  if (HandleAllocated()) return TWinControl::ClientHeight();
  const SIZE frame = WindowSizeFor(0, 0);
  return FHeight - frame.cy;
}

void TForm::SetClientWidth(int Value) {
  FWantedClientWidth = Value;
  // With a window the frame is measured; before, the styles estimate it.
  const int frame = HandleAllocated() ? FWidth - ClientWidth() : WindowSizeFor(0, 0).cx;
  SetBounds(FLeft, FTop, Value + frame, FHeight);
}

void TForm::SetClientHeight(int Value) {
  FWantedClientHeight = Value;
  const int frame = HandleAllocated() ? FHeight - ClientHeight() : WindowSizeFor(0, 0).cy;
  SetBounds(FLeft, FTop, FWidth, Value + frame);
}

void TForm::InitializeWindow() {
  TWinControl::InitializeWindow();
  UpdateBoundsFromWindow();
  if (FWantedClientWidth >= 0) SetClientWidth(FWantedClientWidth);
  if (FWantedClientHeight >= 0) SetClientHeight(FWantedClientHeight);
}

void TForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
  FActiveControl = Control;
  if (Control) {
    Control->FreeNotification(this);
    if (HandleAllocated() && GetActiveWindow() == FHandle && Control->CanFocus()) Control->SetFocus();
  }
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
}

void TForm::ChildFocused(TWinControl* Child) {
  if (Child != this && Child != FActiveControl) SetActiveControl(Child);
  UpdateDefaultButton();
}

void TForm::FocusFirstControl() {
  if (FActiveControl && FActiveControl->HandleAllocated() && FActiveControl->CanFocus()) {
    FActiveControl->SetFocus();
    return;
  }
  std::vector<TWinControl*> controls;
  CollectInTabOrder(*this, controls);
  for (TWinControl* c : controls)
    if (c->TabStop() && c->HandleAllocated() && c->CanFocus()) {
      c->SetFocus();
      return;
    }
  ::SetFocus(FHandle);
}

namespace {
template <typename TPredicate>
TButton* FindButton(TForm& Form, TPredicate Predicate) {
  std::vector<TWinControl*> controls;
  CollectInTabOrder(Form, controls);
  for (TWinControl* c : controls)
    if (auto* button = dynamic_cast<TButton*>(c); button && Predicate(*button) && button->CanFocus()) return button;
  return nullptr;
}
}  // namespace

TButton* TForm::DefaultButton() {
  return FindButton(*this, [](TButton& b) { return b.Default(); });
}

TButton* TForm::CancelButton() {
  return FindButton(*this, [](TButton& b) { return b.Cancel(); });
}

TButton* TForm::CurrentDefaultButton() {
  if (auto* focused = dynamic_cast<TButton*>(FindControl(GetFocus())); focused && FormOfWindow(focused->Handle()) == this)
    return focused;
  return DefaultButton();
}

void TForm::UpdateDefaultButton() {
  if (!HandleAllocated()) return;
  TButton* current = CurrentDefaultButton();
  std::vector<TWinControl*> controls;
  CollectInTabOrder(*this, controls);
  for (TWinControl* c : controls)
    if (auto* button = dynamic_cast<TButton*>(c)) button->SetDefaultLook(button == current);
}

bool TForm::ShowHelp(TWinControl* Control) {
  std::intptr_t context = 0;
  for (TWinControl* c = Control; c && context == 0; c = c->Parent()) context = c->HelpContext();
  if (context == 0) context = HelpContext();
  if (context == 0) return false;
  return Application().HelpContext(static_cast<std::uint32_t>(context), FHelpFile);
}

void TForm::PostCall(std::function<void()> Call) {
  FPostedCalls.push_back(std::move(Call));
  PostMessageW(Handle(), kPostedCallMessage, 0, 0);
}

bool TForm::DialogChar(char16_t Ch) {
  const auto upper = static_cast<char16_t>(reinterpret_cast<std::uintptr_t>(
      CharUpperW(reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(Ch)))));
  std::vector<TWinControl*> controls;
  CollectInTabOrder(*this, controls);
  // The search starts after the focused control, so that a letter used twice reaches both.
  const auto focused = std::find(controls.begin(), controls.end(), FindControl(GetFocus()));
  const std::size_t start = focused == controls.end() ? 0 : static_cast<std::size_t>(focused - controls.begin()) + 1;
  for (std::size_t n = 0; n < controls.size(); ++n) {
    TWinControl* c = controls[(start + n) % controls.size()];
    if (!c->HasAccelerator() || !c->CanFocus() || AcceleratorOf(c->Text()) != upper) continue;
    c->AcceleratorPressed();
    return true;
  }
  return false;
}

bool TForm::CtrlTab(bool Backward) {
  for (TWinControl* c = FindControl(GetFocus()); c; c = c->Parent())
    if (c->CtrlTabPressed(Backward)) return true;
  return false;
}

bool TForm::IsDialogKeyMessage(void* NativeMessage) {
  MSG& msg = *static_cast<MSG*>(NativeMessage);
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TForm* form = FormOfWindow(msg.hwnd);
  if (!form || !form->HandleAllocated() || !IsWindowEnabled(form->FHandle)) return false;
  switch (msg.message) {
    case WM_SYSCHAR:
      if (form->DialogChar(static_cast<char16_t>(msg.wParam))) return true;
      break;
    case WM_CHAR: {
      // A letter alone is an accelerator where the focused control takes no characters.
      const auto code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
      if (!(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) && msg.wParam > u' ' &&
          form->DialogChar(static_cast<char16_t>(msg.wParam)))
        return true;
      break;
    }
    case WM_KEYDOWN:
      if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        if (form->CtrlTab(GetKeyState(VK_SHIFT) < 0)) return true;
      } else if (msg.wParam == VK_F1) {
        form->ShowHelp(FindControl(msg.hwnd));
        return true;
      }
      break;
    default:
      break;
  }
  return IsDialogMessageW(form->FHandle, &msg) != FALSE;
}

void TForm::ApplyPosition() {
  if (FPositioned) return;
  FPositioned = true;
  RECT area{};
  switch (FPosition) {
    case TPosition::poDesigned:
    case TPosition::poDefault:
      return;
    case TPosition::poScreenCenter:
      area = MonitorRectsOf(RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}).WorkArea;
      break;
    case TPosition::poDesktopCenter:
      area = DesktopRect();
      break;
    case TPosition::poOwnerFormCenter: {
      TForm* owner = OwnerForm();
      if (!owner || !owner->HandleAllocated()) {
        area = MonitorRectsOf(RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}).WorkArea;
        break;
      }
      area = owner->ScreenRect();
      break;
    }
  }
  int x = area.left + (area.right - area.left - FWidth) / 2;
  int y = area.top + (area.bottom - area.top - FHeight) / 2;
  // Centred on a small owner near an edge, a form would stick out of the screen: it stays inside
  // the work area (its top-left corner first).
  const RECT work = MonitorRectsOf(RECT{x, y, x + FWidth, y + FHeight}).WorkArea;
  x = std::max<int>(work.left, std::min<int>(x, work.right - FWidth));
  y = std::max<int>(work.top, std::min<int>(y, work.bottom - FHeight));
  SetBounds(x, y, FWidth, FHeight);
}

void TForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TForm";
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsSizeable:
      Params.Style |= WS_OVERLAPPEDWINDOW;
      break;
    case TFormBorderStyle::bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      Params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      Params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  Params.ExStyle |= WS_EX_CONTROLPARENT;
  if (FFormStyle == TFormStyle::fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  if (BiDiMode() == TBiDiMode::bdRightToLeft) Params.ExStyle |= WS_EX_LAYOUTRTL;
  // The owner window: the one given, else the window of the form that owns this one.
  Params.WndParent = ParentWindow();
  if (!Params.WndParent && !IsDestroying())
    if (TForm* owner = OwnerForm()) Params.WndParent = owner->Handle();
}

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::SetVisible(bool Value) {
  FVisible = Value;
  if (Value) {
    HandleNeeded();
    ApplyPosition();
    ShowWindow(FHandle, SW_SHOWNORMAL);
  } else if (HandleAllocated()) {
    ShowWindow(FHandle, SW_HIDE);
  }
}

void TForm::BringToFront() {
  if (!HandleAllocated()) return;
  SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetActiveWindow(FHandle);
}

TModalResult TForm::ShowModal() {
  if (FModal || Visible()) throw EInvalidOperation("Cannot make a visible window modal");
  ReleaseCapture();
  HWND active = GetActiveWindow();
  FModal = true;
  FModalResult = mrNone;
  // A Release that arrived while the loop ran is carried out once the caller has the result.
  struct TModalGuard {
    TForm& Form;
    ~TModalGuard() {
      Form.FModal = false;
      if (Form.FReleasePending && Form.HandleAllocated()) PostMessageW(Form.FHandle, kReleaseMessage, 0, 0);
      Form.FReleasePending = false;
    }
  } guard{*this};
  {
    TDisabledWindows disabled(Handle());
    Show();
    for (;;) {
      if (Application().Terminated()) {
        FModalResult = mrCancel;
        break;
      }
      if (FModalResult != mrNone) {
        if (CloseQuery()) break;
        FModalResult = mrNone;
      }
      Application().HandleMessage();
    }
    Hide();
  }
  if (active && IsWindow(active)) SetActiveWindow(active);
  return FModalResult;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (FOnCloseQuery) FOnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (FOnClose) FOnClose(this, action);
  if (action == TCloseAction::caNone) return;
  // Closing the main form ends the application.
  if (Application().MainForm() == this) Application().Terminate();
  if (action == TCloseAction::caHide) Hide();
  else if (action == TCloseAction::caFree) Release();
}

void TForm::Release() { PostMessageW(Handle(), kReleaseMessage, 0, 0); }

void TForm::DoShow() {
  if (FOnShow) FOnShow(this);
}

void TForm::DoHide() {
  if (FOnHide) FOnHide(this);
}

void TForm::Activate() {
  if (FOnActivate) FOnActivate(this);
}

void TForm::Deactivate() {
  if (FOnDeactivate) FOnDeactivate(this);
}

LRESULT TForm::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case kReleaseMessage:
      // Not under the feet of its own modal loop, which still reads the form.
      if (FModal) {
        FReleasePending = true;
        return 0;
      }
      delete this;
      return 0;
    case kPostedCallMessage:
      if (!FPostedCalls.empty()) {
        const auto call = std::move(FPostedCalls.front());
        FPostedCalls.erase(FPostedCalls.begin());
        if (call) call();
      }
      return 0;
    case WM_SHOWWINDOW:
      if (WParam) DoShow();
      else DoHide();
      break;
    case WM_ACTIVATE:
      if (LOWORD(WParam) == WA_INACTIVE) {
        Deactivate();
        break;
      }
      // The focus goes back to the control that had it (DefWindowProc would give it to the form).
      if (!HIWORD(WParam)) FocusFirstControl();
      Activate();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(LParam);
      TWinControl* control = info && info->iContextType == HELPINFO_WINDOW
                                 ? FindControl(static_cast<HWND>(info->hItemHandle))
                                 : nullptr;
      if (ShowHelp(control)) return TRUE;
      break;
    }
    case DM_GETDEFID:
      if (TButton* button = CurrentDefaultButton(); button && button->Enabled())
        return MAKELRESULT(GetDlgCtrlID(button->Handle()), DC_HASDEFID);
      return 0;
    case WM_COMMAND:
      // Enter and Esc of the dialog keys arrive as IDOK / IDCANCEL when the button is not a
      // direct child of the form (the children's own notifications were handed back already).
      if (LParam == 0 || !FindControl(reinterpret_cast<HWND>(LParam))) {
        TButton* button = LOWORD(WParam) == IDOK       ? CurrentDefaultButton()
                          : LOWORD(WParam) == IDCANCEL ? CancelButton()
                                                       : nullptr;
        if (button && button->Enabled()) {
          button->Click();
          return 0;
        }
      }
      break;
    case WM_NEXTDLGCTL:
      if (LOWORD(LParam)) {
        ::SetFocus(reinterpret_cast<HWND>(WParam));
      } else {
        HWND next = GetNextDlgTabItem(FHandle, GetFocus(), WParam != 0);
        if (next) ::SetFocus(next);
      }
      return 0;
    default:
      break;
  }
  return TWinControl::WndProc(Msg, WParam, LParam);
}

}  // namespace lexoro
