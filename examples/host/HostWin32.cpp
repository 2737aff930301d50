// The host on Windows: a form with a memo, whose text is checked with one call to
// CheckWinControl.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "HostSpell.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"

int main(int argc, char** argv) {
  const std::string dictionary = host::DictionaryArgument(argc, argv);
  if (dictionary.empty()) return 2;
  lexoro::TForm form(nullptr);
  form.SetBounds(0, 0, 480, 320);
  auto* memo = new lexoro::TMemo(&form);  // the form owns its controls
  memo->SetParent(&form);
  memo->SetBounds(8, 8, 448, 264);
  memo->SetText(host::kText);

  int misspelled = 0;
  auto spell = host::CountingSpell(dictionary, misspelled);
  if (!spell) return 2;
  spell->CheckWinControl(memo, lexoro::ckEntireText);
  std::printf("%d misspelled words\n", misspelled);
  return 0;
}
