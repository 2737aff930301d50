#include "lexoro/languages/ox3ThesaurusLanguages.h"

#include <array>
#include <cstddef>

#include "lexoro/languages/ox3LanguageTable.h"

namespace lexoro {

namespace {

// One column per language, one cell per string id in id order.
constexpr const char16_t* kEnglish[] = {
#include "lexoro/languages/thesaurus/English.inc"
};
constexpr const char16_t* kSwedish[] = {
#include "lexoro/languages/thesaurus/Swedish.inc"
};
constexpr const char16_t* kGerman[] = {
#include "lexoro/languages/thesaurus/German.inc"
};
constexpr const char16_t* kRussian[] = {
#include "lexoro/languages/thesaurus/Russian.inc"
};
constexpr const char16_t* kCzech[] = {
#include "lexoro/languages/thesaurus/Czech.inc"
};
constexpr const char16_t* kDanish[] = {
#include "lexoro/languages/thesaurus/Danish.inc"
};
constexpr const char16_t* kNorwegianBok[] = {
#include "lexoro/languages/thesaurus/NorwegianBok.inc"
};
constexpr const char16_t* kPolish[] = {
#include "lexoro/languages/thesaurus/Polish.inc"
};
constexpr const char16_t* kSerbianCyr[] = {
#include "lexoro/languages/thesaurus/SerbianCyr.inc"
};
constexpr const char16_t* kSerbianLat[] = {
#include "lexoro/languages/thesaurus/SerbianLat.inc"
};
constexpr const char16_t* kItalian[] = {
#include "lexoro/languages/thesaurus/Italian.inc"
};
constexpr const char16_t* kDutch[] = {
#include "lexoro/languages/thesaurus/Dutch.inc"
};
constexpr const char16_t* kEstonian[] = {
#include "lexoro/languages/thesaurus/Estonian.inc"
};
constexpr const char16_t* kFrench[] = {
#include "lexoro/languages/thesaurus/French.inc"
};
constexpr const char16_t* kSpanish[] = {
#include "lexoro/languages/thesaurus/Spanish.inc"
};
constexpr const char16_t* kBrPort[] = {
#include "lexoro/languages/thesaurus/BrPort.inc"
};
constexpr const char16_t* kHebrew[] = {
#include "lexoro/languages/thesaurus/Hebrew.inc"
};
constexpr const char16_t* kHungarian[] = {
#include "lexoro/languages/thesaurus/Hungarian.inc"
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
