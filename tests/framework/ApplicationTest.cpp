// The application object's portable side: the replaceable entry point for message boxes and
// help, and the exception handler that window procedures report to.
#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "lexoro/framework/ox3Application.h"

namespace lexoro {
namespace {

struct TAsked {
  std::u16string Text;
  std::u16string Caption;
  std::uint32_t Flags = 0;
};

// Answers every question with a fixed button and remembers what was asked.
class TScriptedPrompts : public TUserPrompts {
 public:
  TScriptedPrompts(int answer, std::vector<TAsked>* asked, std::vector<std::uint32_t>* help = nullptr)
      : FAnswer(answer), FAsked(asked), FHelp(help) {}
  int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) override {
    FAsked->push_back({Text, Caption, Flags});
    return FAnswer;
  }
  bool HelpContext(const std::u16string& HelpFile, std::uint32_t Context) override {
    if (FHelp) FHelp->push_back(Context);
    return HelpFile == u"product.chm";
  }

 private:
  int FAnswer;
  std::vector<TAsked>* FAsked;
  std::vector<std::uint32_t>* FHelp;
};

TEST(Application, QuestionsAndHelpGoThroughTheInstalledPromptsUntilTheyAreRemoved) {
  std::vector<TAsked> asked;
  std::vector<std::uint32_t> help;
  {
    TPromptsOverride scripted(std::make_unique<TScriptedPrompts>(idNo, &asked, &help));
    EXPECT_EQ(Application().ShowMessageBox(u"Check the rest?", u"Spelling", mbYesNo | mbIconQuestion), idNo);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Text, u"Check the rest?");
    EXPECT_EQ(asked[0].Caption, u"Spelling");
    EXPECT_EQ(asked[0].Flags, mbYesNo | mbIconQuestion);

    // Help uses the application's help file unless one is named; without any, nothing is asked.
    EXPECT_FALSE(Application().HelpContext(12));
    EXPECT_TRUE(help.empty());
    Application().SetHelpFile(u"product.chm");
    EXPECT_TRUE(Application().HelpContext(12));
    EXPECT_FALSE(Application().HelpContext(13, u"other.chm"));
    EXPECT_EQ(help, (std::vector<std::uint32_t>{12, 13}));
    Application().SetHelpFile(u"");

    // Another override nests and gives the outer one back.
    std::vector<TAsked> inner;
    {
      TPromptsOverride nested(std::make_unique<TScriptedPrompts>(idYes, &inner));
      EXPECT_EQ(Application().ShowMessageBox(u"x", u"y", mbYesNo), idYes);
    }
    EXPECT_EQ(Application().ShowMessageBox(u"x", u"y", mbYesNo), idNo);
    EXPECT_EQ(inner.size(), 1u);
  }
  // Installing nothing puts the default prompts back (never a null entry point).
  auto previous = Application().SetPrompts(nullptr);
  EXPECT_NE(previous, nullptr);
  EXPECT_NE(&Application().Prompts(), nullptr);
}

TEST(Application, ExceptionsGoToTheHandlerOrElseToAnErrorMessage) {
  std::vector<TAsked> asked;
  TPromptsOverride scripted(std::make_unique<TScriptedPrompts>(idOK, &asked));

  // No handler: an error box with the exception's text.
  Application().HandleException(nullptr, std::make_exception_ptr(std::runtime_error("disk full")));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Text, u"disk full");
  EXPECT_EQ(asked[0].Flags & mbIconError, mbIconError);

  // A handler gets the sender and the exception instead.
  TObject sender;
  TObject* seenSender = nullptr;
  std::string seen;
  Application().SetOnException([&](TObject* Sender, std::exception_ptr Error) {
    seenSender = Sender;
    try {
      std::rethrow_exception(Error);
    } catch (const std::exception& e) {
      seen = e.what();
    }
  });
  Application().HandleException(&sender, std::make_exception_ptr(std::logic_error("bad state")));
  EXPECT_EQ(seenSender, &sender);
  EXPECT_EQ(seen, "bad state");
  EXPECT_EQ(asked.size(), 1u);

  // A handler that throws itself cannot break out of a window procedure.
  Application().SetOnException([](TObject*, std::exception_ptr) { throw std::runtime_error("again"); });
  EXPECT_NO_THROW(Application().HandleException(nullptr, std::make_exception_ptr(std::runtime_error("first"))));
  Application().SetOnException(nullptr);
}

TEST(Application, CursorAndTermination) {
  EXPECT_EQ(Application().Cursor(), TCursor::crDefault);
  Application().SetCursor(TCursor::crHourGlass);
  EXPECT_EQ(Application().Cursor(), TCursor::crHourGlass);
  Application().SetCursor(TCursor::crDefault);

  EXPECT_FALSE(Application().Terminated());
  Application().Terminate();
  EXPECT_TRUE(Application().Terminated());
  Application().ResetTerminated();
  // Nothing queued: both loops return.
  Application().ProcessMessages();
  EXPECT_FALSE(Application().Terminated());
}

#if defined(_WIN32)
TEST(Application, RunServesIdleTimeUntilTerminated) {
  int idle = 0;
  Application().SetOnIdle([&](TObject*, bool& Done) {
    ++idle;
    Done = idle % 3 == 0;  // twice more at once, then the loop waits
    if (idle == 6) Application().Terminate();  // the quit message it posts ends the wait
    else if (Done) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);  // something to wake it
  });
  Application().Run();
  EXPECT_EQ(idle, 6);
  EXPECT_TRUE(Application().Terminated());
  Application().SetOnIdle(nullptr);
  Application().ResetTerminated();
  // The quit message is gone with the reset: the loop runs again.
  bool ran = false;
  Application().SetOnIdle([&](TObject*, bool&) {
    ran = true;
    Application().Terminate();
  });
  Application().Run();
  EXPECT_TRUE(ran);
  Application().SetOnIdle(nullptr);
  Application().ResetTerminated();
}
#endif

}  // namespace
}  // namespace lexoro
