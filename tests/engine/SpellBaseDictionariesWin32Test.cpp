// Office custom dictionaries found through the registry (Windows only).
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::Items;
using test::U16;
using ::testing::ElementsAre;

constexpr wchar_t kKey[] = L"Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";

void SetValue(const wchar_t* name, const std::u16string& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void ClearValues() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
  for (const wchar_t* name : {L"1", L"2", L"3", L"4", L"5", L"6"}) RegDeleteValueW(key, name);
  RegCloseKey(key);
}

std::u16string Backslashed(std::u16string path) {
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}

TEST(SpellOfficeDictionariesWin32Test, RegistryValuesNameFullPathsAndFilesOfTheProofFolders) {
  test::TScratchDir dir;
  const std::u16string full = Backslashed(dir.WPath("office.dic"));
  test::WriteText(test::U8(full), "word\r\n");
  const std::u16string appData = platform::SpecialFolder(platform::TSpecialFolder::sfAppData).value();
  const std::u16string proof = appData + u"\\Microsoft\\Proof";
  const std::u16string uproof = appData + u"\\Microsoft\\UProof";
  std::filesystem::create_directories(std::filesystem::path(proof));
  std::filesystem::create_directories(std::filesystem::path(uproof));
  test::WriteText(test::U8(proof + u"\\lexoro-test-a.dic"), "alpha\r\n");
  test::WriteText(test::U8(uproof + u"\\lexoro-test-b.dic"), "beta\r\n");

  ClearValues();
  SetValue(L"1", full);
  SetValue(L"2", u"lexoro-test-a.dic");
  SetValue(L"3", u"lexoro-test-b.dic");
  SetValue(L"4", Backslashed(dir.WPath("missing.dic")));
  SetValue(L"5", u"LEXORO-TEST-A.DIC");  // the same file again, in other letters
  // "6" is missing: the walk ends at "5".

  TLexoroSpellBase spell(nullptr);
  spell.SetConfigStorage(csNone);
  spell.SetSuggestionsLearning(false);
  const auto found = Items(spell.MSWordCustomDictionaryFiles());
  ClearValues();
  std::filesystem::remove(std::filesystem::path(proof + u"\\lexoro-test-a.dic"));
  std::filesystem::remove(std::filesystem::path(uproof + u"\\lexoro-test-b.dic"));

  EXPECT_THAT(found, ElementsAre(test::U8(full), test::U8(proof + u"\\lexoro-test-a.dic"),
                                 test::U8(uproof + u"\\lexoro-test-b.dic")));
}

}  // namespace
}  // namespace lexoro
