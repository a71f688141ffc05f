#pragma once
// A clock for tests: time moves only when code sleeps, when the test advances it or, once asked,
// by a step at every reading; every sleep is recorded instead of waited, and a test may act at
// each one (a run's pacing sleep is where a user's key would land). The local time stands still
// at a set moment, so that every save of a test falls in the same minute.
#include <cstdint>
#include <functional>
#include <numeric>
#include <vector>

#include "platform/services.h"

namespace noyalis::test {

class TestClock final : public platform::ClockService {
 public:
  std::int64_t nowMs() override { return nowMs_ += msPerReading_; }
  void sleepMs(int ms) override {
    sleeps.push_back(ms);
    nowMs_ += ms;
    if (onSleep) onSleep(static_cast<int>(sleeps.size()));
  }

  kernel::LocalDateTime localNow() override { return local; }

  void advance(std::int64_t ms) { nowMs_ += ms; }
  // Every reading from now on moves the clock by ms first, so that displays refreshed every few
  // milliseconds refresh during a run.
  void tickOnEachReading(std::int64_t ms) { msPerReading_ = ms; }
  // The sum of the recorded sleeps [ms].
  std::int64_t sleptMs() const { return std::accumulate(sleeps.begin(), sleeps.end(), std::int64_t{0}); }

  std::vector<int> sleeps;  // [ms], in order
  // Runs after each sleep, with the number of sleeps so far.
  std::function<void(int sleepsSoFar)> onSleep;
  kernel::LocalDateTime local{2024, 12, 8, 14, 35, 10};

 private:
  std::int64_t nowMs_ = 1'000'000;  // any start: code must only use differences
  std::int64_t msPerReading_ = 0;
};

}  // namespace noyalis::test
