#include <gtest/gtest.h>

#include <algorithm>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Version.h"
#include "tests/support/TestSupport.h"
#include "tools/ToolCommon.h"

namespace lexoro {
namespace {

test::TToolRun Tool(const std::vector<std::string>& args, const std::string& input = "") {
  return test::RunLexoro(args, input);
}

class DictionaryTool : public ::testing::Test {
 protected:
  test::TScratchDir dir;
  std::string Dict(const std::string& words, std::vector<std::string> options = {}) {
    test::WriteText(dir.Path("words.txt"), words);
    std::vector<std::string> args{"compile-dict", "-o", dir.Path("d.oxm")};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(dir.Path("words.txt"));
    const auto r = Tool(args);
    EXPECT_EQ(r.Code, 0) << r.Err;
    return dir.Path("d.oxm");
  }
};

TEST_F(DictionaryTool, CompileLookupEnumerateInfo) {
  const auto d = Dict("\xEF\xBB\xBF" "cat\r\ncar\n\n  cart \ncat\ncaf\xC3\xA9\n", {"--title", "Pets", "--language", "2057"});
  auto r = Tool({"lookup", d, "cat", "dog", "caf\xC3\xA9", "Cat"});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out, "cat\t1\ndog\t0\ncaf\xC3\xA9\t1\nCat\t0\n");
  r = Tool({"lookup", d}, "cart\r\nca\n");
  EXPECT_EQ(r.Out, "cart\t1\nca\t0\n");
  r = Tool({"enumerate", d, "ca"});
  EXPECT_EQ(r.Out, "caf\xC3\xA9\ncar\ncart\ncat\n");
  r = Tool({"info", d});
  EXPECT_EQ(r.Out, "version\t4.1\ntitle\tPets\nlanguage\t2057\nwords\t4\nnodes\t" + r.Out.substr(r.Out.rfind('\t') + 1));
}

TEST_F(DictionaryTool, RefusesWhatTheFormatCannotHoldAndLeavesNoFile) {
  test::WriteText(dir.Path("empty.txt"), "\n\n");
  auto r = Tool({"compile-dict", "-o", dir.Path("out.oxm"), dir.Path("empty.txt")});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("empty"), std::string::npos);

  test::WriteText(dir.Path("long.txt"), std::string(513, 'x') + "\n");
  r = Tool({"compile-dict", "-o", dir.Path("out.oxm"), dir.Path("long.txt")});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("512"), std::string::npos);

  test::WriteText(dir.Path("cyrillic.txt"), "\xD0\xB4\xD0\xBE\xD0\xBC\n");
  r = Tool({"compile-dict", "--format", "4.0", "-o", dir.Path("out.oxm"), dir.Path("cyrillic.txt")});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("ANSI"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(dir.WPath("out.oxm")));

  // The same word is fine in a 4.1 file; exactly 512 bytes is fine too.
  test::WriteText(dir.Path("ok.txt"), "\xD0\xB4\xD0\xBE\xD0\xBC\n" + std::string(512, 'y') + "\n");
  r = Tool({"compile-dict", "-o", dir.Path("out.oxm"), dir.Path("ok.txt")});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(Tool({"lookup", dir.Path("out.oxm"), std::string(512, 'y')}).Out, std::string(512, 'y') + "\t1\n");
}

TEST_F(DictionaryTool, ListsInLatin1AreReadWithTheirEncoding) {
  test::WriteText(dir.Path("latin1.txt"), "k\xE4se\nsm\xF6rg\xE5s\n");
  // Read as UTF-8 the list is refused, naming the word, not compiled into other characters.
  auto r = Tool({"compile-dict", "-o", dir.Path("out.oxm"), dir.Path("latin1.txt")});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("not UTF-8"), std::string::npos) << r.Err;
  EXPECT_FALSE(platform::FileExists(dir.WPath("out.oxm")));

  r = Tool({"compile-dict", "--encoding", "ISO-8859-1", "-o", dir.Path("out.oxm"), dir.Path("latin1.txt")});
  EXPECT_EQ(r.Code, 0) << r.Err;
  EXPECT_EQ(Tool({"lookup", dir.Path("out.oxm"), "k\xC3\xA4se", "sm\xC3\xB6rg\xC3\xA5s"}).Out,
            "k\xC3\xA4se\t1\nsm\xC3\xB6rg\xC3\xA5s\t1\n");
  EXPECT_EQ(Tool({"compile-dict", "--encoding", "EBCDIC", "-o", dir.Path("x.oxm"), dir.Path("latin1.txt")}).Code, 2);
}

TEST_F(DictionaryTool, FitSaysWhatItKept) {
  // A list that fits says nothing; the line appears only when words were left out (the
  // compiler's tests cover the cut itself).
  const auto d = Dict("one\ntwo\nthree\n", {"--fit"});
  EXPECT_EQ(Tool({"lookup", d, "three"}).Out, "three\t1\n");
  test::WriteText(dir.Path("w.txt"), "a\n");
  const auto r = Tool({"compile-dict", "--fit", "-o", dir.Path("w.oxm"), dir.Path("w.txt")});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out, "");
}

TEST_F(DictionaryTool, ErrorsAreOneLineAndNonZero) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"lookup", dir.Path("missing.oxm"), "x"},
           {"info"},
           {"enumerate", dir.Path("missing.oxm")},
           {"compile-dict", dir.Path("missing.txt")},
           {"compile-dict", "-o", dir.Path("x.oxm"), dir.Path("missing.txt")},
           {"compile-dict", "--format", "5", "-o", dir.Path("x.oxm"), "w"},
           {"lookup", "--bogus"},
           {"no-such-command"}}) {
    const auto r = Tool(args);
    EXPECT_NE(r.Code, 0) << args[0];
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
  test::WriteText(dir.Path("text.oxm"), std::string(3000, 'z'));
  const auto r = Tool({"info", dir.Path("text.oxm")});
  EXPECT_EQ(r.Code, 2);
  EXPECT_NE(r.Err.find("not a main dictionary"), std::string::npos);
}

TEST_F(DictionaryTool, EveryCommandHasHelp) {
  const auto list = Tool({"--help"});
  EXPECT_EQ(list.Code, 0);
  for (const auto& c : tools::Commands()) {
    EXPECT_NE(list.Out.find(c.Name), std::string::npos);
    const auto r = Tool({c.Name, "--help"});
    EXPECT_EQ(r.Code, 0) << c.Name;
    EXPECT_NE(r.Out.find("usage: lexoro"), std::string::npos) << c.Name;
  }
}

TEST(Tool, VersionIsTheProjectVersion) {
  const auto r = Tool({"--version"});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out, "lexoro " + std::string(kVersion) + "\n");
  EXPECT_EQ(std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionPatch),
            kVersion);
}

TEST(WordsTool, PrintsTheEnginesWords) {
  const auto r = Tool({"words"}, "Hello, world. e.g. don't 'tis' AT&T co-operate\n");
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Out, "Hello\nworld\ne.g.\ndon't\ntis\nAT\n&T\nco\noperate\n");
}

}  // namespace
}  // namespace lexoro
