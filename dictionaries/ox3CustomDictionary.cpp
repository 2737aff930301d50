#include "lexoro/dictionaries/ox3CustomDictionary.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro {

namespace {

// Table sizes, in the order the table grows through them (all prime).
constexpr std::array<std::int32_t, 24> kTableSizes = {
    251,      509,      1021,     2039,      4093,      8191,      16381,     32749,
    65521,    131071,   262139,   524287,    1048573,   2097143,   4194301,   8388593,
    16777213, 33554393, 67108859, 134217689, 268435399, 536870909, 1073741789, 2147483647};

constexpr std::size_t kBanner41Length = sizeof(kCustomBanner41) - 1;
constexpr std::size_t kBanner40Length = sizeof(kCustomBanner40) - 1;
// Longest encoded word of a record, and longest record of an auto-correct pair.
constexpr std::size_t kMaxRecordWordBytes = 511;
constexpr std::size_t kMaxRecordBytes = 513;

std::int32_t Wrap(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

// Cuts UTF-8 bytes to at most Limit bytes without splitting a character.
void TruncateBytes(std::string& bytes, std::size_t limit, unsigned codePage) {
  if (bytes.size() <= limit) return;
  std::size_t end = limit;
  if (codePage == platform::kCodePageUtf8) {
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) --end;
  }
  bytes.resize(end);
}

// True when Utf8 (the word's encoding) decodes back to Word: no zero, no unpaired surrogate
// and nothing cut off (a stored word holds at most 511 bytes).
bool Utf8RoundTrips(std::u16string_view word, const std::string& utf8) {
  if (utf8.size() > kMaxRecordWordBytes) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char16_t c = word[i];
    if (c == 0) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= word.size() || word[i + 1] < 0xDC00 || word[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

}  // namespace

void TCustomDictionary::TChangeLogs::Clear() {
  RemovedAdded.clear();
  RemovedExcluded.clear();
  RemovedAutoCorrect.clear();
  AddedAdded.clear();
  AddedExcluded.clear();
  AddedAutoCorrect.clear();
  AddedReplacements.clear();
}

TCustomDictionary::TCustomDictionary() = default;

TCustomDictionary::~TCustomDictionary() {
  try {
    SetLoaded(false);
  } catch (...) {
    // A destructor cannot report; an allocation failure during the final save loses it.
  }
}

// ---- Hashing ----

std::int32_t TCustomDictionary::HashSlot(std::u16string_view Word, std::int32_t Size) {
  if (Size < 2) return 0;
  // 32-bit signed arithmetic that wraps; % keeps the sign of the dividend.
  std::int32_t h = 0;
  std::int32_t a = 31415;
  for (char16_t u : Word) {
    h = Wrap(static_cast<std::int64_t>(u) + Wrap(static_cast<std::int64_t>(a) * h)) % Size;
    if (h < 0) h = (-h) % Size;
    a = Wrap(static_cast<std::int64_t>(a) * 27183) % (Size - 1);
  }
  return h;
}

std::int32_t TCustomDictionary::NextTableSize(std::int32_t Size) {
  for (std::int32_t size : kTableSizes)
    if (size > Size) return size;
  return Size;
}

// ---- The file ----

std::optional<TCustomDictionaryVersion> ParseCustomDictionaryBanner(std::span<const std::uint8_t> Bytes) {
  const auto starts = [&](std::string_view banner) {
    return Bytes.size() >= banner.size() && std::equal(banner.begin(), banner.end(), Bytes.begin());
  };
  // The text ends with a zero byte and 0x1A, which are not checked.
  if (starts(kCustomBanner40)) return TCustomDictionaryVersion{platform::kCodePageAnsi, kBanner40Length + 2};
  if (starts(kCustomBanner41)) return TCustomDictionaryVersion{platform::kCodePageUtf8, kBanner41Length + 2};
  return std::nullopt;
}

std::optional<TCustomDictionaryBody> ParseCustomDictionaryBody(std::span<const std::uint8_t> Bytes) {
  platform::TByteReader reader(Bytes);
  TCustomDictionaryBody body;
  body.AddedCount = reader.I32();
  body.ExcludedCount = reader.I32();
  body.AutoCorrectCount = reader.I32();
  body.EntryCount = reader.I32();
  const std::int32_t tableSize = reader.I32();
  // A table of one slot has no probe sequence (the hash divides by size - 1).
  if (tableSize < 0 || tableSize == 1) return std::nullopt;
  const auto slots = reader.Block(static_cast<std::uint64_t>(tableSize), 4);
  const std::int32_t used = reader.I32();
  if (used < 0) return std::nullopt;
  const auto buffer = reader.Block(static_cast<std::uint64_t>(used));
  if (!reader.Ok()) return std::nullopt;

  platform::TByteReader slotReader(slots);
  body.Table.resize(static_cast<std::size_t>(tableSize));
  for (auto& slot : body.Table) slot = slotReader.I32();
  body.Buffer.assign(buffer.begin(), buffer.end());
  return body;
}

std::vector<std::u16string> ParseWordList(std::span<const std::uint8_t> Bytes) {
  std::u16string text;
  if (text::ByteOrderMarkOf(Bytes) != text::TByteOrderMark::bomNone) {
    text = text::DecodeMarkedText(Bytes);
  } else {
    text = platform::MultiByteToWide(platform::kCodePageAnsi,
                                     std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()))
               .value_or(std::u16string());
  }
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
      if (i > start) lines.push_back(text.substr(start, i - start));
      if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
      start = i + 1;
    }
  }
  return lines;
}

// ---- Loading and saving ----

void TCustomDictionary::SetFileName(const std::u16string& Name) {
  // Only a check: the code page stays that of the loaded contents until the new file loads.
  platform::TReadOnlyFile file;
  const unsigned codePage = FCodePage;
  const bool usable = CheckFile(Name, false, file);
  FCodePage = codePage;
  if (!usable) return;
  const bool wasLoaded = FLoaded;
  SetLoaded(false);
  FFileName = Name;
  FTracking = !Name.empty();
  if (wasLoaded) SetLoaded(true);
}

void TCustomDictionary::SetLoaded(bool Loaded) {
  if (Loaded) {
    if (FLoaded) return;
    FLoaded = true;
    if (FFileName.empty()) return;
    platform::TReadOnlyFile file;
    if (!CheckFile(FFileName, true, file)) {
      SetLoaded(false);
      return;
    }
    if (!file.IsOpen()) {
      // No file yet: the first save creates it.
      FFileTime.reset();
      FModified = true;
      return;
    }
    FFileTime = platform::FileStamp(FFileName);
    ReadBody(file);
    file.Close();
    return;
  }
  if (!FLoaded) return;
  FLoaded = false;
  if (FModified) Flush();
  FModified = false;
  ClearContents();
  FCodePage = platform::kCodePageUtf8;
}

void TCustomDictionary::ClearContents() {
  FAddedCount = 0;
  FExcludedCount = 0;
  FAutoCorrectCount = 0;
  FEntryCount = 0;
  FBuffer.clear();
  FBuffer.shrink_to_fit();
  FAllocated = 0;
  FTable.clear();
  FTable.shrink_to_fit();
  FIndexListsCurrent = false;
  FAddedIndex.clear();
  FExcludedIndex.clear();
  FAutoCorrectIndex.clear();
  FLogs.Clear();
}

void TCustomDictionary::EnsureLoaded() {
  if (!FLoaded) SetLoaded(true);
}

std::int32_t TCustomDictionary::AddedCount() {
  BuildIndexLists();
  return static_cast<std::int32_t>(FAddedIndex.size());
}

std::int32_t TCustomDictionary::ExcludedCount() {
  BuildIndexLists();
  return static_cast<std::int32_t>(FExcludedIndex.size());
}

std::int32_t TCustomDictionary::AutoCorrectCount() {
  BuildIndexLists();
  return static_cast<std::int32_t>(FAutoCorrectIndex.size());
}

bool TCustomDictionary::CheckFile(const std::u16string& Name, bool KeepOpen, platform::TReadOnlyFile& File) {
  File.Close();
  platform::TReadOnlyFile file;
  if (Name.empty() || !file.Open(Name)) {
    // A missing file will do when one can be created there later.
    return Name.empty() || CanCreateFile(Name);
  }
  std::array<std::uint8_t, kBanner41Length + 2> head{};
  const std::size_t got = file.ReadAt(0, head);
  const auto version = ParseCustomDictionaryBanner(std::span(head).first(got));
  FCodePage = version ? version->CodePage : platform::kCodePageUtf8;
  if (!version) return false;
  FBodyOffset = version->BodyOffset;
  if (KeepOpen) File = std::move(file);
  return true;
}

void TCustomDictionary::ReadBody(platform::TReadOnlyFile& File) {
  const std::uint64_t size = File.Size();
  std::optional<TCustomDictionaryBody> body;
  if (size >= FBodyOffset) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size - FBodyOffset));
    if (File.ReadAt(FBodyOffset, bytes) == bytes.size()) body = ParseCustomDictionaryBody(bytes);
  }
  AdoptBody(std::move(body));
}

void TCustomDictionary::AdoptBody(std::optional<TCustomDictionaryBody> Body) {
  ClearContents();
  if (!Body) {
    FCodePage = platform::kCodePageUtf8;
    return;
  }
  FAddedCount = Body->AddedCount;
  FExcludedCount = Body->ExcludedCount;
  FAutoCorrectCount = Body->AutoCorrectCount;
  FTable = std::move(Body->Table);
  FBuffer = std::move(Body->Buffer);
  FAllocated = (FBuffer.size() / kBufferStep + 1) * kBufferStep;
  // The entry count decides when the table grows; the stored count (offset B+14) is not
  // trusted, since a damaged one would grow the table on every addition. The live slots are.
  FEntryCount = 0;
  for (std::int32_t value : FTable)
    if (value > 0 && ValidSlotValue(value)) ++FEntryCount;
  FBuffer.reserve(FAllocated);
  FIndexListsCurrent = false;
}

bool TCustomDictionary::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  if (!FFileName.empty()) return false;
  SetLoaded(false);
  const auto version = ParseCustomDictionaryBanner(Bytes);
  if (!version) return false;
  FLoaded = true;
  FCodePage = version->CodePage;
  AdoptBody(ParseCustomDictionaryBody(Bytes.subspan(version->BodyOffset)));
  return true;
}

std::vector<std::uint8_t> TCustomDictionary::SaveToBytes() const {
  const std::string_view banner = FCodePage != platform::kCodePageAnsi ? kCustomBanner41 : kCustomBanner40;
  platform::TByteWriter out;
  out.Reserve(banner.size() + 26 + 4 * FTable.size() + FBuffer.size());
  out.PutBytes(banner);
  out.PutU8(0x00);
  out.PutU8(0x1A);
  out.PutI32(FAddedCount);
  out.PutI32(FExcludedCount);
  out.PutI32(FAutoCorrectCount);
  out.PutI32(FEntryCount);
  out.PutI32(static_cast<std::int32_t>(FTable.size()));
  for (std::int32_t value : FTable) out.PutI32(value);
  out.PutI32(static_cast<std::int32_t>(FBuffer.size()));
  out.PutBytes(FBuffer);
  return out.Take();
}

void TCustomDictionary::WriteFile(const std::u16string& Name) {
  if (Name.empty()) return;
  // A read-only file is not replaced: its changes last until the dictionary is unloaded.
  if (platform::IsReadOnlyFile(Name)) return;
  // The file is written beside the target and replaces it in one step: a failure at any
  // point leaves the previous file as it was.
  if (platform::WriteFileReplacing(Name, SaveToBytes())) FWrittenStamp = platform::FileStamp(Name);
}

// ---- Index lists ----

void TCustomDictionary::AddToIndexList(TEntryKind Kind, std::int32_t Offset) {
  switch (Kind) {
    case TEntryKind::ekAdded: FAddedIndex.push_back(Offset); break;
    case TEntryKind::ekExcluded: FExcludedIndex.push_back(Offset); break;
    case TEntryKind::ekAutoCorrect: FAutoCorrectIndex.push_back(Offset); break;
    case TEntryKind::ekAny: break;
  }
}

void TCustomDictionary::BuildIndexLists() {
  EnsureLoaded();
  if (FIndexListsCurrent) return;
  FAddedIndex.clear();
  FExcludedIndex.clear();
  FAutoCorrectIndex.clear();
  // Counts come from the file; a reservation never goes beyond what the table can hold.
  const auto reserve = [this](std::vector<std::int32_t>& list, std::int32_t count) {
    list.reserve(std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), FTable.size()) + 256);
  };
  reserve(FAddedIndex, FAddedCount);
  reserve(FExcludedIndex, FExcludedCount);
  reserve(FAutoCorrectIndex, FAutoCorrectCount);
  for (std::int32_t value : FTable) {
    if (value <= 0 || !ValidSlotValue(value)) continue;
    AddToIndexList(static_cast<TEntryKind>(FBuffer[static_cast<std::size_t>(value) - 1]), value);
  }
  FIndexListsCurrent = true;
}

// ---- Records ----

bool TCustomDictionary::ValidSlotValue(std::int32_t Value) const {
  return Value >= 1 && static_cast<std::size_t>(Value) < FBuffer.size();
}

std::int32_t TCustomDictionary::ReplacementOffset(std::int32_t Offset) {
  if (Offset < 0 || static_cast<std::size_t>(Offset) >= FBuffer.size()) return -1;
  const auto* begin = FBuffer.data() + Offset;
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(begin, 0, FBuffer.size() - static_cast<std::size_t>(Offset)));
  if (zero == nullptr) return -1;
  const std::size_t next = static_cast<std::size_t>(zero - FBuffer.data()) + 1;
  return next < FBuffer.size() ? static_cast<std::int32_t>(next) : -1;
}

std::u16string TCustomDictionary::TextAt(std::int32_t Offset) {
  std::u16string scratch;
  return std::u16string(WordAt(Offset, scratch));
}

std::u16string_view TCustomDictionary::WordAt(std::int32_t Offset, std::u16string& Scratch) {
  Scratch.clear();
  if (Offset < 0 || static_cast<std::size_t>(Offset) >= FBuffer.size()) return Scratch;
  // The text ends at its zero byte, or at the end of the buffer when a damaged file has none.
  const auto* begin = reinterpret_cast<const char*>(FBuffer.data()) + Offset;
  const std::size_t room = FBuffer.size() - static_cast<std::size_t>(Offset);
  const auto* zero = static_cast<const char*>(std::memchr(begin, 0, room));
  const std::size_t length = zero ? static_cast<std::size_t>(zero - begin) : room;
  Scratch = DecodeWord(FCodePage, std::string_view(begin, length));
  return Scratch;
}

bool TCustomDictionary::Find(TEntryKind Kind, std::u16string_view Word, std::int32_t& SlotValue, std::int32_t& SlotIndex) {
  SlotValue = -1;
  SlotIndex = -1;
  EnsureLoaded();
  const auto size = static_cast<std::int32_t>(FTable.size());
  if (size < 2) return false;
  std::int32_t slot = HashSlot(Word, size);
  const std::int32_t step = ProbeStep(slot);
  std::u16string scratch;
  // Stored words are compared as bytes when that gives the same answer as decoding them: the
  // query must survive encoding unchanged, and a stored word whose bytes differ is certainly
  // another word when it is plain ASCII. Anything else is decoded and compared.
  const std::string encoded = EncodeWord(FCodePage, Word);
  const bool lossless = FCodePage == platform::kCodePageUtf8 ? Utf8RoundTrips(Word, encoded)
                                                             : DecodeWord(FCodePage, encoded) == Word;
  const auto matches = [&](std::int32_t value) {
    const auto* begin = reinterpret_cast<const char*>(FBuffer.data()) + value;
    const std::size_t room = FBuffer.size() - static_cast<std::size_t>(value);
    const auto* zero = static_cast<const char*>(std::memchr(begin, 0, room));
    const std::string_view stored(begin, zero ? static_cast<std::size_t>(zero - begin) : room);
    if (lossless) {
      if (stored == encoded) return true;
      if (std::all_of(stored.begin(), stored.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    }
    return WordAt(value, scratch) == Word;
  };
  for (std::int32_t probe = 0; probe < size; ++probe) {
    const std::int32_t value = FTable[static_cast<std::size_t>(slot)];
    if (value == 0) return false;
    if (value > 0 && ValidSlotValue(value) && matches(value)) {
      SlotValue = value;
      SlotIndex = slot;
      return Kind == TEntryKind::ekAny || FBuffer[static_cast<std::size_t>(value) - 1] == static_cast<std::uint8_t>(Kind);
    }
    slot = static_cast<std::int32_t>((static_cast<std::int64_t>(slot) + step) % size);
  }
  // A walk over the whole table met no empty slot: rebuild it without the deletion marks.
  Rehash(size);
  return false;
}

void TCustomDictionary::AppendBytes(const std::uint8_t* Bytes, std::size_t Length) {
  if (FBuffer.size() + Length > FAllocated) {
    while (FBuffer.size() + Length > FAllocated) FAllocated += kBufferStep;
    FBuffer.reserve(FAllocated);
  }
  FBuffer.insert(FBuffer.end(), Bytes, Bytes + Length);
}

bool TCustomDictionary::InsertSlot(std::vector<std::int32_t>& Table, std::u16string_view Word, std::int32_t Value) {
  const auto size = static_cast<std::int32_t>(Table.size());
  if (size < 2) return false;
  std::int32_t slot = HashSlot(Word, size);
  const std::int32_t step = ProbeStep(slot);
  auto& start = Table[static_cast<std::size_t>(slot)];
  if (start == 0 || start == -1) {
    start = Value;
    return true;
  }
  for (std::int32_t probe = 1; probe < size; ++probe) {
    slot = static_cast<std::int32_t>((static_cast<std::int64_t>(slot) + step) % size);
    auto& entry = Table[static_cast<std::size_t>(slot)];
    if (entry == 0) {
      entry = Value;
      return true;
    }
  }
  return false;
}

void TCustomDictionary::Rehash(std::int32_t Size) {
  std::u16string scratch;
  for (;;) {
    std::vector<std::int32_t> table(static_cast<std::size_t>(Size), 0);
    bool placed = true;
    for (std::int32_t value : FTable) {
      if (value <= 0 || !ValidSlotValue(value)) continue;
      if (!InsertSlot(table, WordAt(value, scratch), value)) {
        placed = false;
        break;
      }
    }
    if (placed || NextTableSize(Size) == Size) {
      FTable = std::move(table);
      FIndexListsCurrent = false;
      return;
    }
    Size = NextTableSize(Size);
  }
}

void TCustomDictionary::InsertWord(std::u16string_view Word, std::int32_t Value) {
  const auto size = static_cast<std::int32_t>(FTable.size());
  if (static_cast<std::int64_t>(FEntryCount) * 4 >= size) Rehash(NextTableSize(size));
  // A table read from a file may be fuller than its entry count says.
  if (!InsertSlot(FTable, Word, Value)) {
    Rehash(NextTableSize(static_cast<std::int32_t>(FTable.size())));
    [[maybe_unused]] const bool placed = InsertSlot(FTable, Word, Value);
  }
}

bool TCustomDictionary::AddEntry(TEntryKind Kind, std::u16string_view Word, std::u16string_view Replacement) {
  EnsureLoaded();
  if (Kind == TEntryKind::ekAny) return false;
  if (Word.size() + Replacement.size() > kMaxEntryLength) return false;

  std::string word = EncodeWord(FCodePage, Word);
  TruncateBytes(word, kMaxRecordWordBytes, FCodePage);
  std::vector<std::uint8_t> record;
  record.reserve(kMaxRecordBytes);
  record.push_back(static_cast<std::uint8_t>(Kind));
  record.insert(record.end(), word.begin(), word.end());
  record.push_back(0);
  if (Kind == TEntryKind::ekAutoCorrect) {
    std::string replacement = EncodeWord(FCodePage, Replacement);
    TruncateBytes(replacement, kMaxRecordBytes - record.size() - 1, FCodePage);
    record.insert(record.end(), replacement.begin(), replacement.end());
    record.push_back(0);
  }

  // A word whose stored bytes do not decode back to it (cut at the record limit, characters the
  // code page lacks, a lone surrogate) could never be found again: it is refused.
  std::int32_t value, slot;
  if (Word.empty() || word.empty() || DecodeWord(FCodePage, word) != Word) return false;
  if (Find(TEntryKind::ekAny, Word, value, slot)) return false;
  // Offsets are signed 32-bit in the file.
  if (FBuffer.size() + record.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;

  value = static_cast<std::int32_t>(FBuffer.size()) + 1;
  AppendBytes(record.data(), record.size());
  ++FEntryCount;
  InsertWord(Word, value);
  if (FIndexListsCurrent) AddToIndexList(Kind, value);
  return true;
}

bool TCustomDictionary::DeleteEntry(TEntryKind Kind, std::u16string_view Word) {
  std::int32_t value, slot;
  if (!Find(Kind, Word, value, slot)) return false;
  FTable[static_cast<std::size_t>(slot)] = -1;
  FIndexListsCurrent = false;
  --FEntryCount;
  return true;
}

std::unique_ptr<TCustomDictionary> TCustomDictionary::NewInstance() { return std::make_unique<TCustomDictionary>(); }

void TCustomDictionary::Flush() {
  if (FModified && !FFileName.empty()) {
    // The check must not change the code page of the contents about to be written.
    platform::TReadOnlyFile file;
    const unsigned codePage = FCodePage;
    const bool usable = CheckFile(FFileName, true, file);
    FCodePage = codePage;
    const bool exists = file.IsOpen();
    // Closed before writing: an open file cannot be replaced on Windows.
    file.Close();
    if (usable) {
      const std::optional<platform::TFileStamp> current = exists ? platform::FileStamp(FFileName) : FFileTime;
      if (current == FFileTime) {
        FWrittenStamp.reset();
        WriteFile(FFileName);
        // What this instance wrote is what it has in memory: the next save need not merge.
        if (FWrittenStamp) FFileTime = FWrittenStamp;
      } else {
        // Someone else changed the file since it was loaded: apply this instance's changes
        // to the file's current contents.
        std::unique_ptr<TCustomDictionary> merged = NewInstance();
        merged->SetFileName(FFileName);
        merged->SetLoaded(true);
        for (const auto& word : FLogs.AddedAdded) merged->AddWord(word);
        for (const auto& word : FLogs.AddedExcluded) merged->AddExcluded(word);
        for (std::size_t i = 0; i < FLogs.AddedAutoCorrect.size(); ++i)
          merged->AddAutoCorrect(FLogs.AddedAutoCorrect[i],
                                 i < FLogs.AddedReplacements.size() ? FLogs.AddedReplacements[i] : std::u16string());
        for (const auto& word : FLogs.RemovedAdded) merged->RemoveWord(word);
        for (const auto& word : FLogs.RemovedExcluded) merged->RemoveExcluded(word);
        for (const auto& word : FLogs.RemovedAutoCorrect) merged->RemoveAutoCorrect(word);
        merged->Flush();
      }
    }
  }
  FModified = false;
  FLogs.Clear();
}

void TCustomDictionary::SaveAs(const std::u16string& Name) {
  EnsureLoaded();
  WriteFile(Name);
}

// ---- Entries ----

std::u16string TCustomDictionary::GetAddedWord(std::int32_t Index) {
  BuildIndexLists();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FAddedIndex.size()) return std::u16string();
  return TextAt(FAddedIndex[static_cast<std::size_t>(Index)]);
}

std::u16string TCustomDictionary::GetExcludedWord(std::int32_t Index) {
  BuildIndexLists();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FExcludedIndex.size()) return std::u16string();
  return TextAt(FExcludedIndex[static_cast<std::size_t>(Index)]);
}

TAutoCorrectPair TCustomDictionary::GetAutoCorrectPair(std::int32_t Index) {
  BuildIndexLists();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FAutoCorrectIndex.size()) return {};
  const std::int32_t offset = FAutoCorrectIndex[static_cast<std::size_t>(Index)];
  return {TextAt(offset), TextAt(ReplacementOffset(offset))};
}

bool TCustomDictionary::IsAdded(std::u16string_view Word) {
  std::int32_t value, slot;
  return Find(TEntryKind::ekAdded, Word, value, slot);
}

bool TCustomDictionary::IsExcluded(std::u16string_view Word) {
  std::int32_t value, slot;
  return Find(TEntryKind::ekExcluded, Word, value, slot);
}

bool TCustomDictionary::FindAutoCorrect(std::u16string_view Word, std::u16string& Replacement) {
  std::int32_t value, slot;
  if (!Find(TEntryKind::ekAutoCorrect, Word, value, slot)) return false;
  Replacement = TextAt(ReplacementOffset(value));
  return true;
}

bool TCustomDictionary::AddWord(std::u16string_view Word) {
  if (!AddEntry(TEntryKind::ekAdded, Word, {})) return false;
  FModified = true;
  ++FAddedCount;
  if (FTracking) FLogs.AddedAdded.emplace_back(Word);
  return true;
}

bool TCustomDictionary::AddExcluded(std::u16string_view Word) {
  if (!AddEntry(TEntryKind::ekExcluded, Word, {})) return false;
  FModified = true;
  ++FExcludedCount;
  if (FTracking) FLogs.AddedExcluded.emplace_back(Word);
  return true;
}

bool TCustomDictionary::AddAutoCorrect(std::u16string_view Word, std::u16string_view Replacement) {
  if (!AddEntry(TEntryKind::ekAutoCorrect, Word, Replacement)) return false;
  FModified = true;
  ++FAutoCorrectCount;
  if (FTracking) {
    FLogs.AddedAutoCorrect.emplace_back(Word);
    FLogs.AddedReplacements.emplace_back(Replacement);
  }
  return true;
}

bool TCustomDictionary::RemoveWord(std::u16string_view Word) {
  if (!DeleteEntry(TEntryKind::ekAdded, Word)) return false;
  FModified = true;
  --FAddedCount;
  if (FTracking) FLogs.RemovedAdded.emplace_back(Word);
  return true;
}

bool TCustomDictionary::RemoveExcluded(std::u16string_view Word) {
  if (!DeleteEntry(TEntryKind::ekExcluded, Word)) return false;
  FModified = true;
  --FExcludedCount;
  if (FTracking) FLogs.RemovedExcluded.emplace_back(Word);
  return true;
}

bool TCustomDictionary::RemoveAutoCorrect(std::u16string_view Word) {
  if (!DeleteEntry(TEntryKind::ekAutoCorrect, Word)) return false;
  FModified = true;
  --FAutoCorrectCount;
  if (FTracking) FLogs.RemovedAutoCorrect.emplace_back(Word);
  return true;
}

void TCustomDictionary::SetCodePage(unsigned CodePage) {
  if (!FFileName.empty() || !FBuffer.empty()) return;
  FCodePage = CodePage == platform::kCodePageAnsi ? platform::kCodePageAnsi : platform::kCodePageUtf8;
}

void TCustomDictionary::Clear() {
  EnsureLoaded();
  ClearContents();
}

}  // namespace lexoro
