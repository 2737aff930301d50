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

class TSpellDialog : public TCustomSpellDialog {
 public:
  explicit TSpellDialog(TComponent* AOwner);

  TEdit* NotFoundEdit;
  TLabel* ReplaceWithText;
  TEdit* ReplaceWithEdit;

  void SetButtonsEnabled(bool Active) override;

 protected:
  void DialogControlConfigurationAvailable(TObject* Sender) override;
  void DialogControlPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated) override;
  void ReplaceWithEditChange(TObject* Sender);

 private:
  // Positions and sizes for the captions of the interface language.
  void Arrange();
};

}  // namespace lexoro
