// TLexoroSpellBase: construction, properties, events, and the plumbing of dialogs, checks and
// the context menu that derived components build on.
#include "lexoro/engine/ox3SpellBase.h"

#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/parsing/ox3StringParser.h"

namespace lexoro {

TLexoroSpellBase::TLexoroSpellBase(TComponent* AOwner)
    : TComponent(AOwner),
      FConfigID(u"%UserName%"),
      FConfigFilename(u"%AppDir%\\Spell.cfg"),
      FConfigRegistryKey(u"Software\\Veltrane Software\\%AppName%"),
      FConfigAvailableOptions(TSpellOptions::FromValue(kAvailableSpellOptions)),
      FConfigDefaultActiveCustom(u"%ConfigID%.oxu"),
      FConfigDefaultOptions(TSpellOptions::FromValue(kDefaultSpellOptions)),
      FSuggestionsLearningDict(u"%AppDir%\\%UserName%_sp.oxl"),
      FQuoteChars(u">"),
      FCommandsVisible(TSpellDialogCommands::FromValue(kDefaultSpellDialogCommands)),
      FCommandsEnabled(TSpellDialogCommands::FromValue(kDefaultSpellDialogCommands)) {
  FConfigDictionaryDir.Add(u"%AppDir%");
  FConfigDefaultMain.Add(u"American.oxm");
  FConfigDefaultCustom.Add(u"Autocorrect.oxu");
  FConfigDefaultActiveCustomPrevent.Add(u"autocorrect.oxu");
  FConfigDefaultActiveCustomPrevent.Add(u"autocorrect-british.oxu");
  FConfigDictionaryDir.SetOnChange([this](TObject* Sender) { DictionaryDirChanged(Sender); });
  FSearchFolders.Assign(FConfigDictionaryDir);

  FParsingEngine = std::make_unique<TMainParsingEngine>();
  FSuggestionsGenerator = std::make_unique<TSuggestionsGenerator>();
  FPhoneticsMap = std::make_unique<TPhoneticsMap>();
  FInternalDictionary = std::make_unique<TCustomDictionary>();
  FConfig = std::make_unique<TLexoroConfig>(this);
  InstallEngineHooks();
}

TLexoroSpellBase::~TLexoroSpellBase() {
  // The configuration saves while the rest of the component is still whole.
  FConfig.reset();
  FConfigDictionaryDir.SetOnChange({});
}

void TLexoroSpellBase::InstallEngineHooks() {
  FParsingEngine->SetCharacterHook(
      [this](char16_t Ch, TControlParser* Parser, bool& Handled) { RunCharacterHook(Ch, Parser, Handled); });
  FParsingEngine->SetWordHook(
      [this](const std::u16string& Word, TControlParser* Parser, bool& Reject) { RunWordHook(Word, Parser, Reject); });
  FParsingEngine->SetOnIdentifyCharReference(FOnIdentifyCharReference);
}

void TLexoroSpellBase::AssignList(TStringList& Target, const TStringList& Source) {
  if (&Target != &Source) Target.Assign(Source);
}

void TLexoroSpellBase::EnsureConfigLoaded() { FConfig->EnsureLoaded(); }

// ---- Owned objects ------------------------------------------------------------------------

void TLexoroSpellBase::SetParsingEngine(std::unique_ptr<TParsingEngine> Engine) {
  if (!Engine) return;
  FParsingEngine = std::move(Engine);
  InstallEngineHooks();
  UpdateIgnoreFilters(true);
}

void TLexoroSpellBase::SetSuggestionsGenerator(std::unique_ptr<TSuggestionsGenerator> Generator) {
  if (Generator) FSuggestionsGenerator = std::move(Generator);
}

void TLexoroSpellBase::SetPhoneticsMap(std::unique_ptr<TPhoneticsMap> Map) {
  if (Map) FPhoneticsMap = std::move(Map);
}

// ---- Configuration properties ---------------------------------------------------------------

void TLexoroSpellBase::SetConfigStorage(TConfigStorage Value) {
  if (FConfigStorage == Value) return;
  FConfigStorage = Value;
  FConfig->Reload();
}

void TLexoroSpellBase::SetConfigID(const std::u16string& Value) {
  if (FConfigID == Value) return;
  FConfigID = Value;
  FConfig->Reload();
}

void TLexoroSpellBase::SetConfigFilename(const std::u16string& Value) {
  if (FConfigFilename == Value) return;
  FConfigFilename = Value;
  if (FConfigStorage == csFile) FConfig->Reload();
}

void TLexoroSpellBase::SetConfigRegistryKey(const std::u16string& Value) {
  if (FConfigRegistryKey == Value) return;
  FConfigRegistryKey = Value;
  if (FConfigStorage == csRegistry) FConfig->Reload();
}

void TLexoroSpellBase::SetConfigDictionaryDir(const TStringList& Value) {
  if (&Value == &FConfigDictionaryDir) return;
  // The copy's own change handler would rebuild the dictionaries; assignment only renews the
  // folders and listings.
  auto handler = FConfigDictionaryDir.OnChange();
  FConfigDictionaryDir.SetOnChange({});
  FConfigDictionaryDir.Assign(Value);
  FConfigDictionaryDir.SetOnChange(handler);
  FSearchFolders.Assign(FConfigDictionaryDir);
  if (FConfig->Loaded()) FSearchFolders.AddStrings(FConfig->GetNewPaths());
  EmptyListings();
}

void TLexoroSpellBase::SetConfigDefaultMain(const TStringList& Value) { AssignList(FConfigDefaultMain, Value); }
void TLexoroSpellBase::SetConfigDefaultCustom(const TStringList& Value) { AssignList(FConfigDefaultCustom, Value); }
void TLexoroSpellBase::SetConfigDefaultActiveCustomPrevent(const TStringList& Value) {
  AssignList(FConfigDefaultActiveCustomPrevent, Value);
}

void TLexoroSpellBase::SetQuoteChars(const std::u16string& Value) {
  FQuoteChars = Value;
  UpdateIgnoreFilters(true);
}

void TLexoroSpellBase::DictionaryDirChanged(TObject* Sender) {
  if (IsLoading()) return;
  ConfigChanged(true);
}

// ---- Phonetics ----------------------------------------------------------------------------

int TLexoroSpellBase::GetPhoneticMaxDistance() { return FPhoneticsMap->MaxDistance(); }
int TLexoroSpellBase::GetPhoneticDivisor() { return FPhoneticsMap->DistanceDivisor(); }
int TLexoroSpellBase::GetPhoneticDepth() { return FPhoneticsMap->StartDepth(); }
void TLexoroSpellBase::SetPhoneticMaxDistance(int Value) { FPhoneticsMap->SetMaxDistance(Value); }
void TLexoroSpellBase::SetPhoneticDivisor(int Value) { FPhoneticsMap->SetDistanceDivisor(Value); }
void TLexoroSpellBase::SetPhoneticDepth(int Value) { FPhoneticsMap->SetStartDepth(Value); }

// ---- Events ---------------------------------------------------------------------------------

void TLexoroSpellBase::SetOnWordCheck(TWordCheckEvent Event) { FOnWordCheck = std::move(Event); }

void TLexoroSpellBase::SetUILanguage(TSpellLanguageType Value) { FUILanguage = Value; }

void TLexoroSpellBase::SetOnIdentifyCharReference(TCharReferenceEvent Event) {
  FOnIdentifyCharReference = std::move(Event);
  FParsingEngine->SetOnIdentifyCharReference(FOnIdentifyCharReference);
}

void TLexoroSpellBase::DoConfigChanged() {
  if (OnConfigChanged) OnConfigChanged(this);
  FConfigChangedList.Notify(this);
}

void TLexoroSpellBase::DoDictionariesChanged() {
  if (OnDictionariesChanged) OnDictionariesChanged(this);
}

void TLexoroSpellBase::DoWordCheck(TObject* Sender, const std::u16string& Word, TWordCheckType& CheckType,
                                   std::u16string& Replacement) {
  if (FOnWordCheck) FOnWordCheck(Sender, Word, CheckType, Replacement);
}

void TLexoroSpellBase::DoPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated) {
  if (OnPromptWord) OnPromptWord(Sender, Word, Repeated);
}

void TLexoroSpellBase::DoCreateSpellDialog(TObject* Sender, TForm*& Form, bool Create) {
  if (!OnCreateSpellDialog) return;
  OnCreateSpellDialog(Sender, Form, Create);
  // A handler that takes the form back leaves the component without one.
  if (!Create) Form = nullptr;
}

void TLexoroSpellBase::DoGetString(TSpellLanguageString Id, std::u16string& Text) {
  if (OnGetString) OnGetString(this, Id, Text);
}

void TLexoroSpellBase::DoAddCustomIgnore() {
  if (OnAddCustomIgnore) OnAddCustomIgnore(this);
  FIgnoreFiltersList.Notify(this);
}

void TLexoroSpellBase::DoConfigReadString(const std::u16string& ConfigID, const std::u16string& Key,
                                          std::u16string& Value, const std::u16string& Default) {
  Value = Default;
  if (OnConfigReadString) OnConfigReadString(this, ConfigID, Key, Default, Value);
}

void TLexoroSpellBase::DoConfigWriteString(const std::u16string& ConfigID, const std::u16string& Key,
                                           const std::u16string& Value) {
  if (OnConfigWriteString) OnConfigWriteString(this, ConfigID, Key, Value);
}

void TLexoroSpellBase::DoConfigBeforeLoad(bool FirstLoad) {
  if (OnConfigBeforeLoad) OnConfigBeforeLoad(this, FirstLoad);
}

void TLexoroSpellBase::DoConfigLoaded() {
  if (OnConfigLoaded) OnConfigLoaded(this);
}

void TLexoroSpellBase::DoConfigSaved() {
  if (OnConfigSaved) OnConfigSaved(this);
}

// ---- Ignore filters -----------------------------------------------------------------------

void TLexoroSpellBase::RunCharacterHook(char16_t Ch, TControlParser* Parser, bool& Handled) {
  FIgnoreFilters.RunCharacterHook(Ch, Parser, Handled);
}

void TLexoroSpellBase::RunWordHook(const std::u16string& Word, TControlParser* Parser, bool& Reject) {
  FIgnoreFilters.RunWordHook(Word, Parser, Reject);
}

bool TLexoroSpellBase::IgnoreFiltersAcceptWord(const std::u16string& Word, TControlParser* Parser) {
  return FIgnoreFilters.IgnoreFiltersAcceptWord(Word, Parser);
}

bool TLexoroSpellBase::IgnoreFiltersAcceptLine(const std::u16string& Line) {
  return FIgnoreFilters.IgnoreFiltersAcceptLine(Line);
}

void TLexoroSpellBase::AddIgnoreFilter(std::unique_ptr<TParserIgnore> Filter) {
  FIgnoreFilters.AddIgnoreFilter(std::move(Filter));
}

void TLexoroSpellBase::ClearIgnoreFilters() { FIgnoreFilters.ClearIgnoreFilters(); }

// ---- Dialogs (the dialog component shows them; the base only fires the events) -------------

TConfigurationDialogCtrl* TLexoroSpellBase::ConnectDialog(TForm* Form, TCustomDictionary* Dictionary) {
  return nullptr;
}

void TLexoroSpellBase::AfterConfigDialog() {
  // The active custom dictionary is read again on its next use.
  if (FActiveCustomDictionary) FActiveCustomDictionary->SetLoaded(false);
  FConfigChangedList.Notify(this);
}

void TLexoroSpellBase::ShowConfigDialog(TComponent* Owner) {
  if (OnShowConfigDialog) OnShowConfigDialog(this, Owner);
}

void TLexoroSpellBase::ShowCustomDictionariesDialog(TComponent* Owner) {
  if (OnShowCustomDictionariesDialog) OnShowCustomDictionariesDialog(this, Owner);
}

void TLexoroSpellBase::ShowEditCustomDictionaryDialog(TComponent* Owner, TCustomDictionary* Dictionary) {
  if (OnShowEditCustomDictionaryDialog) OnShowEditCustomDictionaryDialog(this, Owner, Dictionary);
}

void TLexoroSpellBase::ShowAddDictionaryDir(TComponent* Owner) {
  if (OnShowAddDictionaryDir) OnShowAddDictionaryDir(this, Owner);
}

namespace {
// Raises the busy counter for the life of a modal dialog, also when it throws.
class TBusyScope {
 public:
  explicit TBusyScope(TLexoroSpellBase& Spell) : FSpell(Spell) { FSpell.IncBusy(); }
  ~TBusyScope() { FSpell.DecBusy(); }
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

 private:
  TLexoroSpellBase& FSpell;
};
}  // namespace

void TLexoroSpellBase::ExecuteConfigDialog() {
  {
    TBusyScope busy(*this);
    ShowConfigDialog(this);
  }
  AfterConfigDialog();
}

void TLexoroSpellBase::ExecuteCustomDictionariesDialog() {
  TBusyScope busy(*this);
  ShowCustomDictionariesDialog(this);
}

void TLexoroSpellBase::ExecuteEditCustomDictionaryDialog(TCustomDictionary* Dictionary) {
  {
    TBusyScope busy(*this);
    ShowEditCustomDictionaryDialog(this, Dictionary);
  }
  AfterConfigDialog();
}

void TLexoroSpellBase::ExecuteAddDictionaryDir() {
  TBusyScope busy(*this);
  ShowAddDictionaryDir(this);
}

std::u16string TLexoroSpellBase::GetString(TSpellLanguageString Id) {
  std::u16string text = SpellLanguageText(Id, FUILanguage);
  DoGetString(Id, text);
  return text;
}

// ---- Live context menu (the live component builds and shows the menu) ---------------------

void TLexoroSpellBase::PopupItemClick(TObject* Sender) {}
TObject* TLexoroSpellBase::CreatePopupMenu(TComponent* Owner) { return nullptr; }
TObject* TLexoroSpellBase::AddPopupMenuItem(TObject* Menu, TObject* SubMenu, const std::u16string& Caption,
                                            bool Enable, bool HasChildren, std::int32_t Tag) {
  return nullptr;
}
void TLexoroSpellBase::ShowPopup(TObject* Menu, std::int32_t XPos, std::int32_t YPos, std::int32_t& PopupAction,
                                 std::u16string& PopupWord) {
  PopupAction = 0;
}
TSpellPopupOption TLexoroSpellBase::DoPopupMenu(TObject* Control, TSpellPopupOptions Options, std::u16string& Word,
                                                std::int32_t Y, std::int32_t X) {
  return spCancel;
}

}  // namespace lexoro
