// lexoro check and lexoro pipe, run in-process on a small golden dictionary: its good text,
// its misspellings and their expected suggestions (tests/data/spell).
#include <gtest/gtest.h>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::RunLexoro;

std::string Data(const std::string& name) { return test::TestDataDir() + "/spell/" + name; }

std::string ReadText(const std::string& path) {
  auto bytes = test::ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class SpellTool : public ::testing::Test {
 protected:
  void SetUp() override {
    auto r = RunLexoro({"compile-dict", "-o", dir.Path("golden.oxm"), Data("golden.words")});
    ASSERT_EQ(r.Code, 0) << r.Err;
  }

  // The options that point a command at the golden dictionary only.
  std::vector<std::string> With(std::vector<std::string> args) {
    for (const char* a : {"--dict-dir", "", "--main", "golden.oxm", "--custom", "none.oxu"}) args.push_back(a);
    args[args.size() - 5] = dir.Root();
    return args;
  }

  test::TScratchDir dir;
};

TEST_F(SpellTool, GoldenTextsGiveTheirExpectedReports) {
  auto r = RunLexoro(With({"check", "--max", "3", Data("good.txt")}));
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out, "");
  r = RunLexoro(With({"check", "--max", "3", Data("wrong.txt")}));
  EXPECT_EQ(r.Code, 1) << r.Err;
  EXPECT_EQ(r.Out, ReadText(Data("wrong.expected")));
}

TEST_F(SpellTool, CheckCountsLinesAndCharactersAndLabelsFiles) {
  // CR LF and a lone CR end lines; "é" and "𝄞" are one character each.
  auto r = RunLexoro(With({"check", "--max", "1"}), "\xEF\xBB\xBFhello\r\ncaf\xC3\xA9 wrld\r\xF0\x9D\x84\x9E brwon\n");
  EXPECT_EQ(r.Code, 1) << r.Err;
  EXPECT_EQ(r.Out, "2:1: caf\xC3\xA9:\n2:6: wrld: world\n3:3: brwon: brown\n");

  test::WriteText(dir.Path("a.txt"), "the cat\n");
  test::WriteText(dir.Path("b.txt"), "teh cat\n");
  r = RunLexoro(With({"check", "--max", "0", dir.Path("a.txt"), dir.Path("b.txt")}));
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Out, dir.Path("b.txt") + ":1:1: teh:\n");
}

TEST_F(SpellTool, CheckReportsErrors) {
  auto r = RunLexoro(With({"check", dir.Path("missing.txt")}));
  EXPECT_EQ(r.Code, 2);
  r = RunLexoro({"check", "--dict-dir", dir.Root(), "--main", "nothing.oxm"}, "text");
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("no main dictionary"), std::string::npos) << r.Err;
  EXPECT_EQ(RunLexoro(With({"check", "--max", "x"}), "a").Code, 2);
}

TEST_F(SpellTool, PipeSpeaksTheIspellProtocol) {
  auto r = RunLexoro(With({"pipe", "-a", "--max", "2"}),
                     "wich friend\n"
                     "^caf\xC3\xA9 wich\n"
                     "xqzv\n"
                     "@xqzv\n"
                     "xqzv\n"
                     "!\n"
                     "the cat\r\n"
                     "%\n"
                     "\n");
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "@(#) International Ispell Version 3.2.06 (but really Lexoro 4.40.2084 Pro)\n"
            "& wich 2 0: which, with\n*\n\n"
            "# caf\xC3\xA9 1\n& wich 2 6: which, with\n\n"
            "# xqzv 0\n\n"
            "*\n\n"
            "\n"
            "\n");
}

TEST_F(SpellTool, PipeAddsToThePersonalDictionaryAndSaves) {
  const std::string personal = dir.Path("mine.oxu");
  auto r = RunLexoro(With({"pipe", "--personal", personal}), "*Lexoro\n&Zorblat\nLexoro zorblat\n#\n");
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_NE(r.Out.find("\n*\n*\n\n"), std::string::npos) << r.Out;
  TCustomDictionary saved;
  saved.SetFileName(test::U16(personal));
  EXPECT_TRUE(saved.IsAdded(u"Lexoro"));
  EXPECT_TRUE(saved.IsAdded(u"zorblat"));
}

}  // namespace
}  // namespace lexoro
