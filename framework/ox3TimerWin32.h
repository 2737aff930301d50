// A window timer component: OnTimer every Interval milliseconds while Enabled, delivered by
// WM_TIMER to a hidden window of the timer's own, so it runs inside the GUI thread's message
// loop (and inside modal loops) like any other message.
#pragma once

#include <cstdint>
#include <memory>

#include "lexoro/framework/ox3ControlsWin32.h"

namespace lexoro {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  [[nodiscard]] bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  [[nodiscard]] std::uint32_t Interval() const { return FInterval; }
  void SetInterval(std::uint32_t Value);
  [[nodiscard]] const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Event);

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  bool FEnabled = true;
  std::uint32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  std::unique_ptr<TUtilityWindow> FWindow;
  bool FRunning = false;
};

}  // namespace lexoro
