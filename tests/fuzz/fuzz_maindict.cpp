// Fuzz target: the main dictionary reader on arbitrary bytes — Open, activation, lookups and
// prefix enumerations of words taken from the input itself.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/fuzz/FuzzSupport.h"
#include "lexoro/dictionaries/ox3MainDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = lexoro::fuzz::WriteScratchInput("maindict", ".oxm", data, size);
  lexoro::TMainDictionary dictionary;
  dictionary.Open(path.u16string());
  dictionary.SetActive(true);

  // Words to try: runs of letters in the input's last 256 bytes, plus a few fixed ones.
  std::string tail(reinterpret_cast<const char*>(data) + (size > 256 ? size - 256 : 0), size > 256 ? 256 : size);
  std::u16string word;
  int tried = 0;
  auto tryWord = [&](const std::u16string& w) {
    (void)dictionary.Lookup(w);
    std::size_t reported = 0;
    dictionary.EnumeratePrefix(lexoro::EncodeWord(dictionary.CodePage(), w), [&](std::string_view bytes) {
      (void)lexoro::DecodeWord(dictionary.CodePage(), bytes);
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
  dictionary.SetActive(false);
  return 0;
}
