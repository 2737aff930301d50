// The dialog controller between a form and the spell component, and the classic options
// dialog over the component's configuration.
#include "lexoro/dialogs/ox3ConfigurationDialogWin32.h"
#include "lexoro/engine/ox3Configuration.h"
#include "tests/dialogs/DialogsTestSupportWin32.h"

namespace lexoro {
namespace {

using test::Click;
using test::ControlText;
using test::PumpUntil;

class ConfigurationDialogTest : public test::DialogsTest {
 protected:
  // The options dialog as ShowConfigDialog shows it, but modeless, so that the test can look.
  TSpellCheckConfigDialog* Open() {
    FSpell->SetDialogTypeConfiguration(sdLexoro);
    auto* form = new TSpellCheckConfigDialog(FHost.get());
    FSpell->ApplyDialogFonts(form, false);
    FSpell->ConnectDialog(form, nullptr);
    form->Show();
    Application().ProcessMessages();
    return form;
  }
  std::vector<std::string> Captions(TListView& List) {
    std::vector<std::string> captions;
    for (int i = 0; i < List.Count(); ++i) captions.push_back(test::U8(List.Item(i)->Caption()));
    return captions;
  }
};

TEST_F(ConfigurationDialogTest, ControllerWithoutComponentAnswersNothingAndTheFirstLinkWins) {
  TConfigurationDialogCtrl controller(nullptr);
  EXPECT_EQ(controller.MainDictionaryFiles(), nullptr);
  EXPECT_EQ(controller.ActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(controller.UseExcludeWords());
  EXPECT_FALSE(controller.CanUndo());
  EXPECT_TRUE(controller.CommandsVisible().Empty());
  EXPECT_EQ(controller.HelpCtxConfigDialog(), 0);
  EXPECT_EQ(controller.OpenMainDictionary(u"American.oxm"), nullptr);
  EXPECT_EQ(controller.GetString(lsDlgChange), u"");
  EXPECT_FALSE(controller.RenameCustomDictionary(u"a.oxu", u"b.oxu"));
  controller.DialogIgnore();  // nothing to forward to
  controller.ShowConfigDialog();

  int available = 0;
  controller.OnConfigurationAvailable = [&](TObject*) { ++available; };
  TLexoroSpellDialogs other(nullptr);
  controller.LinkComponent(FSpell.get());
  controller.LinkComponent(&other);
  EXPECT_EQ(controller.Component(), FSpell.get());
  EXPECT_EQ(available, 1);
  EXPECT_EQ(controller.GetString(lsDlgChange), u"C&hange");
  EXPECT_NE(controller.MainDictionaryFiles(), nullptr);

  // ConnectDialog links a form's controller and hands it the dictionary; a form without one
  // gives nothing.
  TForm plain(nullptr);
  EXPECT_EQ(FSpell->ConnectDialog(&plain, nullptr), nullptr);
  TForm carrying(nullptr);
  auto* inner = new TConfigurationDialogCtrl(&carrying);
  TCustomDictionary dictionary;
  int dictionaries = 0;
  inner->OnCustomDictionaryAvailable = [&](TObject*) { ++dictionaries; };
  EXPECT_EQ(FSpell->ConnectDialog(&carrying, &dictionary), inner);
  EXPECT_EQ(inner->Component(), FSpell.get());
  EXPECT_EQ(inner->CustomDictionary(), &dictionary);
  EXPECT_EQ(dictionaries, 1);
}

TEST_F(ConfigurationDialogTest, TheControllerHearsEachWordBeforeTheApplication) {
  FSpell->SetUIType(suiDialog);
  std::vector<std::string> order;
  FSpell->OnCreateSpellDialog = [&](TObject*, TForm*& Form, bool Create) {
    if (!Create) return;
    Form = new TForm(nullptr);
    auto* controller = new TConfigurationDialogCtrl(Form);
    controller->OnPromptWord = [&](TObject* Sender, const std::u16string& Word, bool) {
      EXPECT_EQ(Sender, FSpell.get());
      order.push_back("dialog " + test::U8(Word));
    };
  };
  FSpell->OnPromptWord = [&](TObject*, const std::u16string& Word, bool) {
    order.push_back("application " + test::U8(Word));
    FSpell->DialogIgnore();
  };
  FMemo->SetText(u"one zork two");
  FSpell->CheckWinControl(FMemo, ckEntireText);
  EXPECT_EQ(order, (std::vector<std::string>{"dialog zork", "application zork"}));
}

TEST_F(ConfigurationDialogTest, OptionBoxesFollowTheAvailableOptions) {
  FSpell->SetConfigUserOption1(u"Check the &legal terms");
  TSpellOptions all = TSpellOptions::FromValue(0x7FFF);
  FSpell->SetConfigAvailableOptions(all);
  TSpellCheckConfigDialog* full = Open();
  std::vector<int> tags;
  for (TCheckBox* box : full->Options) {
    EXPECT_TRUE(box->Visible());
    tags.push_back(static_cast<int>(box->Tag()));
  }
  EXPECT_EQ(tags, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));  // only the first ten
  EXPECT_EQ(ControlText(*full->Options[0]), "&Show spelling errors as you type");
  const int fullHeight = full->ClientHeight();
  delete full;

  FSpell->SetConfigAvailableOptions({soUpcase, soRepeated, soUser1});
  TSpellCheckConfigDialog* few = Open();
  EXPECT_EQ(ControlText(*few->Options[2]), "Check the &legal terms");
  for (std::size_t i = 3; i < few->Options.size(); ++i) EXPECT_FALSE(few->Options[i]->Visible());
  EXPECT_EQ(few->ClientHeight(), fullHeight - 7 * 16);
  // Everything below the boxes moved up with the bottom edge.
  EXPECT_EQ(few->OK->Top() + few->OK->Height() + 8, few->ClientHeight());

  // A click changes the configuration at once.
  const bool upcase = FSpell->Config().GetOptions().Contains(soUpcase);
  Click(*few->Options[0]);
  EXPECT_EQ(FSpell->Config().GetOptions().Contains(soUpcase), !upcase);
  delete few;
}

TEST_F(ConfigurationDialogTest, MainDictionariesAreListedCheckedAndLocated) {
  test::WriteBytes(FDir.Path("Broken.oxm"), {1, 2, 3});
  test::TScratchDir extra;
  test::WriteMainDictionary(extra.WPath("Extra.oxm"), {u"extra"});
  FSpell->OnBrowseForFolder = [&](TObject*, TComponent*, BROWSEINFOW Info, std::u16string& Folder, bool&) {
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(Info.lpszTitle)),
              u"Select a folder containing dictionaries...");
    Folder = test::U16(extra.Root());
  };
  TSpellCheckConfigDialog* d = Open();
  TListView& list = *d->MainDictionaries;
  EXPECT_EQ(Captions(list), (std::vector<std::string>{"Lexoro dictionary", "???", "Locate Dictionaries..."}));
  EXPECT_EQ(test::U8(list.Item(1)->SubItems()[0]), "Broken.oxm");
  EXPECT_TRUE(list.Item(0)->Checked());
  EXPECT_FALSE(list.Item(1)->Checked());

  // Unchecking the only active dictionary leaves none; checking "???" adds its file.
  list.Item(0)->SetChecked(false);
  EXPECT_EQ(FSpell->Config().GetMainDictionaries().Count(), 0);
  list.Item(1)->SetChecked(true);
  EXPECT_EQ(test::Items(FSpell->Config().GetMainDictionaries()), std::vector<std::string>{"Broken.oxm"});

  // Checking the last entry asks for a folder instead, and the list shows what it holds.
  list.Item(2)->SetChecked(true);
  EXPECT_TRUE(PumpUntil([&] { return list.Count() == 4; }));
  EXPECT_EQ(FSpell->Config().GetNewPaths().IndexOf(test::U16(extra.Root())), 0);
  EXPECT_EQ(test::U8(list.Item(list.Count() - 1)->Caption()), "Locate Dictionaries...");
  EXPECT_FALSE(list.Item(list.Count() - 1)->Checked());
  EXPECT_EQ(test::U8(list.Item(2)->SubItems()[0]), "Extra.oxm");

  // The file-name column takes the rest of the list.
  EXPECT_EQ(list.ColumnWidth(1), list.Width() - list.ColumnWidth(0) - 4);
  delete d;
}

TEST_F(ConfigurationDialogTest, CustomDictionaryChoiceAndReset) {
  test::WriteCustomDictionary(FDir.WPath("Legal.oxu"), "tort\n");
  TSpellCheckConfigDialog* d = Open();
  std::vector<std::string> entries;
  for (const auto& s : d->CustomCombo->Items().Items()) entries.push_back(test::U8(s));
  EXPECT_THAT(entries, ::testing::Contains("Legal.oxu"));
  const int legal = d->CustomCombo->Items().IndexOf(u"Legal.oxu");
  EXPECT_EQ(test::U8(d->CustomCombo->Text()), "user.oxu");  // the chosen one
  d->CustomCombo->SetFocus();
  for (int i = d->CustomCombo->ItemIndex(); i < legal; ++i) test::PressKey(VK_DOWN);  // the user picks Legal.oxu
  EXPECT_EQ(d->CustomCombo->ItemIndex(), legal);
  EXPECT_EQ(FSpell->Config().GetActiveCustom(), u"Legal.oxu");

  FSpell->Config().GetMainDictionaries().Clear();
  Click(*d->ResetButton);
  EXPECT_EQ(test::Items(FSpell->Config().GetMainDictionaries()), std::vector<std::string>{"American.oxm"});
  EXPECT_TRUE(d->MainDictionaries->Item(0)->Checked());
  EXPECT_EQ(test::U8(d->CustomCombo->Text()), "user.oxu");
  delete d;
}

}  // namespace
}  // namespace lexoro
