#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"

#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/framework/ox3Application.h"

namespace lexoro {

TConfigurationDialogCtrl::TConfigurationDialogCtrl(TComponent* AOwner) : TCustomConfigurationDialogCtrl(AOwner) {}

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

const TStringList* TConfigurationDialogCtrl::MSWordCustomDictionaryFiles() const {
  return FComponent ? &FComponent->MSWordCustomDictionaryFiles() : nullptr;
}

const TStringList* TConfigurationDialogCtrl::CustomDictionaryFiles() const {
  return FComponent ? &FComponent->CustomDictionaryFiles() : nullptr;
}

const TStringList* TConfigurationDialogCtrl::MainDictionaryFiles() const {
  return FComponent ? &FComponent->MainDictionaryFiles() : nullptr;
}

bool TConfigurationDialogCtrl::UseExcludeWords() const { return FComponent ? FComponent->UseExcludeWords() : true; }
bool TConfigurationDialogCtrl::CanUndo() const { return FComponent && FComponent->CanUndo(); }

TCustomDictionary* TConfigurationDialogCtrl::InternalDictionary() const {
  return FComponent ? &FComponent->InternalDictionary() : nullptr;
}

TCustomDictionary* TConfigurationDialogCtrl::ActiveCustomDictionary() const {
  return FComponent ? FComponent->ActiveCustomDictionary() : nullptr;
}

TSpellDialogCommands TConfigurationDialogCtrl::CommandsVisible() const {
  return FComponent ? FComponent->CommandsVisible() : TSpellDialogCommands();
}

TSpellDialogCommands TConfigurationDialogCtrl::CommandsEnabled() const {
  return FComponent ? FComponent->CommandsEnabled() : TSpellDialogCommands();
}

THelpContext TConfigurationDialogCtrl::HelpCtxSpellDialog() const {
  return FComponent ? FComponent->HelpCtxSpellDialog() : 0;
}
THelpContext TConfigurationDialogCtrl::HelpCtxConfigDialog() const {
  return FComponent ? FComponent->HelpCtxConfigDialog() : 0;
}
THelpContext TConfigurationDialogCtrl::HelpCtxDictionariesDialog() const {
  return FComponent ? FComponent->HelpCtxDictionariesDialog() : 0;
}
THelpContext TConfigurationDialogCtrl::HelpCtxDictionaryEditDialog() const {
  return FComponent ? FComponent->HelpCtxDictionaryEditDialog() : 0;
}

std::unique_ptr<TMainDictionary> TConfigurationDialogCtrl::OpenMainDictionary(const std::u16string& File) const {
  return FComponent ? FComponent->OpenMainDictionary(File) : nullptr;
}

std::unique_ptr<TCustomDictionary> TConfigurationDialogCtrl::OpenCustomDictionary(const std::u16string& File) const {
  return FComponent ? FComponent->OpenCustomDictionary(File) : nullptr;
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

TSpellLanguageType TConfigurationDialogCtrl::UILanguage() const {
  return FComponent ? FComponent->UILanguage() : TSpellLanguageType::ltEnglish;
}

void TConfigurationDialogCtrl::ShowConfigDialog() {
  if (FComponent) FComponent->ShowConfigDialog(this);
}

void TConfigurationDialogCtrl::ShowCustomDictionariesDialog() {
  if (FComponent) FComponent->ShowCustomDictionariesDialog(this);
}

void TConfigurationDialogCtrl::ShowEditCustomDictionaryDialog(TCustomDictionary* Dictionary) {
  if (FComponent) FComponent->ShowEditCustomDictionaryDialog(this, Dictionary);
}

void TConfigurationDialogCtrl::ShowAddDictionaryDir() {
  if (FComponent) FComponent->ShowAddDictionaryDir(this);
}

void TConfigurationDialogCtrl::SetCustomDictionaryActive(const std::u16string& File, bool Active) {
  if (FComponent) FComponent->SetCustomDictionaryActive(File, Active);
}

void TConfigurationDialogCtrl::SetMSWordDictionaryActive(const std::u16string& File, bool Active) {
  if (FComponent) FComponent->SetMSWordDictionaryActive(File, Active);
}

void TConfigurationDialogCtrl::DeleteCustomDictionary(const std::u16string& File, bool Confirm) {
  if (FComponent) (void)FComponent->DeleteCustomDictionary(File, Confirm);
}

void TConfigurationDialogCtrl::NewCustomDictionary(const std::u16string& Name) {
  if (FComponent) FComponent->NewCustomDictionary(Name);
}

bool TConfigurationDialogCtrl::RenameCustomDictionary(const std::u16string& OldName, const std::u16string& NewName) {
  return FComponent && FComponent->RenameCustomDictionary(OldName, NewName);
}

void TConfigurationDialogCtrl::DialogIgnore() {
  if (FComponent) FComponent->DialogIgnore();
}
void TConfigurationDialogCtrl::DialogIgnoreAll() {
  if (FComponent) FComponent->DialogIgnoreAll();
}
void TConfigurationDialogCtrl::DialogChange(const std::u16string& Word) {
  if (FComponent) FComponent->DialogChange(Word);
}
void TConfigurationDialogCtrl::DialogChangeLine(const std::u16string& Line) {
  if (FComponent) FComponent->DialogChangeLine(Line);
}
void TConfigurationDialogCtrl::DialogChangeAll(const std::u16string& Word) {
  if (FComponent) FComponent->DialogChangeAll(Word);
}
void TConfigurationDialogCtrl::DialogAdd() {
  if (FComponent) FComponent->DialogAdd();
}
void TConfigurationDialogCtrl::DialogAutoCorrect(const std::u16string& Word) {
  if (FComponent) FComponent->DialogAutoCorrect(Word);
}
void TConfigurationDialogCtrl::DialogUndo() {
  if (FComponent) FComponent->DialogUndo();
}
void TConfigurationDialogCtrl::DialogIgnoreRepeated() {
  if (FComponent) FComponent->DialogIgnoreRepeated();
}
void TConfigurationDialogCtrl::DialogChangeRepeated() {
  if (FComponent) FComponent->DialogChangeRepeated();
}
void TConfigurationDialogCtrl::DialogCancel() {
  if (FComponent) FComponent->DialogCancel();
}

void TConfigurationDialogCtrl::GetSuggestions(const std::u16string& Word, TStringList& List) {
  if (FComponent) FComponent->GetSuggestions(Word, List);
}

void TConfigurationDialogCtrl::ShowHelp(THelpContext Context) {
  if (FComponent) Application().HelpContext(static_cast<std::uint32_t>(Context), FComponent->HelpFile());
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
