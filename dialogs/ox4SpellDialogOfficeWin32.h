// TSpellDialogV4 (form SpellDialogV4): the office-style spell dialog. The line around the word
// stands in a rich edit with the word coloured and styled; the user picks a suggestion, or edits
// the word (edit state 1: Change sends the new word) or the line around it (edit state 2:
// Change sends the whole line) in place. Editing the line back as it was returns to word mode.
// Like the classic dialog it talks to the spell component only through its DialogControl and
// serves modal and modeless checks.
//
// Laid out for its captions, never smaller than 387 x 266.
#pragma once

#include <string>

#include "lexoro/dialogs/ox3DialogFormWin32.h"

namespace lexoro {

class TSpellDialogV4 : public TCustomSpellDialog {
 public:
  explicit TSpellDialogV4(TComponent* AOwner);

  TRichEdit* NotFoundRichEdit;

  [[nodiscard]] bool WordMode() const { return FWordMode; }
  // 0: unchanged, 1: only the word edited, 2: text around the word edited.
  [[nodiscard]] int EditState() const { return FEditState; }
  [[nodiscard]] const std::u16string& EditedText() const { return FEditedText; }
  [[nodiscard]] const std::u16string& ContextLine() const { return FContextLine; }
  void SetButtonsEnabled(bool Active) override;
  // Shows the current line with the word marked, in word mode.
  void ShowContext();

 protected:
  void DialogControlConfigurationAvailable(TObject* Sender) override;
  void DialogControlPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated) override;
  void NotFoundRichEditChange(TObject* Sender);
  void SetWordMode(bool On);
  void ChangeButtonClick();

 private:
  void Arrange();
  // The selected suggestion in word mode, if there is one.
  [[nodiscard]] bool SelectedSuggestion(std::u16string& Suggestion) const;
  // Gives Button the focus now, or when the form is next activated.
  void FocusButton(TButton* Button);

  std::u16string FWord;
  std::u16string FContextLine;
  std::u16string FPrefix;
  std::u16string FSuffix;
  std::u16string FEditedText;
  int FEditState = 0;
  bool FWordMode = true;
  bool FUpdating = false;
};

}  // namespace lexoro
