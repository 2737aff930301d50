#include "lexoro/dialogs/ox3SpellWin32.h"

#include <memory>

#include "lexoro/dialogs/ox3ConfigurationDialogWin32.h"
#include "lexoro/dialogs/ox3SpellDialogWin32.h"
#include "lexoro/dialogs/ox4SpellDialogOfficeWin32.h"
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/framework/ox3ComCtrlsWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

namespace {

// The shell's allocator, released with the owner.
struct TShellMalloc {
  IMalloc* Malloc = nullptr;
  TShellMalloc() {
    if (SHGetMalloc(&Malloc) != S_OK) Malloc = nullptr;
  }
  ~TShellMalloc() {
    if (Malloc) Malloc->Release();
  }
  TShellMalloc(const TShellMalloc&) = delete;
  TShellMalloc& operator=(const TShellMalloc&) = delete;
};

// Memory of the shell's allocator, freed with the owner (also when a step throws).
struct TShellMemory {
  IMalloc* Malloc;
  void* Memory;
  ~TShellMemory() {
    if (Memory) Malloc->Free(Memory);
  }
};

// The nearest form in the owner chain of Component, if any.
TForm* OwnerForm(TComponent* Component) {
  for (TComponent* c = Component; c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

}  // namespace

TLexoroSpellDialogs::TLexoroSpellDialogs(TComponent* AOwner) : TLexoroSpellBase(AOwner) { SetUIType(suiDialog); }

TLexoroSpellDialogs::~TLexoroSpellDialogs() = default;

void TLexoroSpellDialogs::SetUILanguage(TSpellLanguageType Value) {
  TLexoroSpellBase::SetUILanguage(Value);
  if (LanguageHasOfficeStrings(Value)) return;
  if (FDialogTypeSpelling == sdOffice) FDialogTypeSpelling = sdLexoro;
  if (FDialogTypeConfiguration == sdOffice) FDialogTypeConfiguration = sdLexoro;
}

void TLexoroSpellDialogs::DoCreateLexoroDialog(TComponent* OwnerParam, TLexoroDialog Dialog, TForm*& Form) {
  if (OnCreateLexoroDialog) OnCreateLexoroDialog(this, OwnerParam, Dialog, Form);
}

void TLexoroSpellDialogs::DoBrowseForFolder(TComponent* Requester, const BROWSEINFOW& BrowseInfo,
                                           std::u16string& NewFolder, bool& Canceled) {
  if (OnBrowseForFolder) OnBrowseForFolder(this, Requester, BrowseInfo, NewFolder, Canceled);
}

TForm* TLexoroSpellDialogs::CreateSpellDialog() {
  // The dialog belongs to the form of the checked control (or to the component).
  TComponent* start = this;
  if (auto* parser = dynamic_cast<TControlParser2*>(Parser()))
    if (TWinControl* control = parser->GetControl()) start = control;
  TComponent* owner = OwnerForm(start);
  if (!owner) owner = this;
  TForm* form = nullptr;
  DoCreateLexoroDialog(owner, oxSpellDialog, form);
  if (!form) {
    if (FDialogTypeSpelling == sdOffice) form = new TSpellDialogV4(owner);
    else form = new TSpellDialog(owner);
  }
  ApplyDialogFonts(form, true);
  return form;
}

TForm* TLexoroSpellDialogs::ModalDialogForm(TComponent* Owner, TLexoroDialog Dialog,
                                            const std::function<TForm*()>& Create) {
  TForm* form = nullptr;
  DoCreateLexoroDialog(Owner, Dialog, form);
  if (!form && Create) form = Create();
  return form;
}

void TLexoroSpellDialogs::RunModalDialog(TForm* Form, bool IsTextDialog, TCustomDictionary* Dictionary,
                                         THelpContext Context) {
  // The form is freed afterwards, also when showing it fails.
  std::unique_ptr<TForm> owned(Form);
  ApplyDialogFonts(Form, IsTextDialog);
  ConnectDialog(Form, Dictionary);
  Form->SetHelpFile(HelpFile());
  Form->SetHelpContext(Context);
  Form->ShowModal();
}

void TLexoroSpellDialogs::ShowConfigDialog(TComponent* Owner) {
  if (OnShowConfigDialog) {
    OnShowConfigDialog(this, Owner);
    return;
  }
  // The office-style options dialog is not built yet: the classic one serves both styles.
  TForm* form = ModalDialogForm(Owner, oxSpellConfigurationDialog, [Owner] { return new TSpellCheckConfigDialog(Owner); });
  if (!form) return;
  RunModalDialog(form, false, nullptr, HelpCtxConfigDialog());
  // The dictionary with most words found comes first again.
  ReorderMainDictionaries();
}

void TLexoroSpellDialogs::ShowCustomDictionariesDialog(TComponent* Owner) {
  if (OnShowCustomDictionariesDialog) {
    OnShowCustomDictionariesDialog(this, Owner);
    return;
  }
  if (TForm* form = ModalDialogForm(Owner, oxSpellCustomDictionariesDialog, nullptr))
    RunModalDialog(form, false, nullptr, HelpCtxDictionariesDialog());
}

void TLexoroSpellDialogs::ShowEditCustomDictionaryDialog(TComponent* Owner, TCustomDictionary* Dictionary) {
  if (OnShowEditCustomDictionaryDialog) {
    OnShowEditCustomDictionaryDialog(this, Owner, Dictionary);
    return;
  }
  TForm* form = ModalDialogForm(Owner, oxSpellCustomDictionaryEditDialog, nullptr);
  if (!form) return;
  RunModalDialog(form, true, Dictionary, HelpCtxDictionaryEditDialog());
  Config().Reload();
}

void TLexoroSpellDialogs::ShowAddDictionaryDir(TComponent* Owner) {
  if (OnShowAddDictionaryDir) {
    OnShowAddDictionaryDir(this, Owner);
    return;
  }
  TShellMalloc shell;
  if (!shell.Malloc) return;
  TShellMemory buffer{shell.Malloc, shell.Malloc->Alloc(MAX_PATH * sizeof(wchar_t))};
  if (!buffer.Memory) return;
  auto* display = static_cast<wchar_t*>(buffer.Memory);
  display[0] = L'\0';

  // The owner window: the requester's owner when that is a windowed control, else the
  // application's main form.
  HWND owner = nullptr;
  if (auto* control = dynamic_cast<TWinControl*>(Owner ? Owner->Owner() : nullptr)) owner = control->Handle();
  else if (auto* main = dynamic_cast<TWinControl*>(Application().MainForm())) owner = main->Handle();
  const std::u16string title = GetString(lsDlgBrowseForMainTitle);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = reinterpret_cast<const wchar_t*>(title.c_str());
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;

  std::u16string folder;
  bool canceled = false;
  DoBrowseForFolder(Owner, info, folder, canceled);
  if (folder.empty() && !canceled) {
    LPITEMIDLIST list = SHBrowseForFolderW(&info);
    if (list) {
      if (SHGetPathFromIDListW(list, display)) folder = reinterpret_cast<const char16_t*>(display);
      shell.Malloc->Free(list);
    }
  }
  if (!folder.empty()) Config().GetNewPaths().Add(folder);
}

void TLexoroSpellDialogs::ApplyDialogFonts(TForm* Form, bool IsTextDialog) {
  if (!Form) return;
  if (FParentFont) Form->SetParentFont(true);
  if (!FUILanguageUseFonts) return;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(Form->Components(i));
    if (!control) continue;
    if (dynamic_cast<TLabel*>(control) || dynamic_cast<TButtonControl*>(control) ||
        dynamic_cast<TGroupBox*>(control) || dynamic_cast<TPageControl*>(control) ||
        dynamic_cast<TRichEdit*>(control)) {
      control->Font().Assign(FUILanguageFontControls);
    } else if (dynamic_cast<TListView*>(control) || dynamic_cast<TListBox*>(control) ||
               dynamic_cast<TCustomEdit*>(control) || dynamic_cast<TComboBox*>(control)) {
      control->Font().Assign(IsTextDialog ? FUILanguageFontText : FUILanguageFontControls);
    }
  }
}

}  // namespace lexoro
