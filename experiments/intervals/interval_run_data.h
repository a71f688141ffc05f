#pragma once
// The data of the last interval run. It is process-wide: it outlives the screen, so a screen
// opened later can still save the run made in an earlier visit.
#include <cstdint>
#include <vector>

namespace noyalis::intervals {

struct IntervalRunData {
  IntervalRunData();

  // Indices 0 … 100 000 each.
  std::vector<std::int64_t> DeltaT;                 // interval i [µs]; [0] is 0
  std::vector<std::int64_t> date_desinteg;          // date of decay i [µs]; [0] is 0
  std::vector<std::int64_t> histo_dt_non_desinteg;  // [j]: intervals in class j, from (j−1)·w to j·w
  std::vector<double> proba_non_desinteg;           // [k]: share of the intervals longer than k·w
  std::vector<std::int64_t> nbtr;                   // [s]: decays dated in the 50 ms slice s

  std::int32_t measurements = 0;  // N of the last run (0 before the first)
  std::int32_t classWidthUs = 0;  // w of the last run [µs]
  std::int64_t min = 0, max = 0;  // shortest and longest interval [µs]
  std::int64_t sum = 0;           // of all intervals [µs]
  long double mean = 0;           // [µs]
  std::int32_t classesDrawn = 0;  // C
  std::int32_t fitClasses = 0;    // K
  std::int32_t fileRows = 0;      // M = max(C, N), 0 before the first run
};

// Empties the record: no intervals, every array zero, as before the first run. A run starts this
// way, and a run stopped part way leaves it so, never half-done.
void ClearIntervalRun(IntervalRunData& data);

// The one run record of the process.
IntervalRunData& LastIntervalRun();

}  // namespace noyalis::intervals
