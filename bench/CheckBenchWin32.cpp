// Speed of the check driver over edit controls: CountWordsInControl and a silent
// CheckWinControl of a memo and of a rich edit holding ordinary English text in which every
// word is accepted, next to CheckString of the same text. Run under Wine:
//   check_bench [KB...]        (default 100 1000)
#include <windows.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "bench/ProseDictionaryWin32.h"
#include "bench/ProseText.h"

using namespace lexoro;
using bench::kProse;
using bench::MakeText;

namespace {

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Print(const char* what, std::size_t kb, std::int32_t words, double seconds) {
  std::printf("%-28s %5zu KB  words %7d  %9.1f ms  %9.0f words/s\n", what, kb, words, seconds * 1e3,
              words / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {100, 1000};

  // A main dictionary of every word of the prose, so that the check prompts nothing.
  const std::u16string dir = bench::WriteProseDictionary("lexoro-check-bench");
  if (dir.empty()) {
    std::fprintf(stderr, "cannot write the dictionary\n");
    return 1;
  }

  TLexoroSpellBase spell(nullptr);
  bench::UseProseDictionary(spell, dir);
  int prompts = 0;
  spell.OnPromptWord = [&](TObject*, const std::u16string&, bool) {
    ++prompts;
    spell.DialogIgnore();
  };

  TForm form(nullptr);
  form.SetBounds(0, 0, 800, 600);
  TMemo memo(&form);
  memo.SetParent(&form);
  memo.SetWordWrap(false);
  memo.SetBounds(0, 0, 780, 280);
  TRichEdit rich(&form);
  rich.SetParent(&form);
  rich.SetWordWrap(false);
  rich.SetBounds(0, 290, 780, 280);

  std::vector<std::vector<double>> perWord;
  for (std::size_t kb : sizes) {
    const std::u16string text = MakeText(kb * 1000);
    std::vector<double> row;

    std::u16string copy = text;
    std::int32_t words = spell.CountWords(copy);
    const double s = Seconds([&] { spell.CheckString(copy); });
    Print("CheckString", kb, words, s);
    row.push_back(s / words);

    memo.SetText(text);
    std::int32_t counted = 0;
    double t = Seconds([&] { counted = spell.CountWordsInControl(&memo, ckEntireText); });
    Print("CountWordsInControl memo", kb, counted, t);
    row.push_back(t / counted);
    t = Seconds([&] { spell.CheckWinControl(&memo, ckEntireText); });
    Print("CheckWinControl memo", kb, spell.WordsChecked(), t);
    row.push_back(t / spell.WordsChecked());

    rich.SetText(text);
    t = Seconds([&] { counted = spell.CountWordsInControl(&rich, ckEntireText); });
    Print("CountWordsInControl rich", kb, counted, t);
    row.push_back(t / counted);
    t = Seconds([&] { spell.CheckWinControl(&rich, ckEntireText); });
    Print("CheckWinControl rich", kb, spell.WordsChecked(), t);
    row.push_back(t / spell.WordsChecked());
    perWord.push_back(row);
  }
  std::printf("prompts: %d (every word accepted)\n", prompts);
  if (perWord.size() >= 2) {
    std::printf("time per word, %zu KB relative to %zu KB:", sizes.back(), sizes.front());
    const char* names[] = {"CheckString", "count memo", "check memo", "count rich", "check rich"};
    for (std::size_t i = 0; i < perWord.front().size(); ++i)
      std::printf("  %s %.2f", names[i], perWord.back()[i] / perWord.front()[i]);
    std::printf("\n");
  }
  return 0;
}
