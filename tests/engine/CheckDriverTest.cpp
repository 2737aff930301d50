// The check driver over strings: prompts answered through OnPromptWord with the dialog
// commands, automatic corrections and undo, sequences, wrap-around, counting, the end message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/framework/ox3Application.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "tests/engine/SpellBaseTestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records the message boxes and answers each with Answer.
class TRecordingPrompts : public TUserPrompts {
 public:
  struct TBox {
    std::u16string Text, Caption;
    std::uint32_t Flags;
  };
  int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) override {
    Boxes->push_back({Text, Caption, Flags});
    return Answer;
  }
  std::vector<TBox>* Boxes = nullptr;
  int Answer = idOK;
};

// A string parser with a selection (and the caret at its start) given by the test.
class TSelectionParser : public TStringParser {
 public:
  TSelectionParser(std::int32_t Start, std::int32_t End) : FStart(Start), FEnd(End) {}
  void GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX, std::int32_t& EndY) override {
    StartX = FStart;
    EndX = FEnd;
    StartY = EndY = 0;
  }
  void GetCursorPosition(std::int32_t& X, std::int32_t& Y) override {
    X = FStart;
    Y = 0;
  }

 private:
  std::int32_t FStart, FEnd;
};

// A check's parser is either handed over or lent; a check mode is a check mode; a window handle
// is made on purpose only.
template <typename Parser>
concept CheckParserTakes = requires(TLexoroSpellBase& s, Parser p) { s.CheckParser(static_cast<Parser&&>(p), ckEntireText); };
template <typename Mode>
concept CheckStringModeTakes = requires(TLexoroSpellBase& s, TStringParser& p, Mode m) { s.CheckParser(p, m); };
template <typename Handle>
concept CheckWindowTakes = requires(TLexoroSpellBase& s, Handle h) { s.CheckWindow(h, ckEntireText); };
static_assert(CheckParserTakes<std::unique_ptr<TStringParser>> && CheckParserTakes<TStringParser&>);
static_assert(!CheckParserTakes<TStringParser*>);
static_assert(CheckStringModeTakes<TCheckMode> && !CheckStringModeTakes<int> && !CheckStringModeTakes<TReplaceState>);
static_assert(CheckWindowTakes<TWindowHandle> && CheckWindowTakes<std::nullptr_t> && !CheckWindowTakes<TObject*>);

// A string parser that keeps a pointer of its own with each undo record and tells whether it
// came back whole, and whether the parser was freed.
class TUndoDataParser : public TStringParser {
 public:
  explicit TUndoDataParser(std::vector<std::string>* Log) : FLog(Log) {}
  ~TUndoDataParser() override { FLog->push_back("freed"); }
  void UndoLast(TUndoState UndoState, TSpellAction UndoAction, TUndoData& UndoData) override {
    if (UndoState == usCreated) UndoData.Set(this);
    TUndoDataParser* const* kept = UndoData.Get<TUndoDataParser*>();
    FLog->push_back(std::to_string(UndoState) + (kept && *kept == this ? ":mine" : ":lost"));
  }

 private:
  std::vector<std::string>* FLog;
};

class CheckDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteMainDictionary(FDir.WPath("American.oxm"),
                              {u"the", u"cat", u"one", u"two", u"three", u"four", u"a", u"is", u"hello", u"world",
                               u"receive", u"word", u"sat", u"on", u"mat"});
    test::WriteCustomDictionary(FDir.WPath("Autocorrect.oxu"), "recieve\treceive\n");
    test::WriteCustomDictionary(FDir.WPath("user.oxu"), "Lexoro\n");
    FSpell = test::MakeSpell(U16(FDir.Root()), TStringList{u"American.oxm"}, TStringList{u"Autocorrect.oxu"},
                             u"user.oxu");
    auto prompts = std::make_unique<TRecordingPrompts>();
    prompts->Boxes = &FBoxes;
    FInterface = prompts.get();
    FPromptsOverride = std::make_unique<TPromptsOverride>(std::move(prompts));
    FSpell->OnPromptWord = [this](TObject* Sender, const std::u16string& Word, bool Repeated) {
      FPrompts.push_back(U8(Word) + (Repeated ? " (repeated)" : ""));
      if (FAnswer) FAnswer(U8(Word));
    };
    FSpell->OnParserReplaceWord = [this](TObject*, bool Before, const std::u16string& Text, TReplaceState State) {
      if (!Before) FReplacements.push_back(U8(Text) + "/" + std::to_string(State));
    };
  }

  std::string Check(const std::string& text) {
    std::u16string s = U16(text);
    FSpell->CheckString(s);
    return U8(s);
  }

  TLexoroSpellBase& Spell() { return *FSpell; }

  test::TScratchDir FDir;
  std::unique_ptr<TLexoroSpellBase> FSpell;
  std::vector<TRecordingPrompts::TBox> FBoxes;
  TRecordingPrompts* FInterface = nullptr;
  std::unique_ptr<TPromptsOverride> FPromptsOverride;
  std::vector<std::string> FPrompts;
  std::vector<std::string> FReplacements;
  std::function<void(const std::string&)> FAnswer;
};

// ---- Prompts and commands ---------------------------------------------------------------------

TEST_F(CheckDriverTest, ChangeReplacesTheWordAndReadsItAgain) {
  std::vector<std::string> checked;
  Spell().SetOnWordCheck([&](TObject*, const std::u16string& Word, TWordCheckType&, std::u16string&) {
    checked.push_back(U8(Word));
  });
  FAnswer = [&](const std::string&) { Spell().DialogChange(u"the"); };
  EXPECT_EQ(Check("teh cat"), "the cat");
  EXPECT_THAT(FPrompts, ElementsAre("teh"));
  EXPECT_THAT(checked, ElementsAre("teh", "the", "cat"));
  EXPECT_FALSE(Spell().Checking());

  // Without rechecking, the replacement is not read; a wrong replacement stands.
  checked.clear();
  Spell().SetRecheckReplacedWords(false);
  FAnswer = [&](const std::string&) { Spell().DialogChange(u"thw"); };
  EXPECT_EQ(Check("teh cat"), "thw cat");
  EXPECT_THAT(checked, ElementsAre("teh", "cat"));
}

TEST_F(CheckDriverTest, TheWordBeingClassifiedIsTheCurrentWord) {
  std::vector<std::string> seen;
  Spell().SetOnWordCheck([&](TObject*, const std::u16string& Word, TWordCheckType&, std::u16string&) {
    seen.push_back(U8(Word) + "=" + U8(Spell().CurrentWord()));
  });
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  Check("zork cat");
  EXPECT_THAT(seen, ElementsAre("zork=zork", "cat=cat"));
}

TEST_F(CheckDriverTest, RepeatedWordIsPromptedOnceAndOnlyRepeatedCommandsApply) {
  FAnswer = [&](const std::string&) {
    Spell().DialogChange(u"xyz");  // a word command: ignored for a repetition
    Spell().DialogIgnoreAll();
    Spell().DialogChangeRepeated();
  };
  EXPECT_EQ(Check("the the cat"), "the cat");
  EXPECT_THAT(FPrompts, ElementsAre("the the (repeated)"));
  EXPECT_FALSE(Spell().InternalDictionary().IsAdded(u"the the"));

  // Two spaces or a comma between them is no repetition.
  FPrompts.clear();
  EXPECT_EQ(Check("the  the, the"), "the  the, the");
  EXPECT_THAT(FPrompts, IsEmpty());
}

TEST_F(CheckDriverTest, CommandsOutsideACheckDoNothing) {
  Spell().DialogIgnore();
  Spell().DialogChange(u"x");
  Spell().DialogCancel();
  Spell().DialogUndo();
  Spell().StopCheck(true);
  EXPECT_FALSE(Spell().Checking());
  EXPECT_FALSE(Spell().Cancelled());
}

TEST_F(CheckDriverTest, IgnoreAllAndChangeAllLastForTheComponent) {
  FAnswer = [&](const std::string& word) {
    if (word == "wrold") Spell().DialogChangeAll(u"world");
    else Spell().DialogIgnoreAll();
  };
  EXPECT_EQ(Check("wrold zork wrold zork"), "world zork world zork");
  // The second occurrences were corrected and accepted without a prompt.
  EXPECT_THAT(FPrompts, ElementsAre("wrold", "zork"));
  EXPECT_THAT(FReplacements, ElementsAre("world/1", "world/2"));
  FPrompts.clear();
  EXPECT_EQ(Check("zork wrold"), "zork world");
  EXPECT_THAT(FPrompts, IsEmpty());
}

TEST_F(CheckDriverTest, AddAndAutoCorrectGoToTheActiveCustomDictionary) {
  FAnswer = [&](const std::string& word) {
    if (word == "Zorp") Spell().DialogAdd();
    else Spell().DialogAutoCorrect(u"cat");
  };
  EXPECT_EQ(Check("Zorp caat Zorp caat"), "Zorp cat Zorp cat");
  EXPECT_THAT(FPrompts, ElementsAre("Zorp", "caat"));
  ASSERT_NE(Spell().ActiveCustomDictionary(), nullptr);
  EXPECT_TRUE(Spell().ActiveCustomDictionary()->IsAdded(u"Zorp"));
  std::u16string replacement;
  EXPECT_TRUE(Spell().GetAutoCorrection(u"caat", replacement));
  EXPECT_EQ(replacement, u"cat");
}

TEST_F(CheckDriverTest, CancelEndsTheCheckWithoutMovingTheCaret) {
  std::vector<std::string> events;
  Spell().OnCompleteCheck = [&](TObject*) { events.push_back("complete"); };
  FAnswer = [&](const std::string&) { Spell().DialogCancel(); };
  EXPECT_EQ(Check("zork qwop"), "zork qwop");
  EXPECT_THAT(FPrompts, ElementsAre("zork"));
  EXPECT_THAT(events, ElementsAre("complete"));
  EXPECT_TRUE(Spell().Cancelled());
  EXPECT_FALSE(Spell().Checking());
}

TEST_F(CheckDriverTest, StopCheckFromAHandlerEndsTheCheckOnce) {
  int completed = 0;
  Spell().OnCompleteCheck = [&](TObject*) {
    ++completed;
    Spell().StopCheck(true);  // already finishing: no second round
  };
  FAnswer = [&](const std::string&) { Spell().StopCheck(false); };
  EXPECT_EQ(Check("zork qwop"), "zork qwop");
  EXPECT_EQ(completed, 1);
  EXPECT_FALSE(Spell().Cancelled());
}

TEST_F(CheckDriverTest, AnExceptionFromAHandlerReachesTheCallerAndEndsTheCheck) {
  FAnswer = [&](const std::string&) { throw std::runtime_error("host failed"); };
  std::u16string text = u"zork";
  EXPECT_THROW(Spell().CheckString(text), std::runtime_error);
  EXPECT_FALSE(Spell().Checking());
  // The component checks again afterwards.
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  FPrompts.clear();
  EXPECT_EQ(Check("qwop"), "qwop");
  EXPECT_THAT(FPrompts, ElementsAre("qwop"));
}

TEST_F(CheckDriverTest, AsynchronousCheckReturnsWhilePromptingAndCommandsDriveIt) {
  Spell().SetSynchronousCheck(false);
  std::u16string text = u"teh cat zork";
  Spell().CheckString(text);
  ASSERT_TRUE(Spell().Checking());
  EXPECT_EQ(Spell().CurrentWord(), u"teh");
  Spell().DialogChange(u"the");
  ASSERT_TRUE(Spell().Checking());
  EXPECT_EQ(Spell().CurrentWord(), u"zork");
  // A second check while one runs is dropped.
  std::u16string other = u"qwop";
  Spell().CheckString(other);
  EXPECT_EQ(Spell().CurrentWord(), u"zork");
  Spell().DialogIgnore();
  EXPECT_FALSE(Spell().Checking());
  EXPECT_EQ(text, u"the cat zork");
  EXPECT_THAT(FPrompts, ElementsAre("teh", "zork"));
}

TEST_F(CheckDriverTest, ManyPromptsAnsweredInTheHandlerDoNotNest) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "zork ";
  int depth = 0, deepest = 0;
  FAnswer = [&](const std::string&) {
    deepest = std::max(deepest, ++depth);
    Spell().DialogIgnore();
    --depth;
  };
  Check(text);
  EXPECT_EQ(FPrompts.size(), 20000u);
  EXPECT_EQ(deepest, 1);
}

// ---- Automatic corrections and undo -----------------------------------------------------------

TEST_F(CheckDriverTest, AutomaticCorrectionIsUndoneWithTheNextUserAction) {
  int undos = 0;
  FAnswer = [&](const std::string& word) {
    if (word == "xyzzy" && undos++ == 0) Spell().DialogUndo();
    else Spell().DialogIgnore();
  };
  EXPECT_EQ(Check("recieve wrold xyzzy"), "receive wrold xyzzy");
  // The undo put "recieve" back and went back before it: corrected again, "wrold" prompted again.
  EXPECT_THAT(FPrompts, ElementsAre("wrold", "xyzzy", "wrold", "xyzzy"));
  EXPECT_THAT(FReplacements, ElementsAre("receive/2", "recieve/3", "receive/2"));
}

TEST_F(CheckDriverTest, UndoRightAfterAutomaticCorrectionsTakesBackTheUserActionBeforeThem) {
  int undos = 0;
  FAnswer = [&](const std::string& word) {
    if (word == "qwop" && undos++ == 0) Spell().DialogUndo();
    else Spell().DialogIgnore();
  };
  EXPECT_EQ(Check("zork recieve qwop"), "zork receive qwop");
  EXPECT_THAT(FPrompts, ElementsAre("zork", "qwop", "zork", "qwop"));
}

TEST_F(CheckDriverTest, UndoOfChangeAndIgnoreAllRestoresTextAndLists) {
  std::vector<std::string> undoStates;
  Spell().OnParserUndoLast = [&](TObject*, TUndoState State, TSpellAction Action, TUndoData& Data) {
    if (State == usCreated) Data.Set(42);
    undoStates.push_back(std::to_string(State) + ":" + std::to_string(Action) + ":" +
                         (Data.Get<int>() ? std::to_string(*Data.Get<int>()) : "none"));
  };
  int prompt = 0;
  FAnswer = [&](const std::string& word) {
    switch (prompt++) {
      case 0: Spell().DialogChange(u"world"); break;  // wrold
      case 1: Spell().DialogIgnoreAll(); break;       // zork
      case 2: Spell().DialogUndo(); break;            // qwop: zork is prompted again
      case 3: Spell().DialogUndo(); break;            // zork: wrold is back and prompted again
      default: Spell().DialogIgnore(); break;
    }
  };
  EXPECT_EQ(Check("wrold zork qwop"), "wrold zork qwop");
  EXPECT_THAT(FPrompts, ElementsAre("wrold", "zork", "qwop", "zork", "wrold", "zork", "qwop"));
  EXPECT_FALSE(Spell().InternalDictionary().IsAdded(u"zork"));
  EXPECT_EQ(undoStates[0], "0:2:42");
  EXPECT_THAT(std::vector<std::string>(undoStates.begin() + 2, undoStates.begin() + 4),
              ElementsAre("1:1:42", "2:1:42"));
}

TEST_F(CheckDriverTest, ParserUndoDataComesBackWhole) {
  std::vector<std::string> log;
  int prompt = 0;
  FAnswer = [&](const std::string&) {
    if (prompt++ == 1) Spell().DialogUndo();
    else Spell().DialogIgnore();
  };
  std::u16string text = u"zork qwop";
  auto parser = std::make_unique<TUndoDataParser>(&log);
  parser->Initialize(text);
  Spell().CheckParser(std::move(parser), ckEntireText);
  EXPECT_THAT(log, ElementsAre("0:mine", "1:mine", "2:mine", "0:mine", "0:mine", "freed"));
}

TEST_F(CheckDriverTest, AHandedOverParserIsFreedWhenTheCheckEndsOrIsDropped) {
  Spell().SetSynchronousCheck(false);
  std::vector<std::string> log;
  std::u16string text = u"zork", other = u"qwop";
  auto parser = std::make_unique<TUndoDataParser>(&log);
  parser->Initialize(text);
  Spell().CheckParser(std::move(parser), ckEntireText);
  ASSERT_TRUE(Spell().Checking());
  auto dropped = std::make_unique<TUndoDataParser>(&log);
  dropped->Initialize(other);
  Spell().CheckParser(std::move(dropped), ckEntireText);  // one check at a time
  EXPECT_THAT(log, ElementsAre("freed"));
  log.clear();
  Spell().DialogCancel();
  EXPECT_THAT(log, ElementsAre("freed"));

  // A lent parser stays the caller's and can be read again.
  TStringParser lent;
  lent.Initialize(text);
  Spell().CheckParser(lent, ckEntireText);
  Spell().DialogIgnore();
  EXPECT_FALSE(Spell().Checking());
  EXPECT_EQ(lent.GetChar(), u'z');
}

TEST_F(CheckDriverTest, MaxUndoLimitsTheRecordsKept) {
  Spell().SetMaxUndo(2);
  std::vector<std::u16string> kept;
  FAnswer = [&](const std::string& word) {
    if (word == "e5") {
      for (const auto& r : Spell().UndoList()) kept.push_back(r->Word);
    }
    Spell().DialogIgnore();
  };
  Check("e1 e2 e3 e4 e5");
  EXPECT_THAT(kept, ElementsAre(u"e3", u"e4"));

  for (int value : {0, -7}) {
    Spell().SetMaxUndo(value);
    FPrompts.clear();
    bool couldUndo = true;
    FAnswer = [&](const std::string& word) {
      if (word == "e2") {
        couldUndo = Spell().CanUndo();
        Spell().DialogUndo();  // nothing to undo: the check stays at e2
      }
      Spell().DialogIgnore();
    };
    Check("e1 e2");
    EXPECT_FALSE(couldUndo) << value;
    EXPECT_THAT(FPrompts, ElementsAre("e1", "e2")) << value;
  }
}

// ---- Sequences, end message, wrap-around ------------------------------------------------------

TEST_F(CheckDriverTest, EndMessageFollowsEndMessageAndCountsWords) {
  Spell().SetUIType(suiDialog);
  Spell().SetEndMessageWordCount(true);
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  Check("one two three four the cat sat on the mat a zork");
  ASSERT_EQ(FBoxes.size(), 1u);
  EXPECT_EQ(U8(FBoxes[0].Text), "The spelling check is complete.\r\n\r\nWords checked: 12");
  EXPECT_EQ(U8(FBoxes[0].Caption), "Spelling");
  EXPECT_EQ(FBoxes[0].Flags, mbOK | mbIconInformation);

  // emNoDialog: only when no word needed the dialog.
  FBoxes.clear();
  Spell().SetEndMessageWordCount(false);
  Spell().SetEndMessage(emNoDialog);
  Check("one two");
  ASSERT_EQ(FBoxes.size(), 1u);
  EXPECT_EQ(U8(FBoxes[0].Text), "The spelling check is complete.");
  Check("one zork");
  EXPECT_EQ(FBoxes.size(), 1u);
  Check("three");
  EXPECT_EQ(FBoxes.size(), 2u);

  // emExceptCancel: not after a cancel; OnShowEndMessage replaces the box; silent: never.
  FBoxes.clear();
  Spell().SetEndMessage(emExceptCancel);
  FAnswer = [&](const std::string&) { Spell().DialogCancel(); };
  Check("zork");
  EXPECT_THAT(FBoxes, IsEmpty());
  int replaced = 0;
  Spell().OnShowEndMessage = [&](TObject*) { ++replaced; };
  Check("one");
  EXPECT_EQ(replaced, 1);
  Spell().SetUIType(suiSilent);
  Check("one");
  EXPECT_EQ(replaced, 1);
  EXPECT_THAT(FBoxes, IsEmpty());
}

TEST_F(CheckDriverTest, GetStringGivesTheEnglishTextsThroughOnGetString) {
  EXPECT_EQ(U8(Spell().GetString(lsDlgChange)), "C&hange");
  Spell().OnGetString = [](TObject*, TSpellLanguageString Id, std::u16string& Text) {
    if (Id == lsSpelling) Text = u"Rechtschreibung";
  };
  EXPECT_EQ(U8(Spell().GetString(lsSpelling)), "Rechtschreibung");
  EXPECT_EQ(U8(SpellLanguageText(static_cast<TSpellLanguageString>(97), TSpellLanguageType::ltEnglish)), "");
}

TEST_F(CheckDriverTest, SequenceSharesTheCountAndSkipsEverythingAfterACancel) {
  Spell().SetUIType(suiDialog);
  Spell().SetEndMessageWordCount(true);
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  Spell().StartSequence();
  EXPECT_TRUE(Spell().KeepDictionariesActive());
  Check("one zork");
  Check("two three");
  EXPECT_THAT(FBoxes, IsEmpty());
  Spell().EndSequence();
  EXPECT_FALSE(Spell().KeepDictionariesActive());
  ASSERT_EQ(FBoxes.size(), 1u);
  EXPECT_EQ(U8(FBoxes[0].Text), "The spelling check is complete.\r\n\r\nWords checked: 4");

  // Four texts, cancelled in the second: the third and fourth are not read, no end message.
  FBoxes.clear();
  FPrompts.clear();
  FAnswer = [&](const std::string& word) {
    if (word == "qwop") Spell().DialogCancel();
    else Spell().DialogIgnore();
  };
  std::u16string texts[4] = {u"zork", u"qwop", u"blarg", u"frob"};
  Spell().StartSequence();
  for (auto& t : texts) Spell().CheckString(t);
  Spell().EndSequence();
  EXPECT_THAT(FPrompts, ElementsAre("zork", "qwop"));
  EXPECT_THAT(FBoxes, IsEmpty());
  EXPECT_EQ(Spell().SequenceDepth(), 0);
}

TEST_F(CheckDriverTest, WrapAroundFromTheCaretReadsToTheEndThenFromTheTop) {
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  std::u16string text = u"one xa two xb three xc";
  auto parser = std::make_unique<TSelectionParser>(9, 9);  // the caret before "two"
  parser->Initialize(text);
  Spell().CheckParser(std::move(parser), ckWrapAround);
  EXPECT_THAT(FPrompts, ElementsAre("xb", "xc", "xa"));
  EXPECT_THAT(FBoxes, IsEmpty());  // no question without a selection
  EXPECT_FALSE(Spell().Checking());
}

TEST_F(CheckDriverTest, WrapAroundFromASelectionAsksForTheRest) {
  FAnswer = [&](const std::string&) { Spell().DialogIgnore(); };
  for (int answer : {idYes, idNo}) {
    FPrompts.clear();
    FBoxes.clear();
    FInterface->Answer = answer;
    std::u16string text = u"one xa two xb three xc";
    TSelectionParser parser(9, 15);  // "two xb"
    parser.Initialize(text);
    Spell().CheckParser(parser, ckWrapAround);
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(U8(FBoxes[0].Text),
              "The selection has been checked.  Would you like to check the remainder of the document?");
    EXPECT_EQ(FBoxes[0].Flags, mbYesNo | mbIconQuestion);
    if (answer == idYes) {
      EXPECT_THAT(FPrompts, ElementsAre("xb", "xc", "xa"));
      EXPECT_FALSE(Spell().Cancelled());
    } else {
      EXPECT_THAT(FPrompts, ElementsAre("xb"));
      EXPECT_TRUE(Spell().Cancelled());
    }
    EXPECT_TRUE(Spell().SynchronousCheck());
  }
}

// ---- Counting and event lists -----------------------------------------------------------------

TEST_F(CheckDriverTest, CountsWordsAndErrors) {
  EXPECT_EQ(Spell().CountWords(u"one two, three"), 3);
  EXPECT_EQ(Spell().CountWords(u""), 0);
  std::u16string text = u"one zork the the qwop";
  TStringParser parser;
  parser.Initialize(text);
  std::int32_t words = 0, errors = 0;
  bool hasErrors = false;
  Spell().ScanParser(parser, ckEntireText, words, errors, hasErrors, false, true);
  EXPECT_EQ(words, 5);
  EXPECT_EQ(errors, 3);  // zork, the repetition, qwop
  EXPECT_TRUE(hasErrors);
  Spell().ScanParser(parser, ckEntireText, words, errors, hasErrors, true, true);
  EXPECT_EQ(words, 2);
  EXPECT_EQ(errors, 1);
  Spell().ScanParser(parser, ckFromCursor, words, errors, hasErrors, false, true);
  EXPECT_EQ(words, 0);
}

TEST(EventListTest, ListenersAreCalledInOrderOnceEach) {
  TEventList list;
  TStringList a, b;  // any objects serve as listeners
  std::vector<std::string> calls;
  list.Add(&a, [&](TObject*) { calls.push_back("a"); });
  list.Add(&b, [&](TObject*) { calls.push_back("b"); });
  list.Add(&a, [&](TObject*) { calls.push_back("a again"); });
  list.Notify(nullptr);
  EXPECT_THAT(calls, ElementsAre("a", "b"));
  list.Remove(&a);
  calls.clear();
  list.Notify(nullptr);
  EXPECT_THAT(calls, ElementsAre("b"));
  EXPECT_EQ(list.Count(), 1);
}

TEST(EventListTest, ListenersMayLeaveAndJoinWhileTheListIsNotified) {
  TEventList list;
  auto freed = std::make_unique<TStringList>();
  TStringList first, self, late;
  std::vector<std::string> calls;
  // The first listener frees a later one and subscribes another; a third leaves by itself.
  list.Add(&first, [&](TObject*) {
    calls.push_back("first");
    list.Remove(freed.get());
    freed.reset();
    list.Add(&late, [&](TObject*) { calls.push_back("late"); });
  });
  list.Add(freed.get(), [&, listener = freed.get()](TObject*) { calls.push_back(U8(listener->Text())); });
  list.Add(&self, [&](TObject*) {
    calls.push_back("self");
    list.Remove(&self);
  });
  list.Notify(nullptr);
  EXPECT_THAT(calls, ElementsAre("first", "self"));
  EXPECT_EQ(list.Count(), 2);
  calls.clear();
  list.Notify(nullptr);
  EXPECT_THAT(calls, ElementsAre("first", "late"));
  EXPECT_EQ(list.IndexOf(&self), -1);
}

TEST_F(CheckDriverTest, IgnoreWordListSeesBeforeAndAfterWithTheState) {
  TStringList listener;
  std::vector<std::string> seen;
  Spell().IgnoreWordList().Add(&listener, [&](TObject*) {
    seen.push_back(std::string(Spell().IgnoreWordList().Before ? "before" : "after") + ":" +
                   std::to_string(Spell().IgnoreWordList().State));
  });
  FAnswer = [&](const std::string&) { Spell().DialogIgnoreAll(); };
  Check("zork");
  EXPECT_THAT(seen, ElementsAre("before:11", "after:11"));
  Spell().IgnoreWordList().Remove(&listener);
}

}  // namespace
}  // namespace lexoro
