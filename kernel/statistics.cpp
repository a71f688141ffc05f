#include "kernel/statistics.h"

#include <cmath>
#include <string>

#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {

namespace {

constexpr std::int32_t kExactLimit = 200;      // i! is exact in extended precision up to here
constexpr long double kGaussTwoPi = 6.28318L;  // the Gauss law's own constant, not 2π

}  // namespace

long double FlooredDeviation(long double sumOfSquares, long double n, long double mean) {
  const long double variance = sumOfSquares / n - mean * mean;
  // Rounding can leave a tiny negative variance when all counts are equal.
  const long double deviation = variance > 0 ? std::sqrt(variance) : 0.0L;
  return deviation < kDeviationFloor ? kDeviationFloor : deviation;
}

long double Factorial(std::int32_t i) {
  if (i < 0 || i > kExactLimit)
    throw RangeError("Range check error: factorial of " + std::to_string(i) + " outside 0..200");
  long double f = 1;
  for (std::int32_t j = 1; j <= i; ++j) f = j * f;
  return f;
}

long double PoissonExpected(std::int32_t i, long double mu, long double N) {
  if (i < 0) throw RangeError("Range check error: negative count " + std::to_string(i));
  if (!(mu > 0)) throw FloatError("Invalid floating point operation: ln of a mean that is not positive");
  if (i <= kExactLimit)
    return checkedReal(N * Power(mu, i) * std::exp(-mu) / Factorial(i), "Poisson frequency");
  const long double pi = 4 * std::atan(1.0L);
  const long double n = i;
  // Stirling's formula for ln i!.
  const long double x = (n * std::log(mu) - mu) - (n * std::log(n) - n + 0.5L * std::log(2 * pi * n));
  return checkedReal(N * std::exp(x), "Poisson frequency");
}

long double GaussExpected(long double x, long double mu, long double s, long double N) {
  const long double d = x - mu;
  return checkedReal(N * std::exp(-(d * d) / (2 * s * s)) / (std::sqrt(kGaussTwoPi) * s), "Gauss frequency");
}

}  // namespace noyalis::kernel
