// An editable word store kept in a custom dictionary file (.oxu; the suggestion-learning file
// .oxl has the same layout). Each entry is a word of one kind: added ("I"), excluded ("E") or
// an auto-correct pair ("A", the word followed by its replacement). A word has at most one
// entry. A dictionary without a file name lives in memory only and is never written.
//
// The store is a hash table of offsets into an append-only buffer of entry records, and the
// file is that memory image (integers little-endian, B = banner length: 139 for 4.1, 119 for
// 4.0):
//
//   OFFSET      SIZE   FIELD
//   0           B      banner text (kCustomBanner41 or kCustomBanner40)
//   B           1      0x00, end of the banner text
//   B+1         1      0x1A
//   B+2         4      added-word count (signed)
//   B+6         4      excluded-word count (signed)
//   B+10        4      auto-correct pair count (signed)
//   B+14        4      entry count (all live entries, signed)
//   B+18        4      table size T (number of hash slots; 0 or a size of the growth sequence)
//   B+22        4T     hash slots (signed): 0 empty, -1 deleted entry, v > 0 the offset of an
//                      entry's word in the record buffer (its kind byte is at v-1)
//   B+22+4T     4      record buffer length U
//   B+26+4T     U      record buffer
//
// A record is the kind byte, the word's bytes in the dictionary's code page and a zero byte;
// an auto-correct record continues with the replacement's bytes and a zero byte. Records are
// appended in the order of adding and never move: deleting an entry only turns its slot into
// -1, so its bytes stay in the buffer and in the file. Version 4.1 files hold UTF-8 (code page
// 65001), version 4.0 files the host ANSI code page (0); a dictionary is saved in the version
// it was read as, and a new one is 4.1.
//
// Loading is lazy (the first operation that needs the contents), saving happens on unload or
// Flush. A save notices when the file was changed on disk since it was loaded and then merges:
// a fresh instance loads the file, this instance's logged additions and removals are replayed
// onto it, and that instance writes the file. The file is written beside the target and
// replaces it in one step, so a failed save leaves the previous file whole.
//
// Damaged files. A file with neither banner is not loaded. The body is read with every size
// checked against the bytes present; a failure leaves the dictionary empty. Slot values are
// never trusted: a value that does not point inside the record buffer is passed over by
// lookups, left out of the index lists and dropped when the table is rebuilt; every probe walk
// stops after as many steps as the table has slots. The entry count is taken from the live
// slots at load, not from the file, so a damaged count cannot make the table grow unbounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

// The banners this system writes and reads; the minor version digit stands at position 34.
inline constexpr char kCustomBanner41[] =
    "Lexoro User Dictionary, Version 4.1\r\n"
    "User word list for Lexoro. Copyright (c) Lexoro Software Ltd\r\n"
    "https://lexoro.dev/\r\n"
    "dict@lexoro.dev\r\n"
    "\r\n";
inline constexpr char kCustomBanner40[] =
    "Lexoro User Dictionary, Version 4.0\r\n"
    "User words for Lexoro. (c) Lexoro Software Co\r\n"
    "www.lexoro.dev\r\n"
    "dict@lexoro.dev\r\n"
    "\r\n";
static_assert(sizeof(kCustomBanner41) - 1 == 139);
static_assert(sizeof(kCustomBanner40) - 1 == 119);
static_assert(kCustomBanner41[34] == '1' && kCustomBanner40[34] == '0');

// The kind byte of an entry record. ekAny matches every kind in Find.
enum class TEntryKind : std::uint8_t {
  ekAutoCorrect = 'A',
  ekExcluded = 'E',
  ekAdded = 'I',
  ekAny = '*',
};

// What the banner at the start of a file says: the code page of its words and where its body
// (the counts after the banner's two closing bytes) starts.
struct TCustomDictionaryVersion {
  unsigned CodePage = platform::kCodePageUtf8;
  std::size_t BodyOffset = 0;
};
// The version of the file whose first bytes are Bytes; no value when neither banner is there.
// The two bytes after the banner text are not looked at.
[[nodiscard]] std::optional<TCustomDictionaryVersion> ParseCustomDictionaryBanner(std::span<const std::uint8_t> Bytes);

// The body of a file as stored: the four counts, the hash slots and the record buffer.
struct TCustomDictionaryBody {
  std::int32_t AddedCount = 0;
  std::int32_t ExcludedCount = 0;
  std::int32_t AutoCorrectCount = 0;
  std::int32_t EntryCount = 0;
  std::vector<std::int32_t> Table;
  std::vector<std::uint8_t> Buffer;
};
// Reads a body (everything after the banner's closing bytes). No value when a field is cut
// short, a size is negative, or the table has one slot (no probe sequence); bytes after the
// record buffer are ignored. Slot values are not judged here: the dictionary never trusts them.
[[nodiscard]] std::optional<TCustomDictionaryBody> ParseCustomDictionaryBody(std::span<const std::uint8_t> Bytes);

// The words of a plain word list (an Office custom dictionary: one word a line, lines ended by
// CR, LF or CR LF, empty lines skipped). A byte-order mark selects UTF-8 or UTF-16 of either
// byte order; without one the bytes are in the host ANSI code page.
[[nodiscard]] std::vector<std::u16string> ParseWordList(std::span<const std::uint8_t> Bytes);

// An auto-correct pair as GetAutoCorrectPair returns it.
struct TAutoCorrectPair {
  std::u16string Word;
  std::u16string Replacement;
};

class TCustomDictionary {
 public:
  // Longest word plus replacement accepted by AddEntry, in UTF-16 code units.
  static constexpr std::size_t kMaxEntryLength = 500;
  // Growth step of the record buffer's allocation.
  static constexpr std::size_t kBufferStep = 65535;

  TCustomDictionary();
  // Unloads, and so saves pending changes.
  virtual ~TCustomDictionary();
  TCustomDictionary(const TCustomDictionary&) = delete;
  TCustomDictionary& operator=(const TCustomDictionary&) = delete;

  // ---- Overridable operations, in declaration order ----

  // Switches to another file: nothing changes when Name is not a usable custom dictionary
  // file; otherwise pending changes are saved to the old file and the new one is loaded if
  // the dictionary was loaded.
  virtual void SetFileName(const std::u16string& Name);
  // Loads from (true) or unloads to (false) the file.
  virtual void SetLoaded(bool Loaded);
  // Entry counts per kind (the index lists are built first).
  virtual std::int32_t AddedCount();
  virtual std::int32_t ExcludedCount();
  virtual std::int32_t AutoCorrectCount();
  // Validates Name as a custom dictionary (either banner) and takes its code page. A missing
  // file is accepted when one could be created at Name (and an empty Name is accepted); File
  // then stays closed. With KeepOpen an existing file is handed back open in File.
  virtual bool CheckFile(const std::u16string& Name, bool KeepOpen, platform::TReadOnlyFile& File);
  // Reads counts, table and record buffer that follow the banner; any failure leaves the
  // dictionary empty.
  virtual void ReadBody(platform::TReadOnlyFile& File);
  // Writes the whole dictionary to Name, whole or not at all; a failure is not reported.
  virtual void WriteFile(const std::u16string& Name);
  virtual void AddToIndexList(TEntryKind Kind, std::int32_t Offset);
  virtual void BuildIndexLists();
  // Offset of the replacement that follows the word at Offset (-1 when there is none inside
  // the buffer).
  virtual std::int32_t ReplacementOffset(std::int32_t Offset);
  // The zero-terminated text at Offset, decoded; empty for an offset outside the buffer.
  virtual std::u16string TextAt(std::int32_t Offset);
  // Looks Word up. Found only when the entry's kind is Kind (or Kind is ekAny); SlotValue and
  // SlotIndex tell where the entry with that word is (-1 when the word has no entry).
  virtual bool Find(TEntryKind Kind, std::u16string_view Word, std::int32_t& SlotValue, std::int32_t& SlotIndex);
  virtual void AppendBytes(const std::uint8_t* Bytes, std::size_t Length);
  // Puts Value into Word's slot of Table (the start slot when it is free, else the first free
  // slot of the probe sequence). False when the probe sequence finds no free slot.
  virtual bool InsertSlot(std::vector<std::int32_t>& Table, std::u16string_view Word, std::int32_t Value);
  // Grows the table when it would be a quarter full, then inserts.
  virtual void InsertWord(std::u16string_view Word, std::int32_t Value);
  // Appends a record and indexes it; false for an empty, duplicate or over-long entry.
  virtual bool AddEntry(TEntryKind Kind, std::u16string_view Word, std::u16string_view Replacement);
  // Marks the entry of Word with kind Kind deleted.
  virtual bool DeleteEntry(TEntryKind Kind, std::u16string_view Word);
  // An empty dictionary of the same class (used by the merge on save).
  virtual std::unique_ptr<TCustomDictionary> NewInstance();
  // Saves when modified, merging with a file that was changed on disk since it was loaded.
  virtual void Flush();
  // Loads if needed, then writes to Name.
  virtual void SaveAs(const std::u16string& Name);
  // Entries in index-list (hash-slot) order; empty when Index is out of range.
  virtual std::u16string GetAddedWord(std::int32_t Index);
  virtual std::u16string GetExcludedWord(std::int32_t Index);
  virtual TAutoCorrectPair GetAutoCorrectPair(std::int32_t Index);
  virtual bool IsAdded(std::u16string_view Word);
  virtual bool IsExcluded(std::u16string_view Word);
  virtual bool FindAutoCorrect(std::u16string_view Word, std::u16string& Replacement);
  virtual bool AddWord(std::u16string_view Word);
  virtual bool AddExcluded(std::u16string_view Word);
  virtual bool AddAutoCorrect(std::u16string_view Word, std::u16string_view Replacement);
  virtual bool RemoveWord(std::u16string_view Word);
  virtual bool RemoveExcluded(std::u16string_view Word);
  virtual bool RemoveAutoCorrect(std::u16string_view Word);
  // Empties everything in memory (does not mark the dictionary modified).
  virtual void Clear();

  // ---- File images in memory ----

  // Loads a dictionary without a file name from the bytes of a file. False, leaving it
  // unloaded and empty, when it has a file name or the bytes start with neither banner; a
  // damaged body leaves it loaded and empty, as a damaged file does.
  bool LoadFromBytes(std::span<const std::uint8_t> Bytes);
  // The file WriteFile writes, as bytes.
  [[nodiscard]] std::vector<std::uint8_t> SaveToBytes() const;

  // ---- Properties ----

  [[nodiscard]] const std::u16string& FileName() const { return FFileName; }
  [[nodiscard]] bool Loaded() const { return FLoaded; }
  [[nodiscard]] bool Modified() const { return FModified; }
  // 65001 (version 4.1) or 0 (version 4.0).
  [[nodiscard]] unsigned CodePage() const { return FCodePage; }
  [[nodiscard]] std::int32_t EntryCount() const { return FEntryCount; }
  [[nodiscard]] std::int32_t TableSize() const { return static_cast<std::int32_t>(FTable.size()); }
  // Used length U of the record buffer.
  [[nodiscard]] std::int32_t BufferLength() const { return static_cast<std::int32_t>(FBuffer.size()); }
  // On while a file name is set: additions and removals are logged for the merge on save.
  [[nodiscard]] bool Tracking() const { return FTracking; }
  // Chooses the version of a memory-only dictionary that holds no records yet (0: 4.0 and the
  // ANSI code page, otherwise 4.1 and UTF-8), so that SaveAs writes that version. Ignored
  // otherwise: a file's dictionary always keeps the version it was read as.
  void SetCodePage(unsigned CodePage);

  // ---- Helpers shared with the learning store and the tool ----

  // Start slot of Word in a table of Size slots (Size >= 2), and the step of its probe sequence.
  [[nodiscard]] static std::int32_t HashSlot(std::u16string_view Word, std::int32_t Size);
  [[nodiscard]] static std::int32_t ProbeStep(std::int32_t Slot) { return Slot % 97 + 1; }
  // The first table size of the growth sequence that is greater than Size.
  [[nodiscard]] static std::int32_t NextTableSize(std::int32_t Size);

 protected:
  // The change logs replayed by the merge on save.
  struct TChangeLogs {
    std::vector<std::u16string> RemovedAdded;
    std::vector<std::u16string> RemovedExcluded;
    std::vector<std::u16string> RemovedAutoCorrect;
    std::vector<std::u16string> AddedAdded;
    std::vector<std::u16string> AddedExcluded;
    std::vector<std::u16string> AddedAutoCorrect;
    std::vector<std::u16string> AddedReplacements;  // parallel to AddedAutoCorrect
    void Clear();
  };

  // True when Value points at a record inside the buffer (kind byte and a word start).
  [[nodiscard]] bool ValidSlotValue(std::int32_t Value) const;
  [[nodiscard]] std::u16string_view WordAt(std::int32_t Offset, std::u16string& Scratch);
  // Rebuilds the table from its valid positive slots, at Size or the first larger size that
  // takes them all.
  void Rehash(std::int32_t Size);
  void EnsureLoaded();
  void ClearContents();
  // Takes a body read from a file as the contents; no body (a damaged one) empties the
  // dictionary.
  void AdoptBody(std::optional<TCustomDictionaryBody> Body);

 private:
  std::u16string FFileName;
  bool FLoaded = false;
  bool FModified = false;
  std::int32_t FAddedCount = 0;
  std::int32_t FExcludedCount = 0;
  std::int32_t FAutoCorrectCount = 0;
  // The file as seen at load (no value for a file that did not exist).
  std::optional<platform::TFileStamp> FFileTime;
  std::int32_t FEntryCount = 0;
  std::size_t FAllocated = 0;
  std::vector<std::uint8_t> FBuffer;
  unsigned FCodePage = platform::kCodePageUtf8;
  std::vector<std::int32_t> FTable;
  bool FIndexListsCurrent = false;
  std::vector<std::int32_t> FAddedIndex;
  std::vector<std::int32_t> FExcludedIndex;
  std::vector<std::int32_t> FAutoCorrectIndex;
  bool FTracking = false;
  TChangeLogs FLogs;
  // Where the body starts in the file CheckFile accepted last.
  std::uint64_t FBodyOffset = 0;
  // The file as WriteFile left it, when its last write succeeded.
  std::optional<platform::TFileStamp> FWrittenStamp;
};

}  // namespace lexoro
