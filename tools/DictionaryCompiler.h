// The main dictionary compiler: turns a word list into the .oxm layout that TMainDictionary
// reads (see dictionaries/ox3MainDictionary.h for the byte layout).
//
// The tree is a minimized word graph: words are inserted in byte order and identical subtrees
// are shared (a child index may name any node, so the reader accepts a graph as it accepts a
// tree). Single-child paths are folded into up to eight extra bytes per node, never across a
// word end and never on the root's children, whose data the first-byte table repeats. Child
// lists depend only on the subtree they lead to, so equal lists are written once, and a short
// list that already stands inside a longer one is pointed at there.
//
// What limits a file is the 20-bit link of a node: the offset of every child list in the
// linkage area, and the index of every single child, must stay below 1,048,575. In files of
// 65,535 nodes or more an index takes 2 bytes when it is below 32,768 and 3 bytes otherwise,
// so the nodes that stand in the most child lists get the smallest indexes; a much-listed
// node that carries extra bytes (and would sit after the first table) gives its first extra
// byte to a child of its own so that it can take one of those indexes.
//
// A list too large for the format is refused with a message that says so; with FitToFormat
// the compiler keeps the shortest words instead: every word of up to K characters, for the
// largest K whose words fit.
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
  // Keep the words of up to K characters, for the largest K that fits, instead of refusing a
  // list the format cannot hold.
  bool FitToFormat = false;
  // Pads the node tables with unreachable nodes up to this count (tests of the two
  // child-index encodings).
  std::uint32_t PadNodeCount = 0;
  // The largest link a node may carry (exclusive); tests lower it to reach the limit with
  // small lists.
  std::uint32_t LinkLimit = 0xFFFFF;
};

struct TDictionaryCompileResult {
  bool Ok = false;
  std::string Error;  // one line, for the user
  std::vector<std::uint8_t> Bytes;
  std::uint32_t WordCount = 0;    // words in the file
  std::uint32_t SourceWords = 0;  // distinct words offered
  // With FitToFormat and a list that did not fit whole: the longest word kept, in characters.
  std::size_t KeptLength = 0;
  std::uint32_t NodeCount = 0;
  std::uint32_t LinkageSize = 0;
};

[[nodiscard]] TDictionaryCompileResult CompileMainDictionary(const std::vector<std::u16string>& Words,
                                                             const TDictionaryCompileOptions& Options);

// The same from UTF-8 words, as word lists hold them. Invalid UTF-8 is refused, naming the
// word, rather than compiled into replacement characters.
[[nodiscard]] TDictionaryCompileResult CompileMainDictionaryUtf8(std::vector<std::string> Words,
                                                                 const TDictionaryCompileOptions& Options);

// Splits UTF-8 text into lines: a leading byte-order mark is dropped, CR LF and LF both end a
// line, and surrounding spaces and tabs are trimmed. Blank lines are skipped.
[[nodiscard]] std::vector<std::u16string> ReadWordListUtf8(const std::string& Bytes);
// The same lines, left in UTF-8.
[[nodiscard]] std::vector<std::string> ReadWordLines(const std::string& Bytes);

}  // namespace lexoro::tools
