// An INI file read and written by the suite itself: the configuration store of POSIX systems
// (and the file behind their registry stand-in). It keeps a file the way the Windows INI
// functions do, so that files move between the two systems:
//
//   - lines end in CR LF, LF or CR; a line whose first non-blank character is '[' opens the
//     section named up to the last ']' on it (blanks around the name ignored);
//   - "key=value" lines belong to the section above them; blanks around key and value are
//     ignored, and one pair of matching quotes (' or ") around a value is taken off on reading;
//   - section and key names compare without case; the first section and key of a name win;
//   - every other line (comments, lines before the first section, lines without '=') is kept
//     as it is.
//
// Writing replaces the value of an existing key in place, appends a new key after the last
// key line of its section, and appends a new section at the end of the file. A value that
// would not read back as written (blanks at either end, matching quotes around it) is written
// in double quotes; line breaks and NUL characters in names and values become spaces, so a
// value can never start a line of its own.
//
// Encodings. A byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE, and the file is written
// back in the same form. A file without one is read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 (what the Windows functions make of an ANSI file on a western system)
// otherwise; both are written back as UTF-8 without a mark, the form of files this class
// creates, so that text no ANSI code page holds survives. Files of more than 16 MiB are not
// read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexoro::platform {

class TIniFile {
 public:
  enum class TEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Ansi };

  static constexpr std::uint64_t kMaxFileSize = 16u << 20;

  TIniFile() = default;

  // Reads the file at Path. A missing file gives an empty one (true); false when a file is
  // there but cannot be read or is too large, which leaves this object empty.
  [[nodiscard]] bool LoadFromFile(const std::u16string& Path);
  void LoadFromBytes(std::span<const std::uint8_t> Bytes);
  // The file's bytes in its encoding; UTF-8 for a file that started empty.
  [[nodiscard]] std::vector<std::uint8_t> SaveToBytes() const;
  // Replaces the file at Path whole (written beside it, then renamed).
  [[nodiscard]] bool SaveToFile(const std::u16string& Path) const;

  [[nodiscard]] std::optional<std::u16string> Value(std::u16string_view Section, std::u16string_view Key) const;
  [[nodiscard]] std::u16string ReadString(std::u16string_view Section, std::u16string_view Key,
                                          std::u16string_view Default) const;
  void WriteString(std::u16string_view Section, std::u16string_view Key, std::u16string_view Value);

  [[nodiscard]] TEncoding Encoding() const { return FEncoding; }
  // The text a value is written as so that it reads back unchanged (see above).
  [[nodiscard]] static std::u16string EncodeValue(std::u16string_view Value);
  // Line breaks and NUL characters of a section or key name become spaces.
  [[nodiscard]] static std::u16string CleanName(std::u16string_view Name);

 private:
  enum class TKind { Other, Section, Entry };
  struct TLine {
    TKind Kind = TKind::Other;
    std::u16string Text;  // the whole line as read or written
    std::u16string Name;  // section or key name, blanks removed
    std::u16string Key;   // upper-cased name, for lookups
    std::size_t ValueAt = 0;  // Entry: where the value starts in Text
  };

  void Parse(std::u16string_view Text);
  [[nodiscard]] static TLine MakeLine(std::u16string Text);
  // Index of the entry line of Key in the first section of that name holding it, or of no line.
  [[nodiscard]] std::optional<std::size_t> FindEntry(const std::u16string& SectionKey, const std::u16string& KeyKey) const;

  std::vector<TLine> FLines;
  TEncoding FEncoding = TEncoding::Utf8;
  std::u16string FNewLine = u"\n";
};

}  // namespace lexoro::platform
