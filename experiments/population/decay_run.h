#pragma once
// The decay run: a lattice of N × N nuclei, each of which decays at each step with the step
// probability, until the duration is over or the user stops it.
#include <cstdint>
#include <functional>
#include <string>

#include "experiments/population/population_constants.h"
#include "experiments/population/population_state.h"
#include "kernel/run_host.h"

namespace noyalis::population {

// What a run reads at its start; the run works on these copies only.
struct RunInputs {
  std::int32_t side = kDefaultSide;          // N, 5 … 100
  std::int32_t duration = kDefaultDuration;  // D [steps], 10 … 1000
  bool soundOn = false;                      // the sound choice is "oui"
  std::string unitName;                      // as the screen shows it, for the export
  std::string isotopeLabel;                  // as the screen shows it, for the export
};

// What the screen draws at each event of a run.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // All N × N nuclei are radioactive, the history holds N(0) = N².
  virtual void runStarted(std::int32_t side, std::int32_t duration) = 0;
  // Nucleus (i, j) has just decayed.
  virtual void nucleusDecayed(std::int32_t i, std::int32_t j) = 0;
  // Step t is over with alive nuclei left.
  virtual void stepDone(std::int32_t t, std::int32_t alive) = 0;
  // The counter's click (1000 Hz, 20 ms, volume 50).
  virtual void click() = 0;
};

// Seams for tests: run code right after the clock reseed (to set the generator), and the pause
// of each step [ms].
struct RunSeams {
  std::function<void()> afterReseed;
  int pauseMs = kStepPauseMs;
};

// The run: clears the history, reseeds the generator from the clock, fills the lattice, runs
// UpdateStepProbability, then steps t = 1 … D. Each step scans columns i = 1 … N and within them j = 1 … N,
// draws one real (rounded to double) per radioactive nucleus, which decays when p > r; then lets the host
// yield, records N(t) and ΔN(t), clicks when a nucleus decayed, the sound is on and N ≤ 10, and pauses. Once
// the host asks to stop, the remaining steps are skipped. Inputs out of range raise RangeError before
// anything changes.
void RunDecay(PopulationState& state, const RunInputs& inputs, RunObserver& observer, kernel::RunHost& host,
              const RunSeams& seams = {});

}  // namespace noyalis::population
