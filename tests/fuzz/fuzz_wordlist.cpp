// Office word lists: a file of any content is read as a plain word list (byte-order marks for
// UTF-8 and UTF-16, the ANSI code page without one), its words added to a memory-only custom
// dictionary as the spell component does, and looked up. Nothing may read outside its
// buffers or crash, whatever the length or encoding.
#include <cstdint>
#include <span>
#include <string>

#include "lexoro/dictionaries/ox3CustomDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lexoro::TCustomDictionary list;
  for (const auto& line : lexoro::ParseWordList(std::span<const std::uint8_t>(data, size))) (void)list.AddWord(line);
  for (const char16_t* w : {u"a", u"word", u"caf\u00e9", u"", u"\u0434\u043e\u043c"}) (void)list.IsAdded(w);
  for (std::int32_t i = 0; i < list.AddedCount() && i < 4096; ++i) (void)list.IsAdded(list.GetAddedWord(i));
  return 0;
}
