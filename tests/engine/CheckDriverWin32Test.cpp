// The check driver on live edit controls: checks of memos and rich edits answered through
// OnPromptWord, wrap-around from the caret and from a selection with the question answered
// through the application's prompts, sequences of controls, word counts, a modal dialog form.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/parsing/ox3WinAPIParser.h"
#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Answers every message box with Answer and records its text.
class TAnsweringPrompts : public TUserPrompts {
 public:
  TAnsweringPrompts(std::vector<std::string>* Texts, int Answer) : FTexts(Texts), FAnswer(Answer) {}
  int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) override {
    FTexts->push_back(U8(Text));
    return FAnswer;
  }

 private:
  std::vector<std::string>* FTexts;
  int FAnswer;
};

// A control kind does not pass for a check mode.
template <typename Mode>
concept CheckWinControlTakes = requires(TLexoroSpellBase& s, TWinControl* c, Mode m) { s.CheckWinControl(c, m); };
static_assert(CheckWinControlTakes<TCheckMode>);
static_assert(!CheckWinControlTakes<TControlKind> && !CheckWinControlTakes<std::uint8_t>);

std::string ControlText(TWinControl& Control) {
  const int length = GetWindowTextLengthW(Control.Handle());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(Control.Handle(), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return U8(std::u16string(text.begin(), text.end()));
}

void SetControlText(TWinControl& Control, const std::string& Text) {
  const std::u16string t = U16(Text);
  SetWindowTextW(Control.Handle(), reinterpret_cast<const wchar_t*>(t.c_str()));
}

class CheckDriverWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteMainDictionary(FDir.WPath("American.oxm"),
                              {u"the", u"cat", u"one", u"two", u"three", u"a", u"is", u"sat", u"on", u"mat"});
    test::WriteCustomDictionary(FDir.WPath("Autocorrect.oxu"), "recieve\treceive\n");
    FSpell = test::MakeSpell(U16(FDir.Root()), TStringList{u"American.oxm"}, TStringList{u"Autocorrect.oxu"},
                             u"user.oxu");
    FSpell->OnPromptWord = [this](TObject* Sender, const std::u16string& Word, bool Repeated) {
      FPrompts.push_back(U8(Word));
      FSenders.push_back(Sender);
      if (FAnswer) FAnswer(U8(Word));
      else FSpell->DialogIgnore();
    };
    FForm = std::make_unique<TForm>(nullptr);
    FForm->SetBounds(0, 0, 400, 300);
  }

  TMemo& NewMemo(const std::string& Text) {
    auto* memo = new TMemo(FForm.get());
    memo->SetParent(FForm.get());
    memo->SetBounds(0, 0, 300, 200);
    SetControlText(*memo, Text);
    return *memo;
  }

  test::TScratchDir FDir;
  std::unique_ptr<TLexoroSpellBase> FSpell;
  std::unique_ptr<TForm> FForm;
  std::vector<std::string> FPrompts;
  std::vector<TObject*> FSenders;
  std::function<void(const std::string&)> FAnswer;
};

TEST_F(CheckDriverWin32Test, MemoAndRichEditAreCheckedAndCorrectedInPlace) {
  TMemo& memo = NewMemo("teh cat\r\nsat on recieve\r\nthe the mat");
  FAnswer = [&](const std::string& word) {
    if (word == "teh") FSpell->DialogChange(u"the");
    else if (word == "the the") FSpell->DialogChangeRepeated();
    else FSpell->DialogIgnore();
  };
  FSpell->CheckWinControl(&memo, ckEntireText);
  EXPECT_EQ(ControlText(memo), "the cat\r\nsat on receive\r\nthe mat");
  EXPECT_THAT(FPrompts, ElementsAre("teh", "the the"));
  EXPECT_THAT(FSenders, ElementsAre(&memo, &memo));  // the checked control is the Sender
  EXPECT_FALSE(FSpell->Checking());

  auto* rich = new TRichEdit(FForm.get());
  rich->SetParent(FForm.get());
  SetControlText(*rich, "one zork\r\ntwo teh");
  FPrompts.clear();
  FSpell->CheckRichEdit(rich, ckEntireText);
  EXPECT_THAT(ControlText(*rich), ::testing::HasSubstr("two the"));
  EXPECT_THAT(FPrompts, ElementsAre("zork", "teh"));
}

TEST_F(CheckDriverWin32Test, CountsWordsOfAControl) {
  TMemo& memo = NewMemo("one two, three\r\nfour five");
  EXPECT_EQ(FSpell->CountWordsInControl(&memo, ckEntireText), 5);
  SendMessageW(memo.Handle(), EM_SETSEL, 0, 7);
  EXPECT_EQ(FSpell->CountWordsInControl(&memo, ckSelection), 2);
}

TEST_F(CheckDriverWin32Test, AControlWithoutAParentWindowIsCheckedAsAnEmptyOne) {
  TMemo orphan(nullptr);
  orphan.SetText(u"zork qwop");
  EXPECT_EQ(FSpell->CountWordsInControl(&orphan, ckEntireText), 0);
  FSpell->SetUIType(suiDialog);
  FSpell->SetEndMessage(emNoDialog);
  std::vector<std::string> boxes;
  TPromptsOverride prompts(std::make_unique<TAnsweringPrompts>(&boxes, idOK));
  FSpell->CheckWinControl(&orphan, ckEntireText);
  FSpell->CheckRichEdit(&orphan, ckWrapAround);
  EXPECT_THAT(FPrompts, IsEmpty());
  EXPECT_THAT(boxes, ElementsAre("The spelling check is complete.", "The spelling check is complete."));
  EXPECT_FALSE(FSpell->Checking());
  EXPECT_FALSE(orphan.HandleAllocated());
}

TEST_F(CheckDriverWin32Test, WrapAroundFromTheCaretChecksTheWholeText) {
  TMemo& memo = NewMemo("one xa\r\ntwo xb\r\nthree xc");
  SendMessageW(memo.Handle(), EM_SETSEL, 8, 8);  // the caret before "two"
  std::vector<std::string> boxes;
  TPromptsOverride prompts(std::make_unique<TAnsweringPrompts>(&boxes, idYes));
  FSpell->CheckWinControl(&memo, ckWrapAround);
  EXPECT_THAT(FPrompts, ElementsAre("xb", "xc", "xa"));
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(CheckDriverWin32Test, WrapAroundFromASelectionAsksBeforeTheRest) {
  for (int answer : {idYes, idNo}) {
    TMemo& memo = NewMemo("one xa\r\ntwo xb\r\nthree xc");
    SendMessageW(memo.Handle(), EM_SETSEL, 8, 14);  // "two xb"
    std::vector<std::string> boxes;
    TPromptsOverride prompts(std::make_unique<TAnsweringPrompts>(&boxes, answer));
    FPrompts.clear();
    FSpell->CheckWinControl(&memo, ckWrapAround);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "The selection has been checked.  Would you like to check the remainder of the document?");
    if (answer == idYes) EXPECT_THAT(FPrompts, ElementsAre("xb", "xc", "xa"));
    else EXPECT_THAT(FPrompts, ElementsAre("xb"));
  }
}

TEST_F(CheckDriverWin32Test, SequenceOfFourControlsCancelledInTheSecond) {
  FSpell->SetUIType(suiDialog);
  std::vector<std::string> boxes;
  TPromptsOverride prompts(std::make_unique<TAnsweringPrompts>(&boxes, idOK));
  TMemo* memos[4] = {&NewMemo("zork"), &NewMemo("qwop"), &NewMemo("blarg"), &NewMemo("frob")};
  FAnswer = [&](const std::string& word) {
    if (word == "qwop") FSpell->DialogCancel();
    else FSpell->DialogIgnore();
  };
  FSpell->StartSequence();
  for (TMemo* memo : memos) FSpell->CheckWinControl(memo, ckEntireText);
  FSpell->EndSequence();
  EXPECT_THAT(FPrompts, ElementsAre("zork", "qwop"));
  EXPECT_THAT(boxes, IsEmpty());

  // Without a cancel: one end message for the whole sequence.
  FPrompts.clear();
  FAnswer = nullptr;
  FSpell->StartSequence();
  for (TMemo* memo : memos) FSpell->CheckWinControl(memo, ckEntireText);
  FSpell->EndSequence();
  EXPECT_THAT(FPrompts, ElementsAre("zork", "qwop", "blarg", "frob"));
  EXPECT_THAT(boxes, ElementsAre("The spelling check is complete."));
}

TEST_F(CheckDriverWin32Test, ModalDialogFormRunsTheCheckAndIsTakenBack) {
  FSpell->SetUIType(suiDialog);
  FSpell->SetDialogShowModal(true);
  FSpell->SetEndMessage(emNever);
  TMemo& memo = NewMemo("zork the cat qwop");
  TForm* dialog = nullptr;
  std::vector<std::string> events;
  FSpell->OnCreateSpellDialog = [&](TObject*, TForm*& Form, bool Create) {
    events.push_back(Create ? "create" : "take back");
    if (Create) {
      dialog = new TForm(nullptr);
      Form = dialog;
    }
  };
  FSpell->OnSpellDialogShow = [&](TObject*) { events.push_back("show"); };
  FSpell->OnSpellDialogHide = [&](TObject*) { events.push_back("hide"); };
  bool modalWhilePrompted = false;
  FAnswer = [&](const std::string&) {
    modalWhilePrompted = dialog && dialog->Modal() && FSpell->Busy();
    FSpell->DialogIgnore();
  };
  FSpell->CheckWinControl(&memo, ckEntireText);
  EXPECT_THAT(FPrompts, ElementsAre("zork", "qwop"));
  EXPECT_TRUE(modalWhilePrompted);
  EXPECT_THAT(events, ElementsAre("create", "show", "hide", "take back"));
  EXPECT_EQ(FSpell->DialogForm(), nullptr);
  EXPECT_FALSE(FSpell->Busy());
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->Modal());
  delete dialog;
}

TEST_F(CheckDriverWin32Test, SelectionModalCheckRestoresTheSettings) {
  TMemo& memo = NewMemo("one zork two");
  SendMessageW(memo.Handle(), EM_SETSEL, 4, 8);
  FSpell->CheckSelectionModal(&memo, nullptr);
  EXPECT_THAT(FPrompts, ElementsAre("zork"));
  EXPECT_EQ(FSpell->EndMessage(), emExceptCancel);
  EXPECT_EQ(FSpell->DialogInitialPos(), ipLastUserPos);
  EXPECT_FALSE(FSpell->DialogShowModal());
}

}  // namespace
}  // namespace lexoro
