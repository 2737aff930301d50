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

}  // namespace lexoro
