#include "experiments/absorption/slot_experiment.h"

#include "experiments/absorption/absorption_constants.h"
#include "experiments/source/count_means.h"
#include "kernel/checked.h"

namespace noyalis::absorption {

namespace {

std::vector<std::int32_t> BetaThenGamma(std::int32_t countingTimeMs, long double thicknessMm) {
  const source::BetaGammaMeans m = source::BetaMeans(countingTimeMs, thicknessMm);
  return {m.beta, m.gamma};
}

std::vector<std::int32_t> GammaBehindLead(std::int32_t countingTimeMs, long double thicknessMm) {
  return {source::LeadMean(countingTimeMs, thicknessMm)};
}

std::vector<std::int32_t> AtDistance(std::int32_t countingTimeMs, long double distanceM) {
  return {source::DistanceMean(countingTimeMs, distanceM)};
}

}  // namespace

const SlotExperiment kBetaExperiment{beta::kThicknessMm, &BetaThenGamma, &AbsorptionTable};
const SlotExperiment kLeadExperiment{lead::kThicknessMm, &GammaBehindLead, &LeadAbsorptionTable};
const SlotExperiment kDistanceExperiment{distance::kDistanceM, &AtDistance, &DistanceTable};

std::optional<SeriesResult> MeasureSlot(const SlotExperiment& experiment, int slot, std::int32_t n,
                                        std::int32_t countingTimeMs, CountingSeries& series,
                                        kernel::RunHost& host, const ItemObserver& observer) {
  SlotTable& table = experiment.table();
  table.erase(slot);
  const long double position = kernel::checkedAt(experiment.positions, slot);
  const std::vector<std::int32_t> means = experiment.means(countingTimeMs, position);
  const std::optional<SeriesResult> r = series.run(means, n, host, observer);
  if (r) table.store(slot, position, r->mean, r->deviation);
  return r;
}

}  // namespace noyalis::absorption
