#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

std::u16string Folder(const std::u16string& path) { return path.substr(0, path.find_last_of(platform::kPathDelimiter)); }

TEST(ReplaceFirst, ReplacesOnlyTheFirstCaseSensitiveOccurrence) {
  EXPECT_EQ(ReplaceFirst(u"%X%", u"1", u"a%X%b%X%"), u"a1b%X%");
  EXPECT_EQ(ReplaceFirst(u"%x%", u"1", u"a%X%b"), u"a%X%b");
  EXPECT_EQ(ReplaceFirst(u"abc", u"", u"xabcx"), u"xx");
  EXPECT_EQ(ReplaceFirst(u"", u"z", u"text"), u"text");
  EXPECT_EQ(ReplaceFirst(u"long pattern", u"z", u"short"), u"short");
}

TEST(WordDistance, EditsCostOneAndASwapCostsOne) {
  EXPECT_EQ(WordDistance(u"spelling", u"spelling"), 0);
  EXPECT_EQ(WordDistance(u"", u""), 0);
  EXPECT_EQ(WordDistance(u"", u"abc"), 3);
  EXPECT_EQ(WordDistance(u"kitten", u"sitting"), 3);
  EXPECT_EQ(WordDistance(u"teh", u"the"), 1);
  EXPECT_EQ(WordDistance(u"recieve", u"receive"), 1);
  EXPECT_EQ(WordDistance(u"ab", u"ba"), 1);
  // Two separate swaps count once each.
  EXPECT_EQ(WordDistance(u"abcdef", u"bacdfe"), 2);
  // Equal letters next to each other are no swap.
  EXPECT_EQ(WordDistance(u"aab", u"aab"), 0);
}

TEST(WordDistance, OnlyAsciiLettersCompareWithoutCase) {
  EXPECT_EQ(WordDistance(u"Word", u"wORD"), 0);
  EXPECT_EQ(WordDistance(u"\u00e9", u"\u00c9"), 1);
  EXPECT_EQ(WordDistance(u"\u0434", u"\u0414"), 1);
  EXPECT_EQ(WordDistance(u"[", u"{"), 1);  // no folding outside a-z
}

TEST(WordDistance, LongWordsAreNotCompared) {
  EXPECT_EQ(WordDistance(std::u16string(300, u'a'), u"abc"), 300);
  EXPECT_EQ(WordDistance(u"abc", std::u16string(300, u'a')), 300);
  EXPECT_EQ(WordDistance(std::u16string(255, u'a'), u"b"), 255);
  EXPECT_EQ(WordDistance(u"b", std::u16string(255, u'a')), 255);
  // At the limits the matrix is still used: every cell holds the true distance.
  EXPECT_EQ(WordDistance(std::u16string(254, u'a'), std::u16string(254, u'b')), 254);
  EXPECT_EQ(WordDistance(std::u16string(254, u'a'), std::u16string(254, u'a')), 0);
  EXPECT_EQ(WordDistance(std::u16string(254, u'a'), u""), 254);
}

TEST(Paths, FoldersKeepTheirRootAndConfiguredBackslashesBecomeNative) {
  const std::u16string d(1, platform::kPathDelimiter);
  EXPECT_EQ(FolderOfPath(d + u"a" + d + u"b.cfg"), d + u"a");
  EXPECT_EQ(FolderOfPath(d + u"a" + d + d + u"b.cfg"), d + u"a");
  EXPECT_EQ(FolderOfPath(d + u"b.cfg"), d);
  EXPECT_EQ(FolderOfPath(u"b.cfg"), u"");
  EXPECT_EQ(FolderOfPath(u"a/b.cfg"), u"a");
  EXPECT_EQ(NativePath(u"%AppDir%\\x\\y.cfg"), u"%AppDir%" + d + u"x" + d + u"y.cfg");
}

TEST(PathMacros, NameAndFolderMacrosUseTheRunningProgram) {
  const std::u16string app = platform::ApplicationFileName();
  ASSERT_FALSE(app.empty());
  const std::u16string appDir = Folder(app);
  EXPECT_EQ(ExpandPathMacros(u"%AppName%"), u"test_dictionaries");
  EXPECT_EQ(ExpandPathMacros(u"%ModuleName%"), u"test_dictionaries");
  EXPECT_EQ(ExpandPathMacros(u"%AppDir%"), appDir);
  EXPECT_EQ(ExpandPathMacros(u"%ModuleDir%"), appDir);
  const auto user = platform::UserName();
  const std::u16string expectedUser = user && !user->empty() ? *user : u"default";
  const std::u16string sep(1, platform::kPathDelimiter);
  EXPECT_EQ(ExpandPathMacros(u"%AppDir%" + sep + u"%UserName%_sp.oxl"), appDir + sep + expectedUser + u"_sp.oxl");
  // Folder macros are not name macros.
  EXPECT_EQ(ExpandNameMacros(u"%AppDir%"), u"%AppDir%");
  EXPECT_EQ(ExpandFolderMacros(u"%AppName%"), u"%AppName%");
}

TEST(PathMacros, EachMacroIsReplacedOnceAndEnvironmentVariablesAfterwards) {
  SetEnvironment("LEXORO_UTIL_TEST", "value");
  EXPECT_EQ(ExpandPathMacros(u"plain\\text.oxu"), u"plain\\text.oxu");
  EXPECT_EQ(ExpandPathMacros(u"%LEXORO_UTIL_TEST%/x"), u"value/x");
  EXPECT_EQ(ExpandPathMacros(u"%LEXORO_UNSET_VARIABLE_42%"), u"%LEXORO_UNSET_VARIABLE_42%");
  EXPECT_EQ(ExpandPathMacros(u"%AppName%-%AppName%"), u"test_dictionaries-%AppName%");
  EXPECT_EQ(ExpandPathMacros(u"100% sure"), u"100% sure");
}

TEST(PathMacros, SystemFoldersNeverEndWithADelimiter) {
  for (auto macro : {u"%AppData%", u"%CommonAppData%", u"%CommonDocuments%", u"%MyDocuments%"}) {
    const std::u16string folder = ExpandPathMacros(macro);
    EXPECT_EQ(folder.find(u'%'), std::u16string::npos) << test::U8(macro);
    if (folder.size() > 3) {
      EXPECT_NE(folder.back(), platform::kPathDelimiter) << test::U8(folder);
    }
  }
  EXPECT_FALSE(ExpandPathMacros(u"%AppData%").empty());
  EXPECT_FALSE(ExpandPathMacros(u"%CommonAppData%").empty());
}

#ifndef _WIN32
TEST(PathMacros, PosixFoldersComeFromTheXdgSettings) {
  test::TScratchDir dir;
  SetEnvironment("XDG_DATA_HOME", dir.Path("data").c_str());
  SetEnvironment("XDG_DOCUMENTS_DIR", dir.Path("docs").c_str());
  SetEnvironment("XDG_DATA_DIRS", (dir.Path("shared") + ":/usr/share").c_str());
  EXPECT_EQ(ExpandPathMacros(u"%AppData%/x.oxu"), dir.WPath("data") + u"/x.oxu");
  EXPECT_EQ(ExpandPathMacros(u"%MyDocuments%"), dir.WPath("docs"));
  EXPECT_EQ(ExpandPathMacros(u"%CommonAppData%"), dir.WPath("shared"));
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_DOCUMENTS_DIR");
  unsetenv("XDG_DATA_DIRS");
}

TEST(RecycleBin, PosixMovesTheFileToTheTrashWithItsOrigin) {
  test::TScratchDir dir;
  SetEnvironment("XDG_DATA_HOME", dir.Path("data").c_str());
  test::WriteText(dir.Path("old.oxu"), "x");
  EXPECT_TRUE(DeleteToRecycleBin(dir.WPath("old.oxu"), false));
  EXPECT_FALSE(platform::FileExists(dir.WPath("old.oxu")));
  EXPECT_TRUE(platform::FileExists(dir.WPath("data/Trash/files/old.oxu")));
  const std::string info = [&] {
    auto b = test::ReadBytes(dir.Path("data/Trash/info/old.oxu.trashinfo"));
    return std::string(b.begin(), b.end());
  }();
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + dir.Path("old.oxu") + "\nDeletionDate=", 0), 0u) << info;
  EXPECT_FALSE(DeleteToRecycleBin(dir.WPath("old.oxu"), false));
  unsetenv("XDG_DATA_HOME");
}
#endif

TEST(FileUtilities, CanCreateFileProbesWithoutTouchingExistingFiles) {
  test::TScratchDir dir;
  EXPECT_TRUE(CanCreateFile(dir.WPath("new.oxu")));
  EXPECT_FALSE(platform::FileExists(dir.WPath("new.oxu")));
  test::WriteText(dir.Path("kept.oxu"), "precious");
  EXPECT_FALSE(CanCreateFile(dir.WPath("kept.oxu")));
  EXPECT_EQ(test::ReadBytes(dir.Path("kept.oxu")).size(), 8u);
  EXPECT_FALSE(CanCreateFile(dir.WPath("missing/folder/x.oxu")));
  EXPECT_FALSE(CanCreateFile(u""));
}

TEST(FileUtilities, ForceDirectoriesCreatesEveryMissingLevel) {
  test::TScratchDir dir;
  const std::u16string sep(1, platform::kPathDelimiter);
  const std::u16string deep = dir.WPath("a") + sep + u"b" + sep + u"c";
  EXPECT_TRUE(ForceDirectories(deep + sep));
  EXPECT_TRUE(platform::DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));
  test::WriteText(dir.Path("file"), "x");
  EXPECT_FALSE(ForceDirectories(dir.WPath("file") + sep + u"sub"));
}

TEST(SystemQueries, FileVersionAndSystemAge) {
  std::uint32_t high = 0, low = 0;
  EXPECT_FALSE(GetFileVersion(u"no-such-file.dll", high, low));
  EXPECT_TRUE(IsNewerWindows());
}

}  // namespace
}  // namespace lexoro
