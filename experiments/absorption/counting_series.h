#pragma once
// One series of counting measurements at a slot: every count is the sum of independent Poisson
// counts drawn in blocks before the pass (beta then gamma on the aluminium screen, one block on
// the lead and distance screens); the pass sums the counts and their squares exactly.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "kernel/run_host.h"

namespace noyalis::absorption {

// Fills out[1 … n] with n Poisson counts of mean m [counts]; the real one builds a PoissonTable
// and reseeds the generator from the clock, tests pass their own.
using PoissonDraw = void (*)(std::int32_t m, std::int32_t n, std::span<std::int32_t> out);

struct SeriesResult {
  long double mean = 0;       // [counts]
  long double deviation = 0;  // divisor n, at least 0.00001 [counts]
  long double total = 0;      // sum of the counts
};

// Called after count i (1 … n) with the running total of counts 1 … i.
using ItemObserver = std::function<void(std::int32_t i, long double runningTotal)>;

class CountingSeries {
 public:
  explicit CountingSeries(PoissonDraw draw);

  // Draws n counts per mean, one block per mean in the order given, then passes through
  // c_i = the sum of the i-th counts of every block, yielding to the host once per count. n must
  // lie in 1 … 10 000 (RangeError otherwise). Nothing when the host asked to stop.
  std::optional<SeriesResult> run(std::span<const std::int32_t> means, std::int32_t n, kernel::RunHost& host,
                                  const ItemObserver& observer = {});

  // Count i (1 … n) of the last run.
  std::int32_t count(std::int32_t i) const;

 private:
  PoissonDraw draw_;
  std::vector<std::vector<std::int32_t>> blocks_;  // one per mean, indices 0 … 10 000
  std::vector<std::int32_t> counts_;               // the summed counts, indices 0 … 10 000
};

}  // namespace noyalis::absorption
