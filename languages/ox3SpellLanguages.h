// The interface texts of the spell components: their languages, the string ids and the table
// of texts per interface language (one column per TSpellLanguageType, compiled into the
// program from languages/spell/*.inc).
//
// A cell holds one text or nothing. Texts are kept exactly as shown: "&" marks the accelerator
// letter, leading and trailing blanks belong to group-box captions. There is no fallback from
// an empty cell to another language; OnGetString is how an application fills such gaps.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexoro {

// Interface languages of the spell components (the thesaurus has an enumeration of its own
// with the same names in another order, hence the scope).
enum class TSpellLanguageType : std::uint8_t {
  ltEnglish, ltSwedish, ltBrPort, ltAfrikaans, ltGerman, ltSpanish, ltRussian, ltCzech, ltDutch, ltDanish,
  ltPolish, ltNorwegianBok, ltSerbianCyr, ltSerbianLat, ltFrench, ltItalian, ltEstonian, ltHebrew, ltCatalan,
  ltHungarian,
};

// Ids 0 to 10 are the captions of the spelling options with the same ordinals.
enum TSpellLanguageString : std::uint8_t {
  lsLiveSpelling = 0,
  lsLiveCorrect = 1,
  lsIgnoreUpcase = 2,
  lsIgnoreNumbers = 3,
  lsHTML = 4,
  lsInternet = 5,
  lsQuoted = 6,
  lsAbbreviations = 7,
  lsPrimaryOnly = 8,
  lsRepeated = 9,
  lsDUalCaps = 10,
  lsConfirmation = 11,
  lsRemoveCustomDict = 12,
  lsIgnoreAllChangeAll = 13,
  lsSpelling = 14,
  lsSpellingOptions = 15,
  lsDictionaries = 16,
  lsIgnoreAllChangeAllTitle = 17,
  lsNewCustomTitle = 18,
  lsDlgNotFound = 19,
  lsDlgRepeatedWord = 20,
  lsDlgReplaceWith = 21,
  lsDlgSuggestions = 22,
  lsDlgUndo = 23,
  lsDlgOptions = 24,
  lsDlgIgnoreAll = 25,
  lsDlgIgnore = 26,
  lsDlgChangeAll = 27,
  lsDlgChange = 28,
  lsDlgAdd = 29,
  lsDlgAutoCorrect = 30,
  lsDlgHelp = 31,
  lsDlgCancel = 32,
  lsDlgResetDefaults = 33,
  lsDlgIgnoreOnce = 34,
  lsDlgUndoEdit = 35,
  lsDlgAddToDictionary = 36,
  lsDlgOptionsLabel = 37,
  lsDlgDictionariesLabel = 38,
  lsDlgName = 39,
  lsDlgFilename = 40,
  lsDlgCustomDictionary = 41,
  lsDlgDictionaries = 42,
  lsDlgBrowseForMain = 43,
  lsDlgBrowseForMainTitle = 44,
  lsDlgCustomDictionaries = 45,
  lsDlgEdit = 46,
  lsDlgDelete = 47,
  lsDlgNew = 48,
  lsDlgOK = 49,
  lsDlgNewCustom = 50,
  lsDlgAddedWords = 51,
  lsDlgAddedWordsExplanation = 52,
  lsDlgIgnoreThisWord = 53,
  lsDlgAutoCorrectPairs = 54,
  lsDlgAutoCorrectPairsExplanation = 55,
  lsDlgReplace = 56,
  lsDlgWith = 57,
  lsDlgExcludedWords = 58,
  lsDlgExcludedWordsExplanation = 59,
  lsDlgExcludeThisWord = 60,
  lsEndMessage = 61,
  lsWordsChecked = 62,
  lsEndSelectionMessage = 63,
  lsMnNoSuggestions = 64,
  lsMnIgnore = 65,
  lsMnIgnoreAll = 66,
  lsMnAdd = 67,
  lsMnChangeAll = 68,
  lsMnAutoCorrect = 69,
  lsMnSpelling = 70,
  lsConfigLanguageOptions = 71,
  lsConfigCustomDictionaryOptions = 72,
  lsConfigGeneralOptions = 73,
  lsConfigIgnoreOptions = 74,
  lsConfigIgnoreUppercase = 75,
  lsConfigIgnoreNumbers = 76,
  lsConfigIgnoreHTML = 77,
  lsConfigIgnoreInternet = 78,
  lsConfigIgnoreAbbreviations = 79,
  lsConfigIgnoreQuoted = 80,
  lsConfigSpellingErrorsEdit = 81,
  lsConfigLanguageSettings = 82,
  lsConfigChooseLanguage = 83,
  lsConfigAdditionalDictionaries = 84,
  lsConfigChooseAdditional = 85,
  lsConfigLearnAboutMaking = 86,
  lsConfigDownloadAdditional = 87,
  lsConfigLanguageDictionary = 88,
  lsConfigCustomDictionary = 89,
  lsConfigMSWordCustomDictionary = 90,
  lsEditCustomDictionaryLabel = 91,
  lsConfigChooseCustomDictionary = 92,
  lsConfigNewCustomDictionary = 93,
  lsConfigModifyCustomDictionaryLabel = 94,
  lsDlgBrowseForMainButton = 95,
  lsConfigSpellingOptions = 96,
};

inline constexpr int kSpellLanguageStringCount = 97;
inline constexpr int kSpellLanguageCount = 20;

// The text of Id in Language; empty when the cell holds nothing or Id / Language lie outside
// the table.
[[nodiscard]] std::u16string SpellLanguageText(TSpellLanguageString Id, TSpellLanguageType Language);

// Whether Language has the texts of the office-style dialogs (its cell of
// lsConfigLearnAboutMaking holds a text).
[[nodiscard]] bool LanguageHasOfficeStrings(TSpellLanguageType Language);

// The names of the ids and languages as written in code ("lsDlgChange", "ltGerman"); empty
// outside the enumerations.
[[nodiscard]] std::string_view SpellLanguageStringName(TSpellLanguageString Id);
[[nodiscard]] std::string_view SpellLanguageTypeName(TSpellLanguageType Language);
// The language named Name, if any.
[[nodiscard]] std::optional<TSpellLanguageType> SpellLanguageTypeFromName(std::string_view Name);

}  // namespace lexoro
