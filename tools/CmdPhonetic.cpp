// lexoro phonetic: the phonetic codes the suggestion search compares.
#include <istream>
#include <ostream>

#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"

namespace lexoro::tools {

namespace {

int RunPhonetic(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"--language", "--depth"}, {});
  if (auto stop = CheckArguments(a, kPhoneticCommand, io)) return *stop;
  const char* name = kPhoneticCommand.Name;
  TPhoneticsMap map;
  long long language = 1033;
  if (auto value = a.Value("--language")) {
    auto id = ParseInteger(*value);
    if (!id || *id < 0 || *id > 0x7FFFFFFF) return ReportError(io, name, "--language takes a language identifier, such as 1033");
    language = *id;
  }
  map.SetLanguage(static_cast<std::int32_t>(language));
  if (auto value = a.Value("--depth")) {
    auto depth = ParseInteger(*value);
    if (!depth || *depth < 1 || *depth > 1000) return ReportError(io, name, "--depth takes a number from 1 to 1000");
    map.SetStartDepth(static_cast<int>(*depth));
  }
  auto answer = [&](const std::string& word) {
    io.Out << word << '\t' << text::Utf16ToUtf8(map.Encode(text::Utf8ToUtf16(word))) << '\n';
  };
  if (!a.Positional().empty()) {
    for (const auto& word : a.Positional()) answer(word);
  } else {
    std::string line;
    while (std::getline(io.In, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      answer(line);
    }
  }
  io.Out.flush();
  return kExitOk;
}

}  // namespace

const TCommand kPhoneticCommand{
    "phonetic", "show the phonetic codes of words",
    "usage: lexoro phonetic [--language ID] [--depth N] [WORD...]\n"
    "Prints WORD<TAB>CODE for each WORD (each line of standard input when no WORD is given):\n"
    "the code the suggestion search compares. --language picks the replace rules by the\n"
    "language identifier's low byte (9 English, the default 1033; 12 French; 25 Russian;\n"
    "anything else the generic rules); --depth is how many leading letters are copied\n"
    "unchanged (default 1).\n",
    RunPhonetic};

}  // namespace lexoro::tools
