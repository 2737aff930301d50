#include "lexoro/platform/ox3IniFile.h"

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro::platform {

namespace {

// The blanks the Windows INI functions trim around names and values (0x1A is the old
// end-of-file mark).
bool IsBlank(char16_t ch) {
  return ch == u' ' || ch == u'\t' || ch == u'\v' || ch == u'\f' || ch == u'\r' || ch == u'\n' || ch == 0x1A;
}

std::u16string_view Trim(std::u16string_view s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

bool IsQuote(char16_t ch) { return ch == u'"' || ch == u'\''; }

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::span<const std::uint8_t> b) {
  std::size_t i = 0;
  while (i < b.size()) {
    const std::uint8_t c = b[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t n;
    std::uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (b.size() - i <= n) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      if ((b[i + k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b[i + k] & 0x3F);
    }
    if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += n + 1;
  }
  return true;
}

}  // namespace

bool TIniFile::LoadFromFile(const std::u16string& Path) {
  FLines.clear();
  FEncoding = TEncoding::Utf8;
  FNewLine = kLineBreak;
  if (!FileExists(Path) && !DirectoryExists(Path)) return true;
  const auto size = FileSize(Path);
  if (!size || *size > kMaxFileSize) return false;
  const auto bytes = ReadWholeFile(Path);
  if (!bytes) return false;
  LoadFromBytes(*bytes);
  return true;
}

void TIniFile::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  FLines.clear();
  FNewLine = kLineBreak;
  std::u16string text;
  switch (text::ByteOrderMarkOf(Bytes)) {
    case text::TByteOrderMark::bomUtf8: FEncoding = TEncoding::Utf8Bom; break;
    case text::TByteOrderMark::bomUtf16LE: FEncoding = TEncoding::Utf16LE; break;
    case text::TByteOrderMark::bomUtf16BE: FEncoding = TEncoding::Utf16BE; break;
    case text::TByteOrderMark::bomNone: FEncoding = IsValidUtf8(Bytes) ? TEncoding::Utf8 : TEncoding::Ansi; break;
  }
  if (FEncoding == TEncoding::Ansi) {
    text.reserve(Bytes.size());
    for (std::uint8_t b : Bytes) text.push_back(text::Cp1252ToUnicode(b));
  } else {
    text = text::DecodeMarkedText(Bytes);
  }
  Parse(text);
}

void TIniFile::Parse(std::u16string_view Text) {
  bool newLineSeen = false;
  std::size_t at = 0;
  while (at < Text.size()) {
    std::size_t end = at;
    while (end < Text.size() && Text[end] != u'\r' && Text[end] != u'\n') ++end;
    FLines.push_back(MakeLine(std::u16string(Text.substr(at, end - at))));
    if (end >= Text.size()) break;
    std::size_t next = end + 1;
    if (Text[end] == u'\r' && next < Text.size() && Text[next] == u'\n') ++next;
    if (!newLineSeen) {
      FNewLine = std::u16string(Text.substr(end, next - end));
      newLineSeen = true;
    }
    at = next;
  }
}

TIniFile::TLine TIniFile::MakeLine(std::u16string Text) {
  TLine line;
  line.Text = std::move(Text);
  const std::u16string_view view = line.Text;
  const std::u16string_view content = Trim(view);
  if (!content.empty() && content.front() == u'[') {
    const std::size_t close = content.rfind(u']');
    if (close != std::u16string_view::npos && close > 0) {
      line.Kind = TKind::Section;
      line.Name = std::u16string(Trim(content.substr(1, close - 1)));
    }
  } else if (const std::size_t eq = view.find(u'='); eq != std::u16string_view::npos) {
    line.Kind = TKind::Entry;
    line.Name = std::u16string(Trim(view.substr(0, eq)));
    line.ValueAt = eq + 1;
  }
  if (line.Kind != TKind::Other) line.Key = UpperCase(line.Name);
  return line;
}

std::optional<std::size_t> TIniFile::FindEntry(const std::u16string& SectionKey, const std::u16string& KeyKey) const {
  bool inSection = false;
  for (std::size_t i = 0; i < FLines.size(); ++i) {
    const TLine& line = FLines[i];
    if (line.Kind == TKind::Section) {
      inSection = line.Key == SectionKey;
    } else if (inSection && line.Kind == TKind::Entry && line.Key == KeyKey) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::u16string> TIniFile::Value(std::u16string_view Section, std::u16string_view Key) const {
  const auto index = FindEntry(UpperCase(Trim(CleanName(Section))), UpperCase(Trim(CleanName(Key))));
  if (!index) return std::nullopt;
  const TLine& line = FLines[*index];
  std::u16string_view value = Trim(std::u16string_view(line.Text).substr(line.ValueAt));
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::u16string(value);
}

std::u16string TIniFile::ReadString(std::u16string_view Section, std::u16string_view Key,
                                    std::u16string_view Default) const {
  auto value = Value(Section, Key);
  return value ? std::move(*value) : std::u16string(Default);
}

void TIniFile::WriteString(std::u16string_view Section, std::u16string_view Key, std::u16string_view Value) {
  const std::u16string section = std::u16string(Trim(CleanName(Section)));
  const std::u16string key = std::u16string(Trim(CleanName(Key)));
  const std::u16string sectionKey = UpperCase(section);
  const std::u16string keyKey = UpperCase(key);
  const std::u16string encoded = EncodeValue(Value);

  if (const auto index = FindEntry(sectionKey, keyKey)) {
    TLine& line = FLines[*index];
    line.Text = line.Name + u"=" + encoded;
    line.ValueAt = line.Name.size() + 1;
    return;
  }
  TLine entry;
  entry.Kind = TKind::Entry;
  entry.Name = key;
  entry.Key = keyKey;
  entry.Text = key + u"=" + encoded;
  entry.ValueAt = key.size() + 1;

  // A new key goes after the last key of the first section of that name.
  for (std::size_t i = 0; i < FLines.size(); ++i) {
    if (FLines[i].Kind != TKind::Section || FLines[i].Key != sectionKey) continue;
    std::size_t insertAt = i + 1;
    for (std::size_t j = i + 1; j < FLines.size() && FLines[j].Kind != TKind::Section; ++j)
      if (FLines[j].Kind == TKind::Entry) insertAt = j + 1;
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return;
  }
  // A new section goes at the end, after an empty line.
  if (!FLines.empty() && !Trim(FLines.back().Text).empty()) FLines.push_back(MakeLine(std::u16string()));
  FLines.push_back(MakeLine(u"[" + section + u"]"));
  FLines.push_back(std::move(entry));
}

std::vector<std::uint8_t> TIniFile::SaveToBytes() const {
  std::u16string text;
  for (const TLine& line : FLines) {
    text += line.Text;
    text += FNewLine;
  }
  switch (FEncoding) {
    case TEncoding::Utf16LE: return text::EncodeMarkedText(text, text::TByteOrderMark::bomUtf16LE);
    case TEncoding::Utf16BE: return text::EncodeMarkedText(text, text::TByteOrderMark::bomUtf16BE);
    case TEncoding::Utf8Bom: return text::EncodeMarkedText(text, text::TByteOrderMark::bomUtf8);
    case TEncoding::Utf8:
    case TEncoding::Ansi: break;
  }
  return text::EncodeMarkedText(text, text::TByteOrderMark::bomNone);
}

bool TIniFile::SaveToFile(const std::u16string& Path) const {
  const auto bytes = SaveToBytes();
  return WriteFileReplacing(Path, bytes);
}

std::u16string TIniFile::CleanName(std::u16string_view Name) {
  std::u16string out(Name);
  for (auto& ch : out)
    if (ch == u'\r' || ch == u'\n' || ch == 0) ch = u' ';
  return out;
}

std::u16string TIniFile::EncodeValue(std::u16string_view Value) {
  std::u16string out = CleanName(Value);
  if (out.empty()) return out;
  const bool blankEnds = IsBlank(out.front()) || IsBlank(out.back());
  const bool quoted = out.size() >= 2 && IsQuote(out.front()) && out.back() == out.front();
  if (blankEnds || quoted) out = u"\"" + out + u"\"";
  return out;
}

}  // namespace lexoro::platform
