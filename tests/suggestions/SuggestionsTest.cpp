#include "lexoro/suggestions/ox3Suggestions.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

// A validity test over a fixed word set (exact, case-sensitive); counts its calls.
struct TWordSet {
  std::set<std::u16string> Words;
  int Calls = 0;

  explicit TWordSet(std::initializer_list<const char*> words) {
    for (const char* w : words) Words.insert(U16(w));
  }
  TCandidateValidator Validator() {
    return [this](const std::u16string& word, bool& valid) {
      ++Calls;
      valid = Words.count(word) != 0;
    };
  }
};

std::vector<std::string> Utf8(const std::vector<std::u16string>& list) {
  std::vector<std::string> out;
  for (const auto& s : list) out.push_back(U8(s));
  return out;
}

struct TEditCase {
  const char* Name;
  std::initializer_list<const char*> Dictionary;
  const char* Word;
  int MaxCount;
  std::vector<std::string> Expected;  // in generation order
};

// Each case runs Suggest over a small dictionary and expects exactly these candidates.
TEST(SuggestionsGenerator, EditCandidatesInGenerationOrder) {
  const TEditCase cases[] = {
      {"adjacent swap", {"the", "then"}, "teh", -1, {"the"}},
      // Swap, then insertions from the end backwards (usage letters in order), deletions,
      // substitutions from the end backwards.
      {"kinds in their order", {"than", "then", "the", "ton"}, "thn", -1, {"than", "then", "the", "ton"}},
      {"two apart", {"table", "tbale"}, "tlbae", -1, {"table"}},
      {"two-letter word: no swaps", {"at"}, "ta", -1, {}},
      {"one-letter results ignored", {"a", "i"}, "ab", -1, {}},
      {"missing first letter", {"apple"}, "pple", -1, {"apple"}},
      {"wrong first letter", {"apple"}, "ipple", -1, {"apple"}},
      {"extra letter", {"apple"}, "applle", -1, {"apple"}},
      {"apostrophe", {"don't"}, "dont", -1, {"don't"}},
      {"split", {"into", "the", "in", "to", "tothe"}, "intothe", -1, {"in tothe", "into the"}},
      {"period: two spaces", {"end", "Next"}, "end.Next", -1, {"end.  Next"}},
      {"period: lower-case next letter", {"end", "next"}, "end.next", -1, {}},
      {"period: not before another period", {"end", "end.", ".Next"}, "end..Next", -1, {"end. .Next"}},
      // MaxCount: a candidate over the limit stops the run; the list ends one over it.
      {"limit", {"than", "then", "the", "ton"}, "thn", 1, {"than", "then"}},
      {"limit zero", {"than", "then", "the", "ton"}, "thn", 0, {}},
      {"limit below -1", {"than"}, "thn", -2, {}},
      // A lower-case word is not offered a capitalised variant whose lower-case form is a word.
      {"lower-case form preferred", {"polish", "Polish"}, "oolish", -1, {"polish"}},
      {"capitalised form alone", {"Polish"}, "oolish", -1, {"Polish"}},
      // Capitals anywhere: a word with capitals uses the start letters in every position.
      {"capitals", {"HELLO"}, "HELO", -1, {"HELLO"}},
      // Mixed case: a second run on the lower-case form, or on the capitalised form.
      {"mixed case, lower first", {"hello"}, "hELLO", -1, {"hello"}},
      {"mixed case, capital first", {"Hello", "Hellos"}, "HeLLO", -1, {"Hello", "Hellos"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TWordSet dictionary(c.Dictionary);
    TSuggestionsGenerator generator;
    std::vector<std::u16string> list;
    generator.Suggest(U16(c.Word), c.MaxCount, dictionary.Validator(), list);
    EXPECT_EQ(Utf8(list), c.Expected);
  }
}

TEST(SuggestionsGenerator, RunsOnlyOnUsableInput) {
  TWordSet dictionary({"ab", "abc"});
  TSuggestionsGenerator generator;
  std::vector<std::u16string> list;
  generator.Generate(u"", -1, dictionary.Validator(), list);
  generator.Generate(u"abcd", -1, TCandidateValidator(), list);
  generator.Generate(std::u16string(251, u'a'), -1, dictionary.Validator(), list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(dictionary.Calls, 0);
  generator.Generate(std::u16string(250, u'a'), -1, dictionary.Validator(), list);
  EXPECT_GT(dictionary.Calls, 0);
}

TEST(SuggestionsGenerator, EditsOutsideARunDoNothing) {
  TSuggestionsGenerator generator;
  generator.AddCandidate(u"word");
  EXPECT_FALSE(generator.TryCandidate(u"word"));
  EXPECT_FALSE(generator.TryInsertions());
  EXPECT_FALSE(generator.TrySubstitutions());
  EXPECT_FALSE(generator.TrySplits());
}

TEST(SuggestionsGenerator, CandidatesAreNotRepeatedButCaseVariantsAre) {
  TWordSet dictionary({"the", "The"});
  TSuggestionsGenerator generator;
  std::vector<std::u16string> list = {u"the"};
  generator.Generate(u"teh", -1, dictionary.Validator(), list);
  generator.Generate(u"Teh", -1, dictionary.Validator(), list);
  EXPECT_EQ(Utf8(list), (std::vector<std::string>{"the", "The"}));
}

TEST(SuggestionsGenerator, UnlimitedRunKeepsGoingPastManyCandidates) {
  // Every two-letter variant is a word: -1 allows them all.
  TSuggestionsGenerator generator;
  std::vector<std::u16string> list;
  TCandidateValidator any = [](const std::u16string& word, bool& valid) { valid = true; };
  generator.SetKinds(skWrongLetter);
  generator.Generate(u"AB", -1, any, list);
  // A word with capitals tries every start letter in both positions; the word itself comes
  // up twice and is listed once.
  EXPECT_EQ(list.size(), 2 * generator.StartLetters().size() - 1);
  list.clear();
  generator.Generate(u"AB", 5, any, list);
  EXPECT_EQ(list.size(), 6u);
}

TEST(SuggestionsGenerator, KindsFollowTheLanguageUntilSetExplicitly) {
  TSuggestionsGenerator generator;
  EXPECT_TRUE(generator.DefaultKinds());
  EXPECT_EQ(generator.Kinds(), kAllSuggestionKinds);
  generator.SetLanguage(1053);  // no split words in Swedish
  EXPECT_EQ(generator.Kinds(), 15u);
  generator.SetLanguage(1033);
  EXPECT_EQ(generator.Kinds(), 31u);

  generator.SetKinds(skSplitWord);
  EXPECT_FALSE(generator.DefaultKinds());
  generator.SetLanguage(1053);
  EXPECT_EQ(generator.Kinds(), TSuggestionKinds{skSplitWord});
  generator.SetDefaultKinds(true);
  EXPECT_EQ(generator.Kinds(), 15u);

  // Only the enabled kinds run.
  TWordSet dictionary({"the", "in", "to"});
  generator.SetKinds(skSplitWord);
  std::vector<std::u16string> list;
  generator.Generate(u"intoteh", -1, dictionary.Validator(), list);
  EXPECT_TRUE(list.empty());
  generator.Generate(u"into", -1, dictionary.Validator(), list);
  EXPECT_EQ(Utf8(list), (std::vector<std::string>{"in to"}));
}

TEST(SuggestionsGenerator, LanguageLettersAreAddedOnce) {
  TSuggestionsGenerator generator;
  const std::u16string usage = generator.UsageLetters();
  const std::u16string start = generator.StartLetters();
  EXPECT_EQ(usage.substr(0, 3), u"'ab");
  EXPECT_EQ(usage.substr(27, 4), u"\u00D7\u00DE\u00DF\u00E0");
  EXPECT_EQ(usage.substr(usage.size() - 5), u"\u00B8\u00A8\u00B9\u00B3\u00BF");
  EXPECT_EQ(start.substr(27, 2), u"AB");

  generator.SetLanguage(1036);  // French by its low byte
  EXPECT_EQ(generator.UsageLetters(), usage + u"œ");
  EXPECT_EQ(generator.StartLetters(), start + u"œ");

  generator.SetLanguage(1029);
  const std::u16string czech = generator.UsageLetters();
  EXPECT_NE(czech.find(u'ř'), std::u16string::npos);
  EXPECT_NE(generator.StartLetters().find(u'Ř'), std::u16string::npos);
  generator.SetLanguage(1033);
  generator.SetLanguage(1029);
  EXPECT_EQ(generator.UsageLetters(), czech);  // no growth when switching back

  generator.SetLanguage(1049);
  const std::u16string russian = generator.UsageLetters().substr(czech.size());
  EXPECT_EQ(russian.substr(0, 8), u"\u00B2\u00A2\u00B1\u00A1\u00BC\u00AC\u00B6\u00A6");
  EXPECT_NE(russian.find(u'ж'), std::u16string::npos);
  EXPECT_NE(russian.find(u'ё'), std::u16string::npos);

  // A Russian word gets letter edits.
  TWordSet dictionary({"привет"});
  std::vector<std::u16string> list;
  generator.Generate(U16("пгивет"), -1, dictionary.Validator(), list);
  EXPECT_EQ(Utf8(list), (std::vector<std::string>{"привет"}));
}

TEST(SuggestionsGenerator, UsageLettersAreRestoredAfterARun) {
  TSuggestionsGenerator generator;
  const std::u16string usage = generator.UsageLetters();
  TCandidateValidator failing = [](const std::u16string&, bool&) { throw std::runtime_error("engine failed"); };
  std::vector<std::u16string> list;
  EXPECT_THROW(generator.Generate(u"HELO", -1, failing, list), std::runtime_error);
  EXPECT_EQ(generator.UsageLetters(), usage);
  TWordSet dictionary({"HELLO"});
  generator.Generate(u"HELO", -1, dictionary.Validator(), list);
  EXPECT_EQ(generator.UsageLetters(), usage);
}

}  // namespace
}  // namespace lexoro
