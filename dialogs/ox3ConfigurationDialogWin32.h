// TSpellCheckConfigDialog (form SpellCheckConfigDialog): the classic options dialog. Ten check
// boxes for the spelling options the component makes available, the main dictionaries with
// check boxes (and an entry to locate more), the custom dictionary that receives added words,
// and a reset to the defaults. Every change goes into the configuration at once; OK only
// closes. The form loses the height of the option boxes it does not need.
#pragma once

#include <array>
#include <string>

#include "lexoro/dialogs/ox3DialogFormWin32.h"
#include "lexoro/framework/ox3ComCtrlsWin32.h"

namespace lexoro {

class TSpellCheckConfigDialog : public TLexoroDialogForm {
 public:
  explicit TSpellCheckConfigDialog(TComponent* AOwner);

  TGroupBox* OptionsGroup;
  std::array<TCheckBox*, 10> Options;  // Option1 ... Option10
  TGroupBox* DictionariesGroup;
  TListView* MainDictionaries;
  TLabel* CustomLabel;
  TComboBox* CustomCombo;
  TButton* DictionariesButton;
  TButton* ResetButton;
  TButton* HelpButton;
  TButton* OK;

  // Gives the boxes the available options in ordinal order; returns the boxes left over (hidden).
  int FillOptionBoxes();
  void FillMainDictionaryList();
  void FillCustomCombo();
  // The file-name column takes the rest of the list's width.
  void FitColumns();

 protected:
  void DialogControlConfigurationAvailable(TObject* Sender);
  void OptionsClick(TObject* Sender);
  void MainDictionariesChange(TListItem* Item);
  void MainDictionariesClick();
  void DoShow() override;

 private:
  void Arrange();
  // The main dictionary item that stands for the "Locate Dictionaries..." entry.
  [[nodiscard]] bool IsLocateEntry(const TListItem* Item) const;

  int FOptionPitch = 16;
};

}  // namespace lexoro
