// Custom dictionary reader: a file of any content is loaded, looked up, listed, edited, saved
// and loaded again. Nothing may read outside its buffers, loop without end or crash, and what
// was saved must load again with the same entries.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/platform/ox3Text.h"

namespace {

void Exercise(lexoro::TCustomDictionary& d) {
  static const char16_t* const kWords[] = {u"a", u"ab", u"teh", u"caf\u00e9", u"", u"Word", u"\u0434\u043e\u043c"};
  for (const char16_t* w : kWords) {
    (void)d.IsAdded(w);
    (void)d.IsExcluded(w);
    std::u16string replacement;
    (void)d.FindAutoCorrect(w, replacement);
  }
  const std::int32_t added = d.AddedCount();
  for (std::int32_t i = 0; i < added && i < 4096; ++i) (void)d.GetAddedWord(i);
  const std::int32_t excluded = d.ExcludedCount();
  for (std::int32_t i = 0; i < excluded && i < 4096; ++i) (void)d.GetExcludedWord(i);
  const std::int32_t pairs = d.AutoCorrectCount();
  for (std::int32_t i = 0; i < pairs && i < 4096; ++i) (void)d.GetAutoCorrectPair(i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> saved;
  std::int32_t added = 0, excluded = 0, pairs = 0;
  {
    lexoro::TCustomDictionary d;
    (void)d.LoadFromBytes(std::span<const std::uint8_t>(data, size));
    Exercise(d);
    (void)d.AddWord(u"fuzz");
    (void)d.AddAutoCorrect(u"fzuz", u"fuzz");
    (void)d.AddExcluded(u"teh");
    (void)d.RemoveWord(u"a");
    (void)d.RemoveAutoCorrect(u"teh");
    for (int i = 0; i < 70; ++i) (void)d.AddWord(lexoro::text::U16("w" + std::to_string(i)));
    Exercise(d);
    added = d.AddedCount();
    excluded = d.ExcludedCount();
    pairs = d.AutoCorrectCount();
    saved = d.SaveToBytes();
  }
  lexoro::TCustomDictionary again;
  if (!again.LoadFromBytes(saved)) std::abort();
  if (again.AddedCount() != added || again.ExcludedCount() != excluded || again.AutoCorrectCount() != pairs)
    std::abort();
  Exercise(again);
  return 0;
}
