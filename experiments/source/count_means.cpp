#include "experiments/source/count_means.h"

#include <cmath>

#include "experiments/source/source_constants.h"
#include "kernel/number_format.h"

namespace noyalis::source {

namespace {

// The two means of the beta screen that round to 0 or 1 are handed to the sampler as 1.
std::int32_t AtLeastOne(long double rounded) {
  return rounded < 2 ? 1 : static_cast<std::int32_t>(rounded);
}

}  // namespace

BetaGammaMeans BetaMeans(std::int32_t countingTimeMs, long double thicknessMm, long double rateFactor) {
  const long double v = countingTimeMs;
  const long double gamma = kernel::RoundEven(v * beta::kGammaCountsPer25ms * rateFactor / kReferenceTimeMs);
  const long double unattenuated = v * beta::kBetaCountsPer25ms * rateFactor / kReferenceTimeMs;
  const long double betaMean =
      kernel::RoundEven(std::exp(-beta::kAttenuationPerMm * thicknessMm) * unattenuated);
  return {AtLeastOne(betaMean), AtLeastOne(gamma)};
}

std::int32_t LeadMean(std::int32_t countingTimeMs, long double thicknessMm) {
  const long double unattenuated = countingTimeMs * lead::kGammaCountsPer25ms / kReferenceTimeMs;
  return static_cast<std::int32_t>(
      kernel::RoundEven(std::exp(-lead::kAttenuationPerMm * thicknessMm) * unattenuated));
}

std::int32_t DistanceMean(std::int32_t countingTimeMs, long double distanceM) {
  const long double ratio = distance::kNearestM / distanceM;
  const long double atNearest = countingTimeMs * distance::kCountsPer25msAt3cm / kReferenceTimeMs;
  return static_cast<std::int32_t>(kernel::RoundEven(atNearest * (ratio * ratio)));
}

}  // namespace noyalis::source
