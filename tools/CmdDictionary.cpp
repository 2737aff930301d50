// lexoro compile-dict | lookup | enumerate | info
#include <istream>
#include <ostream>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro::tools {

namespace {

// Opens a main dictionary given by a UTF-8 path, or explains why not.
bool OpenDictionary(TMainDictionary& dictionary, const std::string& path, TToolStreams& io, const char* command) {
  const std::u16string wide = text::Utf8ToUtf16(path);
  if (!platform::FileExists(wide)) {
    ReportError(io, command, "no such file: " + path);
    return false;
  }
  dictionary.Open(wide);
  if (dictionary.FileName() != wide) {
    ReportError(io, command, "not a main dictionary: " + path);
    return false;
  }
  dictionary.SetActive(true);
  if (!dictionary.Active()) {
    ReportError(io, command, "damaged main dictionary (its tables do not fit in the file): " + path);
    return false;
  }
  return true;
}

// A word ending in 's (or the typographic apostrophe's) after at least one letter.
bool IsPossessive(const std::string& word) {
  for (const std::string_view suffix : {std::string_view("'s"), std::string_view("\u2019s")})
    if (word.size() > suffix.size() && word.ends_with(suffix)) return true;
  return false;
}

int RunCompileDict(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"-o", "--output", "--title", "--language", "--format", "--encoding"},
                     {"--no-possessives", "--fit"});
  if (auto stop = CheckArguments(a, kCompileDictCommand, io)) return *stop;
  const char* name = kCompileDictCommand.Name;
  auto output = a.Value("-o");
  if (!output) output = a.Value("--output");
  if (!output) return ReportError(io, name, "missing -o OUT.oxm");
  if (a.Positional().empty()) return ReportError(io, name, "missing word list");

  TDictionaryCompileOptions options;
  options.Title = text::Utf8ToUtf16(a.Value("--title").value_or(""));
  if (auto language = a.Value("--language")) {
    auto id = ParseInteger(*language);
    if (!id || *id < 0 || *id > 0x7FFFFFFF) return ReportError(io, name, "--language takes a language identifier, such as 1033");
    options.Language = static_cast<std::int32_t>(*id);
  }
  const std::string format = a.Value("--format").value_or("4.1");
  if (format == "4.1") options.MinorVersion = 1;
  else if (format == "4.0") options.MinorVersion = 0;
  else return ReportError(io, name, "--format takes 4.1 or 4.0");
  options.FitToFormat = a.Flag("--fit");
  const std::string encoding = a.Value("--encoding").value_or("UTF-8");
  if (!TextToUtf8("", encoding)) return ReportError(io, name, "--encoding takes UTF-8 or ISO-8859-1");

  std::vector<std::string> words;
  for (const auto& path : a.Positional()) {
    auto bytes = path == "-" ? std::optional<std::string>(ReadAll(io.In)) : ReadFileUtf8Path(path);
    if (!bytes) return ReportError(io, name, "cannot read " + path);
    bytes = TextToUtf8(std::move(*bytes), encoding);
    for (auto& w : ReadWordLines(*bytes)) {
      // English possessives are accepted by the engine itself.
      if (a.Flag("--no-possessives") && IsPossessive(w)) continue;
      words.push_back(std::move(w));
    }
  }
  auto result = CompileMainDictionaryUtf8(std::move(words), options);
  if (!result.Ok) {
    if (!options.FitToFormat && result.Error.find("too large") != std::string::npos)
      result.Error += " (--fit keeps the shortest words that fit)";
    return ReportError(io, name, result.Error);
  }
  if (!platform::WriteFileReplacing(text::Utf8ToUtf16(*output), result.Bytes))
    return ReportError(io, name, "cannot write " + *output);
  if (result.KeptLength > 0) {
    io.Out << "kept " << result.WordCount << " of " << result.SourceWords << " words, those of up to "
           << result.KeptLength << " characters: the whole list does not fit in a dictionary file\n";
    io.Out.flush();
  }
  return kExitOk;
}

int RunLookup(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kLookupCommand, io)) return *stop;
  if (a.Positional().empty()) return ReportError(io, kLookupCommand.Name, "missing DICT.oxm");
  TMainDictionary dictionary;
  if (!OpenDictionary(dictionary, a.Positional()[0], io, kLookupCommand.Name)) return kExitError;
  auto answer = [&](const std::string& word) {
    io.Out << word << '\t' << (dictionary.Lookup(text::Utf8ToUtf16(word)) ? '1' : '0') << '\n';
  };
  if (a.Positional().size() > 1) {
    for (std::size_t i = 1; i < a.Positional().size(); ++i) answer(a.Positional()[i]);
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

int RunEnumerate(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kEnumerateCommand, io)) return *stop;
  if (a.Positional().size() != 2) return ReportError(io, kEnumerateCommand.Name, "expected DICT.oxm PREFIX");
  TMainDictionary dictionary;
  if (!OpenDictionary(dictionary, a.Positional()[0], io, kEnumerateCommand.Name)) return kExitError;
  const std::string prefix = EncodeWord(dictionary.CodePage(), text::Utf8ToUtf16(a.Positional()[1]));
  dictionary.EnumeratePrefix(prefix, [&](std::string_view bytes) {
    io.Out << text::Utf16ToUtf8(DecodeWord(dictionary.CodePage(), bytes)) << '\n';
    return TVisitAction::vaContinue;
  });
  io.Out.flush();
  return kExitOk;
}

int RunInfo(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kInfoCommand, io)) return *stop;
  if (a.Positional().size() != 1) return ReportError(io, kInfoCommand.Name, "expected DICT.oxm");
  TMainDictionary dictionary;
  if (!OpenDictionary(dictionary, a.Positional()[0], io, kInfoCommand.Name)) return kExitError;
  io.Out << "version\t4." << dictionary.MinorVersion() << '\n'
         << "title\t" << text::Utf16ToUtf8(dictionary.Title()) << '\n'
         << "language\t" << dictionary.Language() << '\n'
         << "words\t" << dictionary.WordCount() << '\n'
         << "nodes\t" << dictionary.NodeCount() << '\n';
  return kExitOk;
}

}  // namespace

const TCommand kCompileDictCommand{
    "compile-dict", "compile a word list into a main dictionary (.oxm)",
    "usage: lexoro compile-dict -o OUT.oxm [--title TEXT] [--language ID] [--format 4.1|4.0]\n"
    "                           [--encoding UTF-8|ISO-8859-1] [--no-possessives] [--fit]\n"
    "                           WORDLIST...\n"
    "Word lists are text in the --encoding given (UTF-8 by default), one word per line ('-'\n"
    "reads standard input); blank lines are ignored and duplicates merged. --format 4.1 (the\n"
    "default) stores UTF-8, 4.0 the ANSI code page. --no-possessives leaves out words ending in\n"
    "'s. A list larger than a dictionary file can hold is refused; with --fit the words of up\n"
    "to K characters are kept instead, for the largest K that fits, and a line says so. The\n"
    "output file is written whole or not at all.\n",
    RunCompileDict};

const TCommand kLookupCommand{
    "lookup", "look words up in a main dictionary",
    "usage: lexoro lookup DICT.oxm [WORD...]\n"
    "Looks up each WORD, or each line of standard input when no WORD is given, and prints\n"
    "WORD<TAB>1 when it is in the dictionary, WORD<TAB>0 when not.\n",
    RunLookup};

const TCommand kEnumerateCommand{
    "enumerate", "list the words of a main dictionary that start with a prefix",
    "usage: lexoro enumerate DICT.oxm PREFIX\n"
    "Prints every word that starts with PREFIX, one per line, in the dictionary's order. A\n"
    "prefix that ends inside a compressed path is shortened to the path's start.\n",
    RunEnumerate};

const TCommand kInfoCommand{
    "info", "show the header of a main dictionary",
    "usage: lexoro info DICT.oxm\n"
    "Prints the banner version, title, language, word count and node count.\n",
    RunInfo};

}  // namespace lexoro::tools
