#include "lexoro/engine/ox3Configuration.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

// The option keys in the order they are read and written.
struct TOptionKey {
  const char16_t* Key;
  TSpellOption Option;
};
constexpr std::array<TOptionKey, 15> kOptionKeys = {{
    {u"_soUpcase", soUpcase},
    {u"_soNumbers", soNumbers},
    {u"_soHTML", soHTML},
    {u"_soInternet", soInternet},
    {u"_soQuoted", soQuoted},
    {u"_soAbbreviations", soAbbreviations},
    {u"_soPrimaryOnly", soPrimaryOnly},
    {u"_soRepeated", soRepeated},
    {u"_soDUalCaps", soDUalCaps},
    {u"_soLiveSpelling", soLiveSpelling},
    {u"_soLiveCorrect", soLiveCorrect},
    {u"_soUser1", soUser1},
    {u"_soUser2", soUser2},
    {u"_soUser3", soUser3},
    {u"_soUser4", soUser4},
}};

constexpr char16_t kSet[] = u"+";
constexpr char16_t kUnset[] = u"-";
constexpr char16_t kUserPrefix[] = u"User_";

std::u16string Decimal(long long value) { return text::Utf8ToUtf16(std::to_string(value)); }

// A whole decimal number (optional sign, ASCII digits, blanks around it allowed) that fits
// 32 bits; no value otherwise.
std::optional<std::int32_t> ParseInt32(const std::u16string& text) {
  std::string ascii;
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(text[i]));
  }
  if (!ascii.empty() && ascii.front() == '+') ascii.erase(0, 1);
  std::int32_t value = 0;
  const char* first = ascii.data();
  const char* last = first + ascii.size();
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ascii.empty() || ec != std::errc() || ptr != last) return std::nullopt;
  return value;
}

}  // namespace

TLexoroConfig::TLexoroConfig(TLexoroSpellBase* Owner) : FOwner(Owner) {
  FNewPaths.SetSorted(true);
  FNewPaths.SetDuplicates(TDuplicates::dupIgnore);
  for (TStringList* list : {&FMainDictionaries, &FCustomDictionaries, &FMSWordCustomDictionaries, &FNewPaths})
    list->SetOnChange([this](TObject* Sender) { ListChanged(Sender); });
}

TLexoroConfig::~TLexoroConfig() {
  // A handler that throws while the component goes away cannot be answered any more.
  try {
    Save();
  } catch (...) {
  }
}

// ---- Setters ------------------------------------------------------------------------------

void TLexoroConfig::SetActiveCustom(const std::u16string& Entry) {
  if (Entry == FActiveCustom) return;
  FActiveCustom = Entry;
  // An empty entry names no dictionary and is not added to the list.
  if (!Entry.empty() && FCustomDictionaries.IndexOf(Entry) < 0) FCustomDictionaries.Add(Entry);
  Changed(true);
}

void TLexoroConfig::SetLoaded(bool Value) {
  if (Value == FLoaded) return;
  if (Value) {
    Load();
  } else {
    Save();
    FLoaded = false;
  }
}

void TLexoroConfig::SetOptions(TSpellOptions Options) {
  if (Options == FOptions) return;
  FOptions = Options;
  Changed(false);
}

void TLexoroConfig::SetDialogX(std::int32_t X) {
  if (X == FDialogX) return;
  FDialogX = X;
  Changed(false);
}

void TLexoroConfig::SetDialogY(std::int32_t Y) {
  if (Y == FDialogY) return;
  FDialogY = Y;
  Changed(false);
}

void TLexoroConfig::SetQuoteChars(const std::u16string& Chars) {
  if (Chars == FQuoteChars) return;
  FQuoteChars = Chars;
  Changed(false);
}

// ---- Getters ------------------------------------------------------------------------------

TStringList& TLexoroConfig::GetMainDictionaries() {
  EnsureLoaded();
  return FMainDictionaries;
}

TStringList& TLexoroConfig::GetCustomDictionaries() {
  EnsureLoaded();
  return FCustomDictionaries;
}

TStringList& TLexoroConfig::GetMSWordCustomDictionaries() {
  EnsureLoaded();
  return FMSWordCustomDictionaries;
}

std::u16string TLexoroConfig::GetActiveCustom() {
  EnsureLoaded();
  return FOwner != nullptr ? FOwner->ExpandPath(FActiveCustom) : FActiveCustom;
}

TSpellOptions TLexoroConfig::GetOptions() {
  EnsureLoaded();
  return FOptions;
}

std::int32_t TLexoroConfig::GetDialogX() {
  EnsureLoaded();
  return FDialogX;
}

std::int32_t TLexoroConfig::GetDialogY() {
  EnsureLoaded();
  return FDialogY;
}

TStringList& TLexoroConfig::GetNewPaths() {
  EnsureLoaded();
  return FNewPaths;
}

std::u16string TLexoroConfig::GetQuoteChars() {
  EnsureLoaded();
  return FQuoteChars;
}

// ---- Changes ------------------------------------------------------------------------------

void TLexoroConfig::ListChanged(TObject* Sender) { Changed(true); }

void TLexoroConfig::Changed(bool RebuildDictionaries) {
  if (!FLoaded || FOwner == nullptr) return;
  FModified = true;
  FOwner->ConfigChanged(RebuildDictionaries);
}

// ---- Store access -------------------------------------------------------------------------

void TLexoroConfig::ReadWriteList(const std::u16string& Prefix, TStringList& List, bool Reading) {
  const std::u16string countKey = Prefix + u"_count";
  if (Reading) {
    const std::u16string countText = ReadString(countKey, kUnset);
    if (countText == kUnset) return;
    int count = ParseInt32(countText).value_or(0);
    if (count > kMaxListCount) count = kMaxListCount;
    for (int i = 0; i < count; ++i) {
      const std::u16string item = ReadString(Prefix + u"_" + Decimal(i), std::u16string());
      if (!item.empty()) List.Add(item);
    }
    return;
  }
  WriteString(countKey, Decimal(List.Count()));
  for (int i = 0; i < List.Count(); ++i) WriteString(Prefix + u"_" + Decimal(i), List[i]);
}

std::u16string TLexoroConfig::ReadString(const std::u16string& Key, const std::u16string& Default) {
  switch (FStorage) {
    case csFile:
    case csRegistry:
      return FStore ? FStore->ReadString(FConfigID, Key, Default) : Default;
    case csCallback: {
      std::u16string value = Default;
      if (FOwner != nullptr) FOwner->DoConfigReadString(FConfigID, Key, value, Default);
      return value;
    }
    case csNone:
      break;
  }
  return Default;
}

void TLexoroConfig::WriteString(const std::u16string& Key, const std::u16string& Value) {
  switch (FStorage) {
    case csFile:
    case csRegistry:
      // After the first failure the store is gone and the rest of the save is skipped.
      if (FStore && !FStore->WriteString(FConfigID, Key, Value)) {
        FStore.reset();
        FWriteFailed = true;
      }
      break;
    case csCallback:
      if (FOwner != nullptr) FOwner->DoConfigWriteString(FConfigID, Key, Value);
      break;
    case csNone:
      break;
  }
}

void TLexoroConfig::OpenStore(bool ForWriting) {
  FStore.reset();
  FWriteFailed = false;
  if (FStorage == csFile) {
    const std::u16string folder = FolderOfPath(FFileName);
    if (!folder.empty() && !platform::DirectoryExists(folder)) ForceDirectories(folder);
    FStore = platform::OpenIniFileStore(FFileName, ForWriting);
  } else if (FStorage == csRegistry) {
    FStore = platform::OpenRegistryStore(FRegistryKey, ForWriting);
  }
}

// ---- Load and save ------------------------------------------------------------------------

void TLexoroConfig::Load() {
  FLoaded = false;
  FLoading = true;
  struct TLoadingGuard {
    TLexoroConfig* Self;
    ~TLoadingGuard() {
      Self->FLoading = false;
      Self->FStore.reset();
    }
  } guard{this};

  if (FOwner != nullptr) {
    FStorage = FOwner->ConfigStorage();
    FConfigID = FOwner->ExpandPath(FOwner->ConfigID());
    if (FStorage == csFile) FFileName = FOwner->ExpandPath(FOwner->ConfigFilename());
    if (FStorage == csRegistry) FRegistryKey = FOwner->ExpandPath(FOwner->ConfigRegistryKey());
  } else {
    FStorage = csNone;
  }
  OpenStore(false);

  const bool firstRun = ReadString(u"_FirstRun", kUnset) == kUnset || FResetNextLoad;
  FResetNextLoad = false;
  if (FOwner != nullptr) FOwner->DoConfigBeforeLoad(firstRun);

  // The active entry is set afresh below, so that it always lands in the custom list.
  FActiveCustom.clear();
  if (firstRun) {
    FMainDictionaries.Clear();
    FCustomDictionaries.Clear();
    FMSWordCustomDictionaries.Clear();
    if (FOwner != nullptr) {
      FMainDictionaries.Assign(FOwner->ConfigDefaultMain());
      FCustomDictionaries.Assign(FOwner->ConfigDefaultCustom());
      if (FOwner->ConfigUseMSWordCustom() && FOwner->ConfigDefaultUseMSWordCustom())
        FMSWordCustomDictionaries.Assign(FOwner->MSWordCustomDictionaryFiles());
      FOptions = FOwner->ConfigDefaultOptions();
      FQuoteChars = FOwner->QuoteChars();
    } else {
      FOptions = TSpellOptions();
      FQuoteChars = u">";
    }
    FDialogX = -1;
    FDialogY = -1;
    FNewPaths.Clear();
    if (FOwner != nullptr)
      SetActiveCustom(ExpandNameMacros(FOwner->ExpandConfigID(FOwner->ConfigDefaultActiveCustom())));
  } else {
    FMainDictionaries.Clear();
    ReadWriteList(u"_Main", FMainDictionaries, true);
    FCustomDictionaries.Clear();
    ReadWriteList(u"_Custom", FCustomDictionaries, true);
    FMSWordCustomDictionaries.Clear();
    ReadWriteList(u"_MSWordCustom", FMSWordCustomDictionaries, true);
    SetActiveCustom(ReadString(u"_ActiveCustom", std::u16string()));
    TSpellOptions options;
    for (const auto& entry : kOptionKeys)
      if (ReadString(entry.Key, kUnset) == kSet) options.Include(entry.Option);
    FOptions = options;
    // A position that is not a number counts as none.
    FDialogX = ParseInt32(ReadString(u"_DialogX", u"-1")).value_or(-1);
    FDialogY = ParseInt32(ReadString(u"_DialogY", u"-1")).value_or(-1);
    ReadWriteList(u"_NewPaths", FNewPaths, true);
    SetQuoteChars(ReadString(u"_QuoteChars", std::u16string()));
    FUserNames.Clear();
    FUserValues.Clear();
    ReadWriteList(u"_UserData", FUserNames, true);
    for (int i = 0; i < FUserNames.Count(); ++i)
      FUserValues.Add(ReadString(kUserPrefix + FUserNames[i], std::u16string()));
  }

  FLoaded = true;
  FModified = false;
  FLoading = false;
  if (FOwner != nullptr) FOwner->DoConfigLoaded();
  // Marks the settings modified again (so the next save records "_FirstRun") and has the
  // component rebuild its dictionaries and filters.
  Changed(true);
}

void TLexoroConfig::EnsureLoaded() {
  if (!FLoaded && !FLoading) Load();
}

std::u16string TLexoroConfig::GetUserData(const std::u16string& Name) {
  EnsureLoaded();
  const int index = FUserNames.IndexOf(Name);
  return index >= 0 && index < FUserValues.Count() ? FUserValues[index] : std::u16string();
}

void TLexoroConfig::SetUserData(const std::u16string& Name, const std::u16string& Value) {
  EnsureLoaded();
  if (!FLoaded) return;
  FModified = true;
  const int index = FUserNames.IndexOf(Name);
  if (index >= 0) {
    while (FUserValues.Count() <= index) FUserValues.Add(std::u16string());
    FUserValues.SetStrings(index, Value);
  } else {
    // Values first: a name never stands without its value.
    while (FUserValues.Count() < FUserNames.Count()) FUserValues.Add(std::u16string());
    FUserValues.Add(Value);
    FUserNames.Add(Name);
  }
  Changed(false);
}

void TLexoroConfig::ResetToDefaults() {
  FResetNextLoad = true;
  Reload();
}

void TLexoroConfig::Reload() {
  if (!FLoaded) return;
  Save();
  Load();
}

void TLexoroConfig::Save() {
  if (!FModified || !FLoaded) return;
  if (FOwner != nullptr && FOwner->IsDesigning()) return;

  struct TStoreGuard {
    TLexoroConfig* Self;
    ~TStoreGuard() { Self->FStore.reset(); }
  } guard{this};
  OpenStore(true);

  if (FStorage != csNone) {
    WriteString(u"_FirstRun", kSet);
    ReadWriteList(u"_Main", FMainDictionaries, false);
    ReadWriteList(u"_Custom", FCustomDictionaries, false);
    ReadWriteList(u"_MSWordCustom", FMSWordCustomDictionaries, false);
    WriteString(u"_ActiveCustom", FActiveCustom);
    for (const auto& entry : kOptionKeys) WriteString(entry.Key, FOptions.Contains(entry.Option) ? kSet : kUnset);
    WriteString(u"_DialogX", Decimal(FDialogX));
    WriteString(u"_DialogY", Decimal(FDialogY));
    ReadWriteList(u"_NewPaths", FNewPaths, false);
    WriteString(u"_QuoteChars", FQuoteChars);
    ReadWriteList(u"_UserData", FUserNames, false);
    for (int i = 0; i < FUserValues.Count() && i < FUserNames.Count(); ++i)
      WriteString(kUserPrefix + FUserNames[i], FUserValues[i]);
  }
  if (FStore && !FStore->Commit()) FWriteFailed = true;
  FStore.reset();

  // A save the store did not take leaves the settings modified: nothing is reported as saved,
  // and the next save writes them again.
  if (FWriteFailed) {
    FWriteFailed = false;
    return;
  }
  FModified = false;
  if (FOwner != nullptr) FOwner->DoConfigSaved();
}

}  // namespace lexoro
