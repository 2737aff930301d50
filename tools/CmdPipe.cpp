// lexoro pipe: the line protocol of `ispell -a`, which editors and other tools speak to a
// spell checker. One input line at a time:
//
//   *WORD   add WORD to the personal dictionary          &WORD  the same, in lower case
//   @WORD   accept WORD until the program ends            #      save the personal dictionary
//   !       terse mode (no "*" lines)                     %      verbose mode again
//   ^TEXT   check TEXT                                    +, -, ~ accepted and ignored
//   TEXT    any other line is checked as it stands
//
// A checked line gives one result line per word, then an empty line:
//   *                           the word is correct (not in terse mode)
//   & WORD COUNT OFFSET: S, S   misspelled, with COUNT suggestions
//   # WORD OFFSET               misspelled, no suggestion
// OFFSET counts characters from the start of the input line (a leading "^" included).
#include <istream>
#include <ostream>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/Commands.h"
#include "tools/SpellSession.h"

namespace lexoro::tools {

namespace {

class TPipeSession {
 public:
  TPipeSession(TLexoroSpellBase& Spell, TToolStreams& Io) : FSpell(Spell), FIo(Io) {}

  void Banner() {
    FIo.Out << "@(#) International Ispell Version 3.2.06 (but really Lexoro " << text::Utf16ToUtf8(FSpell.Version())
            << ")\n";
    FIo.Out.flush();
  }

  void Line(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      CheckLine(line, 0);
      return;
    }
    const std::u16string rest = text::Utf8ToUtf16(std::string_view(line).substr(1));
    switch (line[0]) {
      case '*': AddPersonal(rest); return;
      case '&': AddPersonal(platform::LowerCase(rest)); return;
      case '@':
        if (!rest.empty()) FSpell.InternalDictionary().AddWord(rest);
        return;
      case '#': Save(); return;
      case '!': FTerse = true; return;
      case '%': FTerse = false; return;
      case '+': case '-': case '~': return;
      case '^': CheckLine(line.substr(1), 1); return;
      default: CheckLine(line, 0); return;
    }
  }

 private:
  void AddPersonal(const std::u16string& word) {
    if (word.empty()) return;
    // Without a personal dictionary the word is accepted for this run only.
    if (TCustomDictionary* personal = FSpell.ActiveCustomDictionary()) personal->AddWord(word);
    else FSpell.InternalDictionary().AddWord(word);
  }

  void Save() {
    if (TCustomDictionary* personal = FSpell.ActiveCustomDictionary()) personal->Flush();
    FSpell.Config().Save();
  }

  void CheckLine(const std::string& utf8, std::size_t offset) {
    const std::u16string text = text::Utf8ToUtf16(utf8);
    for (const auto& word : CheckText(FSpell, text)) {
      if (!word.Misspelled) {
        if (!FTerse) FIo.Out << "*\n";
        continue;
      }
      const std::size_t at = offset + CharacterCount(text, word.Start);
      TStringList suggestions;
      FSpell.GetSuggestions(word.Word, suggestions);
      const std::string w = text::Utf16ToUtf8(word.Word);
      if (suggestions.Count() == 0) {
        FIo.Out << "# " << w << ' ' << at << '\n';
        continue;
      }
      FIo.Out << "& " << w << ' ' << suggestions.Count() << ' ' << at << ':';
      for (int i = 0; i < suggestions.Count(); ++i)
        FIo.Out << (i == 0 ? " " : ", ") << text::Utf16ToUtf8(suggestions[i]);
      FIo.Out << '\n';
    }
    FIo.Out << '\n';
    FIo.Out.flush();
  }

  TLexoroSpellBase& FSpell;
  TToolStreams& FIo;
  bool FTerse = false;
};

int RunPipe(const std::vector<std::string>& args, TToolStreams& io) {
  auto valueOptions = SpellSessionValueOptions();
  valueOptions.push_back("--max");
  const TArguments a(args, valueOptions, {"-a"});
  if (auto stop = CheckArguments(a, kPipeCommand, io)) return *stop;
  const char* name = kPipeCommand.Name;
  if (!a.Positional().empty()) return ReportError(io, name, "takes no file: it reads standard input");

  auto session = OpenSpellSession(a);
  if (!session.Spell) return ReportError(io, name, session.Error);
  TLexoroSpellBase& spell = *session.Spell;

  TPipeSession pipe(spell, io);
  pipe.Banner();
  std::string line;
  while (std::getline(io.In, line)) pipe.Line(line);
  return kExitOk;
}

const std::string kPipeUsage = std::string(
                                   "usage: lexoro pipe [options]\n"
                                   "Speaks the `ispell -a` protocol on standard input and output: a banner line,\n"
                                   "then for every checked input line one result per word and an empty line\n"
                                   "(\"*\" correct, \"& WORD COUNT OFFSET: S1, S2\" with suggestions, \"# WORD OFFSET\"\n"
                                   "without). Command lines: *WORD adds to the personal dictionary (or accepts the\n"
                                   "word for this run when there is none), &WORD the same in lower case, @WORD\n"
                                   "accepts it for this run, # saves, ! and % switch terse mode on and off, ^TEXT\n"
                                   "checks TEXT. -a is accepted and ignored.\n"
                                   "options:\n"
                                   "  --max N             at most N suggestions per word (default: all)\n") +
                               kSpellSessionUsage;

}  // namespace

const TCommand kPipeCommand{"pipe", "spell-check standard input with the ispell -a pipe protocol", kPipeUsage.c_str(),
                            RunPipe};

}  // namespace lexoro::tools
