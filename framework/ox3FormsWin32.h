// Top-level windows: forms with show, hide, activate and close handlers, a modal loop of the
// framework's own that ends when ModalResult is set, and deferred destruction (Release).
//
// Forms are dialogs to the keyboard in every message loop of the application: Tab and
// Shift+Tab walk the tab order, Enter clicks the default button (or the focused push button),
// Esc the cancel button, Alt+letter (or the letter alone where the focused control takes no
// characters) the control whose caption marks that letter, Ctrl+Tab turns the pages of the page
// control that holds the focus, and F1 asks for help on the focused control's help context.
// A form remembers its focused control and gives it the focus back when it is activated.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "lexoro/framework/ox3ControlsWin32.h"

namespace lexoro {

// Results of a modal form: the IDOK ... IDNO values.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

enum class TFormBorderStyle { bsSizeable, bsDialog, bsToolWindow };
// Where a form is placed when it is first shown.
enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poOwnerFormCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };

class TButton;

// A monitor's whole rectangle and its work area (without task bars), in screen coordinates.
struct TMonitorRects {
  RECT Monitor;
  RECT WorkArea;
};
// The monitor that holds most of Rect (the nearest when none does).
[[nodiscard]] TMonitorRects MonitorRectsOf(const RECT& Rect);
// The rectangle that spans every monitor.
[[nodiscard]] RECT DesktopRect();
// The mouse pointer's position on the screen.
[[nodiscard]] POINT CursorPos();

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Caption is the form's text.
  [[nodiscard]] std::u16string Caption() const { return Text(); }
  void SetCaption(const std::u16string& Value) { SetText(Value); }
  [[nodiscard]] TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  [[nodiscard]] TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  [[nodiscard]] TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);

  // The client area's size; setting it sizes the window around it.
  int ClientWidth() override;
  int ClientHeight() override;
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);

  // The control that has the focus while the form is active (given it back on activation).
  [[nodiscard]] TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // The buttons Enter and Esc click (the first visible one marked Default / Cancel).
  [[nodiscard]] TButton* DefaultButton();
  [[nodiscard]] TButton* CancelButton();
  // The button Enter clicks now: the focused push button, else the default button.
  [[nodiscard]] TButton* CurrentDefaultButton();
  // Gives the button Enter would click the default look, and takes it from the others.
  void UpdateDefaultButton();
  // The key handling of the forms, applied to a message of the loop (MSG*); true when handled.
  static bool IsDialogKeyMessage(void* NativeMessage);

  void Show();
  void Hide();
  void SetVisible(bool Value) override;
  // Shows the form and runs a message loop until ModalResult is set (or the application is
  // terminated: mrCancel); the application's other windows are disabled meanwhile.
  virtual TModalResult ShowModal();
  [[nodiscard]] bool Modal() const { return FModal; }
  [[nodiscard]] TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Modal: ModalResult := mrCancel. Otherwise OnCloseQuery, then OnClose decides (hide by
  // default, or free).
  void Close();
  [[nodiscard]] virtual bool CloseQuery();
  // Frees the form once the messages already queued for it have been handled. The form must
  // have been created with new.
  void Release();
  void BringToFront();

  [[nodiscard]] const std::u16string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::u16string& Value) { FHelpFile = Value; }
  // Help on the help context of Control or its nearest parent that has one (else the form's).
  bool ShowHelp(TWinControl* Control);
  // Runs Call from the message loop, after the messages already queued (for work that must not
  // run inside a control's notification); calls still waiting when the form goes are dropped.
  void PostCall(std::function<void()> Call);

  [[nodiscard]] const TNotifyEvent& OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent Event) { FOnShow = std::move(Event); }
  [[nodiscard]] const TNotifyEvent& OnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent Event) { FOnHide = std::move(Event); }
  [[nodiscard]] const TNotifyEvent& OnActivate() const { return FOnActivate; }
  void SetOnActivate(TNotifyEvent Event) { FOnActivate = std::move(Event); }
  [[nodiscard]] const TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(TNotifyEvent Event) { FOnDeactivate = std::move(Event); }
  [[nodiscard]] const TCloseEvent& OnClose() const { return FOnClose; }
  void SetOnClose(TCloseEvent Event) { FOnClose = std::move(Event); }
  [[nodiscard]] const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent Event) { FOnCloseQuery = std::move(Event); }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  void ChildFocused(TWinControl* Child) override;
  TFont* ParentFontSource() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The form that owns this one (its owner window), if any.
  [[nodiscard]] TForm* OwnerForm() const;

 private:
  // Places the form by Position before it is first shown.
  void ApplyPosition();
  // Alt+letter: the control whose caption marks Ch; true when one took it.
  bool DialogChar(char16_t Ch);
  // Ctrl+Tab: the innermost page control around the focus turns a page.
  bool CtrlTab(bool Backward);
  void FocusFirstControl();
  // Window size for a client size, by the window's styles.
  SIZE WindowSizeFor(int ClientWidth, int ClientHeight);

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TPosition FPosition = TPosition::poDesigned;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  bool FPositioned = false;
  bool FReleasePending = false;
  std::vector<std::function<void()>> FPostedCalls;
  // The client size asked for, made exact once the window exists (-1: none asked).
  int FWantedClientWidth = -1;
  int FWantedClientHeight = -1;
  TWinControl* FActiveControl = nullptr;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  std::u16string FHelpFile;
  TNotifyEvent FOnShow;
  TNotifyEvent FOnHide;
  TNotifyEvent FOnActivate;
  TNotifyEvent FOnDeactivate;
  TCloseEvent FOnClose;
  TCloseQueryEvent FOnCloseQuery;
};

}  // namespace lexoro
