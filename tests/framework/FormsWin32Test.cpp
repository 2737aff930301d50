// Forms: the modal loop and ModalResult, show/hide/activate handlers, closing, deferred
// destruction, and message boxes answered without a user.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/framework/ox3FormsWin32.h"
#include "tests/framework/PumpWin32.h"
#include "lexoro/framework/ox3TimerWin32.h"

namespace lexoro {
namespace {

using test::PumpUntil;

// A form that tells when it is freed.
struct TWatched : TForm {
  bool* Freed;
  explicit TWatched(bool* freed) : TForm(nullptr), Freed(freed) {}
  ~TWatched() override { *Freed = true; }
};

TEST(Form, ModalLoopRunsUntilModalResultIsSetAndDisablesTheOtherWindows) {
  TForm main(nullptr);
  main.Show();
  TForm dialog(nullptr);
  TTimer timer(nullptr);
  bool mainWasDisabled = false;
  int ticks = 0;
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    // Timers keep running inside the modal loop.
    if (++ticks < 3) return;
    mainWasDisabled = !IsWindowEnabled(main.Handle());
    EXPECT_TRUE(dialog.Modal());
    dialog.SetModalResult(mrOk);
    timer.SetEnabled(false);
  });
  std::vector<std::string> events;
  dialog.SetOnShow([&](TObject*) { events.push_back("show"); });
  dialog.SetOnHide([&](TObject*) { events.push_back("hide"); });

  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_TRUE(mainWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(main.Handle()));
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "hide"}));

  // A result set while the form is being shown ends the loop at once; a visible form
  // cannot be made modal.
  dialog.SetOnShow([&](TObject*) { dialog.SetModalResult(mrYes); });
  EXPECT_EQ(dialog.ShowModal(), mrYes);
  dialog.SetOnShow(nullptr);
  dialog.Show();
  EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
  dialog.Hide();
}

TEST(Form, CloseQueryCanRefuseAModalResultAndCloseCancelsAModalForm) {
  TForm dialog(nullptr);
  int asked = 0;
  dialog.SetOnCloseQuery([&](TObject*, bool& CanClose) { CanClose = ++asked > 1; });
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    if (asked == 0) dialog.SetModalResult(mrOk);  // refused the first time
    else if (asked == 1) dialog.Close();          // closing a modal form cancels it
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(asked, 2);
}

TEST(Form, TerminatingTheApplicationEndsTheModalLoop) {
  TForm dialog(nullptr);
  dialog.SetOnShow([](TObject*) { Application().Terminate(); });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  Application().ResetTerminated();
}

TEST(Form, CloseHidesByDefaultOrFreesWhenAsked) {
  TForm form(nullptr);
  form.Show();
  EXPECT_TRUE(form.Visible());
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Visible());

  bool freed = false;
  auto* watched = new TWatched(&freed);
  watched->SetOnClose([](TObject*, TCloseAction& Action) { Action = TCloseAction::caFree; });
  watched->Show();
  watched->Close();
  EXPECT_FALSE(freed);  // deferred until the queue is served
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
}

TEST(Form, ReleaseFreesTheFormAndItsControlsFromTheMessageLoop) {
  bool freed = false;
  auto* form = new TWatched(&freed);
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  HWND window = form->Handle();
  HWND memoWindow = memo->Handle();
  form->Release();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(memoWindow));
}

TEST(Form, ReleaseDuringItsOwnModalLoopWaitsForTheLoopToEnd) {
  bool freed = false;
  auto* form = new TWatched(&freed);
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    form->SetModalResult(mrOk);
    form->Release();
    Application().ProcessMessages();  // a handler that runs the loop itself
    EXPECT_FALSE(freed);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_FALSE(freed);
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
}

TEST(Form, ActivationIsReported) {
  TForm first(nullptr);
  TForm second(nullptr);
  std::vector<std::string> events;
  first.SetOnActivate([&](TObject*) { events.push_back("first+"); });
  first.SetOnDeactivate([&](TObject*) { events.push_back("first-"); });
  second.SetOnActivate([&](TObject*) { events.push_back("second+"); });
  first.Show();
  events.clear();
  second.Show();
  Application().ProcessMessages();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "first-");
  EXPECT_EQ(events.back(), "second+");
  SetActiveWindow(first.Handle());
  EXPECT_EQ(events.back(), "first+");
}

TEST(Form, ClosingTheMainFormEndsTheApplicationsLoop) {
  TForm main(nullptr);
  main.Show();
  Application().SetMainForm(&main);
  PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_FALSE(main.Visible());
  Application().ResetTerminated();
  Application().SetMainForm(nullptr);
}

TEST(Form, RealMessageBoxCanBeAnsweredFromATimer) {
  // The default entry point shows the system's box; it runs its own loop, in which the timer
  // finds the box and answers No.
  TTimer timer(nullptr);
  timer.SetInterval(30);
  timer.SetOnTimer([&](TObject*) {
    HWND box = FindWindowW(L"#32770", L"Question");
    if (box) PostMessageW(box, WM_COMMAND, IDNO, 0);
  });
  EXPECT_EQ(Application().ShowMessageBox(u"Go on?", u"Question", mbYesNo | mbIconQuestion), idNo);
}

}  // namespace
}  // namespace lexoro
