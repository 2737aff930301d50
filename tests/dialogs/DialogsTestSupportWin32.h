// A spell component with dialogs over small dictionaries, a host form with a memo, and the
// means to press what a user presses: buttons clicked, keys typed, message boxes answered.
#pragma once

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/dialogs/ox3SpellWin32.h"
#include "lexoro/framework/ox3StdCtrlsWin32.h"
#include "lexoro/framework/ox3TimerWin32.h"
#include "tests/engine/SpellBaseTestSupport.h"
#include "tests/framework/PumpWin32.h"

namespace lexoro::test {

inline std::string ControlText(TWinControl& Control) { return U8(Control.Text()); }

inline std::vector<std::string> ListItems(const TListBox& List) {
  std::vector<std::string> items;
  for (const auto& s : List.Items().Items()) items.push_back(U8(s));
  return items;
}

// Clicks a button as the mouse would (BM_CLICK), then lets the loop run.
inline void Click(TWinControl& Button) {
  Button.Perform(BM_CLICK, 0, 0);
  Application().ProcessMessages();
}

// Runs Step on a timer until it answers true (the step is done) or the time runs out; the steps
// run inside whatever loop is waiting meanwhile (a modal dialog's, a message box's).
class TScript {
 public:
  explicit TScript(std::function<bool()> Step, int IntervalMs = 15) : FTimer(nullptr), FStep(std::move(Step)) {
    FTimer.SetInterval(static_cast<std::uint32_t>(IntervalMs));
    FTimer.SetOnTimer([this](TObject*) {
      if (FDone) return;
      FTimer.SetEnabled(false);  // a step may run a loop of its own
      FDone = FStep();
      if (!FDone) FTimer.SetEnabled(true);
    });
  }
  [[nodiscard]] bool Done() const { return FDone; }

 private:
  TTimer FTimer;
  std::function<bool()> FStep;
  bool FDone = false;
};

// The text of a message box on the screen with Caption, closed with Button; empty when none.
inline std::string AnswerMessageBox(const wchar_t* Caption, int Button) {
  HWND box = FindWindowW(L"#32770", Caption);
  if (!box) return {};
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(Button), 0);
  std::u16string t(reinterpret_cast<const char16_t*>(text));
  return U8(t);
}

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteMainDictionary(FDir.WPath("American.oxm"),
                        {u"the", u"cat", u"sat", u"on", u"mat", u"a", u"is", u"one", u"two", u"three", u"jumped",
                         u"jump", u"jumps", u"over", u"quick", u"brown", u"fox", u"dog", u"dogs", u"lazy", u"word"},
                        1033, u"Lexoro dictionary");
    WriteCustomDictionary(FDir.WPath("Autocorrect.oxu"), "recieve\treceive\n");
    FSpell = std::make_unique<TLexoroSpellDialogs>(nullptr);
    FSpell->SetConfigStorage(csNone);
    FSpell->SetConfigDictionaryDir(TStringList{U16(FDir.Root())});
    FSpell->SetConfigDefaultMain(TStringList{u"American.oxm"});
    FSpell->SetConfigDefaultCustom(TStringList{u"Autocorrect.oxu"});
    FSpell->SetConfigDefaultActiveCustom(u"user.oxu");
    FSpell->SetSuggestionsLearning(false);
    FSpell->SetEndMessage(emNever);
    FSpell->SetDialogInitialPos(ipScreenCenter);
    FHost = std::make_unique<TForm>(nullptr);
    FHost->SetBounds(0, 0, 500, 300);
    FMemo = new TMemo(FHost.get());
    FMemo->SetParent(FHost.get());
    FMemo->SetBounds(0, 0, 480, 200);
    FHost->Show();
  }
  void TearDown() override {
    FSpell.reset();
    FHost.reset();
    Application().ProcessMessages();
  }

  TScratchDir FDir;
  std::unique_ptr<TLexoroSpellDialogs> FSpell;
  std::unique_ptr<TForm> FHost;
  TMemo* FMemo = nullptr;
};

}  // namespace lexoro::test
