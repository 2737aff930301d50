// lexoro check driven by the spell component's check: repeated words in the list, and --fix
// writing the text with its automatic corrections.
#include <gtest/gtest.h>

#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::RunLexoro;

class CheckFixTool : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteMainDictionary(dir.WPath("main.oxm"), {u"the", u"cat", u"sat", u"on", u"mat", u"This", u"this", u"is"});
    test::WriteCustomDictionary(dir.WPath("fixes.oxu"), "teh\tthe\nmta\tmat\n");
  }

  std::vector<std::string> With(std::vector<std::string> args) {
    for (const std::string& a : {std::string("--dict-dir"), dir.Root(), std::string("--main"), std::string("main.oxm"),
                                 std::string("--custom"), std::string("fixes.oxu")})
      args.push_back(a);
    return args;
  }

  test::TScratchDir dir;
};

TEST_F(CheckFixTool, FixWritesTheCorrectedTextAndLeavesTheFileAlone) {
  const std::string original = "\xEF\xBB\xBFteh cat sat\r\non teh mta. THis is zork\r\n";
  test::WriteText(dir.Path("in.txt"), original);
  auto r = RunLexoro(With({"check", "--fix", dir.Path("in.txt")}));
  EXPECT_EQ(r.Code, 1) << r.Err;  // "zork" remains
  EXPECT_EQ(r.Out, "\xEF\xBB\xBFthe cat sat\r\non the mat. This is zork\r\n");
  auto bytes = test::ReadBytes(dir.Path("in.txt"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), original);

  r = RunLexoro(With({"check", "--fix"}), "teh cat");
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, "the cat");
  EXPECT_EQ(RunLexoro(With({"check", "--fix", dir.Path("in.txt"), dir.Path("in.txt")})).Code, 2);
}

TEST_F(CheckFixTool, ListingReportsCorrectableWordsAndRepetitionsWithoutChangingPositions) {
  auto r = RunLexoro(With({"check", "--max", "0"}), "teh cat sat on on the mat\nthe the zork\n");
  EXPECT_EQ(r.Code, 1) << r.Err;
  EXPECT_EQ(r.Out,
            "1:1: teh:\n"
            "1:16: on: (repeated word)\n"
            "2:5: the: (repeated word)\n"
            "2:9: zork:\n");
}

}  // namespace
}  // namespace lexoro
