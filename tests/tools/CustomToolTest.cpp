#include <gtest/gtest.h>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::RunLexoro;

class CustomTool : public ::testing::Test {
 protected:
  test::TScratchDir dir;
};

TEST_F(CustomTool, CompileListAndEditEntries) {
  test::WriteText(dir.Path("pairs.tsv"),
                  "\xEF\xBB\xBF# comment\r\n"
                  "teh\tthe\r\n"
                  "\n"
                  "  Lexoro  \n"
                  "!irregardless\n"
                  "alot\ta lot\n");
  const std::string oxu = dir.Path("user.oxu");
  auto r = RunLexoro({"compile-custom", "-o", oxu, dir.Path("pairs.tsv")});
  ASSERT_EQ(r.Code, 0) << r.Err;
  r = RunLexoro({"custom", "list", oxu});
  ASSERT_EQ(r.Code, 0) << r.Err;
  // Kinds in the order I, E, A; pairs of one kind in index order.
  EXPECT_EQ(r.Out.substr(0, 24), "I\tLexoro\nE\tirregardless\n");
  EXPECT_NE(r.Out.find("A\tteh\tthe\n"), std::string::npos);
  EXPECT_NE(r.Out.find("A\talot\ta lot\n"), std::string::npos);

  EXPECT_EQ(RunLexoro({"custom", "add", oxu, "colour"}).Code, 0);
  EXPECT_EQ(RunLexoro({"custom", "autocorrect", oxu, "recieve", "receive"}).Code, 0);
  r = RunLexoro({"custom", "exclude", oxu, "colour"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_NE(r.Err.find("already an added word"), std::string::npos) << r.Err;
  EXPECT_EQ(RunLexoro({"custom", "remove", oxu, "irregardless"}).Code, 0);
  r = RunLexoro({"custom", "remove", oxu, "irregardless"});
  EXPECT_EQ(r.Code, 1);
  EXPECT_NE(r.Err.find("not in"), std::string::npos);

  TCustomDictionary d;
  d.SetFileName(test::U16(oxu));
  EXPECT_TRUE(d.IsAdded(u"colour"));
  EXPECT_FALSE(d.IsExcluded(u"irregardless"));
  std::u16string replacement;
  EXPECT_TRUE(d.FindAutoCorrect(u"recieve", replacement));
  EXPECT_EQ(replacement, u"receive");
}

TEST_F(CustomTool, AddCreatesAMissingFileAndRefusesOtherFiles) {
  const std::string oxu = dir.Path("fresh.oxu");
  EXPECT_EQ(RunLexoro({"custom", "add", oxu, "caf\xC3\xA9"}).Code, 0);
  EXPECT_EQ(RunLexoro({"custom", "list", oxu}).Out, "I\tcaf\xC3\xA9\n");
  test::WriteText(dir.Path("notes.txt"), "hello");
  const auto before = test::ReadBytes(dir.Path("notes.txt"));
  auto r = RunLexoro({"custom", "add", dir.Path("notes.txt"), "word"});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("not a custom dictionary"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(dir.Path("notes.txt")), before);
  EXPECT_EQ(RunLexoro({"custom", "list", dir.Path("missing.oxu")}).Code, 2);
  EXPECT_EQ(RunLexoro({"custom", "add", oxu, ""}).Code, 1);
}

TEST_F(CustomTool, CompileRefusesBadListsAndKeepsTheOldOutput) {
  const std::string oxu = dir.Path("out.oxu");
  test::WriteText(dir.Path("ok.tsv"), "one\n");
  ASSERT_EQ(RunLexoro({"compile-custom", "-o", oxu, dir.Path("ok.tsv")}).Code, 0);
  const auto good = test::ReadBytes(oxu);
  for (const char* list : {"a\nb\na\n", "x\t\n", "!\n", "teh\tthe\nteh\tten\n"}) {
    test::WriteText(dir.Path("bad.tsv"), list);
    auto r = RunLexoro({"compile-custom", "-o", oxu, dir.Path("bad.tsv")});
    EXPECT_EQ(r.Code, 2) << list;
    EXPECT_NE(r.Err.find("line "), std::string::npos) << r.Err;
    EXPECT_EQ(test::ReadBytes(oxu), good) << list;
  }
  test::WriteText(dir.Path("cyr.tsv"), "\xD0\xB4\xD0\xBE\xD0\xBC\n");
  EXPECT_EQ(RunLexoro({"compile-custom", "--format", "4.0", "-o", oxu, dir.Path("cyr.tsv")}).Code, 2);
  EXPECT_EQ(RunLexoro({"compile-custom", "--format", "4.1", "-o", oxu, dir.Path("cyr.tsv")}).Code, 0);
  EXPECT_EQ(RunLexoro({"compile-custom", "--format", "5.0", "-o", oxu, dir.Path("cyr.tsv")}).Code, 2);
  auto unwritable = RunLexoro({"compile-custom", "-o", dir.Path("no/folder/x.oxu"), dir.Path("ok.tsv")});
  EXPECT_EQ(unwritable.Code, 2);
  EXPECT_NE(unwritable.Err.find("cannot write"), std::string::npos) << unwritable.Err;
}

TEST_F(CustomTool, Format40KeepsAnsiText) {
  test::WriteText(dir.Path("l.tsv"), "na\xC3\xAFve\n");
  const std::string oxu = dir.Path("old.oxu");
  ASSERT_EQ(RunLexoro({"compile-custom", "--format", "4.0", "-o", oxu, dir.Path("l.tsv")}).Code, 0);
  const auto bytes = test::ReadBytes(oxu);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 35), "Lexoro User Dictionary, Version 4.0");
  EXPECT_EQ(RunLexoro({"custom", "list", oxu}).Out, "I\tna\xC3\xAFve\n");
}

TEST_F(CustomTool, DistancePrintsABareNumber) {
  EXPECT_EQ(RunLexoro({"distance", "teh", "the"}).Out, "1\n");
  EXPECT_EQ(RunLexoro({"distance", "kitten", "sitting"}).Out, "3\n");
  EXPECT_EQ(RunLexoro({"distance", "one"}).Code, 2);
}

TEST_F(CustomTool, ShippedAutoCorrectListCompilesWithTheDemonstrationPairs) {
  const std::string source = test::TestDataDir() + "/../../data/Autocorrect.tsv";
  const std::string oxu = dir.Path("Autocorrect.oxu");
  auto r = RunLexoro({"compile-custom", "-o", oxu, source});
  ASSERT_EQ(r.Code, 0) << r.Err;
  TCustomDictionary d;
  d.SetFileName(test::U16(oxu));
  EXPECT_GE(d.AutoCorrectCount(), 300);
  const std::pair<const char16_t*, const char16_t*> expected[] = {
      {u"teh", u"the"}, {u"acheive", u"achieve"}, {u"accidently", u"accidentally"}, {u"adn", u"and"},
      {u"ahd", u"had"}, {u"amature", u"amateur"}, {u"didnt", u"didn't"}};
  for (const auto& [word, correction] : expected) {
    std::u16string replacement;
    EXPECT_TRUE(d.FindAutoCorrect(word, replacement)) << test::U8(word);
    EXPECT_EQ(replacement, correction);
  }
}

}  // namespace
}  // namespace lexoro
