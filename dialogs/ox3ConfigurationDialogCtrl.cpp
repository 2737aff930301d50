#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"

#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/engine/ox3SpellBase.h"

namespace lexoro {

TConfigurationDialogCtrl::TConfigurationDialogCtrl(TComponent* AOwner) : TComponent(AOwner) {}

TConfigurationDialogCtrl::~TConfigurationDialogCtrl() {
  if (FComponent) FComponent->RemoveFreeNotification(this);
}

void TConfigurationDialogCtrl::LinkComponent(TLexoroSpellBase* Component) {
  if (FComponent || !Component) return;
  FComponent = Component;
  // A component freed while its dialog lives must not leave the controller pointing at it.
  FComponent->FreeNotification(this);
  FConfiguration = &Component->Config();
  FAvailableOptions = Component->ConfigAvailableOptions();
  if (OnConfigurationAvailable) OnConfigurationAvailable(this);
}

void TConfigurationDialogCtrl::SetCustomDictionary(TCustomDictionary* Dictionary) {
  FCustomDictionary = Dictionary;
  if (Dictionary && OnCustomDictionaryAvailable) OnCustomDictionaryAvailable(this);
}

std::u16string TConfigurationDialogCtrl::GetString(TSpellLanguageString Id) const {
  return FComponent ? FComponent->GetString(Id) : std::u16string();
}

std::u16string TConfigurationDialogCtrl::GetOptionCaption(TSpellOption Option) const {
  if (!FComponent) return {};
  switch (Option) {
    case soUser1: return FComponent->ConfigUserOption1();
    case soUser2: return FComponent->ConfigUserOption2();
    case soUser3: return FComponent->ConfigUserOption3();
    case soUser4: return FComponent->ConfigUserOption4();
    default: return FComponent->GetString(static_cast<TSpellLanguageString>(Option));
  }
}

std::u16string TConfigurationDialogCtrl::Version() const { return kLexoroSpellVersion; }

void TConfigurationDialogCtrl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FComponent) {
    FComponent = nullptr;
    FConfiguration = nullptr;
    FCustomDictionary = nullptr;
  }
}

}  // namespace lexoro
