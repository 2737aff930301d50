// TSpellDialog (form SpellDialog): the classic spell dialog. The word that was not accepted
// stands in a read-only edit, the replacement in an edit below it, the suggestions in a list,
// and ten buttons take the user's decision, which goes to the spell component through the
// form's DialogControl; the component answers by prompting the next word. The same form serves
// modal and modeless checks.
//
// The form is laid out for its captions: the columns are as wide as the widest caption of the
// interface language needs (and the client area never smaller than 432 x 167).
#pragma once

#include <string>

#include "lexoro/dialogs/ox3DialogFormWin32.h"

namespace lexoro {

class TSpellDialog : public TLexoroDialogForm {
 public:
  explicit TSpellDialog(TComponent* AOwner);

  TLabel* NotFoundText;
  TEdit* NotFoundEdit;
  TLabel* ReplaceWithText;
  TEdit* ReplaceWithEdit;
  TLabel* SuggestionsText;
  TListBox* SuggestionsListbox;
  TButton* IgnoreButton;
  TButton* IgnoreAllButton;
  TButton* ChangeButton;
  TButton* ChangeAllButton;
  TButton* AddButton;
  TButton* AutoCorrectButton;
  TButton* HelpButton;
  TButton* UndoButton;
  TButton* CancelButton;
  TButton* OptionsButton;

  [[nodiscard]] bool RepeatedMode() const { return FRepeatedMode; }
  [[nodiscard]] bool Deactivated() const { return FDeactivated; }
  // Enables the commands for an active dialog (or disables them all).
  void SetButtonsEnabled(bool Active);

 protected:
  void DialogControlConfigurationAvailable(TObject* Sender);
  void DialogControlPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated);
  void ReplaceWithEditChange(TObject* Sender);
  void Activate() override;
  void Deactivate() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

 private:
  // Positions and sizes for the captions of the interface language.
  void Arrange();
  [[nodiscard]] bool Enabled(TSpellDialogCommand Command) const { return DialogControl().CommandEnabled(Command); }
  [[nodiscard]] bool CustomDictionaryPresent() const { return DialogControl().ActiveCustomDictionary() != nullptr; }

  bool FRepeatedMode = false;
  bool FDeactivated = false;
  // The list holds suggestions (not the "no suggestions" line).
  bool FHasSuggestions = false;
};

}  // namespace lexoro
