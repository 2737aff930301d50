// The phonetic and candidates commands, and the candidates the shipped American dictionary
// gives for common misspellings.
#include <gtest/gtest.h>

#include <algorithm>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/suggestions/ox3Suggestions.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

TEST(SuggestionCommands, PhoneticPrintsWordAndCode) {
  auto r = test::RunLexoro({"phonetic", "phone", "Knight", "accommodation"});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, "phone\tphn\nKnight\tknt\naccommodation\takmtxn\n");
  r = test::RunLexoro({"phonetic", "--depth", "3", "--language", "1036"}, "pomme\r\nchat\n");
  EXPECT_EQ(r.Out, "pomme\tpom\nchat\tchad\n");
  r = test::RunLexoro({"phonetic", "--depth", "0", "x"});
  EXPECT_EQ(r.Code, 2);
}

TEST(SuggestionCommands, CandidatesMarksEditAndPhoneticCandidates) {
  test::TScratchDir dir;
  test::WriteText(dir.Path("words.txt"), "the\nthen\nfine\nfond\nfont\nFiona\n");
  auto r = test::RunLexoro({"compile-dict", "-o", dir.Path("d.oxm"), dir.Path("words.txt")});
  ASSERT_EQ(r.Code, 0) << r.Err;

  r = test::RunLexoro({"candidates", dir.Path("d.oxm"), "teh", "fone", "xyzzy"});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "teh:\ne\tthe\n"
            "fone:\ne\tfond\ne\tfont\ne\tfine\np\tFiona\n"
            "xyzzy:\n");

  r = test::RunLexoro({"candidates", "--max", "0", dir.Path("d.oxm"), "fone"});
  EXPECT_EQ(r.Out, "fone:\np\tfine\np\tfond\np\tfont\np\tFiona\n");

  EXPECT_EQ(test::RunLexoro({"candidates", dir.Path("d.oxm")}).Code, 2);
  EXPECT_EQ(test::RunLexoro({"candidates", dir.Path("missing.oxm"), "x"}).Code, 2);
  EXPECT_EQ(test::RunLexoro({"candidates", dir.Path("words.txt"), "x"}).Code, 2);
}

// Misspellings and a word that must be among the candidates the generator and the phonetic
// search produce from the shipped dictionary.
TEST(SuggestionCommands, CommonMisspellingsAgainstTheAmericanDictionary) {
  const std::string path = test::BuildDir() + "/data/American.oxm";
  if (!platform::FileExists(U16(path))) GTEST_SKIP() << "American.oxm is not built";
  TMainDictionary dictionary;
  dictionary.Open(U16(path));
  ASSERT_EQ(dictionary.FileName(), U16(path));
  TSuggestionsGenerator generator;
  generator.SetLanguage(dictionary.Language());
  TPhoneticsMap map;
  map.SetLanguage(dictionary.Language());
  const TCandidateValidator found = [&](const std::u16string& word, bool& valid) { valid = dictionary.Lookup(word); };

  const std::pair<const char*, const char*> cases[] = {
      {"teh", "the"},           {"recieve", "receive"},     {"acommodation", "accommodation"},
      {"thier", "their"},       {"goverment", "government"}, {"definately", "definitely"},
      {"seperate", "separate"}, {"wich", "which"},           {"beleive", "believe"},
      {"tommorow", "tomorrow"}, {"Febuary", "February"},      {"inteligent", "intelligent"},
  };
  for (const auto& [word, expected] : cases) {
    std::vector<std::u16string> list;
    generator.Suggest(U16(word), -1, found, list);
    dictionary.FindPhoneticCandidates(U16(word), &map, list);
    EXPECT_NE(std::find(list.begin(), list.end(), U16(expected)), list.end()) << word << " -> " << expected;
  }
}

}  // namespace
}  // namespace lexoro
