// What the spell component sees of the controller a dialog form carries (the dialogs'
// TConfigurationDialogCtrl): the component links itself to it when it opens the dialog, hands
// it the custom dictionary a dictionary dialog edits, and tells it each word to prompt.
#pragma once

#include "lexoro/engine/ox3SpellTypes.h"
#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

class TCustomDictionary;
class TLexoroSpellBase;

class TCustomConfigurationDialogCtrl : public TComponent {
 public:
  using TComponent::TComponent;

  virtual void LinkComponent(TLexoroSpellBase* Component) = 0;
  virtual void SetCustomDictionary(TCustomDictionary* Dictionary) = 0;

  // Each word of an interactive check that needs the user (Sender: the component).
  TWordPromptEvent OnPromptWord;
};

}  // namespace lexoro
