// Custom dictionary reader: a file of any content is loaded, looked up, listed, edited, saved
// and loaded again. Nothing may read outside its buffers, loop without end or crash.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/fuzz/FuzzSupport.h"
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
  const auto path = lexoro::fuzz::WriteScratchInput("custom", ".oxu", data, size);
  const std::u16string name = path.u16string();
  {
    lexoro::TCustomDictionary d;
    d.SetFileName(name);
    Exercise(d);
    (void)d.AddWord(u"fuzz");
    (void)d.AddAutoCorrect(u"fzuz", u"fuzz");
    (void)d.AddExcluded(u"teh");
    (void)d.RemoveWord(u"a");
    (void)d.RemoveAutoCorrect(u"teh");
    for (int i = 0; i < 70; ++i) (void)d.AddWord(lexoro::text::U16("w" + std::to_string(i)));
    Exercise(d);
    d.SetLoaded(false);  // saves when the file was taken
  }
  {
    lexoro::TCustomDictionary again;
    again.SetFileName(name);
    Exercise(again);
  }
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return 0;
}
