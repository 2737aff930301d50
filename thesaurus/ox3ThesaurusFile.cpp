#include "lexoro/thesaurus/ox3ThesaurusFile.h"

#include <algorithm>

#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

using platform::TByteReader;

constexpr std::uint32_t kLinkPositionMask = 0xFFFFF;

// A length byte and that many ISO 8859-1 characters.
std::u16string ReadShortString(TByteReader& Reader) {
  const auto bytes = Reader.Block(Reader.U8());
  return std::u16string(bytes.begin(), bytes.end());
}

// Every structure of the file checked against its area (see the header).
bool Validate(const TThesaurusImage& Image) {
  const auto nodeCount = static_cast<std::uint32_t>(Image.Nodes.size() / kThesaurusNodeSize);
  const auto contextCount = static_cast<std::uint32_t>(Image.Contexts.size() / kThesaurusContextSize);
  TForwardNode node;
  for (std::uint32_t i = 0; i < nodeCount; ++i) {
    if (!node.Read(Image.Nodes, Image.Links, i)) return false;
    if (node.Parent >= nodeCount) return false;
    for (auto child : node.Children)
      if (child >= nodeCount) return false;
    for (auto reference : node.References)
      if (reference / kThesaurusKindCount >= contextCount) return false;
  }
  TEntry entry;
  for (std::uint32_t i = 0; i < contextCount; ++i) {
    if (!entry.Read(Image.Contexts, i) || entry.Headword >= nodeCount) return false;
    std::uint64_t words = 0;
    for (auto c : entry.Counts) words += c;
    TByteReader list(Image.WordLists);
    list.Seek(entry.Offset);
    for (std::uint64_t k = 0; k < words; ++k)
      if (list.U16() >= nodeCount || !list.Ok()) return false;
  }
  return true;
}

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
  if (Index >= kThesaurusMaxNodes) return false;
  TByteReader nodes(Nodes);
  nodes.Seek(std::uint64_t{Index} * kThesaurusNodeSize);
  const std::uint32_t v = nodes.U32();
  if (!nodes.Ok()) return false;
  Number = static_cast<std::uint16_t>(Index);
  LinkPosition = v & kLinkPositionMask;
  SingleChild = (v & kThesaurusSingleChildBit) != 0;
  HasParent = (v & kThesaurusParentBit) != 0;
  Tail = (v & kThesaurusTailBit) != 0;
  WordEnd = (v & kThesaurusWordEndBit) != 0;
  Character = static_cast<std::uint8_t>(v >> kThesaurusCharacterShift);
  Parent = 0;
  if (!HasParent) return true;
  const auto childrenSize = ChildrenSize(Links);
  if (!childrenSize) return false;
  TByteReader links(Links);
  links.Seek(std::uint64_t{LinkPosition} + *childrenSize);
  Parent = links.U16();
  return links.Ok();
}

std::optional<std::size_t> TReverseNode::ChildrenSize(std::span<const std::uint8_t> Links) const {
  TByteReader links(Links);
  links.Seek(LinkPosition);
  links.Skip(SingleChild ? 2 : 2 * std::uint64_t{links.U8()});
  if (!links.Ok()) return std::nullopt;
  return links.Position() - LinkPosition;
}

bool TForwardNode::Read(std::span<const std::uint8_t> Nodes, std::span<const std::uint8_t> Links,
                        std::uint32_t Index) {
  Children.clear();
  References.clear();
  if (!TReverseNode::Read(Nodes, Links, Index)) return false;
  TByteReader links(Links);
  links.Seek(LinkPosition);
  const std::size_t k = SingleChild ? 1 : links.U8();
  for (std::size_t i = 0; i < k && links.Ok(); ++i) Children.push_back(links.U16());
  if (HasParent) links.Skip(2);  // read by TReverseNode::Read
  if (WordEnd || Tail) {
    const std::size_t m = links.U8();
    for (std::size_t i = 0; i < m && links.Ok(); ++i) References.push_back(links.U16());
  }
  return links.Ok();
}

bool TEntry::Read(std::span<const std::uint8_t> Contexts, std::uint32_t Index) {
  TByteReader record(Contexts);
  record.Seek(std::uint64_t{Index} * kThesaurusContextSize);
  Headword = record.U16();
  for (auto& count : Counts) count = record.U16();
  Offset = record.U32();
  return record.Ok();
}

std::optional<TThesaurusImage> ParseThesaurusFile(std::span<const std::uint8_t> Bytes) {
  TByteReader reader(Bytes);
  TThesaurusImage image;
  reader.Skip(kThesaurusHeaderSize);
  image.Name = ReadShortString(reader);
  for (auto& kindName : image.KindNames) kindName = ReadShortString(reader);
  const auto block = [&reader](std::uint64_t Count, std::size_t Size, std::vector<std::uint8_t>& Out) {
    const auto bytes = reader.Block(Count, Size);
    Out.assign(bytes.begin(), bytes.end());
  };
  const std::int32_t n = reader.I32();
  if (n < 0 || static_cast<std::uint32_t>(n) > kThesaurusMaxNodes) return std::nullopt;
  block(static_cast<std::uint64_t>(n), kThesaurusNodeSize, image.Nodes);
  const std::int32_t l = reader.I32();
  if (l < 0) return std::nullopt;
  block(static_cast<std::uint64_t>(l), 1, image.Links);
  block(reader.U16(), kThesaurusContextSize, image.Contexts);
  const std::int32_t w = reader.I32();
  if (w < 0) return std::nullopt;
  block(static_cast<std::uint64_t>(w), 1, image.WordLists);
  if (!reader.Ok() || !Validate(image)) return std::nullopt;
  return image;
}

std::optional<std::vector<std::uint8_t>> ThesaurusFileBytes(const TThesaurusImage& Image, std::string_view Banner) {
  constexpr std::size_t kMaxArea = 0x7FFFFFFF;
  const auto fits = [](const std::u16string& Name) {
    return Name.size() <= 255 && std::all_of(Name.begin(), Name.end(), [](char16_t c) { return c <= 0xFF; });
  };
  if (Banner.size() > kThesaurusHeaderSize || !fits(Image.Name) ||
      !std::all_of(Image.KindNames.begin(), Image.KindNames.end(), fits) ||
      Image.Nodes.size() / kThesaurusNodeSize > kThesaurusMaxNodes ||
      Image.Contexts.size() / kThesaurusContextSize > kThesaurusMaxContexts || Image.Links.size() > kMaxArea ||
      Image.WordLists.size() > kMaxArea)
    return std::nullopt;
  platform::TByteWriter out;
  out.PutBytes(Banner);
  out.PutZeros(kThesaurusHeaderSize - Banner.size());
  const auto putName = [&out](const std::u16string& Name) {
    out.PutU8(static_cast<std::uint8_t>(Name.size()));
    for (char16_t c : Name) out.PutU8(static_cast<std::uint8_t>(c));
  };
  putName(Image.Name);
  for (const auto& kindName : Image.KindNames) putName(kindName);
  out.PutU32(static_cast<std::uint32_t>(Image.Nodes.size() / kThesaurusNodeSize));
  out.PutBytes(Image.Nodes);
  out.PutU32(static_cast<std::uint32_t>(Image.Links.size()));
  out.PutBytes(Image.Links);
  out.PutU16(static_cast<std::uint16_t>(Image.Contexts.size() / kThesaurusContextSize));
  out.PutBytes(Image.Contexts);
  out.PutU32(static_cast<std::uint32_t>(Image.WordLists.size()));
  out.PutBytes(Image.WordLists);
  return out.Take();
}

// ---- The thesaurus ----------------------------------------------------------------------

TThesaurusFile::TThesaurusFile() = default;

TThesaurusFile::~TThesaurusFile() { Unload(); }

void TThesaurusFile::Load() {
  Unload();
  if (FFileName.empty() || !platform::FileExists(FFileName)) return;
  if (const auto bytes = platform::ReadWholeFile(FFileName)) LoadFromBytes(*bytes);
}

void TThesaurusFile::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  Unload();
  auto image = ParseThesaurusFile(Bytes);
  if (!image) return;
  FImage = std::move(*image);
  FLoaded = true;
}

void TThesaurusFile::Unload() {
  FImage.Nodes = {};
  FImage.Links = {};
  FImage.Contexts = {};
  FImage.WordLists = {};
  FLoaded = false;
}

std::u16string TThesaurusFile::GetWord(std::uint32_t Node) const {
  TReverseNode start;
  if (!start.Read(FImage.Nodes, FImage.Links, Node)) return std::u16string();
  std::u16string text(1, static_cast<char16_t>(start.Character));
  if (start.Tail) {
    TForwardNode current;
    if (!current.Read(FImage.Nodes, FImage.Links, Node)) return std::u16string();
    while (current.SingleChild && text.size() < kThesaurusMaxWordLength) {
      if (!current.Read(FImage.Nodes, FImage.Links, current.Children.front())) break;
      text += static_cast<char16_t>(current.Character);
    }
  }
  // Characters in front are collected backwards and turned round once.
  std::u16string front;
  TReverseNode current = start;
  while (current.HasParent && current.Parent != 0 && front.size() + text.size() < kThesaurusMaxWordLength) {
    if (!current.Read(FImage.Nodes, FImage.Links, current.Parent)) break;
    front += static_cast<char16_t>(current.Character);
  }
  return std::u16string(front.rbegin(), front.rend()) + text;
}

std::optional<std::uint16_t> TThesaurusFile::FindWord(std::u16string_view Word) const {
  TForwardNode current;
  if (!current.Read(FImage.Nodes, FImage.Links, 0)) return std::nullopt;
  while (!Word.empty() && !current.Children.empty()) {
    const char16_t first = Word.front();
    if (first > 0xFF) return std::nullopt;
    TForwardNode next;
    bool found = false;
    for (auto child : current.Children) {
      if (next.Read(FImage.Nodes, FImage.Links, child) && next.Character == first) {
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
        if (matched == Word.size() || !current.Read(FImage.Nodes, FImage.Links, current.Children.front()) ||
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
  if (!record.Read(FImage.Contexts, Reference / kThesaurusKindCount)) return false;
  Entry = TThesaurusEntry();
  Entry.Headword = GetWord(record.Headword);
  Entry.Kind = Reference % kThesaurusKindCount;
  Entry.KindName = FImage.KindNames[static_cast<std::size_t>(Entry.Kind)];
  TByteReader words(FImage.WordLists);
  words.Seek(record.Offset);
  for (std::size_t list = 0; list < kThesaurusListCount; ++list) {
    for (std::uint16_t i = 0; i < record.Counts[list]; ++i) {
      const std::uint16_t node = words.U16();
      if (!words.Ok()) return false;
      Entry.Lists[list].push_back(GetWord(node));
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
  if (!found.Read(FImage.Nodes, FImage.Links, *node)) return false;
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
