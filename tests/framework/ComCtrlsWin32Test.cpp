// List views and page controls driven as a user would: check boxes toggled with the space bar,
// captions edited in place, pages turned with the keyboard.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexoro/framework/ox3ComCtrlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "tests/framework/PumpWin32.h"

namespace lexoro {
namespace {

using test::PressKey;
using test::PumpUntil;

std::string U8(const std::u16string& s) { return std::string(s.begin(), s.end()); }

struct TFreed : TObject {
  explicit TFreed(int* Count) : Count(Count) {}
  ~TFreed() override { ++*Count; }
  int* Count;
};

struct TListForm {
  TForm Form{nullptr};
  TListView* List = new TListView(&Form);
  std::vector<std::string> Events;
  bool Recording = false;

  TListForm() {
    List->SetParent(&Form);
    List->SetBounds(8, 8, 300, 150);
    List->SetCheckboxes(true);
    List->SetHideSelection(false);
    List->AddColumn(u"Name", 120);
    List->AddColumn(u"File", 100, true);
    List->OnChange = [this](TObject*, TListItem* Item, TItemChange Change) {
      if (Recording && Change == TItemChange::ctState)
        Events.push_back(U8(Item->Caption()) + (Item->Checked() ? " checked" : " unchecked"));
    };
  }
};

TEST(ListView, ItemsKeepTheirTextsStatesAndDataAcrossWindows) {
  TListForm f;
  int freed = 0;
  for (const char16_t* name : {u"beta", u"alpha"}) {
    TListItem* item = f.List->AddItem(name);
    item->SetSubItem(0, std::u16string(name) + u".oxm");
    item->SetData(std::make_unique<TFreed>(&freed));
  }
  f.List->Item(1)->SetChecked(true);  // before there is a window
  f.Form.Show();
  EXPECT_TRUE(f.List->Item(1)->Checked());
  EXPECT_FALSE(f.List->Item(0)->Checked());
  EXPECT_EQ(f.List->Item(0)->SubItems()[0], u"beta.oxm");
  // The auto-sized column takes the rest of the width.
  EXPECT_EQ(f.List->ColumnWidth(0) + f.List->ColumnWidth(1), f.List->ClientWidth());

  f.List->Item(0)->SetChecked(true);
  f.List->Item(0)->SetSelected(true);
  f.List->RecreateWnd();
  EXPECT_TRUE(f.List->Item(0)->Checked());
  EXPECT_EQ(f.List->Selected(), f.List->Item(0));

  // Sorted: items go to their place, also when renamed.
  f.List->SetSortType(TSortType::stText);
  EXPECT_EQ(f.List->Item(0)->Caption(), u"alpha");
  f.List->AddItem(u"Gamma");
  f.List->AddItem(u"delta");
  EXPECT_EQ(f.List->Item(2)->Caption(), u"delta");
  f.List->Item(0)->SetCaption(u"zeta");
  EXPECT_EQ(f.List->Item(3)->Caption(), u"zeta");
  EXPECT_TRUE(f.List->Item(3)->Checked());
  EXPECT_EQ(f.List->FindCaption(u"delta"), f.List->Item(1));

  f.List->DeleteItem(3);
  EXPECT_EQ(freed, 1);
  f.List->Clear();
  EXPECT_EQ(freed, 2);
}

TEST(ListView, SpaceTogglesTheFocusedCheckBoxAndClicksFindTheirItem) {
  TListForm f;
  for (const char16_t* name : {u"one", u"two"}) f.List->AddItem(name);
  f.Form.Show();
  f.List->SetFocus();
  f.List->Item(1)->SetSelected(true);
  f.List->SetItemFocused(f.List->Item(1));
  f.Recording = true;
  PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return f.List->Item(1)->Checked(); }));
  ASSERT_FALSE(f.Events.empty());
  EXPECT_EQ(f.Events.back(), "two checked");
  EXPECT_FALSE(f.List->Item(0)->Checked());

  const RECT label = f.List->Item(1)->DisplayRect(TDisplayCode::drLabel);
  EXPECT_LT(label.left, label.right);
  EXPECT_EQ(f.List->GetItemAt(label.left + 2, (label.top + label.bottom) / 2), f.List->Item(1));
  EXPECT_EQ(f.List->GetItemAt(label.left + 2, 140), nullptr);
}

TEST(ListView, CaptionsAreEditedInPlaceUnlessRefused) {
  TListForm f;
  f.List->AddItem(u"custom.oxu");
  f.List->AddItem(u"fixed.oxu");
  f.List->OnEditing = [](TObject*, TListItem* Item, bool& Allow) { Allow = Item->Caption() != u"fixed.oxu"; };
  std::vector<std::string> edited;
  f.List->OnEdited = [&](TObject*, TListItem*, std::u16string& Text) {
    edited.push_back(U8(Text));
    if (Text == u"taken.oxu") Text = u"custom.oxu";  // a refused rename puts the old name back
  };
  f.Form.Show();

  f.List->Item(1)->EditCaption();
  EXPECT_FALSE(f.List->IsEditing());

  for (const char16_t* typed : {u"renamed.oxu", u"taken.oxu"}) {
    TListItem* item = f.List->Item(0);
    item->EditCaption();
    HWND editor = reinterpret_cast<HWND>(f.List->Perform(LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, reinterpret_cast<const wchar_t*>(typed));
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return !f.List->IsEditing(); }));
  }
  EXPECT_EQ(edited, (std::vector<std::string>{"renamed.oxu", "taken.oxu"}));
  EXPECT_EQ(f.List->Item(0)->Caption(), u"custom.oxu");
  wchar_t shown[32] = {};
  ListView_GetItemText(f.List->Handle(), 0, 0, shown, 32);
  EXPECT_STREQ(shown, L"custom.oxu");
}

TEST(PageControl, PagesTurnWithTheKeyboardAndHiddenTabsAreSkipped) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* pages = new TPageControl(&form);
  pages->SetParent(&form);
  pages->SetBounds(8, 8, 300, 200);
  TTabSheet* sheets[3];
  TEdit* edits[3];
  for (int i = 0; i < 3; ++i) {
    sheets[i] = new TTabSheet(&form);
    sheets[i]->SetPageControl(pages);
    sheets[i]->SetCaption(u"Page " + std::u16string(1, static_cast<char16_t>(u'1' + i)));
    edits[i] = new TEdit(&form);
    edits[i]->SetParent(sheets[i]);
    edits[i]->SetTabStop(true);
  }
  std::vector<int> changes;
  bool allow = true;
  pages->OnChanging = [&](TObject*, bool& Allow) { Allow = allow; };
  pages->OnChange = [&](TObject*) { changes.push_back(pages->ActivePageIndex()); };
  form.Show();
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_TRUE(sheets[0]->Visible());
  EXPECT_FALSE(sheets[1]->Visible());
  const RECT area = pages->DisplayRect();
  EXPECT_EQ(sheets[0]->Left(), area.left);
  EXPECT_EQ(sheets[0]->Width(), area.right - area.left);

  sheets[1]->SetTabVisible(false);
  edits[0]->SetFocus();
  {
    test::TKeysDown ctrl{VK_CONTROL};
    PressKey(VK_TAB);  // from inside a page: to the next page with a tab
  }
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_TRUE(sheets[2]->Visible());
  EXPECT_FALSE(sheets[0]->Visible());
  EXPECT_EQ(TabCtrl_GetItemCount(pages->Handle()), 2);

  pages->SetFocus();
  PressKey(VK_LEFT);  // on the tab row itself
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  allow = false;
  PressKey(VK_RIGHT);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_EQ(changes, (std::vector<int>{2, 0}));

  pages->SetActivePage(sheets[1]);  // the program's change tells nothing
  EXPECT_EQ(changes.size(), 2u);
  delete sheets[1];
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_NE(pages->ActivePage(), nullptr);
}

}  // namespace
}  // namespace lexoro
