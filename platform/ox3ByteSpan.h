// Little-endian values over a span of bytes: the one way every file format of the suite is
// read and written (.oxm, .oxu/.oxl, .oxt, INI and word lists, and their compilers).
//
// TByteReader is a cursor over bytes it does not own. Every read is checked against the end,
// and the failure is sticky: a read that does not fit fails the reader for good, returns zero
// (or an empty span), leaves the position where it was, and so does every read after it;
// Ok() then answers false. A parser reads a run of fields and tests Ok() once before it trusts
// them. Sizes are 64-bit and a count of elements is multiplied with an overflow check, so a
// count read from a damaged file can neither wrap round to a small size nor reach past the
// end; and since a value read after a failure is zero, sizes computed from it stay inside too.
//
// TByteWriter appends little-endian values to a byte vector it owns.
//
// LoadLe16 / LoadLe32 decode bytes at a pointer whose bounds the caller has already checked,
// for the hot paths over mapped tables (a lookup's node words) whose extent was checked once
// when they were taken out of the file with a TByteReader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace lexoro::platform {

[[nodiscard]] constexpr std::uint16_t LoadLe16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

[[nodiscard]] constexpr std::uint32_t LoadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

constexpr void StoreLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Count * Size when the product fits in 64 bits; false (and Product untouched) otherwise.
[[nodiscard]] constexpr bool CheckedMultiply(std::uint64_t Count, std::uint64_t Size, std::uint64_t& Product) {
  if (Size != 0 && Count > std::numeric_limits<std::uint64_t>::max() / Size) return false;
  Product = Count * Size;
  return true;
}

class TByteReader {
 public:
  constexpr TByteReader() = default;
  constexpr explicit TByteReader(std::span<const std::uint8_t> Bytes) : FBytes(Bytes) {}

  // False once any read, skip or seek did not fit.
  [[nodiscard]] constexpr bool Ok() const { return FOk; }
  [[nodiscard]] constexpr std::size_t Position() const { return FPosition; }
  [[nodiscard]] constexpr std::size_t Size() const { return FBytes.size(); }
  [[nodiscard]] constexpr std::size_t Remaining() const { return FBytes.size() - FPosition; }

  // Moves to Position (the end itself is a valid position).
  constexpr bool Seek(std::uint64_t Position) {
    if (!FOk || Position > FBytes.size()) return Fail();
    FPosition = static_cast<std::size_t>(Position);
    return true;
  }
  constexpr bool Skip(std::uint64_t Count) {
    (void)Take(Count);
    return FOk;
  }

  [[nodiscard]] constexpr std::uint8_t U8() {
    const auto b = Take(1);
    return b.empty() ? 0 : b[0];
  }
  [[nodiscard]] constexpr std::uint16_t U16() {
    const auto b = Take(2);
    return b.empty() ? 0 : LoadLe16(b.data());
  }
  [[nodiscard]] constexpr std::uint16_t U16Be() {
    const auto b = Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>((b[0] << 8) | b[1]);
  }
  [[nodiscard]] constexpr std::uint32_t U32() {
    const auto b = Take(4);
    return b.empty() ? 0 : LoadLe32(b.data());
  }
  [[nodiscard]] constexpr std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  // The next Count elements of ElementSize bytes each, as one span; empty (and a failed
  // reader) when they are not all there. Zero elements give an empty span and no failure.
  [[nodiscard]] constexpr std::span<const std::uint8_t> Block(std::uint64_t Count, std::uint64_t ElementSize = 1) {
    std::uint64_t size = 0;
    if (!CheckedMultiply(Count, ElementSize, size)) {
      Fail();
      return {};
    }
    return Take(size);
  }
  // Everything from the position to the end.
  [[nodiscard]] constexpr std::span<const std::uint8_t> Rest() { return Take(Remaining()); }

 private:
  constexpr bool Fail() {
    FOk = false;
    return false;
  }
  constexpr std::span<const std::uint8_t> Take(std::uint64_t Count) {
    if (!FOk || Count > FBytes.size() - FPosition) {
      Fail();
      return {};
    }
    const auto taken = FBytes.subspan(FPosition, static_cast<std::size_t>(Count));
    FPosition += static_cast<std::size_t>(Count);
    return taken;
  }

  std::span<const std::uint8_t> FBytes;
  std::size_t FPosition = 0;
  bool FOk = true;
};

class TByteWriter {
 public:
  TByteWriter() = default;

  void PutU8(std::uint8_t Value) { FBytes.push_back(Value); }
  void PutU16(std::uint16_t Value) {
    FBytes.push_back(static_cast<std::uint8_t>(Value));
    FBytes.push_back(static_cast<std::uint8_t>(Value >> 8));
  }
  void PutU16Be(std::uint16_t Value) {
    FBytes.push_back(static_cast<std::uint8_t>(Value >> 8));
    FBytes.push_back(static_cast<std::uint8_t>(Value));
  }
  void PutU32(std::uint32_t Value) {
    const std::size_t at = FBytes.size();
    FBytes.resize(at + 4);
    StoreLe32(FBytes.data() + at, Value);
  }
  void PutI32(std::int32_t Value) { PutU32(static_cast<std::uint32_t>(Value)); }
  void PutBytes(std::span<const std::uint8_t> Bytes) { FBytes.insert(FBytes.end(), Bytes.begin(), Bytes.end()); }
  void PutBytes(std::string_view Bytes) { FBytes.insert(FBytes.end(), Bytes.begin(), Bytes.end()); }
  void PutZeros(std::size_t Count) { FBytes.insert(FBytes.end(), Count, 0); }
  void Reserve(std::size_t Size) { FBytes.reserve(Size); }

  [[nodiscard]] std::size_t Size() const { return FBytes.size(); }
  [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
  // Hands the bytes over and leaves the writer empty.
  [[nodiscard]] std::vector<std::uint8_t> Take() { return std::move(FBytes); }

 private:
  std::vector<std::uint8_t> FBytes;
};

}  // namespace lexoro::platform
