// The host on Linux: the text is checked with one call to CheckString.
#include <cstdio>
#include <string>

#include "HostSpell.h"

int main(int argc, char** argv) {
  const std::string dictionary = host::DictionaryArgument(argc, argv);
  if (dictionary.empty()) return 2;
  int misspelled = 0;
  auto spell = host::CountingSpell(dictionary, misspelled);
  if (!spell) return 2;
  std::u16string text = host::kText;
  spell->CheckString(text);
  std::printf("%d misspelled words\n", misspelled);
  return 0;
}
