// Owners of Win32 handles: each releases its own kind of handle once, moves without releasing,
// and knows its empty value.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "lexoro/platform/win32/ox3Handles.h"

namespace lexoro::win32 {
namespace {

TEST(Handles, FindAndModuleHandlesAreReleasedByTheirLastOwner) {
  WIN32_FIND_DATAW data{};
  TFindHandle find(FindFirstFileW(L"C:\\windows\\*", &data));
  ASSERT_TRUE(find);
  const HANDLE raw = find.Get();
  TFindHandle moved = std::move(find);
  EXPECT_FALSE(find);  // empty at INVALID_HANDLE_VALUE
  EXPECT_EQ(find.Get(), INVALID_HANDLE_VALUE);
  EXPECT_EQ(moved.Get(), raw);
  EXPECT_TRUE(FindNextFileW(moved.Get(), &data));

  EXPECT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
  {
    TModuleHandle module(LoadLibraryW(L"msimg32.dll"));
    ASSERT_TRUE(module);
    std::vector<TModuleHandle> owners;
    owners.push_back(std::move(module));
    EXPECT_FALSE(module);
    EXPECT_NE(GetModuleHandleW(L"msimg32.dll"), nullptr);
  }
  EXPECT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr);
}

TEST(Handles, GdiObjectsAreDeletedOnceAndMoveFreely) {
  HFONT raw = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  {
    TFontHandle font(raw);
    TFontHandle other = std::move(font);
    EXPECT_FALSE(font);
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(GetObjectType(raw), 0u);
}

}  // namespace
}  // namespace lexoro::win32
