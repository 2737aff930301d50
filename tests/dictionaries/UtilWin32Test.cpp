#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/dictionaries/ox3UtilWin32.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

std::u16string SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  return std::u16string(reinterpret_cast<const char16_t*>(folder), n) + u"\\" + reinterpret_cast<const char16_t*>(name);
}

TEST(UtilWin32, RichEditProbeTellsRichEditsFromPlainEdits) {
  ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  HWND rich = CreateWindowExW(0, L"RichEdit20W", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(edit && rich && button);
  EXPECT_FALSE(IsRichEditControl(edit));
  EXPECT_TRUE(IsRichEditControl(rich));
  EXPECT_FALSE(IsRichEditControl(button));
  DestroyWindow(edit);
  DestroyWindow(rich);
  DestroyWindow(button);
}

TEST(UtilWin32, FoldersOfDrivePathsKeepTheDriveRoot) {
  EXPECT_EQ(FolderOfPath(u"C:\\a\\b.cfg"), u"C:\\a");
  EXPECT_EQ(FolderOfPath(u"C:/a/b.cfg"), u"C:/a");
  EXPECT_EQ(FolderOfPath(u"C:\\b.cfg"), u"C:\\");
  EXPECT_EQ(FolderOfPath(u"C:b.cfg"), u"");
}

TEST(UtilWin32, FileVersionComesFromTheVersionResource) {
  std::uint32_t high = 0, low = 0;
  ASSERT_TRUE(GetFileVersion(SystemFile(L"riched20.dll"), high, low));
  EXPECT_GE(high >> 16, 5u);
  test::TScratchDir dir;
  test::WriteText(dir.Path("plain.txt"), "no resources");
  EXPECT_FALSE(GetFileVersion(dir.WPath("plain.txt"), high, low));
}

TEST(UtilWin32, ShellFoldersAndTheUserName) {
  wchar_t buffer[MAX_PATH];
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, buffer, 26, FALSE));
  EXPECT_EQ(ExpandPathMacros(u"%AppData%"), reinterpret_cast<const char16_t*>(buffer));
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, buffer, 5, FALSE));
  EXPECT_EQ(ExpandPathMacros(u"%MyDocuments%"), reinterpret_cast<const char16_t*>(buffer));
  DWORD size = MAX_PATH;
  ASSERT_TRUE(GetUserNameW(buffer, &size));
  EXPECT_EQ(ExpandPathMacros(u"%UserName%"), reinterpret_cast<const char16_t*>(buffer));
  SetEnvironmentVariableW(L"LEXORO_WIN_TEST", L"C:\\v");
  EXPECT_EQ(ExpandPathMacros(u"%LEXORO_WIN_TEST%\\x"), u"C:\\v\\x");
}

TEST(UtilWin32, RecycleBinTakesAFile) {
  test::TScratchDir dir;
  test::WriteText(dir.Path("old.oxu"), "x");
  std::u16string path = dir.WPath("old.oxu");
  for (auto& ch : path)
    if (ch == u'/') ch = u'\\';
  EXPECT_TRUE(DeleteToRecycleBin(path, false));
  EXPECT_FALSE(platform::FileExists(path));
}

}  // namespace
}  // namespace lexoro
