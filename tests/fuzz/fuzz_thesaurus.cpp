// Fuzz target: the thesaurus reader on arbitrary bytes — loaded as Load loads a file, then
// lookups of words taken from the input itself (as given and in other cases) and the words of
// a spread of nodes.
#include <cstdint>
#include <span>
#include <string>

#include "lexoro/thesaurus/ox3ThesaurusFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lexoro::TThesaurusFile thesaurus;
  thesaurus.LoadFromBytes(std::span<const std::uint8_t>(data, size));
  if (!thesaurus.Loaded()) return 0;

  // Words to try: runs of printable bytes (ISO 8859-1) in the input's last 512 bytes.
  const std::size_t from = size > 512 ? size - 512 : 0;
  std::u16string word;
  int tried = 0;
  auto tryWord = [&](const std::u16string& w) {
    (void)thesaurus.Lookup(w);
    (void)thesaurus.Lookup(w + u"\u0100");
  };
  for (std::size_t i = from; i <= size && tried < 32; ++i) {
    const unsigned c = i < size ? data[i] : 0;
    if (c > ' ' && c != '|') {
      word += static_cast<char16_t>(c);
    } else if (!word.empty()) {
      ++tried;
      tryWord(word);
      word[0] = static_cast<char16_t>(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 32 : word[0]);
      tryWord(word);
      word.clear();
    }
  }
  for (const char16_t* w : {u"a", u"happy", u"HAPPY", u"Run", u"caf\u00e9", u"\u0141"}) tryWord(w);
  const std::uint32_t nodes = thesaurus.NodeCount();
  const std::uint32_t step = nodes / 64 + 1;
  for (std::uint32_t n = 0; n < nodes; n += step) (void)thesaurus.GetWord(n);
  for (std::uint32_t r = 0; r < 20; ++r) {
    lexoro::TThesaurusEntry entry;
    (void)thesaurus.FillContext(static_cast<std::uint16_t>(r), entry);
  }
  thesaurus.SetLoaded(false);
  return 0;
}
