// What every dialog form of the spell components shares: its DialogControl controller, the
// direction of its interface language (a right-to-left language mirrors the form), and the
// helpers with which the forms build and measure their controls.
#pragma once

#include <initializer_list>
#include <string>

#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "lexoro/languages/ox3SpellLanguages.h"

namespace lexoro {

// True for the interface languages written from right to left (Hebrew).
[[nodiscard]] bool IsRightToLeftLanguage(TSpellLanguageType Language);

class TLexoroDialogForm : public TForm {
 public:
  explicit TLexoroDialogForm(TComponent* AOwner);
  [[nodiscard]] TConfigurationDialogCtrl& DialogControl() const { return *FDialogControl; }

 protected:
  // A control owned by the form, named, placed in Parent at the next tab position.
  template <typename T>
  T* Make(TWinControl* Parent, const char16_t* Name) {
    auto* control = new T(this);
    control->SetName(Name);
    control->SetParent(Parent);
    return control;
  }
  // A label for Control (its accelerator gives Control the focus).
  TLabel* MakeLabel(TWinControl* Parent, const char16_t* Name, TWinControl* Control);
  // The widest caption of Controls (in their fonts), and at least Minimum.
  [[nodiscard]] static int CaptionWidthOf(std::initializer_list<TWinControl*> Controls, int Minimum);
  // Mirrors the form for a right-to-left interface language of the linked component.
  void ApplyLanguageDirection();

 private:
  TConfigurationDialogCtrl* FDialogControl;
};

}  // namespace lexoro
