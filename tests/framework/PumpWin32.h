// Shared by the Windows framework tests: runs the message loop until a condition holds, and
// types keys the way the keyboard would deliver them to the focused window.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>

#include "lexoro/framework/ox3Application.h"

namespace lexoro::test {

// Dispatches messages until Done holds or the time runs out; false on time-out.
inline bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 3000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  while (!Done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Application().ProcessMessages();
    if (!Done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Holds modifier keys down (in the thread's keyboard state) for the guard's life.
class TKeysDown {
 public:
  TKeysDown(std::initializer_list<int> Keys) {
    GetKeyboardState(FSaved);
    BYTE state[256];
    GetKeyboardState(state);
    for (int key : Keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }
  ~TKeysDown() { SetKeyboardState(FSaved); }
  TKeysDown(const TKeysDown&) = delete;
  TKeysDown& operator=(const TKeysDown&) = delete;

 private:
  BYTE FSaved[256];
};

// A key pressed and released in the focused window, handled by the application's loop as the
// keyboard's would be (the loop's translation makes the characters of keys that type).
inline void PressKey(UINT Key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, Key, 1);
  PostMessageW(focus, WM_KEYUP, Key, 0xC0000001);
  Application().ProcessMessages();
}

// Alt+Letter in the focused window.
inline void PressAlt(wchar_t Letter) {
  PostMessageW(GetFocus(), WM_SYSCHAR, Letter, 1 | (1 << 29));
  Application().ProcessMessages();
}

}  // namespace lexoro::test
