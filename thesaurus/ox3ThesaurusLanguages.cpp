#include "lexoro/thesaurus/ox3ThesaurusLanguages.h"

#include <array>
#include <cstddef>

#include "lexoro/dialogs/ox3LanguageTable.h"

namespace lexoro {

namespace {

// One column per language, one cell per string id in id order.
constexpr const char16_t* kEnglish[] = {
#include "lexoro/thesaurus/languages/English.inc"
};
constexpr const char16_t* kSwedish[] = {
#include "lexoro/thesaurus/languages/Swedish.inc"
};
constexpr const char16_t* kGerman[] = {
#include "lexoro/thesaurus/languages/German.inc"
};
constexpr const char16_t* kRussian[] = {
#include "lexoro/thesaurus/languages/Russian.inc"
};
constexpr const char16_t* kCzech[] = {
#include "lexoro/thesaurus/languages/Czech.inc"
};
constexpr const char16_t* kDanish[] = {
#include "lexoro/thesaurus/languages/Danish.inc"
};
constexpr const char16_t* kNorwegianBok[] = {
#include "lexoro/thesaurus/languages/NorwegianBok.inc"
};
constexpr const char16_t* kPolish[] = {
#include "lexoro/thesaurus/languages/Polish.inc"
};
constexpr const char16_t* kSerbianCyr[] = {
#include "lexoro/thesaurus/languages/SerbianCyr.inc"
};
constexpr const char16_t* kSerbianLat[] = {
#include "lexoro/thesaurus/languages/SerbianLat.inc"
};
constexpr const char16_t* kItalian[] = {
#include "lexoro/thesaurus/languages/Italian.inc"
};
constexpr const char16_t* kDutch[] = {
#include "lexoro/thesaurus/languages/Dutch.inc"
};
constexpr const char16_t* kEstonian[] = {
#include "lexoro/thesaurus/languages/Estonian.inc"
};
constexpr const char16_t* kFrench[] = {
#include "lexoro/thesaurus/languages/French.inc"
};
constexpr const char16_t* kSpanish[] = {
#include "lexoro/thesaurus/languages/Spanish.inc"
};
constexpr const char16_t* kBrPort[] = {
#include "lexoro/thesaurus/languages/BrPort.inc"
};
constexpr const char16_t* kHebrew[] = {
#include "lexoro/thesaurus/languages/Hebrew.inc"
};
constexpr const char16_t* kHungarian[] = {
#include "lexoro/thesaurus/languages/Hungarian.inc"
};

// Indexed by TThesaurusLanguageType.
constexpr std::array<const char16_t* const*, kThesaurusLanguageCount> kColumns = {
    languages::Column<kThesaurusLanguageStringCount>(kEnglish),
    languages::Column<kThesaurusLanguageStringCount>(kSwedish),
    languages::Column<kThesaurusLanguageStringCount>(kGerman),
    languages::Column<kThesaurusLanguageStringCount>(kRussian),
    languages::Column<kThesaurusLanguageStringCount>(kCzech),
    languages::Column<kThesaurusLanguageStringCount>(kDanish),
    languages::Column<kThesaurusLanguageStringCount>(kNorwegianBok),
    languages::Column<kThesaurusLanguageStringCount>(kPolish),
    languages::Column<kThesaurusLanguageStringCount>(kSerbianCyr),
    languages::Column<kThesaurusLanguageStringCount>(kSerbianLat),
    languages::Column<kThesaurusLanguageStringCount>(kItalian),
    languages::Column<kThesaurusLanguageStringCount>(kDutch),
    languages::Column<kThesaurusLanguageStringCount>(kEstonian),
    languages::Column<kThesaurusLanguageStringCount>(kFrench),
    languages::Column<kThesaurusLanguageStringCount>(kSpanish),
    languages::Column<kThesaurusLanguageStringCount>(kBrPort),
    languages::Column<kThesaurusLanguageStringCount>(kHebrew),
    languages::Column<kThesaurusLanguageStringCount>(kHungarian),
};

constexpr std::array<std::string_view, kThesaurusLanguageStringCount> kStringNames = {
    "lsThesaurus",
    "lsDlgLookedUp",
    "lsDlgContexts",
    "lsDlgReplaceWith",
    "lsDlgPrevious",
    "lsDlgLookup",
    "lsDlgReplace",
    "lsDlgClose",
    "lsDlgNotFound",
};

constexpr std::array<std::string_view, kThesaurusLanguageCount> kLanguageNames = {
    "ltEnglish",
    "ltSwedish",
    "ltGerman",
    "ltRussian",
    "ltCzech",
    "ltDanish",
    "ltNorwegianBok",
    "ltPolish",
    "ltSerbianCyr",
    "ltSerbianLat",
    "ltItalian",
    "ltDutch",
    "ltEstonian",
    "ltFrench",
    "ltSpanish",
    "ltBrPort",
    "ltHebrew",
    "ltHungarian",
};

}  // namespace

std::u16string ThesaurusLanguageText(TThesaurusLanguageString Id, TThesaurusLanguageType Language) {
  return languages::CellText<kThesaurusLanguageStringCount>(kColumns, static_cast<std::size_t>(Id),
                                                       static_cast<std::size_t>(Language));
}

std::string_view ThesaurusLanguageStringName(TThesaurusLanguageString Id) {
  return languages::NameOf(kStringNames, static_cast<std::size_t>(Id));
}

std::string_view ThesaurusLanguageTypeName(TThesaurusLanguageType Language) {
  return languages::NameOf(kLanguageNames, static_cast<std::size_t>(Language));
}

std::optional<TThesaurusLanguageType> ThesaurusLanguageTypeFromName(std::string_view Name) {
  return languages::FromName<TThesaurusLanguageType>(kLanguageNames, Name);
}

}  // namespace lexoro
