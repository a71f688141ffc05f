#pragma once
// The source's Poisson means of one measurement behind aluminium (the beta screen and the thickness
// series), behind lead and at a distance, rounded ties to even from the extended products in the
// order given.
#include <cstdint>

namespace noyalis::source {

struct BetaGammaMeans {
  std::int32_t beta;   // [counts], at least 1
  std::int32_t gamma;  // [counts], at least 1
};

// Behind x [mm] of aluminium for a counting time V [ms], with the rates multiplied by f (2 for the
// thickness series, whose source stands at 3 cm instead of 4.25 cm): gamma round(V × 0.38 × f / 25),
// beta round(V × 6.55 × f / 25 × e^(−8x)); a mean below 2 becomes 1.
BetaGammaMeans BetaMeans(std::int32_t countingTimeMs, long double thicknessMm, long double rateFactor = 1);

// Behind x [mm] of lead for V [ms]: round(V × 0.5 / 25 × e^(−0.09x)) [counts], no lower clamp.
std::int32_t LeadMean(std::int32_t countingTimeMs, long double thicknessMm);

// At distance d [m] for T [ms]: round(T × 14 / 25 × (0.03 / d)²) [counts].
std::int32_t DistanceMean(std::int32_t countingTimeMs, long double distanceM);

}  // namespace noyalis::source
