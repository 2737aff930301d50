// Office word lists: a file of any content is read as a plain word list (byte-order marks for
// UTF-8 and UTF-16, the ANSI code page without one) and its words looked up. Nothing may read
// outside its buffers or crash, whatever the length or encoding.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ox3SpellBase.h"
#include "platform/ox3Text.h"

namespace {

std::filesystem::path ScratchFile() {
  static const std::filesystem::path path = [] {
    std::error_code ignored;
    auto folder = std::filesystem::temp_directory_path(ignored);
    return folder / ("lexoro-fuzz-wordlist-" + std::to_string(reinterpret_cast<std::uintptr_t>(&ignored) & 0xFFFFFF) + ".dic");
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = ScratchFile();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
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
