#include "lexoro/languages/ox3SpellLanguages.h"

#include <array>
#include <cstddef>

#include "lexoro/languages/ox3LanguageTable.h"

namespace lexoro {

namespace {

// One column per language. A file lists one cell per string id, in id order; nullptr is a
// cell that holds nothing.
constexpr const char16_t* kEnglish[] = {
#include "lexoro/languages/spell/English.inc"
};
constexpr const char16_t* kSwedish[] = {
#include "lexoro/languages/spell/Swedish.inc"
};
constexpr const char16_t* kBrPort[] = {
#include "lexoro/languages/spell/BrPort.inc"
};
constexpr const char16_t* kAfrikaans[] = {
#include "lexoro/languages/spell/Afrikaans.inc"
};
constexpr const char16_t* kGerman[] = {
#include "lexoro/languages/spell/German.inc"
};
constexpr const char16_t* kSpanish[] = {
#include "lexoro/languages/spell/Spanish.inc"
};
constexpr const char16_t* kRussian[] = {
#include "lexoro/languages/spell/Russian.inc"
};
constexpr const char16_t* kCzech[] = {
#include "lexoro/languages/spell/Czech.inc"
};
constexpr const char16_t* kDutch[] = {
#include "lexoro/languages/spell/Dutch.inc"
};
constexpr const char16_t* kDanish[] = {
#include "lexoro/languages/spell/Danish.inc"
};
constexpr const char16_t* kPolish[] = {
#include "lexoro/languages/spell/Polish.inc"
};
constexpr const char16_t* kNorwegianBok[] = {
#include "lexoro/languages/spell/NorwegianBok.inc"
};
constexpr const char16_t* kSerbianCyr[] = {
#include "lexoro/languages/spell/SerbianCyr.inc"
};
constexpr const char16_t* kSerbianLat[] = {
#include "lexoro/languages/spell/SerbianLat.inc"
};
constexpr const char16_t* kFrench[] = {
#include "lexoro/languages/spell/French.inc"
};
constexpr const char16_t* kItalian[] = {
#include "lexoro/languages/spell/Italian.inc"
};
constexpr const char16_t* kEstonian[] = {
#include "lexoro/languages/spell/Estonian.inc"
};
constexpr const char16_t* kHebrew[] = {
#include "lexoro/languages/spell/Hebrew.inc"
};
constexpr const char16_t* kCatalan[] = {
#include "lexoro/languages/spell/Catalan.inc"
};
constexpr const char16_t* kHungarian[] = {
#include "lexoro/languages/spell/Hungarian.inc"
};

// Indexed by TSpellLanguageType.
constexpr std::array<const char16_t* const*, kSpellLanguageCount> kColumns = {
    languages::Column<kSpellLanguageStringCount>(kEnglish),
    languages::Column<kSpellLanguageStringCount>(kSwedish),
    languages::Column<kSpellLanguageStringCount>(kBrPort),
    languages::Column<kSpellLanguageStringCount>(kAfrikaans),
    languages::Column<kSpellLanguageStringCount>(kGerman),
    languages::Column<kSpellLanguageStringCount>(kSpanish),
    languages::Column<kSpellLanguageStringCount>(kRussian),
    languages::Column<kSpellLanguageStringCount>(kCzech),
    languages::Column<kSpellLanguageStringCount>(kDutch),
    languages::Column<kSpellLanguageStringCount>(kDanish),
    languages::Column<kSpellLanguageStringCount>(kPolish),
    languages::Column<kSpellLanguageStringCount>(kNorwegianBok),
    languages::Column<kSpellLanguageStringCount>(kSerbianCyr),
    languages::Column<kSpellLanguageStringCount>(kSerbianLat),
    languages::Column<kSpellLanguageStringCount>(kFrench),
    languages::Column<kSpellLanguageStringCount>(kItalian),
    languages::Column<kSpellLanguageStringCount>(kEstonian),
    languages::Column<kSpellLanguageStringCount>(kHebrew),
    languages::Column<kSpellLanguageStringCount>(kCatalan),
    languages::Column<kSpellLanguageStringCount>(kHungarian),
};

constexpr std::array<std::string_view, kSpellLanguageStringCount> kStringNames = {
    "lsLiveSpelling",
    "lsLiveCorrect",
    "lsIgnoreUpcase",
    "lsIgnoreNumbers",
    "lsHTML",
    "lsInternet",
    "lsQuoted",
    "lsAbbreviations",
    "lsPrimaryOnly",
    "lsRepeated",
    "lsDUalCaps",
    "lsConfirmation",
    "lsRemoveCustomDict",
    "lsIgnoreAllChangeAll",
    "lsSpelling",
    "lsSpellingOptions",
    "lsDictionaries",
    "lsIgnoreAllChangeAllTitle",
    "lsNewCustomTitle",
    "lsDlgNotFound",
    "lsDlgRepeatedWord",
    "lsDlgReplaceWith",
    "lsDlgSuggestions",
    "lsDlgUndo",
    "lsDlgOptions",
    "lsDlgIgnoreAll",
    "lsDlgIgnore",
    "lsDlgChangeAll",
    "lsDlgChange",
    "lsDlgAdd",
    "lsDlgAutoCorrect",
    "lsDlgHelp",
    "lsDlgCancel",
    "lsDlgResetDefaults",
    "lsDlgIgnoreOnce",
    "lsDlgUndoEdit",
    "lsDlgAddToDictionary",
    "lsDlgOptionsLabel",
    "lsDlgDictionariesLabel",
    "lsDlgName",
    "lsDlgFilename",
    "lsDlgCustomDictionary",
    "lsDlgDictionaries",
    "lsDlgBrowseForMain",
    "lsDlgBrowseForMainTitle",
    "lsDlgCustomDictionaries",
    "lsDlgEdit",
    "lsDlgDelete",
    "lsDlgNew",
    "lsDlgOK",
    "lsDlgNewCustom",
    "lsDlgAddedWords",
    "lsDlgAddedWordsExplanation",
    "lsDlgIgnoreThisWord",
    "lsDlgAutoCorrectPairs",
    "lsDlgAutoCorrectPairsExplanation",
    "lsDlgReplace",
    "lsDlgWith",
    "lsDlgExcludedWords",
    "lsDlgExcludedWordsExplanation",
    "lsDlgExcludeThisWord",
    "lsEndMessage",
    "lsWordsChecked",
    "lsEndSelectionMessage",
    "lsMnNoSuggestions",
    "lsMnIgnore",
    "lsMnIgnoreAll",
    "lsMnAdd",
    "lsMnChangeAll",
    "lsMnAutoCorrect",
    "lsMnSpelling",
    "lsConfigLanguageOptions",
    "lsConfigCustomDictionaryOptions",
    "lsConfigGeneralOptions",
    "lsConfigIgnoreOptions",
    "lsConfigIgnoreUppercase",
    "lsConfigIgnoreNumbers",
    "lsConfigIgnoreHTML",
    "lsConfigIgnoreInternet",
    "lsConfigIgnoreAbbreviations",
    "lsConfigIgnoreQuoted",
    "lsConfigSpellingErrorsEdit",
    "lsConfigLanguageSettings",
    "lsConfigChooseLanguage",
    "lsConfigAdditionalDictionaries",
    "lsConfigChooseAdditional",
    "lsConfigLearnAboutMaking",
    "lsConfigDownloadAdditional",
    "lsConfigLanguageDictionary",
    "lsConfigCustomDictionary",
    "lsConfigMSWordCustomDictionary",
    "lsEditCustomDictionaryLabel",
    "lsConfigChooseCustomDictionary",
    "lsConfigNewCustomDictionary",
    "lsConfigModifyCustomDictionaryLabel",
    "lsDlgBrowseForMainButton",
    "lsConfigSpellingOptions",
};

constexpr std::array<std::string_view, kSpellLanguageCount> kLanguageNames = {
    "ltEnglish",
    "ltSwedish",
    "ltBrPort",
    "ltAfrikaans",
    "ltGerman",
    "ltSpanish",
    "ltRussian",
    "ltCzech",
    "ltDutch",
    "ltDanish",
    "ltPolish",
    "ltNorwegianBok",
    "ltSerbianCyr",
    "ltSerbianLat",
    "ltFrench",
    "ltItalian",
    "ltEstonian",
    "ltHebrew",
    "ltCatalan",
    "ltHungarian",
};

}  // namespace

std::u16string SpellLanguageText(TSpellLanguageString Id, TSpellLanguageType Language) {
  return languages::CellText<kSpellLanguageStringCount>(kColumns, static_cast<std::size_t>(Id),
                                                       static_cast<std::size_t>(Language));
}

bool LanguageHasOfficeStrings(TSpellLanguageType Language) {
  return !SpellLanguageText(lsConfigLearnAboutMaking, Language).empty();
}

std::string_view SpellLanguageStringName(TSpellLanguageString Id) {
  return languages::NameOf(kStringNames, static_cast<std::size_t>(Id));
}

std::string_view SpellLanguageTypeName(TSpellLanguageType Language) {
  return languages::NameOf(kLanguageNames, static_cast<std::size_t>(Language));
}

std::optional<TSpellLanguageType> SpellLanguageTypeFromName(std::string_view Name) {
  return languages::FromName<TSpellLanguageType>(kLanguageNames, Name);
}

}  // namespace lexoro
