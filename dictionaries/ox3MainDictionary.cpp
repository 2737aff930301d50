#include "lexoro/dictionaries/ox3MainDictionary.h"

#include <algorithm>
#include <cstring>

#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

// The most nodes one enumeration visits: as many as a walk down every node of the file to
// the depth of the longest word takes, which no real dictionary comes near (its words share
// their endings, not their beginnings, so a walk meets each node a few times), and never
// more than this.
constexpr std::uint64_t kMaxVisitBudget = std::uint64_t{1} << 26;

TMainNodeWord NodeWord(const std::uint8_t* node) { return {platform::LoadLe32(node)}; }

}  // namespace

std::string EncodeWord(unsigned CodePage, std::u16string_view Word) {
  std::string bytes;
  if (CodePage == platform::kCodePageUtf8) {
    bytes = text::Utf16ToUtf8(Word);
    if (bytes.size() > kMaxWordBytes) bytes.resize(kMaxWordBytes);
  } else {
    auto converted = platform::WideToMultiByte(CodePage, Word);
    if (!converted || converted->size() > kMaxWordBytes) return std::string();
    bytes = std::move(*converted);
  }
  const auto zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return bytes;
}

std::u16string DecodeWord(unsigned CodePage, std::string_view Bytes) {
  const auto zero = Bytes.find('\0');
  if (zero != std::string_view::npos) Bytes = Bytes.substr(0, zero);
  if (CodePage == platform::kCodePageUtf8) return text::Utf8ToUtf16(Bytes);
  auto converted = platform::MultiByteToWide(CodePage, Bytes);
  return converted ? std::move(*converted) : std::u16string();
}

// ---- Header and tree ----

std::optional<TMainDictionaryHeader> ParseMainDictionaryHeader(std::span<const std::uint8_t> Bytes) {
  if (Bytes.size() <= kMainHeaderSize) return std::nullopt;
  TMainDictionaryHeader header;
  std::copy_n(Bytes.begin(), kMainHeaderSize, header.Block.begin());
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(header.Block.data(), 0, header.Block.size()));
  const std::size_t bannerLength = zero ? static_cast<std::size_t>(zero - header.Block.data()) : header.Block.size();
  const std::string_view banner(reinterpret_cast<const char*>(header.Block.data()), bannerLength);
  const std::string_view banner41(kMainBanner41, sizeof(kMainBanner41) - 1);
  const std::string_view banner40(kMainBanner40, sizeof(kMainBanner40) - 1);
  if (!banner.starts_with(banner41) && !banner.starts_with(banner40)) return std::nullopt;
  header.MinorVersion = banner[38] - '0';
  header.CodePage = header.MinorVersion >= 1 ? platform::kCodePageUtf8 : platform::kCodePageAnsi;

  // Fields cut short read as zeros (a failed reader reads zeros from then on).
  platform::TByteReader fields(Bytes.first(std::min(Bytes.size(), kMainHeaderReadSize)));
  fields.Seek(kMainHeaderSize);
  const unsigned n = fields.U8();
  bool titleEnded = false;
  for (unsigned i = 0; i < n; ++i) {
    const char16_t unit = fields.U16();
    titleEnded = titleEnded || unit == 0;
    if (!titleEnded) header.Title += unit;
  }
  fields.Skip(2);  // the title's terminating zero
  header.Language = fields.I32();
  header.WordCount = fields.I32();
  header.NodeCount = fields.U32();
  for (auto& count : header.TableCounts) count = fields.I32();

  // Tables start after the counts. Negative counts are carried as they are; the tree
  // refuses them.
  header.TableStarts[0] = kMainTablesStart + 2 * std::uint64_t{n};
  for (unsigned k = 1; k <= kMainTableCount; ++k) {
    const std::int64_t count = header.TableCounts[k - 1];
    const std::uint64_t c = count < 0 ? 0 : static_cast<std::uint64_t>(count);
    header.TableStarts[k] = header.TableStarts[k - 1] + c * (4 + k - 1);
    header.FirstIndexes[k] = header.FirstIndexes[k - 1] + c;
  }
  return header;
}

std::optional<TMainDictionaryTree> ParseMainDictionaryTree(const TMainDictionaryHeader& Header,
                                                           std::span<const std::uint8_t> File) {
  TMainDictionaryTree tree;
  platform::TByteReader reader(File);
  reader.Seek(Header.TableStarts[0]);
  for (unsigned k = 0; k < kMainTableCount; ++k) {
    if (Header.TableCounts[k] < 0) return std::nullopt;
    tree.FTables[k] = reader.Block(static_cast<std::uint64_t>(Header.TableCounts[k]), 4 + k);
  }
  const std::int32_t linkageSize = reader.I32();
  if (linkageSize < 0) return std::nullopt;
  tree.FLinkage = reader.Block(static_cast<std::uint64_t>(linkageSize));
  const auto firstBytes = reader.Block(kMainFirstByteTableSize);
  const auto reserved = reader.Block(kMainReservedSize);
  if (!reader.Ok()) return std::nullopt;
  std::copy(firstBytes.begin(), firstBytes.end(), tree.FFirstByteTable.begin());
  std::copy(reserved.begin(), reserved.end(), tree.FReserved.begin());
  tree.FFirstIndexes = Header.FirstIndexes;
  tree.FWideIndexes = Header.NodeCount >= kMainWideIndexNodeCount;
  tree.FVisitBudget = std::min(kMaxVisitBudget, Header.FirstIndexes[kMainTableCount] * kMaxWordBytes);
  return tree;
}

// Reads the child indexes of one list from the linkage: 2 bytes little-endian, or in large
// files big-endian, 2 bytes (top bit set) or 3.
class TMainDictionaryTree::TChildReader {
 public:
  TChildReader(const TMainDictionaryTree& Tree, std::uint32_t Offset) : FReader(Tree.FLinkage), FWide(Tree.FWideIndexes) {
    FReader.Seek(Offset);
  }
  // The next index; false past the linkage area.
  [[nodiscard]] bool Next(std::uint32_t& Index) {
    if (!FWide) {
      Index = FReader.U16();
    } else if (const std::uint8_t b0 = FReader.U8(); b0 & 0x80) {
      Index = ((b0 & 0x7Fu) << 8) | FReader.U8();
    } else {
      const std::uint32_t b1 = FReader.U8();
      Index = (std::uint32_t{b0} << 16) | (b1 << 8) | FReader.U8();
    }
    return FReader.Ok();
  }

 private:
  platform::TByteReader FReader;
  bool FWide;
};

bool TMainDictionaryTree::NodeAt(std::uint32_t Index, TNodeRef& Node) const {
  if (Index >= FFirstIndexes[kMainTableCount]) return false;
  unsigned k = 0;
  while (k < kMainTableCount - 1 && Index >= FFirstIndexes[k + 1]) ++k;
  Node.Address = FTables[k].data() + (Index - FFirstIndexes[k]) * (4 + k);
  Node.Extra = k;
  return true;
}

bool TMainDictionaryTree::ChildrenOf(const TNodeRef& Node, TChildSet& Children) const {
  const TMainNodeWord word = NodeWord(Node.Address);
  if (word.CountCode() != 0) {
    Children = {word.CountCode(), word.Link()};
    return true;
  }
  const std::uint32_t link = word.Link();
  if (link == kMainNoChildren || link >= FLinkage.size()) return false;
  Children = {FLinkage[link], link + 1};
  // A count byte of 1 would make the link itself the child index; the compiler never
  // writes it, and a count of 0 means no children.
  return Children.Count >= 2;
}

bool TMainDictionaryTree::FindChild(const TChildSet& Children, std::uint8_t Ch, std::uint32_t& Index,
                                    TNodeRef& Node) const {
  if (Children.Count == 1) {
    Index = Children.Link;
    return NodeAt(Index, Node) && Node.Address[0] == Ch;
  }
  TChildReader indexes(*this, Children.Link);
  for (std::uint32_t i = 0; i < Children.Count; ++i) {
    std::uint32_t child;
    if (!indexes.Next(child)) return false;
    TNodeRef candidate;
    if (NodeAt(child, candidate) && candidate.Address[0] == Ch) {
      Index = child;
      Node = candidate;
      return true;
    }
  }
  return false;
}

bool TMainDictionaryTree::Lookup(std::string_view Word) const {
  if (Word.empty()) return false;
  const std::uint8_t* entry = FFirstByteTable.data() + 8 * static_cast<std::uint8_t>(Word[0]);
  if (Word.size() == 1) return entry[0] != 0;
  TChildSet children{entry[1], platform::LoadLe32(entry + 4)};
  if (children.Count == 0) return false;
  std::size_t p = 1;
  while (p < Word.size()) {
    std::uint32_t index;
    TNodeRef node;
    if (!FindChild(children, static_cast<std::uint8_t>(Word[p]), index, node)) return false;
    ++p;
    if (p == Word.size()) return NodeWord(node.Address).WordEnd();
    for (unsigned e = 0; e < node.Extra; ++e) {
      if (p == Word.size() || node.Address[4 + e] != static_cast<std::uint8_t>(Word[p])) return false;
      ++p;
    }
    if (p == Word.size()) return false;  // no word ends on an extra byte
    if (!ChildrenOf(node, children)) return false;
  }
  return false;
}

void TMainDictionaryTree::EnumeratePrefix(std::string_view Prefix, const TWordVisitor& Visitor) const {
  if (Prefix.empty() || !Visitor || FCyclic) return;
  if (Prefix.size() > kMaxWordBytes) Prefix = Prefix.substr(0, kMaxWordBytes);
  TNodeRef root;
  if (!NodeAt(0, root)) return;
  TChildSet rootChildren;
  if (!ChildrenOf(root, rootChildren)) return;

  // Walk the prefix; when it ends inside a node's extra bytes (or exactly at their end) it
  // is shortened by one byte and walked again, until it ends on a node's character byte.
  std::uint32_t last = 0;
  for (;;) {
    if (Prefix.empty()) return;
    TChildSet children = rootChildren;
    std::size_t p = 0;
    bool restart = false;
    while (p < Prefix.size()) {
      TNodeRef node;
      if (!FindChild(children, static_cast<std::uint8_t>(Prefix[p]), last, node)) return;
      ++p;
      if (p == Prefix.size()) break;
      if (node.Extra > 0) {
        for (unsigned e = 0; e < node.Extra && !restart; ++e) {
          if (p == Prefix.size()) restart = true;
          else if (node.Address[4 + e] != static_cast<std::uint8_t>(Prefix[p])) return;
          else ++p;
        }
        if (!restart && p == Prefix.size()) restart = true;
        if (restart) break;
      }
      if (!ChildrenOf(node, children)) return;
    }
    if (!restart) break;
    Prefix.remove_suffix(1);
  }

  char buffer[kMaxWordBytes + 1];
  std::memcpy(buffer, Prefix.data(), Prefix.size());
  std::uint64_t budget = FVisitBudget;
  bool stop = false;
  Visit(last, Prefix.size() - 1, buffer, Visitor, budget, stop);
  if (stop) FCyclic = true;
}

void TMainDictionaryTree::Visit(std::uint32_t Index, std::size_t Position, char* Buffer, const TWordVisitor& Visitor,
                                std::uint64_t& Budget, bool& Stop) const {
  TNodeRef node;
  if (Stop || !NodeAt(Index, node)) return;
  if (Budget == 0) {
    Stop = true;
    return;
  }
  --Budget;
  const TMainNodeWord word = NodeWord(node.Address);
  Buffer[Position] = static_cast<char>(word.Character());
  std::size_t end = Position + 1;
  Buffer[end] = '\0';
  if (word.WordEnd() && Visitor(std::string_view(Buffer, end)) == TVisitAction::vaPrune) return;
  if (end + node.Extra >= kMaxWordBytes) return;  // deeper than any word can be
  for (unsigned e = 0; e < node.Extra; ++e) Buffer[end++] = static_cast<char>(node.Address[4 + e]);
  TChildSet children;
  if (!ChildrenOf(node, children)) return;
  if (children.Count == 1) {
    Visit(children.Link, end, Buffer, Visitor, Budget, Stop);
    return;
  }
  TChildReader indexes(*this, children.Link);
  for (std::uint32_t i = 0; i < children.Count && !Stop; ++i) {
    std::uint32_t child;
    if (!indexes.Next(child)) return;
    Visit(child, end, Buffer, Visitor, Budget, Stop);
  }
}

// ---- The dictionary ----

TMainDictionary::TMainDictionary() = default;

TMainDictionary::~TMainDictionary() { SetActive(false); }

void TMainDictionary::Open(const std::u16string& Path) {
  if (!platform::FileExists(Path)) return;
  platform::TReadOnlyFile file;
  if (!file.Open(Path)) return;
  FWordsFound = 0;
  const bool wasActive = FActive;
  SetActive(false);

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(file.Size(), kMainHeaderReadSize)));
  bytes.resize(file.ReadAt(0, bytes));
  auto header = ParseMainDictionaryHeader(bytes);
  if (!header) return;
  FHeader = std::move(*header);
  file.Close();
  FFileName = Path;
  if (wasActive) SetActive(true);
}

void TMainDictionary::SetActive(bool Active) {
  if (FFileName.empty() || Active == FActive) return;
  if (!Active) {
    FActive = false;
    FTree.reset();
    FMapping.Close();
    return;
  }
  FActive = true;
  if (FMapping.Open(FFileName))
    FTree = ParseMainDictionaryTree(FHeader, std::span<const std::uint8_t>(FMapping.Data(), FMapping.Size()));
  if (!FTree) {
    FActive = false;
    FMapping.Close();
  }
}

bool TMainDictionary::EnsureActive() {
  if (!FActive) SetActive(true);
  return FActive;
}

bool TMainDictionary::Lookup(std::u16string_view Word) {
  if (!EnsureActive()) return false;
  return FTree->Lookup(EncodeWord(CodePage(), Word));
}

void TMainDictionary::EnumeratePrefix(std::string_view Prefix, const TWordVisitor& Visitor) {
  if (!EnsureActive()) return;
  FTree->EnumeratePrefix(Prefix, Visitor);
}

}  // namespace lexoro
