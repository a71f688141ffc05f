#pragma once
// The data of the last activity run. It is process-wide: it outlives the screen, so a screen
// opened later can still save the run made in an earlier visit.
#include <cstdint>
#include <span>
#include <vector>

namespace noyalis::activity {

struct ActivityRunData {
  ActivityRunData();

  // CountValues[k] is the count of measurement k (1 … measurements); index 0 is never written.
  std::vector<std::int32_t> CountValues;
  // CountHistogram[v] is the number of measurements that gave v counts.
  std::vector<std::int32_t> CountHistogram;

  std::int32_t measurements = 0;      // N of the last run (0 before the first)
  long double mean = 0;               // [counts]
  long double standardDeviation = 0;  // [counts], divisor N, no floor
  std::int32_t belowSmallest = 0;     // one below the smallest count when it is positive, else 0
  std::int32_t hi = 0;                // the largest count
};

// Empties the record at the start of a run: no measurements, mean 0, the histogram zeroed, so a
// run stopped before its draw never leaves the previous run to be saved as its own.
void ClearRun(ActivityRunData& data);

// The histogram of the run, counts 0 … its largest count.
std::span<const std::int32_t> RunHistogram(const ActivityRunData& data);

// The one run record of the process.
ActivityRunData& LastActivityRun();

}  // namespace noyalis::activity
