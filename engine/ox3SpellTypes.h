// Types of the spell component: option sets, enumerations, event signatures, the undo record
// and the event lists through which other parts of the suite subscribe to the component.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lexoro/framework/ox3Classes.h"
#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

class TComponent;
class TCustomDictionary;
class TForm;  // a dialog form of the windowing framework (Windows only)

// A set of up to 32 enumeration values held as bits (bit n is value n). Bits at or above Size
// are never set.
template <typename E, unsigned Size>
class TEnumSet {
  static_assert(Size <= 32);

 public:
  static constexpr std::uint32_t kMask = Size == 32 ? 0xFFFFFFFFu : ((1u << Size) - 1u);

  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<E> Values) {
    for (E v : Values) Include(v);
  }
  [[nodiscard]] static constexpr TEnumSet FromValue(std::uint32_t Value) {
    TEnumSet s;
    s.FBits = Value & kMask;
    return s;
  }
  [[nodiscard]] constexpr std::uint32_t Value() const { return FBits; }
  [[nodiscard]] constexpr bool Contains(E V) const {
    const auto n = static_cast<unsigned>(V);
    return n < Size && (FBits & (1u << n)) != 0;
  }
  constexpr void Include(E V) {
    const auto n = static_cast<unsigned>(V);
    if (n < Size) FBits |= 1u << n;
  }
  constexpr void Exclude(E V) {
    const auto n = static_cast<unsigned>(V);
    if (n < Size) FBits &= ~(1u << n);
  }
  constexpr void Set(E V, bool On) { On ? Include(V) : Exclude(V); }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  friend constexpr bool operator==(TEnumSet A, TEnumSet B) { return A.FBits == B.FBits; }

 private:
  std::uint32_t FBits = 0;
};

// ---- Options and configuration ----------------------------------------------------------

// Bit numbers of the spelling options.
enum TSpellOption : std::uint8_t {
  soLiveSpelling = 0,
  soLiveCorrect = 1,
  soUpcase = 2,
  soNumbers = 3,
  soHTML = 4,
  soInternet = 5,
  soQuoted = 6,
  soAbbreviations = 7,
  soPrimaryOnly = 8,
  soRepeated = 9,
  soDUalCaps = 10,
  soUser1 = 11,
  soUser2 = 12,
  soUser3 = 13,
  soUser4 = 14,
};
using TSpellOptions = TEnumSet<TSpellOption, 15>;

// Live spelling, live correction, addresses, abbreviations, repeated words and dual capitals.
inline constexpr std::uint32_t kDefaultSpellOptions = 1699;
// soLiveSpelling to soDUalCaps.
inline constexpr std::uint32_t kAvailableSpellOptions = 2047;

// Where the configuration is kept.
enum TConfigStorage : std::uint8_t { csFile = 0, csRegistry = 1, csCallback = 2, csNone = 3 };

// ---- Word checking ----------------------------------------------------------------------

enum TWordCheckType : std::uint8_t { wcAccepted, wcExcluded, wcCorrected, wcDenied, wcRepeated };

// Which case variant of a word is looked up as well.
enum TCaseModification : std::uint8_t { cmNone, cmInitialCaps, cmInitialCapsOrUpcase, cmAnyCase, cmCustom };

// ---- Check driver -----------------------------------------------------------------------

// TSpellAction, the action an undo record keeps, is declared with the parser interface, whose
// UndoLast receives it.
enum TSpellEndMessage : std::uint8_t { emNever, emAlways, emExceptCancel, emNoDialog };
enum TSpellEndPosition : std::uint8_t { epHome, epOriginal, epNoModify };
enum TSpellUI : std::uint8_t { suiDialog, suiSilent };

// One action of a check, kept so that it can be undone.
class TLexoroUndo : public TObject {
 public:
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::u16string Word;
  std::u16string Replacement;
  TSpellAction Action = saIgnore;
  bool Automatic = false;
  bool Reposition = false;
  TUndoData UndoData;
};

// Subscribers of one kind of notification: a listener object and the method to call, in the
// order they subscribed. A listener is present at most once.
//
// A listener may subscribe and unsubscribe (itself or others) while the list is notified: an
// entry removed during a round is not called in the rest of it (its listener may be gone), and
// one added during a round is called from the next round on.
class TEventList : public TObject {
 public:
  void Add(TObject* Listener, TNotifyEvent Method) {
    if (IndexOf(Listener) >= 0) return;
    FEntries.push_back(TEntry{Listener, std::move(Method), false});
  }
  void Remove(TObject* Listener) {
    const int i = IndexOf(Listener);
    if (i < 0) return;
    if (FNotifying > 0) {
      // Entries keep their places until the round is over; this one is only passed over.
      FEntries[static_cast<std::size_t>(i)].Removed = true;
      FRemovedDuringRound = true;
    } else {
      FEntries.erase(FEntries.begin() + i);
    }
  }
  // Calls every method in list order.
  void Notify(TObject* Sender) {
    struct TRound {
      TEventList& List;
      explicit TRound(TEventList& L) : List(L) { ++List.FNotifying; }
      ~TRound() {
        if (--List.FNotifying == 0 && List.FRemovedDuringRound) List.DropRemoved();
      }
    } round(*this);
    // Entries added by the methods called lie beyond this count.
    const std::size_t count = FEntries.size();
    for (std::size_t i = 0; i < count; ++i) {
      if (FEntries[i].Removed || !FEntries[i].Method) continue;
      // A copy runs: the method may unsubscribe, or subscribe others and move the list.
      const TNotifyEvent method = FEntries[i].Method;
      method(Sender);
    }
  }
  [[nodiscard]] int Count() const {
    int n = 0;
    for (const auto& e : FEntries)
      if (!e.Removed) ++n;
    return n;
  }
  [[nodiscard]] int IndexOf(TObject* Listener) const {
    for (std::size_t i = 0; i < FEntries.size(); ++i)
      if (!FEntries[i].Removed && FEntries[i].Listener == Listener) return static_cast<int>(i);
    return -1;
  }

 private:
  struct TEntry {
    TObject* Listener;
    TNotifyEvent Method;
    bool Removed;
  };
  void DropRemoved() {
    std::erase_if(FEntries, [](const TEntry& e) { return e.Removed; });
    FRemovedDuringRound = false;
  }

  std::vector<TEntry> FEntries;
  int FNotifying = 0;
  bool FRemovedDuringRound = false;
};

// The word-ignored list also carries what is being notified.
class TParserIgnoreWordEventList : public TEventList {
 public:
  bool Before = false;
  TIgnoreState State = isIgnoreOnce;
};

// ---- Dialogs, menus and interface languages ---------------------------------------------

// Bit numbers of CommandsVisible / CommandsEnabled.
enum TSpellDialogCommand : std::uint8_t {
  sdcIgnore, sdcIgnoreAll, sdcChange, sdcChangeAll, sdcAdd, sdcAutoCorrect, sdcUndo, sdcHelp, sdcCancel,
  sdcOptions, sdcCustomDictionary, sdcCustomDictionaries, sdcConfigOK, sdcAddedEdit, sdcAutoCorrectEdit,
  sdcExcludedEdit, sdcInternalEdit, sdcMainDictFolderBrowse, sdcResetDefaults, sdcConfigCancel,
  sdcConfigLearningLink, sdcConfigDownloadLink, sdcConfigEditDictionaryButton,
};
using TSpellDialogCommands = TEnumSet<TSpellDialogCommand, 32>;
// sdcIgnore to sdcConfigDownloadLink.
inline constexpr std::uint32_t kDefaultSpellDialogCommands = (1u << 22) - 1u;

// Choices of the live context menu.
enum TSpellPopupOption : std::uint8_t {
  spCancel, spDialog, spAutoCorrect, spChangeAll, spAdd, spIgnoreAll, spIgnore, spReplace,
};
using TSpellPopupOptions = TEnumSet<TSpellPopupOption, 8>;

// The popup-result list carries the choice being announced.
class TPopupResultEventList : public TEventList {
 public:
  TSpellPopupOption Result = spCancel;
  std::u16string Word;
};

enum TSpellDialogInitialPos : std::uint8_t {
  ipScreenCenter, ipUnderSelection, ipAvoidControl, ipUserDefined, ipLastUserPos, ipIgnore, ipDesktopCenter,
};
enum TSpellDialogAvoidPos : std::uint8_t { saNone, saAvoid, saAvoidUpDown, saMove, saMoveUpDown };

using THelpContext = std::int32_t;
// A window handle of the platform (an HWND on Windows). It is made from a handle on purpose
// only, so that no other pointer passes for one.
class TWindowHandle {
 public:
  constexpr TWindowHandle() = default;
  constexpr TWindowHandle(std::nullptr_t) {}
  explicit TWindowHandle(void* Value) : FValue(Value) {}
  [[nodiscard]] void* Value() const { return FValue; }
  explicit operator bool() const { return FValue != nullptr; }
  friend bool operator==(TWindowHandle, TWindowHandle) = default;

 private:
  void* FValue = nullptr;
};

// ---- Event signatures -------------------------------------------------------------------

using TConfigBeforeLoadEvent = std::function<void(TObject* Sender, bool FirstLoad)>;
using TReadStringEvent = std::function<void(TObject* Sender, const std::u16string& ConfigID, const std::u16string& Key,
                                            const std::u16string& Default, std::u16string& Value)>;
using TWriteStringEvent = std::function<void(TObject* Sender, const std::u16string& ConfigID, const std::u16string& Key,
                                             const std::u16string& Value)>;
using TWordCheckEvent = std::function<void(TObject* Sender, const std::u16string& Word, TWordCheckType& CheckType,
                                           std::u16string& Replacement)>;
using TWordPromptEvent = std::function<void(TObject* Sender, const std::u16string& Word, bool Repeated)>;
using TCustomSpellDialogEvent = std::function<void(TObject* Sender, TForm*& SpellForm, bool Create)>;
using TModalDialogEvent = std::function<void(TObject* Sender, TComponent* Owner)>;
using TModalDictEditEvent = std::function<void(TObject* Sender, TComponent* Owner, TCustomDictionary* Dictionary)>;
using TGetStringEvent = std::function<void(TObject* Sender, TSpellLanguageString LanguageString, std::u16string& Text)>;
using TReplaceWordEvent =
    std::function<void(TObject* Sender, bool Before, const std::u16string& Replacement, TReplaceState State)>;
using TIgnoreWordEvent = std::function<void(TObject* Sender, bool Before, TIgnoreState State)>;
using TUndoLastEvent =
    std::function<void(TObject* Sender, TUndoState UndoState, TSpellAction UndoAction, TUndoData& UndoData)>;
// The handler may supply the object for a custom dictionary being opened.
using TCreateCustomDictEvent = std::function<void(TObject* Sender, std::unique_ptr<TCustomDictionary>& Dictionary)>;
using TPopupDoMenuEvent = std::function<void(TObject* Sender, TObject* Menu, std::int32_t XPos, std::int32_t YPos,
                                             std::int32_t& PopupAction, std::u16string& PopupWord)>;
using TPopupAddMenuItemEvent =
    std::function<void(TObject* Sender, TObject* Menu, TObject* SubMenu, const std::u16string& Caption, bool Enable,
                       bool HasChildren, std::int32_t Tag, TObject*& MenuItem)>;
using TPopupCreateMenuEvent = std::function<void(TObject* Sender, TComponent* Owner, TObject*& PopupMenu)>;
using TPopupResultEvent = std::function<void(TObject* Sender, const std::u16string& Word, std::u16string& ResultWord,
                                             TSpellPopupOption& PopupResult)>;
using TCaseModificationEvent = std::function<void(TObject* Sender, std::u16string& Word)>;

}  // namespace lexoro
