// Checks of a memo through the real spell dialogs, driven as a user drives them: words and
// suggestions read off the dialog, buttons clicked, keys typed (Tab, Enter, Esc, Alt+letter),
// the memo's text checked at the end; modeless and modal, classic and office style.
#include "lexoro/dialogs/ox3SpellDialogWin32.h"
#include "lexoro/dialogs/ox4SpellDialogOfficeWin32.h"
#include "tests/dialogs/DialogsTestSupportWin32.h"

#include <richedit.h>

namespace lexoro {
namespace {

using test::Click;
using test::ControlText;
using test::ListItems;
using test::PressAlt;
using test::PressKey;
using test::PumpUntil;
using ::testing::Contains;

class SpellDialogTest : public test::DialogsTest {
 protected:
  template <typename T>
  T* Dialog() {
    return dynamic_cast<T*>(FSpell->DialogForm());
  }
  // Starts a modeless check of the memo that returns while the dialog waits for the user.
  TSpellDialog* StartClassic(const std::u16string& Text) {
    FSpell->SetDialogTypeSpelling(sdLexoro);
    FSpell->SetSynchronousCheck(false);
    FMemo->SetText(Text);
    FSpell->CheckWinControl(FMemo, ckEntireText);
    Application().ProcessMessages();
    return Dialog<TSpellDialog>();
  }
};

TEST_F(SpellDialogTest, ClassicModelessDialogTakesClicksAndKeys) {
  TSpellDialog* d = StartClassic(u"the cat jumpd over teh lazy dgo");
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->Visible());
  EXPECT_EQ(d->Caption(), u"Spelling");
  EXPECT_EQ(ControlText(*d->NotFoundText), "Not Found:");
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "jumpd");
  EXPECT_EQ(ControlText(*d->ReplaceWithEdit), "jumped");
  EXPECT_THAT(ListItems(*d->SuggestionsListbox), Contains("jumped"));
  EXPECT_FALSE(d->UndoButton->Enabled());
  EXPECT_TRUE(d->AddButton->Enabled());  // the user's custom dictionary is there
  EXPECT_FALSE(d->HelpButton->Visible());  // no help context
  EXPECT_EQ(GetWindow(d->Handle(), GW_OWNER), FHost->Handle());

  Click(*d->ChangeButton);
  EXPECT_EQ(ControlText(*FMemo), "the cat jumped over teh lazy dgo");
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "teh");
  EXPECT_TRUE(d->UndoButton->Enabled());

  // The replacement has the focus; Tab walks on to the list and the buttons.
  EXPECT_TRUE(PumpUntil([&] { return d->ReplaceWithEdit->Focused(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(d->SuggestionsListbox->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(d->IgnoreButton->Focused());

  PressAlt(L'g');  // I&gnore
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "dgo");
  PressAlt(L'u');  // &Undo: "teh" is asked again
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "teh");

  // A replacement typed by the user, taken with Enter (Change is the default button).
  d->ReplaceWithEdit->SetFocus();
  d->ReplaceWithEdit->SetText(u"the");
  PressKey(VK_RETURN);
  EXPECT_EQ(ControlText(*FMemo), "the cat jumped over the lazy dgo");
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "dgo");

  PressKey(VK_ESCAPE);  // Cancel ends the check and the dialog goes
  EXPECT_FALSE(FSpell->Checking());
  EXPECT_TRUE(PumpUntil([&] { return FSpell->DialogForm() == nullptr; }));
  EXPECT_EQ(ControlText(*FMemo), "the cat jumped over the lazy dgo");
}

TEST_F(SpellDialogTest, ClassicListAndDictionaryCommands) {
  TSpellDialog* d = StartClassic(u"jumpd dgo dgo mat qzxvw ovr");
  ASSERT_NE(d, nullptr);
  // A click in the list takes that suggestion; a double click changes the word with it.
  const std::vector<std::string> items = ListItems(*d->SuggestionsListbox);
  ASSERT_GE(items.size(), 2u);
  d->SuggestionsListbox->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(ControlText(*d->ReplaceWithEdit), items[1]);
  SendMessageW(d->SuggestionsListbox->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 3));
  Application().ProcessMessages();
  EXPECT_EQ(ControlText(*FMemo).substr(0, items[1].size() + 1), items[1] + " ");
  // Ignore All passes over the word wherever it comes again.
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "dgo");
  Click(*d->IgnoreAllButton);
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "qzxvw");
  // Add puts the word into the user's dictionary; Auto-Correct a pair.
  Click(*d->AddButton);
  EXPECT_TRUE(FSpell->ActiveCustomDictionary()->IsAdded(u"qzxvw"));
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "ovr");
  d->ReplaceWithEdit->SetText(u"over");
  Click(*d->AutoCorrectButton);
  std::u16string replacement;
  EXPECT_TRUE(FSpell->ActiveCustomDictionary()->FindAutoCorrect(u"ovr", replacement));
  EXPECT_EQ(replacement, u"over");
  EXPECT_FALSE(FSpell->Checking());
  EXPECT_EQ(ControlText(*FMemo).substr(items[1].size()), " dgo dgo mat qzxvw over");
}

TEST_F(SpellDialogTest, ClassicEdgeCases) {
  // No suggestions: an empty replacement and a list that only says so, nothing to change with
  // until the user types.
  TSpellDialog* d = StartClassic(u"qzxvw the cat cat");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(ControlText(*d->ReplaceWithEdit), "");
  EXPECT_EQ(ListItems(*d->SuggestionsListbox), std::vector<std::string>{"(no suggestions)"});
  EXPECT_FALSE(d->SuggestionsListbox->Enabled());
  EXPECT_FALSE(d->ChangeButton->Enabled());
  EXPECT_FALSE(d->ChangeAllButton->Enabled());
  EXPECT_FALSE(d->AutoCorrectButton->Enabled());
  d->ReplaceWithEdit->SetText(u"x");
  EXPECT_TRUE(d->ChangeButton->Enabled());
  EXPECT_TRUE(d->AutoCorrectButton->Enabled());
  // Leaving the dialog disables it, coming back enables it and asks the word again; the list
  // still offers nothing.
  SetActiveWindow(FHost->Handle());
  EXPECT_TRUE(d->Deactivated());
  EXPECT_FALSE(d->IgnoreButton->Enabled());
  SetActiveWindow(d->Handle());
  EXPECT_FALSE(d->Deactivated());
  EXPECT_TRUE(d->IgnoreButton->Enabled());
  EXPECT_FALSE(d->SuggestionsListbox->Enabled());

  // A repeated word: the single word as the replacement; Ignore All, Add and Auto-Correct off.
  Click(*d->IgnoreButton);
  EXPECT_EQ(ControlText(*d->NotFoundEdit), "cat cat");
  EXPECT_EQ(ControlText(*d->NotFoundText), "Repeated Word:");
  EXPECT_EQ(ControlText(*d->ReplaceWithEdit), "cat");
  EXPECT_FALSE(d->IgnoreAllButton->Enabled());
  EXPECT_FALSE(d->AddButton->Enabled());
  EXPECT_FALSE(d->AutoCorrectButton->Enabled());
  Click(*d->ChangeButton);
  EXPECT_FALSE(FSpell->Checking());
  EXPECT_EQ(ControlText(*FMemo), "qzxvw the cat");
}

TEST_F(SpellDialogTest, CommandSetsHelpAndTheCustomDictionaryShapeTheDialog) {
  std::vector<std::uint32_t> help;
  struct THelp : TUserPrompts {
    std::vector<std::uint32_t>* Contexts;
    bool HelpContext(const std::u16string&, std::uint32_t Context) override {
      Contexts->push_back(Context);
      return true;
    }
  };
  auto prompts = std::make_unique<THelp>();
  prompts->Contexts = &help;
  TPromptsOverride over(std::move(prompts));
  TSpellDialogCommands visible = FSpell->CommandsVisible();
  visible.Exclude(sdcOptions);
  FSpell->SetCommandsVisible(visible);
  TSpellDialogCommands enabled = FSpell->CommandsEnabled();
  enabled.Exclude(sdcIgnoreAll);
  FSpell->SetCommandsEnabled(enabled);
  FSpell->SetHelpCtxSpellDialog(77);
  FSpell->SetHelpFile(u"lexoro.chm");
  FSpell->SetConfigDefaultActiveCustom(u"");

  TSpellDialog* d = StartClassic(u"the jumpd cat");
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->OptionsButton->Visible());
  EXPECT_EQ(d->UndoButton->Top(), d->OptionsButton->Top());  // Undo in the Options place
  EXPECT_FALSE(d->IgnoreAllButton->Enabled());
  EXPECT_FALSE(d->AddButton->Enabled());  // no custom dictionary to add to
  EXPECT_FALSE(d->AutoCorrectButton->Enabled());
  ASSERT_TRUE(d->HelpButton->Visible());
  Click(*d->HelpButton);
  EXPECT_EQ(help, std::vector<std::uint32_t>{77});
  FSpell->DialogCancel();
}

TEST_F(SpellDialogTest, OfficeStyleModalDialogEditsTheWordOrTheLine) {
  FSpell->SetDialogTypeSpelling(sdOffice);
  FSpell->SetDialogShowModal(true);
  FMemo->SetText(u"the jumpd fox\r\nteh lazy dog\r\nthe dgo sat");
  std::vector<std::string> seen;
  test::TScript script([&] {
    auto* d = dynamic_cast<TSpellDialogV4*>(FSpell->DialogForm());
    if (!d || !d->Modal() || !d->Visible()) return false;
    const std::string context = test::U8(d->ContextLine());
    if (seen.size() == 0 && context == "the jumpd fox") {
      seen.push_back(context);
      // The word stands out in the colour and style of the component.
      CHARFORMAT2W format{};
      format.cbSize = sizeof format;
      d->NotFoundRichEdit->SetSelection(5, 6);
      d->NotFoundRichEdit->Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
      EXPECT_EQ(format.crTextColor, RGB(255, 0, 0));
      EXPECT_TRUE(format.dwEffects & CFE_BOLD);
      EXPECT_THAT(ListItems(*d->SuggestionsListbox), Contains("jumped"));
      EXPECT_TRUE(d->ChangeButton->Focused() || d->ActiveControl() == d->ChangeButton);
      // Editing a letter inside the word: only the word goes.
      d->NotFoundRichEdit->SetSelection(4, 9);
      d->NotFoundRichEdit->SetSelText(u"jumps");
      EXPECT_EQ(d->EditState(), 1);
      EXPECT_FALSE(d->WordMode());
      EXPECT_EQ(ControlText(*d->IgnoreButton), "Undo &Edit");
      EXPECT_FALSE(d->SuggestionsListbox->Enabled());
      Click(*d->ChangeButton);
      return false;
    }
    if (seen.size() == 1 && context == "teh lazy dog") {
      seen.push_back(context);
      // Editing around the word: the whole line goes; Change All and Auto-Correct are off.
      d->NotFoundRichEdit->SetSelection(0, 12);
      d->NotFoundRichEdit->SetSelText(u"the lazy dogs");
      EXPECT_EQ(d->EditState(), 2);
      EXPECT_FALSE(d->ChangeAllButton->Enabled());
      EXPECT_FALSE(d->AutoCorrectButton->Enabled());
      Click(*d->ChangeButton);
      return false;
    }
    if (seen.size() == 2 && context == "the dgo sat") {
      seen.push_back(context);
      // An edit taken back by hand returns to word mode with the word marked again.
      d->NotFoundRichEdit->SetSelection(4, 7);
      d->NotFoundRichEdit->SetSelText(u"dog");
      EXPECT_EQ(d->EditState(), 1);
      d->NotFoundRichEdit->SetSelection(4, 7);
      d->NotFoundRichEdit->SetSelText(u"dgo");
      EXPECT_EQ(d->EditState(), 0);
      EXPECT_TRUE(d->WordMode());
      EXPECT_EQ(ControlText(*d->IgnoreButton), "I&gnore Once");
      PressKey(VK_ESCAPE);
      return true;
    }
    return false;
  });
  FSpell->CheckWinControl(FMemo, ckEntireText);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_FALSE(FSpell->Checking());
  EXPECT_EQ(ControlText(*FMemo), "the jumps fox\r\nthe lazy dogs\r\nthe dgo sat");
}

TEST_F(SpellDialogTest, OfficeStyleRepeatedWordOffersTheSingleWord) {
  FSpell->SetDialogTypeSpelling(sdOffice);
  FSpell->SetSynchronousCheck(false);
  FMemo->SetText(u"the cat cat sat");
  FSpell->CheckWinControl(FMemo, ckEntireText);
  auto* d = dynamic_cast<TSpellDialogV4*>(FSpell->DialogForm());
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->RepeatedMode());
  EXPECT_EQ(ListItems(*d->SuggestionsListbox), std::vector<std::string>{"cat"});
  EXPECT_EQ(ControlText(*d->NotFoundText), "Repeated Word:");
  EXPECT_FALSE(d->IgnoreAllButton->Enabled());
  EXPECT_FALSE(d->AddButton->Enabled());
  EXPECT_FALSE(d->AutoCorrectButton->Enabled());
  EXPECT_FALSE(d->NotFoundRichEdit->Enabled());
  Click(*d->ChangeButton);
  EXPECT_EQ(ControlText(*FMemo), "the cat sat");
}

TEST_F(SpellDialogTest, EndMessagesAreShownAndAnswered) {
  FSpell->SetSynchronousCheck(true);
  FSpell->SetDialogTypeSpelling(sdLexoro);
  FSpell->SetEndMessage(emAlways);
  FSpell->SetEndMessageWordCount(true);
  FMemo->SetText(u"the cat sat on a mat");
  std::string text;
  test::TScript answer([&] {
    text = test::AnswerMessageBox(L"Spelling", IDOK);
    return !text.empty();
  });
  FSpell->CheckWinControl(FMemo, ckEntireText);
  EXPECT_EQ(text, "The spelling check is complete.\r\n\r\nWords checked: 6");

  // Only when no dialog was shown: a text with an error shows none.
  FSpell->SetEndMessage(emNoDialog);
  FSpell->SetEndMessageWordCount(false);
  FMemo->SetText(u"the qzxvw cat");
  bool boxShown = false;
  test::TScript drive([&] {
    if (!test::AnswerMessageBox(L"Spelling", IDOK).empty()) boxShown = true;
    if (auto* d = dynamic_cast<TSpellDialog*>(FSpell->DialogForm()); d && d->Visible()) Click(*d->IgnoreButton);
    return !FSpell->Checking();
  });
  FSpell->CheckWinControl(FMemo, ckEntireText);
  Application().ProcessMessages();
  EXPECT_FALSE(boxShown);
}

}  // namespace
}  // namespace lexoro
