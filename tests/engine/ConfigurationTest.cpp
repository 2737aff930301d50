#include "lexoro/engine/ox3Configuration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3IniFile.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "tests/engine/ConfigurationTestSupport.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> out;
  for (const auto& s : list.Items()) out.push_back(U8(s));
  return out;
}

TSpellOptions Options(std::initializer_list<TSpellOption> options) { return TSpellOptions(options); }

// A component whose every store lives in a scratch folder (POSIX: XDG_CONFIG_HOME points
// there) or under a scratch registry key that is deleted afterwards.
class ConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) FOldConfigHome = old;
    setenv("XDG_CONFIG_HOME", FDir.Path("xdg").c_str(), 1);
#endif
    static int counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FRegistryKey = U16("Software\\LexoroTest\\k" + std::to_string(stamp) + "-" + std::to_string(counter++));
    FFile = FDir.WPath("cfg/Spell.cfg");
  }

  void TearDown() override {
    platform::SetWriteFaultHook({});
    test::RemoveTestRegistryKey(FRegistryKey);
#ifndef _WIN32
    if (FOldConfigHome) setenv("XDG_CONFIG_HOME", FOldConfigHome->c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
#endif
  }

  std::unique_ptr<TLexoroSpellBase> MakeSpell(TConfigStorage Storage, const std::u16string& Id = u"tester") {
    auto spell = std::make_unique<TLexoroSpellBase>(nullptr);
    spell->SetConfigDictionaryDir(TStringList{FDir.WPath("dicts")});
    spell->SetConfigFilename(FFile);
    spell->SetConfigRegistryKey(FRegistryKey);
    spell->SetConfigID(Id);
    spell->SetConfigStorage(Storage);
    return spell;
  }

  // What the store of that kind holds under Section.
  std::u16string Stored(TConfigStorage Storage, const std::u16string& Section, const std::u16string& Key) {
    auto store = Storage == csFile ? platform::OpenIniFileStore(FFile, false)
                                   : platform::OpenRegistryStore(FRegistryKey, false);
    return store->ReadString(Section, Key, u"<absent>");
  }

  // The files of the folder that holds the INI file.
  std::vector<std::string> FilesBeside() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FDir.WPath("cfg")), ec))
      names.push_back(U8(entry.path().filename().u16string()));
    return names;
  }

  test::TScratchDir FDir;
  std::u16string FFile;
  std::u16string FRegistryKey;
  std::optional<std::string> FOldConfigHome;
};

TEST_F(ConfigurationTest, FirstRunOnAnEmptyMachineTakesTheDefaultsAndRecordsItself) {
  const std::u16string user = ExpandNameMacros(u"%UserName%");
  auto spell = MakeSpell(csFile, u"%UserName%");
  std::vector<bool> firstLoads;
  int saved = 0;
  spell->OnConfigBeforeLoad = [&](TObject*, bool FirstLoad) { firstLoads.push_back(FirstLoad); };
  spell->OnConfigSaved = [&](TObject*) { ++saved; };
  TLexoroConfig& config = spell->Config();
  EXPECT_FALSE(config.Loaded());

  // The first word check loads the settings.
  (void)spell->WordAcceptable(u"word");
  EXPECT_TRUE(config.Loaded());
  EXPECT_THAT(Items(config.GetMainDictionaries()), ElementsAre("American.oxm"));
  EXPECT_THAT(firstLoads, ElementsAre(true));
  EXPECT_THAT(Items(config.GetCustomDictionaries()), ElementsAre("Autocorrect.oxu", U8(user) + ".oxu"));
  EXPECT_EQ(config.GetActiveCustom(), user + u".oxu");
  EXPECT_EQ(config.GetOptions().Value(), 1699u);
  EXPECT_EQ(config.GetQuoteChars(), u">");
  EXPECT_EQ(config.GetDialogX(), -1);
  EXPECT_EQ(config.GetDialogY(), -1);
  EXPECT_THAT(Items(config.GetNewPaths()), IsEmpty());
  EXPECT_THAT(Items(config.GetMSWordCustomDictionaries()), IsEmpty());
  // Loading wrote nothing; the load itself marks the settings for the next save.
  EXPECT_FALSE(platform::FileExists(FFile));
  EXPECT_TRUE(config.Modified());

  config.Save();
  EXPECT_EQ(saved, 1);
  EXPECT_FALSE(config.Modified());
  EXPECT_EQ(Stored(csFile, user, u"_FirstRun"), u"+");
  EXPECT_EQ(Stored(csFile, user, u"_Main_0"), u"American.oxm");
  EXPECT_EQ(Stored(csFile, user, u"_ActiveCustom"), user + u".oxu");

  auto again = MakeSpell(csFile, u"%UserName%");
  again->OnConfigBeforeLoad = [&](TObject*, bool FirstLoad) { firstLoads.push_back(FirstLoad); };
  EXPECT_EQ(again->Config().GetOptions().Value(), 1699u);
  EXPECT_THAT(firstLoads, ElementsAre(true, false));
  EXPECT_THAT(Items(again->Config().GetCustomDictionaries()), ElementsAre("Autocorrect.oxu", U8(user) + ".oxu"));
}

// Every setting, with text that no ANSI code page holds, through each kind of store.
class ConfigurationRoundTripTest : public ConfigurationTest, public ::testing::WithParamInterface<TConfigStorage> {};

TEST_P(ConfigurationRoundTripTest, EverySettingSurvivesSaveAndLoad) {
  const TConfigStorage storage = GetParam();
  const std::u16string id = U16("Пользователь Ω");
  const std::u16string folder = U16(FDir.Path("Словари/日本語"));
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> callbackStore;
  auto wire = [&](TLexoroSpellBase& spell) {
    spell.OnConfigReadString = [&](TObject*, const std::u16string& Id, const std::u16string& Key,
                                   const std::u16string&, std::u16string& Value) {
      if (auto it = callbackStore.find({Id, Key}); it != callbackStore.end()) Value = it->second;
    };
    spell.OnConfigWriteString = [&](TObject*, const std::u16string& Id, const std::u16string& Key,
                                    const std::u16string& Value) { callbackStore[{Id, Key}] = Value; };
  };

  {
    auto spell = MakeSpell(storage, id);
    wire(*spell);
    TLexoroConfig& config = spell->Config();
    config.GetMainDictionaries().Assign(TStringList{U16("Русский.oxm"), u"American.oxm"});
    config.GetMSWordCustomDictionaries().Add(U16("C:\\Proof\\Ωmega.dic"));
    config.SetActiveCustom(U16("Личный.oxu"));
    config.SetOptions(Options({soUpcase, soQuoted, soUser4}));
    config.SetDialogX(120);
    config.SetDialogY(-5);
    config.SetQuoteChars(U16(" »|"));
    config.GetNewPaths().Add(folder);
    config.SetUserData(U16("Цвет"), U16("синий"));
    config.SetUserData(u"Empty", u"");
  }  // destroying the component saves

  auto spell = MakeSpell(storage, id);
  wire(*spell);
  bool firstLoad = true;
  spell->OnConfigBeforeLoad = [&](TObject*, bool FirstLoad) { firstLoad = FirstLoad; };
  TLexoroConfig& config = spell->Config();
  EXPECT_THAT(Items(config.GetMainDictionaries()), ElementsAre("Русский.oxm", "American.oxm"));
  EXPECT_FALSE(firstLoad);
  EXPECT_EQ(config.ConfigID(), id);
  EXPECT_THAT(Items(config.GetCustomDictionaries()),
              ElementsAre("Autocorrect.oxu", "Пользователь Ω.oxu", "Личный.oxu"));
  EXPECT_EQ(U8(config.GetActiveCustom()), "Личный.oxu");
  EXPECT_THAT(Items(config.GetMSWordCustomDictionaries()), ElementsAre("C:\\Proof\\Ωmega.dic"));
  EXPECT_EQ(config.GetOptions(), Options({soUpcase, soQuoted, soUser4}));
  EXPECT_EQ(config.GetDialogX(), 120);
  EXPECT_EQ(config.GetDialogY(), -5);
  EXPECT_EQ(U8(config.GetQuoteChars()), " »|");
  EXPECT_THAT(Items(config.GetNewPaths()), ElementsAre(U8(folder)));
  EXPECT_EQ(U8(config.GetUserData(U16("Цвет"))), "синий");
  EXPECT_EQ(config.GetUserData(u"Empty"), u"");
  EXPECT_THAT(Items(config.UserNames()), ElementsAre("Цвет", "Empty"));

  if (storage == csFile) {
    // Files made here are UTF-16 with a byte-order mark on Windows (so that the INI functions
    // keep them Unicode) and UTF-8 without one elsewhere.
    const auto bytes = test::ReadBytes(U8(FFile));
    ASSERT_GE(bytes.size(), 2u);
#ifdef _WIN32
    EXPECT_TRUE(bytes[0] == 0xFF && bytes[1] == 0xFE);
#else
    EXPECT_EQ(bytes[0], '[');
#endif
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, ConfigurationRoundTripTest, ::testing::Values(csFile, csRegistry, csCallback),
                         [](const auto& info) {
                           return std::string(info.param == csFile       ? "File"
                                              : info.param == csRegistry ? "Registry"
                                                                         : "Callback");
                         });

TEST_F(ConfigurationTest, StoredValuesAreDecodedByTheKeyTable) {
  std::filesystem::create_directories(std::filesystem::path(FDir.WPath("cfg")));
  test::WriteText(U8(FFile),
                  "[tester]\r\n"
                  "_FirstRun=+\r\n"
                  "_Main_count=zwei\r\n"
                  "_Main_0=ignored.oxm\r\n"
                  "_Custom_count=2\r\n"
                  "_Custom_0=\r\n"
                  "_Custom_1=b.oxu\r\n"
                  "_MSWordCustom_count=99999999\r\n"
                  "_MSWordCustom_3=x.dic\r\n"
                  "_soUpcase=yes\r\n"
                  "_soNumbers=+\r\n"
                  "_soHTML=-\r\n"
                  "_DialogX=12x\r\n"
                  "_DialogY=7\r\n"
                  "_NewPaths_count=-1\r\n"
                  "_UserData_count=1\r\n"
                  "_UserData_0=k\r\n"
                  "User_k=v\r\n");
  auto spell = MakeSpell(csFile);
  TLexoroConfig& config = spell->Config();
  EXPECT_THAT(Items(config.GetMainDictionaries()), IsEmpty());
  EXPECT_THAT(Items(config.GetCustomDictionaries()), ElementsAre("b.oxu"));
  // A count beyond reason is cut, not followed to the end.
  EXPECT_THAT(Items(config.GetMSWordCustomDictionaries()), ElementsAre("x.dic"));
  EXPECT_EQ(config.GetActiveCustom(), u"");
  // Only "+" sets an option; absent options are off, whatever the defaults say.
  EXPECT_EQ(config.GetOptions(), Options({soNumbers}));
  EXPECT_EQ(config.GetDialogX(), -1);
  EXPECT_EQ(config.GetDialogY(), 7);
  EXPECT_THAT(Items(config.GetNewPaths()), IsEmpty());
  EXPECT_EQ(config.GetQuoteChars(), u"");
  EXPECT_EQ(config.GetUserData(u"K"), u"v");
}

TEST_F(ConfigurationTest, CallbackStoreWritesTheKeyTableInOrder) {
  auto spell = MakeSpell(csCallback);
  std::vector<std::string> written;
  spell->OnConfigWriteString = [&](TObject* Sender, const std::u16string& Id, const std::u16string& Key,
                                   const std::u16string& Value) {
    EXPECT_EQ(Sender, spell.get());
    EXPECT_EQ(Id, u"tester");
    written.push_back(U8(Key) + "=" + U8(Value));
  };
  TLexoroConfig& config = spell->Config();
  config.GetNewPaths().Add(u"/b");
  config.GetNewPaths().Add(u"/A");
  config.SetUserData(u"n", u"v");
  config.Save();
  EXPECT_THAT(written,
              ElementsAre("_FirstRun=+", "_Main_count=1", "_Main_0=American.oxm", "_Custom_count=2",
                          "_Custom_0=Autocorrect.oxu", "_Custom_1=tester.oxu", "_MSWordCustom_count=0",
                          "_ActiveCustom=tester.oxu", "_soUpcase=-", "_soNumbers=-", "_soHTML=-", "_soInternet=+",
                          "_soQuoted=-", "_soAbbreviations=+", "_soPrimaryOnly=-", "_soRepeated=+", "_soDUalCaps=+",
                          "_soLiveSpelling=+", "_soLiveCorrect=+", "_soUser1=-", "_soUser2=-", "_soUser3=-",
                          "_soUser4=-", "_DialogX=-1", "_DialogY=-1", "_NewPaths_count=2", "_NewPaths_0=/A",
                          "_NewPaths_1=/b", "_QuoteChars=>", "_UserData_count=1", "_UserData_0=n", "User_n=v"));

  // Nothing is written while nothing changed.
  written.clear();
  config.Save();
  EXPECT_THAT(written, IsEmpty());
}

TEST_F(ConfigurationTest, StoresWithoutAnAnswerMakeEveryLoadAFirstRun) {
  for (TConfigStorage storage : {csNone, csCallback}) {
    SCOPED_TRACE(static_cast<int>(storage));
    auto spell = MakeSpell(storage);
    int writes = 0;
    int saved = 0;
    if (storage == csNone)
      spell->OnConfigWriteString = [&](TObject*, const std::u16string&, const std::u16string&,
                                       const std::u16string&) { ++writes; };
    spell->OnConfigSaved = [&](TObject*) { ++saved; };
    TLexoroConfig& config = spell->Config();
    config.EnsureLoaded();
    config.SetOptions(Options({soHTML}));
    config.SetLoaded(false);
    EXPECT_FALSE(config.Loaded());
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(config.GetOptions().Value(), 1699u);
    EXPECT_EQ(writes, 0);
  }
  EXPECT_FALSE(platform::FileExists(FFile));
  EXPECT_EQ(Stored(csRegistry, u"tester", u"_FirstRun"), u"<absent>");
}

TEST_F(ConfigurationTest, UserDataSetFirstLoadsTheStoredSettingsBeforeStoringThePair) {
  {
    auto spell = MakeSpell(csFile);
    spell->Config().GetMainDictionaries().Assign(TStringList{u"Stored.oxm"});
    spell->Config().SetUserData(u"Size", u"10");
  }
  auto spell = MakeSpell(csFile);
  TLexoroConfig& config = spell->Config();
  config.SetUserData(u"Color", u"blue");
  EXPECT_TRUE(config.Loaded());
  EXPECT_THAT(Items(config.GetMainDictionaries()), ElementsAre("Stored.oxm"));
  config.SetUserData(u"size", u"12");  // names compare without case
  EXPECT_THAT(Items(config.UserNames()), ElementsAre("Size", "Color"));
  EXPECT_THAT(Items(config.UserValues()), ElementsAre("12", "blue"));
  config.Save();
  EXPECT_EQ(Stored(csFile, u"tester", u"_UserData_count"), u"2");
  EXPECT_EQ(Stored(csFile, u"tester", u"User_Size"), u"12");
  EXPECT_EQ(Stored(csFile, u"tester", u"User_Color"), u"blue");
}

TEST_F(ConfigurationTest, AnExistingAnsiFileIsStillRead) {
  std::filesystem::create_directories(std::filesystem::path(FDir.WPath("cfg")));
  test::WriteText(U8(FFile),
                  "[Other]\r\nName=Caf\xE9\r\n\r\n"
                  "[tester]\r\n_FirstRun=+\r\n_Main_count=1\r\n_Main_0=Fran\xE7" "ais.oxm\r\n");
  {
    auto spell = MakeSpell(csFile);
    EXPECT_THAT(Items(spell->Config().GetMainDictionaries()), ElementsAre("Français.oxm"));
    spell->Config().GetCustomDictionaries().Add(U16("Русский.oxu"));
  }
  auto spell = MakeSpell(csFile);
  EXPECT_THAT(Items(spell->Config().GetMainDictionaries()), ElementsAre("Français.oxm"));
  EXPECT_THAT(Items(spell->Config().GetCustomDictionaries()), ElementsAre("Русский.oxu"));
  EXPECT_EQ(U8(Stored(csFile, u"Other", u"Name")), "Café");
}

// Whichever step of a save fails, the file holds either the previous settings or the new
// ones, nothing is left beside it, and a failed save stays pending.
TEST_F(ConfigurationTest, AFailingWriteLeavesNoHalfWrittenFile) {
  auto spell = MakeSpell(csFile);
  int saved = 0;
  spell->OnConfigSaved = [&](TObject*) { ++saved; };
  TLexoroConfig& config = spell->Config();
  config.EnsureLoaded();
  config.Save();
  const auto before = test::ReadBytes(U8(FFile));
  config.GetMainDictionaries().Add(u"Second.oxm");
  config.SetUserData(u"n", u"v");

  for (int failAt = 1;; ++failAt) {
    ASSERT_LT(failAt, 500);
    int calls = 0;
    platform::SetWriteFaultHook([&] { return ++calls == failAt; });
    saved = 0;
    config.Save();
    platform::SetWriteFaultHook({});
    EXPECT_THAT(FilesBeside(), ElementsAre("Spell.cfg")) << failAt;
    if (calls < failAt) {  // no step failed
      EXPECT_EQ(saved, 1);
      EXPECT_FALSE(config.Modified());
      break;
    }
    EXPECT_EQ(test::ReadBytes(U8(FFile)), before) << failAt;
    EXPECT_EQ(saved, 0) << failAt;
    EXPECT_TRUE(config.Modified()) << failAt;
  }
  EXPECT_EQ(Stored(csFile, u"tester", u"_Main_1"), u"Second.oxm");
  EXPECT_EQ(Stored(csFile, u"tester", u"User_n"), u"v");
}

TEST_F(ConfigurationTest, AFileThatCannotBeReadIsNeverReplaced) {
  // A folder where the file should be: the load falls back to the defaults, and the save
  // fails instead of putting a file there.
  std::filesystem::create_directories(std::filesystem::path(FFile));
  auto spell = MakeSpell(csFile);
  EXPECT_EQ(spell->Config().GetOptions().Value(), 1699u);
  spell->Config().Save();
  EXPECT_TRUE(spell->Config().Modified());
  EXPECT_TRUE(platform::DirectoryExists(FFile));
}

TEST_F(ConfigurationTest, ResetToDefaultsSavesThenLoadsAsAFirstRun) {
  {
    auto spell = MakeSpell(csFile);
    TLexoroConfig& config = spell->Config();
    config.GetMainDictionaries().Assign(TStringList{u"British.oxm"});
    config.GetCustomDictionaries().Assign(TStringList{u"tester.oxu", u"Extra.oxu"});
    config.SetOptions(Options({soNumbers}));
    config.SetDialogX(5);
    config.SetQuoteChars(u"|");
    config.GetNewPaths().Add(u"/somewhere");
  }
  auto spell = MakeSpell(csFile);
  spell->SetQuoteChars(u"#");
  std::vector<bool> firstLoads;
  spell->OnConfigBeforeLoad = [&](TObject*, bool FirstLoad) { firstLoads.push_back(FirstLoad); };
  TLexoroConfig& config = spell->Config();
  EXPECT_EQ(config.GetOptions(), Options({soNumbers}));
  config.SetDialogY(9);  // saved by the reset before the defaults come back

  config.ResetToDefaults();
  EXPECT_THAT(firstLoads, ElementsAre(false, true));
  EXPECT_EQ(Stored(csFile, u"tester", u"_DialogY"), u"9");
  EXPECT_THAT(Items(config.GetMainDictionaries()), ElementsAre("American.oxm"));
  // The default active entry is in the list again, even though it was active before.
  EXPECT_THAT(Items(config.GetCustomDictionaries()), ElementsAre("Autocorrect.oxu", "tester.oxu"));
  EXPECT_EQ(config.GetActiveCustom(), u"tester.oxu");
  EXPECT_EQ(config.GetOptions().Value(), 1699u);
  EXPECT_EQ(config.GetDialogX(), -1);
  EXPECT_EQ(config.GetDialogY(), -1);
  EXPECT_EQ(config.GetQuoteChars(), u"#");
  EXPECT_THAT(Items(config.GetNewPaths()), IsEmpty());

  config.Save();
  EXPECT_EQ(Stored(csFile, u"tester", u"_Main_0"), u"American.oxm");
  EXPECT_EQ(Stored(csFile, u"tester", u"_DialogY"), u"-1");
}

TEST_F(ConfigurationTest, ReloadAndSetLoadedFalseReadTheStoreAgain) {
  for (TConfigStorage storage : {csFile, csRegistry}) {
    SCOPED_TRACE(static_cast<int>(storage));
    auto first = MakeSpell(storage);
    TLexoroConfig& config = first->Config();
    config.EnsureLoaded();
    config.Save();

    // Another component changes the store; a clean configuration reloads without writing.
    {
      auto other = MakeSpell(storage);
      other->Config().EnsureLoaded();
      other->Config().SetOptions(Options({soHTML}));
    }
    config.Reload();
    EXPECT_EQ(config.GetOptions(), Options({soHTML}));

    // SetLoaded(false) saves what is pending and forgets the rest until the next access.
    config.Save();
    config.SetOptions(Options({soNumbers}));
    config.SetLoaded(false);
    EXPECT_FALSE(config.Loaded());
    {
      auto other = MakeSpell(storage);
      EXPECT_EQ(other->Config().GetOptions(), Options({soNumbers}));
      other->Config().SetDialogX(42);
    }
    EXPECT_EQ(config.GetDialogX(), 42);
    EXPECT_TRUE(config.Loaded());
  }
}

TEST_F(ConfigurationTest, ChangingTheConfigIdSavesTheOldSectionAndLoadsTheNewOne) {
  auto spell = MakeSpell(csFile, u"one");
  spell->Config().EnsureLoaded();
  spell->Config().SetOptions(Options({soHTML}));
  spell->SetConfigID(u"two");
  EXPECT_EQ(spell->Config().GetOptions().Value(), 1699u);
  EXPECT_EQ(spell->Config().GetActiveCustom(), u"two.oxu");
  EXPECT_EQ(Stored(csFile, u"one", u"_soHTML"), u"+");
  EXPECT_EQ(Stored(csFile, u"two", u"_FirstRun"), u"<absent>");
}

TEST_F(ConfigurationTest, HandlersThatAskForSettingsWhileLoadingDoNotLoadAgain) {
  auto spell = MakeSpell(csFile);
  int beforeLoad = 0;
  int loaded = 0;
  spell->OnConfigBeforeLoad = [&](TObject*, bool) {
    ++beforeLoad;
    (void)spell->Config().GetOptions();
  };
  spell->OnConfigLoaded = [&](TObject*) {
    ++loaded;
    EXPECT_THAT(Items(spell->Config().GetMainDictionaries()), ElementsAre("American.oxm"));
  };
  EXPECT_EQ(spell->Config().GetOptions().Value(), 1699u);
  EXPECT_EQ(beforeLoad, 1);
  EXPECT_EQ(loaded, 1);
}

TEST_F(ConfigurationTest, NothingIsSavedInDesignMode) {
  auto spell = MakeSpell(csFile);
  spell->Config().EnsureLoaded();
  spell->Config().SetOptions(Options({soHTML}));
  spell->SetDesigning(true);
  spell->Config().Save();
  EXPECT_FALSE(platform::FileExists(FFile));
  EXPECT_TRUE(spell->Config().Modified());
}

}  // namespace

namespace test {
#ifndef _WIN32
// The stand-in file lives in the test's own XDG_CONFIG_HOME, which goes with the scratch folder.
void RemoveTestRegistryKey(const std::u16string& KeyPath) { platform::RemoveFile(platform::RegistryStandInFile(KeyPath)); }
#endif
}  // namespace test

}  // namespace lexoro
