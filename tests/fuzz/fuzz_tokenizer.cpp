// The tokenizer with every ignore filter on: arbitrary text through a string parser, the main
// parsing engine and the filter set's hooks, every word read and judged, the way a check
// reads a text.
//
// Input: byte 0 chooses the options, bytes 1 and 2 the cursor and the end bound, the rest is
// the text (UTF-16 little-endian or UTF-8).
//   bit 0      text is UTF-16 (else UTF-8)
//   bits 1-3   check mode (0-4; 5-7 mean "as positioned")
//   bit 4      set an end bound at byte 2 (1-based; 0 is before the text)
//   bit 5      keep a truncated last word
//   bit 6      French rules (elision) and Polish word characters
//   bit 7      replace every other word, as the check driver does for a change
//
// Checked for every word: it is not empty, the parser stands just after it (so SelectWord
// selects exactly it), no word reaches past the end bound unless cut-off words are kept,
// and the text makes progress: no more words than characters, and a
// bounded number of parser reads for the whole text (a filter that stops moving the cursor
// turns into a crash here rather than a hang).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lexoro/parsing/ox3Ignore.h"
#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/platform/ox3Text.h"

namespace {

using namespace lexoro;

class TCountingParser : public TStringParser {
 public:
  explicit TCountingParser(long budget) : FBudget(budget) {}
  char16_t GetChar() override {
    if (--FBudget < 0) std::abort();  // read without end
    return TStringParser::GetChar();
  }

 private:
  long FBudget;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3 || size > 1 << 16) return 0;
  const std::uint8_t flags = data[0];
  const std::int32_t start = data[1];
  const std::int32_t bound = data[2];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 3), size - 3);

  std::u16string text;
  if (flags & 1) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) | static_cast<std::uint8_t>(bytes[i + 1]) << 8);
  } else {
    text = text::Utf8ToUtf16(bytes);
  }
  const std::u16string original = text;

  TMainParsingEngine engine;
  if (flags & 0x40) engine.SetLanguage(0x040C), engine.SetLanguage(1045), engine.SetElisionMode(true);
  engine.SetKeepTruncatedLastWord((flags & 0x20) != 0);

  TIgnoreFilterSet filters;
  TIgnoreFilterChoice all;
  all.Internet = all.Upcase = all.Numbers = all.HTML = all.Quoted = all.Abbreviations = true;
  all.QuoteChars = u">|";
  AddStandardIgnoreFilters(filters, all);
  filters.InstallHooks(engine);

  // Each character is read a small, fixed number of times by the engine and the filters.
  const long budget = 64L * (static_cast<long>(text.size()) + 16);
  TCountingParser parser(budget);
  parser.Initialize(text);
  parser.SetPosition(start, 0, spCursor);
  if (flags & 0x10) parser.SetPosition(bound, 0, spEndBound);
  const auto mode = static_cast<TCheckMode>(std::min((flags >> 1) & 7, static_cast<int>(ckAsPositioned)));
  engine.PositionParser(&parser, mode);
  // Where the check must stop: a string has an empty selection at the cursor.
  bool bounded = (flags & 0x10) != 0;
  std::int32_t endX = bound;
  if (mode == ckSelection) bounded = true, endX = start < 1 ? 1 : start;

  (void)filters.IgnoreFiltersAcceptLine(text);
  std::size_t words = 0;
  for (std::u16string word;;) {
    engine.GetNextWord(&parser, word);
    if (word.empty()) break;
    Check(++words <= original.size());
    (void)filters.IgnoreFiltersAcceptWord(word, &parser);
    (void)filters.IgnoreFiltersAcceptWord(word, nullptr);

    const auto length = static_cast<std::int32_t>(word.size());
    parser.SelectWord(length);
    std::int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    Check(x >= 1 && static_cast<std::size_t>(x - 1) + word.size() <= text.size());
    Check(text.compare(static_cast<std::size_t>(x - 1), word.size(), word) == 0);
    // A word that runs into the end bound is dropped, unless cut-off words are kept.
    if (bounded && !engine.KeepTruncatedLastWord()) Check(x - 1 + length <= endX);
    if ((flags & 0x80) && words % 2 == 0) {
      // A change: the replacement text could itself look like markup or an address; the
      // check goes on after it either way.
      const std::u16string replacement = word.size() > 2 ? u"<x" : u"www.a/b@c";
      parser.ReplaceWord(replacement, rsChange);
      if (bounded) endX += static_cast<std::int32_t>(replacement.size()) - length;
    } else {
      parser.IgnoreWord(isIgnoreOnce);
    }
  }
  return 0;
}
