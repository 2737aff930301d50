#include "lexoro/framework/ox3TimerWin32.h"

namespace lexoro {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = std::make_unique<TUtilityWindow>([this](UINT Msg, WPARAM WParam, LPARAM, LRESULT& Result) {
    if (Msg != WM_TIMER || WParam != kTimerId) return false;
    Result = 0;
    Timer();
    return true;
  });
}

TTimer::~TTimer() {
  Destroying();
  if (FRunning) KillTimer(FWindow->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Event) {
  FOnTimer = std::move(Event);
  UpdateTimer();
}

void TTimer::Timer() {
  if (FEnabled && FOnTimer) FOnTimer(this);
}

void TTimer::UpdateTimer() {
  if (FRunning) KillTimer(FWindow->Handle(), kTimerId);
  FRunning = false;
  // A timer with nothing to call does not run.
  if (FEnabled && FInterval > 0 && FOnTimer && !IsDesigning()) {
    if (SetTimer(FWindow->Handle(), kTimerId, FInterval, nullptr) == 0)
      throw EWindowError("Not enough timers available");
    FRunning = true;
  }
}

}  // namespace lexoro
