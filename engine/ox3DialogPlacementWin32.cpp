// Moving dialog forms by the placement arithmetic.
#include <windows.h>

#include "lexoro/engine/ox3DialogPlacement.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {
TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
}  // namespace

TDialogGeometry FormGeometry(TForm& Form) {
  TDialogGeometry geometry;
  const RECT bounds{Form.Left(), Form.Top(), Form.Left() + Form.Width(), Form.Top() + Form.Height()};
  const TMonitorRects monitor = MonitorRectsOf(bounds);
  geometry.Bounds = ToRect(bounds);
  geometry.Monitor = ToRect(monitor.Monitor);
  geometry.WorkArea = ToRect(monitor.WorkArea);
  geometry.Desktop = ToRect(DesktopRect());
  return geometry;
}

void MoveDialogTo(TForm* Form, std::int32_t X, std::int32_t Y) {
  if (!Form) return;
  const TPoint at = ClampToWorkArea(FormGeometry(*Form), {X, Y});
  Form->SetBounds(at.X, at.Y, Form->Width(), Form->Height());
}

void PlaceUnderRect(TForm* Form, const TRect& Rect, bool Horizontal, bool Vertical) {
  if (!Form) return;
  const TPoint at = PlaceUnderRectPosition(FormGeometry(*Form), Rect, Horizontal, Vertical, platform::IsNewerWindows());
  MoveDialogTo(Form, at.X, at.Y);
}

}  // namespace lexoro
