// Word acceptance of the spell component: case variants, exclusions, numbers, possessives,
// automatic corrections, the check verdicts and the ranking of suggestions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::Items;
using test::U16;
using test::U8;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SpellWordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteMainDictionary(FDir.WPath("American.oxm"),
                              {u"hello", u"world", u"the", u"cat", u"John", u"This", u"this", u"is", u"test",
                               u"help", u"held", u"hell", u"helm", u"color", u"colour", u"word", u"words"});
    test::WriteCustomDictionary(FDir.WPath("Autocorrect.oxu"), "teh\tthe\n!colour\nrecieve\treceive\n");
    test::WriteCustomDictionary(FDir.WPath("user.oxu"), "Lexoro\n!world\nwrod\tword\n");
  }

  TLexoroSpellBase& Spell() {
    if (!FSpell)
      FSpell = test::MakeSpell(U16(FDir.Root()), TStringList{u"American.oxm"}, TStringList{u"Autocorrect.oxu"},
                               u"user.oxu");
    return *FSpell;
  }

  std::vector<std::string> Suggest(const std::string& word, int max = -1) {
    TStringList list;
    Spell().BuildSuggestions(U16(word), max, list);
    return Items(list);
  }

  bool Acceptable(const std::string& word) { return Spell().WordAcceptable(U16(word)); }

  test::TScratchDir FDir;
  std::unique_ptr<TLexoroSpellBase> FSpell;
};

TEST_F(SpellWordsTest, CaseVariantsFollowAllowedCases) {
  EXPECT_TRUE(Acceptable("Hello"));
  EXPECT_TRUE(Acceptable("HELLO"));
  EXPECT_FALSE(Acceptable("HeLLo"));  // only the first character is lowered
  Spell().SetAllowedCases(cmNone);
  EXPECT_FALSE(Acceptable("Hello"));
  EXPECT_TRUE(Acceptable("hello"));
  Spell().SetAllowedCases(cmInitialCaps);
  EXPECT_TRUE(Acceptable("Hello"));
  EXPECT_FALSE(Acceptable("HELLO"));
  Spell().SetAllowedCases(cmAnyCase);
  EXPECT_TRUE(Acceptable("HeLLo"));
  Spell().SetAllowedCases(cmCustom);
  EXPECT_FALSE(Acceptable("Hallo"));
  Spell().OnCaseModification = [](TObject*, std::u16string& word) { word = u"hello"; };
  EXPECT_TRUE(Acceptable("Hallo"));
}

TEST_F(SpellWordsTest, ExcludedWordsAreMisspelledWhileExclusionIsOn) {
  // "world" is in the main dictionary and excluded in the active custom one, "colour" in
  // another custom dictionary.
  EXPECT_FALSE(Acceptable("world"));
  EXPECT_FALSE(Acceptable("World"));
  EXPECT_FALSE(Acceptable("colour"));
  EXPECT_TRUE(Spell().WordExcluded(u"colour"));
  EXPECT_TRUE(Acceptable("Lexoro"));  // added in the active custom dictionary
  Spell().SetUseExcludeWords(false);
  EXPECT_TRUE(Acceptable("world"));
  EXPECT_TRUE(Acceptable("colour"));
}

TEST_F(SpellWordsTest, NumbersAndSingleCharactersNeedNoDictionary) {
  for (const char* word : {"12", "3.14", "2e10", "-1.5e-3", "+7", ".5", "x", "Q"})
    EXPECT_TRUE(Acceptable(word)) << word;
  // Only the number syntax counts: names of special values, hexadecimal and half numbers do not.
  for (const char* word : {"inf", "nan", "0x10", "e5", "1e", "1e+", "--1", "12a", "1,5e"})
    EXPECT_FALSE(Acceptable(word)) << word;
}

TEST_F(SpellWordsTest, EnglishPossessivesOfKnownWords) {
  EXPECT_TRUE(Acceptable("John's"));
  EXPECT_TRUE(Acceptable("John\xE2\x80\x99s"));
  EXPECT_TRUE(Acceptable("cat'S"));
  EXPECT_FALSE(Acceptable("John's's"));  // "'s" first occurs before the end
  EXPECT_FALSE(Acceptable("Jane's"));
  EXPECT_FALSE(Acceptable("'s"));
}

TEST(SpellPossessiveTest, OnlyEnglishDictionariesGivePossessives) {
  test::TScratchDir dir;
  test::WriteMainDictionary(dir.WPath("German.oxm"), {u"John", u"Haus"}, 1031);
  auto spell = test::MakeSpell(U16(dir.Root()), TStringList{u"German.oxm"}, TStringList{}, u"");
  EXPECT_FALSE(spell->English());
  EXPECT_FALSE(spell->WordAcceptable(u"John's"));
  EXPECT_TRUE(spell->WordAcceptable(u"Haus"));
}

TEST(SpellLanguageTest, SuggestionsOutsideACheckUseTheDictionarysLetters) {
  // No check has run (as for a live context menu): the Russian letters are tried all the same,
  // and the French word reader splits elisions.
  test::TScratchDir dir;
  test::WriteMainDictionary(dir.WPath("Russian.oxm"), {u"\u0434\u043e\u043c"}, 1049);  // дом
  auto spell = test::MakeSpell(U16(dir.Root()), TStringList{u"Russian.oxm"}, TStringList{}, u"");
  spell->SetPhoneticSuggestions(false);
  TStringList list;
  spell->GetSuggestions(u"\u0434\u0430\u043c", list);  // дам
  EXPECT_EQ(test::Items(list), (std::vector<std::string>{"\xD0\xB4\xD0\xBE\xD0\xBC"}));

  test::WriteMainDictionary(dir.WPath("French.oxm"), {u"l", u"homme"}, 1036);
  auto french = test::MakeSpell(U16(dir.Root()), TStringList{u"French.oxm"}, TStringList{}, u"");
  french->Config().EnsureLoaded();
  auto* engine = dynamic_cast<TMainParsingEngine*>(&french->ParsingEngine());
  ASSERT_NE(engine, nullptr);
  EXPECT_TRUE(engine->ElisionMode());
}

TEST_F(SpellWordsTest, AutoCorrectionsComeInTheirOrder) {
  std::u16string replacement;
  EXPECT_TRUE(Spell().GetAutoCorrection(u"wrod", replacement));  // active custom dictionary
  EXPECT_EQ(replacement, u"word");
  EXPECT_TRUE(Spell().GetAutoCorrection(u"teh", replacement));  // another custom dictionary
  EXPECT_EQ(replacement, u"the");
  // A Change All pair of the ignore-all list comes before the other custom dictionaries.
  Spell().InternalDictionary().AddAutoCorrect(u"teh", u"tech");
  EXPECT_TRUE(Spell().GetAutoCorrection(u"teh", replacement));
  EXPECT_EQ(replacement, u"tech");
  EXPECT_FALSE(Spell().GetAutoCorrection(u"cat", replacement));
}

TEST_F(SpellWordsTest, DualCapitalsAreCorrectedToAnAcceptableWord) {
  std::u16string replacement;
  EXPECT_TRUE(Spell().GetAutoCorrection(u"THis", replacement));
  EXPECT_EQ(replacement, u"This");
  EXPECT_TRUE(Spell().GetAutoCorrection(u"HEllo", replacement));
  EXPECT_EQ(replacement, u"Hello");
  for (const char16_t* word : {u"THIS", u"TH", u"THxyz", u"tHis", u"1Hello"})
    EXPECT_FALSE(Spell().GetAutoCorrection(word, replacement)) << U8(word);
  TSpellOptions options = Spell().Config().GetOptions();
  options.Exclude(soDUalCaps);
  Spell().Config().SetOptions(options);
  EXPECT_FALSE(Spell().DualCaps());
  EXPECT_FALSE(Spell().GetAutoCorrection(u"THis", replacement));
}

TEST_F(SpellWordsTest, CheckWordVerdictsAndTheWordCheckEvent) {
  std::u16string replacement = u"stale";
  EXPECT_TRUE(Spell().CheckWord(&Spell(), u"hello", replacement));
  EXPECT_TRUE(replacement.empty());
  EXPECT_FALSE(Spell().CheckWord(&Spell(), u"teh", replacement));
  EXPECT_EQ(replacement, u"the");
  EXPECT_FALSE(Spell().CheckWord(&Spell(), u"xyzzy", replacement));
  EXPECT_TRUE(replacement.empty());

  std::vector<TWordCheckType> seen;
  Spell().SetOnWordCheck([&](TObject*, const std::u16string& word, TWordCheckType& type, std::u16string& r) {
    seen.push_back(type);
    if (word == u"xyzzy") type = wcAccepted;
    if (word == u"hello") {
      type = wcCorrected;
      r = u"Hello";
    }
  });
  EXPECT_TRUE(Spell().CheckWord(&Spell(), u"xyzzy", replacement));
  EXPECT_FALSE(Spell().CheckWord(&Spell(), u"hello", replacement));
  EXPECT_EQ(replacement, u"Hello");
  EXPECT_THAT(seen, ElementsAre(wcDenied, wcAccepted));
}

TEST_F(SpellWordsTest, DialogClassificationFindsRepetitionsSeparatedByOneSpace) {
  auto classify = [&](const std::u16string& text) {
    std::u16string copy = text;
    TStringParser parser;
    parser.Initialize(copy);
    Spell().ParsingEngine().PositionParser(&parser, ckEntireText);
    std::vector<TWordCheckType> types;
    std::u16string word, last, replacement;
    for (;;) {
      Spell().ParsingEngine().GetNextWord(&parser, word);
      if (word.empty()) break;
      types.push_back(Spell().ClassifyWord(&Spell(), word, &parser, last, replacement));
    }
    return types;
  };
  EXPECT_THAT(classify(u"the the cat"), ElementsAre(wcAccepted, wcRepeated, wcAccepted));
  EXPECT_THAT(classify(u"the  the"), ElementsAre(wcAccepted, wcAccepted));
  EXPECT_THAT(classify(u"the, the"), ElementsAre(wcAccepted, wcAccepted));
  EXPECT_THAT(classify(u"colour teh world xyzzy"), ElementsAre(wcExcluded, wcCorrected, wcExcluded, wcDenied));
  Spell().SetUseExcludeWords(false);
  EXPECT_THAT(classify(u"colour"), ElementsAre(wcAccepted));
}

TEST_F(SpellWordsTest, SuggestionsAreRankedByDistanceAndCut) {
  auto all = Suggest("helo");
  ASSERT_GE(all.size(), 4u);
  // Every candidate at distance 1 comes before anything further away.
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(WordDistance(u"helo", U16(all[i])), 1) << all[i];
  EXPECT_THAT(Suggest("helo", 2), ::testing::SizeIs(2));
  EXPECT_THAT(Suggest("helo", 0), IsEmpty());
  Spell().SetMaxSuggestions(1);
  TStringList list;
  Spell().GetSuggestions(u"wrld", list);
  EXPECT_THAT(Items(list), ElementsAre("world"));
}

TEST_F(SpellWordsTest, AMappingDictionaryGivesTheOneSuggestion) {
  test::WriteCustomDictionary(FDir.WPath("mapping.oxu"), "color\tcolour\n");
  Spell().SetMappingDictionaryName(u"mapping.oxu");
  Spell().SetUseExcludeWords(false);
  EXPECT_THAT(Suggest("color"), ElementsAre("colour"));
  // A mapped word counts as excluded and, by default, is corrected automatically.
  EXPECT_TRUE(Spell().WordExcluded(u"color"));
  std::u16string replacement;
  EXPECT_TRUE(Spell().GetAutoCorrection(u"color", replacement));
  EXPECT_EQ(replacement, u"colour");
  Spell().SetMappingAutoReplace(false);
  EXPECT_FALSE(Spell().GetAutoCorrection(u"color", replacement));
}

TEST_F(SpellWordsTest, LearnedReplacementsLeadTheSuggestions) {
  Spell().SetSuggestionsLearningDict(FDir.WPath("learned.oxl"));
  Spell().SetSuggestionsLearning(true);
  Spell().Config().EnsureLoaded();  // the first word-level request opens the dictionaries
  ASSERT_NE(Spell().LearningDictionary(), nullptr);
  Spell().LearnReplacement(u"helo", u"helm");
  auto list = Suggest("helo");
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list[0], "helm");
  EXPECT_EQ(std::count(list.begin(), list.end(), "helm"), 1);

  // As an automatic correction a learned replacement must still be acceptable.
  std::u16string replacement;
  EXPECT_FALSE(Spell().GetAutoCorrection(u"helo", replacement));
  Spell().SetSuggestionsAutoReplace(true);
  EXPECT_TRUE(Spell().GetAutoCorrection(u"helo", replacement));
  EXPECT_EQ(replacement, u"helm");
  Spell().LearnReplacement(u"wirld", u"wurld");
  EXPECT_FALSE(Spell().GetAutoCorrection(u"wirld", replacement));
  EXPECT_TRUE(replacement.empty());
}

// Objects handed to the component become its own; a null one changes nothing.
TEST_F(SpellWordsTest, ReplacedEngineGetsTheFilterHooks) {
  TParsingEngine* before = &Spell().ParsingEngine();
  Spell().SetParsingEngine(nullptr);
  EXPECT_EQ(&Spell().ParsingEngine(), before);

  TSpellOptions options = Spell().Config().GetOptions();
  options.Include(soHTML);
  Spell().Config().SetOptions(options);
  Spell().SetParsingEngine(std::make_unique<TMainParsingEngine>());
  std::u16string text = u"<b class=xyzzy>hello</b>";
  TStringParser parser;
  parser.Initialize(text);
  Spell().ParsingEngine().PositionParser(&parser, ckEntireText);
  std::u16string word;
  Spell().ParsingEngine().GetNextWord(&parser, word);
  EXPECT_EQ(word, u"hello");

  Spell().SetPhoneticsMap(nullptr);
  Spell().SetPhoneticMaxDistance(3);
  EXPECT_EQ(Spell().PhoneticMaxDistance(), 3);
  EXPECT_EQ(Spell().Version(), u"4.40.2084 Pro");
  Spell().SetVersion(u"1.0");
  EXPECT_EQ(Spell().Version(), u"4.40.2084 Pro");
}

}  // namespace
}  // namespace lexoro
