// The learning store: replacements the user chose before, kept in a custom dictionary.
#include <gtest/gtest.h>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/suggestions/ox3Suggestions.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U8;

std::string Render(const std::vector<TScoredSuggestion>& list) {
  std::string out;
  for (const auto& s : list) out += U8(s.Word) + "=" + std::to_string(s.Score) + " ";
  return out;
}

const auto kAnything = [](const std::u16string&) { return true; };
const auto kNothing = [](const std::u16string&) { return false; };

TEST(SuggestionsLearning, TheFirstChoiceForAWordStays) {
  TCustomDictionary store;  // no file name: memory only
  LearnReplacement(store, u"teh", u"the");
  LearnReplacement(store, u"teh", u"ten");
  std::u16string replacement;
  ASSERT_TRUE(store.FindAutoCorrect(u"teh", replacement));
  EXPECT_EQ(replacement, u"the");
  EXPECT_TRUE(store.IsAdded(u"the"));
  EXPECT_TRUE(store.IsAdded(u"ten"));
}

TEST(SuggestionsLearning, LearnedReplacementComesFirstAndLearnedWordsWinTies) {
  TCustomDictionary store;
  LearnReplacement(store, u"teh", u"the");
  LearnReplacement(store, u"thn", u"then");

  struct TCase {
    const char* Name;
    std::vector<TScoredSuggestion> List;
    bool Acceptable;
    std::string Expected;
  };
  const TCase cases[] = {
      // Listed exactly: its score drops to 0 (then 2*0-1 as an added word); "then" is
      // an added word too and gets 2s-1, the others 2s.
      {"listed", {{u"tea", 1}, {u"the", 1}, {u"then", 2}}, true, "tea=2 the=-1 then=3 "},
      // Listed in another case only: the learned form goes to the top.
      {"other case", {{u"The", 1}}, true, "the=-1 The=2 "},
      // Not listed: inserted at the top only when acceptable.
      {"absent", {{u"tea", 1}}, true, "the=-1 tea=2 "},
      {"absent, not acceptable", {{u"tea", 1}}, false, "tea=2 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto list = c.List;
    ApplyLearning(store, u"teh", list, c.Acceptable ? std::function<bool(const std::u16string&)>(kAnything)
                                                    : std::function<bool(const std::u16string&)>(kNothing));
    EXPECT_EQ(Render(list), c.Expected);
  }

  // A word with nothing learned only gets the doubled scores.
  std::vector<TScoredSuggestion> list = {{u"then", 1}, {u"than", 1}};
  ApplyLearning(store, u"thnn", list, kAnything);
  EXPECT_EQ(Render(list), "then=1 than=2 ");
}

}  // namespace
}  // namespace lexoro
