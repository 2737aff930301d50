// The dictionary set of the spell component: first load, folders and listings, reordering,
// custom dictionary management, Office word lists and releasing between checks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "lexoro/dictionaries/ox3Util.h"
#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::Items;
using test::U16;
using test::U8;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

std::u16string NameOf(const std::u16string& path) {
  const std::size_t at = path.find_last_of(u"/\\");
  return at == std::u16string::npos ? path : path.substr(at + 1);
}

TEST(SpellDictionarySetTest, FirstRunOnAnEmptyMachineLoadsTheDefaultSet) {
  test::TScratchDir dir;
  test::WriteMainDictionary(dir.WPath("American.oxm"), {u"hello"});
  test::WriteCustomDictionary(dir.WPath("Autocorrect.oxu"), "teh\tthe\n");
  std::map<std::u16string, std::u16string> written;  // outlives the component, which saves when freed
  TLexoroSpellBase spell(nullptr);
  spell.OnConfigWriteString = [&](TObject*, const std::u16string& id, const std::u16string& key,
                                  const std::u16string& value) { written[id + u"/" + key] = value; };
  spell.SetConfigStorage(csCallback);
  spell.SetConfigID(u"user");
  spell.SetConfigDictionaryDir(TStringList{U16(dir.Root())});
  spell.SetSuggestionsLearning(false);
  EXPECT_TRUE(spell.MainDictionaries().empty());  // nothing is read before the first word

  EXPECT_TRUE(spell.WordAcceptable(u"hello"));
  ASSERT_EQ(spell.MainDictionaries().size(), 1u);
  EXPECT_EQ(spell.MainDictionaries()[0]->ConfigurationName(), u"American.oxm");
  ASSERT_EQ(spell.CustomDictionaries().size(), 1u);
  EXPECT_EQ(NameOf(spell.CustomDictionaries()[0]->FileName()), u"Autocorrect.oxu");
  ASSERT_NE(spell.ActiveCustomDictionary(), nullptr);
  EXPECT_EQ(NameOf(spell.ActiveCustomDictionary()->FileName()), u"user.oxu");
  EXPECT_EQ(spell.Config().GetOptions().Value(), 1699u);
  EXPECT_EQ(spell.Config().GetQuoteChars(), u">");
  EXPECT_TRUE(spell.English());
  EXPECT_TRUE(spell.LiveSpelling());
  EXPECT_FALSE(spell.PrimaryOnly());
  EXPECT_EQ(spell.IgnoreFilters().Count(), 2u);  // addresses and abbreviations

  spell.Config().Save();
  EXPECT_EQ(written[u"user/_FirstRun"], u"+");
  EXPECT_EQ(written[u"user/_ActiveCustom"], u"user.oxu");
}

TEST(SpellDictionarySetTest, TheFirstOfTwoFoldersWinsAndNamesAreListedOnce) {
  test::TScratchDir a, b;
  test::WriteMainDictionary(a.WPath("American.oxm"), {u"alpha"});
  test::WriteMainDictionary(b.WPath("American.oxm"), {u"beta"});
  test::WriteMainDictionary(b.WPath("British.oxm"), {u"colour"}, 2057);
  test::WriteCustomDictionary(b.WPath("Extra.oxu"), "gamma\n");
  auto spell = test::MakeSpell(U16(a.Root()), TStringList{u"American.oxm"}, TStringList{}, u"");
  TStringList folders{U16(a.Root()), U16(b.Root())};
  spell->SetConfigDictionaryDir(folders);

  EXPECT_TRUE(spell->WordAcceptable(u"alpha"));
  EXPECT_FALSE(spell->WordAcceptable(u"beta"));
  EXPECT_THAT(Items(spell->MainDictionaryFiles()), ElementsAre("American.oxm", "British.oxm"));
  EXPECT_THAT(Items(spell->CustomDictionaryFiles()), ElementsAre("Extra.oxu"));
}

TEST(SpellDictionarySetTest, EditingTheFolderListRebuildsTheSet) {
  test::TScratchDir empty, full;
  test::WriteMainDictionary(full.WPath("American.oxm"), {u"alpha"});
  auto spell = test::MakeSpell(U16(empty.Root()), TStringList{u"American.oxm"}, TStringList{}, u"");
  EXPECT_FALSE(spell->WordAcceptable(u"alpha"));
  spell->ConfigDictionaryDir().Add(U16(full.Root()));
  EXPECT_TRUE(spell->WordAcceptable(u"alpha"));
}

TEST(SpellDictionarySetTest, TheMostSuccessfulMainDictionaryMovesFirstEveryHundredWords) {
  test::TScratchDir dir;
  test::WriteMainDictionary(dir.WPath("One.oxm"), {u"one"}, 1033);
  test::WriteMainDictionary(dir.WPath("Two.oxm"), {u"two"}, 1031);
  auto make = [&] { return test::MakeSpell(U16(dir.Root()), TStringList{u"One.oxm", u"Two.oxm"}, TStringList{}, u""); };
  auto check = [](TLexoroSpellBase& spell, const std::u16string& word, int times) {
    for (int i = 0; i < times; ++i) {
      spell.WordAcceptable(word);
      spell.CountCheckedWord();
    }
  };
  auto spell = make();
  check(*spell, u"one", 30);
  check(*spell, u"two", 69);
  EXPECT_EQ(spell->MainLanguage(), 1033);  // 99 words: not yet
  check(*spell, u"two", 1);
  EXPECT_EQ(spell->MainLanguage(), 1031);
  EXPECT_EQ(spell->MainDictionaries()[0]->ConfigurationName(), u"Two.oxm");
  EXPECT_EQ(spell->SuggestionsGenerator().Language(), 1031);
  // The countdown ran out: nothing moves until it is reset.
  check(*spell, u"one", 200);
  EXPECT_EQ(spell->MainLanguage(), 1031);

  // Equal counts: the earlier dictionary stays first.
  auto even = make();
  check(*even, u"two", 50);
  check(*even, u"one", 50);
  EXPECT_EQ(even->MainLanguage(), 1033);
}

TEST(SpellDictionarySetTest, ReloadingReusesOpenMainDictionariesByName) {
  test::TScratchDir dir;
  test::WriteMainDictionary(dir.WPath("American.oxm"), {u"alpha"});
  auto spell = test::MakeSpell(U16(dir.Root()), TStringList{u"American.oxm"}, TStringList{}, u"");
  ASSERT_TRUE(spell->WordAcceptable(u"alpha"));
  const TMainDictionary* before = spell->MainDictionaries()[0].get();
  spell->Config().GetMainDictionaries().Add(u"Missing.oxm");  // skipped silently
  ASSERT_EQ(spell->MainDictionaries().size(), 1u);
  EXPECT_EQ(spell->MainDictionaries()[0].get(), before);
  EXPECT_EQ(spell->MainDictionaries()[0]->WordsFound(), 1);
}

class SpellCustomDictionariesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteMainDictionary(FDir.WPath("American.oxm"), {u"hello"});
    test::WriteCustomDictionary(FDir.WPath("Autocorrect.oxu"), "teh\tthe\n");
    test::WriteCustomDictionary(FDir.WPath("user.oxu"), "zyx\n");
    FSpell = test::MakeSpell(U16(FDir.Root()), TStringList{u"American.oxm"}, TStringList{u"Autocorrect.oxu"},
                             u"user.oxu");
    FSpell->Config().EnsureLoaded();
  }

  std::vector<std::string> Configured() { return Items(FSpell->Config().GetCustomDictionaries()); }
  std::u16string Active() { return FSpell->Config().GetActiveCustom(); }

  test::TScratchDir FDir;
  std::unique_ptr<TLexoroSpellBase> FSpell;
};

TEST_F(SpellCustomDictionariesTest, DeactivatingTheActiveOneMakesTheFirstRemainingActive) {
  EXPECT_THAT(Configured(), ElementsAre("Autocorrect.oxu", "user.oxu"));
  EXPECT_TRUE(FSpell->WordAcceptable(u"zyx"));
  FSpell->SetCustomDictionaryActive(u"user.oxu", false);
  EXPECT_THAT(Configured(), ElementsAre("Autocorrect.oxu"));
  EXPECT_EQ(Active(), u"Autocorrect.oxu");
  EXPECT_FALSE(FSpell->WordAcceptable(u"zyx"));
  ASSERT_NE(FSpell->ActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(FSpell->CustomDictionaries().empty());

  FSpell->SetCustomDictionaryActive(u"user.oxu", true);
  EXPECT_THAT(Configured(), ElementsAre("Autocorrect.oxu", "user.oxu"));
  EXPECT_TRUE(FSpell->WordAcceptable(u"zyx"));
}

TEST_F(SpellCustomDictionariesTest, NewRenameAndTheirFailures) {
  FSpell->NewCustomDictionary(u"Medical.dic");
  EXPECT_TRUE(platform::FileExists(FDir.WPath("Medical.oxu")));
  EXPECT_THAT(Configured(), Contains("Medical.oxu"));
  EXPECT_THAT(Items(FSpell->CustomDictionaryFiles()), Contains("Medical.oxu"));

  // Onto an existing file, onto itself, or from an unknown entry: nothing changes.
  EXPECT_FALSE(FSpell->RenameCustomDictionary(u"Medical.oxu", u"Autocorrect.oxu"));
  EXPECT_FALSE(FSpell->RenameCustomDictionary(u"Medical.oxu", u"Medical.oxu"));
  EXPECT_FALSE(FSpell->RenameCustomDictionary(u"Nothing.oxu", u"Other.oxu"));
  EXPECT_TRUE(platform::FileExists(FDir.WPath("Medical.oxu")));
  EXPECT_THAT(Configured(), ElementsAre("Autocorrect.oxu", "user.oxu", "Medical.oxu"));

  ASSERT_TRUE(FSpell->RenameCustomDictionary(u"Medical.oxu", u"Legal.oxu"));
  EXPECT_FALSE(platform::FileExists(FDir.WPath("Medical.oxu")));
  EXPECT_TRUE(platform::FileExists(FDir.WPath("Legal.oxu")));
  EXPECT_THAT(Configured(), ElementsAre("Autocorrect.oxu", "user.oxu", "Legal.oxu"));
}

TEST_F(SpellCustomDictionariesTest, RenamingTheActiveOneKeepsItsWordsAndRole) {
  FSpell->ActiveCustomDictionary()->AddWord(u"unsaved");
  ASSERT_TRUE(FSpell->RenameCustomDictionary(u"user.oxu", u"mine"));
  EXPECT_EQ(Active(), u"mine.oxu");
  EXPECT_FALSE(platform::FileExists(FDir.WPath("user.oxu")));
  EXPECT_TRUE(FSpell->WordAcceptable(u"zyx"));
  EXPECT_TRUE(FSpell->WordAcceptable(u"unsaved"));
  FSpell.reset();
  // Nothing wrote the old file back.
  EXPECT_FALSE(platform::FileExists(FDir.WPath("user.oxu")));
}

TEST_F(SpellCustomDictionariesTest, OpeningADictionarySeesUnsavedWordsOfAnotherInstance) {
  FSpell->ActiveCustomDictionary()->AddWord(u"fresh");
  auto second = FSpell->OpenCustomDictionary(u"user.oxu");
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->IsAdded(u"fresh"));
}

TEST_F(SpellCustomDictionariesTest, ReleasingSavesCustomDictionariesUnlessKeptActive) {
  FSpell->SetKeepDictionariesActive(true);
  FSpell->ActiveCustomDictionary()->AddWord(u"kept");
  FSpell->ReleaseDictionaries();
  EXPECT_TRUE(FSpell->ActiveCustomDictionary()->Loaded());
  FSpell->SetKeepDictionariesActive(false);  // releases
  EXPECT_FALSE(FSpell->ActiveCustomDictionary()->Loaded());
  EXPECT_FALSE(FSpell->MainDictionaries()[0]->Active());
  TCustomDictionary reread;
  reread.SetFileName(FDir.WPath("user.oxu"));
  EXPECT_TRUE(reread.IsAdded(u"kept"));
  // Released dictionaries come back on their next use.
  EXPECT_TRUE(FSpell->WordAcceptable(u"hello"));
  EXPECT_TRUE(FSpell->WordAcceptable(u"kept"));
}

#ifndef _WIN32
TEST_F(SpellCustomDictionariesTest, DeletingMovesTheFileAwayAndForgetsTheEntry) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_DATA_HOME", FDir.Path("trash-home").c_str(), 1);
  test::WriteCustomDictionary(FDir.WPath("Old.oxu"), "word\n");
  FSpell->SetCustomDictionaryActive(u"Old.oxu", true);
  EXPECT_TRUE(FSpell->DeleteCustomDictionary(u"Old.oxu", false));
  EXPECT_FALSE(platform::FileExists(FDir.WPath("Old.oxu")));
  EXPECT_THAT(Configured(), Not(Contains("Old.oxu")));
  // An entry whose file is gone is simply forgotten.
  FSpell->Config().GetCustomDictionaries().Add(u"Gone.oxu");
  EXPECT_TRUE(FSpell->DeleteCustomDictionary(u"Gone.oxu", false));
  EXPECT_THAT(Configured(), Not(Contains("Gone.oxu")));
  if (old) setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
}
#endif

TEST_F(SpellCustomDictionariesTest, OfficeWordListsInEveryEncoding) {
  test::WriteBytes(FDir.Path("utf8.dic"), {0xEF, 0xBB, 0xBF, 'c', 'a', 'f', 0xC3, 0xA9, '\r', '\n', 'o', 'n', 'e'});
  test::WriteBytes(FDir.Path("utf16le.dic"), {0xFF, 0xFE, 'n', 0, 'a', 0, 0xEF, 0, 'v', 0, 'e', 0, '\n', 0});
  test::WriteBytes(FDir.Path("utf16be.dic"), {0xFE, 0xFF, 0, 'b', 0, 'i', 0, 'g', 0, '\r'});
  test::WriteBytes(FDir.Path("ansi.dic"), {'r', 0xE9, 's', 'u', 'm', 0xE9, '\r', 'x', 'y'});
  for (const char* name : {"utf8.dic", "utf16le.dic", "utf16be.dic", "ansi.dic", "missing.dic"})
    FSpell->SetMSWordDictionaryActive(FDir.WPath(name), true);
  EXPECT_EQ(FSpell->Config().GetMSWordCustomDictionaries().Count(), 4);  // only existing files
  for (const char16_t* word : {u"caf\u00e9", u"one", u"na\u00efve", u"big", u"r\u00e9sum\u00e9", u"xy"})
    EXPECT_TRUE(FSpell->WordAcceptable(word)) << U8(word);
  FSpell->SetMSWordDictionaryActive(FDir.WPath("ansi.dic"), false);
  EXPECT_FALSE(FSpell->WordAcceptable(u"r\u00e9sum\u00e9"));
}

TEST(SpellPathTest, ConfigIdAndMacrosExpandInPaths) {
  TLexoroSpellBase spell(nullptr);
  spell.SetConfigStorage(csNone);
  spell.SetConfigID(u"%UserName%-x");
  EXPECT_EQ(spell.ExpandPath(u"%ConfigID%.oxu"), ExpandNameMacros(u"%UserName%") + u"-x.oxu");
  EXPECT_EQ(spell.ExpandConfigID(u"a %ConfigID% b"), u"a " + ExpandNameMacros(u"%UserName%") + u"-x b");
  EXPECT_EQ(spell.ExpandPath(u"plain"), u"plain");
}

}  // namespace
}  // namespace lexoro
