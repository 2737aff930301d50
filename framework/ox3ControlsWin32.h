// Windowed controls over Win32: the control base with its parent and bounds, the windowed
// control whose window is created on demand and may be re-created, fonts, the edit, memo and
// rich-edit controls, a hidden utility window for timers and other callbacks, and a helper
// that subclasses a window it does not own.
//
// Each control class has a window class of its own name (TEdit, TMemo, TRichEdit, TForm, ...)
// that superclasses the system's class, so that the control's C++ object sees every message of
// its window from WM_NCCREATE on. The object is bound to its window through a table of the GUI
// thread and detached at WM_NCDESTROY; every window procedure is an exception firewall that hands what
// it catches to Application().HandleException and answers 0.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "lexoro/framework/ox3Application.h"
#include "lexoro/framework/ox3Classes.h"
#include "lexoro/framework/ox3GdiWin32.h"

namespace lexoro {

// A request the object's state does not allow (e.g. a child control without a parent window).
class EInvalidOperation : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// A window could not be created.
class EWindowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TWinControl;

// What CreateWindowHandle needs to create the window.
struct TCreateParams {
  std::u16string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // The class registered for the control, and the system class it superclasses (empty: a
  // class of its own whose default handling is DefWindowProcW).
  std::u16string WinClassName;
  std::u16string BaseClassName;
  UINT ClassStyle = CS_DBLCLKS;
};

// A font description and the GDI font made from it on demand.
class TFont : public TObject {
 public:
  TFont() = default;
  [[nodiscard]] const std::u16string& Name() const { return FName; }
  void SetName(const std::u16string& Value);
  // Size in points (at the screen's resolution).
  [[nodiscard]] int Size() const { return FSize; }
  void SetSize(int Value);
  [[nodiscard]] bool Bold() const { return FBold; }
  void SetBold(bool Value);
  void Assign(const TFont& Source);
  // The GDI font; owned by this object and valid until the next change.
  [[nodiscard]] HFONT Handle();
  [[nodiscard]] const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Event) { FOnChange = std::move(Event); }

 private:
  void Changed();

  std::u16string FName = u"Tahoma";
  int FSize = 8;
  bool FBold = false;
  win32::TFontHandle FHandle;
  TNotifyEvent FOnChange;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  [[nodiscard]] TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  [[nodiscard]] int Left() const { return FLeft; }
  [[nodiscard]] int Top() const { return FTop; }
  [[nodiscard]] int Width() const { return FWidth; }
  [[nodiscard]] int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  [[nodiscard]] virtual bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  [[nodiscard]] bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // The control's text (the caption of a form, the contents of an edit).
  [[nodiscard]] virtual std::u16string Text() const { return FText; }
  virtual void SetText(const std::u16string& Value) { FText = Value; }

  [[nodiscard]] std::intptr_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(std::intptr_t Value) { FHelpContext = Value; }

 protected:
  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 100;
  int FHeight = 25;
  bool FVisible = true;
  bool FEnabled = true;
  std::u16string FText;
  std::intptr_t FHelpContext = 0;

 private:
  friend class TWinControl;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created (with the parent's) when there is none yet.
  [[nodiscard]] HWND Handle();
  [[nodiscard]] bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { (void)Handle(); }
  // The window that parents this control's window when it has no parent control.
  [[nodiscard]] HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  // Destroys the window and creates it again with the current properties (text kept).
  void RecreateWnd();

  void SetParent(TWinControl* AParent) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  [[nodiscard]] bool Visible() const override;
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  [[nodiscard]] std::u16string Text() const override;
  void SetText(const std::u16string& Value) override;

  void SetFocus();
  [[nodiscard]] bool Focused() const;
  [[nodiscard]] TFont& Font() { return FFont; }

  [[nodiscard]] int ControlCount() const { return static_cast<int>(FControls.size()); }
  [[nodiscard]] TControl* Controls(int Index) const { return FControls.at(static_cast<std::size_t>(Index)); }

  // Sends a message to the window (created if needed).
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);

  // The control whose window this is, if any.
  [[nodiscard]] static TWinControl* FindControl(HWND Window);

  // Told after the window was created or destroyed (the live-spelling parts re-attach).
  [[nodiscard]] const TNotifyEvent& OnHandleChanged() const { return FOnHandleChanged; }
  void SetOnHandleChanged(TNotifyEvent Event) { FOnHandleChanged = std::move(Event); }

 protected:
  virtual void CreateParams(TCreateParams& Params);
  // Creates the window (if there is none) and the windows of the children.
  virtual void CreateHandle();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  // Sets the window up after creation: font, limits, styles the window does not take at birth.
  virtual void InitializeWindow();
  // Saves what must survive the window (the text), then destroys it.
  virtual void DestroyHandle();
  // The message handler; overrides call the inherited one for what they do not handle.
  virtual LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
  // The window class's own handling.
  LRESULT DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam);
  // For destructors: lets go of the window, then destroys it, so that none of its last
  // messages reaches the object.
  void ReleaseWindow();

  HWND FHandle = nullptr;

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Bind(HWND Window);
  void Unbind();
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  void UpdateBoundsFromWindow();
  void FontChanged();

  HWND FParentWindow = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;  // not owned
  TFont FFont;
  bool FDestroyingHandle = false;
  TNotifyEvent FOnHandleChanged;

  friend class TControl;
};

// The common part of the edit, memo and rich-edit controls.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

  [[nodiscard]] bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // 0: as much as the control can hold.
  [[nodiscard]] int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  [[nodiscard]] bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);

  [[nodiscard]] int SelStart();
  void SetSelStart(int Value);
  [[nodiscard]] int SelLength();
  void SetSelLength(int Value);
  [[nodiscard]] std::u16string SelText();
  void SetSelText(const std::u16string& Value);
  void SelectAll();
  void Clear() { SetText(std::u16string()); }
  [[nodiscard]] bool Modified();
  void SetModified(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  virtual void ApplyMaxLength();
  void GetSel(DWORD& Start, DWORD& End);

  bool FReadOnly = false;
  int FMaxLength = 0;
  bool FHideSelection = true;
};

// A single-line edit box (class TEdit over EDIT).
class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit (class TMemo over EDIT).
class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  [[nodiscard]] bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  [[nodiscard]] TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  [[nodiscard]] int LineCount() { return static_cast<int>(Perform(EM_GETLINECOUNT, 0, 0)); }

 protected:
  void CreateParams(TCreateParams& Params) override;

  bool FWordWrap = true;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
};

// A rich-text editor (class TRichEdit over RICHEDIT50W, or RichEdit20W where that is missing).
class TRichEdit : public TMemo {
 public:
  explicit TRichEdit(TComponent* AOwner);
  // The system class this control superclasses.
  [[nodiscard]] static std::u16string SystemClassName();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void ApplyMaxLength() override;
};

// A hidden message-only window whose messages go to a function (timers, posted callbacks).
// The handler runs behind an exception firewall; unhandled messages go to DefWindowProcW.
class TUtilityWindow {
 public:
  using THandler = std::function<bool(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result)>;
  explicit TUtilityWindow(THandler Handler);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;
  [[nodiscard]] HWND Handle() const { return FHandle; }

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  THandler FHandler;
  HWND FHandle = nullptr;
};

// Calls Visit for each top-level window of the calling thread until it answers false. An
// exception thrown by Visit ends the walk and is rethrown here, after the system's enumeration
// has returned (it never crosses the system's code).
void ForEachThreadWindow(const std::function<bool(HWND Window)>& Visit);

// Subclasses a window this object does not own: its messages reach Handle first. Safe with other
// subclasses stacked before or after it. The subclass is removed by Detach, by the destructor,
// and when the window is destroyed (at WM_NCDESTROY, after which Window() is null).
class TWindowSubclass {
 public:
  TWindowSubclass() = default;
  virtual ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // False when Window is no window or the subclass could not be installed.
  bool Attach(HWND Window);
  void Detach();
  [[nodiscard]] HWND Window() const { return FWindow; }

 protected:
  // The subclass's handler; call DefaultHandler for what it passes on.
  virtual LRESULT Handle(UINT Msg, WPARAM WParam, LPARAM LParam) { return DefaultHandler(Msg, WParam, LParam); }
  LRESULT DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Told when the window went away under the subclass.
  virtual void WindowDestroyed() {}

 private:
  static LRESULT CALLBACK SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id, DWORD_PTR Data);
  HWND FWindow = nullptr;
};

}  // namespace lexoro
