// TLexoroSpellBase: where the spell dialog stands. Once when it is first shown in a check
// (DialogInitialPos) and again for each word that it would cover (DialogSelectionAvoid); the
// arithmetic is ox3DialogPlacement's, the form is moved by ox3SpellBaseCheckWin32.cpp.
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3DialogPlacement.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

void TLexoroSpellBase::MoveDialogInWorkArea(TPoint At) {
  TDialogGeometry dialog;
  if (DialogFormGeometry(dialog)) DialogFormMoveTo(ClampToWorkArea(dialog, At));
}

void TLexoroSpellBase::PositionUnderSelection(bool Horizontal, bool Vertical) {
  TDialogGeometry dialog;
  if (!FParser || !DialogFormGeometry(dialog)) return;
  TRect selection;
  FParser->GetSelectionRect(selection);
  const TPoint at = PlaceUnderRectPosition(dialog, selection, Horizontal, Vertical, platform::IsNewerWindows());
  DialogFormMoveTo(ClampToWorkArea(dialog, at));
}

void TLexoroSpellBase::PositionAvoidControl() {
  TDialogGeometry dialog;
  if (!FParser || !DialogFormGeometry(dialog)) return;
  // A parser that cannot tell where its control is leaves the whole monitor.
  TRect control = dialog.Monitor;
  FParser->GetControlRect(control);
  if (const auto at = AvoidControlPosition(dialog, control, FDialogShowImmediate)) {
    DialogFormMoveTo(ClampToWorkArea(dialog, *at));
    return;
  }
  PositionUnderSelection(true, true);
}

void TLexoroSpellBase::PositionDialog() {
  TDialogGeometry dialog;
  if (!DialogFormGeometry(dialog)) return;
  switch (FDialogInitialPos) {
    case ipScreenCenter:
      DialogFormMoveTo(CenterIn(dialog, dialog.WorkArea));
      break;
    case ipUnderSelection:
      // Shown at once, the dialog stays where it was designed to be.
      if (!FDialogShowImmediate) PositionUnderSelection(true, true);
      break;
    case ipAvoidControl:
      PositionAvoidControl();
      break;
    case ipUserDefined:
      if (OnPositionDialog) OnPositionDialog(this);
      break;
    case ipLastUserPos: {
      EnsureConfigLoaded();
      const std::int32_t x = FConfig->GetDialogX();
      if (x == -1) PositionAvoidControl();
      else MoveDialogInWorkArea({x, FConfig->GetDialogY()});
      break;
    }
    case ipIgnore:
      break;
    case ipDesktopCenter:
      DialogFormMoveTo(CenterIn(dialog, dialog.Desktop));
      break;
  }
}

void TLexoroSpellBase::AvoidSelection() {
  TDialogGeometry dialog;
  if (FDialogSelectionAvoid == saNone || !FParser || !DialogFormGeometry(dialog)) return;
  TRect selection;
  FParser->GetSelectionRect(selection);
  const bool overlap = RectsOverlap(selection, dialog.Bounds);
  switch (FDialogSelectionAvoid) {
    case saNone: break;
    case saAvoid: if (overlap) PositionUnderSelection(true, true); break;
    case saAvoidUpDown: if (overlap) PositionUnderSelection(false, true); break;
    case saMove: PositionUnderSelection(true, true); break;
    case saMoveUpDown: PositionUnderSelection(false, true); break;
  }
}

}  // namespace lexoro
