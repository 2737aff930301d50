// TLexoroSpellBase: the dictionary set. Turns the configured entries (bare file names looked
// up in the dictionary folders, or paths) into open dictionaries, lists what is available,
// manages custom dictionaries for the dialogs, and applies the options to the filters.
#include <algorithm>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

bool IsSeparator(char16_t Ch) { return Ch == u'\\' || Ch == u'/'; }

// The folder part of a path, without the final separator; empty for a bare name.
std::u16string FolderPart(const std::u16string& Path) {
  for (std::size_t i = Path.size(); i > 0; --i)
    if (IsSeparator(Path[i - 1])) return Path.substr(0, i - 1 == 0 ? 1 : i - 1);
  return std::u16string();
}

std::u16string NamePart(const std::u16string& Path) {
  for (std::size_t i = Path.size(); i > 0; --i)
    if (IsSeparator(Path[i - 1])) return Path.substr(i);
  return Path;
}

// Name with its extension replaced by ".oxu" (added when there is none).
std::u16string WithCustomExtension(const std::u16string& Name) {
  std::u16string base = NamePart(Name);
  const std::size_t dot = base.rfind(u'.');
  if (dot != std::u16string::npos && dot > 0) base.resize(dot);
  return base + u".oxu";
}

bool SameTextIgnoringCase(const std::u16string& A, const std::u16string& B) {
  return A.size() == B.size() && platform::LowerCase(A) == platform::LowerCase(B);
}

constexpr const char16_t* kOfficeKeys[] = {
    u"Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries",
    u"Software\\Microsoft\\Shared Tools\\Proofing Tools\\1.0\\Custom Dictionaries",
};

}  // namespace

// ---- Paths --------------------------------------------------------------------------------

std::u16string TLexoroSpellBase::ExpandConfigID(const std::u16string& Text) {
  if (Text.find(u"%ConfigID%") == std::u16string::npos) return Text;
  return ReplaceFirst(u"%ConfigID%", ExpandPathMacros(FConfigID), Text);
}

std::u16string TLexoroSpellBase::ExpandPath(const std::u16string& Text) {
  return NativePath(ExpandConfigID(ExpandPathMacros(Text)));
}

bool TLexoroSpellBase::IsPathEntry(const std::u16string& Entry) {
  return std::any_of(Entry.begin(), Entry.end(), IsSeparator);
}

std::u16string TLexoroSpellBase::JoinFolder(const std::u16string& Folder, const std::u16string& Entry) {
  std::u16string folder = Folder;
  while (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
  return ExpandPath(folder + platform::kPathDelimiter + Entry);
}

// ---- Listings -----------------------------------------------------------------------------

void TLexoroSpellBase::EmptyListings() {
  FMainDictionaryFiles.Clear();
  FCustomDictionaryFiles.Clear();
  FMSWordCustomDictionaryFiles.Clear();
}

void TLexoroSpellBase::FindDictionaryFiles(const std::u16string& Extension, TStringList& List) {
  EnsureConfigLoaded();
  for (const auto& folder : FSearchFolders.Items()) {
    std::u16string expanded = ExpandPath(folder);
    for (auto& name : platform::ListFilesWithExtension(expanded, Extension)) List.Add(name);
  }
  // The first folder wins.
  for (int i = 0; i < List.Count(); ++i)
    for (int j = List.Count() - 1; j > i; --j)
      if (List[j] == List[i]) List.Delete(j);
}

const TStringList& TLexoroSpellBase::MainDictionaryFiles() {
  if (FMainDictionaryFiles.Count() == 0) FindDictionaryFiles(u"oxm", FMainDictionaryFiles);
  return FMainDictionaryFiles;
}

const TStringList& TLexoroSpellBase::CustomDictionaryFiles() {
  if (FCustomDictionaryFiles.Count() == 0) FindDictionaryFiles(u"oxu", FCustomDictionaryFiles);
  const std::u16string active = FConfig->GetActiveCustom();
  if (!active.empty() && FCustomDictionaryFiles.IndexOf(active) < 0) FCustomDictionaryFiles.Insert(0, active);
  return FCustomDictionaryFiles;
}

const TStringList& TLexoroSpellBase::MSWordCustomDictionaryFiles() {
  if (FMSWordCustomDictionaryFiles.Count() > 0) return FMSWordCustomDictionaryFiles;
  const std::u16string appData =
      platform::SpecialFolder(platform::TSpecialFolder::sfAppData).value_or(std::u16string());
  auto append = [this](const std::u16string& Path) {
    if (!platform::FileExists(Path)) return;
    for (const auto& known : FMSWordCustomDictionaryFiles.Items())
      if (SameTextIgnoringCase(known, Path)) return;
    FMSWordCustomDictionaryFiles.Add(Path);
  };
  for (auto root : {platform::TRegistryRoot::rrCurrentUser, platform::TRegistryRoot::rrLocalMachine}) {
    for (const char16_t* key : kOfficeKeys) {
      for (int i = 1;; ++i) {
        const std::u16string name = text::Utf8ToUtf16(std::to_string(i));
        auto value = platform::ReadRegistryString(root, key, name);
        if (!value || value->empty()) break;
        if (value->find(u'\\') != std::u16string::npos) {
          append(*value);
        } else if (!appData.empty()) {
          append(appData + u"\\Microsoft\\Proof\\" + *value);
          append(appData + u"\\Microsoft\\UProof\\" + *value);
        }
      }
    }
  }
  return FMSWordCustomDictionaryFiles;
}

// ---- Opening dictionaries -----------------------------------------------------------------

std::unique_ptr<TMainDictionary> TLexoroSpellBase::OpenMainDictionary(const std::u16string& Entry) {
  auto dictionary = std::make_unique<TMainDictionary>();
  std::u16string tried;
  if (!IsPathEntry(Entry)) {
    for (const auto& folder : FSearchFolders.Items()) {
      tried = JoinFolder(folder, Entry);
      dictionary->Open(tried);
      if (dictionary->FileName() == tried) break;
    }
  } else {
    tried = ExpandPath(Entry);
    dictionary->Open(tried);
  }
  dictionary->SetConfigurationName(Entry);
  // Without any folder nothing was tried: an unopened dictionary is no dictionary.
  if (tried.empty() || dictionary->FileName() != tried) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> TLexoroSpellBase::OpenCustomDictionary(const std::u16string& Entry) {
  std::unique_ptr<TCustomDictionary> dictionary;
  if (OnCreateCustomDictionary) OnCreateCustomDictionary(this, dictionary);
  if (!dictionary) dictionary = std::make_unique<TCustomDictionary>();

  std::u16string path;
  if (!IsPathEntry(Entry)) {
    for (const auto& folder : FSearchFolders.Items()) {
      ForceDirectories(ExpandPath(folder));
      const std::u16string candidate = JoinFolder(folder, Entry);
      if (platform::FileExists(candidate)) {
        path = candidate;
        break;
      }
    }
    if (path.empty() && FSearchFolders.Count() > 0) path = JoinFolder(FSearchFolders[0], Entry);
  } else {
    path = ExpandPath(Entry);
    const std::u16string folder = FolderPart(path);
    if (!folder.empty()) ForceDirectories(folder);
  }
  if (path.empty() || Entry.empty()) return nullptr;

  // Whatever another open instance holds for this file is saved first, so that the new one
  // reads the current contents.
  if (FActiveCustomDictionary && FActiveCustomDictionary->FileName() == path) FActiveCustomDictionary->Flush();
  for (auto& other : FCustomDictionaries)
    if (other && other->FileName() == path) other->Flush();

  dictionary->SetFileName(path);
  if (dictionary->FileName() != path) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> TLexoroSpellBase::OpenWordList(const std::u16string& Path) {
  if (!platform::FileExists(Path)) return nullptr;
  auto dictionary = std::make_unique<TCustomDictionary>();
  if (auto bytes = platform::ReadWholeFile(Path))
    for (const auto& line : ParseWordList(*bytes)) dictionary->AddWord(line);
  return dictionary;
}

std::unique_ptr<TMainDictionary> TLexoroSpellBase::FindOrCreateMainDictionary(TMainDictionaryList& OldList,
                                                                               const std::u16string& Entry) {
  for (auto it = OldList.begin(); it != OldList.end(); ++it) {
    if (*it && (*it)->ConfigurationName() == Entry) {
      auto found = std::move(*it);
      OldList.erase(it);
      return found;
    }
  }
  return OpenMainDictionary(Entry);
}

// ---- The set --------------------------------------------------------------------------------

void TLexoroSpellBase::RebuildDictionarySet() {
  FEnglish = false;
  FReorderCountdown = 100;

  TMainDictionaryList old = std::move(FMainDictionaries);
  FMainDictionaries.clear();
  const TStringList mainEntries = FConfig->GetMainDictionaries();
  for (const auto& entry : mainEntries.Items()) {
    if (auto dictionary = FindOrCreateMainDictionary(old, entry)) {
      if ((dictionary->Language() & 0xFF) == 9) FEnglish = true;
      FMainDictionaries.push_back(std::move(dictionary));
    }
  }
  old.clear();

  const std::u16string active = FConfig->GetActiveCustom();
  FCustomDictionaries.clear();
  const TStringList customEntries = FConfig->GetCustomDictionaries();
  for (const auto& entry : customEntries.Items()) {
    if (entry == active || ExpandPath(entry) == active) continue;
    if (auto dictionary = OpenCustomDictionary(entry)) FCustomDictionaries.push_back(std::move(dictionary));
  }

  FMSWordDictionaries.clear();
  const TStringList officeEntries = FConfig->GetMSWordCustomDictionaries();
  for (const auto& path : officeEntries.Items())
    if (auto dictionary = OpenWordList(path)) FMSWordDictionaries.push_back(std::move(dictionary));

  FActiveCustomDictionary.reset();
  if (!active.empty()) FActiveCustomDictionary = OpenCustomDictionary(active);

  if (!FMappingDictionary && !FMappingDictionaryName.empty())
    FMappingDictionary = OpenCustomDictionary(FMappingDictionaryName);
  if (!FLearningDictionary && FSuggestionsLearning)
    FLearningDictionary = OpenCustomDictionary(FSuggestionsLearningDict);

  // Suggestions asked for outside a check (a live context menu, a host's own list) need the
  // language's letters as much as a check does.
  ApplyMainLanguage();
  DoDictionariesChanged();
}

void TLexoroSpellBase::SetEnglishFlag() {
  FEnglish = std::any_of(FMainDictionaries.begin(), FMainDictionaries.end(),
                         [](const auto& d) { return (d->Language() & 0xFF) == 9; });
}

void TLexoroSpellBase::ReorderMainDictionaries() {
  if (FMainDictionaries.size() > 1) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < FMainDictionaries.size(); ++i)
      if (FMainDictionaries[i]->WordsFound() > FMainDictionaries[best]->WordsFound()) best = i;
    if (best != 0) {
      auto moved = std::move(FMainDictionaries[best]);
      FMainDictionaries.erase(FMainDictionaries.begin() + static_cast<std::ptrdiff_t>(best));
      FMainDictionaries.insert(FMainDictionaries.begin(), std::move(moved));
    }
  }
  ApplyMainLanguage();
}

void TLexoroSpellBase::ApplyMainLanguage() {
  if (FMainDictionaries.empty()) return;
  FSuggestionsGenerator->SetLanguage(FMainDictionaries.front()->Language());
  if (auto* engine = dynamic_cast<TMainParsingEngine*>(FParsingEngine.get()))
    engine->SetLanguage(FSuggestionsGenerator->Language());
}

void TLexoroSpellBase::CountCheckedWord() {
  if (FReorderCountdown > 0 && --FReorderCountdown == 0) ReorderMainDictionaries();
}

std::int32_t TLexoroSpellBase::MainLanguage() {
  return FMainDictionaries.empty() ? 0 : FMainDictionaries.front()->Language();
}

void TLexoroSpellBase::ConfigChanged(bool RebuildDictionaries) {
  FSearchFolders.Assign(FConfigDictionaryDir);
  if (FConfig->Loaded()) FSearchFolders.AddStrings(FConfig->GetNewPaths());
  EmptyListings();
  if (RebuildDictionaries) {
    const std::u16string remembered = FActiveCustomDictionary ? FActiveCustomDictionary->FileName() : std::u16string();
    if (FConfig->Loaded()) RebuildDictionarySet();
    if (!FActiveCustomDictionary || FActiveCustomDictionary->FileName() != remembered) ClearUndo();
  }
  UpdateIgnoreFilters(false);
  DoConfigChanged();
}

void TLexoroSpellBase::UpdateIgnoreFilters(bool Force) {
  if (IsLoading() || IsDesigning() || !FConfig->Loaded()) return;
  const TSpellOptions options = FConfig->GetOptions();
  if (!Force && FOptionsApplied && options == FAppliedOptions) return;
  FOptionsApplied = true;
  FAppliedOptions = options;

  ClearIgnoreFilters();
  TIgnoreFilterChoice choice;
  choice.Internet = options.Contains(soInternet);
  choice.Upcase = options.Contains(soUpcase);
  choice.Numbers = options.Contains(soNumbers);
  choice.HTML = options.Contains(soHTML);
  choice.Quoted = options.Contains(soQuoted);
  choice.Abbreviations = options.Contains(soAbbreviations);
  choice.QuoteChars = FConfig->GetQuoteChars();
  AddStandardIgnoreFilters(FIgnoreFilters, choice);

  FPrimaryOnly = options.Contains(soPrimaryOnly);
  FRepeated = options.Contains(soRepeated);
  FDualCaps = options.Contains(soDUalCaps);
  FLiveSpelling = options.Contains(soLiveSpelling);
  FLiveCorrect = options.Contains(soLiveCorrect);

  DoAddCustomIgnore();
}

void TLexoroSpellBase::ReleaseDictionaries() {
  if (FKeepDictionariesActive || FChecking) return;
  FConfig->Save();
  for (auto& dictionary : FMainDictionaries) dictionary->SetActive(false);
  if (FActiveCustomDictionary) FActiveCustomDictionary->SetLoaded(false);
  for (auto& dictionary : FCustomDictionaries) dictionary->SetLoaded(false);
  if (FLearningDictionary) FLearningDictionary->SetLoaded(false);
}

void TLexoroSpellBase::SetKeepDictionariesActive(bool Value) {
  if (FKeepDictionariesActive == Value) return;
  FKeepDictionariesActive = Value;
  if (!Value) ReleaseDictionaries();
}

// ---- Mapping and learning dictionaries ----------------------------------------------------

void TLexoroSpellBase::SetMappingDictionaryName(const std::u16string& Value) {
  if (FMappingDictionaryName == Value) return;
  FMappingDictionaryName = Value;
  FMappingDictionary.reset();
  if (!FMainDictionaries.empty()) RebuildDictionarySet();
}

void TLexoroSpellBase::SetSuggestionsLearning(bool Value) {
  if (FSuggestionsLearning == Value) return;
  FSuggestionsLearning = Value;
  FLearningDictionary.reset();
  if (Value && FConfig->Loaded()) RebuildDictionarySet();
}

void TLexoroSpellBase::SetSuggestionsLearningDict(const std::u16string& Value) {
  if (FSuggestionsLearningDict == Value) return;
  FSuggestionsLearningDict = Value;
  if (FLearningDictionary && FSuggestionsLearning) {
    FLearningDictionary.reset();
    RebuildDictionarySet();
  }
}

// ---- Custom dictionaries for the dialogs --------------------------------------------------

void TLexoroSpellBase::SetCustomDictionaryActive(const std::u16string& Entry, bool Active) {
  TStringList& custom = FConfig->GetCustomDictionaries();
  const int index = custom.IndexOf(Entry);
  if (index >= 0) {
    if (Active) return;
    const std::u16string activeEntry = FConfig->GetActiveCustom();
    const bool wasActive = activeEntry == Entry || activeEntry == ExpandPath(Entry);
    custom.Delete(index);
    if (wasActive) FConfig->SetActiveCustom(custom.Count() > 0 ? custom[0] : std::u16string());
    return;
  }
  if (!Active) return;
  if (OpenCustomDictionary(Entry)) custom.Add(Entry);
}

void TLexoroSpellBase::SetMSWordDictionaryActive(const std::u16string& Path, bool Active) {
  TStringList& office = FConfig->GetMSWordCustomDictionaries();
  const int index = office.IndexOf(Path);
  if (index >= 0) {
    if (!Active) office.Delete(index);
    return;
  }
  if (Active && platform::FileExists(Path)) office.Add(Path);
}

void TLexoroSpellBase::NewCustomDictionary(const std::u16string& Name) {
  const std::u16string entry = WithCustomExtension(Name);
  if (auto dictionary = OpenCustomDictionary(entry)) {
    // Loading a file that does not exist yet marks the dictionary modified; the flush then
    // creates the file.
    dictionary->SetLoaded(true);
    dictionary->Flush();
  }
  TStringList& custom = FConfig->GetCustomDictionaries();
  if (custom.IndexOf(entry) < 0) custom.Add(entry);
  FCustomDictionaryFiles.Clear();
}

bool TLexoroSpellBase::RenameCustomDictionary(const std::u16string& Entry, const std::u16string& NewName) {
  if (NewName == Entry || CustomDictionaryFiles().IndexOf(Entry) < 0) return false;
  auto dictionary = OpenCustomDictionary(Entry);
  if (!dictionary) return false;
  const std::u16string newEntry = WithCustomExtension(NewName);
  std::u16string folder = FolderPart(dictionary->FileName());
  const std::u16string newPath = folder.empty() ? newEntry : folder + platform::kPathDelimiter + newEntry;
  if (platform::FileExists(newPath) || platform::DirectoryExists(newPath) || !CanCreateFile(newPath)) return false;

  dictionary->SetLoaded(true);
  dictionary->Flush();
  const std::u16string oldPath = dictionary->FileName();
  dictionary.reset();
  // An open instance of the same file must not write it back under the old name.
  if (FActiveCustomDictionary && FActiveCustomDictionary->FileName() == oldPath) FActiveCustomDictionary->Flush();
  for (auto& other : FCustomDictionaries)
    if (other->FileName() == oldPath) other->Flush();
  if (!platform::RenameFile(oldPath, newPath)) return false;

  const std::u16string activeEntry = FConfig->GetActiveCustom();
  const bool wasActive = activeEntry == Entry || activeEntry == ExpandPath(Entry);
  TStringList& custom = FConfig->GetCustomDictionaries();
  const int index = custom.IndexOf(Entry);
  if (index >= 0) custom.Delete(index);
  if (custom.IndexOf(newEntry) < 0) custom.Add(newEntry);
  if (wasActive) FConfig->SetActiveCustom(newEntry);
  FCustomDictionaryFiles.Clear();
  return true;
}

bool TLexoroSpellBase::DeleteCustomDictionary(const std::u16string& Entry, bool Confirm) {
  FCustomDictionaryFiles.Clear();
  std::u16string path;
  if (auto dictionary = OpenCustomDictionary(Entry)) path = dictionary->FileName();
  if (path.empty() || !platform::FileExists(path)) {
    SetCustomDictionaryActive(Entry, false);
    return true;
  }
  // Release every open instance of the file first, so that none writes it back.
  if (FActiveCustomDictionary && FActiveCustomDictionary->FileName() == path) FActiveCustomDictionary->Flush();
  for (auto& other : FCustomDictionaries)
    if (other->FileName() == path) other->Flush();
  if (!DeleteToRecycleBin(path, Confirm)) return false;
  SetCustomDictionaryActive(Entry, false);
  return true;
}

}  // namespace lexoro
