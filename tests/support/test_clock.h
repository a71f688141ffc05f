#pragma once
// A clock for tests: time moves only when code sleeps (or the test advances it), and every sleep
// is recorded instead of waited.
#include <cstdint>
#include <numeric>
#include <vector>

#include "platform/services.h"

namespace noyalis::test {

class TestClock final : public platform::ClockService {
 public:
  std::int64_t nowMs() override { return nowMs_; }
  void sleepMs(int ms) override {
    sleeps.push_back(ms);
    nowMs_ += ms;
  }

  void advance(std::int64_t ms) { nowMs_ += ms; }
  // The sum of the recorded sleeps [ms].
  std::int64_t sleptMs() const { return std::accumulate(sleeps.begin(), sleeps.end(), std::int64_t{0}); }

  std::vector<int> sleeps;  // [ms], in order

 private:
  std::int64_t nowMs_ = 1'000'000;  // any start: code must only use differences
};

}  // namespace noyalis::test
