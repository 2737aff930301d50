// Top-level windows: forms with show, hide, activate and close handlers, a modal loop of the
// framework's own that ends when ModalResult is set, and deferred destruction (Release).
#pragma once

#include <windows.h>

#include <functional>

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

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Caption is the form's text.
  [[nodiscard]] std::u16string Caption() const { return Text(); }
  void SetCaption(const std::u16string& Value) { SetText(Value); }
  [[nodiscard]] TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);

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
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();

 private:
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
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
