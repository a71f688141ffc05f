#include "experiments/population/decay_run.h"

#include <algorithm>

#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::population {

namespace {

void CheckInputs(const RunInputs& inputs) {
  if (inputs.side < kMinSide || inputs.side > kMaxSide)
    throw kernel::RangeError("Range check error: lattice side " + std::to_string(inputs.side));
  if (inputs.duration < kMinDuration || inputs.duration > kMaxDuration)
    throw kernel::RangeError("Range check error: duration " + std::to_string(inputs.duration));
}

// One step's scan in the fixed draw order; true when a nucleus decayed.
bool Scan(PopulationState& state, std::int32_t side, long double p, RunObserver& observer) {
  bool decayed = false;
  for (std::int32_t i = 1; i <= side; ++i) {
    std::int32_t* column = &state.cell(i, 0);
    for (std::int32_t j = 1; j <= side; ++j) {
      if (column[j] != 1) continue;
      const double r = static_cast<double>(kernel::UniformRandom::real());
      if (p > r) {
        column[j] = 0;
        --state.alive;
        observer.nucleusDecayed(i, j);
        decayed = true;
      }
    }
  }
  return decayed;
}

}  // namespace

void RunDecay(PopulationState& state, const RunInputs& inputs, RunObserver& observer, kernel::RunHost& host,
              const RunSeams& seams) {
  CheckInputs(inputs);
  const std::int32_t n = inputs.side;
  // A run's history starts empty: an export never mixes two runs.
  std::fill(state.PopulationCurve.begin(), state.PopulationCurve.end(), 0.0L);
  std::fill(state.DecaysPerStep.begin(), state.DecaysPerStep.end(), 0.0L);
  kernel::UniformRandom::reseedFromClock();
  if (seams.afterReseed) seams.afterReseed();

  state.side = n;
  state.alive = n * n;
  state.PopulationCurve[0] = state.alive;
  state.lastStep = 0;
  state.runUnitName = inputs.unitName;
  state.runIsotopeLabel = inputs.isotopeLabel;
  UpdateStepProbability(state);
  const long double p = state.StepProbability;
  for (std::int32_t i = 1; i <= n; ++i)
    for (std::int32_t j = 1; j <= n; ++j) state.cell(i, j) = 1;
  observer.runStarted(n, inputs.duration);

  const bool clicks = inputs.soundOn && n <= kMaxSideWithSound;
  for (std::int32_t t = 1; t <= inputs.duration; ++t) {
    if (host.stopRequested()) continue;
    const bool decayed = Scan(state, n, p, observer);
    host.yieldStage();
    observer.stepDone(t, state.alive);
    state.PopulationCurve[t] = state.alive;
    state.DecaysPerStep[t] = state.PopulationCurve[t - 1] - state.PopulationCurve[t];
    state.lastStep = t;
    if (decayed && clicks) observer.click();
    host.sleepMs(seams.pauseMs);
    host.yieldStage();
  }
}

}  // namespace noyalis::population
