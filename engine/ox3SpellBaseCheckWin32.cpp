// TLexoroSpellBase: checks of edit controls and windows, and the spell dialog form.
#include <windows.h>

#include <memory>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/parsing/ox3WinAPIParser.h"

namespace lexoro {

void TLexoroSpellBase::CheckWinControl(TWinControl* Control, TCheckMode Mode) {
  if (!Control) return;
  auto parser = std::make_unique<TWinAPIControlParser>();
  parser->Initialize(Control);
  CheckParser(std::move(parser), Mode);
}

void TLexoroSpellBase::CheckRichEdit(TWinControl* Control, TCheckMode Mode) {
  if (!Control) return;
  auto parser = std::make_unique<TWinAPIControlParser>();
  parser->Initialize(Control);
  parser->SetControlKind(ckRichEdit);
  CheckParser(std::move(parser), Mode);
}

void TLexoroSpellBase::CheckWindow(TWindowHandle Handle, TCheckMode Mode) {
  if (!Handle) return;
  auto parser = std::make_unique<TWinAPIControlParser>();
  parser->AttachHandle(static_cast<HWND>(Handle.Value()));
  CheckParser(std::move(parser), Mode);
}

void TLexoroSpellBase::CheckSelectionModal(TWinControl* Control, TWindowHandle Handle) {
  auto* engine = dynamic_cast<TMainParsingEngine*>(FParsingEngine.get());
  // Put back what the check changed, also when a handler throws.
  struct TRestore {
    TLexoroSpellBase& S;
    TMainParsingEngine* Engine;
    TSpellEndMessage EndMessage;
    TSpellDialogInitialPos InitialPos;
    bool ShowModal;
    bool KeepTruncated;
    ~TRestore() {
      S.FEndMessage = EndMessage;
      S.FDialogInitialPos = InitialPos;
      S.FDialogShowModal = ShowModal;
      if (Engine) Engine->SetKeepTruncatedLastWord(KeepTruncated);
    }
  } restore{*this, engine, FEndMessage, FDialogInitialPos, FDialogShowModal,
            engine ? engine->KeepTruncatedLastWord() : false};
  FEndMessage = emNever;
  FDialogInitialPos = ipUnderSelection;
  FDialogShowModal = true;
  if (engine) engine->SetKeepTruncatedLastWord(true);
  if (Control) CheckWinControl(Control, ckSelection);
  else CheckWindow(Handle, ckSelection);
}

std::int32_t TLexoroSpellBase::CountWordsInControl(TWinControl* Control, TCheckMode Mode) {
  if (!Control) return 0;
  TWinAPIControlParser parser;
  parser.Initialize(Control);
  return CountWordsParser(parser, Mode);
}

TObject* TLexoroSpellBase::ParserControl() {
  auto* parser = dynamic_cast<TControlParser2*>(FParser);
  if (!parser) return nullptr;
  return parser->GetControl();
}

// ---- The dialog form ------------------------------------------------------------------------

void TLexoroSpellBase::DialogFormInstallHooks() {
  if (!FDialogForm || FFormHooksInstalled) return;
  FFormOnShow = FDialogForm->OnShow();
  FFormOnActivate = FDialogForm->OnActivate();
  FFormOnDeactivate = FDialogForm->OnDeactivate();
  FDialogForm->SetOnShow([this](TObject* Sender) { DialogShowHook(Sender); });
  FDialogForm->SetOnActivate([this](TObject* Sender) { DialogActivateHook(Sender); });
  FDialogForm->SetOnDeactivate([this](TObject* Sender) { DialogDeactivateHook(Sender); });
  FFormHooksInstalled = true;
}

void TLexoroSpellBase::DialogFormRestoreHooks() {
  if (!FFormHooksInstalled) return;
  FFormHooksInstalled = false;
  if (FDialogForm) {
    FDialogForm->SetOnShow(FFormOnShow);
    FDialogForm->SetOnActivate(FFormOnActivate);
    FDialogForm->SetOnDeactivate(FFormOnDeactivate);
  }
  FFormOnShow = nullptr;
  FFormOnActivate = nullptr;
  FFormOnDeactivate = nullptr;
}

void TLexoroSpellBase::DialogFormShow(bool Modal) {
  if (!FDialogForm) return;
  if (!Modal) {
    FDialogForm->Show();
    return;
  }
  const std::uint32_t serial = FCheckSerial;
  FDialogForm->ShowModal();
  // The user closed the dialog some other way than through a command (its close box, the
  // application ending): the check cannot go on without it.
  if (FChecking && FCheckSerial == serial) DialogCancel();
}

void TLexoroSpellBase::DialogFormHideWindow() {
  if (FDialogForm && !FDialogForm->Modal()) FDialogForm->Hide();
}

void TLexoroSpellBase::DialogFormClose() {
  if (!FDialogForm) return;
  if (FDialogForm->Modal()) FDialogForm->SetModalResult(mrOk);
  else FDialogForm->Hide();
}

void TLexoroSpellBase::DialogFormRelease() {
  if (FDialogForm) FDialogForm->Release();
}

bool TLexoroSpellBase::DialogFormShowingModal() { return FDialogForm && FDialogForm->Modal(); }

void TLexoroSpellBase::DialogFormStorePosition() {
  if (!FDialogForm) return;
  FConfig->SetDialogX(FDialogForm->Left());
  FConfig->SetDialogY(FDialogForm->Top());
}

void TLexoroSpellBase::DialogFormSetHelp() {
  if (!FDialogForm) return;
  FDialogForm->SetHelpFile(FHelpFile);
  FDialogForm->SetHelpContext(FHelpCtxSpellDialog);
}

}  // namespace lexoro
