#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/platform/ox3ByteSpan.h"
#include "tests/support/TestSupport.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

std::vector<std::uint8_t> Compile(const std::vector<std::u16string>& words, int minor = 1, std::uint32_t pad = 0) {
  tools::TDictionaryCompileOptions options;
  options.Title = u"Test";
  options.MinorVersion = minor;
  options.PadNodeCount = pad;
  auto result = tools::CompileMainDictionary(words, options);
  EXPECT_TRUE(result.Ok) << result.Error;
  return result.Bytes;
}

// A dictionary compiled into a scratch file and opened.
struct TCompiled {
  test::TScratchDir dir;
  TMainDictionary dictionary;
  std::string path;

  explicit TCompiled(const std::vector<std::uint8_t>& bytes, const std::string& name = "test.oxm") {
    path = dir.Path(name);
    test::WriteBytes(path, bytes);
    dictionary.Open(U16(path));
  }
};

std::vector<std::u16string> Enumerate(TMainDictionary& d, const std::u16string& prefix) {
  std::vector<std::u16string> words;
  d.EnumeratePrefix(EncodeWord(d.CodePage(), prefix), [&](std::string_view bytes) {
    words.push_back(DecodeWord(d.CodePage(), bytes));
    return TVisitAction::vaContinue;
  });
  return words;
}

// Offset of node table 0 for a dictionary with the given title length.
std::size_t TablesStart(std::size_t titleLength) { return 1075 + 2 * titleLength; }

TEST(MainDictionary, TheFourWordExampleHasTheDocumentedBytes) {
  tools::TDictionaryCompileOptions options;  // empty title
  auto result = tools::CompileMainDictionary({u"ant", u"a", u"and", u"an", u"an"}, options);
  ASSERT_TRUE(result.Ok);
  const auto& b = result.Bytes;
  EXPECT_EQ(result.WordCount, 4u);
  EXPECT_EQ(result.NodeCount, 5u);
  const std::size_t t = TablesStart(0);
  const std::vector<std::uint8_t> nodes(b.begin() + t, b.begin() + t + 20);
  EXPECT_EQ(nodes, (std::vector<std::uint8_t>{0x00, 0x01, 0x00, 0x10, 0x61, 0x02, 0x00, 0x90, 0x6E, 0x00, 0x00, 0xA0,
                                               0x64, 0xFF, 0xFF, 0x8F, 0x74, 0xFF, 0xFF, 0x8F}));
  const std::vector<std::uint8_t> linkage(b.begin() + t + 20, b.begin() + t + 28);
  EXPECT_EQ(linkage, (std::vector<std::uint8_t>{4, 0, 0, 0, 3, 0, 4, 0}));
  const std::uint8_t* entry = b.data() + t + 28 + 8 * 0x61;
  EXPECT_EQ(std::vector<std::uint8_t>(entry, entry + 8), (std::vector<std::uint8_t>{1, 1, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(b.size(), t + 28 + 2048 + 1024);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 143), kMainBanner41);
}

TEST(MainDictionary, LookupFollowsTheTree) {
  TCompiled c(Compile({u"a", u"an", u"and", u"ant", u"I", u"x-ray", u"zebra"}));
  auto& d = c.dictionary;
  for (auto w : {u"a", u"an", u"and", u"ant", u"I", u"x-ray", u"zebra"}) EXPECT_TRUE(d.Lookup(w)) << U8(w);
  for (auto w : {u"", u"at", u"ants", u"b", u"x", u"zebr", u"zebras", u"A", u"i", u"Zebra"}) EXPECT_FALSE(d.Lookup(w)) << U8(w);
  EXPECT_TRUE(d.Active());
  EXPECT_EQ(d.Title(), u"Test");
  EXPECT_EQ(d.Language(), 1033);
  EXPECT_EQ(d.WordCount(), 7);
  EXPECT_EQ(d.CodePage(), 65001u);
}

TEST(MainDictionary, WordsNeverEndInsideExtraBytes) {
  TCompiled c(Compile({u"abcdef", u"abcdefghijklmnopqrstuvwxyz"}));
  auto& d = c.dictionary;
  EXPECT_TRUE(d.Lookup(u"abcdef"));
  EXPECT_TRUE(d.Lookup(u"abcdefghijklmnopqrstuvwxyz"));
  for (auto w : {u"ab", u"abc", u"abcd", u"abcde", u"abcdefg", u"abcdefghijklm", u"abcdefghijklmnopqrstuvwxy", u"abcdefX"})
    EXPECT_FALSE(d.Lookup(w)) << U8(w);
  // The file holds compressed nodes (tables 1..8), none with more than eight extra bytes.
  const auto bytes = test::ReadBytes(c.path);
  std::int32_t counts[9];
  std::memcpy(counts, bytes.data() + 1039 + 2 * 4, sizeof counts);
  int compressed = 0;
  for (int k = 1; k < 9; ++k) compressed += counts[k];
  EXPECT_GT(compressed, 0);
}

TEST(MainDictionary, AnsiAndUtf8FilesDifferOnNonAsciiWords) {
  const std::vector<std::u16string> words{u"caf\u00e9", u"na\u00efve"};
  auto ansi = Compile(words, 0);
  ASSERT_EQ(std::string(reinterpret_cast<const char*>(ansi.data()), 123), kMainBanner40);
  TCompiled c40(ansi);
  EXPECT_EQ(c40.dictionary.CodePage(), 0u);
  EXPECT_EQ(c40.dictionary.MinorVersion(), 0);
  EXPECT_TRUE(c40.dictionary.Lookup(u"caf\u00e9"));
  EXPECT_TRUE(c40.dictionary.Lookup(u"na\u00efve"));
  EXPECT_EQ(Enumerate(c40.dictionary, u"c"), (std::vector<std::u16string>{u"caf\u00e9"}));

  // The same tree under the 4.1 banner is read as UTF-8: the Latin-1 bytes no longer match.
  auto relabelled = ansi;
  std::fill(relabelled.begin(), relabelled.begin() + 1024, 0);
  std::memcpy(relabelled.data(), kMainBanner41, sizeof(kMainBanner41) - 1);
  TCompiled c41(relabelled);
  EXPECT_EQ(c41.dictionary.CodePage(), 65001u);
  EXPECT_FALSE(c41.dictionary.Lookup(u"caf\u00e9"));

  TCompiled utf8(Compile(words, 1));
  EXPECT_TRUE(utf8.dictionary.Lookup(u"caf\u00e9"));
}

TEST(MainDictionary, BothChildIndexEncodings) {
  // 65534 nodes keeps fixed two-byte little-endian indexes; 65535 switches to the big-endian
  // two- or three-byte form.
  for (std::uint32_t pad : {65534u, 65535u, 70000u}) {
    auto bytes = Compile({u"a", u"an", u"and", u"ant", u"zoo", u"zoos", u"bee"}, 1, pad);
    TCompiled c(bytes);
    auto& d = c.dictionary;
    EXPECT_EQ(d.NodeCount(), pad);
    for (auto w : {u"a", u"an", u"and", u"ant", u"zoo", u"zoos", u"bee"}) EXPECT_TRUE(d.Lookup(w)) << pad << U8(w);
    EXPECT_FALSE(d.Lookup(u"at"));
    EXPECT_EQ(Enumerate(d, u"a"), (std::vector<std::u16string>{u"a", u"an", u"and", u"ant"}));
    // The root's list opens the linkage: a small index, as 0i 00 or as 80 0i.
    const std::size_t linkageStart = TablesStart(4) + 4 * pad + 4;
    const std::uint8_t b0 = bytes[linkageStart], b1 = bytes[linkageStart + 1];
    if (pad >= 65535) {
      EXPECT_EQ(b0, 0x80) << pad;
      EXPECT_GT(b1, 0) << pad;
    } else {
      EXPECT_GT(b0, 0) << pad;
      EXPECT_EQ(b1, 0) << pad;
    }
  }
}

TEST(MainDictionary, EnumerationReportsWordsInStoredOrderAndHonoursPrune) {
  TCompiled c(Compile({u"car", u"card", u"cards", u"care", u"cat", u"dog", u"c"}));
  auto& d = c.dictionary;
  EXPECT_EQ(Enumerate(d, u"ca"), (std::vector<std::u16string>{u"car", u"card", u"cards", u"care", u"cat"}));
  EXPECT_EQ(Enumerate(d, u"c"), (std::vector<std::u16string>{u"c", u"car", u"card", u"cards", u"care", u"cat"}));
  EXPECT_EQ(Enumerate(d, u"car"), (std::vector<std::u16string>{u"car", u"card", u"cards", u"care"}));
  EXPECT_TRUE(Enumerate(d, u"x").empty());
  EXPECT_TRUE(Enumerate(d, u"cx").empty());
  EXPECT_TRUE(Enumerate(d, u"").empty());
  std::vector<std::string> seen;
  d.EnumeratePrefix("ca", [&](std::string_view w) {
    seen.emplace_back(w);
    return w == "card" ? TVisitAction::vaPrune : TVisitAction::vaContinue;
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"car", "card", "care", "cat"}));
}

TEST(MainDictionary, PrefixEndingInsideACompressedNodeIsShortened) {
  TCompiled c(Compile({u"xylophone", u"xylophones", u"xerox"}));
  auto& d = c.dictionary;
  // "x" branches; "y" carries the extra bytes "lophon", so "xylo" ends inside them and is
  // shortened to "xy".
  EXPECT_EQ(Enumerate(d, u"xylo"), (std::vector<std::u16string>{u"xylophone", u"xylophones"}));
  EXPECT_EQ(Enumerate(d, u"xylophon"), (std::vector<std::u16string>{u"xylophone", u"xylophones"}));
  EXPECT_TRUE(Enumerate(d, u"xyz").empty());
}

TEST(MainDictionary, OpenRejectsWhatIsNotADictionary) {
  test::TScratchDir dir;
  TMainDictionary d;
  d.Open(dir.WPath("missing.oxm"));
  EXPECT_EQ(d.FileName(), u"");

  std::vector<std::uint8_t> exact(1024, 0);
  std::memcpy(exact.data(), kMainBanner41, sizeof(kMainBanner41) - 1);
  test::WriteBytes(dir.Path("exact.oxm"), exact);
  d.Open(dir.WPath("exact.oxm"));
  EXPECT_EQ(d.FileName(), u"");

  std::vector<std::uint8_t> other(4096, 'x');
  test::WriteBytes(dir.Path("other.oxm"), other);
  d.Open(dir.WPath("other.oxm"));
  EXPECT_EQ(d.FileName(), u"");
  EXPECT_FALSE(d.Lookup(u"x"));
}

TEST(MainDictionary, TruncatedFileOpensButNeverActivates) {
  auto bytes = Compile({u"alpha", u"beta"});
  bytes.resize(bytes.size() - 100);  // the reserved block is cut short
  TCompiled c(bytes);
  EXPECT_EQ(c.dictionary.FileName(), U16(c.path));
  EXPECT_FALSE(c.dictionary.Lookup(u"alpha"));
  EXPECT_FALSE(c.dictionary.Active());
  EXPECT_TRUE(Enumerate(c.dictionary, u"a").empty());

  // Cut inside the title: what is there is read, the rest reads as zeros.
  bytes.resize(kMainHeaderSize + 4);  // length 4, "T" and half of "e"
  TCompiled cut(bytes, "cut.oxm");
  EXPECT_EQ(cut.dictionary.FileName(), U16(cut.path));
  EXPECT_EQ(cut.dictionary.Title(), u"T");
  EXPECT_EQ(cut.dictionary.Language(), 0);
  EXPECT_FALSE(cut.dictionary.Lookup(u"alpha"));
  EXPECT_FALSE(cut.dictionary.Active());
}

TEST(MainDictionary, ReopeningKeepsTheActiveStateAndAFailedOpenKeepsTheOldFile) {
  test::TScratchDir dir;
  test::WriteBytes(dir.Path("one.oxm"), Compile({u"one"}));
  test::WriteBytes(dir.Path("two.oxm"), Compile({u"two"}));
  TMainDictionary d;
  d.Open(dir.WPath("one.oxm"));
  ASSERT_TRUE(d.Lookup(u"one"));
  d.IncrementWordsFound();
  EXPECT_EQ(d.WordsFound(), 1);
  d.Open(dir.WPath("two.oxm"));
  EXPECT_TRUE(d.Active());
  EXPECT_EQ(d.WordsFound(), 0);
  EXPECT_TRUE(d.Lookup(u"two"));
  EXPECT_FALSE(d.Lookup(u"one"));
  d.Open(dir.WPath("nothing.oxm"));
  EXPECT_EQ(d.FileName(), dir.WPath("two.oxm"));
  d.SetActive(false);
  EXPECT_FALSE(d.Active());
  EXPECT_TRUE(d.Lookup(u"two"));  // re-activates on demand
  d.SetConfigurationName(u"Two");
  EXPECT_EQ(d.ConfigurationName(), u"Two");
}

// A hand-made file of two nodes, the root (whose only child is node 1) and node 1, a word end
// "a" with the given children (count code and link) and linkage; the first-byte entry of "a"
// repeats the root's child.
std::vector<std::uint8_t> TwoNodeFile(std::uint32_t CountCode, std::uint32_t Link, std::vector<std::uint8_t> Linkage,
                                      std::uint8_t FirstCount, std::uint32_t FirstLink) {
  platform::TByteWriter out;
  out.PutBytes(std::string_view(kMainBanner41));
  out.PutZeros(kMainHeaderSize - out.Size());
  out.PutU8(0);  // title length
  out.PutU16(0);
  out.PutU32(1033);
  out.PutU32(1);
  out.PutU32(2);
  out.PutU32(2);  // table 0 holds both nodes
  for (unsigned k = 1; k < kMainTableCount; ++k) out.PutU32(0);
  out.PutU32(TMainNodeWord::Make(0, 1, 1, false).Value);
  out.PutU32(TMainNodeWord::Make('a', Link, CountCode, true).Value);
  out.PutU32(static_cast<std::uint32_t>(Linkage.size()));
  out.PutBytes(Linkage);
  std::vector<std::uint8_t> first(kMainFirstByteTableSize, 0);
  first[8 * 'a'] = 1;
  first[8 * 'a' + 1] = FirstCount;
  platform::StoreLe32(&first[8 * 'a' + 4], FirstLink);
  out.PutBytes(first);
  out.PutZeros(kMainReservedSize);
  return out.Take();
}

// "a" is its own only child. Lookups and enumerations must stay bounded.
TEST(MainDictionary, CyclicLinksCannotMakeAWalkLoop) {
  TCompiled c(TwoNodeFile(1, 1, {}, 1, 1));
  auto& d = c.dictionary;
  EXPECT_TRUE(d.Lookup(u"a"));
  EXPECT_TRUE(d.Lookup(std::u16string(300, u'a')));
  // A longer word is cut to 512 bytes, as every word is; the walk still ends.
  EXPECT_TRUE(d.Lookup(std::u16string(600, u'a')));
  std::size_t reported = 0, longest = 0;
  d.EnumeratePrefix("a", [&](std::string_view w) {
    ++reported;
    longest = std::max(longest, w.size());
    return TVisitAction::vaContinue;
  });
  EXPECT_GT(reported, 0u);
  EXPECT_LE(longest, kMaxWordBytes);
}

// "a" has two children, both itself: 2^511 paths below it. An enumeration stops after
// visiting 512 nodes for each node of the file, and the tree is not walked so again until
// it is activated again.
TEST(MainDictionary, BranchingCyclesAreWalkedOnce) {
  TCompiled c(TwoNodeFile(2, 0, {1, 0, 1, 0}, 2, 0));
  auto& d = c.dictionary;
  const auto first = Enumerate(d, u"a");
  EXPECT_GT(first.size(), 0u);
  EXPECT_LE(first.size(), 2 * kMaxWordBytes);
  EXPECT_TRUE(Enumerate(d, u"a").empty());
  EXPECT_TRUE(d.Lookup(u"aaaa"));
  d.SetActive(false);
  EXPECT_EQ(Enumerate(d, u"a"), first);
}

TEST(MainDictionary, OutOfRangeReferencesAnswerFalse) {
  auto bytes = Compile({u"ab", u"ac"});
  TCompiled good(bytes);
  ASSERT_TRUE(good.dictionary.Lookup(u"ab"));
  // Point the first-byte entry of "a" at a linkage offset far outside the linkage area.
  const std::size_t firstByteTable = bytes.size() - 1024 - 2048;
  bytes[firstByteTable + 8 * 'a' + 4] = 0xF0;
  bytes[firstByteTable + 8 * 'a' + 5] = 0xFF;
  TCompiled bad(bytes, "bad.oxm");
  EXPECT_FALSE(bad.dictionary.Lookup(u"ab"));
  EXPECT_FALSE(bad.dictionary.Lookup(u"ac"));
}

// The shipped American dictionary: every source word is found, and enumerating from every
// first byte lists exactly the source set.
TEST(MainDictionary, ShippedAmericanDictionaryRoundTrips) {
  const std::string path = test::BuildDir() + "/data/American.oxm";
  TMainDictionary d;
  d.Open(U16(path));
  if (d.FileName().empty()) GTEST_SKIP() << "American.oxm was not built";
  EXPECT_EQ(d.Language(), 1033);

  namespace fs = std::filesystem;
  const std::set<std::string> sizes{"10", "20", "35", "40", "50", "55", "60"};
  std::set<std::string> source;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(U16(test::HostPath("/usr/share/dict/scowl"))), error)) {
    const std::string name = entry.path().filename().string();
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || !sizes.count(name.substr(dot + 1))) continue;
    if (!name.starts_with("english-") && !name.starts_with("american-")) continue;
    for (const auto& w : tools::ReadWordListUtf8([&] {
           const auto bytes = test::ReadBytes(U8(entry.path().u16string()));
           return std::string(bytes.begin(), bytes.end());
         }())) {
      if (w.size() > 2 && w.ends_with(u"'s")) continue;
      source.insert(U8(w));
    }
  }
  ASSERT_GT(source.size(), 80000u);
  EXPECT_EQ(static_cast<std::size_t>(d.WordCount()), source.size());
  std::size_t missing = 0;
  for (const auto& w : source)
    if (!d.Lookup(U16(w)) && ++missing < 10) ADD_FAILURE() << "not found: " << w;
  EXPECT_EQ(missing, 0u);

  std::set<std::string> enumerated;
  for (int b = 1; b < 256; ++b) {
    const std::string prefix(1, static_cast<char>(b));
    d.EnumeratePrefix(prefix, [&](std::string_view w) {
      enumerated.emplace(w);
      return TVisitAction::vaContinue;
    });
  }
  EXPECT_TRUE(enumerated == source) << enumerated.size() << " enumerated, " << source.size() << " in the source";
}

}  // namespace
}  // namespace lexoro
