#include "lexoro/framework/ox3Classes.h"

#include <algorithm>
#include <stdexcept>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

// ---- TNotifyList ----

void TNotifyList::Add(const void* Key, TNotifyEvent Method) {
  for (auto& e : FEntries)
    if (e.Key == Key && !e.Removed) {
      e.Method = std::move(Method);
      return;
    }
  FEntries.push_back({Key, std::move(Method)});
}

void TNotifyList::Remove(const void* Key) {
  for (auto& e : FEntries)
    if (e.Key == Key) e.Removed = true;
  if (FNotifying == 0) std::erase_if(FEntries, [](const TEntry& e) { return e.Removed; });
}

void TNotifyList::Notify(TObject* Sender) {
  // Entries are only marked while a notification runs and swept when the outermost ends; the
  // walk goes by index and stops at the entries present when it began.
  struct TRound {
    TNotifyList& List;
    explicit TRound(TNotifyList& L) : List(L) { ++List.FNotifying; }
    ~TRound() {
      if (--List.FNotifying == 0) std::erase_if(List.FEntries, [](const TEntry& e) { return e.Removed; });
    }
  } round(*this);
  const std::size_t count = FEntries.size();
  for (std::size_t i = 0; i < count && i < FEntries.size(); ++i) {
    if (FEntries[i].Removed || !FEntries[i].Method) continue;
    const TNotifyEvent method = FEntries[i].Method;  // the entry may move while it runs
    method(Sender);
  }
}

int TNotifyList::Count() const {
  return static_cast<int>(std::count_if(FEntries.begin(), FEntries.end(), [](const TEntry& e) { return !e.Removed; }));
}

int TNotifyList::IndexOf(const void* Key) const {
  int index = 0;
  for (const auto& e : FEntries) {
    if (e.Removed) continue;
    if (e.Key == Key) return index;
    ++index;
  }
  return -1;
}

// ---- TComponent ----

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who asked; they drop their references.
  auto notifies = std::move(FFreeNotifies);
  FFreeNotifies.clear();
  for (TComponent* c : notifies) {
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
  // Free the owned components, last created first.
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    FComponents.pop_back();
    child->FOwner = nullptr;
    delete child;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() { FComponentState |= csDestroying; }

void TComponent::SetDesigning(bool Value) {
  FComponentState = Value ? (FComponentState | csDesigning) : (FComponentState & ~csDesigning);
}

void TComponent::SetLoading(bool Value) {
  FComponentState = Value ? (FComponentState | csLoading) : (FComponentState & ~csLoading);
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  AComponent->FOwner = nullptr;
  if (!IsDestroying()) Notification(AComponent, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  // Links go both ways, so whichever goes first tells the other.
  if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) == AComponent->FFreeNotifies.end())
    AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
  if (AComponent)
    AComponent->FFreeNotifies.erase(std::remove(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this),
                                    AComponent->FFreeNotifies.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {}

// ---- TStringList ----

TStringList::TStringList(std::initializer_list<std::u16string> Items) : FItems(Items) {}

TStringList::TStringList(const TStringList& Other)
    : TObject(), FItems(Other.FItems), FSorted(Other.FSorted), FDuplicates(Other.FDuplicates),
      FCaseSensitive(Other.FCaseSensitive) {}

TStringList& TStringList::operator=(const TStringList& Other) {
  if (this != &Other) Assign(Other);
  return *this;
}

int TStringList::Compare(const std::u16string& A, const std::u16string& B) const {
  if (FCaseSensitive) return A.compare(B);
  return platform::LowerCase(A).compare(platform::LowerCase(B));
}

bool TStringList::Find(const std::u16string& S, int& Index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = Compare(FItems[static_cast<std::size_t>(mid)], S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  Index = lo;
  return found;
}

void TStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const std::u16string& a, const std::u16string& b) { return Compare(a, b) < 0; });
}

void TStringList::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  if (FOnChange) FOnChange(this);
}

void TStringList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    Changed();
  }
}

void TStringList::SetStrings(int Index, const std::u16string& Value) {
  FItems.at(static_cast<std::size_t>(Index)) = Value;
  if (FSorted) Sort();
  Changed();
}

int TStringList::Add(const std::u16string& S) {
  if (!FSorted) {
    FItems.push_back(S);
    Changed();
    return Count() - 1;
  }
  int index;
  if (Find(S, index)) {
    if (FDuplicates == TDuplicates::dupIgnore) return index;
    if (FDuplicates == TDuplicates::dupError) throw std::invalid_argument("string list does not allow duplicates");
  }
  FItems.insert(FItems.begin() + index, S);
  Changed();
  return index;
}

void TStringList::Insert(int Index, const std::u16string& S) {
  if (FSorted) {
    Add(S);
    return;
  }
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, S);
  Changed();
}

void TStringList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex || CurIndex < 0 || CurIndex >= Count() || NewIndex < 0 || NewIndex >= Count()) return;
  std::u16string s = std::move(FItems[static_cast<std::size_t>(CurIndex)]);
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, std::move(s));
  Changed();
}

void TStringList::Assign(const TStringList& Source) {
  if (&Source == this) return;
  BeginUpdate();
  FItems.clear();
  for (const auto& s : Source.FItems) {
    if (FSorted) Add(s);
    else FItems.push_back(s);
  }
  FChangedWhileUpdating = true;
  EndUpdate();
}

void TStringList::AddStrings(const TStringList& Source) {
  BeginUpdate();
  const auto items = Source.FItems;  // Source may be this list
  for (const auto& s : items) Add(s);
  EndUpdate();
}

int TStringList::IndexOf(const std::u16string& S) const {
  if (FSorted) {
    int index;
    return Find(S, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (Compare(FItems[static_cast<std::size_t>(i)], S) == 0) return i;
  return -1;
}

std::u16string TStringList::Text() const {
  std::u16string text;
  for (const auto& s : FItems) {
    text += s;
    text += u"\r\n";
  }
  return text;
}

void TStringList::SetText(const std::u16string& Value) {
  BeginUpdate();
  FItems.clear();
  std::size_t start = 0;
  while (start < Value.size()) {
    std::size_t end = start;
    while (end < Value.size() && Value[end] != u'\r' && Value[end] != u'\n') ++end;
    Add(Value.substr(start, end - start));
    if (end < Value.size() && Value[end] == u'\r') ++end;
    if (end < Value.size() && Value[end] == u'\n') ++end;
    start = end;
  }
  FChangedWhileUpdating = true;
  EndUpdate();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (FSorted) {
    Sort();
    Changed();
  }
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) {
    Sort();
    Changed();
  }
}

}  // namespace lexoro
