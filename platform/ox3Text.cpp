#include "lexoro/platform/ox3Text.h"

#include <cstdint>

#include "lexoro/platform/ox3ByteSpan.h"

namespace lexoro::text {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Bytes 0x80-0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    int length = 0;
    std::uint32_t cp = 0, minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) { length = 2; cp = b0 & 0x1F; minimum = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { length = 3; cp = b0 & 0x0F; minimum = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { length = 4; cp = b0 & 0x07; minimum = 0x10000; }
    bool valid = length > 0 && i + length <= n;
    for (int k = 1; valid && k < length; ++k) {
      const auto b = static_cast<unsigned char>(bytes[i + k]);
      if ((b & 0xC0) != 0x80) valid = false;
      else cp = (cp << 6) | (b & 0x3F);
    }
    if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += length;
  }
  return out;
}

char16_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return byte;
}

bool UnicodeToCp1252(char16_t ch, unsigned char& byte) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
    byte = static_cast<unsigned char>(ch);
    return true;
  }
  for (int k = 0; k < 32; ++k) {
    if (kCp1252High[k] == ch) {
      byte = static_cast<unsigned char>(0x80 + k);
      return true;
    }
  }
  return false;
}

TByteOrderMark ByteOrderMarkOf(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return TByteOrderMark::bomUtf8;
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return TByteOrderMark::bomUtf16LE;
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return TByteOrderMark::bomUtf16BE;
  return TByteOrderMark::bomNone;
}

std::size_t ByteOrderMarkSize(TByteOrderMark mark) {
  switch (mark) {
    case TByteOrderMark::bomNone: return 0;
    case TByteOrderMark::bomUtf8: return 3;
    case TByteOrderMark::bomUtf16LE:
    case TByteOrderMark::bomUtf16BE: return 2;
  }
  return 0;
}

bool SkipUtf8ByteOrderMark(std::string_view& bytes) {
  const std::span<const std::uint8_t> front(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  if (ByteOrderMarkOf(front) != TByteOrderMark::bomUtf8) return false;
  bytes.remove_prefix(ByteOrderMarkSize(TByteOrderMark::bomUtf8));
  return true;
}

std::u16string DecodeMarkedText(std::span<const std::uint8_t> bytes) {
  const TByteOrderMark mark = ByteOrderMarkOf(bytes);
  platform::TByteReader reader(bytes.subspan(ByteOrderMarkSize(mark)));
  if (mark != TByteOrderMark::bomUtf16LE && mark != TByteOrderMark::bomUtf16BE) {
    const auto rest = reader.Rest();
    return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
  }
  std::u16string text;
  text.reserve(reader.Remaining() / 2);
  while (reader.Remaining() >= 2)
    text.push_back(static_cast<char16_t>(mark == TByteOrderMark::bomUtf16BE ? reader.U16Be() : reader.U16()));
  return text;
}

std::vector<std::uint8_t> EncodeMarkedText(std::u16string_view text, TByteOrderMark mark) {
  platform::TByteWriter out;
  switch (mark) {
    case TByteOrderMark::bomUtf16LE:
    case TByteOrderMark::bomUtf16BE: {
      const bool big = mark == TByteOrderMark::bomUtf16BE;
      const auto put = [&](char16_t unit) { big ? out.PutU16Be(unit) : out.PutU16(unit); };
      out.Reserve(2 + 2 * text.size());
      put(0xFEFF);
      for (char16_t unit : text) put(unit);
      break;
    }
    case TByteOrderMark::bomUtf8:
      out.PutBytes(std::string_view("\xEF\xBB\xBF"));
      [[fallthrough]];
    case TByteOrderMark::bomNone:
      out.PutBytes(Utf16ToUtf8(text));
      break;
  }
  return out.Take();
}

}  // namespace lexoro::text
