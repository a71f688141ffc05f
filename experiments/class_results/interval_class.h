#pragma once
// The class's interval files pooled: one row per file with its mark, the test that all share one
// mean interval, and the pooled histogram with the interval screen's exponential fit and the rate
// it gives.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "experiments/class_results/common_mean_test.h"
#include "experiments/class_results/results_file.h"
#include "experiments/counting_statistics/series_data.h"
#include "kernel/least_squares.h"

namespace noyalis::class_results {

// One listed interval file, whether it is ticked into the pool, and its intervals counted into the
// classes of the pool's width ([k]: intervals in class k; [0] unused).
struct IntervalMember {
  std::size_t file = 0;
  bool pooled = false;
  const IntervalList* list = nullptr;
  std::span<const std::int32_t> classCounts;
};

// Its mean interval and rate; standardErrors is |t̄ − T̄| / (s / √N), its mean interval t̄ against
// the pool's T̄ in standard errors of a mean of N intervals of the pool's deviation s (nothing while
// the pool has no spread).
struct IntervalRow : ClassRow {
  long double meanUs = 0;         // [µs]
  long double ratePerSecond = 0;  // 1 / mean, as the interval screen shows it [1/s]
};

struct IntervalClass {
  std::vector<IntervalRow> rows;          // every member, in list order
  CommonMeanTest test;                    // over the pooled files
  std::int64_t measurements = 0;          // pooled
  long double meanUs = 0;                 // [µs]
  long double deviationUs = 0;            // divisor N [µs]
  long double ratePerSecond = 0;          // 1 / mean [1/s]
  std::int32_t classWidthUs = 0;          // w [µs]
  std::int32_t classesDrawn = 0;          // C = round(longest / w) + 3, at most 65 500
  std::int32_t fitClasses = 0;            // K = 2 × round(mean / w)
  std::vector<std::int64_t> classCounts;  // [k]: pooled intervals in class k, k = 1 … last
  counting_statistics::SeriesData bars, logPoints, line;
  std::optional<kernel::OriginFit> fit;   // slope [1/ms], r²
  std::optional<long double> fittedRate;  // −slope, the rate the fit gives [1/s]
  counting_statistics::SeriesData curve;  // the intervals per class the fitted rate expects
};

// The class of the members with classes of w [µs]; only the pooled ones make the pool.
IntervalClass PoolIntervals(std::span<const IntervalMember> members, std::int32_t classWidthUs);

// The intervals of a list counted into classes of w [µs]: [k] for k = 0 … the longest's class.
std::vector<std::int32_t> CountIntoClasses(const IntervalList& list, std::int32_t classWidthUs);

}  // namespace noyalis::class_results
