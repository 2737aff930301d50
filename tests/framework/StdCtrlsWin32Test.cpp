// Standard controls on a form, driven as a user drives them: notifications reaching the
// control's own object wherever it sits, the keyboard (Tab, Enter, Esc, accelerators), fonts
// that follow the parent, and text measurement.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "lexoro/framework/ox3TimerWin32.h"
#include "tests/framework/PumpWin32.h"

namespace lexoro {
namespace {

using test::PressAlt;
using test::PressKey;
using test::PumpUntil;

template <typename T>
T* Add(TWinControl* Parent, int X, int Y, int W, int H, const std::u16string& Caption = {}) {
  auto* control = new T(Parent);
  control->SetParent(Parent);
  control->SetBounds(X, Y, W, H);
  if (!Caption.empty()) control->SetText(Caption);
  return control;
}

// A small dialog: a label for an edit, a group box with two check boxes, a list box, a combo
// box and OK / Cancel buttons, in a tab order that differs from the order of creation.
struct TDialog {
  TForm Form{nullptr};
  TButton* Cancel;
  TButton* Ok;
  TLabel* NameLabel;
  TEdit* Name;
  TGroupBox* Group;
  TCheckBox* First;
  TCheckBox* Second;
  TListBox* List;
  TComboBox* Combo;
  std::vector<std::string> Clicks;

  TDialog() {
    Form.SetBorderStyle(TFormBorderStyle::bsDialog);
    Form.SetClientWidth(300);
    Form.SetClientHeight(220);
    Cancel = Add<TButton>(&Form, 215, 185, 75, 25, u"Cancel");
    Ok = Add<TButton>(&Form, 135, 185, 75, 25, u"OK");
    NameLabel = Add<TLabel>(&Form, 8, 12, 60, 13, u"&Name:");
    Name = Add<TEdit>(&Form, 70, 8, 120, 21);
    Group = Add<TGroupBox>(&Form, 8, 36, 180, 60, u" O&ptions ");
    First = Add<TCheckBox>(Group, 8, 16, 160, 17, u"&First");
    Second = Add<TCheckBox>(Group, 8, 36, 160, 17, u"&Second");
    List = Add<TListBox>(&Form, 200, 8, 90, 80);
    Combo = Add<TComboBox>(&Form, 8, 110, 180, 21);
    Combo->SetStyle(TComboBoxStyle::csDropDownList);
    NameLabel->SetFocusControl(Name);
    Name->SetTabStop(true);
    // Tab order: name, group, list, combo, OK, Cancel.
    Name->SetTabOrder(0);
    Group->SetTabOrder(1);
    List->SetTabOrder(2);
    Combo->SetTabOrder(3);
    Ok->SetTabOrder(4);
    Cancel->SetTabOrder(5);
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
    for (auto* box : {First, Second})
      box->OnClick = [this, box](TObject*) { Clicks.push_back(box == First ? "first" : "second"); };
    for (const char16_t* item : {u"alpha", u"beta", u"gamma"}) {
      List->AddItem(item);
      Combo->AddItem(item, static_cast<std::intptr_t>(List->Count()));
    }
    List->OnClick = [this](TObject*) { Clicks.push_back("list " + std::to_string(List->ItemIndex())); };
    Combo->OnChange = [this](TObject*) { Clicks.push_back("combo " + std::to_string(Combo->ItemIndex())); };
  }
};

TEST(StdCtrls, NotificationsReachTheControlsWhereverTheySit) {
  TDialog d;
  d.Form.Show();
  // A check box inside a group box: its parent is not the form.
  d.First->Perform(BM_CLICK, 0, 0);
  EXPECT_TRUE(d.First->Checked());
  d.Second->SetChecked(true);  // the program's change raises nothing
  EXPECT_EQ(d.Clicks, (std::vector<std::string>{"first"}));

  int clicks = 0;
  d.Ok->OnClick = [&](TObject*) { ++clicks; };
  d.Ok->Perform(BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);

  d.List->SetFocus();
  PressKey(VK_DOWN);
  d.Combo->SetFocus();
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(d.List->ItemIndex(), 0);
  EXPECT_EQ(d.Combo->ItemIndex(), 1);
  EXPECT_EQ(d.Combo->ItemData(1), 2);
  EXPECT_EQ(d.Combo->Text(), u"beta");
  EXPECT_EQ(d.Clicks, (std::vector<std::string>{"first", "list 0", "combo 0", "combo 1"}));

  // The contents survive a new window.
  d.Form.RecreateWnd();
  EXPECT_TRUE(d.First->Checked());
  EXPECT_EQ(d.List->ItemIndex(), 0);
  EXPECT_EQ(d.Combo->ItemIndex(), 1);
  EXPECT_EQ(d.List->Count(), 3);
}

TEST(StdCtrls, TabWalksTheTabOrderAndAcceleratorsFindTheirControls) {
  TDialog d;
  d.Form.Show();
  ASSERT_TRUE(PumpUntil([&] { return d.Name->Focused(); }));  // the first control takes the focus
  PressKey(VK_TAB);
  EXPECT_TRUE(d.First->Focused());  // into the group box
  PressKey(VK_TAB);
  EXPECT_TRUE(d.Second->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(d.List->Focused());
  {
    test::TKeysDown shift{VK_SHIFT};
    PressKey(VK_TAB);
  }
  EXPECT_TRUE(d.Second->Focused());

  PressAlt(L'n');  // the label hands the focus to its edit
  EXPECT_TRUE(d.Name->Focused());
  PressAlt(L'p');  // the group box to its first control
  EXPECT_TRUE(d.First->Focused());
  PressAlt(L's');  // a check box takes the focus and toggles
  EXPECT_TRUE(d.Second->Focused());
  EXPECT_TRUE(d.Second->Checked());
  // On a control that takes no characters the letter alone will do; a hidden control's letter
  // is not found.
  PressKey('F');
  EXPECT_TRUE(d.First->Focused());
  EXPECT_TRUE(d.First->Checked());
  d.Second->SetVisible(false);
  PressAlt(L's');
  EXPECT_TRUE(d.First->Focused());
  EXPECT_EQ(d.Clicks, (std::vector<std::string>{"second", "first"}));
}

TEST(StdCtrls, EnterAndEscEndAModalFormThroughItsButtons) {
  for (UINT key : {VK_RETURN, VK_ESCAPE}) {
    TDialog d;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.SetOnTimer([&](TObject*) {
      timer.SetEnabled(false);
      d.Name->SetFocus();
      PressKey(key);
    });
    EXPECT_EQ(d.Form.ShowModal(), key == VK_RETURN ? mrOk : mrCancel);
  }

  // Enter clicks the focused push button rather than the default one, which loses its look.
  TDialog d;
  d.Form.Show();
  int cancelClicks = 0;
  d.Cancel->OnClick = [&](TObject*) { ++cancelClicks; };
  d.Cancel->SetFocus();
  EXPECT_EQ(d.Form.CurrentDefaultButton(), d.Cancel);
  EXPECT_EQ(GetWindowLongPtrW(d.Ok->Handle(), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  PressKey(VK_RETURN);
  EXPECT_EQ(cancelClicks, 1);
  d.Name->SetFocus();
  EXPECT_EQ(GetWindowLongPtrW(d.Ok->Handle(), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  // A disabled default button takes no Enter.
  d.Form.SetModalResult(mrNone);
  d.Ok->SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(d.Form.ModalResult(), mrNone);
}

TEST(StdCtrls, FontsFollowTheParentUntilAssignedAndMeasureTheirText) {
  TDialog d;
  d.Form.Font().SetName(u"Tahoma");
  d.Form.Font().SetSize(12);
  EXPECT_EQ(d.Name->Font().Size(), 12);
  EXPECT_EQ(d.First->Font().Size(), 12);  // through the group box
  d.First->Font().SetBold(true);          // its own font from now on
  EXPECT_FALSE(d.First->ParentFont());
  d.Form.Font().SetSize(10);
  EXPECT_EQ(d.Second->Font().Size(), 10);
  EXPECT_EQ(d.First->Font().Size(), 12);
  d.First->SetParentFont(true);
  EXPECT_EQ(d.First->Font().Size(), 10);
  EXPECT_FALSE(d.First->Font().Bold());

  // The accelerator mark takes no room; a longer text, a bigger font and bold are wider.
  TFont font;
  const SIZE plain = font.TextExtent(u"Change All");
  EXPECT_EQ(font.TextExtent(u"C&hange All").cx, plain.cx);
  EXPECT_GT(font.TextExtent(u"Change All the words").cx, plain.cx);
  EXPECT_GT(plain.cy, 0);
  font.SetBold(true);
  EXPECT_GT(font.TextExtent(u"Change All").cx, plain.cx);
  // Wrapped at a width, a text takes more lines.
  font.SetBold(false);
  EXPECT_GT(font.TextExtent(u"one two three four five six", 40).cy, plain.cy);

  // Captions measured in their controls' fonts.
  d.Form.Font().SetSize(8);
  d.Ok->SetCaption(u"A caption far too long for this button");
  EXPECT_GT(d.Ok->CaptionWidth(), d.Ok->Width());
  d.NameLabel->SetCaption(u"Longer name:");  // an auto-sized label grows
  EXPECT_EQ(d.NameLabel->Width(), d.NameLabel->CaptionWidth());
}

TEST(Forms, PlacementClientSizeAndStayOnTop) {
  TForm owner(nullptr);
  owner.SetBounds(100, 100, 500, 400);
  owner.Show();
  TForm dialog(&owner);
  dialog.SetBorderStyle(TFormBorderStyle::bsDialog);
  dialog.SetClientWidth(200);
  dialog.SetClientHeight(100);
  dialog.SetPosition(TPosition::poOwnerFormCenter);
  dialog.SetFormStyle(TFormStyle::fsStayOnTop);
  dialog.Show();
  RECT client{};
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 100);
  EXPECT_NEAR(dialog.Left() + dialog.Width() / 2.0, 100 + 500 / 2, 1);
  EXPECT_NEAR(dialog.Top() + dialog.Height() / 2.0, 100 + 400 / 2, 1);
  EXPECT_NE(GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), owner.Handle());  // owned by its owner form

  const TMonitorRects monitor = MonitorRectsOf(dialog.ScreenRect());
  EXPECT_LE(monitor.Monitor.left, monitor.WorkArea.left);
  EXPECT_GE(monitor.Monitor.bottom, monitor.WorkArea.bottom);
  const RECT desktop = DesktopRect();
  EXPECT_GE(desktop.right - desktop.left, monitor.Monitor.right - monitor.Monitor.left);
}

// Records help requests instead of opening a help file.
class THelpRecorder : public TUserPrompts {
 public:
  explicit THelpRecorder(std::vector<std::uint32_t>* Contexts) : FContexts(Contexts) {}
  bool HelpContext(const std::u16string& HelpFile, std::uint32_t Context) override {
    FContexts->push_back(Context);
    return true;
  }

 private:
  std::vector<std::uint32_t>* FContexts;
};

TEST(Forms, F1AsksForTheHelpOfTheFocusedControlOrItsParents) {
  std::vector<std::uint32_t> contexts;
  TPromptsOverride prompts(std::make_unique<THelpRecorder>(&contexts));
  TDialog d;
  d.Form.SetHelpFile(u"lexoro.chm");
  d.Form.SetHelpContext(10);
  d.Group->SetHelpContext(20);
  d.List->SetHelpContext(30);
  d.Form.Show();
  d.List->SetFocus();
  PressKey(VK_F1);
  d.First->SetFocus();
  PressKey(VK_F1);
  d.Name->SetFocus();
  PressKey(VK_F1);
  EXPECT_EQ(contexts, (std::vector<std::uint32_t>{30, 20, 10}));
}

}  // namespace
}  // namespace lexoro
