// The check driver's operations on controls and dialog forms where there are none: POSIX has
// no windows, so no control can be checked or counted, and no dialog form can exist
// (OnCreateSpellDialog has no form to supply). ox3SpellBaseCheckWin32.cpp is the Windows side.
#include "lexoro/engine/ox3SpellBase.h"

namespace lexoro {

void TLexoroSpellBase::CheckWinControl(TWinControl* Control, TCheckMode Mode) {}
void TLexoroSpellBase::CheckRichEdit(TWinControl* Control, TCheckMode Mode) {}
void TLexoroSpellBase::CheckWindow(TWindowHandle Handle, TCheckMode Mode) {}
void TLexoroSpellBase::CheckSelectionModal(TWinControl* Control, TWindowHandle Handle) {}
std::int32_t TLexoroSpellBase::CountWordsInControl(TWinControl* Control, TCheckMode Mode) { return 0; }
TObject* TLexoroSpellBase::ParserControl() { return nullptr; }
void TLexoroSpellBase::DialogFormInstallHooks() {}
void TLexoroSpellBase::DialogFormRestoreHooks() {}
void TLexoroSpellBase::DialogFormShow(bool Modal) {}
void TLexoroSpellBase::DialogFormHideWindow() {}
void TLexoroSpellBase::DialogFormClose() {}
void TLexoroSpellBase::DialogFormRelease() {}
bool TLexoroSpellBase::DialogFormShowingModal() { return false; }
void TLexoroSpellBase::DialogFormStorePosition() {}
void TLexoroSpellBase::DialogFormSetHelp() {}

}  // namespace lexoro
