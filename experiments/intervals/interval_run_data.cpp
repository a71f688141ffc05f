#include "experiments/intervals/interval_run_data.h"

#include "experiments/intervals/interval_constants.h"

namespace noyalis::intervals {

IntervalRunData::IntervalRunData()
    : DeltaT(kLastIndex + 1, 0),
      date_desinteg(kLastIndex + 1, 0),
      histo_dt_non_desinteg(kLastIndex + 1, 0),
      proba_non_desinteg(kLastIndex + 1, 0.0),
      nbtr(kLastIndex + 1, 0) {}

IntervalRunData& LastIntervalRun() {
  static IntervalRunData data;
  return data;
}

}  // namespace noyalis::intervals
