#include "lexoro/framework/ox3ControlsWin32.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

// The windows of the GUI thread and their controls. (A window property would do, but asking
// for one costs a trip to the window server on some systems, on every message.)
std::unordered_map<HWND, TWinControl*>& BoundControls() {
  thread_local std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

TWinControl* BoundControl(HWND Window) {
  const auto& controls = BoundControls();
  const auto found = controls.find(Window);
  return found != controls.end() ? found->second : nullptr;
}

// The control whose window is being created: the first message of a window of one of the
// framework's classes that has no control yet binds it to this one.
thread_local TWinControl* gCreatingControl = nullptr;

// The system window procedure behind each class the framework registered.
std::map<ATOM, WNDPROC>& BaseProcedures() {
  static std::map<ATOM, WNDPROC> procedures;
  return procedures;
}

WNDPROC BaseProcedureOf(HWND Window) {
  const auto atom = static_cast<ATOM>(GetClassLongPtrW(Window, GCW_ATOM));
  const auto found = BaseProcedures().find(atom);
  return found != BaseProcedures().end() ? found->second : DefWindowProcW;
}

std::u16string ReadWindowText(HWND Window, WNDPROC Procedure) {
  const auto length = CallWindowProcW(Procedure, Window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const auto copied = CallWindowProcW(Procedure, Window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 && static_cast<std::size_t>(copied) < text.size() ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

namespace {

void RegisterControlClass(const TCreateParams& Params) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, W(Params.WinClassName), &existing)) return;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  WNDPROC base = DefWindowProcW;
  if (Params.BaseClassName.empty()) {
    wc.style = Params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  } else {
    if (!GetClassInfoExW(nullptr, W(Params.BaseClassName), &wc) &&
        !GetClassInfoExW(instance, W(Params.BaseClassName), &wc))
      throw EWindowError("Window class " + text::Utf16ToUtf8(Params.BaseClassName) + " is not registered");
    base = wc.lpfnWndProc;
    wc.cbSize = sizeof wc;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  }
  wc.lpfnWndProc = ControlWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = W(Params.WinClassName);
  const ATOM atom = RegisterClassExW(&wc);
  if (atom == 0) throw EWindowError("Cannot register window class " + text::Utf16ToUtf8(Params.WinClassName));
  BaseProcedures()[atom] = base;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  // Nothing may leave a window procedure: the system's code between here and the caller knows
  // no exceptions. Binding, unbinding (which tells the handle listeners) and the handler all
  // run inside the firewall.
  TWinControl* control = BoundControl(Window);
  try {
    if (control == nullptr && gCreatingControl != nullptr) {
      control = std::exchange(gCreatingControl, nullptr);
      control->Bind(Window);
    }
  } catch (...) {
    Application().HandleException(control, std::current_exception());
    // A window whose object could not be bound is not created.
    return Msg == WM_NCCREATE ? FALSE : CallWindowProcW(BaseProcedureOf(Window), Window, Msg, WParam, LParam);
  }
  if (control == nullptr) return CallWindowProcW(BaseProcedureOf(Window), Window, Msg, WParam, LParam);
  if (Msg == WM_NCDESTROY) {
    // The object lets go of the window before the window's last message, also when a listener
    // told of it fails.
    const WNDPROC procedure = control->FDefWndProc;
    try {
      control->Unbind();
    } catch (...) {
      Application().HandleException(control, std::current_exception());
    }
    return CallWindowProcW(procedure, Window, Msg, WParam, LParam);
  }
  try {
    return control->WndProc(Msg, WParam, LParam);
  } catch (...) {
    Application().HandleException(control, std::current_exception());
    return 0;
  }
}

// ---- TFont ------------------------------------------------------------------------------------

void TFont::SetName(const std::u16string& Value) {
  if (Value == FName) return;
  FName = Value;
  Changed();
}

void TFont::SetSize(int Value) {
  if (Value == FSize) return;
  FSize = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TFont::SetBold(bool Value) {
  TFontStyles style = FStyle;
  style.Set(fsBold, Value);
  SetStyle(style);
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetCharset(std::uint8_t Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed();
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this || Source == *this) return;
  FName = Source.FName;
  FSize = Source.FSize;
  FStyle = Source.FStyle;
  FColor = Source.FColor;
  FCharset = Source.FCharset;
  Changed();
}

namespace {
int ScreenDpi() {
  win32::TWindowDC screen(nullptr);
  return screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}
}  // namespace

void TFont::AssignLogFont(const LOGFONTW& Font) {
  const std::u16string name(reinterpret_cast<const char16_t*>(Font.lfFaceName));
  const int height = Font.lfHeight < 0 ? -Font.lfHeight : Font.lfHeight;
  TFontStyles style;
  style.Set(fsBold, Font.lfWeight >= FW_BOLD);
  style.Set(fsItalic, Font.lfItalic != 0);
  style.Set(fsUnderline, Font.lfUnderline != 0);
  style.Set(fsStrikeOut, Font.lfStrikeOut != 0);
  FName = name;
  FSize = height > 0 ? MulDiv(height, 72, ScreenDpi()) : FSize;
  FStyle = style;
  FCharset = Font.lfCharSet;
  Changed();
}

SIZE TFont::TextExtent(const std::u16string& Text, int WrapWidth) {
  SIZE size{0, 0};
  win32::TWindowDC screen(nullptr);
  if (!screen) return size;
  win32::TSelectObject select(screen.Get(), Handle());
  RECT rect{0, 0, WrapWidth > 0 ? WrapWidth : 0, 0};
  const UINT format = DT_CALCRECT | DT_NOCLIP | (WrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  // An empty text still has the height of a line.
  const std::u16string measured = Text.empty() ? std::u16string(u" ") : Text;
  DrawTextW(screen.Get(), W(measured), static_cast<int>(measured.size()), &rect, format);
  size.cx = Text.empty() ? 0 : rect.right - rect.left;
  size.cy = rect.bottom - rect.top;
  return size;
}

int TFont::LineHeight() {
  win32::TWindowDC screen(nullptr);
  if (!screen) return 0;
  win32::TSelectObject select(screen.Get(), Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  return metrics.tmHeight;
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(FSize, ScreenDpi(), 72);
    font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = FStyle.Contains(fsItalic);
    font.lfUnderline = FStyle.Contains(fsUnderline);
    font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    font.lfCharSet = FCharset;
    font.lfQuality = DEFAULT_QUALITY;
    const std::size_t length = std::min<std::size_t>(FName.size(), LF_FACESIZE - 1);
    for (std::size_t i = 0; i < length; ++i) font.lfFaceName[i] = static_cast<wchar_t>(FName[i]);
    FHandle.Reset(CreateFontIndirectW(&font));
  }
  return FHandle.Get();
}

void TFont::Changed() {
  // The old font stays alive until the listeners have moved to the new one.
  win32::TFontHandle previous = std::move(FHandle);
  if (FOnChange) FOnChange(this);
}

COLORREF ColorToRGB(TColor Color) {
  if (Color & clSystemColor) return GetSysColor(static_cast<int>(Color & 0xFF));
  return static_cast<COLORREF>(Color & 0xFFFFFF);
}

// ---- TControl ---------------------------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  FParent = AParent;
  if (FParent) FParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
}

void TControl::SetVisible(bool Value) { FVisible = Value; }
void TControl::SetEnabled(bool Value) { FEnabled = Value; }

void TControl::SetAnchors(TAnchors Value) {
  FAnchors = Value;
  if (!FParent) return;
  FAnchorRight = FParent->ClientWidth() - (FLeft + FWidth);
  FAnchorBottom = FParent->ClientHeight() - (FTop + FHeight);
}

void TControl::ParentResized(int ClientWidth, int ClientHeight) {
  const bool left = FAnchors.Contains(akLeft), right = FAnchors.Contains(akRight);
  const bool top = FAnchors.Contains(akTop), bottom = FAnchors.Contains(akBottom);
  if (!right && !bottom) return;
  int x = FLeft, y = FTop, w = FWidth, h = FHeight;
  if (right) {
    if (left) w = std::max(0, ClientWidth - FAnchorRight - x);
    else x = ClientWidth - FAnchorRight - w;
  }
  if (bottom) {
    if (top) h = std::max(0, ClientHeight - FAnchorBottom - y);
    else y = ClientHeight - FAnchorBottom - h;
  }
  SetBounds(x, y, w, h);
}

// ---- TWinControl ------------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FFont.SetOnChange([this](TObject*) { OwnFontChanged(); });
}

TWinControl::~TWinControl() {
  Destroying();
  for (TControl* child : FControls) child->FParent = nullptr;
  FControls.clear();
  FTabList.clear();
  ReleaseWindow();
}

void TWinControl::ReleaseWindow() {
  // The windows of the children go with this one and detach their own objects.
  if (!FHandle) return;
  HWND window = FHandle;
  Unbind();
  DestroyWindow(window);
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TWinControl::SetParentWindow(HWND Value) {
  if (Value == FParentWindow) return;
  FParentWindow = Value;
  if (FHandle && !FParent) {
    if (Value) ::SetParent(FHandle, Value);
    else DestroyHandle();
  }
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  CreateHandle();
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  TControl::SetParent(AParent);
  if (FParentFont) TakeParentFont();
  if (FHandle) {
    if (AParent && AParent->HandleAllocated()) ::SetParent(FHandle, AParent->FHandle);
    else if (AParent || !FParentWindow) DestroyHandle();
  } else if (AParent && AParent->HandleAllocated()) {
    CreateHandle();
  }
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FHandle) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // Without a window there is no WM_SIZE: the anchored children follow here.
  if (resized) {
    const int width = ClientWidth(), height = ClientHeight();
    for (TControl* child : std::vector<TControl*>(FControls)) child->ParentResized(width, height);
  }
}

bool TWinControl::Visible() const {
  if (FHandle) return (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_VISIBLE) != 0;
  return FVisible;
}

void TWinControl::SetVisible(bool Value) {
  TControl::SetVisible(Value);
  if (FHandle) ShowWindow(FHandle, Value ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool Value) {
  TControl::SetEnabled(Value);
  if (FHandle) EnableWindow(FHandle, Value);
}

std::u16string TWinControl::Text() const {
  if (FHandle) return ReadWindowText(FHandle, FDefWndProc);
  return FText;
}

void TWinControl::SetText(const std::u16string& Value) {
  if (FHandle) SetWindowTextW(FHandle, W(Value));
  else FText = Value;
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return FHandle != nullptr && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->FParent)
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value) TakeParentFont();
}

TFont* TWinControl::ParentFontSource() { return FParent ? &FParent->FFont : nullptr; }

void TWinControl::SetBiDiMode(TBiDiMode Value) {
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  RecreateWnd();
}

void TWinControl::SetParentBiDiMode(bool Value) {
  if (Value == FParentBiDiMode) return;
  FParentBiDiMode = Value;
  RecreateWnd();
}

void TWinControl::TakeParentFont() {
  TFont* source = ParentFontSource();
  if (!source) return;
  FTakingParentFont = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{FTakingParentFont};
  FFont.Assign(*source);
}

void TWinControl::OwnFontChanged() {
  // A font assigned by the program ends ParentFont; one taken from the parent does not.
  if (!FTakingParentFont) FParentFont = false;
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), TRUE);
  FontChanged();
  for (TControl* child : std::vector<TControl*>(FControls))
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->FParentFont) windowed->TakeParentFont();
}

void TWinControl::FontChanged() {}

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  const auto& list = FParent->FTabList;
  const auto found = std::find(list.begin(), list.end(), this);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  std::erase(list, this);
  const auto index = static_cast<std::size_t>(std::clamp(Value, 0, static_cast<int>(list.size())));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
  FParent->UpdateTabOrder();
}

void TWinControl::SetTabStop(bool Value) {
  FTabStop = Value;
  if (!FHandle) return;
  const auto style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  SetWindowLongPtrW(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
}

void TWinControl::UpdateTabOrder() {
  // The first window in z-order is the first that Tab reaches.
  for (TWinControl* child : FTabList)
    if (child->FHandle)
      SetWindowPos(child->FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

int TWinControl::ClientWidth() {
  if (FHandle) {
    RECT rect{};
    GetClientRect(FHandle, &rect);
    return rect.right;
  }
  return FWidth;
}

int TWinControl::ClientHeight() {
  if (FHandle) {
    RECT rect{};
    GetClientRect(FHandle, &rect);
    return rect.bottom;
  }
  return FHeight;
}

RECT TWinControl::ScreenRect() {
  RECT rect{};
  GetWindowRect(Handle(), &rect);
  return rect;
}

void TWinControl::ChildFocused(TWinControl* Child) {
  if (FParent) FParent->ChildFocused(Child);
}

TShiftState TWinControl::KeyShiftState() {
  TShiftState shift;
  shift.Set(ssShift, GetKeyState(VK_SHIFT) < 0);
  shift.Set(ssCtrl, GetKeyState(VK_CONTROL) < 0);
  shift.Set(ssAlt, GetKeyState(VK_MENU) < 0);
  return shift;
}

LRESULT TWinControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return SendMessageW(Handle(), Msg, WParam, LParam);
}

TWinControl* TWinControl::FindControl(HWND Window) {
  if (Window == nullptr) return nullptr;
  return BoundControl(Window);
}

namespace {
// Control ids of child windows: unique within the thread, clear of IDOK ... IDCONTINUE.
int NextControlId() {
  thread_local int next = 1000;
  if (next >= 0x7FFF) next = 1000;
  return next++;
}
}  // namespace

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (FVisible) Params.Style |= WS_VISIBLE;
  if (!FEnabled) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.Id = NextControlId();
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = FParent ? FParent->Handle() : FParentWindow;
  Params.WinClassName = u"TWinControl";
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) != 0 && params.WndParent == nullptr)
    throw EInvalidOperation("Control '" + text::Utf16ToUtf8(Name()) + "' has no parent window");
  RegisterControlClass(params);
  CreateWindowHandle(params);
  if (!FHandle) throw EWindowError("Error creating window of class " + text::Utf16ToUtf8(params.WinClassName));
  FText.clear();
  InitializeWindow();
  // Children are created in tab order, which is then their z-order.
  for (TWinControl* child : std::vector<TWinControl*>(FTabList)) child->CreateHandle();
  FOnHandleChanged.Notify(this);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  TWinControl* previous = std::exchange(gCreatingControl, this);
  const HMENU id = (Params.Style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Params.Id)) : nullptr;
  HWND window = CreateWindowExW(Params.ExStyle, W(Params.WinClassName), W(Params.Caption), Params.Style, Params.X,
                                Params.Y, Params.Width, Params.Height, Params.WndParent, id,
                                GetModuleHandleW(nullptr), nullptr);
  gCreatingControl = previous;
  if (window && !FHandle) Bind(window);
}

void TWinControl::InitializeWindow() {
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
  // A child takes its parent's mirroring when it is created; one with a direction of its own
  // sets it afterwards.
  if (!FParentBiDiMode && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD)) {
    const auto ex = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE,
                      FBiDiMode == TBiDiMode::bdRightToLeft ? (ex | WS_EX_LAYOUTRTL) : (ex & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL)));
  }
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  FText = Text();
  DestroyWindow(FHandle);  // WM_NCDESTROY unbinds
  FHandle = nullptr;
}

bool TWinControl::ReflectNotification(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
  TWinControl* child = nullptr;
  switch (Msg) {
    case WM_COMMAND:
      child = LParam ? FindControl(reinterpret_cast<HWND>(LParam)) : nullptr;
      if (child && child != this && child->CNCommand(HIWORD(WParam))) {
        Result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(LParam);
      child = header ? FindControl(header->hwndFrom) : nullptr;
      return child && child != this && child->CNNotify(*header, Result);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      child = FindControl(reinterpret_cast<HWND>(LParam));
      if (!child || child == this) return false;
      const HBRUSH brush = child->CNCtlColor(reinterpret_cast<HDC>(WParam));
      if (!brush) return false;
      Result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(LParam);
      child = item && item->CtlType != ODT_MENU ? FindControl(item->hwndItem) : nullptr;
      if (!child || !child->CNDrawItem(*item)) return false;
      Result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(LParam);
      child = item && item->CtlType != ODT_MENU ? FindControl(GetDlgItem(FHandle, static_cast<int>(item->CtlID))) : nullptr;
      if (!child || !child->CNMeasureItem(*item)) return false;
      Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

bool TWinControl::HandleKeyAndMouse(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown) {
        auto key = static_cast<std::uint16_t>(WParam);
        OnKeyDown(this, key, KeyShiftState());
        return key == 0;  // a handler that clears the key swallows it
      }
      return false;
    case WM_CHAR:
      if (OnKeyPress) {
        auto ch = static_cast<char16_t>(WParam);
        OnKeyPress(this, ch);
        if (ch == 0) return true;
        if (ch != static_cast<char16_t>(WParam)) {
          DefaultHandler(Msg, ch, LParam);
          return true;
        }
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const bool down = Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN;
      const TMouseEvent& event = down ? OnMouseDown : OnMouseUp;
      if (event) {
        const auto button = (Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONUP) ? TMouseButton::mbLeft : TMouseButton::mbRight;
        event(this, button, KeyShiftState(), static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam)));
      }
      return false;
    }
    default:
      return false;
  }
}

LRESULT TWinControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  LRESULT reflected = 0;
  if (ReflectNotification(Msg, WParam, LParam, reflected)) return reflected;
  if (HandleKeyAndMouse(Msg, WParam, LParam)) return 0;
  switch (Msg) {
    case WM_SETFOCUS: {
      const LRESULT result = DefaultHandler(Msg, WParam, LParam);
      ChildFocused(this);
      if (OnEnter) OnEnter(this);
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefaultHandler(Msg, WParam, LParam);
      if (OnExit) OnExit(this);
      return result;
    }
    case WM_SIZE: {
      const LRESULT result = DefaultHandler(Msg, WParam, LParam);
      if (WParam != SIZE_MINIMIZED)
        for (TControl* child : std::vector<TControl*>(FControls))
          child->ParentResized(LOWORD(LParam), HIWORD(LParam));
      return result;
    }
    case WM_DESTROY:
      // The text survives the window, so that a re-created window shows it again.
      if (!IsDestroying()) FText = ReadWindowText(FHandle, FDefWndProc);
      break;
    case WM_SETCURSOR:
      if (Application().Cursor() == TCursor::crHourGlass && LOWORD(LParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = DefaultHandler(Msg, WParam, LParam);
      UpdateBoundsFromWindow();
      return result;
    }
    default:
      break;
  }
  return DefaultHandler(Msg, WParam, LParam);
}

LRESULT TWinControl::DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FHandle) return 0;
  return CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, Msg, WParam, LParam);
}

void TWinControl::Bind(HWND Window) {
  FHandle = Window;
  FDefWndProc = BaseProcedureOf(Window);
  BoundControls()[Window] = this;
}

void TWinControl::Unbind() {
  HWND window = std::exchange(FHandle, nullptr);
  if (window) BoundControls().erase(window);
  if (!IsDestroying()) FOnHandleChanged.Notify(this);
}

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(windowed);
}

void TWinControl::RemoveControl(TControl* AControl) {
  std::erase(FControls, AControl);
  std::erase_if(FTabList, [AControl](TWinControl* c) { return static_cast<TControl*>(c) == AControl; });
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!FHandle) return;
  RECT rect{};
  if (!GetWindowRect(FHandle, &rect)) return;
  if ((GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) != 0) {
    if (HWND parent = GetParent(FHandle)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    // In a right-to-left parent the mapped rectangle comes with its sides exchanged.
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
  }
  FLeft = rect.left;
  FTop = rect.top;
  FWidth = rect.right - rect.left;
  FHeight = rect.bottom - rect.top;
}

// ---- Edits ------------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 121;
  FHeight = 21;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = u"EDIT";
  Params.Style |= WS_TABSTOP;
  Params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWindow() {
  TWinControl::InitializeWindow();
  ApplyMaxLength();
}

LRESULT TCustomEdit::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const LRESULT result = TWinControl::WndProc(Msg, WParam, LParam);
  if (Msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(this);
  return result;
}

bool TCustomEdit::CNCommand(WORD Code) {
  if (Code != EN_CHANGE) return false;
  if (OnChange) OnChange(this);
  return true;
}

void TCustomEdit::ApplyMaxLength() { SendMessageW(FHandle, EM_SETLIMITTEXT, static_cast<WPARAM>(FMaxLength), 0); }

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, Value, 0);
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = Value < 0 ? 0 : Value;
  if (FHandle) ApplyMaxLength();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::GetSel(DWORD& Start, DWORD& End) {
  Start = End = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
}

int TCustomEdit::SelStart() {
  DWORD start, end;
  GetSel(start, end);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value) { Perform(EM_SETSEL, static_cast<WPARAM>(Value), Value); }

int TCustomEdit::SelLength() {
  DWORD start, end;
  GetSel(start, end);
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  Perform(EM_SETSEL, static_cast<WPARAM>(start), start + Value);
}

std::u16string TCustomEdit::SelText() {
  DWORD start, end;
  GetSel(start, end);
  if (end <= start) return {};
  if (Perform(EM_GETTEXTMODE, 0, 0) != 0) {
    // A rich edit counts a line break as one character where its text has CR LF: ask it.
    std::u16string text(end - start + 1, u'\0');
    const auto copied = Perform(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 && static_cast<std::size_t>(copied) < text.size() ? static_cast<std::size_t>(copied) : 0);
    return text;
  }
  const std::u16string all = Text();
  if (start >= all.size()) return {};
  return all.substr(start, end - start);
}

void TCustomEdit::SetSelText(const std::u16string& Value) {
  Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() { Perform(EM_SETSEL, 0, -1); }

bool TCustomEdit::Modified() { return Perform(EM_GETMODIFY, 0, 0) != 0; }

void TCustomEdit::SetModified(bool Value) { Perform(EM_SETMODIFY, Value, 0); }

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.WinClassName = u"TEdit";
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
}

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  FWidth = 185;
  FHeight = 89;
}

void TMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TMemo::SetWantReturns(bool Value) {
  if (Value == FWantReturns) return;
  FWantReturns = Value;
  RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.WinClassName = u"TMemo";
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT;
  if (FWantReturns) Params.Style |= ES_WANTRETURN;
  if (!FWordWrap) Params.Style |= ES_AUTOHSCROLL;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) Params.Style |= WS_HSCROLL;
}

TRichEdit::TRichEdit(TComponent* AOwner) : TMemo(AOwner) {}

std::u16string TRichEdit::SystemClassName() {
  // The library stays loaded for the life of the process: the class it registers must outlive
  // every rich edit, so no owner frees it.
  static const std::u16string name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (LoadLibraryW(L"msftedit.dll") && GetClassInfoExW(nullptr, L"RICHEDIT50W", &wc)) return std::u16string(u"RICHEDIT50W");
    LoadLibraryW(L"riched20.dll");
    return std::u16string(u"RichEdit20W");
  }();
  return name;
}

void TRichEdit::CreateParams(TCreateParams& Params) {
  TMemo::CreateParams(Params);
  Params.WinClassName = u"TRichEdit";
  Params.BaseClassName = SystemClassName();
}

void TRichEdit::InitializeWindow() {
  TMemo::InitializeWindow();
  // A rich edit tells its parent of changes only when asked to.
  SendMessageW(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void TRichEdit::SetSelection(int Start, int End) {
  CHARRANGE range{Start, End};
  Perform(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void TRichEdit::GetSelection(int& Start, int& End) {
  CHARRANGE range{};
  Perform(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  Start = range.cpMin;
  End = range.cpMax;
}

void TRichEdit::SetParagraphRightToLeft(bool Value) {
  PARAFORMAT2 format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_RTLPARA | PFM_ALIGNMENT;
  format.wEffects = Value ? PFE_RTLPARA : 0;
  format.wAlignment = Value ? PFA_RIGHT : PFA_LEFT;
  int selStart = 0, selEnd = 0;
  GetSelection(selStart, selEnd);
  SetSelection(0, -1);
  Perform(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  SetSelection(selStart, selEnd);
}

void TRichEdit::SetTextAttributes(int Start, int Length, TColor Color, TFontStyles Style) {
  int selStart = 0, selEnd = 0;
  GetSelection(selStart, selEnd);
  SetSelection(Start, Start + Length);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  format.crTextColor = ColorToRGB(Color);
  if (Style.Contains(fsBold)) format.dwEffects |= CFE_BOLD;
  if (Style.Contains(fsItalic)) format.dwEffects |= CFE_ITALIC;
  if (Style.Contains(fsUnderline)) format.dwEffects |= CFE_UNDERLINE;
  if (Style.Contains(fsStrikeOut)) format.dwEffects |= CFE_STRIKEOUT;
  Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SetSelection(selStart, selEnd);
}

void TRichEdit::ApplyMaxLength() {
  SendMessageW(FHandle, EM_EXLIMITTEXT, 0, FMaxLength > 0 ? FMaxLength : 0x7FFFFFF0);
}

// ---- TUtilityWindow ---------------------------------------------------------------------------

TUtilityWindow::TUtilityWindow(THandler Handler) : FHandler(std::move(Handler)) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LexoroUtilityWindow";
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  FHandle = CreateWindowExW(0, L"LexoroUtilityWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw EWindowError("Cannot create a utility window");
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
  if (FHandle) {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (self && self->FHandler) {
    try {
      LRESULT result = 0;
      if (self->FHandler(Msg, WParam, LParam, result)) return result;
    } catch (...) {
      Application().HandleException(nullptr, std::current_exception());
      return 0;
    }
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

// ---- Enumerations -----------------------------------------------------------------------------

void ForEachThreadWindow(const std::function<bool(HWND Window)>& Visit) {
  struct TWalk {
    const std::function<bool(HWND)>& Visit;
    std::exception_ptr Error;
  } walk{Visit, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND Window, LPARAM Data) -> BOOL {
        auto& w = *reinterpret_cast<TWalk*>(Data);
        try {
          return w.Visit(Window) ? TRUE : FALSE;
        } catch (...) {
          w.Error = std::current_exception();
          return FALSE;
        }
      },
      reinterpret_cast<LPARAM>(&walk));
  if (walk.Error) std::rethrow_exception(walk.Error);
}

// ---- TWindowSubclass --------------------------------------------------------------------------

TWindowSubclass::~TWindowSubclass() { Detach(); }

bool TWindowSubclass::Attach(HWND Window) {
  Detach();
  if (!Window || !IsWindow(Window)) return false;
  if (!SetWindowSubclass(Window, SubclassProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
    return false;
  FWindow = Window;
  return true;
}

void TWindowSubclass::Detach() {
  if (HWND window = std::exchange(FWindow, nullptr)) RemoveWindowSubclass(window, SubclassProc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT TWindowSubclass::DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return FWindow ? DefSubclassProc(FWindow, Msg, WParam, LParam) : 0;
}

LRESULT CALLBACK TWindowSubclass::SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                               DWORD_PTR Data) {
  auto* self = reinterpret_cast<TWindowSubclass*>(Data);
  if (Msg == WM_NCDESTROY) {
    RemoveWindowSubclass(Window, SubclassProc, reinterpret_cast<UINT_PTR>(self));
    self->FWindow = nullptr;
    try {
      self->WindowDestroyed();
    } catch (...) {
      Application().HandleException(nullptr, std::current_exception());
    }
    return DefSubclassProc(Window, Msg, WParam, LParam);
  }
  try {
    return self->Handle(Msg, WParam, LParam);
  } catch (...) {
    Application().HandleException(nullptr, std::current_exception());
    return 0;
  }
}

}  // namespace lexoro
