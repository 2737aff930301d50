#include "lexoro/platform/ox3ByteSpan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "lexoro/platform/ox3Text.h"

namespace lexoro::platform {
namespace {

TEST(ByteSpan, ReadsLittleEndianValuesUpToTheLastByte) {
  const std::vector<std::uint8_t> bytes = {0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xAB, 0xCD};
  TByteReader reader(bytes);
  EXPECT_EQ(reader.U8(), 0x01);
  EXPECT_EQ(reader.U16(), 0x1234);
  EXPECT_EQ(reader.U32(), 0x12345678u);
  EXPECT_EQ(reader.I32(), -1);
  EXPECT_EQ(reader.U16Be(), 0xABCD);  // the last two bytes
  EXPECT_TRUE(reader.Ok());
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_TRUE(reader.Block(0).empty());
  EXPECT_TRUE(reader.Ok());  // nothing asked, nothing missing
}

TEST(ByteSpan, AReadPastTheEndFailsForGood) {
  const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
  TByteReader reader(bytes);
  ASSERT_EQ(reader.U16(), 0x0201);
  EXPECT_EQ(reader.U32(), 0u);  // three bytes left: nothing is read
  EXPECT_FALSE(reader.Ok());
  EXPECT_EQ(reader.Position(), 2u);
  EXPECT_EQ(reader.U8(), 0);  // would fit, but the reader has failed
  EXPECT_TRUE(reader.Block(1).empty());
  EXPECT_FALSE(reader.Seek(0));

  TByteReader empty(std::span<const std::uint8_t>{});
  EXPECT_EQ(empty.U8(), 0);
  EXPECT_FALSE(empty.Ok());
}

TEST(ByteSpan, SeekAndSkipStopAtTheEnd) {
  const std::vector<std::uint8_t> bytes(8, 7);
  TByteReader reader(bytes);
  EXPECT_TRUE(reader.Seek(8));  // the end itself is a position
  EXPECT_TRUE(reader.Rest().empty());
  EXPECT_TRUE(reader.Seek(6));
  EXPECT_TRUE(reader.Skip(2));
  EXPECT_TRUE(reader.Ok());
  EXPECT_FALSE(reader.Skip(1));

  TByteReader far(bytes);
  EXPECT_FALSE(far.Seek(std::numeric_limits<std::uint64_t>::max()));
  EXPECT_FALSE(far.Ok());
}

TEST(ByteSpan, CountsThatOverflowNeverWrapRound) {
  const std::vector<std::uint8_t> bytes(64, 0);
  constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
  // Each product wraps round in 64-bit arithmetic to a size that would fit: 0, 4 and 1.
  for (const auto& [count, size] : {std::pair{std::uint64_t{1} << 62, std::uint64_t{4}},
                                    std::pair{(kMax / 4) + 2, std::uint64_t{4}}, std::pair{kMax, kMax}}) {
    TByteReader reader(bytes);
    EXPECT_TRUE(reader.Block(count, size).empty()) << count << " x " << size;
    EXPECT_FALSE(reader.Ok()) << count << " x " << size;
  }
  TByteReader reader(bytes);
  EXPECT_EQ(reader.Block(16, 4).size(), 64u);
  EXPECT_TRUE(reader.Ok());
  TByteReader one(bytes);
  EXPECT_TRUE(one.Block(17, 4).empty());
  EXPECT_EQ(one.Position(), 0u);
}

TEST(ByteSpan, WriterOutputReadsBack) {
  TByteWriter writer;
  writer.PutU8(0xFE);
  writer.PutU16(0xBEEF);
  writer.PutU16Be(0xBEEF);
  writer.PutU32(0xDEADBEEF);
  writer.PutI32(-2);
  writer.PutBytes(std::string_view("ab"));
  writer.PutZeros(3);
  EXPECT_EQ(writer.Bytes(), (std::vector<std::uint8_t>{0xFE, 0xEF, 0xBE, 0xBE, 0xEF, 0xEF, 0xBE, 0xAD, 0xDE, 0xFE, 0xFF,
                                                       0xFF, 0xFF, 'a', 'b', 0, 0, 0}));
  const auto bytes = writer.Take();
  EXPECT_EQ(writer.Size(), 0u);
  TByteReader reader(bytes);
  EXPECT_EQ(reader.U8(), 0xFE);
  EXPECT_EQ(reader.U16(), 0xBEEF);
  EXPECT_EQ(reader.U16Be(), 0xBEEF);
  EXPECT_EQ(reader.U32(), 0xDEADBEEFu);
  EXPECT_EQ(reader.I32(), -2);
}

TEST(ByteSpan, MarkedTextDecodesEachMarkAndDropsAnOddLastByte) {
  using text::TByteOrderMark;
  const std::vector<std::uint8_t> le = {0xFF, 0xFE, 'h', 0, 0x14, 0x04, 'x'};
  EXPECT_EQ(text::ByteOrderMarkOf(le), TByteOrderMark::bomUtf16LE);
  EXPECT_EQ(text::DecodeMarkedText(le), u"h\u0414");
  const std::vector<std::uint8_t> be = {0xFE, 0xFF, 0, 'h', 0x04, 0x14};
  EXPECT_EQ(text::DecodeMarkedText(be), u"h\u0414");
  const std::vector<std::uint8_t> utf8 = {0xEF, 0xBB, 0xBF, 0xC3, 0xA9};
  EXPECT_EQ(text::DecodeMarkedText(utf8), u"\u00e9");
  for (const std::vector<std::uint8_t>& unmarked : {std::vector<std::uint8_t>{0xFF}, std::vector<std::uint8_t>{0xEF, 0xBB},
                                                    std::vector<std::uint8_t>{}}) {
    EXPECT_EQ(text::ByteOrderMarkOf(unmarked), TByteOrderMark::bomNone);
  }
  for (auto mark : {TByteOrderMark::bomNone, TByteOrderMark::bomUtf8, TByteOrderMark::bomUtf16LE,
                    TByteOrderMark::bomUtf16BE}) {
    const auto bytes = text::EncodeMarkedText(u"a\u0414\U0001F600", mark);
    EXPECT_EQ(text::ByteOrderMarkOf(bytes), mark);
    EXPECT_EQ(text::DecodeMarkedText(bytes), u"a\u0414\U0001F600");
  }
}

}  // namespace
}  // namespace lexoro::platform
