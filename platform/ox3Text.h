// Unicode transformations that need no platform: UTF-8 <-> UTF-16, the Windows-1252 table
// and the byte-order marks of text files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexoro::text {

// Unpaired surrogates become U+FFFD, as WideCharToMultiByte does for UTF-8.
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);
// Each byte of an invalid or truncated sequence becomes U+FFFD, as MultiByteToWideChar does.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view bytes);

// Windows-1252, including the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D), which Windows maps to the C1 control of the same value.
[[nodiscard]] char16_t Cp1252ToUnicode(unsigned char byte);
// Returns false when the character has no byte in Windows-1252.
[[nodiscard]] bool UnicodeToCp1252(char16_t ch, unsigned char& byte);

// The byte-order mark a text file starts with: EF BB BF, FF FE or FE FF.
enum class TByteOrderMark { bomNone, bomUtf8, bomUtf16LE, bomUtf16BE };
[[nodiscard]] TByteOrderMark ByteOrderMarkOf(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::size_t ByteOrderMarkSize(TByteOrderMark mark);
// The text after the mark Bytes start with: UTF-8, or UTF-16 in the mark's byte order (an odd
// last byte is dropped). Without a mark, the bytes are taken as UTF-8.
[[nodiscard]] std::u16string DecodeMarkedText(std::span<const std::uint8_t> bytes);
// Takes a UTF-8 byte-order mark off the front of Bytes; true when there was one.
bool SkipUtf8ByteOrderMark(std::string_view& bytes);
// Text behind the given mark, in its encoding; bomNone gives UTF-8 without a mark.
[[nodiscard]] std::vector<std::uint8_t> EncodeMarkedText(std::u16string_view text, TByteOrderMark mark);

// Shorthand for tests, the tool and messages: UTF-8 literals to UTF-16.
[[nodiscard]] inline std::u16string U16(std::string_view utf8) { return Utf8ToUtf16(utf8); }

}  // namespace lexoro::text
