// The dictionaries the build ships beyond English, as a host uses them: found by name, their
// source words found, one-edit misspellings corrected within the first five suggestions, and
// French and Russian words found through their languages' phonetic rules. Skipped for a
// language whose dictionary was not built (its Debian package missing).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "tests/engine/SpellBaseTestSupport.h"
#include "tools/ToolCommon.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

struct TLanguage {
  std::string Name;
  std::int32_t Language = 0;
  std::string Locale;
  std::string Encoding;
  std::vector<std::string> Sources;  // paths of the build machine
};

std::string DataDir() { return test::BuildDir() + "/data"; }

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// build/data/languages.tsv: what the build compiled each dictionary from.
std::vector<TLanguage> ShippedLanguages() {
  std::vector<TLanguage> languages;
  std::ifstream in(DataDir() + "/languages.tsv");
  for (std::string line; std::getline(in, line);) {
    const auto f = Fields(line);
    if (f.size() < 5) continue;
    TLanguage language{f[0], std::stoi(f[1]), f[2], f[3], {f.begin() + 4, f.end()}};
    languages.push_back(std::move(language));
  }
  return languages;
}

bool Built(const std::string& name) { return platform::FileExists(U16(DataDir() + "/" + name + ".oxm")); }

TEST(ShippedLanguages, EveryDictionaryHoldsItsSourceWords) {
  const auto languages = ShippedLanguages();
  if (languages.empty()) GTEST_SKIP() << "the data of other languages was not built";
  for (const auto& language : languages) {
    if (!Built(language.Name)) continue;
    TMainDictionary d;
    d.Open(U16(DataDir() + "/" + language.Name + ".oxm"));
    ASSERT_FALSE(d.FileName().empty()) << language.Name;
    EXPECT_EQ(d.Language(), language.Language) << language.Name;
    // Two hundred words spread over each list, in the list's encoding.
    for (const auto& source : language.Sources) {
      auto bytes = tools::ReadFileUtf8Path(test::HostPath(source));
      ASSERT_TRUE(bytes) << source;
      auto text = tools::TextToUtf8(std::move(*bytes), language.Encoding);
      ASSERT_TRUE(text) << language.Encoding;
      const auto words = tools::SplitLines(*text);
      const std::size_t step = std::max<std::size_t>(1, words.size() / 200);
      std::size_t missing = 0;
      for (std::size_t i = 0; i < words.size(); i += step) {
        std::string word = words[i];
        while (!word.empty() && (word.back() == ' ' || word.back() == '\t')) word.pop_back();
        if (word.empty() || word.starts_with("\xEF\xBB\xBF")) continue;
        if (!d.Lookup(U16(word)) && ++missing <= 3) ADD_FAILURE() << language.Name << ": not found: " << word;
      }
      EXPECT_EQ(missing, 0u) << language.Name << " " << source;
    }
  }
}

// The first five suggestions the component makes for Word.
std::vector<std::string> FirstFive(TLexoroSpellBase& spell, const std::string& word) {
  TStringList suggestions;
  spell.GetSuggestions(U16(word), suggestions);
  std::vector<std::string> first;
  for (const auto& s : suggestions.Items()) {
    if (first.size() == 5) break;
    first.push_back(U8(s));
  }
  return first;
}

bool Holds(const std::vector<std::string>& list, const std::string& word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// tests/data/languages/misspellings.tsv: language, misspelling, the word meant. Source words
// with one random edit each, drawn once with a fixed seed.
TEST(ShippedLanguages, OneEditMisspellingsGetTheirWordAmongTheFirstFive) {
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> cases;
  std::ifstream in(test::TestDataDir() + "/languages/misspellings.tsv");
  for (std::string line; std::getline(in, line);) {
    const auto f = Fields(line);
    if (f.size() == 3) cases[f[0]].emplace_back(f[1], f[2]);
  }
  ASSERT_GE(cases.size(), 11u);
  for (const auto& [name, pairs] : cases) {
    if (!Built(name)) continue;
    auto spell = test::MakeSpell(U16(DataDir()), TStringList{U16(name + ".oxm")}, TStringList{}, u"");
    spell->SetMaxSuggestions(10);  // as a dialog shows them, and fast
    for (const auto& [wrong, right] : pairs) {
      EXPECT_FALSE(spell->WordAcceptable(U16(wrong))) << name << ": " << wrong;
      const auto first = FirstFive(*spell, wrong);
      EXPECT_TRUE(Holds(first, right)) << name << ": " << wrong << " -> " << ::testing::PrintToString(first);
    }
  }
}

// Words two edits away, out of the edit generator's reach: only the language's phonetic rules
// find them (French: b/p, d/t, s/x/z share codes; Russian: о/а, т/д, unstressed vowels).
TEST(ShippedLanguages, FrenchAndRussianWordsAreFoundThroughTheirPhoneticRules) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"French", "rezultat", "r\xC3\xA9sultat"},
      {"French", "apartemant", "appartement"},
      {"Russian", "\xD1\x82\xD0\xB8\xD0\xBB\xD0\xB8\xD1\x84\xD0\xBE\xD0\xBD",  // тилифон
       "\xD1\x82\xD0\xB5\xD0\xBB\xD0\xB5\xD1\x84\xD0\xBE\xD0\xBD"},           // телефон
      {"Russian", "\xD1\x85\xD0\xB0\xD1\x80\xD0\xB0\xD1\x88\xD0\xBE",          // харашо
       "\xD1\x85\xD0\xBE\xD1\x80\xD0\xBE\xD1\x88\xD0\xBE"},                    // хорошо
  };
  for (const auto& [name, wrong, right] : cases) {
    if (!Built(name)) continue;
    auto spell = test::MakeSpell(U16(DataDir()), TStringList{U16(name + ".oxm")}, TStringList{}, u"");
    const auto with = FirstFive(*spell, wrong);
    EXPECT_TRUE(Holds(with, right)) << wrong << " " << ::testing::PrintToString(with);
    spell->SetPhoneticSuggestions(false);
    EXPECT_FALSE(Holds(FirstFive(*spell, wrong), right)) << wrong;
  }
}

TEST(ShippedLanguages, TheCheckCommandFindsThemByLocaleAndName) {
  if (!Built("German") || !Built("Russian")) GTEST_SKIP() << "not built";
  for (const std::string name : {"de_DE", "german", "deutsch", "German.oxm"}) {
    const auto r = test::RunLexoro({"check", "--dict-dir", DataDir(), "--main", name, "--max", "3"},
                                   "Das Haus ist sch\xC3\xB6n, der Fehlr nicht.\n");
    EXPECT_EQ(r.Code, 1) << name << r.Err;
    EXPECT_EQ(r.Out.substr(0, r.Out.find(',')), "1:25: Fehlr: Fehler") << name;
  }
  const auto r = test::RunLexoro({"check", "--dict-dir", DataDir(), "--main", "ru", "--max", "1"},
                                 "\xD1\x85\xD0\xBB\xD0\xB5\xD0\xBF\n");  // хлеп
  EXPECT_EQ(r.Out, "1:1: \xD1\x85\xD0\xBB\xD0\xB5\xD0\xBF: \xD1\x85\xD0\xBB\xD0\xB5\xD0\xB1\n");  // хлеб
}

}  // namespace
}  // namespace lexoro
