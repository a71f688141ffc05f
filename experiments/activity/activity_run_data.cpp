#include "experiments/activity/activity_run_data.h"

#include <algorithm>

#include "kernel/dist_poisson.h"

namespace noyalis::activity {

ActivityRunData::ActivityRunData()
    : CountValues(kernel::kMaxMeasurements + 1, 0), CountHistogram(kernel::kMaxMeasurements + 1, 0) {}

void ClearRun(ActivityRunData& data) {
  // Counts above the last run's largest are zero already.
  const auto used = static_cast<std::ptrdiff_t>(std::clamp(data.hi, 0, kernel::kMaxMeasurements)) + 1;
  std::fill(data.CountHistogram.begin(), data.CountHistogram.begin() + used, 0);
  data.measurements = 0;
  data.mean = 0;
  data.standardDeviation = 0;
  data.belowSmallest = 0;
  data.hi = 0;
}

std::span<const std::int32_t> RunHistogram(const ActivityRunData& data) {
  const auto end = static_cast<std::size_t>(std::clamp(data.hi, 0, kernel::kMaxMeasurements)) + 1;
  return std::span<const std::int32_t>(data.CountHistogram).first(end);
}

ActivityRunData& LastActivityRun() {
  static ActivityRunData data;
  return data;
}

}  // namespace noyalis::activity
