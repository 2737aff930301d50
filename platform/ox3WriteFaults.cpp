#include "lexoro/platform/ox3WriteFaults.h"

#include <utility>

namespace lexoro::platform {

namespace {
std::function<bool()>& WriteFaultHook() {
  static std::function<bool()> hook;
  return hook;
}
}  // namespace

void SetWriteFaultHook(std::function<bool()> hook) { WriteFaultHook() = std::move(hook); }

bool WriteFaultInjected() { return WriteFaultHook() && WriteFaultHook()(); }

}  // namespace lexoro::platform
