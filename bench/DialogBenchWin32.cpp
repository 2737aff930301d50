// How long a user waits for the spell dialog: the time from CheckWinControl of a memo of
// ordinary prose to the dialog showing its first word, with the misspelt word at the start of
// the text and at its end (every word before it accepted), for both dialog styles, next to the
// same check without a dialog (the word handed to OnPromptWord) in the same run. Run under Wine:
//   dialog_bench [KB] [RUNS]        (default 1000 KB, 5 runs; the median is printed)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/ProseDictionaryWin32.h"
#include "bench/ProseText.h"
#include "lexoro/dialogs/ox3SpellDialogWin32.h"
#include "lexoro/dialogs/ox3SpellWin32.h"
#include "lexoro/dialogs/ox4SpellDialogOfficeWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"

using namespace lexoro;

namespace {

enum class TWay { Silent, Classic, Office };

const char* Name(TWay Way) {
  switch (Way) {
    case TWay::Silent: return "no dialog (OnPromptWord)";
    case TWay::Classic: return "classic dialog";
    case TWay::Office: return "office-style dialog";
  }
  return "";
}

// The word the check stops at first, as the user sees it.
std::u16string ShownWord(TLexoroSpellDialogs& Spell, TWay Way, const std::u16string& Prompted) {
  if (auto* classic = dynamic_cast<TSpellDialog*>(Spell.DialogForm()); classic && classic->Visible())
    return classic->NotFoundEdit->Text();
  if (auto* office = dynamic_cast<TSpellDialogV4*>(Spell.DialogForm()); office && office->Visible())
    return office->ContextLine();
  return Way == TWay::Silent ? Prompted : std::u16string();
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t kb = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
  const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
  const std::u16string dir = bench::WriteProseDictionary("lexoro-dialog-bench");
  if (dir.empty()) {
    std::fprintf(stderr, "cannot write the dictionary\n");
    return 1;
  }
  TLexoroSpellDialogs spell(nullptr);
  bench::UseProseDictionary(spell, dir);
  spell.SetSynchronousCheck(false);
  spell.SetEndMessage(emNever);
  spell.SetDialogInitialPos(ipAvoidControl);
  std::u16string prompted;
  spell.OnPromptWord = [&](TObject*, const std::u16string& Word, bool) { prompted = Word; };

  TForm form(nullptr);
  form.SetBounds(0, 0, 800, 400);
  TMemo memo(&form);
  memo.SetParent(&form);
  memo.SetWordWrap(false);
  memo.SetBounds(0, 0, 780, 360);
  form.Show();

  const std::u16string prose = bench::MakeText(kb * 1000);
  std::printf("%zu KB memo, median of %d runs, time from CheckWinControl to the first word shown\n", kb, runs);
  for (const bool atEnd : {false, true}) {
    const std::u16string text = atEnd ? prose + u" Speling" : u"Speling " + prose;
    memo.SetText(text);
    for (TWay way : {TWay::Silent, TWay::Classic, TWay::Office}) {
      spell.SetUIType(way == TWay::Silent ? suiSilent : suiDialog);
      spell.SetDialogTypeSpelling(way == TWay::Office ? sdOffice : sdLexoro);
      std::vector<double> times;
      std::u16string shown;
      for (int run = 0; run < runs; ++run) {
        prompted.clear();
        const auto start = std::chrono::steady_clock::now();
        spell.CheckWinControl(&memo, ckEntireText);
        shown = ShownWord(spell, way, prompted);
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        spell.DialogCancel();
        Application().ProcessMessages();
      }
      std::sort(times.begin(), times.end());
      const bool right = shown.find(u"Speling") != std::u16string::npos;
      std::printf("  word at the %-5s %-26s %9.1f ms%s\n", atEnd ? "end" : "start", Name(way),
                  times[times.size() / 2] * 1e3, right ? "" : "  (the word was not shown!)");
    }
  }
  return 0;
}
