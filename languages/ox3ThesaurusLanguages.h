// The interface texts of the thesaurus components: their languages, string ids and the table
// of texts per language (compiled into the program from languages/thesaurus/*.inc).
//
// The thesaurus languages share their value names with the spell languages but not their
// ordinals (German is 2 here and 4 there), and there is no Afrikaans and no Catalan; a table is
// always indexed by the ordinal of its own enumeration.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexoro {

enum class TThesaurusLanguageType : std::uint8_t {
  ltEnglish, ltSwedish, ltGerman, ltRussian, ltCzech, ltDanish, ltNorwegianBok, ltPolish, ltSerbianCyr,
  ltSerbianLat, ltItalian, ltDutch, ltEstonian, ltFrench, ltSpanish, ltBrPort, ltHebrew, ltHungarian,
};

// The names repeat ids of the spell table ("lsDlgReplace"), hence the scoped enumeration.
enum class TThesaurusLanguageString : std::uint8_t {
  lsThesaurus = 0,  // the dialog caption, holds "%name%"
  lsDlgLookedUp = 1,
  lsDlgContexts = 2,
  lsDlgReplaceWith = 3,
  lsDlgPrevious = 4,
  lsDlgLookup = 5,
  lsDlgReplace = 6,
  lsDlgClose = 7,
  lsDlgNotFound = 8,
};

inline constexpr int kThesaurusLanguageStringCount = 9;
inline constexpr int kThesaurusLanguageCount = 18;

// The text of Id in Language; empty when Id or Language lie outside the table.
[[nodiscard]] std::u16string ThesaurusLanguageText(TThesaurusLanguageString Id, TThesaurusLanguageType Language);

// The names of the ids and languages as written in code; empty outside the enumerations.
[[nodiscard]] std::string_view ThesaurusLanguageStringName(TThesaurusLanguageString Id);
[[nodiscard]] std::string_view ThesaurusLanguageTypeName(TThesaurusLanguageType Language);
[[nodiscard]] std::optional<TThesaurusLanguageType> ThesaurusLanguageTypeFromName(std::string_view Name);

}  // namespace lexoro
