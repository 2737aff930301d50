// The thesaurus compiler and the two commands: MyThes sources compiled and read back, the
// choice of what fits, refusals, and the shipped English thesaurus.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/TestSupport.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"
#include "tools/ThesaurusCompiler.h"

namespace lexoro {
namespace {

using test::U16;
using Words = std::vector<std::u16string>;

constexpr char kSource[] =
    "UTF-8\n"
    "happy|3\n"
    "(adj)|blessed (similar term)|cheerful (related term)|unhappy (antonym)\n"
    "(adj)|felicitous|fortunate (similar term)\n"
    "(adj)|glad|willing (similar term)\n"
    "glad|2\r\n"
    "(adj)|happy|willing (similar term)\r\n"
    "(adj)|beaming|smiling\r\n"
    "felicitous|1\n"
    "(adj)|happy|fortunate (similar term)\n"
    "run|2\n"
    "(noun)|tally|score (generic term)\n"
    "(verb)|scat|scarper|run away\n"
    "quickly|1\n"
    "(adv)|rapidly|speedily|slowly (antonym)\n"
    "caf\xC3\xA9|1\n"
    "(noun)|coffeehouse|coffee shop\n"
    "\xC5\x82\xC3\xB3\x64\xC5\xBA|1\n"
    "(noun)|city (generic term)\n";

std::vector<tools::TThesaurusSourceEntry> Parse(const std::string& source) {
  std::vector<tools::TThesaurusSourceEntry> entries;
  std::string error;
  EXPECT_TRUE(tools::ParseMyThes(source, entries, error)) << error;
  return entries;
}

class ThesaurusCompilerTest : public ::testing::Test {
 protected:
  // Compiles, writes and loads; false when the compiler refused.
  bool Compile(const tools::TThesaurusCompileOptions& options, const std::string& source = kSource) {
    Result = tools::CompileThesaurus(Parse(source), options);
    if (!Result.Ok) return false;
    test::WriteBytes(Scratch.Path("t.oxt"), Result.Bytes);
    Thesaurus.SetFileName(Scratch.WPath("t.oxt"));
    Thesaurus.SetLoaded(true);
    EXPECT_TRUE(Thesaurus.Loaded());
    return true;
  }
  std::vector<std::u16string> Headwords(const std::u16string& word) {
    std::vector<std::u16string> out;
    if (!Thesaurus.Lookup(word)) return {u"(not found)"};
    for (const auto& c : Thesaurus.Contexts()) out.push_back(c.Headword);
    return out;
  }
  test::TScratchDir Scratch;
  TThesaurusFile Thesaurus;
  tools::TThesaurusCompileResult Result;
};

TEST_F(ThesaurusCompilerTest, RoundTripOfASmallSource) {
  tools::TThesaurusCompileOptions options;
  options.Name = u"Test thesaurus";
  ASSERT_TRUE(Compile(options)) << Result.Error;
  EXPECT_EQ(Thesaurus.Name(), u"Test thesaurus");
  EXPECT_EQ(Thesaurus.KindNames()[0], u"headword");
  EXPECT_EQ(Thesaurus.KindNames()[4], u"adverb");
  // Meanings repeated under glad and felicitous merge with those of happy.
  EXPECT_EQ(Result.Contexts, 8u);
  EXPECT_EQ(Result.Words, 21u);
  EXPECT_EQ(Result.TermsUnstorable, 1u);
  EXPECT_EQ(Thesaurus.NodeCount(), Result.Nodes);

  EXPECT_EQ(Headwords(u"happy"), (Words{u"happy", u"felicitous", u"glad"}));
  EXPECT_EQ(Headwords(u"glad"), (Words{u"glad", u"beaming"}));
  EXPECT_EQ(Headwords(u"willing"), (Words{u"glad"}));  // a related term finds its meaning
  ASSERT_TRUE(Thesaurus.Lookup(u"happy"));
  const auto& first = Thesaurus.Contexts()[0];
  EXPECT_EQ(first.Kind, 3);
  EXPECT_EQ(first.KindName, u"adjective");
  EXPECT_EQ(first.Lists[2], (Words{u"happy", u"blessed", u"cheerful"}));  // antonym left out
  EXPECT_TRUE(first.Lists[0].empty() && first.Lists[1].empty() && first.Lists[3].empty());

  ASSERT_TRUE(Thesaurus.Lookup(u"run away"));  // a tail below a word end ("run")
  ASSERT_EQ(Thesaurus.Contexts().size(), 1u);
  EXPECT_EQ(Thesaurus.Contexts()[0].Kind, 2);
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[1], (Words{u"run", u"scat", u"scarper", u"run away"}));
  EXPECT_EQ(Headwords(u"run"), (Words{u"tally", u"scat"}));
  EXPECT_EQ(Headwords(u"score"), (Words{u"tally"}));
  ASSERT_TRUE(Thesaurus.Lookup(u"QUICKLY"));
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[3], (Words{u"QUICKLY", u"RAPIDLY", u"SPEEDILY"}));
  ASSERT_TRUE(Thesaurus.Lookup(u"Caf\u00e9"));
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[0], (Words{u"Caf\u00e9", u"Coffeehouse", u"Coffee shop"}));

  for (const char16_t* missing : {u"unhappy", u"slowly", u"city", u"\u0142\u00f3d\u017a", u"ru", u"run aw"})
    EXPECT_FALSE(Thesaurus.Lookup(missing)) << test::U8(missing);
}

TEST_F(ThesaurusCompilerTest, RankListsChooseTheCommonestMeaningsFirst) {
  tools::TThesaurusCompileOptions options;
  options.RankLists = {{u"Run"}, {u"happy", u"quickly"}};
  options.MaxContexts = 3;
  ASSERT_TRUE(Compile(options)) << Result.Error;
  // Order: run 1 (rank 0), happy 1 and quickly 1 (rank 1), then second meanings (+3).
  EXPECT_EQ(Headwords(u"run"), (Words{u"tally"}));
  EXPECT_EQ(Headwords(u"happy"), (Words{u"happy"}));
  EXPECT_EQ(Headwords(u"quickly"), (Words{u"rapidly"}));
  ASSERT_TRUE(Thesaurus.Lookup(u"happy"));
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[2], (Words{u"happy"}));  // unranked related terms dropped
  EXPECT_FALSE(Thesaurus.Lookup(u"glad"));  // not a ranked entry, in no meaning kept
  EXPECT_GT(Result.SensesSkipped, 0u);
}

TEST_F(ThesaurusCompilerTest, NeverWritesMoreThanTheLimits) {
  tools::TThesaurusCompileOptions options;
  options.MaxNodes = 20;
  EXPECT_FALSE(Compile(options));
  EXPECT_NE(Result.Error.find("nodes"), std::string::npos) << Result.Error;
  EXPECT_TRUE(Result.Bytes.empty());

  options.MaxNodes = 65536;
  options.MaxContexts = 7;
  EXPECT_FALSE(Compile(options));
  EXPECT_NE(Result.Error.find("meanings"), std::string::npos) << Result.Error;

  // With rank lists the compiler keeps what fits instead.
  options.RankLists = {{u"happy", u"glad", u"run", u"quickly", u"felicitous", u"caf\u00e9"}};
  for (std::uint32_t nodes : {1u, 12u, 30u, 45u}) {
    options.MaxNodes = nodes;
    ASSERT_TRUE(Compile(options)) << Result.Error;
    EXPECT_LE(Thesaurus.NodeCount(), nodes);
    EXPECT_LE(Thesaurus.ContextCount(), 7u);
  }

  options.Name = u"\u0141\u00f3d\u017a";
  EXPECT_FALSE(Compile(options));
}

TEST(MyThesSource, ParsesEncodingsAndReportsBadLines) {
  std::vector<tools::TThesaurusSourceEntry> entries;
  std::string error;
  ASSERT_TRUE(tools::ParseMyThes("ISO8859-1\ncaf\xE9|1\n(noun)|bistro\n", entries, error));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Word, u"caf\u00e9");
  EXPECT_EQ(entries[0].Senses[0].Kind, 1);

  const std::pair<const char*, const char*> bad[] = {
      {"", "encoding"},
      {"KOI8-R\n", "encoding"},
      {"UTF-8\nhappy\n(adj)|glad\n", "line 2"},
      {"UTF-8\nhappy|x\n", "line 2"},
      {"UTF-8\nhappy|2\n(adj)|glad\n", "ends inside"},
  };
  for (const auto& [source, message] : bad) {
    entries.clear();
    error.clear();
    EXPECT_FALSE(tools::ParseMyThes(source, entries, error)) << source;
    EXPECT_NE(error.find(message), std::string::npos) << error;
  }
}

// Sources in other languages: their part-of-speech names and labels, none at all, an entry
// without a word.
TEST_F(ThesaurusCompilerTest, SourcesInOtherLanguages) {
  const std::string source =
      "UTF-8\n"
      "|1\n"
      "-|(...)|im Jahre (...)\n"
      "haus|2\n"
      "-|Haus|Geb\xC3\xA4ude|Bau (Oberbegriff)|Bude (ugs.)|(sich) behausen|[gos] Hundeh\xC3\xBCtte\n"
      "(Verbe)|habiter|loger (Antonym)\n"
      "rapido|1\n"
      "(agg.)|veloce|lento (antonimo)|svelto (fig.)\n";
  tools::TThesaurusCompileOptions options;
  options.KindNames = {u"", u"nom", u"verbe", u"adjectif", u"adverbe"};
  ASSERT_TRUE(Compile(options, source)) << Result.Error;
  EXPECT_EQ(Result.Headwords, 2u);  // the entry without a word is skipped, not refused

  ASSERT_TRUE(Thesaurus.Lookup(u"Haus"));
  ASSERT_EQ(Thesaurus.Contexts().size(), 1u);
  const auto& building = Thesaurus.Contexts()[0];
  EXPECT_EQ(building.Kind, 0);  // no part of speech: kind 0, unnamed, words in list 1
  EXPECT_EQ(building.KindName, u"");
  // The entry takes the case its synonym gives; usage labels go, the generic term follows.
  EXPECT_EQ(building.Lists[0], (Words{u"Haus", u"Geb\u00e4ude", u"Bude", u"behausen", u"Hundeh\u00fctte", u"Bau"}));
  // Without a synonym of the same spelling the entry keeps its own case.
  ASSERT_TRUE(Thesaurus.Lookup(u"haus"));
  ASSERT_EQ(Thesaurus.Contexts().size(), 1u);
  EXPECT_EQ(Thesaurus.Contexts()[0].KindName, u"verbe");
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[1], (Words{u"haus", u"habiter"}));  // no antonym
  EXPECT_FALSE(Thesaurus.Lookup(u"loger"));
  ASSERT_TRUE(Thesaurus.Lookup(u"rapido"));
  EXPECT_EQ(Thesaurus.Contexts()[0].KindName, u"adjectif");
  EXPECT_EQ(Thesaurus.Contexts()[0].Lists[2], (Words{u"rapido", u"veloce", u"svelto"}));
  EXPECT_FALSE(Thesaurus.Lookup(u"lento"));

  options.SingleWords = true;
  ASSERT_TRUE(Compile(options, source)) << Result.Error;
  EXPECT_FALSE(Thesaurus.Lookup(u"im Jahre"));
  EXPECT_TRUE(Thesaurus.Lookup(u"Bude"));
}

TEST(ThesaurusRanking, WordsNamedInMoreMeaningsRankFirst) {
  const auto entries = Parse(
      "UTF-8\n"
      "big|3\n(adj)|large|great\n(adj)|large|huge\n(adj)|grown|large\n"
      "large|1\n(adj)|big|small (antonym)\n"
      "small|1\n(adj)|little\n");
  const auto lists = tools::RankListsByUse(entries);
  auto rank = [&](const std::u16string& word) {
    for (std::size_t r = 0; r < lists.size(); ++r)
      if (std::find(lists[r].begin(), lists[r].end(), word) != lists[r].end()) return r;
    return lists.size();
  };
  // large: 4 lines, big: 4, small: 1 (antonyms do not count), little: 1.
  EXPECT_LT(rank(u"large"), rank(u"small"));
  EXPECT_EQ(rank(u"large"), rank(u"big"));
  EXPECT_EQ(rank(u"small"), rank(u"little"));
  EXPECT_LT(rank(u"little"), lists.size());
}

TEST(ThesaurusCommands, CompileAndLookUp) {
  test::TScratchDir scratch;
  test::WriteText(scratch.Path("src.dat"), kSource);
  const std::string oxt = scratch.Path("t.oxt");
  auto run = test::RunLexoro({"compile-thesaurus", "--name", "Tiny", "-o", oxt, scratch.Path("src.dat")});
  ASSERT_EQ(run.Code, 0) << run.Err;

  run = test::RunLexoro({"thesaurus", oxt, "quickly", "nothing"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Out,
            "[quickly]\nrapidly\tadverb\n\n\n\nquickly\trapidly\tspeedily\n"
            "[nothing]\nnot found\n");
  run = test::RunLexoro({"thesaurus", oxt, "Glad"});
  EXPECT_EQ(run.Code, 0);
  EXPECT_EQ(run.Out,
            "[Glad]\nGlad\tadjective\n\n\nHappy\tGlad\tWilling\n\n"
            "Beaming\tadjective\n\n\nGlad\tBeaming\tSmiling\n\n");

  EXPECT_EQ(test::RunLexoro({"thesaurus", scratch.Path("missing.oxt"), "glad"}).Code, 2);
  test::WriteText(scratch.Path("bad.oxt"), "not a thesaurus");
  EXPECT_EQ(test::RunLexoro({"thesaurus", scratch.Path("bad.oxt"), "glad"}).Code, 2);
  EXPECT_EQ(test::RunLexoro({"compile-thesaurus", "-o", oxt, scratch.Path("missing.dat")}).Code, 2);
  test::WriteText(scratch.Path("broken.dat"), "UTF-8\nhappy|3\n");
  run = test::RunLexoro({"compile-thesaurus", "-o", scratch.Path("x.oxt"), scratch.Path("broken.dat")});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("ends inside"), std::string::npos) << run.Err;
}

// ---- The shipped English thesaurus ------------------------------------------------------

class ShippedThesaurus : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = test::BuildDir() + "/data/Kelmor.oxt";
    Thesaurus.SetFileName(U16(path));
    if (Thesaurus.FileName().empty()) GTEST_SKIP() << "not built: " << path;
    Thesaurus.SetLoaded(true);
    ASSERT_TRUE(Thesaurus.Loaded());
  }
  // Whether some context of Word of the given kind lists Other.
  bool Offers(const std::u16string& word, int kind, const std::u16string& other) {
    if (!Thesaurus.Lookup(word)) return false;
    return std::any_of(Thesaurus.Contexts().begin(), Thesaurus.Contexts().end(), [&](const TThesaurusEntry& c) {
      const auto& list = c.Lists[static_cast<std::size_t>(kind - 1)];
      return c.Kind == kind && std::find(list.begin(), list.end(), other) != list.end();
    });
  }
  TThesaurusFile Thesaurus;
};

TEST_F(ShippedThesaurus, AnswersForCommonWords) {
  EXPECT_EQ(Thesaurus.Name(), u"English");
  EXPECT_EQ(Thesaurus.KindNames()[1], u"noun");
  EXPECT_TRUE(Offers(u"happy", 3, u"glad"));
  EXPECT_TRUE(Offers(u"happy", 3, u"felicitous"));
  EXPECT_TRUE(Offers(u"run", 2, u"operate"));
  EXPECT_TRUE(Offers(u"run", 1, u"tally"));
  EXPECT_TRUE(Offers(u"quickly", 4, u"rapidly"));
  EXPECT_TRUE(Offers(u"Quickly", 4, u"Rapidly"));
  ASSERT_TRUE(Thesaurus.Lookup(u"run"));
  EXPECT_GE(Thesaurus.Contexts().size(), 8u);
  EXPECT_FALSE(Thesaurus.Lookup(u"qwzxv"));
}

}  // namespace
}  // namespace lexoro
