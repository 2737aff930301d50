#include "lexoro/dictionaries/ox3PhoneticsMap.h"

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

struct TCodeCase {
  std::int32_t Language;
  int Depth;
  const char* Word;
  const char* Code;
};

std::u16string EncodeWith(std::int32_t language, int depth, const std::u16string& word) {
  TPhoneticsMap map;
  map.SetLanguage(language);
  map.SetStartDepth(depth);
  return map.Encode(word);
}

TEST(PhoneticsMapTest, CodesOfKnownWords) {
  const TCodeCase cases[] = {
      // The first letter is copied before any rule applies.
      {1033, 1, "phone", "phn"},
      {1033, 1, "fone", "fn"},
      {1033, 1, "Phone", "phn"},
      {1033, 1, "knight", "knt"},  // gh maps to nothing
      {1033, 1, "city", "cty"},    // a final y stays in English
      {1033, 1, "happy", "hpy"},
      {1033, 1, "accommodation", "akmtxn"},
      {1033, 1, "cia", "c"},
      {1033, 1, "ball", "bl"},  // no vowel between the l's: collapsed
      {1033, 1, "lull", "ll"},  // the u keeps the second l apart from the copied one
      {1033, 1, "bath", "b0"},  // th is the digit zero
      {1033, 1, "silly", "sly"},
      {1033, 1, "judge", "jj"},
      {1033, 1, "laugh", "l"},
      {1033, 1, "", ""},
      {1033, 1, "Q", "q"},
      {1033, 3, "knight", "knit"},
      {1033, 8, "hi", "hi"},
      // Budget: six produced characters, a two-character replacement may end one over it.
      {1033, 1, "abcdfgjklmnp", "abktfkj"},
      {1033, 1, "abcdfpx", "abktfpks"},
      {1033, 1, "abcdfgx", "abktfk"},  // ks after k counts as a duplicate,
      {1033, 1, "abcdfgjy", "abktfkj"},
      {2057, 1, "phone", "phn"},  // English is chosen by the low byte
      {1036, 1, "chat", "cd"},    // French: no rule for h
      {1036, 1, "pomme", "pm"},
      {1031, 1, "vista", "vkd"},  // everything else: the generic table
      {0, 1, "happy", "hb"},      // a final y is English only
      {1049, 1, "молоко", "молага"},
      {1049, 1, "Молоко", "молага"},
      {1049, 1, "исчезать", "ищсть"},
      {1049, 1, "жизнь", "жснь"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Word) + " language " + std::to_string(c.Language));
    EXPECT_EQ(U8(EncodeWith(c.Language, c.Depth, U16(c.Word))), c.Code);
  }
}

TEST(PhoneticsMapTest, DuplicatesAndBudgetCanBeAdjusted) {
  TPhoneticsMap map;
  map.SetLanguage(1033);
  map.SetRemoveDuplicates(false);
  EXPECT_EQ(U8(map.Encode(u"ball")), "bll");
  map.SetLimit(2);
  EXPECT_EQ(U8(map.Encode(u"accommodation")), "akk");
}

TEST(PhoneticsMapTest, WithoutRulesOnlyTheStartIsCopied) {
  TPhoneticsMap map;
  EXPECT_EQ(map.Language(), -1);
  EXPECT_EQ(U8(map.Encode(u"Phony")), "p");
  map.SetStartDepth(0);  // ignored
  EXPECT_EQ(map.StartDepth(), 1);
  map.SetStartDepth(3);
  EXPECT_EQ(U8(map.Encode(u"Phony")), "pho");
}

TEST(PhoneticsMapTest, SetLanguageRebuildsOnlyOnChange) {
  TPhoneticsMap map;
  map.SetLanguage(1033);
  map.AddRule(u"k", u"zz", 1);
  EXPECT_EQ(U8(map.Encode(u"ok")), "ozz");
  map.SetLanguage(1033);  // same language: the adjusted table stays
  EXPECT_EQ(U8(map.Encode(u"ok")), "ozz");
  map.SetLanguage(2057);  // another English: rebuilt
  EXPECT_EQ(U8(map.Encode(u"ok")), "ok");
  EXPECT_EQ(map.Language(), 2057);
}

TEST(PhoneticsMapTest, MatchTakesTheLongestPatternAndFallsBack) {
  TPhoneticsMap map;
  map.SetLanguage(1033);
  std::u16string replacement;
  std::size_t consumed = 0;
  ASSERT_TRUE(map.Match(u"edge", replacement, 2, consumed));
  EXPECT_EQ(U8(replacement), "j");
  EXPECT_EQ(consumed, 2u);
  ASSERT_TRUE(map.Match(u"edga", replacement, 2, consumed));  // dg breaks off: d alone
  EXPECT_EQ(U8(replacement), "t");
  EXPECT_EQ(consumed, 1u);
  ASSERT_TRUE(map.Match(u"tch", replacement, 1, consumed));
  EXPECT_EQ(U8(replacement), "x");
  EXPECT_EQ(consumed, 3u);
  EXPECT_FALSE(map.Match(u"ea", replacement, 1, consumed));  // vowels have no rule
  EXPECT_FALSE(map.Match(u"b", replacement, 2, consumed));   // past the end
  EXPECT_FALSE(map.Match(u"b", replacement, 0, consumed));
}

TEST(PhoneticsMapTest, RulesBeyondLatin1AndReplacedRules) {
  TReplaceNode root;
  root.AddRule(u"щу", u"шю", 2);
  root.AddRule(u"щ", u"шь", 1);
  root.AddRule(u"ab", u"1", 2);
  root.AddRule(u"ab", u"2", 1);  // replaces the earlier rule
  std::u16string replacement;
  std::size_t consumed = 0;
  ASSERT_TRUE(root.Match(u"щука", replacement, 1, consumed));
  EXPECT_EQ(U8(replacement), "шю");
  ASSERT_TRUE(root.Match(u"щи", replacement, 1, consumed));
  EXPECT_EQ(U8(replacement), "шь");
  ASSERT_TRUE(root.Match(u"ab", replacement, 1, consumed));
  EXPECT_EQ(U8(replacement), "2");
  EXPECT_EQ(consumed, 1u);
  EXPECT_FALSE(root.Match(u"ш", replacement, 1, consumed));
  root.Clear();
  EXPECT_FALSE(root.HasChildren());
  EXPECT_FALSE(root.Match(u"ab", replacement, 1, consumed));
}

TEST(PhoneticsMapTest, RuleThatConsumesNothingStillAdvances) {
  TPhoneticsMap map;
  map.SetLanguage(1033);
  map.AddRule(u"b", u"b", 0);
  EXPECT_EQ(U8(map.Encode(u"abba")), "abb");
}

TEST(PhoneticsMapTest, DistanceAcceptance) {
  TPhoneticsMap map;
  EXPECT_TRUE(map.IsDistanceAccepted(u"word", 2));   // 4 div 2 = 2
  EXPECT_FALSE(map.IsDistanceAccepted(u"word", 3));
  EXPECT_TRUE(map.IsDistanceAccepted(u"internationalisation", 4));
  EXPECT_FALSE(map.IsDistanceAccepted(u"internationalisation", 5));  // the maximum bounds it
  map.SetDistanceDivisor(0);  // ignored: it divides
  EXPECT_EQ(map.DistanceDivisor(), 2);
  map.SetDistanceDivisor(1);
  map.SetMaxDistance(10);
  EXPECT_TRUE(map.IsDistanceAccepted(u"word", 4));
  EXPECT_FALSE(map.IsDistanceAccepted(u"word", 5));
}

}  // namespace
}  // namespace lexoro
