// What the Windows stores leave in the system: INI files the system's functions read back, and
// string values in the registry.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "tests/engine/ConfigurationTestSupport.h"
#include "tests/support/TestSupport.h"

namespace lexoro {

namespace test {
void RemoveTestRegistryKey(const std::u16string& KeyPath) {
  RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(KeyPath.c_str()));
  // The parent of every test key goes with the last of them.
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\LexoroTest");
}
}  // namespace test

namespace {

using test::U16;
using test::U8;
using ::testing::ElementsAre;

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> out;
  for (const auto& s : list.Items()) out.push_back(U8(s));
  return out;
}

std::u16string ProfileString(const std::u16string& File, const std::u16string& Section, const std::u16string& Key) {
  wchar_t buffer[512];
  GetPrivateProfileStringW(W(Section), W(Key), L"<absent>", buffer, 512, W(File));
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

class ConfigurationWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FKey = U16("Software\\LexoroTest\\w" + std::to_string(stamp));
    std::filesystem::create_directories(std::filesystem::path(FDir.WPath("cfg")));
  }
  void TearDown() override {
    platform::SetWriteFaultHook({});
    test::RemoveTestRegistryKey(FKey);
  }

  std::unique_ptr<TLexoroSpellBase> MakeSpell(TConfigStorage Storage, const std::u16string& Id) {
    auto spell = std::make_unique<TLexoroSpellBase>(nullptr);
    spell->SetConfigDictionaryDir(TStringList{FDir.WPath("dicts")});
    spell->SetConfigFilename(FFile);
    spell->SetConfigRegistryKey(FKey);
    spell->SetConfigID(Id);
    spell->SetConfigStorage(Storage);
    return spell;
  }

  test::TScratchDir FDir;
  std::u16string FFile = FDir.WPath("cfg/Spell.cfg");
  std::u16string FKey;
};

TEST_F(ConfigurationWin32Test, ANewIniFileIsUnicodeForTheSystemFunctions) {
  const std::u16string id = U16("Пользователь");
  {
    auto spell = MakeSpell(csFile, id);
    spell->Config().GetNewPaths().Add(U16("C:\\Словари"));
  }
  const auto bytes = test::ReadBytes(U8(FFile));
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_TRUE(bytes[0] == 0xFF && bytes[1] == 0xFE);
  EXPECT_EQ(ProfileString(FFile, id, u"_FirstRun"), u"+");
  EXPECT_EQ(U8(ProfileString(FFile, id, u"_NewPaths_0")), "C:\\Словари");
}

TEST_F(ConfigurationWin32Test, AnAnsiFileTurnsUnicodeOnlyWhenAValueNeedsIt) {
  test::WriteText(U8(FFile), "[Other]\r\nName=Caf\xE9\r\n");
  {
    auto spell = MakeSpell(csFile, u"latin");
    spell->Config().GetMainDictionaries().Add(U16("Français.oxm"));
  }
  auto bytes = test::ReadBytes(U8(FFile));
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes[0], '[');  // still ANSI
  EXPECT_EQ(U8(ProfileString(FFile, u"latin", u"_Main_1")), "Français.oxm");
  {
    auto spell = MakeSpell(csFile, u"latin");
    spell->Config().GetMainDictionaries().Add(U16("Русский.oxm"));
  }
  bytes = test::ReadBytes(U8(FFile));
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_TRUE(bytes[0] == 0xFF && bytes[1] == 0xFE);
  EXPECT_EQ(U8(ProfileString(FFile, u"Other", u"Name")), "Café");
  auto spell = MakeSpell(csFile, u"latin");
  EXPECT_THAT(Items(spell->Config().GetMainDictionaries()), ElementsAre("American.oxm", "Français.oxm", "Русский.oxm"));
}

TEST_F(ConfigurationWin32Test, AReadOnlyIniFileIsLeftAsItIs) {
  test::WriteText(U8(FFile), "[tester]\r\n_FirstRun=+\r\n_soHTML=+\r\n");
  SetFileAttributesW(W(FFile), FILE_ATTRIBUTE_READONLY);
  const auto before = test::ReadBytes(U8(FFile));
  {
    auto spell = MakeSpell(csFile, u"tester");
    EXPECT_TRUE(spell->Config().GetOptions().Contains(soHTML));
    spell->Config().SetDialogX(3);
    spell->Config().Save();
    EXPECT_TRUE(spell->Config().Modified());
  }
  EXPECT_EQ(test::ReadBytes(U8(FFile)), before);
  SetFileAttributesW(W(FFile), FILE_ATTRIBUTE_NORMAL);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FDir.WPath("cfg"))))
    names.push_back(U8(entry.path().filename().u16string()));
  EXPECT_THAT(names, ElementsAre("Spell.cfg"));
}

TEST_F(ConfigurationWin32Test, RegistryValuesAreStringsInTheSubkeyOfTheConfigId) {
  const std::u16string id = U16("Пользователь");
  {
    auto spell = MakeSpell(csRegistry, id);
    spell->Config().GetMainDictionaries().Assign(TStringList{U16("Русский.oxm")});
  }
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, W(FKey + u"\\" + id), 0, KEY_QUERY_VALUE, &raw), ERROR_SUCCESS);
  wchar_t buffer[256] = {};
  DWORD size = sizeof(buffer);
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExW(raw, L"_Main_0", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
  RegCloseKey(raw);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(U8(std::u16string(reinterpret_cast<const char16_t*>(buffer))), "Русский.oxm");
}

}  // namespace
}  // namespace lexoro
