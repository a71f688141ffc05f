#pragma once
// Counting statistics shown beside the histograms, and the Poisson and Gauss expected frequencies.
#include <cstdint>

namespace noyalis::kernel {

// The standard deviation never goes below this, so the Gauss law never divides by zero.
inline constexpr long double kDeviationFloor = 0.00001L;

// Population standard deviation √(sumsq / n − mean²) [counts], raised to kDeviationFloor.
long double FlooredDeviation(long double sumOfSquares, long double n, long double mean);

// i! for 0 ≤ i ≤ 200, the product 1 · 2 · … · i in extended precision.
long double Factorial(std::int32_t i);

// Expected number of the N counts equal to i under the Poisson law of mean mu > 0:
// exact up to i = 200, Stirling's formula above.
long double PoissonExpected(std::int32_t i, long double mu, long double N);

// Expected number of the N counts at x under the Gauss law of mean mu and deviation s
// (after the floor), with the literal constant 6.28318 for 2π.
long double GaussExpected(long double x, long double mu, long double s, long double N);

}  // namespace noyalis::kernel
