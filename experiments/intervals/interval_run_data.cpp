#include "experiments/intervals/interval_run_data.h"

#include <algorithm>

#include "experiments/intervals/interval_constants.h"

namespace noyalis::intervals {

IntervalRunData::IntervalRunData()
    : DeltaT(kLastIndex + 1, 0),
      date_desinteg(kLastIndex + 1, 0),
      histo_dt_non_desinteg(kLastIndex + 1, 0),
      proba_non_desinteg(kLastIndex + 1, 0.0),
      nbtr(kLastIndex + 1, 0) {}

void ClearIntervalRun(IntervalRunData& data) {
  for (auto* a : {&data.DeltaT, &data.date_desinteg, &data.histo_dt_non_desinteg, &data.nbtr})
    std::fill(a->begin(), a->end(), 0);
  std::fill(data.proba_non_desinteg.begin(), data.proba_non_desinteg.end(), 0.0);
  data.measurements = 0;
  data.classWidthUs = 0;
  data.classesDrawn = data.fitClasses = data.fileRows = 0;
  data.min = data.max = data.sum = 0;
  data.mean = 0;
}

IntervalRunData& LastIntervalRun() {
  static IntervalRunData data;
  return data;
}

}  // namespace noyalis::intervals
