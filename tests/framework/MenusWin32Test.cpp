// Popup menus chosen from with the keyboard, as TrackPopupMenu takes keys queued before it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/framework/ox3MenusWin32.h"
#include "lexoro/framework/ox3TimerWin32.h"

namespace lexoro {
namespace {

TEST(PopupMenu, ItemsAreChosenWithKeysAndTheirClicksRun) {
  TForm form(nullptr);
  form.Show();
  TPopupMenu menu(&form);
  std::vector<std::string> clicks;
  const auto add = [&](TMenuItem& Parent, const char16_t* Caption, std::intptr_t Tag) {
    TMenuItem* item = Parent.Add(std::make_unique<TMenuItem>(Caption));
    item->SetTag(Tag);
    item->OnClick = [&clicks, Tag](TObject*) { clicks.push_back("tag " + std::to_string(Tag)); };
    return item;
  };
  add(menu.Items(), u"one", 1);
  add(menu.Items(), u"two", 2)->SetEnabled(false);
  add(menu.Items(), u"-", 0);
  TMenuItem* more = add(menu.Items(), u"more", 0);
  add(*more, u"three", 3);
  int popups = 0;
  menu.OnPopup = [&](TObject*) { ++popups; };

  // Down to the first item, Enter.
  PostMessageW(form.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(menu.Popup(10, 10)->Tag(), 1);

  // Accelerators given automatically: "&more", then "&three" in the submenu.
  PostMessageW(form.Handle(), WM_CHAR, L'm', 0);
  PostMessageW(form.Handle(), WM_CHAR, L't', 0);
  EXPECT_EQ(menu.Popup(10, 10)->Tag(), 3);

  // Closed without a choice.
  TTimer timer(nullptr);
  timer.SetInterval(30);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    EndMenu();
  });
  EXPECT_EQ(menu.Popup(10, 10), nullptr);
  EXPECT_EQ(clicks, (std::vector<std::string>{"tag 1", "tag 3"}));
  EXPECT_EQ(popups, 3);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace
}  // namespace lexoro
