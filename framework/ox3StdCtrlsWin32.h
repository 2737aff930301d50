// The standard controls over Win32: labels (and link labels), push buttons, check boxes, radio
// buttons, group boxes, panels, list boxes and combo boxes. Each is a thin layer over its
// Windows control (a group box and a panel are drawn by the framework); their notifications
// come back from the parent window as events of the control's own object.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lexoro/framework/ox3Classes.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"

namespace lexoro {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The form a control sits on (its nearest parent that is a form), if any.
[[nodiscard]] TForm* GetParentForm(TControl* Control);

// A text on the form (class TLabel over STATIC). Its caption's accelerator gives the focus to
// FocusControl (or to the next control in tab order). With AutoSize the label takes the size of
// its text: the width of one line, or with WordWrap the height of the text at its width.
class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* AOwner);

  [[nodiscard]] std::u16string Caption() const { return Text(); }
  void SetCaption(const std::u16string& Value);
  void SetText(const std::u16string& Value) override { SetCaption(Value); }
  [[nodiscard]] TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  [[nodiscard]] bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  [[nodiscard]] bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  [[nodiscard]] TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  int CaptionWidth() override;
  [[nodiscard]] bool HasAccelerator() const override { return true; }
  void AcceleratorPressed() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void FontChanged() override;
  bool CNCommand(WORD Code) override;
  HBRUSH CNCtlColor(HDC DC) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustSize();

 private:
  TWinControl* FFocusControl = nullptr;
  bool FAutoSize = true;
  bool FWordWrap = false;
  TAlignment FAlignment = TAlignment::taLeftJustify;
};

// A label that opens something when clicked: drawn in the hot-light colour, with the hand
// pointer over it.
class TLinkLabel : public TLabel {
 public:
  explicit TLinkLabel(TComponent* AOwner);
  void AcceleratorPressed() override;

 protected:
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
};

// The common part of push buttons, check boxes and radio buttons (over BUTTON).
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  [[nodiscard]] std::u16string Caption() const { return Text(); }
  void SetCaption(const std::u16string& Value) { SetText(Value); }
  // What a click does: OnClick (push buttons also end their modal form).
  virtual void Click();
  [[nodiscard]] bool HasAccelerator() const override { return true; }

  TNotifyEvent OnClick;

 protected:
  bool CNCommand(WORD Code) override;
  HBRUSH CNCtlColor(HDC DC) override;
};

// A push button (class TButton). Default: Enter clicks it when no other push button has the
// focus; Cancel: Esc clicks it; ModalResult: clicking it ends the modal loop of its form with
// that result.
class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);
  [[nodiscard]] bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  [[nodiscard]] bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  [[nodiscard]] int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  void Click() override;
  // Shows the button as the one Enter clicks (or not).
  void SetDefaultLook(bool Value);

  int CaptionWidth() override;
  void AcceleratorPressed() override;

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};

// A check box (class TCheckBox over an automatic check box). Setting Checked does not raise
// OnClick; the user's clicks (and the accelerator) do.
class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* AOwner);
  [[nodiscard]] bool Checked() const;
  void SetChecked(bool Value);

  int CaptionWidth() override;
  void AcceleratorPressed() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  [[nodiscard]] virtual DWORD ButtonStyle() const { return BS_AUTOCHECKBOX; }

 private:
  bool FChecked = false;
};

// A radio button (class TRadioButton): one of the radio buttons of a parent is checked.
class TRadioButton : public TCheckBox {
 public:
  explicit TRadioButton(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
  [[nodiscard]] DWORD ButtonStyle() const override { return BS_AUTORADIOBUTTON; }
};

// A frame with a caption around other controls (class TGroupBox, drawn by the framework). Its
// accelerator gives the focus to the first control inside it.
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* AOwner);
  [[nodiscard]] std::u16string Caption() const { return Text(); }
  void SetCaption(const std::u16string& Value);

  int CaptionWidth() override;
  [[nodiscard]] bool HasAccelerator() const override { return true; }
  void AcceleratorPressed() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A plain container (class TPanel, drawn by the framework), with an optional outer bevel.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* AOwner);
  [[nodiscard]] TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

 private:
  TBevelCut FBevelOuter = TBevelCut::bvNone;
};

// The common part of list boxes and combo boxes: a list of texts, each with a value of the
// program's, kept by the object (so a window re-created or not yet created loses nothing), and
// one selected item. Setting ItemIndex raises nothing.
class TCustomListControl : public TWinControl {
 public:
  [[nodiscard]] const TStringList& Items() const { return FItems; }
  void SetItems(const TStringList& Value);
  int AddItem(const std::u16string& Item, std::intptr_t Data = 0);
  void DeleteItem(int Index);
  void Clear();
  [[nodiscard]] int Count() const { return FItems.Count(); }
  [[nodiscard]] std::intptr_t ItemData(int Index) const;
  // -1: nothing selected.
  [[nodiscard]] int ItemIndex() const;
  void SetItemIndex(int Value);

 protected:
  // The window messages of the kind of list.
  struct TListMessages {
    UINT Add, Delete, Reset, GetSelection, SetSelection, SetData;
  };
  TCustomListControl(TComponent* AOwner, const TListMessages& Messages);
  void InitializeWindow() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

 private:
  void AddToWindow(int Index);

  TListMessages FMessages;
  TStringList FItems;
  std::vector<std::intptr_t> FItemData;
  int FItemIndex = -1;
};

// A list of texts to pick one from (class TListBox over LISTBOX). OnClick: the user changed the
// selection.
class TListBox : public TCustomListControl {
 public:
  explicit TListBox(TComponent* AOwner);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void CreateParams(TCreateParams& Params) override;
  bool CNCommand(WORD Code) override;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list (class TComboBox over COMBOBOX): an edit with a list (csDropDown) or a list
// only (csDropDownList). OnChange: the user picked an item or edited the text; setting Text
// raises nothing. Height is the height of the closed box; the list drops DropDownCount items.
class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  [[nodiscard]] TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  [[nodiscard]] int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  bool CNCommand(WORD Code) override;

 private:
  [[nodiscard]] int DroppedHeight() const;

  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FDropDownCount = 8;
};

}  // namespace lexoro
