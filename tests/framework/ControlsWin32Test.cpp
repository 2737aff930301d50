// Windowed controls: windows created on demand and re-created, the binding of objects to
// windows, exception firewalls around window procedures, timers, subclassing.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "tests/framework/PumpWin32.h"
#include "lexoro/framework/ox3TimerWin32.h"

namespace lexoro {
namespace {

using test::PumpUntil;

// Captures what reaches the application's exception handler.
class TCaughtExceptions {
 public:
  TCaughtExceptions() {
    Application().SetOnException([this](TObject* Sender, std::exception_ptr Error) {
      Senders.push_back(Sender);
      try {
        std::rethrow_exception(Error);
      } catch (const std::exception& e) {
        Messages.push_back(e.what());
      }
    });
  }
  ~TCaughtExceptions() { Application().SetOnException(nullptr); }
  std::vector<TObject*> Senders;
  std::vector<std::string> Messages;
};

TEST(WinControl, WindowIsCreatedOnDemandWithItsParentsAndKeepsItsText) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetText(u"before the window");
  memo->SetBounds(5, 6, 120, 80);
  EXPECT_FALSE(form.HandleAllocated());
  EXPECT_FALSE(memo->HandleAllocated());

  HWND window = memo->Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(form.HandleAllocated());
  EXPECT_EQ(GetParent(window), form.Handle());
  EXPECT_EQ(TWinControl::FindControl(window), memo);
  EXPECT_EQ(memo->Text(), u"before the window");
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 120);

  wchar_t className[32];
  GetClassNameW(window, className, 32);
  EXPECT_STREQ(className, L"TMemo");
  // The control answers the edit messages of its system class.
  EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 1);

  // A child created under a form that has its window gets one at once.
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  EXPECT_TRUE(edit->HandleAllocated());
}

TEST(WinControl, ChildWithoutParentWindowIsRefused) {
  TEdit orphan(nullptr);
  EXPECT_THROW(orphan.HandleNeeded(), EInvalidOperation);
  EXPECT_FALSE(orphan.HandleAllocated());
  // A bare parent window will do.
  TForm host(nullptr);
  orphan.SetParentWindow(host.Handle());
  EXPECT_TRUE(orphan.Handle() != nullptr);
  EXPECT_EQ(GetParent(orphan.Handle()), host.Handle());
}

TEST(WinControl, RecreatedWindowKeepsTextAndChildrenAndTellsListeners) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetText(u"line one\r\nline two");
  HWND first = memo->Handle();
  int changes = 0;
  memo->OnHandleChanged().Add(&changes, [&](TObject*) { ++changes; });

  memo->SetWordWrap(false);  // a style the window only takes at birth
  HWND second = memo->Handle();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_NE(second, nullptr);
  EXPECT_TRUE((GetWindowLongPtrW(second, GWL_STYLE) & ES_AUTOHSCROLL) != 0);
  EXPECT_EQ(memo->Text(), u"line one\r\nline two");
  EXPECT_EQ(changes, 2);  // destroyed, created

  // Re-creating the parent brings the children back with their text.
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetText(u"single");
  form.RecreateWnd();
  EXPECT_TRUE(memo->HandleAllocated());
  EXPECT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(GetParent(edit->Handle()), form.Handle());
  EXPECT_EQ(edit->Text(), u"single");
  EXPECT_EQ(memo->Text(), u"line one\r\nline two");
}

TEST(WinControl, ObjectsLetGoOfWindowsTheirParentDestroys) {
  auto form = std::make_unique<TForm>(nullptr);
  TMemo memo(nullptr);  // not owned by the form
  memo.SetParent(form.get());
  HWND window = memo.Handle();
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(memo.HandleAllocated());
  EXPECT_EQ(memo.Parent(), nullptr);
  EXPECT_EQ(TWinControl::FindControl(window), nullptr);
}

TEST(WinControl, RichEditSuperclassesTheSystemRichEdit) {
  TForm form(nullptr);
  TRichEdit rich(&form);
  rich.SetParent(&form);
  rich.SetText(u"rich\r\ntext");
  EXPECT_EQ(rich.Perform(EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_NE(rich.Perform(EM_GETTEXTMODE, 0, 0), 0);
  rich.SetSelStart(5);
  rich.SetSelLength(4);
  EXPECT_EQ(rich.SelText(), u"text");
  rich.SetSelText(u"words");
  EXPECT_EQ(rich.Text(), u"rich\r\nwords");
}

TEST(WinControl, EditSelectionAndProperties) {
  TForm form(nullptr);
  TEdit edit(&form);
  edit.SetParent(&form);
  edit.SetText(u"hello world");
  edit.SetSelStart(6);
  edit.SetSelLength(5);
  EXPECT_EQ(edit.SelStart(), 6);
  EXPECT_EQ(edit.SelLength(), 5);
  EXPECT_EQ(edit.SelText(), u"world");
  edit.SetSelText(u"there");
  EXPECT_EQ(edit.Text(), u"hello there");
  edit.SetReadOnly(true);
  EXPECT_TRUE((GetWindowLongPtrW(edit.Handle(), GWL_STYLE) & ES_READONLY) != 0);
  edit.SetMaxLength(3);
  EXPECT_EQ(edit.Perform(EM_GETLIMITTEXT, 0, 0), 3);
}

// A form whose window procedure fails on one message.
class TFailingForm : public TForm {
 public:
  using TForm::TForm;
  static constexpr UINT kFail = WM_APP + 7;

 protected:
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == kFail) throw std::runtime_error("handler failed");
    return TForm::WndProc(Msg, WParam, LParam);
  }
};

TEST(WinControl, ExceptionInAWindowProcedureGoesToTheApplicationHandler) {
  TCaughtExceptions caught;
  TFailingForm form(nullptr);
  EXPECT_EQ(SendMessageW(form.Handle(), TFailingForm::kFail, 0, 0), 0);
  ASSERT_EQ(caught.Messages.size(), 1u);
  EXPECT_EQ(caught.Messages[0], "handler failed");
  EXPECT_EQ(caught.Senders[0], &form);
  // The window goes on working.
  form.SetCaption(u"still alive");
  EXPECT_EQ(form.Caption(), u"still alive");

  // Posted, through the message loop, likewise.
  PostMessageW(form.Handle(), TFailingForm::kFail, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return caught.Messages.size() == 2; }));
}

TEST(WinControl, HandleListenerFailingAsTheWindowGoesIsReportedAndTheObjectLetsGo) {
  TCaughtExceptions caught;
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  HWND first = memo->Handle();
  memo->OnHandleChanged().Add(&caught, [&](TObject*) {
    if (!memo->HandleAllocated()) throw std::runtime_error("listener failed");
  });
  EXPECT_NO_THROW(memo->RecreateWnd());
  ASSERT_EQ(caught.Messages.size(), 1u);
  EXPECT_EQ(caught.Messages[0], "listener failed");
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(TWinControl::FindControl(first), nullptr);
  EXPECT_TRUE(memo->HandleAllocated());
}

TEST(ThreadWindows, AFailingVisitorEndsTheWalkAndItsErrorReachesTheCaller) {
  TForm a(nullptr), b(nullptr);
  a.HandleNeeded();
  b.HandleNeeded();
  int visited = 0;
  EXPECT_THROW(ForEachThreadWindow([&](HWND) -> bool {
                 ++visited;
                 throw std::runtime_error("visitor failed");
               }),
               std::runtime_error);
  EXPECT_EQ(visited, 1);
  int ours = 0;
  ForEachThreadWindow([&](HWND Window) {
    ours += Window == a.Handle() || Window == b.Handle();
    return true;
  });
  EXPECT_EQ(ours, 2);
}

TEST(Timer, TicksWhileEnabledAndStopsWhenDisabled) {
  TCaughtExceptions caught;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(15);
  timer.SetOnTimer([&](TObject* Sender) {
    EXPECT_EQ(Sender, &timer);
    if (++ticks == 3) timer.SetEnabled(false);
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  Sleep(60);
  Application().ProcessMessages();
  EXPECT_EQ(ticks, 3);

  // A failing tick is reported and the timer keeps running.
  int failures = 0;
  timer.SetOnTimer([&](TObject*) {
    ++failures;
    throw std::runtime_error("tick failed");
  });
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return failures >= 2; }));
  EXPECT_GE(caught.Messages.size(), 2u);
  timer.SetEnabled(false);
}

class TRecordingSubclass : public TWindowSubclass {
 public:
  int Seen = 0;
  bool Destroyed = false;

 protected:
  LRESULT Handle(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == WM_APP + 1) {
      ++Seen;
      return 42;
    }
    if (Msg == WM_APP + 2) throw std::runtime_error("subclass failed");
    return DefaultHandler(Msg, WParam, LParam);
  }
  void WindowDestroyed() override { Destroyed = true; }
};

TEST(WindowSubclass, SeesMessagesFirstAndLetsGoWhenTheWindowGoes) {
  TCaughtExceptions caught;
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetText(u"text");
  TRecordingSubclass subclass;
  ASSERT_TRUE(subclass.Attach(memo->Handle()));
  EXPECT_EQ(SendMessageW(memo->Handle(), WM_APP + 1, 0, 0), 42);
  EXPECT_EQ(subclass.Seen, 1);
  // Other messages still reach the control.
  EXPECT_EQ(memo->Text(), u"text");
  EXPECT_EQ(SendMessageW(memo->Handle(), WM_APP + 2, 0, 0), 0);
  EXPECT_EQ(caught.Messages.size(), 1u);

  subclass.Detach();
  EXPECT_EQ(SendMessageW(memo->Handle(), WM_APP + 1, 0, 0), 0);
  EXPECT_EQ(subclass.Seen, 1);

  ASSERT_TRUE(subclass.Attach(memo->Handle()));
  memo->RecreateWnd();
  EXPECT_TRUE(subclass.Destroyed);
  EXPECT_EQ(subclass.Window(), nullptr);
  EXPECT_FALSE(subclass.Attach(nullptr));
}

}  // namespace
}  // namespace lexoro
