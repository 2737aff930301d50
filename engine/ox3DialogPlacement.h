// Where the spell dialog goes on the screen: the arithmetic of moving it inside a work area,
// placing it under (or above) a rectangle, and keeping it clear of the checked control. All of
// it works on rectangles in screen coordinates, so it runs and is tested on every platform;
// only moving a form is Windows' (MoveDialogTo, PlaceUnderRect).
#pragma once

#include <cstdint>
#include <optional>

#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

class TForm;

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A dialog's rectangle, the monitor that holds it (its whole rectangle and its work area) and
// the desktop that spans every monitor.
struct TDialogGeometry {
  TRect Bounds;
  TRect Monitor;
  TRect WorkArea;
  TRect Desktop;
  [[nodiscard]] std::int32_t Width() const { return Bounds.Right - Bounds.Left; }
  [[nodiscard]] std::int32_t Height() const { return Bounds.Bottom - Bounds.Top; }
};

// The top-left corner for the dialog moved to At and kept inside the work area: not left of or
// above it, and not past its right or bottom edge (those win for a dialog larger than it).
[[nodiscard]] TPoint ClampToWorkArea(const TDialogGeometry& Dialog, TPoint At);

// Where PlaceUnderRect puts the dialog before clamping: Horizontal aligns its left edge with the
// rectangle's (moved back from the monitor's right edge when it would stick out), Vertical puts
// it below the rectangle (above it when there is no room below). NewerWindows adds the offsets
// that newer systems' selection rectangles need (5 across, 8 down).
[[nodiscard]] TPoint PlaceUnderRectPosition(const TDialogGeometry& Dialog, const TRect& Rect, bool Horizontal,
                                            bool Vertical, bool NewerWindows);

// PositionAvoidControl: the first side of Control with room for the dialog on the monitor
// (below, right, above, left), else the control's centre when the dialog is shown at once;
// nothing when the dialog must go under the selected word instead.
[[nodiscard]] std::optional<TPoint> AvoidControlPosition(const TDialogGeometry& Dialog, const TRect& Control,
                                                         bool ShowImmediate);

// The dialog centred in Area.
[[nodiscard]] TPoint CenterIn(const TDialogGeometry& Dialog, const TRect& Area);

// True when the two rectangles share at least one point's area.
[[nodiscard]] bool RectsOverlap(const TRect& A, const TRect& B);

// The geometry of a form where it stands now (Windows).
[[nodiscard]] TDialogGeometry FormGeometry(TForm& Form);
// Moves Form to (X, Y) kept inside the work area of its monitor; nothing for a null form.
void MoveDialogTo(TForm* Form, std::int32_t X, std::int32_t Y);
// Places Form under (or above) Rect as PlaceUnderRectPosition says, then as MoveDialogTo.
void PlaceUnderRect(TForm* Form, const TRect& Rect, bool Horizontal, bool Vertical);

}  // namespace lexoro
