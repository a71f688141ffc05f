#include "platform/event_pump.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/services.h"

namespace noyalis::platform {

namespace {
constexpr std::uint32_t kCallsPerClockCheck = 64;  // a clock read costs more than an item
constexpr std::int64_t kPumpIntervalMs = 10;       // keys answer within a frame
constexpr int kSleepSliceMs = 10;
}  // namespace

void EventPump::yieldItem() {
  if (++calls_ % kCallsPerClockCheck != 0) return;
  const std::int64_t now = Clock().nowMs();
  if (now - lastPumpMs_ < kPumpIntervalMs) return;
  PumpEvents();
  lastPumpMs_ = now;
}

void EventPump::yieldStage() {
  PumpEvents();
  lastPumpMs_ = Clock().nowMs();
}

void EventPump::sleepMs(int ms) {
  int remaining = ms;
  while (remaining > 0 && !stop_) {
    const int slice = std::min(remaining, kSleepSliceMs);
    Clock().sleepMs(slice);
    remaining -= slice;
    PumpEvents();
  }
  lastPumpMs_ = Clock().nowMs();
}

void PumpEvents() {
  QCoreApplication::processEvents();
}

}  // namespace noyalis::platform
