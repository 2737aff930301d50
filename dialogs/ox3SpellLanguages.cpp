#include "dialogs/ox3SpellLanguages.h"

#include <array>

namespace lexoro {

namespace {

constexpr std::array<const char16_t*, kSpellLanguageStringCount> kEnglish = {
    u"&Show spelling errors as you type",  // lsLiveSpelling
    u"Automatically correct spelling errors as you &type",  // lsLiveCorrect
    u"Ignore words in &UPPERCASE",  // lsIgnoreUpcase
    u"Ignore words containing &numbers",  // lsIgnoreNumbers
    u"Ignore markup languages (&HTML, XML, etc)",  // lsHTML
    u"Ignore &Internet addresses",  // lsInternet
    u"Ignore quoted lines",  // lsQuoted
    u"Ignore abbreviations",  // lsAbbreviations
    u"Suggest from main dictionaries only",  // lsPrimaryOnly
    u"&Flag repeated words when checking spelling",  // lsRepeated
    u"Automatically correct &DUal capitals",  // lsDUalCaps
    u"Confirmation:",  // lsConfirmation
    u"Delete this custom dictionary?",  // lsRemoveCustomDict
    u"(Ignore All / Change All)",  // lsIgnoreAllChangeAll
    u"Spelling",  // lsSpelling
    u"Spelling Options",  // lsSpellingOptions
    u"Dictionaries",  // lsDictionaries
    u"Words added with Ignore All / Change All",  // lsIgnoreAllChangeAllTitle
    u"New Custom Dictionary",  // lsNewCustomTitle
    u"Not Found:",  // lsDlgNotFound
    u"Repeated Word:",  // lsDlgRepeatedWord
    u"&Replace With:",  // lsDlgReplaceWith
    u"&Suggestions:",  // lsDlgSuggestions
    u"&Undo",  // lsDlgUndo
    u"&Options...",  // lsDlgOptions
    u"&Ignore All",  // lsDlgIgnoreAll
    u"I&gnore",  // lsDlgIgnore
    u"&Change All",  // lsDlgChangeAll
    u"C&hange",  // lsDlgChange
    u"Add",  // lsDlgAdd
    u"Au&to-Correct",  // lsDlgAutoCorrect
    u"&Help",  // lsDlgHelp
    u"Cancel",  // lsDlgCancel
    u"Reset Defaults",  // lsDlgResetDefaults
    u"I&gnore Once",  // lsDlgIgnoreOnce
    u"Undo &Edit",  // lsDlgUndoEdit
    u"&Add to Dictionary",  // lsDlgAddToDictionary
    u" O&ptions: ",  // lsDlgOptionsLabel
    u" D&ictionaries: ",  // lsDlgDictionariesLabel
    u"Name",  // lsDlgName
    u"Filename",  // lsDlgFilename
    u"&Custom Dictionary:",  // lsDlgCustomDictionary
    u"&Dictionaries ...",  // lsDlgDictionaries
    u"Locate Dictionaries...",  // lsDlgBrowseForMain
    u"Select a folder containing dictionaries...",  // lsDlgBrowseForMainTitle
    u" Custom Dictionaries: ",  // lsDlgCustomDictionaries
    u"&Edit...",  // lsDlgEdit
    u"Delete",  // lsDlgDelete
    u"&New",  // lsDlgNew
    u"OK",  // lsDlgOK
    u"&Enter the new custom dictionary name:",  // lsDlgNewCustom
    u"Adds",  // lsDlgAddedWords
    u"Words added to your custom dictionary will be considered correct when checking spelling.",  // lsDlgAddedWordsExplanation
    u"Add this wo&rd:",  // lsDlgIgnoreThisWord
    u"Auto-Corrections",  // lsDlgAutoCorrectPairs
    u"Adding an auto-correct to your custom dictionary allows one word to automatically replace another.",  // lsDlgAutoCorrectPairsExplanation
    u"Re&place:",  // lsDlgReplace
    u"Wit&h:",  // lsDlgWith
    u"Exclusions",  // lsDlgExcludedWords
    u"Exclusions are forbidden words that will always be considered incorrectly spelled.",  // lsDlgExcludedWordsExplanation
    u"E&xclude this word:",  // lsDlgExcludeThisWord
    u"The spelling check is complete.",  // lsEndMessage
    u"Words checked:",  // lsWordsChecked
    u"The selection has been checked.  Would you like to check the remainder of the document?",  // lsEndSelectionMessage
    u"(no suggestions)",  // lsMnNoSuggestions
    u"I&gnore",  // lsMnIgnore
    u"&Ignore All",  // lsMnIgnoreAll
    u"&Add",  // lsMnAdd
    u"&Change All",  // lsMnChangeAll
    u"A&uto Correct",  // lsMnAutoCorrect
    u"&Spelling ...",  // lsMnSpelling
    u"Language",  // lsConfigLanguageOptions
    u"Custom Dictionary",  // lsConfigCustomDictionaryOptions
    u" General options ",  // lsConfigGeneralOptions
    u" When checking spelling ignore: ",  // lsConfigIgnoreOptions
    u"Words in &UPPERCASE",  // lsConfigIgnoreUppercase
    u"Words containing &numbers",  // lsConfigIgnoreNumbers
    u"Markup languages (&HTML, XML, etc)",  // lsConfigIgnoreHTML
    u"&Internet addresses",  // lsConfigIgnoreInternet
    u"&Abbreviations",  // lsConfigIgnoreAbbreviations
    u"Lines &beginning with any of the following:",  // lsConfigIgnoreQuoted
    u"(spelling errorss)",  // lsConfigSpellingErrorsEdit
    u" Language settings ",  // lsConfigLanguageSettings
    u"Choose the &language dictionary to use when checking spelling:",  // lsConfigChooseLanguage
    u" Additional dictionaries ",  // lsConfigAdditionalDictionaries
    u"Ch&oose any additional dictionaries to use when checking spelling:",  // lsConfigChooseAdditional
    u"Learn About Making or Editing Dictionaries",  // lsConfigLearnAboutMaking
    u"Download Additional Dictionaries",  // lsConfigDownloadAdditional
    u"language dictionary",  // lsConfigLanguageDictionary
    u"custom dictionary",  // lsConfigCustomDictionary
    u"Microsoft Office custom dictionary",  // lsConfigMSWordCustomDictionary
    u" Edit custom dictionary ",  // lsEditCustomDictionaryLabel
    u"Choose the &custom dictionary for Added words and Auto-Corrections:",  // lsConfigChooseCustomDictionary
    u"Ne&w...",  // lsConfigNewCustomDictionary
    u"Modify the contents of this custom dictionary:",  // lsConfigModifyCustomDictionaryLabel
    u"Locat&e Dictionaries...",  // lsDlgBrowseForMainButton
    u"Spelling",  // lsConfigSpellingOptions
};

}  // namespace

std::u16string SpellLanguageText(TSpellLanguageString Id, TSpellLanguageType Language) {
  const auto id = static_cast<unsigned>(Id);
  const auto language = static_cast<unsigned>(Language);
  if (id >= kEnglish.size() || language >= static_cast<unsigned>(kSpellLanguageCount)) return {};
  return kEnglish[id];
}

}  // namespace lexoro
