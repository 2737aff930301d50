// lexoro strings: one column of the interface-language tables, for review by a reader of
// that language.
#include <ostream>

#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/languages/ox3ThesaurusLanguages.h"
#include "tools/Commands.h"

namespace lexoro::tools {

namespace {

void PrintRow(TToolStreams& io, int Id, std::string_view Name, const std::u16string& Text) {
  io.Out << Id << '\t' << Name << '\t' << text::Utf16ToUtf8(Text) << '\n';
}

int RunStrings(const std::vector<std::string>& args, TToolStreams& io) {
  const TArguments a(args, {"--language"}, {"--thesaurus"});
  if (auto stop = CheckArguments(a, kStringsCommand, io)) return *stop;
  if (!a.Positional().empty()) return ReportError(io, kStringsCommand.Name, "unexpected argument " + a.Positional()[0]);
  const std::string name = a.Value("--language").value_or("ltEnglish");
  if (a.Flag("--thesaurus")) {
    const auto language = ThesaurusLanguageTypeFromName(name);
    if (!language) return ReportError(io, kStringsCommand.Name, "no thesaurus language is named " + name);
    for (int id = 0; id < kThesaurusLanguageStringCount; ++id) {
      const auto ls = static_cast<TThesaurusLanguageString>(id);
      PrintRow(io, id, ThesaurusLanguageStringName(ls), ThesaurusLanguageText(ls, *language));
    }
  } else {
    const auto language = SpellLanguageTypeFromName(name);
    if (!language) return ReportError(io, kStringsCommand.Name, "no spell language is named " + name);
    for (int id = 0; id < kSpellLanguageStringCount; ++id) {
      const auto ls = static_cast<TSpellLanguageString>(id);
      PrintRow(io, id, SpellLanguageStringName(ls), SpellLanguageText(ls, *language));
    }
  }
  io.Out.flush();
  return kExitOk;
}

}  // namespace

const TCommand kStringsCommand{
    "strings", "print one language of the interface texts",
    "usage: lexoro strings [--language NAME] [--thesaurus]\n"
    "Prints the interface texts of the spell components in language NAME (ltEnglish by default),\n"
    "one line per string id: ID<TAB>NAME<TAB>TEXT, with an empty TEXT where the language has\n"
    "none. With --thesaurus, the texts of the thesaurus components.\n"
    "Spell languages: ltEnglish ltSwedish ltBrPort ltAfrikaans ltGerman ltSpanish ltRussian\n"
    "  ltCzech ltDutch ltDanish ltPolish ltNorwegianBok ltSerbianCyr ltSerbianLat ltFrench\n"
    "  ltItalian ltEstonian ltHebrew ltCatalan ltHungarian.\n"
    "Thesaurus languages: the same without ltAfrikaans and ltCatalan.\n",
    RunStrings};

}  // namespace lexoro::tools
