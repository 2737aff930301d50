// The portable base of the component framework: the root object, notify events, components
// with owners, and string lists.
//
// Components own the components created with them as owner and free them when they go; a
// component can ask to be told (Notification with opRemove) when another one it refers to is
// freed. String lists keep strings in insertion or sorted order, may ignore duplicates, and
// tell a listener after every change.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace lexoro {

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

// The type of every Sender.
class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Listeners of one notification, each under a key (the listening object), called in the order
// they were added. The list may change while it notifies: a listener removed meanwhile is not
// called any more, one added meanwhile is called from the next notification on.
class TNotifyList {
 public:
  // A key already present gets the new method and keeps its place.
  void Add(const void* Key, TNotifyEvent Method);
  void Remove(const void* Key);
  void Notify(TObject* Sender);
  [[nodiscard]] int Count() const;
  [[nodiscard]] bool Contains(const void* Key) const { return IndexOf(Key) >= 0; }
  // The place of Key among the listeners (-1: not listening).
  [[nodiscard]] int IndexOf(const void* Key) const;

 private:
  struct TEntry {
    const void* Key;
    TNotifyEvent Method;
    bool Removed = false;
  };
  std::vector<TEntry> FEntries;
  int FNotifying = 0;
};

enum class TOperation { opInsert, opRemove };

// Component state flags.
enum TComponentStateFlag : std::uint32_t {
  csLoading = 1u << 0,
  csDesigning = 1u << 1,
  csDestroying = 1u << 2,
};

class TComponent : public TObject {
 public:
  // The owner (may be null) takes the new component into its list and frees it with itself.
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  [[nodiscard]] TComponent* Owner() const { return FOwner; }
  [[nodiscard]] int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  [[nodiscard]] TComponent* Components(int Index) const { return FComponents.at(static_cast<std::size_t>(Index)); }
  [[nodiscard]] const std::u16string& Name() const { return FName; }
  void SetName(const std::u16string& Value) { FName = Value; }
  [[nodiscard]] std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }

  [[nodiscard]] std::uint32_t ComponentState() const { return FComponentState; }
  [[nodiscard]] bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
  [[nodiscard]] bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  [[nodiscard]] bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
  // The framework's streaming and designers set these; tests may too.
  void SetDesigning(bool Value);
  void SetLoading(bool Value);

  // AComponent is told through Notification(this, opRemove) when this component is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Takes a component into this owner's list / lets it go without freeing it.
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);

 protected:
  // Called when a component this one is linked with is inserted or removed.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Marks the component as being destroyed; derived destructors may call it early.
  void Destroying();

 private:
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;       // owned
  std::vector<TComponent*> FFreeNotifies;     // told when this one goes
  std::u16string FName;
  std::intptr_t FTag = 0;
  std::uint32_t FComponentState = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// A list of strings. Sorted lists keep their order by a comparison that ignores case unless
// CaseSensitive is set; a duplicate added to a sorted list is ignored, accepted or refused
// (std::invalid_argument) by Duplicates.
class TStringList : public TObject {
 public:
  TStringList() = default;
  TStringList(std::initializer_list<std::u16string> Items);
  TStringList(const TStringList& Other);
  TStringList& operator=(const TStringList& Other);

  [[nodiscard]] int Count() const { return static_cast<int>(FItems.size()); }
  [[nodiscard]] const std::u16string& operator[](int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
  [[nodiscard]] const std::u16string& Strings(int Index) const { return (*this)[Index]; }
  void SetStrings(int Index, const std::u16string& Value);
  [[nodiscard]] const std::vector<std::u16string>& Items() const { return FItems; }

  // Returns the index of the new (or, for an ignored duplicate, the existing) string.
  int Add(const std::u16string& S);
  void Insert(int Index, const std::u16string& S);
  void Delete(int Index);
  void Clear();
  void Move(int CurIndex, int NewIndex);
  // Copies the strings (not the settings or the change handler); one change notification.
  void Assign(const TStringList& Source);
  void AddStrings(const TStringList& Source);
  [[nodiscard]] int IndexOf(const std::u16string& S) const;
  // Strings joined by CR LF, each line ended; SetText splits at CR LF, LF or CR.
  [[nodiscard]] std::u16string Text() const;
  void SetText(const std::u16string& Value);

  [[nodiscard]] bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  [[nodiscard]] TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  [[nodiscard]] bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  // Change notifications are held back between BeginUpdate and the matching EndUpdate, which
  // sends one if anything changed.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Event) { FOnChange = std::move(Event); }

  friend bool operator==(const TStringList& A, const TStringList& B) { return A.FItems == B.FItems; }

 private:
  [[nodiscard]] int Compare(const std::u16string& A, const std::u16string& B) const;
  // Binary search of a sorted list: true when found; Index is where S is or would go.
  [[nodiscard]] bool Find(const std::u16string& S, int& Index) const;
  void Sort();
  void Changed();

  std::vector<std::u16string> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = TDuplicates::dupIgnore;
  bool FCaseSensitive = false;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
  TNotifyEvent FOnChange;
};

}  // namespace lexoro
