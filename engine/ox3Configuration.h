// TLexoroConfig: the user's spelling settings of one spell component, and where they are kept.
//
// The settings are which main and custom dictionaries are active, the spelling options, where
// the spell dialog was last placed, the quote characters, extra dictionary folders and free
// name/value pairs of the application. They are read lazily, the first time anything asks
// for them, and written back when they were changed and the component releases its
// dictionaries, the store is switched, reset or reloaded, or the object is destroyed.
//
// Stores, chosen by the component's ConfigStorage when the settings are loaded:
//   csFile      an INI file (ConfigFilename), section = the expanded ConfigID
//   csRegistry  HKEY_CURRENT_USER\<ConfigRegistryKey>\<ConfigID> (POSIX: a stand-in file, see
//               platform/ox3Platform.h)
//   csCallback  the component's OnConfigReadString / OnConfigWriteString
//   csNone      nothing is read or written; every load is a first run
//
// Keys, all inside the section or subkey named by the config id:
//
//   KEY                      WRITTEN                 READ WHEN ABSENT
//   _FirstRun                "+"                     "-"  (a first run: the ConfigDefault... values)
//   _Main, _Custom, _MSWordCustom, _NewPaths, _UserData      lists, see below
//   _ActiveCustom            entry                   ""
//   _soUpcase ... _soUser4   "+" / "-"               "-"  (only exactly "+" sets an option)
//   _DialogX, _DialogY       decimal                 "-1"
//   _QuoteChars              characters              ""
//   User_<name>              value of a user entry   ""
//
// A list under Prefix is Prefix_count (decimal; absent = leave the list alone) and the items
// Prefix_0, Prefix_1, ...; empty items are skipped on reading.
//
// A save whose store fails on the way is abandoned without an error: a file store then keeps
// its previous content whole, and the settings stay marked as modified, so that the next save
// tries again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "lexoro/engine/ox3SpellTypes.h"
#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

namespace platform {
class TConfigStore;
}

class TLexoroSpellBase;

class TLexoroConfig : public TObject {
 public:
  // A list count above this is not believed: at most this many items are read.
  static constexpr int kMaxListCount = 4096;

  // ---- Virtual operations, in slot order ------------------------------------------------

  // Makes Entry the custom dictionary that receives Add and Auto-Correct, adding it to the
  // custom dictionaries when it is not among them.
  virtual void SetActiveCustom(const std::u16string& Entry);
  // true: load; false: save, then forget that the settings were read (the next access reads
  // them again).
  virtual void SetLoaded(bool Value);
  virtual void SetOptions(TSpellOptions Options);
  virtual void SetDialogX(std::int32_t X);
  virtual void SetDialogY(std::int32_t Y);
  virtual void SetQuoteChars(const std::u16string& Chars);
  // The lists may be edited in place; every change rebuilds the component's dictionaries.
  virtual TStringList& GetMainDictionaries();
  virtual TStringList& GetCustomDictionaries();
  virtual TStringList& GetMSWordCustomDictionaries();
  // The active custom entry with the component's path expansion applied.
  virtual std::u16string GetActiveCustom();
  virtual TSpellOptions GetOptions();
  virtual std::int32_t GetDialogX();
  virtual std::int32_t GetDialogY();
  // Sorted; duplicates are ignored.
  virtual TStringList& GetNewPaths();
  virtual std::u16string GetQuoteChars();
  virtual void ListChanged(TObject* Sender);
  // Only while loaded and owned: marks the settings modified and tells the component.
  virtual void Changed(bool RebuildDictionaries);
  virtual void ReadWriteList(const std::u16string& Prefix, TStringList& List, bool Reading);
  // One key of the section named by the config id, in the store captured at the last load.
  virtual std::u16string ReadString(const std::u16string& Key, const std::u16string& Default);
  virtual void WriteString(const std::u16string& Key, const std::u16string& Value);
  virtual void Load();
  virtual void EnsureLoaded();

  explicit TLexoroConfig(TLexoroSpellBase* Owner);

  // The value stored under Name, or empty.
  virtual std::u16string GetUserData(const std::u16string& Name);
  virtual void SetUserData(const std::u16string& Name, const std::u16string& Value);
  // Saves, then loads again as on a first run: every value returns to the ConfigDefault...
  // properties of the component.
  virtual void ResetToDefaults();
  // Only while loaded: saves, then loads again.
  virtual void Reload();
  // Writes every key when the settings were changed (never for a component in design mode).
  virtual void Save();

  // Saves first.
  ~TLexoroConfig() override;

  // ---- State --------------------------------------------------------------------------

  [[nodiscard]] bool Loaded() const { return FLoaded; }
  [[nodiscard]] bool Modified() const { return FModified; }
  [[nodiscard]] TLexoroSpellBase* Owner() const { return FOwner; }
  // What the last load captured from the component.
  [[nodiscard]] TConfigStorage Storage() const { return FStorage; }
  [[nodiscard]] const std::u16string& ConfigID() const { return FConfigID; }
  [[nodiscard]] const std::u16string& FileName() const { return FFileName; }
  [[nodiscard]] const std::u16string& RegistryKey() const { return FRegistryKey; }
  // Names and values of the application's entries, index for index.
  [[nodiscard]] const TStringList& UserNames() const { return FUserNames; }
  [[nodiscard]] const TStringList& UserValues() const { return FUserValues; }

 private:
  // Opens the store captured at the last load (file or registry); other storages need none.
  void OpenStore(bool ForWriting);

  bool FModified = false;
  TStringList FMainDictionaries;
  TStringList FCustomDictionaries;
  TStringList FMSWordCustomDictionaries;
  std::u16string FActiveCustom;
  TStringList FUserNames;
  TStringList FUserValues;
  TSpellOptions FOptions;
  std::int32_t FDialogX = -1;
  std::int32_t FDialogY = -1;
  std::u16string FQuoteChars = u">";
  TStringList FNewPaths;
  bool FLoaded = false;
  TLexoroSpellBase* FOwner = nullptr;
  bool FResetNextLoad = false;
  TConfigStorage FStorage = csRegistry;
  std::u16string FConfigID;
  std::u16string FFileName;
  std::u16string FRegistryKey;
  // The INI file or registry store, open only during a load or a save.
  std::unique_ptr<platform::TConfigStore> FStore;
  // A write of the current save failed: the rest of it is skipped.
  bool FWriteFailed = false;
  // A load is running (a handler that asks for a setting then gets what is there so far).
  bool FLoading = false;
};

}  // namespace lexoro
