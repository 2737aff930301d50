#include "lexoro/dictionaries/ox3MainDictionary.h"

#include <algorithm>
#include <cstring>

#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

constexpr std::uint32_t kNoChildren = 0xFFFFF;
constexpr std::size_t kHeaderSize = 1024;
constexpr std::size_t kFirstByteTableSize = 2048;
constexpr std::size_t kReservedSize = 1024;
// Enough for every node of the largest dictionary many times over; a crafted file whose
// links form cycles stops here.
constexpr std::uint64_t kVisitBudget = std::uint64_t{1} << 26;

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint8_t NodeChar(const std::uint8_t* node) { return node[0]; }
std::uint32_t NodeLink(const std::uint8_t* node) { return (Le32(node) >> 8) & 0xFFFFF; }
std::uint32_t NodeCountCode(const std::uint8_t* node) { return (node[3] >> 4) & 0x7; }
bool NodeWordEnd(const std::uint8_t* node) { return (node[3] & 0x80) != 0; }

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

TMainDictionary::TMainDictionary() = default;

TMainDictionary::~TMainDictionary() { SetActive(false); }

void TMainDictionary::Open(const std::u16string& Path) {
  if (!platform::FileExists(Path)) return;
  platform::TReadOnlyFile file;
  if (!file.Open(Path)) return;
  FWordsFound = 0;
  const bool wasActive = FActive;
  SetActive(false);
  if (file.Size() <= kHeaderSize) return;

  std::array<std::uint8_t, kHeaderSize> header{};
  if (file.ReadAt(0, header) != header.size()) return;
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(header.data(), 0, header.size()));
  const std::size_t bannerLength = zero ? static_cast<std::size_t>(zero - header.data()) : header.size();
  const std::string_view banner(reinterpret_cast<const char*>(header.data()), bannerLength);
  const std::string_view banner41(kMainBanner41, sizeof(kMainBanner41) - 1);
  const std::string_view banner40(kMainBanner40, sizeof(kMainBanner40) - 1);
  if (!banner.starts_with(banner41) && !banner.starts_with(banner40)) return;

  // Everything up to the node tables: the title (at most 255 code units) and the counts.
  std::array<std::uint8_t, 1 + 2 * 256 + 4 * 12> fields{};
  const std::size_t got = file.ReadAt(kHeaderSize, fields);
  const unsigned n = got > 0 ? fields[0] : 0;
  // Truncated fields read as zeros: only the size checks at activation judge the structure.
  std::fill(fields.begin() + static_cast<std::ptrdiff_t>(std::min(got, fields.size())), fields.end(), 0);

  FHeader = header;
  FMinorVersion = banner[38] - '0';
  FCodePage = FMinorVersion >= 1 ? platform::kCodePageUtf8 : platform::kCodePageAnsi;
  FTitle.clear();
  for (unsigned i = 0; i < n; ++i) {
    const char16_t unit = static_cast<char16_t>(fields[1 + 2 * i] | (fields[2 + 2 * i] << 8));
    if (unit == 0) break;
    FTitle += unit;
  }
  const std::uint8_t* p = fields.data() + 1 + 2 * (n + 1);
  FLanguage = static_cast<std::int32_t>(Le32(p));
  FWordCount = static_cast<std::int32_t>(Le32(p + 4));
  FNodeCount = Le32(p + 8);
  for (int k = 0; k < 9; ++k) FTableCounts[k] = static_cast<std::int32_t>(Le32(p + 12 + 4 * k));

  // Tables start after the counts. Negative counts are carried as they are; activation
  // refuses them.
  FTableStarts[0] = kHeaderSize + 51 + 2 * std::uint64_t{n};
  FFirstIndexes[0] = 0;
  for (int k = 1; k <= 9; ++k) {
    const std::int64_t count = FTableCounts[k - 1];
    const std::uint64_t c = count < 0 ? 0 : static_cast<std::uint64_t>(count);
    FTableStarts[k] = FTableStarts[k - 1] + c * static_cast<std::uint64_t>(k - 1 + 4);
    FFirstIndexes[k] = FFirstIndexes[k - 1] + c;
  }

  file.Close();
  FFileName = Path;
  if (wasActive) SetActive(true);
}

void TMainDictionary::SetActive(bool Active) {
  if (FFileName.empty() || Active == FActive) return;
  if (!Active) {
    FActive = false;
    FMapping.Close();
    FLinkage = nullptr;
    FLinkageSize = 0;
    FTables.fill(nullptr);
    return;
  }
  FActive = true;
  bool ok = FMapping.Open(FFileName);
  for (int k = 0; ok && k < 9; ++k) ok = FTableCounts[k] >= 0;
  const std::uint64_t size = FMapping.Size();
  const std::uint64_t e = FTableStarts[9];
  ok = ok && size > e + 4;
  std::uint64_t linkageSize = 0;
  if (ok) {
    const auto s = static_cast<std::int32_t>(Le32(FMapping.Data() + e));
    ok = s >= 0;
    linkageSize = ok ? static_cast<std::uint64_t>(s) : 0;
  }
  ok = ok && size >= e + 4 + linkageSize + kFirstByteTableSize + kReservedSize;
  if (!ok) {
    FActive = false;
    FMapping.Close();
    return;
  }
  const std::uint8_t* base = FMapping.Data();
  FLinkageSize = static_cast<std::uint32_t>(linkageSize);
  FLinkage = base + e + 4;
  std::memcpy(FFirstByteTable.data(), FLinkage + linkageSize, kFirstByteTableSize);
  for (int k = 0; k < 9; ++k) FTables[k] = base + FTableStarts[k];
  std::memcpy(FReserved.data(), FLinkage + linkageSize + kFirstByteTableSize, kReservedSize);
}

bool TMainDictionary::EnsureActive() {
  if (!FActive) SetActive(true);
  return FActive;
}

bool TMainDictionary::NodeAt(std::uint32_t Index, TNodeRef& Node) const {
  if (Index >= FFirstIndexes[9]) return false;
  unsigned k = 0;
  while (k < 8 && Index >= FFirstIndexes[k + 1]) ++k;
  Node.Address = FTables[k] + (Index - FFirstIndexes[k]) * (4 + k);
  Node.Extra = k;
  return true;
}

bool TMainDictionary::ReadChildIndex(std::uint32_t& Offset, std::uint32_t& Index) const {
  if (FNodeCount < 0xFFFF) {
    if (std::uint64_t{Offset} + 2 > FLinkageSize) return false;
    Index = FLinkage[Offset] | (FLinkage[Offset + 1] << 8);
    Offset += 2;
    return true;
  }
  if (std::uint64_t{Offset} + 2 > FLinkageSize) return false;
  const std::uint8_t b0 = FLinkage[Offset];
  if (b0 & 0x80) {
    Index = ((b0 & 0x7Fu) << 8) | FLinkage[Offset + 1];
    Offset += 2;
    return true;
  }
  if (std::uint64_t{Offset} + 3 > FLinkageSize) return false;
  Index = (static_cast<std::uint32_t>(b0) << 16) | (FLinkage[Offset + 1] << 8) | FLinkage[Offset + 2];
  Offset += 3;
  return true;
}

bool TMainDictionary::ChildrenOf(const TNodeRef& Node, TChildSet& Children) const {
  const std::uint32_t n = NodeCountCode(Node.Address);
  const std::uint32_t link = NodeLink(Node.Address);
  if (n != 0) {
    Children = {n, link};
    return true;
  }
  if (link == kNoChildren || link >= FLinkageSize) return false;
  Children = {FLinkage[link], link + 1};
  // A count byte of 1 would make the link itself the child index; the compiler never
  // writes it, and a count of 0 means no children.
  return Children.Count >= 2;
}

bool TMainDictionary::FindChild(const TChildSet& Children, std::uint8_t Ch, std::uint32_t& Index, TNodeRef& Node) const {
  if (Children.Count == 1) {
    Index = Children.Link;
    return NodeAt(Index, Node) && NodeChar(Node.Address) == Ch;
  }
  std::uint32_t offset = Children.Link;
  for (std::uint32_t i = 0; i < Children.Count; ++i) {
    std::uint32_t child;
    if (!ReadChildIndex(offset, child)) return false;
    TNodeRef candidate;
    if (NodeAt(child, candidate) && NodeChar(candidate.Address) == Ch) {
      Index = child;
      Node = candidate;
      return true;
    }
  }
  return false;
}

bool TMainDictionary::Lookup(std::u16string_view Word) {
  if (!EnsureActive()) return false;
  const std::string w = EncodeWord(FCodePage, Word);
  if (w.empty()) return false;
  const std::uint8_t* entry = FFirstByteTable.data() + 8 * static_cast<std::uint8_t>(w[0]);
  if (w.size() == 1) return entry[0] != 0;
  TChildSet children{entry[1], Le32(entry + 4)};
  if (children.Count == 0) return false;
  std::size_t p = 1;
  while (p < w.size()) {
    std::uint32_t index;
    TNodeRef node;
    if (!FindChild(children, static_cast<std::uint8_t>(w[p]), index, node)) return false;
    ++p;
    if (p == w.size()) return NodeWordEnd(node.Address);
    for (unsigned e = 0; e < node.Extra; ++e) {
      if (p == w.size() || node.Address[4 + e] != static_cast<std::uint8_t>(w[p])) return false;
      ++p;
    }
    if (p == w.size()) return false;  // no word ends on an extra byte
    if (!ChildrenOf(node, children)) return false;
  }
  return false;
}

void TMainDictionary::EnumeratePrefix(std::string_view Prefix, const TWordVisitor& Visitor) {
  if (!EnsureActive() || Prefix.empty() || !Visitor) return;
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
  std::uint64_t budget = kVisitBudget;
  bool stop = false;
  Visit(last, Prefix.size() - 1, buffer, Visitor, budget, stop);
}

void TMainDictionary::Visit(std::uint32_t Index, std::size_t Position, char* Buffer, const TWordVisitor& Visitor,
                            std::uint64_t& Budget, bool& Stop) const {
  TNodeRef node;
  if (Stop || !NodeAt(Index, node)) return;
  if (Budget == 0) {
    Stop = true;
    return;
  }
  --Budget;
  Buffer[Position] = static_cast<char>(NodeChar(node.Address));
  std::size_t end = Position + 1;
  Buffer[end] = '\0';
  if (NodeWordEnd(node.Address) && Visitor(std::string_view(Buffer, end)) == TVisitAction::vaPrune) return;
  if (end + node.Extra >= kMaxWordBytes) return;  // deeper than any word can be
  for (unsigned e = 0; e < node.Extra; ++e) Buffer[end++] = static_cast<char>(node.Address[4 + e]);
  TChildSet children;
  if (!ChildrenOf(node, children)) return;
  if (children.Count == 1) {
    Visit(children.Link, end, Buffer, Visitor, Budget, Stop);
    return;
  }
  std::uint32_t offset = children.Link;
  for (std::uint32_t i = 0; i < children.Count && !Stop; ++i) {
    std::uint32_t child;
    if (!ReadChildIndex(offset, child)) return;
    Visit(child, end, Buffer, Visitor, Budget, Stop);
  }
}

}  // namespace lexoro
