// lexoro compile-thesaurus | thesaurus
#include <istream>
#include <ostream>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"
#include "tools/Commands.h"
#include "tools/DictionaryCompiler.h"
#include "tools/ThesaurusCompiler.h"

namespace lexoro::tools {

namespace {

int RunCompileThesaurus(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"-o", "--output", "--name", "--rank", "--kinds"}, {"--stats", "--rank-by-use", "--single-words"});
  if (auto stop = CheckArguments(a, kCompileThesaurusCommand, io)) return *stop;
  const char* name = kCompileThesaurusCommand.Name;
  auto output = a.Value("-o");
  if (!output) output = a.Value("--output");
  if (!output) return ReportError(io, name, "missing -o OUT.oxt");
  if (a.Positional().empty()) return ReportError(io, name, "missing thesaurus source");

  TThesaurusCompileOptions options;
  options.Name = text::Utf8ToUtf16(a.Value("--name").value_or(""));
  for (const auto& path : a.Values("--rank")) {
    auto bytes = ReadFileUtf8Path(path);
    if (!bytes) return ReportError(io, name, "cannot read " + path);
    options.RankLists.push_back(ReadWordListUtf8(*bytes));
  }
  if (auto kinds = a.Value("--kinds")) {
    std::size_t k = 0;
    for (std::size_t start = 0;; ++k) {
      const auto comma = kinds->find(',', start);
      if (k < options.KindNames.size())
        options.KindNames[k] = text::Utf8ToUtf16(kinds->substr(start, comma == std::string::npos ? comma : comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    if (k + 1 != options.KindNames.size()) return ReportError(io, name, "--kinds takes five names separated by commas");
  }
  if (a.Flag("--rank-by-use") && !options.RankLists.empty())
    return ReportError(io, name, "--rank-by-use and --rank do not go together");
  std::vector<TThesaurusSourceEntry> entries;
  for (const auto& path : a.Positional()) {
    auto bytes = path == "-" ? std::optional<std::string>(ReadAll(io.In)) : ReadFileUtf8Path(path);
    if (!bytes) return ReportError(io, name, "cannot read " + path);
    std::string error;
    if (!ParseMyThes(*bytes, entries, error)) return ReportError(io, name, path + ": " + error);
  }
  if (a.Flag("--rank-by-use")) options.RankLists = RankListsByUse(entries);
  options.SingleWords = a.Flag("--single-words");
  const auto result = CompileThesaurus(entries, options);
  if (!result.Ok) return ReportError(io, name, result.Error);
  if (!platform::WriteFileReplacing(text::Utf8ToUtf16(*output), result.Bytes))
    return ReportError(io, name, "cannot write " + *output);
  if (a.Flag("--stats")) {
    io.Out << "nodes\t" << result.Nodes << '\n'
           << "contexts\t" << result.Contexts << '\n'
           << "words\t" << result.Words << '\n'
           << "headwords\t" << result.Headwords << '\n'
           << "senses skipped\t" << result.SensesSkipped << '\n'
           << "terms unstorable\t" << result.TermsUnstorable << '\n'
           << "references dropped\t" << result.ReferencesDropped << '\n'
           << "bytes\t" << result.Bytes.size() << '\n';
  }
  return kExitOk;
}

int RunThesaurus(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kThesaurusCommand, io)) return *stop;
  const char* name = kThesaurusCommand.Name;
  if (a.Positional().size() < 2) return ReportError(io, name, "expected FILE.oxt WORD...");
  const std::string& path = a.Positional()[0];
  const std::u16string wide = text::Utf8ToUtf16(path);
  if (!platform::FileExists(wide)) return ReportError(io, name, "no such file: " + path);
  TThesaurusFile thesaurus;
  thesaurus.SetFileName(wide);
  thesaurus.SetLoaded(true);
  if (!thesaurus.Loaded()) return ReportError(io, name, "not a thesaurus file, or a damaged one: " + path);

  int exitCode = kExitOk;
  for (std::size_t i = 1; i < a.Positional().size(); ++i) {
    const std::string& word = a.Positional()[i];
    io.Out << '[' << word << "]\n";
    if (!thesaurus.Lookup(text::Utf8ToUtf16(word))) {
      io.Out << "not found\n";
      exitCode = kExitNegative;
      continue;
    }
    for (const auto& context : thesaurus.Contexts()) {
      io.Out << text::Utf16ToUtf8(context.Headword) << '\t' << text::Utf16ToUtf8(context.KindName) << '\n';
      for (const auto& list : context.Lists) {
        for (std::size_t w = 0; w < list.size(); ++w) io.Out << (w ? "\t" : "") << text::Utf16ToUtf8(list[w]);
        io.Out << '\n';
      }
    }
  }
  io.Out.flush();
  return exitCode;
}

}  // namespace

const TCommand kCompileThesaurusCommand{
    "compile-thesaurus", "compile thesaurus sources (MyThes text) into a thesaurus file (.oxt)",
    "usage: lexoro compile-thesaurus -o OUT.oxt [--name TEXT] [--kinds K0,K1,K2,K3,K4]\n"
    "                                [--rank WORDLIST]... [--rank-by-use] [--single-words]\n"
    "                                [--stats] SOURCE...\n"
    "Sources are MyThes data files (first line the encoding, then WORD|COUNT and COUNT lines\n"
    "(part of speech)|term|term...; '-' reads standard input). --name is shown in the dialog's\n"
    "caption (ISO 8859-1 characters). Without --rank every entry must fit in the format's\n"
    "65,536 nodes and 13,107 meanings, or nothing is written. Each --rank names a UTF-8 word\n"
    "list, commonest first; then only the entries whose word is listed are taken, the main\n"
    "meanings of the commonest words first, as many as fit. --rank-by-use ranks the words\n"
    "by the number of meanings the sources give them instead, for sources without word lists.\n"
    "--single-words leaves out terms of more than one word, so that more words fit.\n"
    "--kinds names the kinds of meaning shown in the dialog: without a part of speech, noun,\n"
    "verb, adjective, adverb (default: headword,noun,verb,adjective,adverb). --stats prints\n"
    "what was kept.\n"
    "The output file is written whole or not at all.\n",
    RunCompileThesaurus};

const TCommand kThesaurusCommand{
    "thesaurus", "look words up in a thesaurus file",
    "usage: lexoro thesaurus FILE.oxt WORD...\n"
    "For each WORD prints a line [WORD], then for each meaning it stands in a line\n"
    "HEADWORD<TAB>KIND NAME followed by the meaning's four lists (noun, verb, adjective,\n"
    "adverb for the English thesaurus), one line each with the words separated by tabs; or\n"
    "the line 'not found'. A word missing as given is looked up in lower case and the answer\n"
    "takes the case of the query. Exit status 1 when a word is not found, 2 on error.\n",
    RunThesaurus};

}  // namespace lexoro::tools
