#pragma once
// One activity run: drawing the counts, the pass through them, and the end-of-run results
// (statistics, reference curves, histogram bars, the 32-value table and the last ten counts).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "experiments/activity/activity_constants.h"
#include "experiments/activity/activity_run_data.h"
#include "kernel/run_host.h"

namespace noyalis::activity {

// Draws n counts of mean m [counts] into the run record with DistPoisson (the generator is not
// reseeded). Returns false when the host asked to stop while drawing; the record then holds the
// measurements drawn so far.
bool DrawCounts(ActivityRunData& data, long double m, std::int32_t n, kernel::RunHost& host);

struct CountSums {
  long double sum = 0;           // [counts]
  long double sumOfSquares = 0;  // [counts²]
};

// Measurements of the pass between two looks at the host.
inline constexpr std::int32_t kPassBlock = 256;

// The pass of a simulation run through its counts: accumulates the sums (exactly, in integers)
// and lets the host yield twice per block of kPassBlock measurements. Nothing when the host asked
// to stop.
std::optional<CountSums> PassThroughCounts(const ActivityRunData& data, kernel::RunHost& host);

struct ActivityResults {
  long double mean = 0;        // from the draw [counts]
  bool hasStatistics = false;  // the mean is positive: deviation, curves, bars and table exist
  long double deviation = 0;   // √(sumsq / n − mean²), at least 0.00001 [counts]
  long double sqrtMean = 0;    // the Poisson law's deviation [counts]
  long double total = 0;       // sum of all counts
  std::int32_t first = 0;      // the smallest count observed
  // Reference points for x = belowSmallest … hi, and histogram bars for x = first … hi.
  std::vector<double> referenceX, poisson, gauss;
  std::vector<double> barX, barY;
  // "v : h" for v = first … first + 31.
  std::array<std::string, kTableSize> table;
  // The counts of the last ten measurements, oldest first, when there are more than nine.
  std::optional<std::array<std::int32_t, kLastCounts>> lastTen;
};

// The end-of-run results of the run record with the sums of its pass.
ActivityResults EndOfRun(const ActivityRunData& data, CountSums sums);

// The real-time mode's running display: reveals one measurement after another, with a running
// histogram of the revealed counts.
class RealTimeReveal {
 public:
  explicit RealTimeReveal(const ActivityRunData& data);

  struct Step {
    std::int32_t k;            // number of the measurement revealed
    std::int32_t remaining;    // measurements still to come
    std::int32_t value;        // its count
    long double runningMean;   // of the counts revealed so far
    long double runningTotal;  // sum of the counts revealed so far
  };
  // Reveals measurement k (1 … n, in order).
  Step reveal(std::int32_t k);
  // The running bars, from the smallest count seen to the largest (at most 99 999), without gaps.
  void runningBars(std::vector<double>& x, std::vector<double>& y) const;
  CountSums sums() const { return sums_; }

 private:
  const ActivityRunData& data_;
  std::vector<std::int32_t> histogram_;  // counts 0 … 100 000
  std::int32_t smallest_ = -1, largest_ = -1;
  CountSums sums_;
};

}  // namespace noyalis::activity
