// lexoro words: the words the parsing engine reads from a text.
#include <ostream>

#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"

namespace lexoro::tools {

namespace {

int RunWords(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kWordsCommand, io)) return *stop;
  if (a.Positional().size() > 1) return ReportError(io, kWordsCommand.Name, "expected at most one FILE");
  std::optional<std::string> bytes =
      a.Positional().empty() ? std::optional<std::string>(ReadAll(io.In)) : ReadFileUtf8Path(a.Positional()[0]);
  if (!bytes) return ReportError(io, kWordsCommand.Name, "cannot read " + a.Positional()[0]);
  std::string_view all(*bytes);
  text::SkipUtf8ByteOrderMark(all);
  std::u16string textToParse = text::Utf8ToUtf16(all);
  TStringParser parser;
  parser.Initialize(textToParse);
  TMainParsingEngine engine;
  engine.PositionParser(&parser, ckEntireText);
  std::u16string word;
  for (;;) {
    engine.GetNextWord(&parser, word);
    if (word.empty()) break;
    io.Out << text::Utf16ToUtf8(word) << '\n';
  }
  io.Out.flush();
  return kExitOk;
}

}  // namespace

const TCommand kWordsCommand{
    "words", "list the words the checker reads from a text",
    "usage: lexoro words [FILE]\n"
    "Reads UTF-8 text from FILE (standard input without it) and prints the words the parsing\n"
    "engine finds in it with its default settings, one per line.\n",
    RunWords};

}  // namespace lexoro::tools
