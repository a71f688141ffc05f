#pragma once
// The class's activity files pooled: one row per file with its mark, the test that all share one
// mean, the pooled histogram with its Poisson and Gauss references, and "Gauss ou Poisson ?" on
// the pooled counts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "experiments/class_results/common_mean_test.h"
#include "experiments/class_results/results_file.h"
#include "experiments/counting_statistics/gauss_or_poisson.h"
#include "experiments/counting_statistics/histogram_references.h"

namespace noyalis::class_results {

// One listed activity file, and whether it is ticked into the pool.
struct ActivityMember {
  std::size_t file = 0;  // its place in the list
  bool pooled = false;
  const ActivityCounts* counts = nullptr;
};

// Its mean and deviation; standardErrors is |S − N·m̄| / √(N·m̄), its sum S against N times the
// pool's mean m̄ (nothing while m̄ is 0).
struct ActivityRow : ClassRow {
  long double mean = 0;       // [counts]
  long double deviation = 0;  // divisor N, at least 0.00001 as the activity screen shows it [counts]
};

struct ActivityClass {
  std::vector<ActivityRow> rows;              // every member, in list order
  CommonMeanTest test;                        // over the pooled files
  std::int64_t measurements = 0;              // pooled
  long double mean = 0;                       // [counts]
  long double deviation = 0;                  // divisor N, at least 0.00001 [counts]
  long double sqrtMean = 0;                   // the Poisson law's deviation [counts]
  std::int32_t firstCount = 0;                // of the histogram [counts]
  std::vector<std::int64_t> histogram;        // [i]: pooled measurements of firstCount + i counts
  counting_statistics::HistogramChart chart;  // empty while the mean is 0
  counting_statistics::GaussOrPoissonAnswer answer;
};

// The class of the members; only the pooled ones make the pool, every one gets its row.
ActivityClass PoolActivity(std::span<const ActivityMember> members);

}  // namespace noyalis::class_results
