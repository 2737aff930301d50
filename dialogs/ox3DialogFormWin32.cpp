#include "lexoro/dialogs/ox3DialogFormWin32.h"

#include <algorithm>

namespace lexoro {

bool IsRightToLeftLanguage(TSpellLanguageType Language) { return Language == TSpellLanguageType::ltHebrew; }

TLexoroDialogForm::TLexoroDialogForm(TComponent* AOwner) : TForm(AOwner) {
  FDialogControl = new TConfigurationDialogCtrl(this);
  FDialogControl->SetName(u"DialogControl");
  SetBorderStyle(TFormBorderStyle::bsDialog);
}

TLabel* TLexoroDialogForm::MakeLabel(TWinControl* Parent, const char16_t* Name, TWinControl* Control) {
  auto* label = Make<TLabel>(Parent, Name);
  label->SetFocusControl(Control);
  return label;
}

int TLexoroDialogForm::CaptionWidthOf(std::initializer_list<TWinControl*> Controls, int Minimum) {
  int width = Minimum;
  for (TWinControl* c : Controls) width = std::max(width, c->CaptionWidth());
  return width;
}

void TLexoroDialogForm::ApplyLanguageDirection() {
  SetBiDiMode(IsRightToLeftLanguage(FDialogControl->UILanguage()) ? TBiDiMode::bdRightToLeft
                                                                   : TBiDiMode::bdLeftToRight);
}

TCustomSpellDialog::TCustomSpellDialog(TComponent* AOwner) : TLexoroDialogForm(AOwner) {
  DialogControl().OnConfigurationAvailable = [this](TObject* Sender) { DialogControlConfigurationAvailable(Sender); };
  DialogControl().OnPromptWord = [this](TObject* Sender, const std::u16string& Word, bool Repeated) {
    DialogControlPromptWord(Sender, Word, Repeated);
  };
}

void TCustomSpellDialog::BeginConfiguration() {
  TConfigurationDialogCtrl& c = DialogControl();
  FRepeatedMode = false;
  FDeactivated = false;
  ApplyLanguageDirection();
  SetCaption(c.GetString(lsSpelling));
  NotFoundText->SetCaption(c.GetString(lsDlgNotFound));
  SuggestionsText->SetCaption(c.GetString(lsDlgSuggestions));
  UndoButton->SetCaption(c.GetString(lsDlgUndo));
  OptionsButton->SetCaption(c.GetString(lsDlgOptions));
  IgnoreAllButton->SetCaption(c.GetString(lsDlgIgnoreAll));
  ChangeAllButton->SetCaption(c.GetString(lsDlgChangeAll));
  ChangeButton->SetCaption(c.GetString(lsDlgChange));
  AutoCorrectButton->SetCaption(c.GetString(lsDlgAutoCorrect));
  HelpButton->SetCaption(c.GetString(lsDlgHelp));
  CancelButton->SetCaption(c.GetString(lsDlgCancel));
}

void TCustomSpellDialog::ApplyCommandVisibility() {
  TConfigurationDialogCtrl& c = DialogControl();
  UndoButton->SetVisible(c.CommandVisible(sdcUndo));
  OptionsButton->SetVisible(c.CommandVisible(sdcOptions));
  IgnoreAllButton->SetVisible(c.CommandVisible(sdcIgnoreAll));
  IgnoreButton->SetVisible(c.CommandVisible(sdcIgnore));
  ChangeButton->SetVisible(c.CommandVisible(sdcChange));
  ChangeAllButton->SetVisible(c.CommandVisible(sdcChangeAll));
  AddButton->SetVisible(c.CommandVisible(sdcAdd));
  AutoCorrectButton->SetVisible(c.CommandVisible(sdcAutoCorrect));
  CancelButton->SetVisible(c.CommandVisible(sdcCancel));
  HelpButton->SetVisible(c.CommandVisible(sdcHelp) && c.HelpCtxSpellDialog() != 0);
  HelpButton->SetEnabled(Enabled(sdcHelp));
  CancelButton->SetEnabled(Enabled(sdcCancel));
  if (!OptionsButton->Visible()) UndoButton->SetTop(OptionsButton->Top());
  // The command set decides from the first word on (not only after the dialog was left once).
  SetButtonsEnabled(true);
}

void TCustomSpellDialog::ControlsMade(int MinClientWidth, int MinClientHeight) {
  ChangeButton->SetDefault(true);
  CancelButton->SetCancel(true);
  SetClientWidth(MinClientWidth);
  SetClientHeight(MinClientHeight);
  IgnoreAllButton->OnClick = [this](TObject*) { DialogControl().DialogIgnoreAll(); };
  AddButton->OnClick = [this](TObject*) { DialogControl().DialogAdd(); };
  UndoButton->OnClick = [this](TObject*) { DialogControl().DialogUndo(); };
  HelpButton->OnClick = [this](TObject*) { DialogControl().ShowHelp(DialogControl().HelpCtxSpellDialog()); };
  CancelButton->OnClick = [this](TObject*) { DialogControl().DialogCancel(); };
}

void TCustomSpellDialog::Deactivate() {
  FDeactivated = true;
  SetButtonsEnabled(false);
  TLexoroDialogForm::Deactivate();
}

void TCustomSpellDialog::Activate() {
  if (FDeactivated) {
    FDeactivated = false;
    SetButtonsEnabled(true);
  }
  TLexoroDialogForm::Activate();
}

LRESULT TCustomSpellDialog::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // Closing the window is always allowed and cancels the check.
  if (Msg == WM_CLOSE && DialogControl().Component()) {
    DialogControl().DialogCancel();
    return 0;
  }
  return TLexoroDialogForm::WndProc(Msg, WParam, LParam);
}

}  // namespace lexoro
