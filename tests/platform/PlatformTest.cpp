#include <gtest/gtest.h>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;

TEST(PlatformText, CasingMapsLatinAndCyrillicWholeStrings) {
  EXPECT_EQ(platform::UpperCase(u"caf\u00e9 \u00ff \u0434\u043e\u043c \u03c3"), u"CAF\u00c9 \u0178 \u0414\u041e\u041c \u03a3");
  EXPECT_EQ(platform::LowerCase(u"CAF\u00c9 \u0178 \u0414\u041e\u041c \u03a3"), u"caf\u00e9 \u00ff \u0434\u043e\u043c \u03c3");
  // One code unit for one code unit: the sharp s keeps its length.
  EXPECT_EQ(platform::UpperCase(u"stra\u00dfe").size(), 6u);
  EXPECT_EQ(platform::UpperCase(u""), u"");
}

TEST(PlatformText, AlphaNumericClasses) {
  for (char16_t ch : std::u16string(u"aZ09\u00e9\u00c9\u0434\u0414")) EXPECT_TRUE(platform::IsAlphaNumeric(ch)) << int(ch);
  for (char16_t ch : std::u16string(u" .,-'\"\u2019&\t")) EXPECT_FALSE(platform::IsAlphaNumeric(ch)) << int(ch);
  EXPECT_FALSE(platform::IsAlphaNumeric(0));
  EXPECT_FALSE(platform::IsAlphaNumeric(0xD800));
}

TEST(PlatformCodePages, Utf8RoundTripsAndReplacesBrokenInput) {
  const std::u16string text = u"na\u00efve \u0414 \u20ac \U0001F600";
  auto bytes = platform::WideToMultiByte(platform::kCodePageUtf8, text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "na\xC3\xAFve \xD0\x94 \xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(platform::MultiByteToWide(platform::kCodePageUtf8, *bytes), text);
  // A lone surrogate and invalid bytes become U+FFFD.
  EXPECT_EQ(text::Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
  EXPECT_EQ(text::Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(text::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
}

TEST(PlatformCodePages, AnsiIsWindows1252OnBothTargets) {
  bool usedDefault = true;
  auto bytes = platform::WideToMultiByte(platform::kCodePageAnsi, u"\u00e9\u00c9\u00ff\u0178\u20ac", &usedDefault);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "\xE9\xC9\xFF\x9F\x80");
  EXPECT_FALSE(usedDefault);
  EXPECT_EQ(platform::MultiByteToWide(platform::kCodePageAnsi, "\xE9\xC9\xFF\x9F\x80"), u"\u00e9\u00c9\u00ff\u0178\u20ac");

  bytes = platform::WideToMultiByte(platform::kCodePageAnsi, u"\u0414", &usedDefault);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "?");
  EXPECT_TRUE(usedDefault);
}

TEST(PlatformFiles, ReadMapAndReplace) {
  test::TScratchDir dir;
  const auto path = dir.WPath("data.bin");
  EXPECT_FALSE(platform::FileExists(path));
  EXPECT_FALSE(platform::FileSize(path));
  test::WriteText(dir.Path("data.bin"), "hello");
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(platform::FileSize(path), 5u);
  EXPECT_FALSE(platform::FileExists(U16(dir.Root())));  // a folder is not a file

  platform::TFileMapping mapping;
  ASSERT_TRUE(mapping.Open(path));
  ASSERT_EQ(mapping.Size(), 5u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(mapping.Data()), 5), "hello");
  platform::TFileMapping moved = std::move(mapping);
  EXPECT_FALSE(mapping.IsOpen());
  EXPECT_TRUE(moved.IsOpen());
  moved.Close();

  const std::vector<std::uint8_t> replacement{'n', 'e', 'w'};
  ASSERT_TRUE(platform::WriteFileReplacing(path, replacement));
  EXPECT_EQ(test::ReadBytes(dir.Path("data.bin")), replacement);

  // An empty file cannot be mapped.
  test::WriteText(dir.Path("empty"), "");
  EXPECT_FALSE(platform::TFileMapping().Open(dir.WPath("empty")));
}

TEST(PlatformFiles, DiscardedWriteLeavesTheOldFileAndNoLeftovers) {
  test::TScratchDir dir;
  test::WriteText(dir.Path("keep.txt"), "old");
  {
    platform::TAtomicFileWriter writer;
    ASSERT_TRUE(writer.Begin(dir.WPath("keep.txt")));
    ASSERT_TRUE(writer.Write(std::vector<std::uint8_t>{'x', 'y'}));
  }  // never committed
  EXPECT_EQ(test::ReadBytes(dir.Path("keep.txt")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  // A target in a folder that does not exist fails cleanly.
  EXPECT_FALSE(platform::WriteFileReplacing(dir.WPath("missing/x.txt"), std::vector<std::uint8_t>{'a'}));
}

TEST(PlatformFiles, NonAsciiPaths) {
  test::TScratchDir dir;
  const std::string name = "\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x80\xD1\x8C-caf\xC3\xA9.txt";
  ASSERT_TRUE(platform::WriteFileReplacing(dir.WPath(name), std::vector<std::uint8_t>{'o', 'k'}));
  EXPECT_TRUE(platform::FileExists(dir.WPath(name)));
  auto bytes = platform::ReadWholeFile(dir.WPath(name));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 2u);
}

}  // namespace
}  // namespace lexoro
