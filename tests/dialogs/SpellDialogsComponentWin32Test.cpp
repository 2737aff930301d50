// The dialog component: which form each dialog gets, the application's own forms and folder
// browser, the interface language switching the dialog styles, the interface fonts, and where
// the spell dialog is placed.
#include "lexoro/dialogs/ox3ConfigurationDialogWin32.h"
#include "lexoro/dialogs/ox3SpellDialogWin32.h"
#include "lexoro/dialogs/ox4SpellDialogOfficeWin32.h"
#include "lexoro/engine/ox3Configuration.h"
#include "tests/dialogs/DialogsTestSupportWin32.h"

namespace lexoro {
namespace {

using test::PumpUntil;

class SpellDialogsComponentTest : public test::DialogsTest {};

TEST_F(SpellDialogsComponentTest, DialogStylesFollowTheLanguageOnlyOneWay) {
  EXPECT_EQ(FSpell->UIType(), suiDialog);
  EXPECT_EQ(FSpell->DialogTypeSpelling(), sdOffice);
  FSpell->SetUILanguage(TSpellLanguageType::ltCatalan);
  EXPECT_EQ(FSpell->DialogTypeSpelling(), sdLexoro);
  EXPECT_EQ(FSpell->DialogTypeConfiguration(), sdLexoro);
  FSpell->SetUILanguage(TSpellLanguageType::ltEnglish);
  EXPECT_EQ(FSpell->DialogTypeSpelling(), sdLexoro);

  // The spell dialog of the chosen style, owned by the checked control's form.
  FSpell->SetSynchronousCheck(false);
  FMemo->SetText(u"one zork");
  FSpell->CheckWinControl(FMemo, ckEntireText);
  auto* classic = dynamic_cast<TSpellDialog*>(FSpell->DialogForm());
  ASSERT_NE(classic, nullptr);
  EXPECT_EQ(classic->Owner(), FHost.get());
  EXPECT_EQ(classic->Caption(), u"Spelling");
  FSpell->DialogCancel();
  FSpell->SetDialogTypeSpelling(sdOffice);
  FSpell->CheckWinControl(FMemo, ckEntireText);
  EXPECT_NE(dynamic_cast<TSpellDialogV4*>(FSpell->DialogForm()), nullptr);
  FSpell->DialogCancel();
}

TEST_F(SpellDialogsComponentTest, ApplicationFormsReplaceTheOptionsDialogOfBothStyles) {
  std::vector<TLexoroDialog> asked;
  bool shown = false;
  FSpell->OnCreateLexoroDialog = [&](TObject*, TComponent* Owner, TLexoroDialog Dialog, TForm*& Form) {
    asked.push_back(Dialog);
    Form = new TForm(Owner);
    Form->SetOnShow([&, Form](TObject*) {
      shown = true;
      Form->SetModalResult(mrOk);
    });
  };
  for (TSpellDialogType style : {sdLexoro, sdOffice}) {
    FSpell->SetDialogTypeConfiguration(style);
    FSpell->ExecuteConfigDialog();
  }
  EXPECT_EQ(asked, (std::vector<TLexoroDialog>{oxSpellConfigurationDialog, oxSpellConfigurationDialog}));
  EXPECT_TRUE(shown);
  EXPECT_EQ(FHost->ComponentCount(), 1);  // each form was freed: only the memo is left

  // A handler of OnShowConfigDialog takes the place of every form.
  asked.clear();
  int handled = 0;
  FSpell->OnShowConfigDialog = [&](TObject*, TComponent* Owner) {
    EXPECT_EQ(Owner, FSpell.get());
    ++handled;
  };
  FSpell->ExecuteConfigDialog();
  EXPECT_EQ(handled, 1);
  EXPECT_TRUE(asked.empty());
}

TEST_F(SpellDialogsComponentTest, TheBuiltInOptionsDialogIsShownModallyAndFreed) {
  int closed = 0;
  test::TScript close([&] {
    auto* d = dynamic_cast<TSpellCheckConfigDialog*>(TWinControl::FindControl(GetActiveWindow()));
    if (!d || !d->Modal()) return false;
    EXPECT_EQ(d->Caption(), u"Spelling Options");
    test::Click(*d->OK);
    ++closed;
    return true;
  });
  FSpell->ExecuteConfigDialog();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(FSpell->Busy());
}

TEST_F(SpellDialogsComponentTest, FolderBrowserCanBeReplacedVetoedOrCancelled) {
  const auto paths = [&] { return test::Items(FSpell->Config().GetNewPaths()); };
  FSpell->OnBrowseForFolder = [](TObject*, TComponent*, BROWSEINFOW, std::u16string& Folder, bool&) {
    Folder = u"C:\\Dictionaries";
  };
  FSpell->ExecuteAddDictionaryDir();
  EXPECT_EQ(paths(), std::vector<std::string>{"C:\\Dictionaries"});
  FSpell->OnBrowseForFolder = [](TObject*, TComponent*, BROWSEINFOW, std::u16string&, bool& Canceled) {
    Canceled = true;
  };
  FSpell->ExecuteAddDictionaryDir();
  EXPECT_EQ(paths().size(), 1u);

  // The shell's browser, closed by its user.
  FSpell->OnBrowseForFolder = nullptr;
  bool cancelled = false;
  test::TScript cancel([&] {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box || !IsWindowVisible(box)) return false;
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    cancelled = true;
    return true;
  });
  FSpell->ExecuteAddDictionaryDir();
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(paths().size(), 1u);
}

TEST_F(SpellDialogsComponentTest, InterfaceFontsGoToTheirKindsOfControls) {
  TSpellDialog form(nullptr);
  TFont original;
  original.Assign(form.ReplaceWithEdit->Font());
  FSpell->ApplyDialogFonts(&form, true);  // neither flag: nothing changes
  EXPECT_FALSE(form.ParentFont());
  EXPECT_TRUE(form.ReplaceWithEdit->Font() == original);

  TFont controls, text;
  controls.SetName(u"Courier New");
  controls.SetSize(10);
  text.SetName(u"Times New Roman");
  text.SetSize(12);
  FSpell->SetUILanguageFontControls(controls);
  FSpell->SetUILanguageFontText(text);
  controls.SetSize(20);  // the component keeps a copy
  EXPECT_EQ(FSpell->UILanguageFontControls().Size(), 10);
  FSpell->SetUILanguageUseFonts(true);
  FSpell->SetParentFont(true);
  FSpell->ApplyDialogFonts(&form, true);
  EXPECT_TRUE(form.ParentFont());
  EXPECT_EQ(form.ChangeButton->Font().Name(), u"Courier New");
  EXPECT_EQ(form.NotFoundText->Font().Name(), u"Courier New");
  EXPECT_EQ(form.ReplaceWithEdit->Font().Name(), u"Times New Roman");
  EXPECT_EQ(form.SuggestionsListbox->Font().Size(), 12);
  FSpell->ApplyDialogFonts(&form, false);  // not a text dialog: one font for all
  EXPECT_EQ(form.SuggestionsListbox->Font().Name(), u"Courier New");
  FSpell->ApplyDialogFonts(nullptr, true);
}

TEST_F(SpellDialogsComponentTest, InitialPositions) {
  FSpell->SetSynchronousCheck(false);
  FSpell->SetDialogTypeSpelling(sdLexoro);
  FMemo->SetText(u"one zork two");
  int asked = 0;
  FSpell->OnPositionDialog = [&](TObject*) { ++asked; };
  const auto placed = [&](TSpellDialogInitialPos Pos) {
    FSpell->SetDialogInitialPos(Pos);
    FSpell->CheckWinControl(FMemo, ckEntireText);
    TDialogGeometry g = FormGeometry(*FSpell->DialogForm());
    FSpell->DialogCancel();
    PumpUntil([&] { return FSpell->DialogForm() == nullptr; });
    return g;
  };
  TDialogGeometry g = placed(ipScreenCenter);
  EXPECT_EQ((TPoint{g.Bounds.Left, g.Bounds.Top}), CenterIn(g, g.WorkArea));
  g = placed(ipDesktopCenter);
  EXPECT_EQ((TPoint{g.Bounds.Left, g.Bounds.Top}), CenterIn(g, g.Desktop));
  EXPECT_EQ(asked, 0);
  placed(ipUserDefined);
  EXPECT_EQ(asked, 1);
  // Under the selected word ("zork").
  g = placed(ipUnderSelection);
  RECT memo = FMemo->ScreenRect();
  EXPECT_GT(g.Bounds.Top, memo.top);
  EXPECT_LT(g.Bounds.Top, memo.top + 60);
}

TEST_F(SpellDialogsComponentTest, TheDialogIsPlacedClearOfTheControlAndWhereTheUserLeftIt) {
  FSpell->SetSynchronousCheck(false);
  FSpell->SetDialogTypeSpelling(sdLexoro);
  FSpell->SetDialogInitialPos(ipLastUserPos);
  FHost->SetBounds(0, 0, 500, 300);
  FMemo->SetText(u"one zork two");
  // Nothing stored yet: clear of the control (here below it).
  FSpell->CheckWinControl(FMemo, ckEntireText);
  TForm* d = FSpell->DialogForm();
  ASSERT_NE(d, nullptr);
  const RECT memo = FMemo->ScreenRect();
  EXPECT_GE(d->Top(), memo.bottom);
  d->SetBounds(40, 50, d->Width(), d->Height());  // the user moves it
  FSpell->DialogCancel();
  EXPECT_EQ(FSpell->Config().GetDialogX(), 40);
  EXPECT_EQ(FSpell->Config().GetDialogY(), 50);

  // The next check shows it where it was left (inside the work area).
  ASSERT_TRUE(PumpUntil([&] { return FSpell->DialogForm() == nullptr; }));
  FSpell->CheckWinControl(FMemo, ckEntireText);
  d = FSpell->DialogForm();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Left(), 40);
  EXPECT_EQ(d->Top(), 50);
  // A word the dialog would cover moves it under (or above) the word.
  FSpell->SetDialogSelectionAvoid(saMove);
  FSpell->AvoidSelection();
  TRect word;
  FSpell->Parser()->GetSelectionRect(word);
  EXPECT_FALSE(RectsOverlap(word, FormGeometry(*d).Bounds));
  FSpell->DialogCancel();
}

}  // namespace
}  // namespace lexoro
