#pragma once
// The run host of the screens: lets the event loop run while a run executes on the interface
// thread, so that keys, the return button and repainting stay live.
#include <cstdint>

#include "kernel/run_host.h"

namespace noyalis::platform {

class EventPump final : public kernel::RunHost {
 public:
  // Per-item yield: pumps at most every ~10 ms (a cheap clock check every few calls).
  void yieldItem() override;
  // Stage point: always pumps.
  void yieldStage() override;
  bool stopRequested() const override { return stop_; }
  // Waits [ms] through the clock service, pumping the event loop, and returns early on a stop.
  void sleepMs(int ms) override;

  void requestStop() { stop_ = true; }
  void reset() { stop_ = false; }

 private:
  bool stop_ = false;
  std::uint32_t calls_ = 0;
  std::int64_t lastPumpMs_ = 0;
};

// Lets the event loop process what is pending (one pass).
void PumpEvents();

}  // namespace noyalis::platform
