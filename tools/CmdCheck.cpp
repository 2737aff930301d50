// lexoro check: lists the words of a text at which the spell component's check stops, with
// their suggestions; with --fix, writes the text with its automatic corrections applied.
#include <ostream>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"
#include "tools/SpellSession.h"

namespace lexoro::tools {

namespace {

// One word the check stopped at: where it starts (0-based UTF-16 index) and why.
struct TReportedWord {
  std::u16string Word;
  std::size_t Start = 0;
  bool Repeated = false;
};

// Checks Text with the spell component's check driver in silent mode, answering every
// prompt with Ignore. With Fix, automatic corrections are applied to Text; without it Text is
// left as it is and a word with an automatic correction is reported when it is not acceptable.
std::vector<TReportedWord> DriveCheck(TLexoroSpellBase& spell, std::u16string& Text, bool Fix) {
  std::vector<TReportedWord> reported;
  spell.SetUIType(suiSilent);
  spell.SetSynchronousCheck(true);
  spell.OnPromptWord = [&](TObject*, const std::u16string& Word, bool Repeated) {
    std::int32_t x = 0, y = 0;
    if (auto* parser = spell.Parser()) parser->GetPosition(x, y);  // the prompted word is selected
    TReportedWord found;
    found.Word = Repeated ? Word.substr(0, Word.size() / 2) : Word;
    found.Start = x > 0 ? static_cast<std::size_t>(x - 1) : 0;
    if (Repeated) found.Start += found.Word.size() + 1;  // the second occurrence
    found.Repeated = Repeated;
    reported.push_back(std::move(found));
    spell.DialogIgnore();
  };
  spell.SetOnWordCheck([&](TObject*, const std::u16string& Word, TWordCheckType& Type, std::u16string&) {
    if (Fix || Type != wcCorrected) return;
    Type = spell.WordAcceptable(Word) ? wcAccepted : wcDenied;
  });
  spell.CheckString(Text);
  spell.OnPromptWord = nullptr;
  spell.SetOnWordCheck(nullptr);
  return reported;
}

// Reports the misspelled words of one text; returns how many there were.
std::size_t CheckOne(TLexoroSpellBase& spell, const std::string& bytes, const std::string& label, TToolStreams& io) {
  std::string_view all(bytes);
  text::SkipUtf8ByteOrderMark(all);
  std::u16string text = text::Utf8ToUtf16(all);

  // Starts of the lines (LF, CR LF or a lone CR ends a line).
  std::vector<std::size_t> lineStarts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    if (text[i] == u'\r' || text[i] == u'\n') lineStarts.push_back(i + 1);
  }

  std::u16string checked = text;
  const auto words = DriveCheck(spell, checked, false);
  std::size_t line = 0;
  for (const auto& word : words) {
    while (line + 1 < lineStarts.size() && lineStarts[line + 1] <= word.Start) ++line;
    const std::size_t column = CharacterCount(text, word.Start) - CharacterCount(text, lineStarts[line]) + 1;
    if (!label.empty()) io.Out << label << ':';
    io.Out << (line + 1) << ':' << column << ": " << text::Utf16ToUtf8(word.Word) << ':';
    if (word.Repeated) {
      io.Out << " (repeated word)";
    } else {
      TStringList suggestions;
      spell.GetSuggestions(word.Word, suggestions);
      for (int i = 0; i < suggestions.Count(); ++i)
        io.Out << (i == 0 ? " " : ", ") << text::Utf16ToUtf8(suggestions[i]);
    }
    io.Out << '\n';
  }
  return words.size();
}

// Writes the text with its automatic corrections applied; returns how many words remain
// misspelled.
std::size_t FixOne(TLexoroSpellBase& spell, const std::string& bytes, TToolStreams& io) {
  std::string_view all(bytes);
  const bool bom = text::SkipUtf8ByteOrderMark(all);
  std::u16string text = text::Utf8ToUtf16(all);
  const auto words = DriveCheck(spell, text, true);
  if (bom) io.Out << "\xEF\xBB\xBF";
  io.Out << text::Utf16ToUtf8(text);
  return words.size();
}

int RunCheck(const std::vector<std::string>& args, TToolStreams& io) {
  auto valueOptions = SpellSessionValueOptions();
  valueOptions.push_back("--max");
  const TArguments a(args, valueOptions, {"--fix"});
  if (auto stop = CheckArguments(a, kCheckCommand, io)) return *stop;
  const char* name = kCheckCommand.Name;

  auto session = OpenSpellSession(a);
  if (!session.Spell) return ReportError(io, name, session.Error);
  TLexoroSpellBase& spell = *session.Spell;

  std::size_t misspelled = 0;
  if (a.Flag("--fix")) {
    // The corrected text goes to standard output; the file itself is never written.
    if (a.Positional().size() > 1) return ReportError(io, name, "--fix takes at most one file");
    std::optional<std::string> bytes;
    if (a.Positional().empty() || a.Positional()[0] == "-") bytes = ReadAll(io.In);
    else bytes = ReadFileUtf8Path(a.Positional()[0]);
    if (!bytes) return ReportError(io, name, "cannot read " + a.Positional()[0]);
    misspelled = FixOne(spell, *bytes, io);
  } else if (a.Positional().empty()) {
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
             "starts with FILE:; a word repeated right after itself is listed as \"(repeated word)\").\n"
             "The text is read by the spell component's check as a host would check it.\n"
             "With --fix the text is written to standard output with its automatic corrections\n"
             "applied (auto-correct entries, dual capitals); the file itself is not changed.\n"
             "Exit status: 0 no misspelled word (left), 1 some, 2 error.\n"
             "options:\n"
             "  --fix               write the automatically corrected text instead of the list\n"
             "  --max N             at most N suggestions per word (default: all)\n") +
                                  kSpellSessionUsage;

}  // namespace

const TCommand kCheckCommand{"check", "list the misspelled words of a text with suggestions", kCheckUsage.c_str(), RunCheck};

}  // namespace lexoro::tools
