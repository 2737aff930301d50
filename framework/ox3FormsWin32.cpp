#include "lexoro/framework/ox3FormsWin32.h"

#include <vector>

namespace lexoro {

namespace {

// Posted to a form by Release; the form frees itself when it arrives.
constexpr UINT kReleaseMessage = WM_APP + 0x3F00;

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

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  FVisible = false;
  FWidth = 400;
  FHeight = 300;
  FLeft = 100;
  FTop = 100;
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
  Params.WndParent = ParentWindow();
}

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::SetVisible(bool Value) {
  FVisible = Value;
  if (Value) ShowWindow(Handle(), SW_SHOWNORMAL);
  else if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
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
  struct TModalGuard {
    TForm& Form;
    ~TModalGuard() { Form.FModal = false; }
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
      delete this;
      return 0;
    case WM_SHOWWINDOW:
      if (WParam) DoShow();
      else DoHide();
      break;
    case WM_ACTIVATE:
      if (LOWORD(WParam) == WA_INACTIVE) Deactivate();
      else Activate();
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_HELP:
      if (HelpContext() != 0) {
        Application().HelpContext(static_cast<std::uint32_t>(HelpContext()), FHelpFile);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return TWinControl::WndProc(Msg, WParam, LParam);
}

}  // namespace lexoro
