// lexoro check: lists the words of a text the spell component does not accept, with their
// suggestions.
#include <ostream>

#include "engine/ox3Configuration.h"
#include "platform/ox3Text.h"
#include "tools/Commands.h"
#include "tools/SpellSession.h"

namespace lexoro::tools {

namespace {

// Reports the misspelled words of one text; returns how many there were.
std::size_t CheckOne(TLexoroSpellBase& spell, const std::string& bytes, const std::string& label, TToolStreams& io) {
  std::string_view all(bytes);
  if (all.starts_with("\xEF\xBB\xBF")) all.remove_prefix(3);
  const std::u16string text = text::Utf8ToUtf16(all);

  // Starts of the lines (LF, CR LF or a lone CR ends a line).
  std::vector<std::size_t> lineStarts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    if (text[i] == u'\r' || text[i] == u'\n') lineStarts.push_back(i + 1);
  }

  std::size_t misspelled = 0;
  std::size_t line = 0;
  for (const auto& word : CheckText(spell, text)) {
    if (!word.Misspelled) continue;
    ++misspelled;
    while (line + 1 < lineStarts.size() && lineStarts[line + 1] <= word.Start) ++line;
    const std::size_t column = CharacterCount(text, word.Start) - CharacterCount(text, lineStarts[line]) + 1;
    TStringList suggestions;
    spell.GetSuggestions(word.Word, suggestions);
    if (!label.empty()) io.Out << label << ':';
    io.Out << (line + 1) << ':' << column << ": " << text::Utf16ToUtf8(word.Word) << ':';
    for (int i = 0; i < suggestions.Count(); ++i)
      io.Out << (i == 0 ? " " : ", ") << text::Utf16ToUtf8(suggestions[i]);
    io.Out << '\n';
  }
  return misspelled;
}

int RunCheck(const std::vector<std::string>& args, TToolStreams& io) {
  auto valueOptions = SpellSessionValueOptions();
  valueOptions.push_back("--max");
  const TArguments a(args, valueOptions, {});
  if (auto stop = CheckArguments(a, kCheckCommand, io)) return *stop;
  const char* name = kCheckCommand.Name;

  auto session = CreateSpellSession(a);
  if (!session.Spell) return ReportError(io, name, session.Error);
  TLexoroSpellBase& spell = *session.Spell;
  if (auto max = a.Value("--max")) {
    auto value = ParseInteger(*max);
    if (!value || *value < -1 || *value > 100000) return ReportError(io, name, "--max takes a number from -1 up");
    spell.SetMaxSuggestions(static_cast<int>(*value));
  }
  spell.Config().EnsureLoaded();
  if (spell.MainDictionaries().empty())
    return ReportError(io, name, "no main dictionary could be opened (see --dict-dir and --main)");

  std::size_t misspelled = 0;
  if (a.Positional().empty()) {
    misspelled += CheckOne(spell, ReadAll(io.In), "", io);
  } else {
    // Several files: every line names its file.
    const bool label = a.Positional().size() > 1;
    for (const auto& path : a.Positional()) {
      auto bytes = path == "-" ? std::optional<std::string>(ReadAll(io.In)) : ReadFileUtf8Path(path);
      if (!bytes) return ReportError(io, name, "cannot read " + path);
      misspelled += CheckOne(spell, *bytes, label ? path : std::string(), io);
    }
  }
  io.Out.flush();
  return misspelled == 0 ? kExitOk : kExitNegative;
}

const std::string kCheckUsage = std::string(
             "usage: lexoro check [options] [FILE...]\n"
             "Reads UTF-8 text from each FILE (standard input without one) and lists every word the\n"
             "spell checker does not accept as LINE:COLUMN: WORD: SUGGESTION, SUGGESTION, ...\n"
             "(lines and columns count from 1, columns in characters; with several files each line\n"
             "starts with FILE:). Exit status: 0 no misspelled word, 1 some, 2 error.\n"
             "options:\n"
             "  --max N             at most N suggestions per word (default: all)\n") +
                                  kSpellSessionUsage;

}  // namespace

const TCommand kCheckCommand{"check", "list the misspelled words of a text with suggestions", kCheckUsage.c_str(), RunCheck};

}  // namespace lexoro::tools
