#include "lexoro/engine/ox3DialogPlacement.h"

#include <algorithm>

namespace lexoro {

TPoint ClampToWorkArea(const TDialogGeometry& Dialog, TPoint At) {
  const TRect& work = Dialog.WorkArea;
  std::int32_t x = std::max(At.X, work.Left);
  std::int32_t y = std::max(At.Y, work.Top);
  if (y + Dialog.Height() > work.Bottom) y = work.Bottom - Dialog.Height();
  if (x + Dialog.Width() > work.Right) x = work.Right - Dialog.Width();
  return {x, y};
}

TPoint PlaceUnderRectPosition(const TDialogGeometry& Dialog, const TRect& Rect, bool Horizontal, bool Vertical,
                              bool NewerWindows) {
  std::int32_t left = Rect.Left, bottom = Rect.Bottom;
  if (NewerWindows) {
    left += 5;
    bottom += 8;
  }
  TPoint at{Dialog.Bounds.Left, Dialog.Bounds.Top};
  if (Horizontal) at.X = left + Dialog.Width() > Dialog.Monitor.Right ? Dialog.Monitor.Right - Dialog.Width() : left;
  if (Vertical) at.Y = bottom + Dialog.Height() > Dialog.Monitor.Bottom ? Rect.Top - Dialog.Height() : bottom;
  return at;
}

std::optional<TPoint> AvoidControlPosition(const TDialogGeometry& Dialog, const TRect& Control, bool ShowImmediate) {
  const std::int32_t w = Dialog.Width(), h = Dialog.Height();
  const TRect& monitor = Dialog.Monitor;
  if (Control.Bottom + h <= monitor.Bottom) return TPoint{Control.Left, Control.Bottom};
  if (Control.Right + w <= monitor.Right) return TPoint{Control.Right, Control.Top};
  if (Control.Top - h >= monitor.Top) return TPoint{Control.Left, Control.Top - h};
  if (Control.Left - w >= monitor.Left) return TPoint{Control.Left - w, Control.Top};
  if (ShowImmediate)
    return TPoint{Control.Left + (Control.Right - Control.Left) / 2 - w / 2,
                  Control.Top + (Control.Bottom - Control.Top) / 2 - h / 2};
  return std::nullopt;
}

TPoint CenterIn(const TDialogGeometry& Dialog, const TRect& Area) {
  return {Area.Left + (Area.Right - Area.Left - Dialog.Width()) / 2,
          Area.Top + (Area.Bottom - Area.Top - Dialog.Height()) / 2};
}

bool RectsOverlap(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

}  // namespace lexoro
