// lexoro custom list|add|exclude|autocorrect|remove, compile-custom, distance
#include <istream>
#include <ostream>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"
#include "tools/CustomDictionaryCompiler.h"

namespace lexoro::tools {

namespace {

constexpr TEntryKind kKinds[] = {TEntryKind::ekAdded, TEntryKind::ekExcluded, TEntryKind::ekAutoCorrect};

const char* KindName(TEntryKind kind) {
  switch (kind) {
    case TEntryKind::ekAdded: return "an added word";
    case TEntryKind::ekExcluded: return "an excluded word";
    case TEntryKind::ekAutoCorrect: return "an auto-correct pair";
    case TEntryKind::ekAny: break;
  }
  return "an entry";
}

// The kind of Word's entry, if it has one.
std::optional<TEntryKind> EntryKind(TCustomDictionary& dictionary, std::u16string_view word) {
  std::int32_t value, slot;
  for (TEntryKind kind : kKinds)
    if (dictionary.Find(kind, word, value, slot)) return kind;
  return std::nullopt;
}

// Opens a custom dictionary given by a UTF-8 path; a missing file is accepted when Create.
bool OpenCustom(TCustomDictionary& dictionary, const std::string& path, bool create, TToolStreams& io) {
  const std::u16string wide = text::Utf8ToUtf16(path);
  if (!create && !platform::FileExists(wide)) {
    ReportError(io, "custom", "no such file: " + path);
    return false;
  }
  dictionary.SetFileName(wide);
  if (dictionary.FileName() != wide) {
    ReportError(io, "custom", (platform::FileExists(wide) ? "not a custom dictionary: " : "cannot create ") + path);
    return false;
  }
  dictionary.SetLoaded(true);
  return true;
}

// Saves by unloading, then reads the file back: the dictionary itself does not report a
// failed write.
bool SaveAndVerify(TCustomDictionary& dictionary, const std::u16string& word, std::optional<TEntryKind> expected,
                   const std::string& path, TToolStreams& io) {
  const std::u16string wide = dictionary.FileName();
  const bool readOnly = platform::IsReadOnlyFile(wide);
  dictionary.SetLoaded(false);
  TCustomDictionary check;
  check.SetFileName(wide);
  if (!readOnly && platform::FileExists(wide) && check.FileName() == wide && EntryKind(check, word) == expected) return true;
  ReportError(io, "custom", "cannot write " + path + (readOnly ? " (read-only)" : ""));
  return false;
}

int RunCustomList(TCustomDictionary& dictionary, TToolStreams& io) {
  const std::int32_t added = dictionary.AddedCount();
  for (std::int32_t i = 0; i < added; ++i) io.Out << "I\t" << text::Utf16ToUtf8(dictionary.GetAddedWord(i)) << '\n';
  const std::int32_t excluded = dictionary.ExcludedCount();
  for (std::int32_t i = 0; i < excluded; ++i) io.Out << "E\t" << text::Utf16ToUtf8(dictionary.GetExcludedWord(i)) << '\n';
  const std::int32_t pairs = dictionary.AutoCorrectCount();
  for (std::int32_t i = 0; i < pairs; ++i) {
    const TAutoCorrectPair pair = dictionary.GetAutoCorrectPair(i);
    io.Out << "A\t" << text::Utf16ToUtf8(pair.Word) << '\t' << text::Utf16ToUtf8(pair.Replacement) << '\n';
  }
  io.Out.flush();
  return kExitOk;
}

int RunCustom(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kCustomCommand, io)) return *stop;
  const auto& p = a.Positional();
  if (p.size() < 2) return ReportError(io, "custom", "expected an action and FILE (see lexoro custom --help)");
  const std::string& action = p[0];
  const std::string& path = p[1];
  const std::size_t needed = action == "list" ? 2 : action == "autocorrect" ? 4 : 3;
  if (action != "list" && action != "add" && action != "exclude" && action != "autocorrect" && action != "remove")
    return ReportError(io, "custom", "unknown action " + action);
  if (p.size() != needed) return ReportError(io, "custom", "wrong number of arguments for " + action);

  TCustomDictionary dictionary;
  if (!OpenCustom(dictionary, path, action != "list" && action != "remove", io)) return kExitError;
  if (action == "list") return RunCustomList(dictionary, io);

  const std::u16string word = text::Utf8ToUtf16(p[2]);
  if (action == "remove") {
    const auto kind = EntryKind(dictionary, word);
    bool removed = false;
    if (kind == TEntryKind::ekAdded) removed = dictionary.RemoveWord(word);
    else if (kind == TEntryKind::ekExcluded) removed = dictionary.RemoveExcluded(word);
    else if (kind == TEntryKind::ekAutoCorrect) removed = dictionary.RemoveAutoCorrect(word);
    if (!removed) {
      io.Err << "lexoro custom: \"" << p[2] << "\" is not in " << path << '\n';
      return kExitNegative;
    }
    return SaveAndVerify(dictionary, word, std::nullopt, path, io) ? kExitOk : kExitError;
  }

  const std::u16string replacement = action == "autocorrect" ? text::Utf8ToUtf16(p[3]) : std::u16string();
  const TEntryKind kind = action == "add" ? TEntryKind::ekAdded
                          : action == "exclude" ? TEntryKind::ekExcluded
                                                : TEntryKind::ekAutoCorrect;
  bool added = false;
  if (kind == TEntryKind::ekAdded) added = dictionary.AddWord(word);
  else if (kind == TEntryKind::ekExcluded) added = dictionary.AddExcluded(word);
  else added = dictionary.AddAutoCorrect(word, replacement);
  if (!added) {
    std::string why;
    if (word.empty()) why = "the word is empty";
    else if (word.size() + replacement.size() > TCustomDictionary::kMaxEntryLength) why = "the entry is longer than 500 characters";
    else if (auto existing = EntryKind(dictionary, word)) why = "\"" + p[2] + "\" is already " + KindName(*existing);
    else why = "\"" + p[2] + "\" cannot be stored in this dictionary (longer than a record holds, or characters its code page lacks)";
    io.Err << "lexoro custom: refused: " << why << '\n';
    return kExitNegative;
  }
  return SaveAndVerify(dictionary, word, kind, path, io) ? kExitOk : kExitError;
}

int RunCompileCustom(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"-o", "--output", "--format"}, {});
  if (auto stop = CheckArguments(a, kCompileCustomCommand, io)) return *stop;
  const char* name = kCompileCustomCommand.Name;
  auto output = a.Value("-o");
  if (!output) output = a.Value("--output");
  if (!output) return ReportError(io, name, "missing -o OUT.oxu");
  if (a.Positional().size() != 1) return ReportError(io, name, "expected one PAIRS.tsv");
  const std::string format = a.Value("--format").value_or("4.1");
  int minor;
  if (format == "4.1") minor = 1;
  else if (format == "4.0") minor = 0;
  else return ReportError(io, name, "--format takes 4.1 or 4.0");
  const std::string& source = a.Positional()[0];
  auto bytes = source == "-" ? std::optional<std::string>(ReadAll(io.In)) : ReadFileUtf8Path(source);
  if (!bytes) return ReportError(io, name, "cannot read " + source);
  auto entries = ReadCustomEntries(*bytes);
  if (!entries.Ok) return ReportError(io, name, source + ": " + entries.Error);
  auto result = CompileCustomDictionary(entries.Entries, minor, text::Utf8ToUtf16(*output));
  if (!result.Ok) return ReportError(io, name, (result.Error.starts_with("line ") ? source + ": " : "") + result.Error);
  return kExitOk;
}

int RunDistance(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {}, {});
  if (auto stop = CheckArguments(a, kDistanceCommand, io)) return *stop;
  if (a.Positional().size() != 2) return ReportError(io, kDistanceCommand.Name, "expected two words");
  io.Out << WordDistance(text::Utf8ToUtf16(a.Positional()[0]), text::Utf8ToUtf16(a.Positional()[1])) << '\n';
  io.Out.flush();
  return kExitOk;
}

}  // namespace

const TCommand kCustomCommand{
    "custom", "list or edit a custom dictionary (.oxu, .oxl)",
    "usage: lexoro custom list FILE\n"
    "       lexoro custom add FILE WORD\n"
    "       lexoro custom exclude FILE WORD\n"
    "       lexoro custom autocorrect FILE WORD REPLACEMENT\n"
    "       lexoro custom remove FILE WORD\n"
    "list prints every entry as KIND<TAB>WORD (and <TAB>REPLACEMENT for auto-correct pairs),\n"
    "kinds I (added), E (excluded) and A (auto-correct), each kind in the dictionary's index\n"
    "order. add, exclude and autocorrect create FILE when it does not exist; remove deletes the\n"
    "word's entry of whatever kind. A refused change prints why and exits with 1.\n",
    RunCustom};

const TCommand kCompileCustomCommand{
    "compile-custom", "build a custom dictionary (.oxu) from a list of entries",
    "usage: lexoro compile-custom -o OUT.oxu [--format 4.1|4.0] PAIRS.tsv\n"
    "PAIRS.tsv is UTF-8 text ('-' reads standard input), one entry a line: WORD for an added\n"
    "word, WORD<TAB>REPLACEMENT for an auto-correct pair, !WORD for an excluded word. Blank\n"
    "lines and lines starting with # are skipped. A word listed twice is an error. --format\n"
    "4.1 (the default) stores UTF-8, 4.0 the ANSI code page.\n",
    RunCompileCustom};

const TCommand kDistanceCommand{
    "distance", "print the edit distance that scores suggestions",
    "usage: lexoro distance A B\n"
    "Prints the word distance of A and B as a bare number.\n",
    RunDistance};

}  // namespace lexoro::tools
