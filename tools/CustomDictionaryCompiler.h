// Builds custom dictionaries (.oxu) from a plain list of entries, one a line (UTF-8):
//
//   word                    an added word
//   word<TAB>replacement    an auto-correct pair
//   !word                   an excluded word
//
// Blank lines and lines starting with "#" are skipped; spaces around words are trimmed, and a
// leading byte-order mark is dropped. The dictionary is built in memory with TCustomDictionary
// and written whole, in version 4.1 (UTF-8) or 4.0 (the host ANSI code page).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lexoro/dictionaries/ox3CustomDictionary.h"

namespace lexoro::tools {

struct TCustomEntry {
  TEntryKind Kind = TEntryKind::ekAdded;
  std::u16string Word;
  std::u16string Replacement;
  std::size_t Line = 0;  // 1-based line of the source
};

struct TCustomListResult {
  bool Ok = false;
  std::string Error;  // one line, for the user, naming the source line
  std::vector<TCustomEntry> Entries;
};

[[nodiscard]] TCustomListResult ReadCustomEntries(const std::string& Utf8);

struct TCustomCompileResult {
  bool Ok = false;
  std::string Error;
  std::size_t EntryCount = 0;
};

// Adds every entry to a new dictionary of the given version (MinorVersion 1: 4.1, 0: 4.0) and
// writes it to Path, replacing what was there. Refuses duplicates, words the code page cannot
// hold, and over-long pairs, naming the line.
[[nodiscard]] TCustomCompileResult CompileCustomDictionary(const std::vector<TCustomEntry>& Entries, int MinorVersion,
                                                           const std::u16string& Path);

// The one-letter name of an entry kind ("I", "E", "A").
[[nodiscard]] char KindLetter(TEntryKind Kind);

}  // namespace lexoro::tools
