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
//
// The notifications a child sends its parent window (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM, WM_MEASUREITEM) are handed back to the child's own object (its CN... handlers),
// which raises its events; a parent need not know its children's kinds. Children get control
// ids of their own; their windows stand in tab order (the z-order of the siblings).
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

// Text styles of a font.
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TEnumSet<TFontStyle, 4>;

// A colour: an RGB value (0x00BBGGRR) or, with clSystemColor set, a system colour index.
using TColor = std::uint32_t;
inline constexpr TColor clSystemColor = 0x80000000u;
inline constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
inline constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
inline constexpr TColor clHotLight = clSystemColor | COLOR_HOTLIGHT;
inline constexpr TColor clRed = 0x0000FFu;
[[nodiscard]] COLORREF ColorToRGB(TColor Color);

// Which edges of its parent a control keeps its distance to when the parent is resized.
enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TEnumSet<TAnchorKind, 4>;

// Keys held with a key or mouse event.
enum TShiftStateKind : std::uint8_t { ssShift, ssAlt, ssCtrl };
using TShiftState = TEnumSet<TShiftStateKind, 3>;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// The direction a control lays itself out in. A right-to-left form is mirrored: its controls
// are placed from its right edge and mirror themselves in turn.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft };

using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

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
  // The control id of a child window.
  int Id = 0;
};

// A font description and the GDI font made from it on demand. Assign copies the attributes of
// another font (never the other font's handle or change handler).
class TFont : public TObject {
 public:
  TFont() = default;
  [[nodiscard]] const std::u16string& Name() const { return FName; }
  void SetName(const std::u16string& Value);
  // Size in points (at the screen's resolution).
  [[nodiscard]] int Size() const { return FSize; }
  void SetSize(int Value);
  [[nodiscard]] TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  [[nodiscard]] bool Bold() const { return FStyle.Contains(fsBold); }
  void SetBold(bool Value);
  [[nodiscard]] TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The character set asked of the font mapper (DEFAULT_CHARSET: the system's choice).
  [[nodiscard]] std::uint8_t Charset() const { return FCharset; }
  void SetCharset(std::uint8_t Value);
  void Assign(const TFont& Source);
  // Takes the attributes of a LOGFONTW (a font the system describes).
  void AssignLogFont(const LOGFONTW& Font);
  friend bool operator==(const TFont& A, const TFont& B) {
    return A.FName == B.FName && A.FSize == B.FSize && A.FStyle == B.FStyle && A.FColor == B.FColor &&
           A.FCharset == B.FCharset;
  }
  // The GDI font; owned by this object and valid until the next change.
  [[nodiscard]] HFONT Handle();
  // Width and height of Text drawn in this font on one line ("&" marks an accelerator and takes
  // no room, "&&" is one ampersand); with WrapWidth > 0, of Text broken into lines at words to
  // fit that width.
  [[nodiscard]] SIZE TextExtent(const std::u16string& Text, int WrapWidth = 0);
  // Height of one line of text in this font.
  [[nodiscard]] int LineHeight();
  [[nodiscard]] const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Event) { FOnChange = std::move(Event); }

 private:
  void Changed();

  std::u16string FName = u"Tahoma";
  int FSize = 8;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  std::uint8_t FCharset = DEFAULT_CHARSET;
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

  // Edges of the parent the control follows when the parent is resized; the distances are
  // taken when the anchors are set.
  [[nodiscard]] TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);

 protected:
  // The parent's client area changed size.
  void ParentResized(int ClientWidth, int ClientHeight);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 100;
  int FHeight = 25;
  bool FVisible = true;
  bool FEnabled = true;
  std::u16string FText;
  std::intptr_t FHelpContext = 0;
  TAnchors FAnchors{akLeft, akTop};
  int FAnchorRight = 0;   // distance to the parent's right edge when the anchors were set
  int FAnchorBottom = 0;  // distance to its bottom edge

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
  // Visible and enabled, with every parent.
  [[nodiscard]] bool CanFocus() const;
  // The font; assigning to it (or any attribute) ends ParentFont.
  [[nodiscard]] TFont& Font() { return FFont; }
  // The control takes its parent's font and follows its changes (true by default; a form takes
  // the font of the form that owns it, or the system's message font).
  [[nodiscard]] bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  // A control follows its parent's direction (ParentBiDiMode, the default) or keeps its own:
  // a text box of the document's text inside a mirrored form stays left to right.
  [[nodiscard]] TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  [[nodiscard]] bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);

  // Place among the windowed children of the parent that Tab walks through; TabStop: Tab stops
  // here at all.
  [[nodiscard]] int TabOrder() const;
  void SetTabOrder(int Value);
  [[nodiscard]] bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);

  [[nodiscard]] int ControlCount() const { return static_cast<int>(FControls.size()); }
  [[nodiscard]] TControl* Controls(int Index) const { return FControls.at(static_cast<std::size_t>(Index)); }

  // Size of the client area (from the window, or from the bounds before there is one).
  [[nodiscard]] virtual int ClientWidth();
  [[nodiscard]] virtual int ClientHeight();
  // The control's rectangle on the screen.
  [[nodiscard]] RECT ScreenRect();

  // Width the caption needs in the control's font, with the room the control's own drawing
  // takes around it (0 for controls without a caption); compared with Width by layouts.
  [[nodiscard]] virtual int CaptionWidth() { return 0; }

  // Controls whose captions carry accelerators (labels, buttons, group boxes) answer true and
  // act on their letter in AcceleratorPressed.
  [[nodiscard]] virtual bool HasAccelerator() const { return false; }
  virtual void AcceleratorPressed() {}
  // Ctrl+Tab inside the control: a page control turns a page and answers true.
  virtual bool CtrlTabPressed(bool Backward) { return false; }

  // Sends a message to the window (created if needed).
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);

  // The control whose window this is, if any.
  [[nodiscard]] static TWinControl* FindControl(HWND Window);

  // Told after the window was created or destroyed (the live-spelling parts re-attach); any
  // number of listeners, each under a key of its own.
  [[nodiscard]] TNotifyList& OnHandleChanged() { return FOnHandleChanged; }

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;  // the control received the focus
  TNotifyEvent OnExit;   // the control lost the focus
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

 protected:
  // Notifications the child sent its parent, handed back to the child; true when handled.
  virtual bool CNCommand(WORD Code) { return false; }
  virtual bool CNNotify(NMHDR& Header, LRESULT& Result) { return false; }
  // The brush for the child's background (null: the system's default), colours set in DC.
  virtual HBRUSH CNCtlColor(HDC DC) { return nullptr; }
  virtual bool CNDrawItem(DRAWITEMSTRUCT& Item) { return false; }
  virtual bool CNMeasureItem(MEASUREITEMSTRUCT& Item) { return false; }
  // A windowed control inside this one received the focus (forms remember it).
  virtual void ChildFocused(TWinControl* Child);
  // The font changed (by the program or from the parent); the window has the new one.
  virtual void FontChanged();
  // ParentFont: the font to follow (null: none).
  [[nodiscard]] virtual TFont* ParentFontSource();
  // Puts the windows of the windowed children in tab order.
  void UpdateTabOrder();
  [[nodiscard]] static TShiftState KeyShiftState();

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
  void OwnFontChanged();
  // Takes the parent font again (ParentFont) and passes it on to the children that follow.
  void TakeParentFont();
  // Reflects a parent's notification to the child it came from; true when the child handled it.
  bool ReflectNotification(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);
  bool HandleKeyAndMouse(UINT Msg, WPARAM WParam, LPARAM LParam);

  HWND FParentWindow = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;  // not owned
  std::vector<TWinControl*> FTabList;  // the windowed children in tab order
  TFont FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FParentBiDiMode = true;
  bool FTabStop = false;
  TNotifyList FOnHandleChanged;

  friend class TControl;
  friend class TForm;
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
  int CaptionWidth() override { return 0; }

  // The text changed (typed by the user or set by the program).
  TNotifyEvent OnChange;
  TNotifyEvent OnDblClick;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  bool CNCommand(WORD Code) override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
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
  // Enter starts a new line (true) or goes to the form's default button.
  [[nodiscard]] bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

  bool FWordWrap = true;
  bool FWantReturns = true;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
};

// A rich-text editor (class TRichEdit over RICHEDIT50W, or RichEdit20W where that is missing).
class TRichEdit : public TMemo {
 public:
  explicit TRichEdit(TComponent* AOwner);
  // The system class this control superclasses.
  [[nodiscard]] static std::u16string SystemClassName();
  // Gives the characters Start to Start + Length the colour and styles (the rest of the text
  // keeps its own).
  void SetTextAttributes(int Start, int Length, TColor Color, TFontStyles Style);
  // The text's paragraphs read right to left (right-aligned) or left to right.
  void SetParagraphRightToLeft(bool Value);
  // The selection as character positions of the text the control holds.
  void SetSelection(int Start, int End);
  void GetSelection(int& Start, int& End);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
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
