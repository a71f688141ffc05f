#include "experiments/activity/activity_run_data.h"

#include "kernel/dist_poisson.h"

namespace noyalis::activity {

ActivityRunData::ActivityRunData()
    : CountValues(kernel::kMaxMeasurements + 1, 0), CountHistogram(kernel::kMaxMeasurements + 1, 0) {}

ActivityRunData& LastActivityRun() {
  static ActivityRunData data;
  return data;
}

}  // namespace noyalis::activity
