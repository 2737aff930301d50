// What every dialog form of the spell components shares: its DialogControl controller, the
// direction of its interface language (a right-to-left language mirrors the form), and the
// helpers with which the forms build and measure their controls; and what the two spell dialogs
// share: their common controls, commands and activation.
#pragma once

#include <initializer_list>
#include <string>

#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "lexoro/languages/ox3SpellLanguages.h"

namespace lexoro {

// True for the interface languages written from right to left (Hebrew).
[[nodiscard]] bool IsRightToLeftLanguage(TSpellLanguageType Language);

class TLexoroDialogForm : public TForm {
 public:
  explicit TLexoroDialogForm(TComponent* AOwner);
  [[nodiscard]] TConfigurationDialogCtrl& DialogControl() const { return *FDialogControl; }

 protected:
  // A control owned by the form, named, placed in Parent at the next tab position.
  template <typename T>
  T* Make(TWinControl* Parent, const char16_t* Name) {
    auto* control = new T(this);
    control->SetName(Name);
    control->SetParent(Parent);
    return control;
  }
  // A label for Control (its accelerator gives Control the focus).
  TLabel* MakeLabel(TWinControl* Parent, const char16_t* Name, TWinControl* Control);
  // The widest caption of Controls (in their fonts), and at least Minimum.
  [[nodiscard]] static int CaptionWidthOf(std::initializer_list<TWinControl*> Controls, int Minimum);
  // Mirrors the form for a right-to-left interface language of the linked component.
  void ApplyLanguageDirection();

 private:
  TConfigurationDialogCtrl* FDialogControl;
};

// The part both spell dialogs share (TSpellDialog and TSpellDialogV4). The forms create the
// controls, each in its own tab order.
class TCustomSpellDialog : public TLexoroDialogForm {
 public:
  TLabel* NotFoundText = nullptr;
  TLabel* SuggestionsText = nullptr;
  TListBox* SuggestionsListbox = nullptr;
  TButton* IgnoreButton = nullptr;
  TButton* IgnoreAllButton = nullptr;
  TButton* ChangeButton = nullptr;
  TButton* ChangeAllButton = nullptr;
  TButton* AddButton = nullptr;
  TButton* AutoCorrectButton = nullptr;
  TButton* HelpButton = nullptr;
  TButton* UndoButton = nullptr;
  TButton* CancelButton = nullptr;
  TButton* OptionsButton = nullptr;

  [[nodiscard]] bool RepeatedMode() const { return FRepeatedMode; }
  [[nodiscard]] bool Deactivated() const { return FDeactivated; }
  // Enables the commands for an active dialog (or disables them all).
  virtual void SetButtonsEnabled(bool Active) = 0;

 protected:
  // Hands the controller's notifications to the two handlers below.
  explicit TCustomSpellDialog(TComponent* AOwner);
  virtual void DialogControlConfigurationAvailable(TObject* Sender) = 0;
  virtual void DialogControlPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated) = 0;
  // Once the form has made its controls: Enter changes, Esc cancels, the client area starts at
  // its smallest size, and the buttons whose click is the same in both styles are wired.
  void ControlsMade(int MinClientWidth, int MinClientHeight);
  // The component is there: the state starts over and the captions both styles share are set.
  void BeginConfiguration();
  // Which commands show (Undo takes the place of Options when that is hidden), and the commands
  // enabled as the component's command set has them.
  void ApplyCommandVisibility();
  void Activate() override;
  void Deactivate() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  [[nodiscard]] bool Enabled(TSpellDialogCommand Command) const { return DialogControl().CommandEnabled(Command); }
  [[nodiscard]] bool CustomDictionaryPresent() const { return DialogControl().ActiveCustomDictionary() != nullptr; }

  bool FRepeatedMode = false;
  bool FDeactivated = false;
  // The list holds suggestions (not the line saying there are none).
  bool FHasSuggestions = false;
};

}  // namespace lexoro
