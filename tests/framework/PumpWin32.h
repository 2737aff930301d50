// Shared by the Windows framework tests: runs the message loop until a condition holds.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

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

}  // namespace lexoro::test
