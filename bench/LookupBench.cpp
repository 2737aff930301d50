// Lookups per second of a main dictionary over a word list (one word per line, UTF-8).
//   lookup_bench DICT.oxm WORDLIST [ROUNDS]
// Prints the words per second of the best round and how many words were found.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/DictionaryCompiler.h"

int main(int argc, char** argv) {
  using namespace lexoro;
  auto args = platform::CommandLineUtf8(argc, argv);
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: lookup_bench DICT.oxm WORDLIST [ROUNDS]\n");
    return 2;
  }
  const int rounds = args.size() > 3 ? std::max(1, std::stoi(args[3])) : 5;
  auto bytes = platform::ReadWholeFile(text::Utf8ToUtf16(args[2]));
  if (!bytes) {
    std::fprintf(stderr, "cannot read %s\n", args[2].c_str());
    return 2;
  }
  const auto words = tools::ReadWordListUtf8(std::string(bytes->begin(), bytes->end()));
  TMainDictionary dictionary;
  dictionary.Open(text::Utf8ToUtf16(args[1]));
  if (dictionary.FileName().empty()) {
    std::fprintf(stderr, "not a main dictionary: %s\n", args[1].c_str());
    return 2;
  }
  double best = 0;
  std::size_t found = 0;
  for (int r = 0; r < rounds; ++r) {
    found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const auto& w : words) found += dictionary.Lookup(w) ? 1 : 0;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = std::max(best, static_cast<double>(words.size()) / seconds);
  }
  std::printf("%.0f words/s, %zu of %zu found\n", best, found, words.size());
  return 0;
}
