// Popup menus over Win32: a tree of menu items (caption, enabled, tag, click handler; "-" is a
// separator) shown at a point of the screen. The menu is built from the items each time it is
// shown, so items may change between showings; the chosen item's OnClick runs before Popup
// returns.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

class TMenuItem : public TObject {
 public:
  TMenuItem() = default;
  explicit TMenuItem(std::u16string Caption) : FCaption(std::move(Caption)) {}

  [[nodiscard]] const std::u16string& Caption() const { return FCaption; }
  void SetCaption(const std::u16string& Value) { FCaption = Value; }
  [[nodiscard]] bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  [[nodiscard]] std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }
  [[nodiscard]] bool IsLine() const { return FCaption == u"-"; }

  // The items of the submenu this item opens (none: an item that is chosen).
  [[nodiscard]] int Count() const { return static_cast<int>(FItems.size()); }
  [[nodiscard]] TMenuItem* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
  TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
  void Clear() { FItems.clear(); }

  // What choosing the item does: OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::u16string FCaption;
  bool FEnabled = true;
  std::intptr_t FTag = 0;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// How captions get their accelerators: as written (maManual) or, for captions without one,
// their first letter not yet taken (maAutomatic).
enum class TMenuAutoFlag { maAutomatic, maManual };

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  [[nodiscard]] TMenuItem& Items() { return FItems; }
  [[nodiscard]] TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag Value) { FAutoHotkeys = Value; }
  // Shows the menu at a point of the screen and waits for the user's choice; the chosen item
  // (after its click ran), or null when the menu was closed without one.
  TMenuItem* Popup(int X, int Y);
  // Told before the menu shows.
  TNotifyEvent OnPopup;

 private:
  TMenuItem FItems;
  TMenuAutoFlag FAutoHotkeys = TMenuAutoFlag::maAutomatic;
};

}  // namespace lexoro
