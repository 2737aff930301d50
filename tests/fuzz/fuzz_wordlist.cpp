// Office word lists: a file of any content is read as a plain word list (byte-order marks for
// UTF-8 and UTF-16, the ANSI code page without one) and its words looked up. Nothing may read
// outside its buffers or crash, whatever the length or encoding.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/fuzz/FuzzSupport.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = lexoro::fuzz::WriteScratchInput("wordlist", ".dic", data, size);
  lexoro::TLexoroSpellBase spell(nullptr);
  spell.SetConfigStorage(lexoro::csNone);
  spell.SetSuggestionsLearning(false);
  auto list = spell.OpenWordList(path.u16string());
  if (list) {
    for (const char16_t* w : {u"a", u"word", u"caf\u00e9", u"", u"\u0434\u043e\u043c"}) (void)list->IsAdded(w);
    for (std::int32_t i = 0; i < list->AddedCount() && i < 4096; ++i) (void)list->IsAdded(list->GetAddedWord(i));
  }
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return 0;
}
