// Fuzz target: the main dictionary reader on arbitrary bytes — the header and the tree taken
// out of them as Open and activation do, then lookups and prefix enumerations of words taken
// from the input itself.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "lexoro/dictionaries/ox3MainDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const auto header = lexoro::ParseMainDictionaryHeader(file.first(std::min(size, lexoro::kMainHeaderReadSize)));
  if (!header) return 0;
  const auto tree = lexoro::ParseMainDictionaryTree(*header, file);
  if (!tree) return 0;
  const unsigned codePage = header->CodePage;

  // Words to try: runs of letters in the input's last 256 bytes, plus a few fixed ones.
  std::string tail(reinterpret_cast<const char*>(data) + (size > 256 ? size - 256 : 0), size > 256 ? 256 : size);
  std::u16string word;
  int tried = 0;
  auto tryWord = [&](const std::u16string& w) {
    const std::string bytes = lexoro::EncodeWord(codePage, w);
    (void)tree->Lookup(bytes);
    std::size_t reported = 0;
    tree->EnumeratePrefix(bytes, [&](std::string_view found) {
      (void)lexoro::DecodeWord(codePage, found);
      return ++reported > 5000 ? lexoro::TVisitAction::vaPrune : lexoro::TVisitAction::vaContinue;
    });
  };
  for (char c : tail) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') {
      word += static_cast<char16_t>(u);
    } else if (!word.empty()) {
      if (++tried > 16) break;
      tryWord(word);
      word.clear();
    }
  }
  for (const char16_t* w : {u"a", u"an", u"and", u"ant", u"the", u"caf\u00e9", u"x"}) tryWord(w);
  return 0;
}
