// lexoro candidates: the edit and phonetic candidates the suggestion list is built from.
#include <ostream>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/suggestions/ox3Suggestions.h"
#include "tools/Commands.h"

namespace lexoro::tools {

namespace {

int RunCandidates(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"--max", "--depth", "--language"}, {});
  if (auto stop = CheckArguments(a, kCandidatesCommand, io)) return *stop;
  const char* name = kCandidatesCommand.Name;
  if (a.Positional().size() < 2) return ReportError(io, name, "expected DICT.oxm WORD...");

  int maxCount = -1;
  if (auto value = a.Value("--max")) {
    auto n = ParseInteger(*value);
    if (!n || *n < -1 || *n > 65535) return ReportError(io, name, "--max takes -1 (no limit) or a count up to 65535");
    maxCount = static_cast<int>(*n);
  }
  int depth = 1;
  if (auto value = a.Value("--depth")) {
    auto n = ParseInteger(*value);
    if (!n || *n < 1 || *n > 1000) return ReportError(io, name, "--depth takes a number from 1 to 1000");
    depth = static_cast<int>(*n);
  }

  const std::string& path = a.Positional()[0];
  const std::u16string widePath = text::Utf8ToUtf16(path);
  if (!platform::FileExists(widePath)) return ReportError(io, name, "no such file: " + path);
  TMainDictionary dictionary;
  dictionary.Open(widePath);
  if (dictionary.FileName() != widePath) return ReportError(io, name, "not a main dictionary: " + path);
  dictionary.SetActive(true);
  if (!dictionary.Active())
    return ReportError(io, name, "damaged main dictionary (its tables do not fit in the file): " + path);

  std::int32_t language = dictionary.Language();
  if (auto value = a.Value("--language")) {
    auto id = ParseInteger(*value);
    if (!id || *id < 0 || *id > 0x7FFFFFFF) return ReportError(io, name, "--language takes a language identifier, such as 1033");
    language = static_cast<std::int32_t>(*id);
  }

  TSuggestionsGenerator generator;
  generator.SetLanguage(language);
  TPhoneticsMap map;
  map.SetLanguage(language);
  map.SetStartDepth(depth);
  const TCandidateValidator found = [&](const std::u16string& word, bool& valid) { valid = dictionary.Lookup(word); };

  for (std::size_t i = 1; i < a.Positional().size(); ++i) {
    const std::u16string word = text::Utf8ToUtf16(a.Positional()[i]);
    std::vector<std::u16string> list;
    generator.Suggest(word, maxCount, found, list);
    const std::size_t edits = list.size();
    dictionary.FindPhoneticCandidates(word, &map, list);
    io.Out << a.Positional()[i] << ":\n";
    for (std::size_t k = 0; k < list.size(); ++k)
      io.Out << (k < edits ? 'e' : 'p') << '\t' << text::Utf16ToUtf8(list[k]) << '\n';
  }
  io.Out.flush();
  return kExitOk;
}

}  // namespace

const TCommand kCandidatesCommand{
    "candidates", "list the edit and phonetic candidates for misspelled words",
    "usage: lexoro candidates [--max N] [--depth N] [--language ID] DICT.oxm WORD...\n"
    "For each WORD prints a line \"WORD:\" and then its candidates, one per line as MARK<TAB>WORD,\n"
    "in the order they were generated: first the edit candidates (mark e: letters inserted,\n"
    "deleted, replaced or swapped, and split words; a variant counts when DICT holds it\n"
    "exactly), then the phonetic candidates of DICT (mark p) that are not already listed in\n"
    "any case. Candidates are not scored or sorted. --max limits the edit candidates (the run\n"
    "stops once the list is over N; -1, the default, means no limit); --depth is the number of\n"
    "leading letters phonetic candidates share with WORD (default 1); --language overrides\n"
    "the dictionary's language for the letters tried and the phonetic rules.\n",
    RunCandidates};

}  // namespace lexoro::tools
