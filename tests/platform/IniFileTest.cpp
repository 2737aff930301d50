#include "lexoro/platform/ox3IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "tests/support/TestSupport.h"

namespace lexoro::platform {
namespace {

using test::U16;
using test::U8;

std::vector<std::uint8_t> Bytes(const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); }
std::string Text(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

TIniFile Parse(const std::string& text) {
  TIniFile ini;
  ini.LoadFromBytes(Bytes(text));
  return ini;
}

std::string Read(const TIniFile& ini, const char* section, const char* key) {
  auto value = ini.Value(U16(section), U16(key));
  return value ? U8(*value) : std::string("<absent>");
}

TEST(IniFileTest, ReadsSectionsAndKeysAsTheWindowsFunctionsDo) {
  const TIniFile ini = Parse(
      "orphan=1\r\n"
      "; a comment\r\n"
      "  [ Main ]  \r\n"
      "  Key  =  spaced value  \r\n"
      "quoted=\"  kept  \"\r\n"
      "single='x'\r\n"
      "half=\"open\r\n"
      "lone=\"\r\n"
      "eq=a=b\r\n"
      "empty=\r\n"
      "key=second\r\n"
      "[main]\r\n"
      "later=yes\r\n"
      "[Other]\r\n"
      "key=other\r\n");
  EXPECT_EQ(Read(ini, "MAIN", "key"), "spaced value");
  EXPECT_EQ(Read(ini, "Main", "quoted"), "  kept  ");
  EXPECT_EQ(Read(ini, "Main", "single"), "x");
  EXPECT_EQ(Read(ini, "Main", "half"), "\"open");
  EXPECT_EQ(Read(ini, "Main", "lone"), "\"");
  EXPECT_EQ(Read(ini, "Main", "eq"), "a=b");
  EXPECT_EQ(Read(ini, "Main", "empty"), "");
  // A second section of the same name is searched too.
  EXPECT_EQ(Read(ini, "Main", "later"), "yes");
  EXPECT_EQ(Read(ini, "Other", "key"), "other");
  EXPECT_EQ(Read(ini, "Main", "orphan"), "<absent>");
  EXPECT_EQ(Read(ini, "Missing", "key"), "<absent>");
  EXPECT_EQ(U8(ini.ReadString(u"Main", u"nothing", u"dflt")), "dflt");
}

TEST(IniFileTest, WritesInPlaceAndKeepsEveryOtherLine) {
  TIniFile ini = Parse(
      "; header\n"
      "[A]\n"
      "one=1\n"
      "; trailing comment of A\n"
      "\n"
      "[B]\n"
      "two=2\n");
  ini.WriteString(u"a", u"ONE", u"uno");   // existing key, other case: replaced in place
  ini.WriteString(u"A", u"three", u"3");  // new key: after the last key of A
  ini.WriteString(u"C", u"four", u"4");   // new section: at the end
  EXPECT_EQ(Text(ini.SaveToBytes()),
            "; header\n"
            "[A]\n"
            "one=uno\n"
            "three=3\n"
            "; trailing comment of A\n"
            "\n"
            "[B]\n"
            "two=2\n"
            "\n"
            "[C]\n"
            "four=4\n");
}

TEST(IniFileTest, ValuesReadBackExactlyAndCannotStartLinesOfTheirOwn) {
  TIniFile ini;
  const std::vector<std::u16string> values = {u"", u" lead", u"trail\t", u"\"quoted\"", u"'q'", u"a=b;c", u"\"",
                                              U16("Д ü")};
  for (std::size_t i = 0; i < values.size(); ++i) ini.WriteString(u"S", U16("k" + std::to_string(i)), values[i]);
  ini.WriteString(u"S", u"inject", u"x\r\n[Evil]\r\nk=v");
  ini.WriteString(u"S\n[Evil]", u"k", u"v");

  TIniFile back;
  back.LoadFromBytes(ini.SaveToBytes());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(back.ReadString(u"S", U16("k" + std::to_string(i)), u"<absent>"), values[i]) << i;
  EXPECT_EQ(U8(back.ReadString(u"S", u"inject", u"")), "x  [Evil]  k=v");
  EXPECT_FALSE(back.Value(u"Evil", u"k").has_value());
}

TEST(IniFileTest, EncodingsAreDetectedAndKept) {
  // Windows-1252 (not valid UTF-8): read as such, written back as UTF-8.
  TIniFile ansi = Parse("[S]\r\nk=Caf\xE9 \x80\r\n");
  EXPECT_EQ(ansi.Encoding(), TIniFile::TEncoding::Ansi);
  EXPECT_EQ(Read(ansi, "S", "k"), "Café €");
  ansi.WriteString(u"S", u"r", U16("Русский"));
  EXPECT_EQ(Text(ansi.SaveToBytes()), "[S]\r\nk=Café €\r\nr=Русский\r\n");

  // Valid UTF-8 without a mark.
  TIniFile utf8 = Parse("[Ж]\nk=ß\n");
  EXPECT_EQ(utf8.Encoding(), TIniFile::TEncoding::Utf8);
  EXPECT_EQ(Read(utf8, "ж", "k"), "ß");

  // UTF-8 with a mark keeps it.
  TIniFile bom = Parse("\xEF\xBB\xBF[S]\nk=v\n");
  EXPECT_EQ(bom.Encoding(), TIniFile::TEncoding::Utf8Bom);
  EXPECT_EQ(Text(bom.SaveToBytes()), "\xEF\xBB\xBF[S]\nk=v\n");

  // UTF-16 in both byte orders, written back in the same order.
  const std::vector<std::uint8_t> le = {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\r', 0, '\n', 0,
                                        'k',  0,    '=', 0, 0x14, 0x04, '\r', 0, '\n', 0};
  TIniFile utf16;
  utf16.LoadFromBytes(le);
  EXPECT_EQ(utf16.Encoding(), TIniFile::TEncoding::Utf16LE);
  EXPECT_EQ(Read(utf16, "S", "k"), "Д");
  EXPECT_EQ(utf16.SaveToBytes(), le);
  std::vector<std::uint8_t> be = {0xFE, 0xFF};
  for (std::size_t i = 2; i + 1 < le.size(); i += 2) {
    be.push_back(le[i + 1]);
    be.push_back(le[i]);
  }
  TIniFile utf16be;
  utf16be.LoadFromBytes(be);
  EXPECT_EQ(Read(utf16be, "S", "k"), "Д");
  EXPECT_EQ(utf16be.SaveToBytes(), be);
}

TEST(IniFileTest, FilesAreReplacedWholeOrLeftAlone) {
  test::TScratchDir dir;
  TIniFile ini;
  // A missing file is an empty one; a folder is no file at all.
  EXPECT_TRUE(ini.LoadFromFile(dir.WPath("missing.ini")));
  EXPECT_FALSE(ini.LoadFromFile(dir.WPath("")));

  const std::string path = dir.Path("s.ini");
  test::WriteText(path, "[S]\nk=old\n");
  ASSERT_TRUE(ini.LoadFromFile(U16(path)));
  ini.WriteString(u"S", u"k", u"new");
  SetWriteFaultHook([] { return true; });
  EXPECT_FALSE(ini.SaveToFile(U16(path)));
  SetWriteFaultHook({});
  EXPECT_EQ(Text(test::ReadBytes(path)), "[S]\nk=old\n");
  ASSERT_TRUE(ini.SaveToFile(U16(path)));
  EXPECT_EQ(Text(test::ReadBytes(path)), "[S]\nk=new\n");
}

}  // namespace
}  // namespace lexoro::platform
