// The phonetic candidate search of a main dictionary, over small compiled dictionaries.
#include <gtest/gtest.h>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

struct TDictionaryFile {
  test::TScratchDir Dir;
  TMainDictionary Dictionary;

  explicit TDictionaryFile(const std::vector<std::u16string>& words, std::int32_t language = 1033) {
    tools::TDictionaryCompileOptions options;
    options.Language = language;
    auto result = tools::CompileMainDictionary(words, options);
    EXPECT_TRUE(result.Ok) << result.Error;
    test::WriteBytes(Dir.Path("test.oxm"), result.Bytes);
    Dictionary.Open(Dir.WPath("test.oxm"));
    EXPECT_EQ(Dictionary.FileName(), Dir.WPath("test.oxm"));
  }
};

std::vector<std::u16string> Words(std::initializer_list<const char*> words) {
  std::vector<std::u16string> out;
  for (const char* w : words) out.push_back(U16(w));
  return out;
}

std::vector<std::string> Utf8(const std::vector<std::u16string>& list) {
  std::vector<std::string> out;
  for (const auto& s : list) out.push_back(U8(s));
  return out;
}

struct TPhoneticCase {
  const char* Name;
  const char* Word;
  int Depth;
  std::vector<std::string> Expected;  // in enumeration order
};

TEST(PhoneticCandidates, JudgedAgainstTheQuery) {
  // "fone" codes as "fn" (two characters): equal codes, and longer codes one edit away, match.
  TDictionaryFile file(Words({"fan", "fine", "fun", "funny", "font", "fond", "foam", "Fiona", "phone", "fantastic",
                              "ba", "be", "bee"}));
  const TPhoneticCase cases[] = {
      // fan and fun match but are too far for their length; foam's code fm is not longer
      // than fn; Fiona comes from the second pass with the first letter upper-cased.
      {"two-character code", "fone", 1, {"fine", "fond", "font", "funny", "Fiona"}},
      // Depth 2: the prefix is "fo" and the code "fon".
      {"deeper start", "fone", 2, {"foam", "fond", "font"}},
      // A capitalised query gets no lower-case pass.
      {"capitalised query", "Fone", 1, {"Fiona"}},
      // A code of one character finds nothing.
      {"one-character code", "fa", 1, {}},
      {"vowels only", "bo", 1, {}},
      {"empty", "", 1, {}},
      // A word no longer than the start depth is not searched.
      {"word within the depth", "fone", 4, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TPhoneticsMap map;
    map.SetLanguage(1033);
    map.SetStartDepth(c.Depth);
    std::vector<std::u16string> list;
    file.Dictionary.FindPhoneticCandidates(U16(c.Word), &map, list);
    EXPECT_EQ(Utf8(list), c.Expected);
  }
}

TEST(PhoneticCandidates, WordsAlreadyListedInAnyCaseAreSkipped) {
  TDictionaryFile file(Words({"fine", "font", "fond"}));
  TPhoneticsMap map;
  map.SetLanguage(1033);
  std::vector<std::u16string> list = {u"FINE"};
  file.Dictionary.FindPhoneticCandidates(u"fone", &map, list);
  EXPECT_EQ(Utf8(list), (std::vector<std::string>{"FINE", "fond", "font"}));
  file.Dictionary.FindPhoneticCandidates(u"fone", &map, list);  // nothing new the second time
  EXPECT_EQ(list.size(), 3u);
  file.Dictionary.FindPhoneticCandidates(u"fone", nullptr, list);
  EXPECT_EQ(list.size(), 3u);
}

TEST(PhoneticCandidates, ListIsCutAfter2500Entries) {
  // "bat" + three of 15 unmatched characters: 3375 words, all coded "bt" like "bat".
  const std::u16string filler = u"0123456789aeiou";
  std::vector<std::u16string> words;
  for (char16_t a : filler)
    for (char16_t b : filler)
      for (char16_t c : filler) words.push_back(std::u16string(u"bat") + a + b + c);
  TDictionaryFile file(words);
  TPhoneticsMap map;
  map.SetLanguage(1033);

  std::vector<std::u16string> list;
  file.Dictionary.FindPhoneticCandidates(u"bat", &map, list);
  EXPECT_EQ(list.size(), 2501u);  // added while the list held at most 2500
  EXPECT_EQ(U8(list.front()), "bat000");

  std::vector<std::u16string> full(2501, u"x");
  file.Dictionary.FindPhoneticCandidates(u"bat", &map, full);
  EXPECT_EQ(full.size(), 2501u);
}

TEST(PhoneticCandidates, RussianAndAnsiDictionaries) {
  {
    TDictionaryFile file(Words({"молоко", "малако", "молот"}), 1049);
    TPhoneticsMap map;
    map.SetLanguage(1049);
    std::vector<std::u16string> list;
    file.Dictionary.FindPhoneticCandidates(U16("малоко"), &map, list);
    EXPECT_EQ(Utf8(list), (std::vector<std::string>{"малако", "молоко"}));
  }
  {
    // A 4.0 dictionary holds its words in the ANSI code page.
    tools::TDictionaryCompileOptions options;
    options.MinorVersion = 0;
    auto result = tools::CompileMainDictionary(Words({"café", "cafés", "cave"}), options);
    ASSERT_TRUE(result.Ok);
    test::TScratchDir dir;
    test::WriteBytes(dir.Path("ansi.oxm"), result.Bytes);
    TMainDictionary dictionary;
    dictionary.Open(dir.WPath("ansi.oxm"));
    ASSERT_EQ(dictionary.CodePage(), platform::kCodePageAnsi);
    TPhoneticsMap map;
    map.SetLanguage(1033);
    std::vector<std::u16string> list;
    dictionary.FindPhoneticCandidates(U16("cafe"), &map, list);
    EXPECT_EQ(Utf8(list), (std::vector<std::string>{"café", "cafés", "cave"}));
  }
}

}  // namespace
}  // namespace lexoro
