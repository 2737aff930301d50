#include "lexoro/thesaurus/ox3ThesaurusFile.h"

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

constexpr std::uint32_t kLinkPositionMask = 0xFFFFF;
constexpr std::uint32_t kSingleChildBit = 1u << 20;
constexpr std::uint32_t kParentBit = 1u << 21;
constexpr std::uint32_t kTailBit = 1u << 22;
constexpr std::uint32_t kWordEndBit = 1u << 23;
constexpr std::size_t kNodeSize = 4;
constexpr std::size_t kContextSize = 14;

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Reads the fields of the file front to back; every read checks the bytes are there.
class TCursor {
 public:
  explicit TCursor(std::span<const std::uint8_t> Bytes) : FBytes(Bytes) {}

  [[nodiscard]] bool Skip(std::size_t Count) {
    if (Count > FBytes.size() - FPosition) return false;
    FPosition += Count;
    return true;
  }
  [[nodiscard]] bool Byte(std::uint8_t& Value) {
    if (FBytes.size() - FPosition < 1) return false;
    Value = FBytes[FPosition++];
    return true;
  }
  [[nodiscard]] bool U16(std::uint16_t& Value) {
    if (FBytes.size() - FPosition < 2) return false;
    Value = Le16(FBytes.data() + FPosition);
    FPosition += 2;
    return true;
  }
  [[nodiscard]] bool I32(std::int32_t& Value) {
    if (FBytes.size() - FPosition < 4) return false;
    Value = static_cast<std::int32_t>(Le32(FBytes.data() + FPosition));
    FPosition += 4;
    return true;
  }
  [[nodiscard]] bool Block(std::size_t Count, std::vector<std::uint8_t>& Out) {
    if (Count > FBytes.size() - FPosition) return false;
    Out.assign(FBytes.begin() + static_cast<std::ptrdiff_t>(FPosition),
               FBytes.begin() + static_cast<std::ptrdiff_t>(FPosition + Count));
    FPosition += Count;
    return true;
  }
  // A length byte and that many ISO 8859-1 characters.
  [[nodiscard]] bool ShortString(std::u16string& Out) {
    std::uint8_t n = 0;
    if (!Byte(n) || n > FBytes.size() - FPosition) return false;
    Out.clear();
    for (std::uint8_t i = 0; i < n; ++i) Out += static_cast<char16_t>(FBytes[FPosition + i]);
    FPosition += n;
    return true;
  }

 private:
  std::span<const std::uint8_t> FBytes;
  std::size_t FPosition = 0;
};

bool IsAllUpper(std::u16string_view Word) { return platform::UpperCase(Word) == Word; }

// Text becomes upper case (Mode 2) or gets an upper-case first character (Mode 1).
void ApplyCase(std::u16string& Text, int Mode) {
  if (Text.empty() || Mode == 0) return;
  if (Mode == 2) {
    Text = platform::UpperCase(Text);
    return;
  }
  Text[0] = platform::UpperCase(Text.substr(0, 1))[0];
}

}  // namespace

// ---- Nodes ------------------------------------------------------------------------------

bool TReverseNode::Read(std::span<const std::uint8_t> Nodes, std::span<const std::uint8_t> Links,
                        std::uint32_t Index) {
  if (Index >= Nodes.size() / kNodeSize || Index >= kThesaurusMaxNodes) return false;
  const std::uint32_t v = Le32(Nodes.data() + kNodeSize * Index);
  Number = static_cast<std::uint16_t>(Index);
  LinkPosition = v & kLinkPositionMask;
  SingleChild = (v & kSingleChildBit) != 0;
  HasParent = (v & kParentBit) != 0;
  Tail = (v & kTailBit) != 0;
  WordEnd = (v & kWordEndBit) != 0;
  Character = static_cast<std::uint8_t>(v >> 24);
  Parent = 0;
  if (!HasParent) return true;
  const auto childrenSize = ChildrenSize(Links);
  if (!childrenSize) return false;
  const std::size_t at = std::size_t{LinkPosition} + *childrenSize;
  if (at + 2 > Links.size()) return false;
  Parent = Le16(Links.data() + at);
  return true;
}

std::optional<std::size_t> TReverseNode::ChildrenSize(std::span<const std::uint8_t> Links) const {
  const std::size_t p = LinkPosition;
  if (SingleChild) {
    if (p + 2 > Links.size()) return std::nullopt;
    return 2;
  }
  if (p + 1 > Links.size()) return std::nullopt;
  const std::size_t size = 1 + 2 * std::size_t{Links[p]};
  if (p + size > Links.size()) return std::nullopt;
  return size;
}

bool TForwardNode::Read(std::span<const std::uint8_t> Nodes, std::span<const std::uint8_t> Links,
                        std::uint32_t Index) {
  Children.clear();
  References.clear();
  if (!TReverseNode::Read(Nodes, Links, Index)) return false;
  const auto childrenSize = ChildrenSize(Links);
  if (!childrenSize) return false;
  std::size_t p = LinkPosition;
  if (SingleChild) {
    Children.push_back(Le16(Links.data() + p));
  } else {
    const std::size_t k = Links[p];
    for (std::size_t i = 0; i < k; ++i) Children.push_back(Le16(Links.data() + p + 1 + 2 * i));
  }
  p += *childrenSize;
  if (HasParent) p += 2;  // checked by TReverseNode::Read
  if (!WordEnd && !Tail) return true;
  if (p + 1 > Links.size()) return false;
  const std::size_t m = Links[p];
  if (p + 1 + 2 * m > Links.size()) return false;
  for (std::size_t i = 0; i < m; ++i) References.push_back(Le16(Links.data() + p + 1 + 2 * i));
  return true;
}

bool TEntry::Read(std::span<const std::uint8_t> Contexts, std::uint32_t Index) {
  if (Index >= Contexts.size() / kContextSize) return false;
  const std::uint8_t* p = Contexts.data() + kContextSize * std::size_t{Index};
  Headword = Le16(p);
  for (std::size_t i = 0; i < kThesaurusListCount; ++i) Counts[i] = Le16(p + 2 + 2 * i);
  Offset = Le32(p + 10);
  return true;
}

// ---- The thesaurus ----------------------------------------------------------------------

TThesaurusFile::TThesaurusFile() = default;

TThesaurusFile::~TThesaurusFile() { Unload(); }

void TThesaurusFile::Load() {
  Unload();
  if (FFileName.empty() || !platform::FileExists(FFileName)) return;
  const auto bytes = platform::ReadWholeFile(FFileName);
  if (!bytes) return;

  TCursor cursor(*bytes);
  std::u16string name;
  std::array<std::u16string, kThesaurusKindCount> kindNames;
  std::int32_t n = 0, l = 0, w = 0;
  std::uint16_t m = 0;
  std::vector<std::uint8_t> nodes, links, contexts, wordLists;
  bool ok = cursor.Skip(kThesaurusHeaderSize) && cursor.ShortString(name);
  for (auto& kindName : kindNames) ok = ok && cursor.ShortString(kindName);
  ok = ok && cursor.I32(n) && n >= 0 && static_cast<std::uint32_t>(n) <= kThesaurusMaxNodes &&
       cursor.Block(kNodeSize * static_cast<std::size_t>(n), nodes);
  ok = ok && cursor.I32(l) && l >= 0 && cursor.Block(static_cast<std::size_t>(l), links);
  ok = ok && cursor.U16(m) && cursor.Block(kContextSize * std::size_t{m}, contexts);
  ok = ok && cursor.I32(w) && w >= 0 && cursor.Block(static_cast<std::size_t>(w), wordLists);
  if (!ok) return;

  FName = std::move(name);
  FKindNames = std::move(kindNames);
  FNodes = std::move(nodes);
  FLinks = std::move(links);
  FContextTable = std::move(contexts);
  FWordLists = std::move(wordLists);
  if (!Validate()) {
    Unload();
    return;
  }
  FLoaded = true;
}

bool TThesaurusFile::Validate() const {
  const std::uint32_t nodeCount = NodeCount();
  const std::uint32_t contextCount = ContextCount();
  TForwardNode node;
  for (std::uint32_t i = 0; i < nodeCount; ++i) {
    if (!node.Read(FNodes, FLinks, i)) return false;
    if (node.Parent >= nodeCount) return false;
    for (auto child : node.Children)
      if (child >= nodeCount) return false;
    for (auto reference : node.References)
      if (reference / kThesaurusKindCount >= contextCount) return false;
  }
  TEntry entry;
  for (std::uint32_t i = 0; i < contextCount; ++i) {
    if (!entry.Read(FContextTable, i) || entry.Headword >= nodeCount) return false;
    std::uint64_t words = 0;
    for (auto c : entry.Counts) words += c;
    if (std::uint64_t{entry.Offset} + 2 * words > FWordLists.size()) return false;
    for (std::uint64_t k = 0; k < words; ++k)
      if (Le16(FWordLists.data() + entry.Offset + 2 * k) >= nodeCount) return false;
  }
  return true;
}

void TThesaurusFile::Unload() {
  FNodes = {};
  FLinks = {};
  FContextTable = {};
  FWordLists = {};
  FLoaded = false;
}

std::u16string TThesaurusFile::GetWord(std::uint32_t Node) const {
  TReverseNode start;
  if (!start.Read(FNodes, FLinks, Node)) return std::u16string();
  std::u16string text(1, static_cast<char16_t>(start.Character));
  if (start.Tail) {
    TForwardNode current;
    if (!current.Read(FNodes, FLinks, Node)) return std::u16string();
    while (current.SingleChild && text.size() < kThesaurusMaxWordLength) {
      if (!current.Read(FNodes, FLinks, current.Children.front())) break;
      text += static_cast<char16_t>(current.Character);
    }
  }
  // Characters in front are collected backwards and turned round once.
  std::u16string front;
  TReverseNode current = start;
  while (current.HasParent && current.Parent != 0 && front.size() + text.size() < kThesaurusMaxWordLength) {
    if (!current.Read(FNodes, FLinks, current.Parent)) break;
    front += static_cast<char16_t>(current.Character);
  }
  return std::u16string(front.rbegin(), front.rend()) + text;
}

std::optional<std::uint16_t> TThesaurusFile::FindWord(std::u16string_view Word) const {
  TForwardNode current;
  if (!current.Read(FNodes, FLinks, 0)) return std::nullopt;
  while (!Word.empty() && !current.Children.empty()) {
    const char16_t first = Word.front();
    if (first > 0xFF) return std::nullopt;
    TForwardNode next;
    bool found = false;
    for (auto child : current.Children) {
      if (next.Read(FNodes, FLinks, child) && next.Character == first) {
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
    Word.remove_prefix(1);
    current = std::move(next);
    if (current.WordEnd && Word.empty()) return current.Number;
    if (current.Tail) {
      // The chain below must spell the rest of the word exactly.
      const std::uint16_t tail = current.Number;
      std::size_t matched = 0;
      while (current.SingleChild) {
        if (matched == Word.size() || !current.Read(FNodes, FLinks, current.Children.front()) ||
            current.Character != Word[matched])
          return std::nullopt;
        ++matched;
      }
      if (matched != Word.size()) return std::nullopt;
      return tail;
    }
  }
  return std::nullopt;
}

bool TThesaurusFile::FillContext(std::uint16_t Reference, TThesaurusEntry& Entry) const {
  TEntry record;
  if (!record.Read(FContextTable, Reference / kThesaurusKindCount)) return false;
  Entry = TThesaurusEntry();
  Entry.Headword = GetWord(record.Headword);
  Entry.Kind = Reference % kThesaurusKindCount;
  Entry.KindName = FKindNames[static_cast<std::size_t>(Entry.Kind)];
  std::uint64_t offset = record.Offset;
  for (std::size_t list = 0; list < kThesaurusListCount; ++list) {
    for (std::uint16_t i = 0; i < record.Counts[list]; ++i, offset += 2) {
      if (offset + 2 > FWordLists.size()) return false;
      Entry.Lists[list].push_back(GetWord(Le16(FWordLists.data() + offset)));
    }
  }
  return true;
}

void TThesaurusFile::AdjustCase(std::u16string_view Word, TThesaurusEntry& Context) const {
  if (Word.empty()) return;
  int mode = 0;
  if (IsAllUpper(Word)) mode = 2;
  else if (platform::UpperCase(Word.substr(0, 1))[0] == Word[0]) mode = 1;
  if (mode == 0) return;
  ApplyCase(Context.Headword, mode);
  for (auto& list : Context.Lists)
    for (auto& text : list) ApplyCase(text, mode);
}

void TThesaurusFile::SetLoaded(bool Loaded) {
  if (Loaded == FLoaded) return;
  if (Loaded) Load();
  else Unload();
}

void TThesaurusFile::SetFileName(const std::u16string& Name) {
  if (Name == FFileName || !platform::FileExists(Name)) return;
  const bool wasLoaded = FLoaded;
  Unload();
  FFileName = Name;
  if (wasLoaded) Load();
}

bool TThesaurusFile::Lookup(std::u16string_view Word) {
  if (!FLoaded) Load();
  if (!FLoaded) return false;
  FContexts.clear();
  FContextWord = std::u16string(Word);
  FCaseAdjust = false;
  auto node = FindWord(Word);
  if (!node) {
    node = FindWord(platform::LowerCase(Word));
    if (!node) return false;
    FCaseAdjust = true;
  }
  TForwardNode found;
  if (!found.Read(FNodes, FLinks, *node)) return false;
  std::size_t characters = 0;
  for (auto reference : found.References) {
    TThesaurusEntry context;
    if (!FillContext(reference, context)) continue;
    for (const auto& list : context.Lists)
      for (const auto& word : list) characters += word.size();
    if (characters > kThesaurusMaxLookupCharacters) break;
    if (FCaseAdjust) AdjustCase(Word, context);
    FContexts.push_back(std::move(context));
  }
  return true;
}

}  // namespace lexoro
