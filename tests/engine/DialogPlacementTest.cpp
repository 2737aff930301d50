// Where the spell dialog goes: moving it inside a work area, placing it under or above the
// selected word at every edge of a screen, on the second of two monitors, and clear of the
// checked control.
#include <gtest/gtest.h>

#include "lexoro/engine/ox3DialogPlacement.h"

namespace lexoro {
namespace {

// Two monitors side by side, 1024 x 768 and 1280 x 1024, each with a task bar of 40 pixels at
// the bottom; a dialog of 400 x 200.
constexpr TRect kLeftMonitor{0, 0, 1024, 768};
constexpr TRect kLeftWork{0, 0, 1024, 728};
constexpr TRect kRightMonitor{1024, 0, 2304, 1024};
constexpr TRect kRightWork{1024, 0, 2304, 984};

TDialogGeometry Dialog(TRect Monitor, TRect Work, int X = 100, int Y = 100, int W = 400, int H = 200) {
  return {{X, Y, X + W, Y + H}, Monitor, Work, {0, 0, 2304, 1024}};
}

TEST(DialogPlacement, MovingKeepsTheDialogInsideItsWorkArea) {
  const auto d = Dialog(kLeftMonitor, kLeftWork);
  EXPECT_EQ(ClampToWorkArea(d, {300, 200}), (TPoint{300, 200}));
  // Far outside: the nearest corner of the work area.
  EXPECT_EQ(ClampToWorkArea(d, {-5000, -5000}), (TPoint{0, 0}));
  EXPECT_EQ(ClampToWorkArea(d, {5000, 5000}), (TPoint{1024 - 400, 728 - 200}));
  // Not into the task bar.
  EXPECT_EQ(ClampToWorkArea(d, {10, 600}), (TPoint{10, 528}));
  // Larger than the work area: the right and bottom edges win.
  const auto big = Dialog(kLeftMonitor, kLeftWork, 0, 0, 1100, 800);
  EXPECT_EQ(ClampToWorkArea(big, {50, 50}), (TPoint{1024 - 1100, 728 - 800}));
  // On the second monitor its own work area counts.
  const auto right = Dialog(kRightMonitor, kRightWork, 1500, 100);
  EXPECT_EQ(ClampToWorkArea(right, {900, 990}), (TPoint{1024, 984 - 200}));
}

TEST(DialogPlacement, UnderTheWordAtEachEdgeOfTheScreen) {
  const auto d = Dialog(kLeftMonitor, kLeftWork);
  const auto place = [&](TRect Word, bool Horizontal = true, bool Vertical = true, bool Newer = false) {
    return ClampToWorkArea(d, PlaceUnderRectPosition(d, Word, Horizontal, Vertical, Newer));
  };
  // Middle of the screen: just under the word, its left edges aligned.
  EXPECT_EQ(place({300, 300, 360, 316}), (TPoint{300, 316}));
  // Newer systems: 5 across and 8 down more.
  EXPECT_EQ(place({300, 300, 360, 316}, true, true, true), (TPoint{305, 324}));
  // Right edge: back from the monitor's right edge.
  EXPECT_EQ(place({980, 300, 1020, 316}), (TPoint{1024 - 400, 316}));
  // Bottom edge: above the word.
  EXPECT_EQ(place({300, 700, 360, 716}), (TPoint{300, 700 - 200}));
  // Top and left edges: under it, at the word.
  EXPECT_EQ(place({0, 0, 40, 16}), (TPoint{0, 16}));
  // Just above the task bar: below would reach into it, the dialog is clamped to the work area.
  EXPECT_EQ(place({300, 550, 360, 566}), (TPoint{300, 528}));
  // Vertically only: the dialog keeps its left edge.
  EXPECT_EQ(place({700, 300, 760, 316}, false, true), (TPoint{100, 316}));
  // A word on the second monitor.
  const auto right = Dialog(kRightMonitor, kRightWork, 1100, 100);
  EXPECT_EQ(ClampToWorkArea(right, PlaceUnderRectPosition(right, {2250, 900, 2300, 916}, true, true, false)),
            (TPoint{2304 - 400, 900 - 200}));
}

TEST(DialogPlacement, ClearOfTheCheckedControl) {
  const auto d = Dialog(kLeftMonitor, kLeftWork);
  // Below, then right, above, left of the control, as room allows.
  EXPECT_EQ(AvoidControlPosition(d, {100, 100, 500, 400}, false), (TPoint{100, 400}));
  EXPECT_EQ(AvoidControlPosition(d, {100, 100, 500, 700}, false), (TPoint{500, 100}));
  EXPECT_EQ(AvoidControlPosition(d, {100, 300, 900, 700}, false), (TPoint{100, 100}));
  EXPECT_EQ(AvoidControlPosition(d, {500, 100, 1000, 700}, false), (TPoint{100, 100}));
  // A control that fills the monitor: under the selected word (nothing here), or its centre
  // when the dialog is shown at once.
  EXPECT_EQ(AvoidControlPosition(d, kLeftMonitor, false), std::nullopt);
  EXPECT_EQ(AvoidControlPosition(d, kLeftMonitor, true), (TPoint{512 - 200, 384 - 100}));
  EXPECT_EQ(CenterIn(d, kLeftWork), (TPoint{312, 264}));
}

TEST(DialogPlacement, OverlapNeedsSharedArea) {
  const TRect dialog{100, 100, 500, 300};
  EXPECT_TRUE(RectsOverlap(dialog, {490, 290, 520, 310}));
  EXPECT_FALSE(RectsOverlap(dialog, {500, 100, 560, 116}));  // touching edges only
  EXPECT_FALSE(RectsOverlap(dialog, {100, 300, 160, 316}));
  EXPECT_FALSE(RectsOverlap(dialog, {}));
}

}  // namespace
}  // namespace lexoro
