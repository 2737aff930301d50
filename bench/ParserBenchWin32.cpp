// Walks the text of a memo and of rich edits through the edit-control parser, character by
// character and word by word with the parsing engine, next to the same text through the string
// parser, for about 100 KB and 1 MB of English prose. Prints words (or characters) per second
// and the time per character of the large text relative to the small one (1.0 = linear).
//
//   parser_bench [--wrap] [kilobytes...]      default: 100 1000
// --wrap measures word-wrapped controls, narrow enough that most lines wrap.
#include <windows.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/parsing/ox3WinAPIParser.h"
#include "bench/ProseText.h"

using namespace lexoro;
using bench::MakeText;

namespace {

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct TResult {
  double CharSeconds = 0;
  std::size_t Chars = 0;
  double WordSeconds = 0;
  std::size_t Words = 0;
};

TResult Measure(TControlParser& parser) {
  TResult r;
  r.CharSeconds = Seconds([&] {
    parser.SetPosition(0, 0, spCursor);
    for (;;) {
      if (parser.GetChar() != 0) ++r.Chars;
      if (!parser.MoveNext()) break;
    }
  });
  TMainParsingEngine engine;
  r.WordSeconds = Seconds([&] {
    engine.PositionParser(&parser, ckEntireText);
    std::u16string word;
    for (;;) {
      engine.GetNextWord(&parser, word);
      if (word.empty()) break;
      ++r.Words;
    }
  });
  return r;
}

void Print(const char* what, std::size_t kb, const TResult& r) {
  std::printf("%-12s %5zu KB  chars %9zu  %8.1f ms  %7.2f Mchar/s   words %7zu  %8.1f ms  %7.2f Mword/s\n", what, kb,
              r.Chars, r.CharSeconds * 1e3, r.Chars / r.CharSeconds / 1e6, r.Words, r.WordSeconds * 1e3,
              r.Words / r.WordSeconds / 1e6);
}

}  // namespace

// The cost of each message the parser sends per line, over every line of a window.
void ProbeMessages(const char* what, HWND window) {
  const auto lines = static_cast<int>(SendMessageW(window, EM_GETLINECOUNT, 0, 0));
  std::vector<wchar_t> buffer(70000);
  const double index = Seconds([&] {
    for (int i = 0; i < lines; ++i) SendMessageW(window, EM_LINEINDEX, i, 0);
  });
  const double length = Seconds([&] {
    for (int i = 0; i < lines; ++i) SendMessageW(window, EM_LINELENGTH, SendMessageW(window, EM_LINEINDEX, i, 0), 0);
  });
  const double getLine = Seconds([&] {
    for (int i = 0; i < lines; ++i) {
      buffer[0] = 65000;
      SendMessageW(window, EM_GETLINE, i, reinterpret_cast<LPARAM>(buffer.data()));
    }
  });
  const double count = Seconds([&] {
    for (int i = 0; i < 1000; ++i) SendMessageW(window, EM_GETLINECOUNT, 0, 0);
  });
  std::printf("%-12s %d lines: EM_LINEINDEX %.1f ms, +EM_LINELENGTH %.1f ms, EM_GETLINE %.1f ms, 1000 x EM_GETLINECOUNT %.1f ms\n",
              what, lines, index * 1e3, length * 1e3, getLine * 1e3, count * 1e3);
}

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  bool probe = false, wrap = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--probe") probe = true;
    else if (std::string(argv[i]) == "--wrap") wrap = true;
    else sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  }
  if (sizes.empty()) sizes = {100, 1000};

  LoadLibraryW(L"riched20.dll");
  TForm form(nullptr);
  form.SetBounds(0, 0, 800, 600);
  TMemo memo(&form);
  memo.SetParent(&form);
  const int width = wrap ? 300 : 780;
  memo.SetWordWrap(wrap);
  memo.SetBounds(0, 0, width, 280);
  TRichEdit rich(&form);
  rich.SetParent(&form);
  rich.SetWordWrap(wrap);
  rich.SetBounds(0, 290, width, 280);
  HWND rich20 = CreateWindowExW(0, L"RichEdit20W", L"", WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 0, 0,
                                780, 280, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(rich20, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
  SendMessageW(rich20, EM_SETTARGETDEVICE, 0, 1);
  if (!wrap) SendMessageW(rich.Handle(), EM_SETTARGETDEVICE, 0, 1);

  std::printf("%-12s %5s\n", "parser", "size");
  std::vector<std::vector<double>> perChar;  // per size: string, memo, rich50, rich20 (s per char, words walk)
  for (std::size_t kb : sizes) {
    std::u16string text = MakeText(kb * 1000);
    if (probe) {
      memo.SetText(text);
      rich.SetText(text);
      SetWindowTextW(rich20, reinterpret_cast<const wchar_t*>(text.c_str()));
      ProbeMessages("TMemo/EDIT", memo.Handle());
      ProbeMessages("TRichEdit", rich.Handle());
      ProbeMessages("RichEdit20W", rich20);
      continue;
    }
    std::u16string copy = text;
    TStringParser stringParser;
    stringParser.Initialize(copy);
    const TResult s = Measure(stringParser);
    Print("string", kb, s);

    memo.SetText(text);
    TWinAPIControlParser memoParser;
    memoParser.Initialize(&memo);
    const TResult m = Measure(memoParser);
    Print("TMemo/EDIT", kb, m);

    rich.SetText(text);
    TWinAPIControlParser richParser;
    richParser.Initialize(&rich);
    const TResult r = Measure(richParser);
    Print(("TRichEdit/" + std::string(TRichEdit::SystemClassName() == u"RICHEDIT50W" ? "50W" : "20W")).c_str(), kb, r);

    SetWindowTextW(rich20, reinterpret_cast<const wchar_t*>(text.c_str()));
    TWinAPIControlParser rich20Parser;
    rich20Parser.AttachHandle(rich20);
    const TResult r2 = Measure(rich20Parser);
    Print("RichEdit20W", kb, r2);

    perChar.push_back({s.WordSeconds / s.Chars, m.WordSeconds / m.Chars, r.WordSeconds / r.Chars,
                       r2.WordSeconds / r2.Chars});
  }
  if (perChar.size() >= 2) {
    std::printf("time per character, %zu KB relative to %zu KB (word walk): string %.2f  memo %.2f  rich %.2f  rich20 %.2f\n",
                sizes.back(), sizes.front(), perChar.back()[0] / perChar.front()[0], perChar.back()[1] / perChar.front()[1],
                perChar.back()[2] / perChar.front()[2], perChar.back()[3] / perChar.front()[3]);
  }
  DestroyWindow(rich20);
  return 0;
}
