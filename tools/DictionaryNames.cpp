#include "tools/DictionaryNames.h"

#include <string_view>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro::tools {

namespace {

struct TLocale {
  std::u16string_view Name;
  std::int32_t Language;
};

// Locales with a region and their Windows language identifiers.
constexpr TLocale kLocales[] = {
    {u"en_us", 1033}, {u"en_gb", 2057}, {u"en_au", 3081}, {u"en_ca", 4105}, {u"de_de", 1031}, {u"de_at", 3079},
    {u"de_ch", 2055}, {u"fr_fr", 1036}, {u"fr_be", 2060}, {u"fr_ca", 3084}, {u"fr_ch", 4108}, {u"es_es", 3082},
    {u"es_mx", 2058}, {u"it_it", 1040}, {u"it_ch", 2064}, {u"pt_br", 1046}, {u"pt_pt", 2070}, {u"nl_nl", 1043},
    {u"nl_be", 2067}, {u"sv_se", 1053}, {u"sv_fi", 2077}, {u"da_dk", 1030}, {u"pl_pl", 1045}, {u"ca_es", 1027},
    {u"ru_ru", 1049}, {u"cs_cz", 1029}, {u"sk_sk", 1051}, {u"hu_hu", 1038}, {u"nb_no", 1044}, {u"fi_fi", 1035},
    {u"uk_ua", 1058},
};

// Bare languages: the code and names in English and in the language itself, with the
// primary language, or a whole identifier where a name means one country's variety.
constexpr TLocale kLanguages[] = {
    {u"en", 9},          {u"english", 9},       {u"american", 1033}, {u"british", 2057},     {u"de", 7},
    {u"german", 7},      {u"deutsch", 7},       {u"fr", 12},         {u"french", 12},        {u"fran\u00e7ais", 12},
    {u"francais", 12},   {u"es", 10},           {u"spanish", 10},    {u"espa\u00f1ol", 10},  {u"espanol", 10},
    {u"castellano", 10}, {u"it", 16},           {u"italian", 16},    {u"italiano", 16},      {u"pt", 22},
    {u"portuguese", 22}, {u"portugu\u00eas", 22}, {u"brazilian", 1046}, {u"nl", 19},        {u"dutch", 19},
    {u"nederlands", 19}, {u"sv", 29},           {u"swedish", 29},    {u"svenska", 29},       {u"da", 6},
    {u"danish", 6},      {u"dansk", 6},         {u"pl", 21},         {u"polish", 21},        {u"polski", 21},
    {u"ca", 3},          {u"catalan", 3},       {u"catal\u00e0", 3}, {u"catala", 3},         {u"ru", 25},
    {u"russian", 25},    {u"\u0440\u0443\u0441\u0441\u043a\u0438\u0439", 25}, {u"cs", 5}, {u"czech", 5},
};

bool EndsWithExtension(const std::u16string& lower) { return lower.size() > 4 && lower.ends_with(u".oxm"); }

bool HasFolder(const std::u16string& name) {
  for (char16_t c : name)
    if (platform::IsPathDelimiter(c)) return true;
  return false;
}

std::u16string Join(const std::u16string& folder, const std::u16string& file) {
  if (folder.empty() || platform::IsPathDelimiter(folder.back())) return folder + file;
  return folder + platform::kPathDelimiter + file;
}

}  // namespace

std::optional<std::int32_t> LanguageOfName(const std::u16string& Name) {
  // "de-DE", "de_DE.UTF-8" and "de_DE@euro" all name de_DE.
  std::u16string key = platform::LowerCase(Name);
  if (const auto end = key.find_first_of(u".@"); end != std::u16string::npos) key.resize(end);
  for (auto& c : key)
    if (c == u'-') c = u'_';
  for (const auto& locale : kLocales)
    if (key == locale.Name) return locale.Language;
  for (const auto& language : kLanguages)
    if (key == language.Name) return language.Language;
  return std::nullopt;
}

std::optional<std::u16string> FindMainDictionary(const std::u16string& Name, const std::vector<std::u16string>& Folders) {
  if (Name.empty()) return std::nullopt;
  const std::u16string lower = platform::LowerCase(Name);
  if (HasFolder(Name) || EndsWithExtension(lower)) return Name;

  std::vector<std::pair<std::u16string, std::u16string>> files;  // (path, file name), search order
  for (const auto& entry : Folders) {
    const std::u16string folder = NativePath(ExpandPathMacros(entry));
    for (const auto& file : platform::ListFilesWithExtension(folder, u"oxm")) files.emplace_back(Join(folder, file), file);
  }
  for (const auto& [path, file] : files)
    if (platform::LowerCase(file) == lower + u".oxm") return file;

  const auto language = LanguageOfName(Name);
  if (!language) return std::nullopt;
  const bool exact = *language > 0xFF;
  std::optional<std::u16string> sameLanguage;
  for (const auto& [path, file] : files) {
    TMainDictionary dictionary;
    dictionary.Open(path);
    if (dictionary.FileName() != path) continue;
    if (exact && dictionary.Language() == *language) return file;
    if (!sameLanguage && (dictionary.Language() & 0xFF) == (*language & 0xFF)) sameLanguage = file;
  }
  return sameLanguage;
}

}  // namespace lexoro::tools
