// Read-only access to one compiled main dictionary (.oxm): a large word list stored as a
// compressed prefix tree, opened once to read its header and mapped into memory on first use.
//
// File layout (integers little-endian unless noted; n = title length, E = end of node tables):
//
//   OFFSET              SIZE          FIELD
//   0                   1024          header block: banner text (single-byte characters), a zero
//                                     byte, then anything; only the banner is read
//   1024                1             title length n, in UTF-16 code units
//   1025                2(n+1)        title, UTF-16LE, followed by one zero code unit
//   1027+2n             4             language (Windows language identifier, signed)
//   1031+2n             4             word count (signed; kept, not interpreted)
//   1035+2n             4             node count (unsigned; selects the child-index encoding)
//   1039+2n             36            C0..C8: nodes in node table k (signed)
//   1075+2n             sum Ck(4+k)   node tables 0..8; a node of table k is 4+k bytes
//   E                   4             linkage size S (signed)
//   E+4                 S             linkage area: child-index lists, count bytes
//   E+4+S               2048          first-byte table: 256 entries of 8 bytes
//   E+4+S+2048          1024          reserved block (copied, never interpreted)
//
// Node: a 32-bit word V (bits 0-7 character byte; bits 8-27 link L, 0xFFFFF = no children;
// bits 28-30 child-count code N; bit 31 word end after the character byte), then k extra
// character bytes that continue the path with no branch and no word end inside.
// Children: N = 1: L is the only child's node index; N = 2..7: N indexes at linkage offset L;
// N = 0, L != 0xFFFFF: count byte at L, indexes from L+1. Child indexes are 2 bytes
// little-endian when the node count is below 65535, otherwise big-endian: 2 bytes
// ((b0 & 0x7F) << 8 | b1) when b0's top bit is set, else 3 bytes (b0 << 16 | b1 << 8 | b2).
// First-byte entry: byte 0 one-byte-word flag, byte 1 number of children of the root's child
// for that byte, bytes 4-7 a link (the only child's index when the count is 1, else the
// linkage offset of the index list, with no count byte).
//
// Damaged files. Open reads only the header; activation refuses a file whose node-table
// counts are negative or whose tables, linkage, first-byte table and reserved block do not
// fit in the file. Inside the tree nothing is trusted: a node index at or beyond the number
// of nodes in the tables, or a linkage offset whose indexes would run past the linkage area,
// makes a lookup answer false and an enumeration skip that branch. Every walk is bounded:
// a lookup takes one step per byte of the word; an enumeration never goes deeper than the
// longest word (512 bytes) and stops after visiting 512 times as many nodes as the file
// holds, so a crafted file with cycles cannot make it loop; once one enumeration has stopped
// so, the activated tree enumerates nothing more rather than walk the cycles again for every
// prefix.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

class TPhoneticsMap;

// The two banners this system's compiler writes and its reader accepts. The minor version
// digit stands at position 38.
inline constexpr char kMainBanner41[] =
    "Lexoro Dictionary Compiler, Version 4.1\r\n"
    "Word list compiled for Lexoro. Copyright (c) Lexoro Software\r\n"
    "https://lexoro.dev/\r\n"
    "dict@lexoro.dev\r\n"
    "\r\n";
inline constexpr char kMainBanner40[] =
    "Lexoro Dictionary Compiler, Version 4.0\r\n"
    "Compiled for Lexoro. (c) Lexoro Software Ltd.\r\n"
    "www.lexoro.dev\r\n"
    "dict@lexoro.dev\r\n"
    "\r\n";
static_assert(sizeof(kMainBanner41) - 1 == 143);
static_assert(sizeof(kMainBanner40) - 1 == 123);
static_assert(kMainBanner41[38] == '1' && kMainBanner40[38] == '0');

// Longest encoded word, in bytes.
inline constexpr std::size_t kMaxWordBytes = 512;

// UTF-16 to the dictionary's code page: UTF-8 truncated to 512 bytes for 65001; otherwise the
// platform conversion, and the empty string when the result would not fit in 512 bytes.
// The result stops before the first zero byte, as a zero-terminated buffer would.
[[nodiscard]] std::string EncodeWord(unsigned CodePage, std::u16string_view Word);
// Bytes in the dictionary's code page to UTF-16; the empty string when conversion fails.
[[nodiscard]] std::u16string DecodeWord(unsigned CodePage, std::string_view Bytes);

enum class TVisitAction { vaContinue, vaPrune };
// Called with the bytes of each word found; vaPrune skips the words below this one.
using TWordVisitor = std::function<TVisitAction(std::string_view WordBytes)>;

// ---- The file format, shared by the reader and the dictionary compiler ----

inline constexpr std::size_t kMainHeaderSize = 1024;
inline constexpr std::size_t kMainFirstByteTableSize = 256 * 8;
inline constexpr std::size_t kMainReservedSize = 1024;
// Node tables 0..8; a node of table k is 4 + k bytes.
inline constexpr unsigned kMainTableCount = 9;
inline constexpr unsigned kMainMaxExtraBytes = kMainTableCount - 1;
// Offset of node table 0 after a title of no characters, and the most bytes that the fields
// from the header block to the node tables can take (a title of 255 characters).
inline constexpr std::size_t kMainTablesStart = kMainHeaderSize + 1 + 2 + 4 * 3 + 4 * kMainTableCount;
inline constexpr std::size_t kMainHeaderReadSize = kMainTablesStart + 2 * 255;
// The link of a node without children; every link and linkage offset lies below it.
inline constexpr std::uint32_t kMainNoChildren = 0xFFFFF;
// From this node count on, child indexes are written in the big-endian 2- or 3-byte form.
inline constexpr std::uint32_t kMainWideIndexNodeCount = 0xFFFF;

// The 32-bit word that starts every node.
struct TMainNodeWord {
  std::uint32_t Value = 0;

  [[nodiscard]] static constexpr TMainNodeWord Make(std::uint8_t Character, std::uint32_t Link, std::uint32_t CountCode,
                                                    bool WordEnd) {
    return {Character | ((Link & 0xFFFFF) << 8) | ((CountCode & 0x7) << 28) | (WordEnd ? 0x80000000u : 0u)};
  }
  [[nodiscard]] constexpr std::uint8_t Character() const { return static_cast<std::uint8_t>(Value); }
  [[nodiscard]] constexpr std::uint32_t Link() const { return (Value >> 8) & 0xFFFFF; }
  [[nodiscard]] constexpr std::uint32_t CountCode() const { return (Value >> 28) & 0x7; }
  [[nodiscard]] constexpr bool WordEnd() const { return (Value & 0x80000000u) != 0; }
};

// What Open reads: the header block and the fields before the node tables.
struct TMainDictionaryHeader {
  std::array<std::uint8_t, kMainHeaderSize> Block{};
  int MinorVersion = 0;
  unsigned CodePage = platform::kCodePageUtf8;
  std::u16string Title;
  std::int32_t Language = 0;
  std::int32_t WordCount = 0;
  std::uint32_t NodeCount = 0;
  // Nodes in each table (negative counts are kept as read; the tree refuses them), where each
  // table starts (start 9 is E, the linkage size), and the number of each table's first node.
  std::array<std::int32_t, kMainTableCount> TableCounts{};
  std::array<std::uint64_t, kMainTableCount + 1> TableStarts{};
  std::array<std::uint64_t, kMainTableCount + 1> FirstIndexes{};
};

// The header of a main dictionary from the first bytes of its file (up to
// kMainHeaderReadSize of them; more are not looked at). No value when there are 1024 bytes or
// fewer or the header block holds neither banner. Fields cut short by the end of the bytes
// read as zeros: only the tree's size checks judge the structure.
[[nodiscard]] std::optional<TMainDictionaryHeader> ParseMainDictionaryHeader(std::span<const std::uint8_t> Bytes);

// The tree of a main dictionary: views into the bytes of the whole file (kept alive by its
// owner), taken out of them with every size checked. Lookups and enumerations work on encoded
// bytes and never read outside the views, whatever the tree holds.
class TMainDictionaryTree {
 public:
  [[nodiscard]] bool Lookup(std::string_view Word) const;
  void EnumeratePrefix(std::string_view Prefix, const TWordVisitor& Visitor) const;

 private:
  friend std::optional<TMainDictionaryTree> ParseMainDictionaryTree(const TMainDictionaryHeader& Header,
                                                                    std::span<const std::uint8_t> File);
  struct TNodeRef {
    const std::uint8_t* Address = nullptr;
    unsigned Extra = 0;  // number of extra bytes (the node's table)
  };
  struct TChildSet {
    std::uint32_t Count = 0;
    std::uint32_t Link = 0;  // node index when Count is 1, else linkage offset of the indexes
  };
  class TChildReader;

  [[nodiscard]] bool NodeAt(std::uint32_t Index, TNodeRef& Node) const;
  // The children of a node, from its N and L; false when it has none (or they are unreadable).
  [[nodiscard]] bool ChildrenOf(const TNodeRef& Node, TChildSet& Children) const;
  // The child in Children whose character byte is Ch.
  [[nodiscard]] bool FindChild(const TChildSet& Children, std::uint8_t Ch, std::uint32_t& Index, TNodeRef& Node) const;
  void Visit(std::uint32_t Index, std::size_t Position, char* Buffer, const TWordVisitor& Visitor,
             std::uint64_t& Budget, bool& Stop) const;

  // The most nodes one enumeration visits. Only links that form cycles make an enumeration
  // spend it all; FCyclic is set then, and later enumerations report nothing instead of
  // spending it again.
  std::uint64_t FVisitBudget = 0;
  mutable bool FCyclic = false;
  bool FWideIndexes = false;
  std::span<const std::uint8_t> FLinkage;
  std::array<std::uint8_t, kMainFirstByteTableSize> FFirstByteTable{};
  std::array<std::span<const std::uint8_t>, kMainTableCount> FTables{};
  std::array<std::uint8_t, kMainReservedSize> FReserved{};  // copied, never interpreted
  std::array<std::uint64_t, kMainTableCount + 1> FFirstIndexes{};
};

// Takes the tree out of File, the bytes of the whole file, laid out as Header says: the node
// tables, the linkage, the first-byte table and the reserved block must all fit. No value
// when they do not (or a table count is negative).
[[nodiscard]] std::optional<TMainDictionaryTree> ParseMainDictionaryTree(const TMainDictionaryHeader& Header,
                                                                         std::span<const std::uint8_t> File);

class TMainDictionary {
 public:
  TMainDictionary();
  ~TMainDictionary();
  TMainDictionary(const TMainDictionary&) = delete;
  TMainDictionary& operator=(const TMainDictionary&) = delete;

  // Reads the header of the file at Path. Success shows as FileName() becoming Path.
  void Open(const std::u16string& Path);
  // Maps (true) or releases (false) the file.
  void SetActive(bool Active);
  [[nodiscard]] bool Lookup(std::u16string_view Word);
  // Calls Visitor for every word that starts with Prefix (bytes in the dictionary's code page).
  void EnumeratePrefix(std::string_view Prefix, const TWordVisitor& Visitor);
  // Adds phonetically similar words to List; defined with the suggestions generator.
  void FindPhoneticCandidates(const std::u16string& Word, TPhoneticsMap* PhoneticsMap, std::vector<std::u16string>& List);
  void IncrementWordsFound() { ++FWordsFound; }

  [[nodiscard]] bool Active() const { return FActive; }
  [[nodiscard]] const std::u16string& FileName() const { return FFileName; }
  [[nodiscard]] const std::u16string& ConfigurationName() const { return FConfigurationName; }
  void SetConfigurationName(const std::u16string& Name) { FConfigurationName = Name; }
  [[nodiscard]] const std::u16string& Title() const { return FHeader.Title; }
  [[nodiscard]] std::int32_t Language() const { return FHeader.Language; }
  [[nodiscard]] std::int32_t WordCount() const { return FHeader.WordCount; }
  [[nodiscard]] std::uint32_t NodeCount() const { return FHeader.NodeCount; }
  [[nodiscard]] std::int32_t WordsFound() const { return FWordsFound; }
  [[nodiscard]] int MinorVersion() const { return FHeader.MinorVersion; }
  [[nodiscard]] unsigned CodePage() const { return FHeader.CodePage; }

 private:
  bool EnsureActive();

  // Phonetic search state (used only during FindPhoneticCandidates).
  std::vector<std::u16string>* FPhoneticList = nullptr;
  TPhoneticsMap* FPhoneticsMap = nullptr;
  std::u16string FPhoneticWord;
  std::u16string FPhoneticCode;

  std::u16string FConfigurationName;
  std::u16string FFileName;
  bool FActive = false;
  // Banner version, code page, title, counts and table layout, as Open read them.
  TMainDictionaryHeader FHeader;
  platform::TFileMapping FMapping;
  std::optional<TMainDictionaryTree> FTree;  // while active
  std::int32_t FWordsFound = 0;
};

}  // namespace lexoro
