// The interface-language tables and the ways components read them: every column's shape
// (empty cells, accelerators, blanks, placeholders), translations that are really translated,
// accelerators that stay unique within each dialog, GetString with OnGetString on the spell
// and thesaurus components, option captions through the dialog controller, and the strings
// command.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"
#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"
#include "lexoro/thesaurus/ox3ThesaurusBase.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"
#include "lexoro/languages/ox3ThesaurusLanguages.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;
using SL = TSpellLanguageType;
using TL = TThesaurusLanguageType;
using TS = TThesaurusLanguageString;

std::vector<SL> AllSpellLanguages() {
  std::vector<SL> all;
  for (int i = 0; i < kSpellLanguageCount; ++i) all.push_back(static_cast<SL>(i));
  return all;
}

std::vector<TL> AllThesaurusLanguages() {
  std::vector<TL> all;
  for (int i = 0; i < kThesaurusLanguageCount; ++i) all.push_back(static_cast<TL>(i));
  return all;
}

std::u16string Spell(int Id, SL Language) { return SpellLanguageText(static_cast<TSpellLanguageString>(Id), Language); }
std::u16string Thes(int Id, TL Language) { return ThesaurusLanguageText(static_cast<TS>(Id), Language); }

// Whether the cell (Id, Language) is one that holds nothing.
bool ListedEmpty(int Id, SL Language) {
  switch (Language) {
    case SL::ltBrPort: case SL::ltAfrikaans: case SL::ltCzech: case SL::ltDanish: case SL::ltItalian:
    case SL::ltEstonian:
      return Id >= 73 && Id <= 94;
    case SL::ltCatalan: return Id >= 71;
    case SL::ltHungarian: return Id == 58 || Id == 61;
    default: return false;
  }
}

// The accelerator letters of a caption, lower-cased ("&&" is a literal ampersand).
std::vector<std::u16string> Accelerators(const std::u16string& Text) {
  std::vector<std::u16string> found;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != u'&') continue;
    if (i + 1 < Text.size() && Text[i + 1] == u'&') {
      ++i;
      continue;
    }
    found.push_back(i + 1 < Text.size() ? platform::LowerCase(Text.substr(i + 1, 1)) : std::u16string());
  }
  return found;
}

std::size_t LeadingBlanks(const std::u16string& s) { return s.find_first_not_of(u' ') == std::u16string::npos ? s.size() : s.find_first_not_of(u' '); }
std::size_t TrailingBlanks(const std::u16string& s) { return s.empty() ? 0 : s.size() - 1 - s.find_last_not_of(u' '); }

// ---- Table shape ------------------------------------------------------------------------

TEST(SpellLanguageTable, EnglishTextsAreStoredExactly) {
  EXPECT_EQ(Spell(lsDlgChange, SL::ltEnglish), u"C&hange");
  EXPECT_EQ(Spell(lsDlgOptionsLabel, SL::ltEnglish), u" O&ptions: ");
  EXPECT_EQ(Spell(lsConfigSpellingErrorsEdit, SL::ltEnglish), u"(spelling errorss)");
  EXPECT_EQ(Spell(lsEndSelectionMessage, SL::ltEnglish),
            u"The selection has been checked.  Would you like to check the remainder of the document?");
  EXPECT_EQ(Spell(lsConfigSpellingOptions, SL::ltEnglish), u"Spelling");
  EXPECT_EQ(Thes(0, TL::ltEnglish), u"Thesaurus: %name%");
  EXPECT_EQ(Thes(8, TL::ltEnglish), u"(not found)");
}

TEST(SpellLanguageTable, LiveSpellingRowIsTheGivenTextInEveryLanguage) {
  const std::map<SL, std::u16string> row = {
      {SL::ltEnglish, u"&Show spelling errors as you type"},
      {SL::ltSwedish, u"Kontrollera stavningen när du skriver"},
      {SL::ltBrPort, u"Verificar a ortografia enquanto escreve"},
      {SL::ltAfrikaans, u"Gaan spel reëls na terwyl jy tik"},
      {SL::ltGerman, u"Automatische Rechtschreibprüfung"},
      {SL::ltSpanish, u"Verificar ortografía mientras escribe"},
      {SL::ltRussian, u"Проверять ор&фографию при вводе"},
      {SL::ltCzech, u"Kontrolovat pravopis při psaní"},
      {SL::ltDutch, u"Spelling controleren tijdens het typen"},
      {SL::ltDanish, u"L&øbende stavekontrol"},
      {SL::ltPolish, u"Sprawdzaj pisownię podczas pisania"},
      {SL::ltNorwegianBok, u"&Fortløpende stavekontroll"},
      {SL::ltSerbianCyr, u"&Проверавај правопис у току писања"},
      {SL::ltSerbianLat, u"&Proveravaj pravopis u toku pisanja"},
      {SL::ltFrench, u"Vérifier l'orthographe automatiquement"},
      {SL::ltItalian, u"&Correzione ortografica durante la digitazione"},
      {SL::ltEstonian, u"Õigekirja kontrolli kirjutamise ajal"},
      {SL::ltHebrew, u"הראה שגיאות כתיב תוך כדי כתיבה"},
      {SL::ltCatalan, u"Verificar l'ortografia mentre s'escriu"},
      {SL::ltHungarian, u"Helyesírási hibák megjelenítése írás közben"},
  };
  ASSERT_EQ(row.size(), static_cast<std::size_t>(kSpellLanguageCount));
  for (const auto& [language, text] : row) EXPECT_EQ(Spell(lsLiveSpelling, language), text) << SpellLanguageTypeName(language);
}

TEST(SpellLanguageTable, OnlyTheListedCellsHoldNothing) {
  for (SL language : AllSpellLanguages())
    for (int id = 0; id < kSpellLanguageStringCount; ++id)
      EXPECT_EQ(Spell(id, language).empty(), ListedEmpty(id, language))
          << SpellLanguageTypeName(language) << " id " << id;
  for (TL language : AllThesaurusLanguages())
    for (int id = 0; id < kThesaurusLanguageStringCount; ++id)
      EXPECT_FALSE(Thes(id, language).empty()) << ThesaurusLanguageTypeName(language) << " id " << id;
}

TEST(SpellLanguageTable, OutsideTheTableIsEmpty) {
  EXPECT_EQ(Spell(97, SL::ltEnglish), u"");
  EXPECT_EQ(Spell(255, SL::ltEnglish), u"");
  EXPECT_EQ(Spell(lsDlgChange, static_cast<SL>(20)), u"");
  EXPECT_EQ(Spell(lsDlgChange, static_cast<SL>(255)), u"");
  EXPECT_EQ(Thes(9, TL::ltEnglish), u"");
  EXPECT_EQ(Thes(0, static_cast<TL>(18)), u"");
}

TEST(SpellLanguageTable, OfficeStringsAreMissingInSevenLanguages) {
  const std::set<SL> without = {SL::ltBrPort, SL::ltAfrikaans, SL::ltCzech, SL::ltDanish,
                                SL::ltItalian, SL::ltEstonian, SL::ltCatalan};
  for (SL language : AllSpellLanguages())
    EXPECT_EQ(LanguageHasOfficeStrings(language), !without.contains(language)) << SpellLanguageTypeName(language);
  EXPECT_FALSE(LanguageHasOfficeStrings(static_cast<SL>(20)));
}

TEST(SpellLanguageTable, NamesFollowTheEnumerations) {
  EXPECT_EQ(SpellLanguageStringName(lsDlgChange), "lsDlgChange");
  EXPECT_EQ(SpellLanguageStringName(lsConfigSpellingOptions), "lsConfigSpellingOptions");
  EXPECT_EQ(SpellLanguageStringName(static_cast<TSpellLanguageString>(97)), "");
  EXPECT_EQ(ThesaurusLanguageStringName(TS::lsDlgNotFound), "lsDlgNotFound");
  // The two language enumerations share names, not ordinals.
  EXPECT_EQ(SpellLanguageTypeFromName("ltGerman"), SL::ltGerman);
  EXPECT_EQ(static_cast<int>(*SpellLanguageTypeFromName("ltGerman")), 4);
  EXPECT_EQ(static_cast<int>(*ThesaurusLanguageTypeFromName("ltGerman")), 2);
  EXPECT_EQ(static_cast<int>(*ThesaurusLanguageTypeFromName("ltHungarian")), 17);
  EXPECT_FALSE(ThesaurusLanguageTypeFromName("ltCatalan"));
  EXPECT_FALSE(SpellLanguageTypeFromName("German"));
  for (SL language : AllSpellLanguages()) EXPECT_EQ(SpellLanguageTypeFromName(SpellLanguageTypeName(language)), language);
  for (TL language : AllThesaurusLanguages())
    EXPECT_EQ(ThesaurusLanguageTypeFromName(ThesaurusLanguageTypeName(language)), language);
}

// ---- Translations -----------------------------------------------------------------------

// Cells whose right translation is the English text itself.
const std::set<std::pair<SL, int>> kSpellSameAsEnglish = {
    {SL::ltAfrikaans, 14}, {SL::ltAfrikaans, 49}, {SL::ltAfrikaans, 70}, {SL::ltAfrikaans, 96},
    {SL::ltBrPort, 49},
    {SL::ltCatalan, 58},
    {SL::ltCzech, 49},
    {SL::ltDanish, 49},
    {SL::ltDutch, 14}, {SL::ltDutch, 31}, {SL::ltDutch, 49}, {SL::ltDutch, 70}, {SL::ltDutch, 96},
    {SL::ltEstonian, 49},
    {SL::ltFrench, 24}, {SL::ltFrench, 49}, {SL::ltFrench, 58},
    {SL::ltGerman, 39}, {SL::ltGerman, 49},
    {SL::ltHungarian, 49},
    {SL::ltItalian, 49},
    {SL::ltNorwegianBok, 49},
    {SL::ltPolish, 49},
    {SL::ltSwedish, 49},
};
const std::set<std::pair<TL, int>> kThesaurusSameAsEnglish = {
    {TL::ltGerman, 0},
    {TL::ltItalian, 0},
};

// Checks a translated cell against its English text: translated, with an accelerator exactly
// where English has one, the same leading and trailing blanks, the placeholder kept.
void ExpectTranslated(const std::u16string& English, const std::u16string& Text, bool SameAllowed,
                      const std::string& Where) {
  if (SameAllowed) EXPECT_EQ(Text, English) << Where << " is listed as the English text";
  else EXPECT_NE(Text, English) << Where << " is not translated";
  EXPECT_EQ(Accelerators(Text).size(), Accelerators(English).size()) << Where << ": " << U8(Text);
  for (const auto& letter : Accelerators(Text)) EXPECT_FALSE(letter.empty() || letter == u" ") << Where;
  EXPECT_EQ(LeadingBlanks(Text), LeadingBlanks(English)) << Where;
  EXPECT_EQ(TrailingBlanks(Text), TrailingBlanks(English)) << Where;
  EXPECT_EQ(Text.find(u"%name%") == std::u16string::npos, English.find(u"%name%") == std::u16string::npos) << Where;
  EXPECT_EQ(Text.find_first_of(u"\t\r\n\""), std::u16string::npos) << Where;
}

TEST(SpellLanguageTable, EveryOtherColumnIsTranslated) {
  for (SL language : AllSpellLanguages()) {
    if (language == SL::ltEnglish) continue;
    for (int id = 1; id < kSpellLanguageStringCount; ++id) {
      if (ListedEmpty(id, language)) continue;
      ExpectTranslated(Spell(id, SL::ltEnglish), Spell(id, language), kSpellSameAsEnglish.contains({language, id}),
                       std::string(SpellLanguageTypeName(language)) + " id " + std::to_string(id));
    }
  }
  for (TL language : AllThesaurusLanguages()) {
    if (language == TL::ltEnglish) continue;
    for (int id = 0; id < kThesaurusLanguageStringCount; ++id)
      ExpectTranslated(Thes(id, TL::ltEnglish), Thes(id, language), kThesaurusSameAsEnglish.contains({language, id}),
                       "thesaurus " + std::string(ThesaurusLanguageTypeName(language)) + " id " + std::to_string(id));
  }
}

TEST(SpellLanguageTable, ExceptionListsNameOnlyCellsThatEqualEnglish) {
  // A stale entry would let a later untranslated copy of the English text pass unnoticed.
  for (const auto& [language, id] : kSpellSameAsEnglish)
    EXPECT_EQ(Spell(id, language), Spell(id, SL::ltEnglish)) << SpellLanguageTypeName(language) << " id " << id;
  for (const auto& [language, id] : kThesaurusSameAsEnglish)
    EXPECT_EQ(Thes(id, language), Thes(id, TL::ltEnglish)) << ThesaurusLanguageTypeName(language) << " id " << id;
}

TEST(SpellLanguageTable, ThesaurusCaptionKeepsOnePlaceholder) {
  for (TL language : AllThesaurusLanguages()) {
    const std::u16string caption = Thes(0, language);
    const auto first = caption.find(u"%name%");
    ASSERT_NE(first, std::u16string::npos) << ThesaurusLanguageTypeName(language);
    EXPECT_EQ(caption.find(u"%name%", first + 1), std::u16string::npos) << ThesaurusLanguageTypeName(language);
  }
}

// ---- Accelerators within each dialog ----------------------------------------------------

struct TDialogIds {
  const char* Name;
  std::vector<int> Ids;
};

// The captions that stand together in one dialog (or one page of the office-style options).
const std::vector<TDialogIds> kSpellDialogs = {
    {"spell dialog", {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}},
    {"office spell dialog", {19, 20, 21, 22, 23, 24, 25, 27, 28, 30, 31, 32, 34, 35, 36}},
    {"options dialog", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 37, 38, 41, 42, 31, 33, 49}},
    {"dictionaries dialog", {45, 46, 47, 48, 49, 31}},
    {"new dictionary dialog", {50, 49, 32}},
    {"dictionary edit dialog", {53, 56, 57, 60, 29, 47, 31, 49}},
    {"office options, spelling", {0, 1, 9, 10, 73, 74, 75, 76, 77, 78, 79, 80, 31, 32, 49}},
    {"office options, language", {82, 83, 84, 85, 46, 95, 31, 32, 49}},
    {"office options, custom dictionary", {91, 92, 93, 94, 53, 56, 57, 60, 29, 47, 31, 32, 49}},
    {"context menu", {65, 66, 67, 68, 69, 70}},
};
const std::vector<int> kThesaurusDialog = {1, 2, 3, 4, 5, 6, 7, 8};

std::u16string FirstAccelerator(const std::u16string& Text) {
  const auto all = Accelerators(Text);
  return all.empty() ? std::u16string() : all.front();
}

using TCell = std::function<std::u16string(int)>;

// The pairs of Ids that share an accelerator where their English texts do not.
std::vector<std::string> AcceleratorClashes(const std::vector<int>& Ids, const TCell& Text, const TCell& English) {
  std::vector<std::string> clashes;
  for (std::size_t a = 0; a < Ids.size(); ++a)
    for (std::size_t b = a + 1; b < Ids.size(); ++b) {
      const auto x = FirstAccelerator(Text(Ids[a])), y = FirstAccelerator(Text(Ids[b]));
      if (x.empty() || x != y || FirstAccelerator(English(Ids[a])) == FirstAccelerator(English(Ids[b]))) continue;
      clashes.push_back("ids " + std::to_string(Ids[a]) + " and " + std::to_string(Ids[b]) + " share \"" + U8(x) + "\"");
    }
  return clashes;
}

TEST(SpellLanguageTable, AcceleratorsAreUniqueWithinEachDialog) {
  const TCell english = [](int id) { return Spell(id, SL::ltEnglish); };
  for (SL language : AllSpellLanguages())
    for (const auto& dialog : kSpellDialogs)
      EXPECT_EQ(AcceleratorClashes(dialog.Ids, [language](int id) { return Spell(id, language); }, english),
                std::vector<std::string>())
          << SpellLanguageTypeName(language) << ", " << dialog.Name;
  const TCell englishThesaurus = [](int id) { return Thes(id, TL::ltEnglish); };
  for (TL language : AllThesaurusLanguages())
    EXPECT_EQ(AcceleratorClashes(kThesaurusDialog, [language](int id) { return Thes(id, language); }, englishThesaurus),
              std::vector<std::string>())
        << ThesaurusLanguageTypeName(language) << ", thesaurus dialog";
}

TEST(SpellLanguageTable, AcceleratorClashesAreJudgedAgainstEnglish) {
  // "C&hange" and "&Help" already share "h" in English; "&Undo" and "&Ignore All" do not.
  const TCell english = [](int id) { return Spell(id, SL::ltEnglish); };
  const TCell clash = [](int id) { return id == 25 ? std::u16string(u"&UNDO all") : Spell(id, SL::ltEnglish); };
  EXPECT_EQ(AcceleratorClashes({23, 25, 28, 31}, clash, english), std::vector<std::string>{"ids 23 and 25 share \"u\""});
  EXPECT_EQ(AcceleratorClashes({23, 25, 28, 31}, english, english), std::vector<std::string>());
}

// ---- GetString on the components --------------------------------------------------------

TEST(InterfaceTexts, SpellComponentReadsItsLanguageThenTheHandler) {
  TLexoroSpellBase spell(nullptr);
  EXPECT_EQ(spell.GetString(lsDlgChange), u"C&hange");
  spell.SetUILanguage(SL::ltHungarian);
  EXPECT_EQ(spell.UILanguage(), SL::ltHungarian);
  // No fallback to English for a cell that holds nothing.
  EXPECT_EQ(spell.GetString(lsEndMessage), u"");
  EXPECT_EQ(spell.GetString(lsDlgChange), SpellLanguageText(lsDlgChange, SL::ltHungarian));

  std::vector<TSpellLanguageString> asked;
  spell.OnGetString = [&](TObject* sender, TSpellLanguageString id, std::u16string& text) {
    EXPECT_EQ(sender, &spell);
    asked.push_back(id);
    text = u"<" + text + u">";
  };
  EXPECT_EQ(spell.GetString(lsEndMessage), u"<>");
  EXPECT_EQ(spell.GetString(lsDlgChange), u"<" + SpellLanguageText(lsDlgChange, SL::ltHungarian) + u">");
  EXPECT_EQ(asked, (std::vector<TSpellLanguageString>{lsEndMessage, lsDlgChange}));
}

TEST(InterfaceTexts, ThesaurusCaptionNamesTheOpenFile) {
  test::TScratchDir scratch;
  test::WriteText(scratch.Path("src.dat"), "UTF-8\nglad|1\n(adj)|happy\n");
  const auto run = test::RunLexoro({"compile-thesaurus", "--name", "Tiny", "-o", scratch.Path("t.oxt"), scratch.Path("src.dat")});
  ASSERT_EQ(run.Code, 0) << run.Err;

  TLexoroThesaurusBase thesaurus(nullptr);
  EXPECT_EQ(thesaurus.Filename(), u"%AppDir%\\Kelmor.oxt");
  thesaurus.SetFilename(scratch.WPath("t.oxt"));
  thesaurus.Thesaurus().Load();
  ASSERT_TRUE(thesaurus.Thesaurus().Loaded());
  std::u16string text;
  thesaurus.GetString(TS::lsThesaurus, text);
  EXPECT_EQ(text, u"Thesaurus: Tiny");
  thesaurus.GetString(TS::lsDlgClose, text);
  EXPECT_EQ(text, u"&Close");

  thesaurus.SetUILanguage(TL::ltGerman);
  thesaurus.GetString(TS::lsDlgClose, text);
  EXPECT_EQ(text, ThesaurusLanguageText(TS::lsDlgClose, TL::ltGerman));

  // The handler runs before the placeholder is filled, and only the first one is.
  thesaurus.OnGetString = [](TObject*, TThesaurusLanguageString id, std::u16string& value) {
    value = id == TS::lsThesaurus ? u"%name% / %name%" : u"%name%";
  };
  thesaurus.GetString(TS::lsThesaurus, text);
  EXPECT_EQ(text, u"Tiny / %name%");
  thesaurus.GetString(TS::lsDlgLookup, text);
  EXPECT_EQ(text, u"%name%");
}

TEST(InterfaceTexts, OptionCaptionsComeThroughTheController) {
  auto spell = std::make_unique<TLexoroSpellBase>(nullptr);
  TConfigurationDialogCtrl controller(nullptr);
  EXPECT_EQ(controller.GetOptionCaption(soRepeated), u"");
  EXPECT_EQ(controller.GetString(lsDlgChange), u"");

  int available = 0;
  controller.OnConfigurationAvailable = [&](TObject* sender) {
    EXPECT_EQ(sender, &controller);
    ++available;
  };
  controller.LinkComponent(spell.get());
  EXPECT_EQ(available, 1);
  EXPECT_EQ(controller.Component(), spell.get());
  EXPECT_EQ(controller.Configuration(), &spell->Config());

  spell->SetConfigUserOption2(u"Check &legal terms");
  spell->OnGetString = [](TObject*, TSpellLanguageString, std::u16string& text) { text = u"[" + text + u"]"; };
  EXPECT_EQ(controller.GetOptionCaption(soUser2), u"Check &legal terms");
  EXPECT_EQ(controller.GetOptionCaption(soUser4), u"");
  spell->OnGetString = nullptr;
  EXPECT_EQ(controller.GetOptionCaption(soRepeated), u"&Flag repeated words when checking spelling");
  EXPECT_EQ(controller.GetOptionCaption(soLiveSpelling), u"&Show spelling errors as you type");
  EXPECT_EQ(controller.GetString(lsDlgChange), u"C&hange");

  // The first link wins.
  TLexoroSpellBase other(nullptr);
  controller.LinkComponent(&other);
  EXPECT_EQ(controller.Component(), spell.get());
  EXPECT_EQ(available, 1);

  // A component freed under a dialog leaves the controller unlinked, not dangling.
  spell.reset();
  EXPECT_EQ(controller.Component(), nullptr);
  EXPECT_EQ(controller.GetOptionCaption(soRepeated), u"");
  controller.LinkComponent(&other);
  EXPECT_EQ(controller.Component(), &other);
}

// ---- lexoro strings ---------------------------------------------------------------------

std::vector<std::string> Lines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = Text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(Text.substr(start, end - start));
  return lines;
}

TEST(StringsCommand, PrintsOneColumn) {
  auto run = test::RunLexoro({"strings"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 97u);
  EXPECT_EQ(lines[28], "28\tlsDlgChange\tC&hange");
  EXPECT_EQ(lines[37], "37\tlsDlgOptionsLabel\t O&ptions: ");

  run = test::RunLexoro({"strings", "--language", "ltHungarian"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 97u);
  EXPECT_EQ(lines[0], "0\tlsLiveSpelling\tHelyesírási hibák megjelenítése írás közben");
  EXPECT_EQ(lines[58], "58\tlsDlgExcludedWords\t");
  EXPECT_EQ(lines[61], "61\tlsEndMessage\t");

  run = test::RunLexoro({"strings", "--thesaurus", "--language=ltGerman"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[8], "8\tlsDlgNotFound\t" + U8(ThesaurusLanguageText(TS::lsDlgNotFound, TL::ltGerman)));
}

TEST(StringsCommand, RefusesUnknownLanguages) {
  auto run = test::RunLexoro({"strings", "--language", "German"});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("German"), std::string::npos);
  EXPECT_EQ(run.Out, "");
  // The thesaurus has no Catalan column.
  EXPECT_EQ(test::RunLexoro({"strings", "--thesaurus", "--language", "ltCatalan"}).Code, 2);
  EXPECT_EQ(test::RunLexoro({"strings", "extra"}).Code, 2);
}

}  // namespace
}  // namespace lexoro
