#pragma once
// What the population model tests watch a run through: an observer that records what the screen
// would be told, and a host that records its pauses and stops after a given number of them.
#include <limits>
#include <utility>
#include <vector>

#include "experiments/population/decay_run.h"
#include "kernel/run_host.h"

namespace noyalis::population {

using Decay = std::pair<std::int32_t, std::int32_t>;

class RecordingObserver final : public RunObserver {
 public:
  void runStarted(std::int32_t side, std::int32_t duration) override { started.emplace_back(side, duration); }
  void nucleusDecayed(std::int32_t i, std::int32_t j) override { decays.emplace_back(i, j); }
  void stepDone(std::int32_t t, std::int32_t alive) override { steps.emplace_back(t, alive); }
  void click() override { clickSteps.push_back(steps.empty() ? 0 : steps.back().first); }

  std::vector<std::pair<std::int32_t, std::int32_t>> started, steps;
  std::vector<Decay> decays;
  std::vector<std::int32_t> clickSteps;  // the step each click followed
};

class StepHost final : public kernel::RunHost {
 public:
  explicit StepHost(int stopAfterPauses = std::numeric_limits<int>::max()) : stopAfter_(stopAfterPauses) {}
  void yieldItem() override {}
  void yieldStage() override { ++stages; }
  bool stopRequested() const override { return static_cast<int>(pauses.size()) >= stopAfter_; }
  void sleepMs(int ms) override { pauses.push_back(ms); }
  std::vector<int> pauses;
  int stages = 0;

 private:
  int stopAfter_;
};

}  // namespace noyalis::population
