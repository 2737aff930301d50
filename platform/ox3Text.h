// Unicode transformations that need no platform: UTF-8 <-> UTF-16 and the Windows-1252 table.
#pragma once

#include <string>
#include <string_view>

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

// Shorthand for tests, the tool and messages: UTF-8 literals to UTF-16.
[[nodiscard]] inline std::u16string U16(std::string_view utf8) { return Utf8ToUtf16(utf8); }

}  // namespace lexoro::text
