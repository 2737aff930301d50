// The dictionary compiler at the format's limits: large graphs (wide indexes, shared and
// unfolded lists) read back word for word, lists too large refused or cut by length, and
// word lists that are not UTF-8 refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "tests/support/TestSupport.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro {
namespace {

using test::U8;

// Deterministic pseudo-random words over a small alphabet: little shared structure, so the
// graph grows with the list.
std::vector<std::string> RandomWords(std::size_t count, std::uint32_t seed, std::size_t minLength = 4,
                                     std::size_t maxLength = 11) {
  std::vector<std::string> words;
  words.reserve(count);
  std::uint64_t state = seed;
  auto next = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state >> 33);
  };
  for (std::size_t i = 0; i < count; ++i) {
    std::string w(minLength + next() % (maxLength - minLength + 1), ' ');
    for (auto& c : w) c = static_cast<char>('a' + next() % 14);
    words.push_back(std::move(w));
  }
  return words;
}

struct TOpened {
  test::TScratchDir dir;
  TMainDictionary dictionary;
  explicit TOpened(const std::vector<std::uint8_t>& bytes) {
    test::WriteBytes(dir.Path("d.oxm"), bytes);
    dictionary.Open(dir.WPath("d.oxm"));
  }
};

TEST(DictionaryCompilerLimits, AWideGraphReadsBackWordForWord) {
  // Enough words for three-byte indexes, much-listed nodes unfolded and short lists found
  // inside longer ones; every word is found, no other, and enumeration lists them in order.
  auto words = RandomWords(120000, 7);
  tools::TDictionaryCompileOptions options;
  const auto result = tools::CompileMainDictionaryUtf8(words, options);
  ASSERT_TRUE(result.Ok) << result.Error;
  ASSERT_GE(result.NodeCount, 0xFFFFu);
  EXPECT_EQ(result.KeptLength, 0u);
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  EXPECT_EQ(result.WordCount, words.size());

  TOpened opened(result.Bytes);
  auto& d = opened.dictionary;
  ASSERT_EQ(d.NodeCount(), result.NodeCount);
  std::size_t missing = 0;
  for (const auto& w : words)
    if (!d.Lookup(text::U16(w)) && ++missing < 5) ADD_FAILURE() << "not found: " << w;
  EXPECT_EQ(missing, 0u);
  const std::set<std::string> known(words.begin(), words.end());
  for (const auto& w : RandomWords(20000, 99))
    if (!known.contains(w)) {
      EXPECT_FALSE(d.Lookup(text::U16(w))) << w;
    }

  std::vector<std::string> enumerated;
  for (char first = 'a'; first < 'a' + 14; ++first)
    d.EnumeratePrefix(std::string(1, first), [&](std::string_view w) {
      enumerated.emplace_back(w);
      return TVisitAction::vaContinue;
    });
  EXPECT_TRUE(enumerated == words);
}

TEST(DictionaryCompilerLimits, AListOfMillionsOfWordsIsRefusedWithAClearMessage) {
  const auto words = RandomWords(2000000, 1);
  const auto result = tools::CompileMainDictionaryUtf8(words, {});
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Bytes.empty());
  EXPECT_NE(result.Error.find("too large for the file format"), std::string::npos) << result.Error;
  EXPECT_NE(result.Error.find("1048575"), std::string::npos) << result.Error;
}

TEST(DictionaryCompilerLimits, FittingKeepsTheWordsUpToTheLongestLengthThatFits) {
  tools::TDictionaryCompileOptions options;
  options.LinkLimit = 3000;  // a format this small cannot take the whole list
  const auto words = RandomWords(6000, 3, 2, 9);
  EXPECT_FALSE(tools::CompileMainDictionaryUtf8(words, options).Ok);

  options.FitToFormat = true;
  const auto result = tools::CompileMainDictionaryUtf8(words, options);
  ASSERT_TRUE(result.Ok) << result.Error;
  const std::size_t k = result.KeptLength;
  ASSERT_GE(k, 2u);
  ASSERT_LT(k, 9u);
  EXPECT_LT(result.WordCount, result.SourceWords);

  TOpened opened(result.Bytes);
  std::size_t kept = 0;
  for (const auto& w : std::set<std::string>(words.begin(), words.end())) {
    EXPECT_EQ(opened.dictionary.Lookup(text::U16(w)), w.size() <= k) << w;
    kept += w.size() <= k;
  }
  EXPECT_EQ(result.WordCount, kept);

  // One character more does not fit: K is the largest.
  std::vector<std::string> longer;
  for (const auto& w : words)
    if (w.size() <= k + 1) longer.push_back(w);
  options.FitToFormat = false;
  const auto refused = tools::CompileMainDictionaryUtf8(longer, options);
  EXPECT_FALSE(refused.Ok);
  EXPECT_NE(refused.Error.find("too large"), std::string::npos);
}

TEST(DictionaryCompilerLimits, WordsThatAreNotUtf8AreRefusedByName) {
  for (const std::string& bad : {std::string("caf\xE9"), std::string("\xC3"), std::string("\xED\xA0\x80x"),
                                 std::string("\xC0\xAF"), std::string("a\0b", 3)}) {
    const auto result = tools::CompileMainDictionaryUtf8({"good", bad}, {});
    EXPECT_FALSE(result.Ok) << U8(text::U16(bad));
    EXPECT_NE(result.Error.find(bad.substr(0, bad.find('\0'))), std::string::npos) << result.Error;
  }
  // Four-byte characters are fine.
  const auto result = tools::CompileMainDictionaryUtf8({"\xF0\x9F\x98\x80", "ok"}, {});
  EXPECT_TRUE(result.Ok) << result.Error;
}

}  // namespace
}  // namespace lexoro
