#pragma once
// The mean beta and gamma counts of one measurement behind an aluminium screen.
#include <cstdint>

namespace noyalis::thickness_series {

struct CountingMeans {
  std::int32_t beta;   // [counts]
  std::int32_t gamma;  // [counts]
};

// The means of one measurement of T [ms] behind x [mm] of aluminium, 3 cm from the source:
// γ = round(T × 0.38 × 2 / 25), β = round(e^(−8x) × T × 6.55 × 2 / 25), each in extended precision
// with ties to even, and each raised to 1 when it is below 2.
CountingMeans BetaGammaMeans(std::int32_t countingTimeMs, long double thicknessMm);

}  // namespace noyalis::thickness_series
