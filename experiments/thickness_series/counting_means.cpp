#include "experiments/thickness_series/counting_means.h"

#include <cmath>

#include "experiments/thickness_series/thickness_series_constants.h"
#include "kernel/number_format.h"

namespace noyalis::thickness_series {

namespace {

// The sampler's table needs a mean of at least 1: a mean that rounds to 0 or 1 becomes 1.
std::int32_t SamplerMean(long double mean) {
  const long double rounded = kernel::RoundEven(mean);
  return rounded < 2 ? kSmallestMean : static_cast<std::int32_t>(rounded);
}

}  // namespace

CountingMeans BetaGammaMeans(std::int32_t countingTimeMs, long double thicknessMm) {
  const long double t = countingTimeMs;
  // Each product is rounded to extended precision in the order written.
  const long double gamma = t * kGammaCountsPer25ms * kRateFactorAt3cm / kReferenceCountingTimeMs;
  const long double beta = std::exp(-kBetaAttenuationPerMm * thicknessMm) * t * kBetaCountsPer25ms *
                           kRateFactorAt3cm / kReferenceCountingTimeMs;
  return {SamplerMean(beta), SamplerMean(gamma)};
}

}  // namespace noyalis::thickness_series
