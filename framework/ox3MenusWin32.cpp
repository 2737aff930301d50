#include "lexoro/framework/ox3MenusWin32.h"

#include <set>

#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/platform/win32/ox3Handles.h"

namespace lexoro {

namespace {

// The caption with an accelerator given to it: "&" before its first letter not in Taken.
std::u16string WithAccelerator(const std::u16string& Caption, std::set<char16_t>& Taken) {
  if (Caption.find(u'&') != std::u16string::npos) return Caption;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    wchar_t upper[2] = {static_cast<wchar_t>(Caption[i]), 0};
    CharUpperW(upper);
    if (!IsCharAlphaNumericW(upper[0]) || !Taken.insert(static_cast<char16_t>(upper[0])).second) continue;
    return Caption.substr(0, i) + u"&" + Caption.substr(i);
  }
  return Caption;
}

// Builds the menu of Item's children into Menu; Commands[n - 1] is the item of command n.
void BuildMenu(HMENU Menu, const TMenuItem& Item, bool Automatic, std::vector<TMenuItem*>& Commands) {
  std::set<char16_t> taken;
  for (int i = 0; i < Item.Count(); ++i) {
    TMenuItem* child = Item.Items(i);
    if (child->IsLine()) {
      AppendMenuW(Menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::u16string caption = Automatic ? WithAccelerator(child->Caption(), taken) : child->Caption();
    const UINT state = child->Enabled() ? MF_ENABLED : MF_GRAYED;
    const auto* text = reinterpret_cast<const wchar_t*>(caption.c_str());
    if (child->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      BuildMenu(sub, *child, Automatic, Commands);
      AppendMenuW(Menu, MF_POPUP | MF_STRING | state, reinterpret_cast<UINT_PTR>(sub), text);
    } else {
      Commands.push_back(child);
      AppendMenuW(Menu, MF_STRING | state, Commands.size(), text);
    }
  }
}

}  // namespace

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
  FItems.push_back(std::move(Item));
  return FItems.back().get();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem* TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  win32::TMenuHandle menu(CreatePopupMenu());
  if (!menu) return nullptr;
  std::vector<TMenuItem*> commands;
  BuildMenu(menu.Get(), FItems, FAutoHotkeys == TMenuAutoFlag::maAutomatic, commands);
  // The menu needs a window of the thread to belong to: the active one, or one of its own.
  std::unique_ptr<TForm> own;
  HWND owner = GetActiveWindow();
  if (!owner) {
    own = std::make_unique<TForm>(nullptr);
    owner = own->Handle();
  }
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, X, Y, 0, owner, nullptr));
  if (chosen == 0 || chosen > commands.size()) return nullptr;
  TMenuItem* item = commands[chosen - 1];
  item->Click();
  return item;
}

}  // namespace lexoro
