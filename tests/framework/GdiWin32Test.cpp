// Owners of device contexts: each releases its context once, and moves without releasing.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "lexoro/framework/ox3GdiWin32.h"

namespace lexoro::win32 {
namespace {

TEST(DeviceContexts, MemoryAndWindowDCsMoveAndAreReleasedByTheirLastOwner) {
  HDC rawDC = nullptr;
  {
    std::vector<TMemoryDC> dcs;
    TMemoryDC dc(nullptr);
    rawDC = dc.Get();
    dcs.push_back(std::move(dc));
    EXPECT_FALSE(dc);
    EXPECT_EQ(GetObjectType(rawDC), static_cast<DWORD>(OBJ_MEMDC));
  }
  EXPECT_EQ(GetObjectType(rawDC), 0u);

  // A window DC keeps its window for the release, also when it has moved.
  TWindowDC screen(nullptr);
  ASSERT_TRUE(screen);
  const HDC screenDC = screen.Get();
  TWindowDC kept = std::move(screen);
  EXPECT_FALSE(screen);
  EXPECT_EQ(kept.Get(), screenDC);
  kept.Reset();
  EXPECT_FALSE(kept);
}

}  // namespace
}  // namespace lexoro::win32
