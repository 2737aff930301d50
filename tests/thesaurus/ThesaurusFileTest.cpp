// The thesaurus reader against files built byte by byte: lookups, tail chains, case
// adjustment, the file-name and load states, and damaged files.
#include <gtest/gtest.h>

#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;

constexpr std::uint32_t kSingle = kThesaurusSingleChildBit, kParent = kThesaurusParentBit, kTail = kThesaurusTailBit,
                        kEnd = kThesaurusWordEndBit;

// Builds a file from node descriptions; link blocks are laid out in node order.
struct TRawThesaurus {
  struct TNode {
    std::uint8_t Ch;
    std::uint32_t Flags;
    std::vector<std::uint16_t> Children = {};
    std::uint16_t Parent = 0;
    std::vector<std::uint16_t> References = {};
  };
  struct TContext {
    std::uint16_t Headword;
    std::array<std::vector<std::uint16_t>, 4> Lists;
  };
  std::vector<TNode> Nodes;
  std::vector<TContext> Contexts;
  std::string Name = "Test";

  std::vector<std::uint8_t> Bytes() const {
    platform::TByteWriter nodes, links, contexts, lists;
    for (const auto& node : Nodes) {
      nodes.PutU32(static_cast<std::uint32_t>(links.Size()) | node.Flags | (std::uint32_t{node.Ch} << 24));
      if (node.Flags & kSingle) {
        links.PutU16(node.Children.at(0));
      } else {
        links.PutU8(static_cast<std::uint8_t>(node.Children.size()));
        for (auto c : node.Children) links.PutU16(c);
      }
      if (node.Flags & kParent) links.PutU16(node.Parent);
      if (node.Flags & (kTail | kEnd)) {
        links.PutU8(static_cast<std::uint8_t>(node.References.size()));
        for (auto r : node.References) links.PutU16(r);
      }
    }
    for (const auto& context : Contexts) {
      contexts.PutU16(context.Headword);
      for (const auto& list : context.Lists) contexts.PutU16(static_cast<std::uint16_t>(list.size()));
      contexts.PutU32(static_cast<std::uint32_t>(lists.Size()));
      for (const auto& list : context.Lists)
        for (auto n : list) lists.PutU16(n);
    }
    TThesaurusImage image{U16(Name), {u"head", u"n.", u"v.", u"adj.", u"adv."}, nodes.Take(), links.Take(),
                          contexts.Take(), lists.Take()};
    return ThesaurusFileBytes(image, "").value();
  }
};

// Words: "ha" (word end, node 2), "happy" (tail at node 3: p -> p -> y), "hat" (node 6),
// "glad" (tail at node 7: g -> l -> a -> d), "A" (node 11, no references), "é" (node 12).
// Context 0: headword "happy", adjective list happy, glad, hat. Context 1: headword "ha",
// noun list ha.
TRawThesaurus Sample() {
  TRawThesaurus t;
  t.Nodes = {
      {0, 0, {1, 7, 11, 12}},                     // 0 root
      {'h', 0, {2}},                              // 1 h (single child written as a list of one)
      {'a', kEnd | kParent, {3, 6}, 1, {1 * 5 + 1}},  // 2 ha
      {'p', kTail | kSingle | kParent, {4}, 2, {0 * 5 + 3}},  // 3 hap(py)
      {'p', kSingle, {5}},                        // 4 chain
      {'y', 0, {}},                               // 5 chain end
      {'t', kEnd | kParent, {}, 2, {0 * 5 + 3}},  // 6 hat
      {'g', kTail | kSingle, {8}, 0, {0 * 5 + 3}},    // 7 g(lad)
      {'l', kSingle, {9}},                        // 8
      {'a', kSingle, {10}},                       // 9
      {'d', 0, {}},                               // 10
      {'A', kEnd, {}, 0, {}},                     // 11 A
      {0xE9, kEnd, {}, 0, {1 * 5 + 0}},           // 12 é
  };
  t.Contexts = {{3, {{{}, {}, {3, 7, 6}, {}}}}, {2, {{{2}, {}, {}, {}}}}};
  return t;
}

class ThesaurusFileTest : public ::testing::Test {
 protected:
  std::u16string Write(const std::vector<std::uint8_t>& bytes, const std::string& name = "t.oxt") {
    test::WriteBytes(Scratch.Path(name), bytes);
    return Scratch.WPath(name);
  }
  test::TScratchDir Scratch;
  TThesaurusFile Thesaurus;
};

TEST_F(ThesaurusFileTest, FindsWordsThroughBranchesTailsAndWordEnds) {
  Thesaurus.SetFileName(Write(Sample().Bytes()));
  Thesaurus.SetLoaded(true);
  ASSERT_TRUE(Thesaurus.Loaded());
  EXPECT_EQ(Thesaurus.Name(), u"Test");
  EXPECT_EQ(Thesaurus.KindNames()[3], u"adj.");
  EXPECT_EQ(Thesaurus.FindWord(u"ha"), 2);
  EXPECT_EQ(Thesaurus.FindWord(u"happy"), 3);
  EXPECT_EQ(Thesaurus.FindWord(u"hat"), 6);
  EXPECT_EQ(Thesaurus.FindWord(u"glad"), 7);
  for (const char16_t* missing : {u"", u"h", u"hap", u"happ", u"happyy", u"hatt", u"gla", u"g", u"glads", u"x"})
    EXPECT_FALSE(Thesaurus.FindWord(missing)) << test::U8(missing);
  EXPECT_EQ(Thesaurus.GetWord(3), u"happy");
  EXPECT_EQ(Thesaurus.GetWord(6), u"hat");
  EXPECT_EQ(Thesaurus.GetWord(7), u"glad");
  EXPECT_EQ(Thesaurus.GetWord(99), u"");
}

TEST_F(ThesaurusFileTest, LookupBuildsContextsFromReferences) {
  Thesaurus.SetFileName(Write(Sample().Bytes()));
  ASSERT_TRUE(Thesaurus.Lookup(u"glad"));  // loads on demand
  EXPECT_TRUE(Thesaurus.Loaded());
  EXPECT_EQ(Thesaurus.ContextWord(), u"glad");
  ASSERT_EQ(Thesaurus.Contexts().size(), 1u);
  const auto& c = Thesaurus.Contexts()[0];
  EXPECT_EQ(c.Headword, u"happy");
  EXPECT_EQ(c.Kind, 3);
  EXPECT_EQ(c.KindName, u"adj.");
  EXPECT_TRUE(c.Lists[0].empty());
  EXPECT_EQ(c.Lists[2], (std::vector<std::u16string>{u"happy", u"glad", u"hat"}));

  ASSERT_TRUE(Thesaurus.Lookup(u"\u00e9"));  // reference 5: context 1, kind 0
  ASSERT_EQ(Thesaurus.Contexts().size(), 1u);
  EXPECT_EQ(Thesaurus.Contexts()[0].Kind, 0);
  EXPECT_EQ(Thesaurus.Contexts()[0].Headword, u"ha");

  EXPECT_FALSE(Thesaurus.Lookup(u"hap"));
}

TEST_F(ThesaurusFileTest, WordWithoutReferencesIsFoundWithNoContexts) {
  Thesaurus.SetFileName(Write(Sample().Bytes()));
  ASSERT_TRUE(Thesaurus.Lookup(u"glad"));
  ASSERT_TRUE(Thesaurus.Lookup(u"A"));
  EXPECT_TRUE(Thesaurus.Contexts().empty());
}

TEST_F(ThesaurusFileTest, CharactersAboveLatin1NeverMatch) {
  Thesaurus.SetFileName(Write(Sample().Bytes()));
  EXPECT_TRUE(Thesaurus.Lookup(u"\u00e9"));
  EXPECT_FALSE(Thesaurus.Lookup(u"\u0141"));  // low byte 0x41 is 'A'
  EXPECT_FALSE(Thesaurus.Lookup(u"\u01e9"));  // low byte 0xE9 is 'é'
  EXPECT_FALSE(Thesaurus.Lookup(u"h\u0161"));
}

TEST_F(ThesaurusFileTest, LowerCaseRetryGivesTheQueryItsCase) {
  Thesaurus.SetFileName(Write(Sample().Bytes()));
  ASSERT_TRUE(Thesaurus.Lookup(u"GLAD"));
  EXPECT_TRUE(Thesaurus.CaseAdjust());
  EXPECT_EQ(Thesaurus.Contexts()[0].Headword, u"HAPPY");
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[2], (std::vector<std::u16string>{u"HAPPY", u"GLAD", u"HAT"}));

  ASSERT_TRUE(Thesaurus.Lookup(u"Glad"));
  EXPECT_EQ(Thesaurus.Contexts()[0].Headword, u"Happy");
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[2], (std::vector<std::u16string>{u"Happy", u"Glad", u"Hat"}));

  ASSERT_TRUE(Thesaurus.Lookup(u"gLAD"));  // neither capitalised nor all capitals
  EXPECT_EQ(Thesaurus.Contexts()[0].Headword, u"happy");

  ASSERT_TRUE(Thesaurus.Lookup(u"glad"));  // found as given: no adjustment
  EXPECT_FALSE(Thesaurus.CaseAdjust());
  ASSERT_TRUE(Thesaurus.Lookup(u"A"));  // found as given although all capitals
  EXPECT_FALSE(Thesaurus.CaseAdjust());
}

TEST_F(ThesaurusFileTest, FileNameAndLoadedState) {
  const auto first = Write(Sample().Bytes(), "first.oxt");
  auto other = Sample();
  other.Name = "Other";
  const auto second = Write(other.Bytes(), "second.oxt");

  Thesaurus.SetFileName(first);
  EXPECT_FALSE(Thesaurus.Loaded());  // nothing is read before it is needed
  Thesaurus.SetLoaded(true);
  Thesaurus.SetFileName(Scratch.WPath("missing.oxt"));
  EXPECT_EQ(Thesaurus.FileName(), first);
  EXPECT_TRUE(Thesaurus.Loaded());
  EXPECT_TRUE(Thesaurus.Lookup(u"glad"));

  Thesaurus.SetFileName(second);  // reloads because it was loaded
  EXPECT_TRUE(Thesaurus.Loaded());
  EXPECT_EQ(Thesaurus.Name(), u"Other");
  Thesaurus.SetLoaded(false);
  EXPECT_FALSE(Thesaurus.Loaded());
  Thesaurus.SetFileName(first);  // stays unloaded
  EXPECT_FALSE(Thesaurus.Loaded());
}

TEST_F(ThesaurusFileTest, MissingFileAnswersFalse) {
  EXPECT_FALSE(Thesaurus.Lookup(u"glad"));
  Thesaurus.SetFileName(Scratch.WPath("missing.oxt"));
  EXPECT_EQ(Thesaurus.FileName(), u"");
  EXPECT_FALSE(Thesaurus.Lookup(u"glad"));
}

TEST_F(ThesaurusFileTest, FileBytesRefuseWhatTheFieldsCannotHold) {
  TThesaurusImage image;
  image.Name = std::u16string(255, u'\u00ff');
  ASSERT_TRUE(ThesaurusFileBytes(image, std::string(kThesaurusHeaderSize, 'x')));
  image.Name += u'a';  // 256 characters
  EXPECT_FALSE(ThesaurusFileBytes(image, ""));
  image.Name = u"ok";
  image.KindNames[4] = u"\u0100";
  EXPECT_FALSE(ThesaurusFileBytes(image, ""));
  image.KindNames[4] = u"";
  EXPECT_FALSE(ThesaurusFileBytes(image, std::string(kThesaurusHeaderSize + 1, 'x')));
  image.Nodes.resize(kThesaurusNodeSize * (kThesaurusMaxNodes + 1));
  EXPECT_FALSE(ThesaurusFileBytes(image, ""));
}

// ---- Damaged files ----------------------------------------------------------------------

TEST_F(ThesaurusFileTest, EveryTruncationIsRejected) {
  const auto bytes = Sample().Bytes();
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    Thesaurus.LoadFromBytes(std::span(bytes).first(n));
    EXPECT_FALSE(Thesaurus.Loaded()) << n;
    EXPECT_FALSE(Thesaurus.Lookup(u"glad")) << n;
  }
  Thesaurus.LoadFromBytes(bytes);
  EXPECT_TRUE(Thesaurus.Lookup(u"glad"));
  EXPECT_EQ(Thesaurus.FileName(), u"");
}

TEST_F(ThesaurusFileTest, OutOfRangeNumbersAreRejectedAtLoad) {
  std::vector<std::pair<const char*, TRawThesaurus>> cases;
  auto add = [&](const char* what, auto change) {
    auto t = Sample();
    change(t);
    cases.emplace_back(what, std::move(t));
  };
  add("child", [](TRawThesaurus& t) { t.Nodes[0].Children.push_back(13); });
  add("parent", [](TRawThesaurus& t) { t.Nodes[6].Parent = 200; });
  add("reference", [](TRawThesaurus& t) { t.Nodes[7].References = {2 * 5}; });
  add("headword", [](TRawThesaurus& t) { t.Contexts[1].Headword = 13; });
  add("list member", [](TRawThesaurus& t) { t.Contexts[0].Lists[2].push_back(0xFFFF); });
  for (const auto& [what, t] : cases) {
    Thesaurus.SetLoaded(false);
    Thesaurus.SetFileName(Write(t.Bytes(), std::string(what) + ".oxt"));
    Thesaurus.SetLoaded(true);
    EXPECT_FALSE(Thesaurus.Loaded()) << what;
  }

  // A link position or a word-list offset past its area.
  auto bytes = Sample().Bytes();
  const std::size_t nodes = 165 + 5 + 5 + 3 + 3 + 5 + 5 + 4;
  bytes[nodes + 4 * 5] = 0xF0;  // node 5's link position
  Thesaurus.SetLoaded(false);
  Thesaurus.SetFileName(Write(bytes, "link.oxt"));
  Thesaurus.SetLoaded(true);
  EXPECT_FALSE(Thesaurus.Loaded());

  bytes = Sample().Bytes();
  // Context 1's offset (third byte), the last record before W and the 8 bytes of word lists.
  bytes[bytes.size() - 8 - 4 - 14 + 12] = 0x01;
  Thesaurus.SetFileName(Write(bytes, "offset.oxt"));
  Thesaurus.SetLoaded(true);
  EXPECT_FALSE(Thesaurus.Loaded());

  bytes = Sample().Bytes();
  bytes[nodes - 1] = 0x80;  // negative node count
  Thesaurus.SetFileName(Write(bytes, "negative.oxt"));
  Thesaurus.SetLoaded(true);
  EXPECT_FALSE(Thesaurus.Loaded());
}

TEST_F(ThesaurusFileTest, LoopsInTheTreeEndWithinTheWordLengthLimit) {
  auto t = Sample();
  t.Nodes[5].Flags = kSingle;  // the chain of "happy" runs back into itself
  t.Nodes[5].Children = {4};
  t.Nodes[6].Parent = 6;  // "hat" is its own parent
  Thesaurus.SetFileName(Write(t.Bytes()));
  ASSERT_TRUE(Thesaurus.Lookup(u"glad"));
  EXPECT_EQ(Thesaurus.GetWord(3).size(), kThesaurusMaxWordLength);
  EXPECT_LE(Thesaurus.GetWord(6).size(), kThesaurusMaxWordLength);
  EXPECT_FALSE(Thesaurus.FindWord(u"happy"));
  EXPECT_FALSE(Thesaurus.FindWord(std::u16string(5000, u'p').insert(0, u"ha")));
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[2].size(), 3u);
}

TEST_F(ThesaurusFileTest, ALookupBuildsABoundedAmountOfText) {
  auto t = Sample();
  t.Nodes[6].Parent = 6;  // "hat" becomes a word of kThesaurusMaxWordLength characters
  t.Contexts[0].Lists[2].assign(100, 6);
  t.Nodes[11].References.assign(255, 0 * 5 + 3);  // "A" refers 255 times to that context
  Thesaurus.SetFileName(Write(t.Bytes()));
  ASSERT_TRUE(Thesaurus.Lookup(u"A"));
  const auto taken = Thesaurus.Contexts().size();
  EXPECT_GT(taken, 0u);
  EXPECT_LT(taken, 255u);
  EXPECT_LE(taken * 100 * kThesaurusMaxWordLength, kThesaurusMaxLookupCharacters);
}

}  // namespace
}  // namespace lexoro
