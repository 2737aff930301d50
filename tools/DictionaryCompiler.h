// The main dictionary compiler: turns a word list into the .oxm layout that TMainDictionary
// reads (see dictionaries/ox3MainDictionary.h for the byte layout).
//
// The tree is a minimized word graph: words are inserted in byte order and identical subtrees
// are shared (a child index may name any node, so the reader accepts a graph as it accepts a
// tree). Single-child paths are folded into up to eight extra bytes per node, never across a
// word end and never on the root's children, whose data the first-byte table repeats. Child
// lists depend only on the subtree they lead to, so equal lists are written once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexoro::tools {

struct TDictionaryCompileOptions {
  std::u16string Title;
  std::int32_t Language = 1033;
  int MinorVersion = 1;  // 1: "4.1", UTF-8; 0: "4.0", host ANSI code page
  // Pads the node tables with unreachable nodes up to this count (tests of the two
  // child-index encodings).
  std::uint32_t PadNodeCount = 0;
};

struct TDictionaryCompileResult {
  bool Ok = false;
  std::string Error;  // one line, for the user
  std::vector<std::uint8_t> Bytes;
  std::uint32_t WordCount = 0;
  std::uint32_t NodeCount = 0;
};

[[nodiscard]] TDictionaryCompileResult CompileMainDictionary(const std::vector<std::u16string>& Words,
                                                             const TDictionaryCompileOptions& Options);

// Splits UTF-8 text into lines: a leading byte-order mark is dropped, CR LF and LF both end a
// line, and surrounding spaces and tabs are trimmed. Blank lines are skipped.
[[nodiscard]] std::vector<std::u16string> ReadWordListUtf8(const std::string& Bytes);

}  // namespace lexoro::tools
