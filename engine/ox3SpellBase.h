// TLexoroSpellBase: the spell-check component without a user interface.
//
// It owns a parsing engine, a suggestions generator, a phonetics map, the configuration store,
// the ignore filters and every dictionary it uses, and answers the word-level questions of
// the suite: is a word acceptable, is there an automatic correction, what are the
// suggestions. Nothing is read when the component is created; the first word-level request
// loads the configuration, which builds the dictionary set.
//
// Source files:
//   ox3SpellBase.cpp              construction, properties, events, dialog and check plumbing
//   ox3SpellBaseDictionaries.cpp  the dictionary set: folders, listings, opening, the options
//   ox3SpellBaseWords.cpp         word acceptance, automatic corrections and suggestions
//   ox3SpellBaseCheck.cpp         the check driver: checks, dialog commands, undo, sequences,
//                                 counting, the end message
//   ox3SpellBaseCheckWin32.cpp    checks of controls and windows, and the dialog form
//
// The published properties and events are declared in their published order, and the
// virtual operations in the order of their slots (derived components override them by
// position). The check driver, the context menu and the dialog hooks are declared here with a
// minimal behaviour of the base component (documented at each): a silent component that is
// driven word by word through WordAcceptable and GetSuggestions needs none of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/engine/ox3DialogControl.h"
#include "lexoro/engine/ox3DialogPlacement.h"
#include "lexoro/engine/ox3SpellTypes.h"
#include "lexoro/framework/ox3Classes.h"
#include "lexoro/parsing/ox3Ignore.h"
#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/suggestions/ox3Suggestions.h"

namespace lexoro {

class TLexoroConfig;
class TWinControl;

// The version the component reports.
inline constexpr char16_t kLexoroSpellVersion[] = u"4.40.2084 Pro";

class TLexoroSpellBase : public TComponent {
 public:
  using TMainDictionaryList = std::vector<std::unique_ptr<TMainDictionary>>;
  using TCustomDictionaryList = std::vector<std::unique_ptr<TCustomDictionary>>;

  // Creates the engine, generator, phonetics map, ignore-all list, configuration store and
  // lists, and sets every initial value; reads no file.
  explicit TLexoroSpellBase(TComponent* AOwner);
  // Saves the configuration (when it was changed) and frees everything the component owns.
  ~TLexoroSpellBase() override;

  // ---- Virtual operations, in slot order ------------------------------------------------

  // Replace an owned object; a null argument is ignored, the old object is freed.
  virtual void SetParsingEngine(std::unique_ptr<TParsingEngine> Engine);
  virtual void SetSuggestionsGenerator(std::unique_ptr<TSuggestionsGenerator> Generator);
  virtual void SetPhoneticsMap(std::unique_ptr<TPhoneticsMap> Map);
  virtual void SetConfigStorage(TConfigStorage Value);
  virtual void SetConfigID(const std::u16string& Value);
  virtual void SetConfigFilename(const std::u16string& Value);
  virtual void SetConfigRegistryKey(const std::u16string& Value);
  virtual void SetConfigDictionaryDir(const TStringList& Value);
  virtual void SetConfigDefaultMain(const TStringList& Value);
  virtual void SetConfigDefaultCustom(const TStringList& Value);
  virtual void SetConfigDefaultActiveCustomPrevent(const TStringList& Value);
  virtual void SetQuoteChars(const std::u16string& Value);
  virtual void SetKeepDictionariesActive(bool Value);
  virtual void SetPhoneticMaxDistance(int Value);
  virtual void SetPhoneticDivisor(int Value);
  virtual void SetPhoneticDepth(int Value);
  virtual void SetMappingDictionaryName(const std::u16string& Value);
  virtual void SetSuggestionsLearning(bool Value);
  virtual void SetSuggestionsLearningDict(const std::u16string& Value);
  // Cached listings of the dictionary files available (file names only).
  virtual const TStringList& MainDictionaryFiles();
  virtual const TStringList& CustomDictionaryFiles();
  // Full paths of the Office custom dictionaries found on the machine (none on POSIX).
  virtual const TStringList& MSWordCustomDictionaryFiles();
  virtual bool CanUndo();
  virtual int GetPhoneticMaxDistance();
  virtual int GetPhoneticDivisor();
  virtual int GetPhoneticDepth();
  // Language identifier of the first main dictionary, 0 when there is none.
  virtual std::int32_t MainLanguage();
  virtual void SetOnWordCheck(TWordCheckEvent Event);
  virtual void SetUILanguage(TSpellLanguageType Value);
  virtual void SetOnIdentifyCharReference(TCharReferenceEvent Event);
  // The dictionary of OldList whose configuration name is Entry (taken out of the list), or a
  // newly opened one; null when Entry cannot be opened.
  virtual std::unique_ptr<TMainDictionary> FindOrCreateMainDictionary(TMainDictionaryList& OldList,
                                                                      const std::u16string& Entry);
  virtual void AfterConfigDialog();
  virtual void ReorderMainDictionaries();
  virtual void RebuildDictionarySet();
  virtual void FindDictionaryFiles(const std::u16string& Extension, TStringList& List);
  // Links a dialog form to the component: the first controller the form owns is linked and
  // given Dictionary, and returned; a form without a controller gives null.
  virtual TCustomConfigurationDialogCtrl* ConnectDialog(TForm* Form, TCustomDictionary* Dictionary);
  virtual void UpdateIgnoreFilters(bool Force);
  // Handlers installed on the spell dialog form (check driver).
  virtual void DialogShowHook(TObject* Sender);
  virtual void DialogDeactivateHook(TObject* Sender);
  virtual void DialogActivateHook(TObject* Sender);
  virtual void PromptWord();
  // Dialog placement: under the selected word (across and / or down), clear of the checked
  // control, by DialogInitialPos when the dialog is first shown in a check, and by
  // DialogSelectionAvoid each time it is shown for a word. Nothing without a dialog form.
  virtual void PositionUnderSelection(bool Horizontal, bool Vertical);
  virtual void PositionAvoidControl();
  virtual void PositionDialog();
  virtual void AvoidSelection();
  // Base: no form.
  virtual TForm* CreateSpellDialog();
  virtual void ShowDialog();
  virtual void HideDialog();
  virtual void ShowEndMessage();
  // The Sender of check events: the checked control, or the component itself.
  virtual TObject* CheckedControl();
  virtual void ApplyReplacement(const std::u16string& Text, TReplaceState State);
  virtual void ApplyIgnore(TIgnoreState State);
  // Fires OnParserUndoLast, then the parser's UndoLast.
  virtual void NotifyUndo(TUndoState UndoState, TSpellAction Action, TUndoData& UndoData);
  // Change handler of the ConfigDictionaryDir list.
  virtual void DictionaryDirChanged(TObject* Sender);
  virtual void BeforeChange(TObject* Control);
  virtual void DoConfigChanged();
  virtual void DoDictionariesChanged();
  virtual void DoWordCheck(TObject* Sender, const std::u16string& Word, TWordCheckType& CheckType,
                           std::u16string& Replacement);
  virtual void DoPromptWord(TObject* Sender, const std::u16string& Word, bool Repeated);
  virtual void DoCreateSpellDialog(TObject* Sender, TForm*& Form, bool Create);
  virtual void DoGetString(TSpellLanguageString Id, std::u16string& Text);
  virtual void DoAddCustomIgnore();
  // Word stands repeated right before the parser's cursor, separated by one space.
  virtual bool IsRepeatedWord(const std::u16string& Word, TControlParser* Parser);
  virtual bool PossessiveAccepted(const std::u16string& Word);
  virtual void ApplyAllowedCases(const std::u16string& Word, std::u16string& Variant);
  // Word counting and error counting over a parser (modes ckSelection and ckEntireText). The
  // parser stays the caller's.
  virtual void ScanParser(TControlParser& Parser, TCheckMode Mode, std::int32_t& Words, std::int32_t& Errors,
                          bool& HasErrors, bool StopAtFirst, bool CheckWords);
  virtual void UndoLastAction();
  virtual void AddUndo(TSpellAction Action, const std::u16string& Replacement, bool Reposition, bool Automatic);
  // Live context menu (live component; base: no menu).
  virtual void PopupItemClick(TObject* Sender);
  virtual TObject* CreatePopupMenu(TComponent* Owner);
  virtual TObject* AddPopupMenuItem(TObject* Menu, TObject* SubMenu, const std::u16string& Caption, bool Enable,
                                    bool HasChildren, std::int32_t Tag);
  virtual void ShowPopup(TObject* Menu, std::int32_t XPos, std::int32_t YPos, std::int32_t& PopupAction,
                         std::u16string& PopupWord);
  virtual void FinishCheck();
  virtual void ContinueCheck();
  // The parser stays the caller's.
  virtual void CheckWrapAround(TControlParser& Parser);
  // Suggestions for Word, at most Max of them (Max < 0: all).
  virtual void BuildSuggestions(const std::u16string& Word, int Max, TStringList& Strings);
  virtual void SuggestionCandidateValid(const std::u16string& Word, bool& Valid);
  // The ignore-filter runners; the engine's hooks call the first two.
  virtual void RunCharacterHook(char16_t Ch, TControlParser* Parser, bool& Handled);
  virtual void RunWordHook(const std::u16string& Word, TControlParser* Parser, bool& Reject);
  virtual bool IgnoreFiltersAcceptWord(const std::u16string& Word, TControlParser* Parser);
  virtual bool IgnoreFiltersAcceptLine(const std::u16string& Line);
  virtual void AddIgnoreFilter(std::unique_ptr<TParserIgnore> Filter);
  virtual void ClearIgnoreFilters();
  // Called by the configuration store after every change.
  virtual void ConfigChanged(bool RebuildDictionaries);
  // Value := Default, then OnConfigReadString.
  virtual void DoConfigReadString(const std::u16string& ConfigID, const std::u16string& Key, std::u16string& Value,
                                  const std::u16string& Default);
  virtual void DoConfigWriteString(const std::u16string& ConfigID, const std::u16string& Key,
                                   const std::u16string& Value);
  virtual void DoConfigBeforeLoad(bool FirstLoad);
  virtual void DoConfigLoaded();
  virtual void DoConfigSaved();
  // Base: fire the matching On... event (the dialog component shows its own dialogs).
  virtual void ShowConfigDialog(TComponent* Owner);
  virtual void ShowCustomDictionariesDialog(TComponent* Owner);
  virtual void ShowEditCustomDictionaryDialog(TComponent* Owner, TCustomDictionary* Dictionary);
  virtual void ShowAddDictionaryDir(TComponent* Owner);
  // Text with "%ConfigID%" replaced by the expanded ConfigID.
  virtual std::u16string ExpandConfigID(const std::u16string& Text);
  virtual void SetCustomDictionaryActive(const std::u16string& Entry, bool Active);
  virtual void SetMSWordDictionaryActive(const std::u16string& Path, bool Active);
  // True when the dictionary is no longer configured (its file deleted or never present).
  virtual bool DeleteCustomDictionary(const std::u16string& Entry, bool Confirm);
  virtual void NewCustomDictionary(const std::u16string& Name);
  virtual bool RenameCustomDictionary(const std::u16string& Entry, const std::u16string& NewName);
  virtual std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::u16string& Entry);
  virtual std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::u16string& Entry);
  virtual std::unique_ptr<TCustomDictionary> OpenWordList(const std::u16string& Path);
  // Path macros, then "%ConfigID%" replaced by the expanded ConfigID.
  virtual std::u16string ExpandPath(const std::u16string& Text);
  virtual void ExecuteConfigDialog();
  virtual void ExecuteCustomDictionariesDialog();
  virtual void ExecuteEditCustomDictionaryDialog(TCustomDictionary* Dictionary);
  virtual void ExecuteAddDictionaryDir();
  // The text of the interface-language table in UILanguage, then OnGetString.
  virtual std::u16string GetString(TSpellLanguageString Id);
  virtual void ClearUndo();
  virtual void ReleaseDictionaries();
  virtual void CloseDialog();
  // The check driver. A control that cannot have a window is checked as an empty control.
  virtual void CheckString(std::u16string& Text);
  virtual void CheckWinControl(TWinControl* Control, TCheckMode Mode);
  virtual void CheckRichEdit(TWinControl* Control, TCheckMode Mode);
  virtual void CheckWindow(TWindowHandle Handle, TCheckMode Mode);
  virtual void CheckSelectionModal(TWinControl* Control, TWindowHandle Handle);
  // Takes the parser over and frees it when the check ends (at once when the check is dropped).
  virtual void CheckParser(std::unique_ptr<TControlParser> Parser, TCheckMode Mode);
  // Borrows the parser: the caller keeps it alive until the check has ended (Checking() is
  // false; a synchronous check has ended when this returns).
  virtual void CheckParser(TControlParser& Parser, TCheckMode Mode);
  virtual void StartSequence();
  virtual void EndSequence();
  virtual void StopCheck(bool Cancelled);
  virtual std::int32_t CountWords(const std::u16string& Text);
  virtual std::int32_t CountWordsInControl(TWinControl* Control, TCheckMode Mode);
  // The parser stays the caller's.
  virtual std::int32_t CountWordsParser(TControlParser& Parser, TCheckMode Mode);
  // Dialog commands.
  virtual void DialogIgnore();
  virtual void DialogIgnoreAll();
  virtual void DialogChange(const std::u16string& Word);
  virtual void DialogChangeLine(const std::u16string& Text);
  virtual void DialogChangeAll(const std::u16string& Word);
  virtual void DialogAdd();
  virtual void DialogAutoCorrect(const std::u16string& Word);
  virtual void DialogUndo();
  virtual void DialogIgnoreRepeated();
  virtual void DialogChangeRepeated();
  virtual void ResumeCheck();
  virtual void DialogIdle();
  virtual void DialogCancel();
  // Word acceptance.
  virtual bool WordInMainDictionaries(const std::u16string& Word);
  virtual bool WordInDictionaries(const std::u16string& Word);
  virtual bool WordAcceptable(const std::u16string& Word);
  virtual bool WordExcluded(const std::u16string& Word);
  virtual bool GetAutoCorrection(const std::u16string& Word, std::u16string& Replacement);
  // Full check with OnWordCheck (live spelling); true = accepted.
  virtual bool CheckWord(TObject* Sender, const std::u16string& Word, std::u16string& Replacement);
  virtual void GetSuggestions(const std::u16string& Word, TStringList& Strings);
  virtual void LearnReplacement(const std::u16string& Word, const std::u16string& Replacement);
  // Live context menu over Word (base: no menu, the answer is spCancel).
  virtual TSpellPopupOption DoPopupMenu(TObject* Control, TSpellPopupOptions Options, std::u16string& Word,
                                   std::int32_t Y, std::int32_t X);

  // ---- Published properties and events, in published order --------------------------------

  [[nodiscard]] TConfigStorage ConfigStorage() const { return FConfigStorage; }
  [[nodiscard]] const std::u16string& ConfigID() const { return FConfigID; }
  [[nodiscard]] const std::u16string& ConfigFilename() const { return FConfigFilename; }
  [[nodiscard]] const std::u16string& ConfigRegistryKey() const { return FConfigRegistryKey; }
  // The folder list may be edited in place; every change rebuilds the dictionary set.
  [[nodiscard]] TStringList& ConfigDictionaryDir() { return FConfigDictionaryDir; }
  [[nodiscard]] TSpellOptions ConfigAvailableOptions() const { return FConfigAvailableOptions; }
  void SetConfigAvailableOptions(TSpellOptions Value) { FConfigAvailableOptions = Value; }
  [[nodiscard]] const std::u16string& ConfigUserOption1() const { return FConfigUserOption[0]; }
  void SetConfigUserOption1(const std::u16string& Value) { FConfigUserOption[0] = Value; }
  [[nodiscard]] const std::u16string& ConfigUserOption2() const { return FConfigUserOption[1]; }
  void SetConfigUserOption2(const std::u16string& Value) { FConfigUserOption[1] = Value; }
  [[nodiscard]] const std::u16string& ConfigUserOption3() const { return FConfigUserOption[2]; }
  void SetConfigUserOption3(const std::u16string& Value) { FConfigUserOption[2] = Value; }
  [[nodiscard]] const std::u16string& ConfigUserOption4() const { return FConfigUserOption[3]; }
  void SetConfigUserOption4(const std::u16string& Value) { FConfigUserOption[3] = Value; }
  [[nodiscard]] bool ConfigUseMSWordCustom() const { return FConfigUseMSWordCustom; }
  void SetConfigUseMSWordCustom(bool Value) { FConfigUseMSWordCustom = Value; }
  [[nodiscard]] const TStringList& ConfigDefaultMain() const { return FConfigDefaultMain; }
  [[nodiscard]] const TStringList& ConfigDefaultCustom() const { return FConfigDefaultCustom; }
  [[nodiscard]] const TStringList& ConfigDefaultActiveCustomPrevent() const { return FConfigDefaultActiveCustomPrevent; }
  [[nodiscard]] const std::u16string& ConfigDefaultActiveCustom() const { return FConfigDefaultActiveCustom; }
  void SetConfigDefaultActiveCustom(const std::u16string& Value) { FConfigDefaultActiveCustom = Value; }
  [[nodiscard]] TSpellOptions ConfigDefaultOptions() const { return FConfigDefaultOptions; }
  void SetConfigDefaultOptions(TSpellOptions Value) { FConfigDefaultOptions = Value; }
  [[nodiscard]] bool ConfigDefaultUseMSWordCustom() const { return FConfigDefaultUseMSWordCustom; }
  void SetConfigDefaultUseMSWordCustom(bool Value) { FConfigDefaultUseMSWordCustom = Value; }
  [[nodiscard]] const std::u16string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::u16string& Value) { FHelpFile = Value; }
  [[nodiscard]] THelpContext HelpCtxSpellDialog() const { return FHelpCtxSpellDialog; }
  void SetHelpCtxSpellDialog(THelpContext Value) { FHelpCtxSpellDialog = Value; }
  [[nodiscard]] THelpContext HelpCtxConfigDialog() const { return FHelpCtxConfigDialog; }
  void SetHelpCtxConfigDialog(THelpContext Value) { FHelpCtxConfigDialog = Value; }
  [[nodiscard]] THelpContext HelpCtxDictionariesDialog() const { return FHelpCtxDictionariesDialog; }
  void SetHelpCtxDictionariesDialog(THelpContext Value) { FHelpCtxDictionariesDialog = Value; }
  [[nodiscard]] THelpContext HelpCtxDictionaryEditDialog() const { return FHelpCtxDictionaryEditDialog; }
  void SetHelpCtxDictionaryEditDialog(THelpContext Value) { FHelpCtxDictionaryEditDialog = Value; }
  [[nodiscard]] bool SuggestionsAutoReplace() const { return FSuggestionsAutoReplace; }
  void SetSuggestionsAutoReplace(bool Value) { FSuggestionsAutoReplace = Value; }
  [[nodiscard]] bool SuggestionsLearning() const { return FSuggestionsLearning; }
  [[nodiscard]] const std::u16string& SuggestionsLearningDict() const { return FSuggestionsLearningDict; }
  // Mirror soLiveSpelling / soLiveCorrect of the loaded options (read-only in effect).
  [[nodiscard]] bool LiveSpelling() const { return FLiveSpelling; }
  [[nodiscard]] bool LiveCorrect() const { return FLiveCorrect; }
  [[nodiscard]] const std::u16string& QuoteChars() const { return FQuoteChars; }
  [[nodiscard]] TSpellDialogInitialPos DialogInitialPos() const { return FDialogInitialPos; }
  void SetDialogInitialPos(TSpellDialogInitialPos Value) { FDialogInitialPos = Value; }
  [[nodiscard]] TSpellDialogAvoidPos DialogSelectionAvoid() const { return FDialogSelectionAvoid; }
  void SetDialogSelectionAvoid(TSpellDialogAvoidPos Value) { FDialogSelectionAvoid = Value; }
  [[nodiscard]] bool DialogShowImmediate() const { return FDialogShowImmediate; }
  void SetDialogShowImmediate(bool Value) { FDialogShowImmediate = Value; }
  [[nodiscard]] bool DialogShowModal() const { return FDialogShowModal; }
  void SetDialogShowModal(bool Value) { FDialogShowModal = Value; }
  [[nodiscard]] TSpellEndMessage EndMessage() const { return FEndMessage; }
  void SetEndMessage(TSpellEndMessage Value) { FEndMessage = Value; }
  [[nodiscard]] TSpellEndPosition EndCursorPosition() const { return FEndCursorPosition; }
  void SetEndCursorPosition(TSpellEndPosition Value) { FEndCursorPosition = Value; }
  [[nodiscard]] bool EndMessageWordCount() const { return FEndMessageWordCount; }
  void SetEndMessageWordCount(bool Value) { FEndMessageWordCount = Value; }
  [[nodiscard]] int MaxUndo() const { return FMaxUndo; }
  void SetMaxUndo(int Value) { FMaxUndo = Value; }
  [[nodiscard]] int MaxSuggestions() const { return FMaxSuggestions; }
  void SetMaxSuggestions(int Value) { FMaxSuggestions = Value; }
  [[nodiscard]] bool KeepDictionariesActive() const { return FKeepDictionariesActive; }
  [[nodiscard]] bool SynchronousCheck() const { return FSynchronousCheck; }
  void SetSynchronousCheck(bool Value) { FSynchronousCheck = Value; }
  [[nodiscard]] bool UseHourglassCursor() const { return FUseHourglassCursor; }
  void SetUseHourglassCursor(bool Value) { FUseHourglassCursor = Value; }
  [[nodiscard]] TSpellDialogCommands CommandsVisible() const { return FCommandsVisible; }
  void SetCommandsVisible(TSpellDialogCommands Value) { FCommandsVisible = Value; }
  [[nodiscard]] TSpellDialogCommands CommandsEnabled() const { return FCommandsEnabled; }
  void SetCommandsEnabled(TSpellDialogCommands Value) { FCommandsEnabled = Value; }
  [[nodiscard]] bool PhoneticSuggestions() const { return FPhoneticSuggestions; }
  void SetPhoneticSuggestions(bool Value) { FPhoneticSuggestions = Value; }
  [[nodiscard]] int PhoneticMaxDistance() { return GetPhoneticMaxDistance(); }
  [[nodiscard]] int PhoneticDivisor() { return GetPhoneticDivisor(); }
  [[nodiscard]] int PhoneticDepth() { return GetPhoneticDepth(); }
  [[nodiscard]] const std::u16string& MappingDictionaryName() const { return FMappingDictionaryName; }
  [[nodiscard]] bool MappingAutoReplace() const { return FMappingAutoReplace; }
  void SetMappingAutoReplace(bool Value) { FMappingAutoReplace = Value; }
  [[nodiscard]] bool UseExcludeWords() const { return FUseExcludeWords; }
  void SetUseExcludeWords(bool Value) { FUseExcludeWords = Value; }
  [[nodiscard]] bool UseAutoCorrectFirst() const { return FUseAutoCorrectFirst; }
  void SetUseAutoCorrectFirst(bool Value) { FUseAutoCorrectFirst = Value; }
  [[nodiscard]] bool RecheckReplacedWords() const { return FRecheckReplacedWords; }
  void SetRecheckReplacedWords(bool Value) { FRecheckReplacedWords = Value; }
  [[nodiscard]] bool ResumeFromLastPosition() const { return FResumeFromLastPosition; }
  void SetResumeFromLastPosition(bool Value) { FResumeFromLastPosition = Value; }
  [[nodiscard]] TCaseModification AllowedCases() const { return FAllowedCases; }
  void SetAllowedCases(TCaseModification Value) { FAllowedCases = Value; }
  [[nodiscard]] TSpellLanguageType UILanguage() const { return FUILanguage; }
  [[nodiscard]] TSpellUI UIType() const { return FUIType; }
  void SetUIType(TSpellUI Value) { FUIType = Value; }
  // Always "4.40.2084 Pro"; assigning it changes nothing.
  [[nodiscard]] std::u16string Version() const { return kLexoroSpellVersion; }
  void SetVersion(const std::u16string&) {}

  TConfigBeforeLoadEvent OnConfigBeforeLoad;
  TNotifyEvent OnConfigChanged;
  TNotifyEvent OnConfigLoaded;
  TNotifyEvent OnConfigSaved;
  TReadStringEvent OnConfigReadString;
  TWriteStringEvent OnConfigWriteString;
  TNotifyEvent OnDictionariesChanged;
  [[nodiscard]] const TWordCheckEvent& OnWordCheck() const { return FOnWordCheck; }
  TWordPromptEvent OnPromptWord;
  TCustomSpellDialogEvent OnCreateSpellDialog;
  TModalDialogEvent OnShowConfigDialog;
  TModalDialogEvent OnShowCustomDictionariesDialog;
  TModalDictEditEvent OnShowEditCustomDictionaryDialog;
  TModalDialogEvent OnShowAddDictionaryDir;
  TGetStringEvent OnGetString;
  TNotifyEvent OnAddCustomIgnore;
  TNotifyEvent OnSpellDialogShow;
  TNotifyEvent OnSpellDialogHide;
  TNotifyEvent OnPositionDialog;
  TNotifyEvent OnShowEndMessage;
  TNotifyEvent OnCompleteCheck;
  TNotifyEvent OnDialogDeactivate;
  TNotifyEvent OnDialogActivate;
  TNotifyEvent OnAdjustPhoneticsMap;
  TReplaceWordEvent OnParserReplaceWord;
  TIgnoreWordEvent OnParserIgnoreWord;
  TUndoLastEvent OnParserUndoLast;
  TNotifyEvent OnBeforeChange;
  TCreateCustomDictEvent OnCreateCustomDictionary;
  TPopupDoMenuEvent OnPopupDoMenu;
  TPopupAddMenuItemEvent OnPopupAddMenuItem;
  TPopupCreateMenuEvent OnPopupCreateMenu;
  TPopupResultEvent OnPopupResult;
  TCaseModificationEvent OnCaseModification;
  [[nodiscard]] const TCharReferenceEvent& OnIdentifyCharReference() const { return FOnIdentifyCharReference; }

  // ---- Owned objects and state, for the parts of the suite built on the component ---------

  [[nodiscard]] TLexoroConfig& Config() { return *FConfig; }
  [[nodiscard]] TParsingEngine& ParsingEngine() { return *FParsingEngine; }
  [[nodiscard]] TSuggestionsGenerator& SuggestionsGenerator() { return *FSuggestionsGenerator; }
  [[nodiscard]] TPhoneticsMap& PhoneticsMap() { return *FPhoneticsMap; }
  [[nodiscard]] TIgnoreFilterSet& IgnoreFilters() { return FIgnoreFilters; }
  // The dictionary folders in use: ConfigDictionaryDir, then the configuration's new paths.
  [[nodiscard]] const TStringList& SearchFolders() const { return FSearchFolders; }

  [[nodiscard]] const TMainDictionaryList& MainDictionaries() const { return FMainDictionaries; }
  [[nodiscard]] TCustomDictionary* ActiveCustomDictionary() const { return FActiveCustomDictionary.get(); }
  [[nodiscard]] const TCustomDictionaryList& CustomDictionaries() const { return FCustomDictionaries; }
  [[nodiscard]] const TCustomDictionaryList& MSWordDictionaries() const { return FMSWordDictionaries; }
  // Ignore All words and Change All pairs, for the life of the component; never saved.
  [[nodiscard]] TCustomDictionary& InternalDictionary() { return *FInternalDictionary; }
  [[nodiscard]] TCustomDictionary* MappingDictionary() const { return FMappingDictionary.get(); }
  [[nodiscard]] TCustomDictionary* LearningDictionary() const { return FLearningDictionary.get(); }
  // At least one main dictionary is English (primary language 9).
  [[nodiscard]] bool English() const { return FEnglish; }
  [[nodiscard]] bool PrimaryOnly() const { return FPrimaryOnly; }
  [[nodiscard]] bool CheckRepeated() const { return FRepeated; }
  [[nodiscard]] bool DualCaps() const { return FDualCaps; }
  [[nodiscard]] std::int32_t ReorderCountdown() const { return FReorderCountdown; }
  // Counts one checked word toward reordering the main dictionaries (every 100 words).
  void CountCheckedWord();

  // Check driver state.
  [[nodiscard]] bool Checking() const { return FChecking; }
  [[nodiscard]] bool Busy() const { return FBusyCount > 0; }
  void IncBusy() { ++FBusyCount; }
  void DecBusy() { if (FBusyCount > 0) --FBusyCount; }
  [[nodiscard]] std::int32_t WordsChecked() const { return FWordsChecked; }
  [[nodiscard]] TControlParser* Parser() const { return FParser; }
  [[nodiscard]] const std::u16string& CurrentWord() const { return FCurrentWord; }
  [[nodiscard]] bool RepeatedMode() const { return FRepeatedMode; }
  [[nodiscard]] const std::vector<std::unique_ptr<TLexoroUndo>>& UndoList() const { return FUndoList; }
  [[nodiscard]] bool Cancelled() const { return FCancelled; }
  [[nodiscard]] bool DialogShown() const { return FDialogShown; }
  [[nodiscard]] std::int32_t SequenceDepth() const { return FSequenceDepth; }
  [[nodiscard]] TForm* DialogForm() const { return FDialogForm; }

  // Subscriptions of the other parts of the suite.
  [[nodiscard]] TEventList& ConfigChangedList() { return FConfigChangedList; }
  [[nodiscard]] TEventList& IgnoreFiltersList() { return FIgnoreFiltersList; }
  [[nodiscard]] TParserIgnoreWordEventList& IgnoreWordList() { return FIgnoreWordList; }
  [[nodiscard]] TPopupResultEventList& PopupResultList() { return FPopupResultList; }

  // Classifies a word read during a dialog check (LastWord is the previous word of the
  // check), then fires OnWordCheck with Sender. Replacement receives an automatic correction.
  TWordCheckType ClassifyWord(TObject* Sender, const std::u16string& Word, TControlParser* Parser,
                              std::u16string& LastWord, std::u16string& Replacement);

 protected:
  // Loads the configuration unless it is loaded.
  void EnsureConfigLoaded();
  // Folder joined with Entry, expanded.
  std::u16string JoinFolder(const std::u16string& Folder, const std::u16string& Entry);
  // True when Entry names a path rather than a bare file name.
  [[nodiscard]] static bool IsPathEntry(const std::u16string& Entry);
  void EmptyListings();
  void SetEnglishFlag();
  // The suggestion letters and the word reader follow the first main dictionary's language.
  void ApplyMainLanguage();
  // Runs the phonetics map for the language and lets the application adjust it.
  void LoadPhoneticsLanguage(std::int32_t Language);
  void InstallEngineHooks();
  // A string list with the component's change handler; the copy keeps its own settings.
  void AssignList(TStringList& Target, const TStringList& Source);

  // Published fields.
  TConfigStorage FConfigStorage = csRegistry;
  std::u16string FConfigID;
  std::u16string FConfigFilename;
  std::u16string FConfigRegistryKey;
  TStringList FConfigDictionaryDir;
  TSpellOptions FConfigAvailableOptions;
  std::u16string FConfigUserOption[4];
  bool FConfigUseMSWordCustom = true;
  TStringList FConfigDefaultMain;
  TStringList FConfigDefaultCustom;
  TStringList FConfigDefaultActiveCustomPrevent;
  std::u16string FConfigDefaultActiveCustom;
  TSpellOptions FConfigDefaultOptions;
  bool FConfigDefaultUseMSWordCustom = false;
  std::u16string FHelpFile;
  THelpContext FHelpCtxSpellDialog = 0;
  THelpContext FHelpCtxConfigDialog = 0;
  THelpContext FHelpCtxDictionariesDialog = 0;
  THelpContext FHelpCtxDictionaryEditDialog = 0;
  bool FSuggestionsAutoReplace = false;
  bool FSuggestionsLearning = true;
  std::u16string FSuggestionsLearningDict;
  bool FLiveSpelling = true;
  bool FLiveCorrect = true;
  std::u16string FQuoteChars;
  TSpellDialogInitialPos FDialogInitialPos = ipLastUserPos;
  TSpellDialogAvoidPos FDialogSelectionAvoid = saAvoid;
  bool FDialogShowImmediate = false;
  bool FDialogShowModal = false;
  TSpellEndMessage FEndMessage = emExceptCancel;
  TSpellEndPosition FEndCursorPosition = epOriginal;
  bool FEndMessageWordCount = false;
  int FMaxUndo = -1;
  int FMaxSuggestions = -1;
  bool FKeepDictionariesActive = false;
  bool FSynchronousCheck = true;
  bool FUseHourglassCursor = true;
  TSpellDialogCommands FCommandsVisible;
  TSpellDialogCommands FCommandsEnabled;
  bool FPhoneticSuggestions = true;
  std::u16string FMappingDictionaryName;
  bool FMappingAutoReplace = true;
  bool FUseExcludeWords = true;
  bool FUseAutoCorrectFirst = true;
  bool FRecheckReplacedWords = true;
  bool FResumeFromLastPosition = true;
  TCaseModification FAllowedCases = cmInitialCapsOrUpcase;
  TSpellLanguageType FUILanguage = TSpellLanguageType::ltEnglish;
  TSpellUI FUIType = suiSilent;
  TWordCheckEvent FOnWordCheck;
  TCharReferenceEvent FOnIdentifyCharReference;

  // Owned objects.
  std::unique_ptr<TParsingEngine> FParsingEngine;
  std::unique_ptr<TSuggestionsGenerator> FSuggestionsGenerator;
  std::unique_ptr<TPhoneticsMap> FPhoneticsMap;
  TIgnoreFilterSet FIgnoreFilters;
  std::unique_ptr<TCustomDictionary> FInternalDictionary;

  // The dictionary set.
  TStringList FSearchFolders;
  TStringList FMainDictionaryFiles;
  TStringList FCustomDictionaryFiles;
  TStringList FMSWordCustomDictionaryFiles;
  TMainDictionaryList FMainDictionaries;
  std::unique_ptr<TCustomDictionary> FActiveCustomDictionary;
  TCustomDictionaryList FCustomDictionaries;
  TCustomDictionaryList FMSWordDictionaries;
  std::unique_ptr<TCustomDictionary> FMappingDictionary;
  std::unique_ptr<TCustomDictionary> FLearningDictionary;
  bool FEnglish = false;
  std::int32_t FReorderCountdown = 100;
  // Options last applied to the filters and flags; none before the first application.
  bool FOptionsApplied = false;
  TSpellOptions FAppliedOptions;
  bool FPrimaryOnly = false;
  bool FRepeated = true;
  bool FDualCaps = true;

  // Check driver state.
  bool FChecking = false;
  TControlParser* FParser = nullptr;
  std::int32_t FStartX = 0;
  std::int32_t FStartY = 0;
  std::u16string FCurrentWord;
  std::u16string FLastWord;
  std::u16string FReplacement;
  bool FRepeatedMode = false;
  bool FCancelled = false;
  bool FChangeAnnounced = false;
  std::int32_t FWordsChecked = 0;
  std::int32_t FSequenceDepth = 0;
  bool FCloseDialogAtEnd = true;
  bool FSavedCloseDialogAtEnd = true;
  bool FSavedKeepDictionariesActive = false;
  TForm* FDialogForm = nullptr;
  TCustomConfigurationDialogCtrl* FDialogController = nullptr;
  bool FDialogShown = false;
  bool FDialogInactive = false;
  std::int32_t FBusyCount = 0;
  std::vector<std::unique_ptr<TLexoroUndo>> FUndoList;
  // The parser of the running check when the driver owns it (FParser points to it then).
  std::unique_ptr<TControlParser> FOwnedParser;
  // Counts the checks started, so that a word loop notices a check ended (and maybe another
  // begun) by a handler it called.
  std::uint32_t FCheckSerial = 0;
  // The word loop is inside PromptWord: a dialog command answering there asks the loop to go
  // on instead of entering it again, so a long text with many prompts answered by
  // OnPromptWord does not nest one loop per prompt.
  bool FPrompting = false;
  bool FContinuePending = false;
  bool FHourglass = false;
  // FinishCheck is running (a handler calling StopCheck from there must not enter it again).
  bool FFinishing = false;
  // The dialog form's own handlers while the component's are installed.
  TNotifyEvent FFormOnShow;
  TNotifyEvent FFormOnActivate;
  TNotifyEvent FFormOnDeactivate;
  bool FFormHooksInstalled = false;

  // The parts of the driver that touch controls and forms (Windows; on POSIX there are none).
  // The control of a Windows edit-control parser, or null.
  TObject* ParserControl();
  void DialogFormInstallHooks();
  void DialogFormRestoreHooks();
  void DialogFormShow(bool Modal);
  // Hides the form without closing it (before the end message).
  void DialogFormHideWindow();
  // A modal form gets modal result OK, a non-modal one is hidden.
  void DialogFormClose();
  void DialogFormRelease();
  [[nodiscard]] bool DialogFormShowingModal();
  void DialogFormStorePosition();
  void DialogFormSetHelp();
  // The dialog form's rectangle and its monitor; false without a form.
  [[nodiscard]] bool DialogFormGeometry(TDialogGeometry& Geometry);
  // Moves the dialog form's top-left corner to At (already placed: no clamping).
  void DialogFormMoveTo(TPoint At);
  // Placement by DialogInitialPos with the geometry known.
  void MoveDialogInWorkArea(TPoint At);

  // Driver steps shared by several operations.
  void SetHourglass(bool On);
  // CheckParser of both kinds: Owned is null for a borrowed parser, else it holds Parser.
  void RunCheck(TControlParser& Parser, std::unique_ptr<TControlParser> Owned, TCheckMode Mode);
  void FreeParser();
  // Ends the check without its events after an exception left it half done.
  void AbandonCheck(std::uint32_t Serial);
  // Restores the records taken back by one undo step.
  void UndoRecord(std::unique_ptr<TLexoroUndo> Record);
  // Puts R.Word back in place of R.Replacement.
  void RestoreFoundWord(const TLexoroUndo& R, TReplaceState State);

  TEventList FConfigChangedList;
  TEventList FIgnoreFiltersList;
  TParserIgnoreWordEventList FIgnoreWordList;
  TPopupResultEventList FPopupResultList;

  // Declared last: destroying it saves the configuration through the component's events, so
  // it must go first while the rest of the component is still whole.
  std::unique_ptr<TLexoroConfig> FConfig;
};

}  // namespace lexoro
