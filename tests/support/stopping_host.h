#pragma once
// A run host for model tests that asks to stop once it has been yielded to a given number of times.
#include "kernel/run_host.h"

namespace noyalis::test {

class StoppingHost final : public kernel::RunHost {
 public:
  explicit StoppingHost(long stopAfter) : stopAfter_(stopAfter) {}
  void yieldItem() override { ++yields; }
  void yieldStage() override { ++yields; }
  bool stopRequested() const override { return yields >= stopAfter_; }
  void sleepMs(int) override {}
  long yields = 0;

 private:
  long stopAfter_;
};

}  // namespace noyalis::test
