#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;
constexpr std::size_t kBody41 = 141;  // banner text, its zero byte and 0x1A
constexpr std::size_t kBody40 = 121;

std::int32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  platform::TByteReader reader(bytes);
  reader.Seek(at);
  const std::int32_t value = reader.I32();
  EXPECT_TRUE(reader.Ok()) << at;
  return value;
}

void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
  platform::StoreLe32(&bytes.at(at + 3) - 3, static_cast<std::uint32_t>(value));
}

std::size_t CountOf(const std::vector<std::uint8_t>& bytes, const std::string& needle) {
  std::size_t n = 0;
  const std::vector<std::uint8_t> pattern(needle.begin(), needle.end());
  auto it = bytes.begin();
  while ((it = std::search(it, bytes.end(), pattern.begin(), pattern.end())) != bytes.end()) {
    ++n;
    ++it;
  }
  return n;
}

class CustomDictionary : public ::testing::Test {
 protected:
  test::TScratchDir dir;
  std::u16string Path(const std::string& name) { return dir.WPath(name); }
  std::vector<std::uint8_t> Bytes(const std::string& name) { return test::ReadBytes(dir.Path(name)); }
  // Writes a dictionary holding the given added words and returns its path.
  std::u16string Make(const std::string& name, const std::vector<std::u16string>& words) {
    TCustomDictionary d;
    d.SetFileName(Path(name));
    for (const auto& w : words) EXPECT_TRUE(d.AddWord(w)) << U8(w);
    d.SetLoaded(false);
    return Path(name);
  }
  std::vector<std::string> Leftovers() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Path(""))))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// ---- File layout and hashing ----

TEST(CustomDictionaryHash, StartSlotsAndStepsMatchHandComputedValues) {
  // "a": h = 97 mod 251. "ab": a becomes 31415 * 27183 mod 250 = 195, then (98 + 195 * 97) mod 251 = 188.
  EXPECT_EQ(TCustomDictionary::HashSlot(u"a", 251), 97);
  EXPECT_EQ(TCustomDictionary::HashSlot(u"ab", 251), 188);
  EXPECT_EQ(TCustomDictionary::ProbeStep(188), 188 % 97 + 1);
  EXPECT_EQ(TCustomDictionary::HashSlot(u"", 251), 0);
  // Long words overflow 32 bits; the slot stays inside the table whatever the size.
  const std::u16string longWord(400, u'\uFFFF');
  for (std::int32_t size : {251, 509, 65521, 2147483647}) {
    const std::int32_t slot = TCustomDictionary::HashSlot(longWord, size);
    EXPECT_GE(slot, 0);
    EXPECT_LT(slot, size);
  }
  EXPECT_EQ(TCustomDictionary::NextTableSize(0), 251);
  EXPECT_EQ(TCustomDictionary::NextTableSize(251), 509);
  EXPECT_EQ(TCustomDictionary::NextTableSize(300), 509);
  EXPECT_EQ(TCustomDictionary::NextTableSize(1073741789), 2147483647);
}

TEST_F(CustomDictionary, NewFileIsVersion41WithTheRecordAtItsHashSlot) {
  const auto path = Make("new.oxu", {u"a"});
  const auto bytes = Bytes("new.oxu");
  ASSERT_EQ(bytes.size(), kBody41 + 20 + 4 * 251 + 4 + 3);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 139), std::string(kCustomBanner41));
  EXPECT_EQ(bytes[139], 0x00);
  EXPECT_EQ(bytes[140], 0x1A);
  EXPECT_EQ(Le32(bytes, kBody41), 1);       // added
  EXPECT_EQ(Le32(bytes, kBody41 + 4), 0);   // excluded
  EXPECT_EQ(Le32(bytes, kBody41 + 8), 0);   // auto-correct
  EXPECT_EQ(Le32(bytes, kBody41 + 12), 1);  // entries
  EXPECT_EQ(Le32(bytes, kBody41 + 16), 251);
  const std::size_t slots = kBody41 + 20;
  for (int i = 0; i < 251; ++i) EXPECT_EQ(Le32(bytes, slots + 4 * i), i == 97 ? 1 : 0) << i;
  EXPECT_EQ(Le32(bytes, slots + 4 * 251), 3);
  EXPECT_EQ(std::string(bytes.end() - 3, bytes.end()), std::string("Ia\0", 3));
}

TEST_F(CustomDictionary, MissingFileIsCreatedOnFirstSaveEvenWhenEmpty) {
  TCustomDictionary d;
  d.SetFileName(Path("empty.oxu"));
  EXPECT_EQ(d.FileName(), Path("empty.oxu"));
  EXPECT_FALSE(d.IsAdded(u"x"));  // loads: no file yet
  EXPECT_TRUE(d.Modified());
  d.SetLoaded(false);
  const auto bytes = Bytes("empty.oxu");
  ASSERT_EQ(bytes.size(), kBody41 + 20 + 4);
  EXPECT_EQ(Le32(bytes, kBody41 + 16), 0);
}

TEST_F(CustomDictionary, TableGrowsTo509WhenTheEntryCountReaches63) {
  TCustomDictionary d;
  std::vector<std::u16string> words;
  for (int i = 0; i < 200; ++i) words.push_back(U16("w" + std::to_string(i * 7919)));
  for (int i = 0; i < 62; ++i) ASSERT_TRUE(d.AddWord(words[i]));
  EXPECT_EQ(d.TableSize(), 251);
  ASSERT_TRUE(d.AddWord(words[62]));
  EXPECT_EQ(d.TableSize(), 509);
  for (int i = 63; i < 200; ++i) ASSERT_TRUE(d.AddWord(words[i]));
  EXPECT_EQ(d.TableSize(), 1021);
  for (const auto& w : words) EXPECT_TRUE(d.IsAdded(w)) << U8(w);
  EXPECT_EQ(d.AddedCount(), 200);
  EXPECT_EQ(d.EntryCount(), 200);
}

// ---- Entries ----

TEST_F(CustomDictionary, AWordHasOneEntryOfOneKind) {
  TCustomDictionary d;
  EXPECT_TRUE(d.AddWord(u"colour"));
  EXPECT_FALSE(d.AddExcluded(u"colour"));
  EXPECT_FALSE(d.AddAutoCorrect(u"colour", u"color"));
  EXPECT_FALSE(d.AddWord(u"colour"));
  EXPECT_FALSE(d.RemoveExcluded(u"colour"));
  EXPECT_FALSE(d.RemoveAutoCorrect(u"colour"));
  EXPECT_TRUE(d.IsAdded(u"colour"));
  EXPECT_FALSE(d.IsExcluded(u"colour"));
  EXPECT_TRUE(d.RemoveWord(u"colour"));
  EXPECT_FALSE(d.RemoveWord(u"colour"));
  EXPECT_TRUE(d.AddExcluded(u"colour"));
  EXPECT_TRUE(d.IsExcluded(u"colour"));
  EXPECT_FALSE(d.IsAdded(u"colour"));
  EXPECT_EQ(d.AddedCount(), 0);
  EXPECT_EQ(d.ExcludedCount(), 1);
  EXPECT_EQ(d.EntryCount(), 1);
}

TEST_F(CustomDictionary, LookupsAreCaseSensitive) {
  TCustomDictionary d;
  ASSERT_TRUE(d.AddWord(u"Paris"));
  EXPECT_TRUE(d.IsAdded(u"Paris"));
  EXPECT_FALSE(d.IsAdded(u"paris"));
  EXPECT_FALSE(d.IsAdded(u"PARIS"));
  EXPECT_TRUE(d.AddWord(u"paris"));
}

TEST_F(CustomDictionary, WordsAreComparedAsStoredWithTheirEncodingLimits) {
  TCustomDictionary d;
  ASSERT_TRUE(d.AddWord(u"caf\u00e9"));
  EXPECT_TRUE(d.IsAdded(u"caf\u00e9"));
  EXPECT_FALSE(d.IsAdded(u"cafe"));
  EXPECT_FALSE(d.IsAdded(u"caf\u00e9s"));
  // Words that would not read back as they were given could never be found again: 400
  // two-byte letters do not fit the 511 bytes of a record, and a lone surrogate has no UTF-8.
  EXPECT_FALSE(d.AddWord(std::u16string(400, u'\u00e9')));
  EXPECT_TRUE(d.AddWord(std::u16string(255, u'\u00e9')));
  EXPECT_TRUE(d.IsAdded(std::u16string(255, u'\u00e9')));
  EXPECT_FALSE(d.AddWord(std::u16string(u"x") + char16_t(0xD800)));
  EXPECT_EQ(d.EntryCount(), 2);
}

TEST_F(CustomDictionary, Version40RefusesWordsOutsideTheAnsiCodePage) {
  TCustomDictionary d;
  d.SetCodePage(platform::kCodePageAnsi);
  EXPECT_FALSE(d.AddWord(u"\u0434\u043e\u043c"));
  EXPECT_TRUE(d.AddWord(u"na\u00efve"));
  EXPECT_TRUE(d.IsAdded(u"na\u00efve"));
}

TEST_F(CustomDictionary, EmptyAndOverLongEntriesAreRefused) {
  TCustomDictionary d;
  EXPECT_FALSE(d.AddWord(u""));
  EXPECT_FALSE(d.AddAutoCorrect(u"", u"x"));
  EXPECT_FALSE(d.AddAutoCorrect(std::u16string(250, u'a'), std::u16string(251, u'b')));
  EXPECT_TRUE(d.AddAutoCorrect(std::u16string(250, u'a'), std::u16string(250, u'b')));
  EXPECT_FALSE(d.AddWord(std::u16string(501, u'c')));
  EXPECT_EQ(d.EntryCount(), 1);
  EXPECT_EQ(d.AutoCorrectCount(), 1);
}

TEST_F(CustomDictionary, AutoCorrectPairsKeepTheirReplacement) {
  TCustomDictionary d;
  ASSERT_TRUE(d.AddAutoCorrect(u"teh", u"the"));
  ASSERT_TRUE(d.AddAutoCorrect(u"naieve", u"na\u00efve"));
  std::u16string replacement;
  EXPECT_TRUE(d.FindAutoCorrect(u"teh", replacement));
  EXPECT_EQ(replacement, u"the");
  EXPECT_TRUE(d.FindAutoCorrect(u"naieve", replacement));
  EXPECT_EQ(replacement, u"na\u00efve");
  EXPECT_FALSE(d.FindAutoCorrect(u"the", replacement));
  EXPECT_FALSE(d.IsAdded(u"teh"));
  ASSERT_EQ(d.AutoCorrectCount(), 2);
  std::vector<std::u16string> seen;
  for (int i = 0; i < 2; ++i) {
    const auto pair = d.GetAutoCorrectPair(i);
    seen.push_back(pair.Word + u"=" + pair.Replacement);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"naieve=na\u00efve", u"teh=the"}));
  const auto outside = d.GetAutoCorrectPair(2);
  EXPECT_TRUE(outside.Word.empty() && outside.Replacement.empty());
  EXPECT_TRUE(d.GetAddedWord(-1).empty());
  EXPECT_TRUE(d.GetAddedWord(0).empty());
}

TEST_F(CustomDictionary, AReplacementIsCutToTheRecordLimitOnACharacterBoundary) {
  TCustomDictionary d;
  const std::u16string word(250, u'a');
  ASSERT_TRUE(d.AddAutoCorrect(word, std::u16string(250, u'\u00e9')));
  std::u16string replacement;
  ASSERT_TRUE(d.FindAutoCorrect(word, replacement));
  // 1 kind byte + 250 + 1 zero leaves 261 bytes of a 513-byte record: 260 bytes of text.
  EXPECT_EQ(replacement, std::u16string(130, u'\u00e9'));
  EXPECT_EQ(d.BufferLength(), 513);
}

TEST_F(CustomDictionary, IndexListsFollowHashSlotOrder) {
  TCustomDictionary d;
  for (auto w : {u"zebra", u"apple", u"mango", u"kiwi"}) ASSERT_TRUE(d.AddWord(w));
  std::vector<std::pair<std::int32_t, std::u16string>> bySlot;
  for (auto w : {u"zebra", u"apple", u"mango", u"kiwi"}) {
    std::int32_t value, slot;
    ASSERT_TRUE(d.Find(TEntryKind::ekAdded, w, value, slot));
    bySlot.emplace_back(slot, w);
  }
  std::sort(bySlot.begin(), bySlot.end());
  ASSERT_EQ(d.AddedCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.GetAddedWord(i), bySlot[i].second);
}

TEST_F(CustomDictionary, DeleteAndReAddAppendsANewRecordAndKeepsTheOldBytes) {
  TCustomDictionary d;
  d.SetFileName(Path("d.oxu"));
  ASSERT_TRUE(d.AddWord(u"phlogiston"));
  const std::int32_t once = d.BufferLength();
  ASSERT_TRUE(d.RemoveWord(u"phlogiston"));
  EXPECT_FALSE(d.IsAdded(u"phlogiston"));
  EXPECT_EQ(d.BufferLength(), once);
  ASSERT_TRUE(d.AddWord(u"phlogiston"));
  EXPECT_EQ(d.BufferLength(), 2 * once);
  d.SetLoaded(false);
  const auto bytes = Bytes("d.oxu");
  EXPECT_EQ(CountOf(bytes, "phlogiston"), 2u);
  EXPECT_EQ(Le32(bytes, kBody41 + 12), 1);
  TCustomDictionary again;
  again.SetFileName(Path("d.oxu"));
  EXPECT_TRUE(again.IsAdded(u"phlogiston"));
  EXPECT_EQ(again.AddedCount(), 1);
}

// ---- Versions and files ----

TEST_F(CustomDictionary, Version40FileIsSavedBackAs40WithAnsiBytes) {
  {
    TCustomDictionary d;
    d.SetCodePage(platform::kCodePageAnsi);
    ASSERT_TRUE(d.AddWord(u"caf\u00e9"));
    d.SaveAs(Path("old.oxu"));
  }
  auto bytes = Bytes("old.oxu");
  ASSERT_GT(bytes.size(), kBody40);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 119), std::string(kCustomBanner40));
  EXPECT_EQ(CountOf(bytes, "caf\xE9"), 1u);

  TCustomDictionary d;
  d.SetFileName(Path("old.oxu"));
  EXPECT_TRUE(d.IsAdded(u"caf\u00e9"));
  EXPECT_EQ(d.CodePage(), platform::kCodePageAnsi);
  ASSERT_TRUE(d.AddWord(u"na\u00efve"));
  d.SetLoaded(false);
  bytes = Bytes("old.oxu");
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 119), std::string(kCustomBanner40));
  EXPECT_EQ(CountOf(bytes, "na\xEFve"), 1u);
  EXPECT_EQ(CountOf(bytes, "na\xC3\xAFve"), 0u);
}

TEST_F(CustomDictionary, FilesWithoutABannerAreNotTaken) {
  test::WriteText(dir.Path("junk.oxu"), "not a dictionary at all");
  const auto good = Make("good.oxu", {u"kept"});
  TCustomDictionary d;
  d.SetFileName(good);
  EXPECT_TRUE(d.IsAdded(u"kept"));
  d.SetFileName(Path("junk.oxu"));
  EXPECT_EQ(d.FileName(), good);
  EXPECT_TRUE(d.IsAdded(u"kept"));
  // A folder that does not exist cannot take a new file either.
  d.SetFileName(Path("no/such/folder/x.oxu"));
  EXPECT_EQ(d.FileName(), good);
}

TEST_F(CustomDictionary, SwitchingFilesSavesPendingChangesToTheOldFile) {
  const auto first = Make("first.oxu", {u"alpha"});
  const auto second = Make("second.oxu", {u"beta"});
  TCustomDictionary d;
  d.SetFileName(first);
  ASSERT_TRUE(d.AddWord(u"gamma"));
  d.SetFileName(second);
  EXPECT_TRUE(d.Loaded());
  EXPECT_TRUE(d.IsAdded(u"beta"));
  EXPECT_FALSE(d.IsAdded(u"gamma"));
  TCustomDictionary check;
  check.SetFileName(first);
  EXPECT_TRUE(check.IsAdded(u"alpha"));
  EXPECT_TRUE(check.IsAdded(u"gamma"));
}

TEST_F(CustomDictionary, MemoryOnlyDictionaryIsNeverWritten) {
  {
    TCustomDictionary d;
    EXPECT_FALSE(d.Tracking());
    ASSERT_TRUE(d.AddWord(u"transient"));
    EXPECT_TRUE(d.IsAdded(u"transient"));
    d.Flush();
    EXPECT_FALSE(d.Modified());
    d.SetLoaded(false);
    EXPECT_FALSE(d.IsAdded(u"transient"));
    ASSERT_TRUE(d.AddWord(u"again"));
  }
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(CustomDictionary, FileImagesInMemoryAreTheFilesBytes) {
  const auto path = Make("image.oxu", {u"alpha", u"caf\u00e9"});
  const auto file = Bytes("image.oxu");
  {
    TCustomDictionary d;
    ASSERT_TRUE(d.LoadFromBytes(file));
    EXPECT_TRUE(d.Loaded());
    EXPECT_TRUE(d.IsAdded(u"caf\u00e9"));
    EXPECT_EQ(d.SaveToBytes(), file);
    ASSERT_TRUE(d.AddWord(u"beta"));  // memory-only: never written
    const std::vector<std::uint8_t> unmarked(file.begin() + 1, file.end());
    EXPECT_FALSE(d.LoadFromBytes(unmarked));
    EXPECT_FALSE(d.Loaded());
    EXPECT_FALSE(d.IsAdded(u"alpha"));
  }
  EXPECT_EQ(Bytes("image.oxu"), file);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{"image.oxu"});

  TCustomDictionary named;
  named.SetFileName(path);
  EXPECT_FALSE(named.LoadFromBytes(file));  // a dictionary of a file loads from its file
  EXPECT_TRUE(named.IsAdded(u"alpha"));
}

TEST_F(CustomDictionary, ClearEmptiesMemoryWithoutMarkingModified) {
  const auto path = Make("c.oxu", {u"one", u"two"});
  TCustomDictionary d;
  d.SetFileName(path);
  d.Clear();
  EXPECT_FALSE(d.IsAdded(u"one"));
  EXPECT_EQ(d.AddedCount(), 0);
  EXPECT_FALSE(d.Modified());
  d.SetLoaded(false);
  TCustomDictionary check;
  check.SetFileName(path);
  EXPECT_TRUE(check.IsAdded(u"one"));
}

TEST_F(CustomDictionary, ReadOnlyFileLoadsAndIsLeftAlone) {
  const auto path = Make("ro.oxu", {u"fixed"});
  const auto before = Bytes("ro.oxu");
  namespace fs = std::filesystem;
  fs::permissions(fs::path(path), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  {
    TCustomDictionary d;
    d.SetFileName(path);
    EXPECT_TRUE(d.IsAdded(u"fixed"));
    EXPECT_TRUE(d.AddWord(u"extra"));
    EXPECT_TRUE(d.IsAdded(u"extra"));
    d.SetLoaded(false);
    EXPECT_FALSE(d.Modified());
    EXPECT_FALSE(d.IsAdded(u"extra"));
  }
  EXPECT_EQ(Bytes("ro.oxu"), before);
  fs::permissions(fs::path(path), fs::perms::owner_write, fs::perm_options::add);
}

// ---- Saving with merge ----

TEST_F(CustomDictionary, SaveMergesWithAFileChangedByAnotherProgram) {
  const auto path = Make("shared.oxu", {u"common", u"stale"});
  TCustomDictionary mine;
  mine.SetFileName(path);
  ASSERT_TRUE(mine.IsAdded(u"common"));  // loaded now
  {
    TCustomDictionary theirs;
    theirs.SetFileName(path);
    ASSERT_TRUE(theirs.AddWord(u"theirs"));
    ASSERT_TRUE(theirs.AddAutoCorrect(u"recieve", u"receive"));
    theirs.SetLoaded(false);
  }
  ASSERT_TRUE(mine.AddWord(u"mine"));
  ASSERT_TRUE(mine.AddExcluded(u"irregardless"));
  ASSERT_TRUE(mine.AddAutoCorrect(u"teh", u"the"));
  ASSERT_TRUE(mine.RemoveWord(u"stale"));
  mine.SetLoaded(false);

  TCustomDictionary check;
  check.SetFileName(path);
  EXPECT_TRUE(check.IsAdded(u"common"));
  EXPECT_TRUE(check.IsAdded(u"theirs"));
  EXPECT_TRUE(check.IsAdded(u"mine"));
  EXPECT_TRUE(check.IsExcluded(u"irregardless"));
  EXPECT_FALSE(check.IsAdded(u"stale"));
  std::u16string replacement;
  EXPECT_TRUE(check.FindAutoCorrect(u"recieve", replacement));
  EXPECT_TRUE(check.FindAutoCorrect(u"teh", replacement));
  EXPECT_EQ(replacement, u"the");
  EXPECT_EQ(check.AddedCount(), 3);
}

TEST_F(CustomDictionary, RepeatedFlushesOfOneInstanceWriteWhatItHolds) {
  const auto path = Make("f.oxu", {});
  TCustomDictionary d;
  d.SetFileName(path);
  ASSERT_TRUE(d.AddWord(u"word"));
  d.Flush();
  // A later save of the same instance is not a merge with its own earlier write.
  ASSERT_TRUE(d.RemoveWord(u"word"));
  ASSERT_TRUE(d.AddExcluded(u"word"));
  d.Flush();
  TCustomDictionary check;
  check.SetFileName(path);
  EXPECT_TRUE(check.IsExcluded(u"word"));
}

TEST_F(CustomDictionary, InterruptedSaveLeavesTheOldOrTheNewFileWhole) {
  const auto path = Make("crash.oxu", {u"old1", u"old2"});
  const auto oldBytes = Bytes("crash.oxu");
  std::vector<std::uint8_t> newBytes;
  for (int failAt = 0; failAt < 20; ++failAt) {
    int calls = 0;
    bool injected = false;
    platform::SetWriteFaultHook([&] {
      if (calls++ != failAt) return false;
      injected = true;
      return true;
    });
    {
      TCustomDictionary d;
      d.SetFileName(path);
      ASSERT_TRUE(d.RemoveWord(u"old1"));
      ASSERT_TRUE(d.AddWord(u"new1"));
      d.SetLoaded(false);
    }
    platform::SetWriteFaultHook({});
    const auto now = Bytes("crash.oxu");
    if (injected) {
      EXPECT_EQ(now, oldBytes) << "fault at step " << failAt;
    } else {
      newBytes = now;
      break;
    }
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"crash.oxu"}) << "fault at step " << failAt;
  }
  ASSERT_FALSE(newBytes.empty()) << "the save never got through";
  TCustomDictionary check;
  check.SetFileName(path);
  EXPECT_TRUE(check.IsAdded(u"new1"));
  EXPECT_FALSE(check.IsAdded(u"old1"));
  EXPECT_TRUE(check.IsAdded(u"old2"));
}

// ---- Damaged files ----

class DamagedCustomDictionary : public CustomDictionary {
 protected:
  std::vector<std::uint8_t> good;
  std::size_t slots = kBody41 + 20;
  void SetUp() override {
    Make("good.oxu", {u"alpha", u"beta"});
    good = Bytes("good.oxu");
  }
  // Loads Bytes as a dictionary and exercises it; nothing may read outside the buffers.
  TCustomDictionary& Load(const std::vector<std::uint8_t>& bytes) {
    dictionary.reset();  // its save would merge into the next file
    test::WriteBytes(dir.Path("bad.oxu"), bytes);
    dictionary = std::make_unique<TCustomDictionary>();
    dictionary->SetFileName(Path("bad.oxu"));
    dictionary->SetLoaded(true);
    return *dictionary;
  }
  void Exercise(TCustomDictionary& d) {
    (void)d.IsAdded(u"alpha");
    for (int i = 0; i < d.AddedCount(); ++i) (void)d.GetAddedWord(i);
    for (int i = 0; i < d.AutoCorrectCount(); ++i) (void)d.GetAutoCorrectPair(i);
    EXPECT_TRUE(d.AddWord(u"fresh"));
    EXPECT_TRUE(d.IsAdded(u"fresh"));
  }
  std::unique_ptr<TCustomDictionary> dictionary;
};

TEST_F(DamagedCustomDictionary, TruncatedBodiesLoadEmpty) {
  for (std::size_t cut : {kBody41, kBody41 + 10, slots + 100, good.size() - 1}) {
    auto& d = Load(std::vector<std::uint8_t>(good.begin(), good.begin() + cut));
    EXPECT_TRUE(d.Loaded()) << cut;
    EXPECT_EQ(d.AddedCount(), 0) << cut;
    EXPECT_FALSE(d.IsAdded(u"alpha")) << cut;
    Exercise(d);
  }
}

TEST_F(DamagedCustomDictionary, ImpossibleSizesLoadEmpty) {
  auto bytes = good;
  PutLe32(bytes, kBody41 + 16, 1);  // a one-slot table has no probe sequence
  EXPECT_EQ(Load(bytes).AddedCount(), 0);
  bytes = good;
  PutLe32(bytes, kBody41 + 16, -5);
  EXPECT_EQ(Load(bytes).AddedCount(), 0);
  bytes = good;
  PutLe32(bytes, kBody41 + 16, 0x7FFFFFFF);
  EXPECT_EQ(Load(bytes).AddedCount(), 0);
  bytes = good;
  PutLe32(bytes, slots + 4 * 251, 0x7FFFFFF0);  // record buffer longer than the file
  EXPECT_EQ(Load(bytes).AddedCount(), 0);
}

TEST_F(DamagedCustomDictionary, SlotValuesOutsideTheBufferArePassedOver) {
  auto bytes = good;
  const std::int32_t length = Le32(bytes, slots + 4 * 251);
  for (int i = 0; i < 251; ++i)
    if (Le32(bytes, slots + 4 * i) == 0) PutLe32(bytes, slots + 4 * i, i % 2 ? length + 5 : 0x7FFFFFFF);
  auto& d = Load(bytes);
  EXPECT_TRUE(d.IsAdded(u"alpha"));
  EXPECT_TRUE(d.IsAdded(u"beta"));
  EXPECT_FALSE(d.IsAdded(u"gamma"));  // a full walk with no empty slot ends, then the table is rebuilt
  EXPECT_EQ(d.AddedCount(), 2);
  Exercise(d);
  EXPECT_TRUE(d.IsAdded(u"alpha"));
}

TEST_F(DamagedCustomDictionary, ATableFullOfLiveEntriesStillTakesNewWords) {
  // Every slot points at the one record, and the entry count claims none: the walk is bounded
  // and insertion grows the table instead of looping.
  auto bytes = good;
  std::int32_t alpha = 0;
  for (int i = 0; i < 251; ++i) alpha = std::max(alpha, Le32(bytes, slots + 4 * i));
  for (int i = 0; i < 251; ++i) PutLe32(bytes, slots + 4 * i, alpha);
  PutLe32(bytes, kBody41 + 12, -1000);
  auto& d = Load(bytes);
  Exercise(d);
  EXPECT_GT(d.TableSize(), 251);
}

TEST_F(DamagedCustomDictionary, AHugeStoredEntryCountDoesNotGrowTheTable) {
  auto bytes = good;
  PutLe32(bytes, kBody41 + 12, 0x00FEFFFA);
  auto& d = Load(bytes);
  EXPECT_EQ(d.EntryCount(), 2);
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(d.AddWord(test::U16("w" + std::to_string(i))));
  EXPECT_EQ(d.TableSize(), 251);
  EXPECT_EQ(d.AddedCount(), 42);
}

TEST_F(DamagedCustomDictionary, RecordsWithoutATerminatorEndAtTheBuffer) {
  auto bytes = good;
  bytes.back() = 'x';  // the last record loses its zero byte
  auto& d = Load(bytes);
  EXPECT_EQ(d.AddedCount(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(d.GetAddedWord(i).empty());
  std::u16string replacement;
  EXPECT_FALSE(d.FindAutoCorrect(u"alpha", replacement));
  Exercise(d);
}

}  // namespace
}  // namespace lexoro
