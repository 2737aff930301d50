// Read-only access to a thesaurus file (.oxt): words stored once in a letter tree that can be
// walked both down (to find a word) and up (to rebuild a word from its node number), and
// contexts (meanings) whose four word lists hold node numbers. The whole file is read into
// memory on Load and released on Unload.
//
// File layout (integers little-endian; n = length byte of the field; N, L, M, W as read):
//
//   OFFSET        SIZE       FIELD
//   0             165        header block; never read
//   165           1 + n      thesaurus name: length byte n, then n bytes, one ISO 8859-1
//                            character per byte
//   ...           5(1 + n)   the names of kinds 0-4, each in the same form
//   A             4          node count N (signed; 0 <= N <= 65536, node 0 is the root)
//   A+4           4N         node table: one 32-bit value per node
//   B = A+4+4N    4          link area size L (signed, >= 0)
//   B+4           L          link area: one link block per node
//   C = B+4+L     2          context count M
//   C+2           14M        context table: one 14-byte record per context
//   D = C+2+14M   4          word-list area size W (signed, >= 0)
//   D+4           W          word-list area; anything after it is ignored
//
// Node value V: bits 0-19 position P of the node's link block in the link area; bit 20
// single child; bit 21 has a parent reference; bit 22 tail node (the rest of the word hangs
// below as a chain of single-child nodes and the word's context references are kept here);
// bit 23 word end; bits 24-31 the node's character.
//
// Link block at P: children (single child: one 16-bit node number; otherwise a count byte k
// and k 16-bit node numbers, tried in that order); with the parent bit, a 16-bit parent node
// number (0 = the root); for word-end and tail nodes only, a count byte m and m 16-bit context
// references r, each naming context r / 5 with kind r % 5.
//
// Context record: 16-bit headword node number, four 16-bit counts c1-c4, 32-bit offset into
// the word-list area where c1 + c2 + c3 + c4 16-bit node numbers follow (lists 1 to 4).
// A word is named by the node of its last tree character: its word-end node, or the tail node
// of a word that ends in a chain.
//
// Damaged files. Load rejects the file (the thesaurus stays unloaded) when a field is cut
// short, N is negative or above 65536, L or W is negative, or any structure points outside
// its area: a node's link block (children, parent and references) running past L, a child or
// parent number at or beyond N, a context reference naming a context at or beyond M, a
// context whose headword or list members are not nodes, or whose lists run past W. A file
// that loads can therefore never make a lookup read outside the loaded areas; the accessors
// check again all the same. What load cannot rule out are loops (a child that is its own
// ancestor, parents that go round in a circle): every walk is bounded by kMaxWordLength
// steps, so a crafted file gives wrong or shortened words but never hangs. Nor can a small
// crafted file make one lookup build an unbounded amount of text (a word referring 255 times
// to a context whose lists repeat one long word): a lookup stops taking contexts once their
// words add up to kThesaurusMaxLookupCharacters, far beyond any real thesaurus entry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexoro {

// Longest word the tree can give back, in characters; also the longest word the compiler
// writes. Walks up and down the tree stop after this many steps.
inline constexpr std::size_t kThesaurusMaxWordLength = 255;
inline constexpr std::size_t kThesaurusMaxLookupCharacters = std::size_t{1} << 22;
inline constexpr std::size_t kThesaurusHeaderSize = 165;
inline constexpr std::size_t kThesaurusKindCount = 5;
inline constexpr std::size_t kThesaurusListCount = 4;
// Node numbers are 16-bit; context references are 16-bit and carry the kind in r % 5.
inline constexpr std::uint32_t kThesaurusMaxNodes = 65536;
inline constexpr std::uint32_t kThesaurusMaxContexts = 65535;
inline constexpr std::uint32_t kThesaurusMaxLinkPosition = 0xFFFFF;
// A reference is 16-bit and holds context * 5 + kind, so only the first 13107 contexts can be
// reached with every kind (context 13107 only with kind 0).
inline constexpr std::uint32_t kThesaurusMaxReachableContexts = 65536 / 5;
// Sizes of a node and of a context record, and the flags of a node value (the link position
// is in bits 0-19, the character in bits 24-31).
inline constexpr std::size_t kThesaurusNodeSize = 4;
inline constexpr std::size_t kThesaurusContextSize = 14;
inline constexpr std::uint32_t kThesaurusSingleChildBit = 1u << 20;
inline constexpr std::uint32_t kThesaurusParentBit = 1u << 21;
inline constexpr std::uint32_t kThesaurusTailBit = 1u << 22;
inline constexpr std::uint32_t kThesaurusWordEndBit = 1u << 23;
inline constexpr unsigned kThesaurusCharacterShift = 24;

// One node as read for upward walks: its character, flags and parent.
class TReverseNode {
 public:
  virtual ~TReverseNode() = default;
  // Reads node Index from the node table and its parent from the link area; false when the
  // node or its link block lies outside the loaded areas.
  [[nodiscard]] virtual bool Read(std::span<const std::uint8_t> Nodes, std::span<const std::uint8_t> Links,
                                  std::uint32_t Index);

  std::uint16_t Number = 0;
  std::uint8_t Character = 0;
  std::uint32_t LinkPosition = 0;
  bool SingleChild = false;
  bool HasParent = false;
  bool Tail = false;
  bool WordEnd = false;
  std::uint16_t Parent = 0;  // 0 without a parent reference

 protected:
  // Size of the children part of the link block; no value when it runs past the link area.
  [[nodiscard]] std::optional<std::size_t> ChildrenSize(std::span<const std::uint8_t> Links) const;
};

// A node read for downward walks and lookups: also its children and context references.
class TForwardNode : public TReverseNode {
 public:
  [[nodiscard]] bool Read(std::span<const std::uint8_t> Nodes, std::span<const std::uint8_t> Links,
                          std::uint32_t Index) override;

  std::vector<std::uint16_t> Children;
  std::vector<std::uint16_t> References;
};

// One context record as stored.
struct TEntry {
  std::uint16_t Headword = 0;
  std::array<std::uint16_t, kThesaurusListCount> Counts{};
  std::uint32_t Offset = 0;

  // Reads record Index of the context table; false outside it.
  [[nodiscard]] bool Read(std::span<const std::uint8_t> Contexts, std::uint32_t Index);
};

// One context as returned to callers.
struct TThesaurusEntry {
  std::u16string Headword;
  int Kind = 0;
  std::u16string KindName;
  std::array<std::vector<std::u16string>, kThesaurusListCount> Lists;
};

// The contents of a thesaurus file: its names and its four areas.
struct TThesaurusImage {
  std::u16string Name;
  std::array<std::u16string, kThesaurusKindCount> KindNames;
  std::vector<std::uint8_t> Nodes;
  std::vector<std::uint8_t> Links;
  std::vector<std::uint8_t> Contexts;
  std::vector<std::uint8_t> WordLists;
};
// Reads the bytes of a thesaurus file, checking every structure against its area as
// described above; no value for a file that Load rejects.
[[nodiscard]] std::optional<TThesaurusImage> ParseThesaurusFile(std::span<const std::uint8_t> Bytes);
// The bytes of a file holding Image, its header block starting with Banner (the rest of the
// block zeros). The areas are written as they are. No value when a name is longer than 255
// characters or has one above U+00FF, Banner is longer than the block, or the counts do not
// fit their fields (more than 65536 nodes or 65535 contexts, an area of 2 GiB or more).
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ThesaurusFileBytes(const TThesaurusImage& Image,
                                                                          std::string_view Banner);

class TThesaurusFile {
 public:
  TThesaurusFile();
  virtual ~TThesaurusFile();
  TThesaurusFile(const TThesaurusFile&) = delete;
  TThesaurusFile& operator=(const TThesaurusFile&) = delete;

  // Reads the file named FileName() into memory; a missing, short or damaged file leaves the
  // thesaurus unloaded.
  virtual void Load();
  virtual void Unload();
  // The text of the word whose node is Node (empty when Node is not a node of the file).
  [[nodiscard]] virtual std::u16string GetWord(std::uint32_t Node) const;
  // The node of Word, compared exactly; characters above U+00FF never match.
  [[nodiscard]] virtual std::optional<std::uint16_t> FindWord(std::u16string_view Word) const;
  // The context named by reference Reference (context Reference / 5, kind Reference % 5).
  [[nodiscard]] virtual bool FillContext(std::uint16_t Reference, TThesaurusEntry& Entry) const;
  // Gives the headword and the list words of Context the case pattern of Word.
  virtual void AdjustCase(std::u16string_view Word, TThesaurusEntry& Context) const;
  virtual void SetLoaded(bool Loaded);
  // Takes Name when a file exists there, reloading when the thesaurus was loaded.
  virtual void SetFileName(const std::u16string& Name);
  // Fills Contexts() with the contexts of Word (or of its lower-case form); false when the
  // file cannot be loaded or the word is not in it.
  [[nodiscard]] virtual bool Lookup(std::u16string_view Word);

  [[nodiscard]] const std::u16string& FileName() const { return FFileName; }
  [[nodiscard]] bool Loaded() const { return FLoaded; }
  [[nodiscard]] const std::u16string& Name() const { return FImage.Name; }
  [[nodiscard]] const std::array<std::u16string, kThesaurusKindCount>& KindNames() const { return FImage.KindNames; }
  [[nodiscard]] const std::u16string& ContextWord() const { return FContextWord; }
  [[nodiscard]] const std::vector<TThesaurusEntry>& Contexts() const { return FContexts; }
  [[nodiscard]] std::vector<TThesaurusEntry>& Contexts() { return FContexts; }
  // Whether the last lookup found only the lower-case form and adjusted the case.
  [[nodiscard]] bool CaseAdjust() const { return FCaseAdjust; }
  [[nodiscard]] std::uint32_t NodeCount() const {
    return static_cast<std::uint32_t>(FImage.Nodes.size() / kThesaurusNodeSize);
  }
  [[nodiscard]] std::uint32_t ContextCount() const {
    return static_cast<std::uint32_t>(FImage.Contexts.size() / kThesaurusContextSize);
  }

  // Loads the bytes of a thesaurus file held in memory, as Load does the file's; the file
  // name is left as it is.
  void LoadFromBytes(std::span<const std::uint8_t> Bytes);

 private:
  std::u16string FFileName;
  bool FLoaded = false;
  // The names (kept by Unload) and the four areas (empty while unloaded).
  TThesaurusImage FImage;
  std::u16string FContextWord;
  std::vector<TThesaurusEntry> FContexts;
  bool FCaseAdjust = true;
};

}  // namespace lexoro
