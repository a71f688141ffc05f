#include "kernel/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/error.h"

namespace noyalis::kernel {
namespace {

TEST(FlooredDeviationTest, FourCounts) {
  // 10, 12, 12, 14: mean 12, S2 / N = 146, s = √2.
  const std::vector<long double> counts = {10, 12, 12, 14};
  long double sum = 0, sumOfSquares = 0;
  for (long double c : counts) {
    sum += c;
    sumOfSquares += c * c;
  }
  const long double mean = sum / 4;
  EXPECT_EQ(mean, 12.0L);
  EXPECT_EQ(sumOfSquares / 4, 146.0L);
  EXPECT_EQ(FlooredDeviation(sumOfSquares, 4, mean), std::sqrt(2.0L));
  EXPECT_NEAR(std::sqrt(mean), 3.464L, 5e-4L);
}

TEST(FlooredDeviationTest, EqualCountsGiveTheFloor) {
  // All 5: S2 / N − mean² is 0, or a rounding residue of either sign for awkward values.
  struct Case {
    long double value, n;
  };
  constexpr Case kCases[] = {{5, 7}, {0, 3}, {27.2L, 3}, {0.1L, 10}, {1e-3L, 1}};
  for (const Case& c : kCases) {
    const long double deviation = FlooredDeviation(c.value * c.value * c.n, c.n, c.value * c.n / c.n);
    EXPECT_EQ(deviation, kDeviationFloor) << c.value;
  }
  EXPECT_EQ(kDeviationFloor, 0.00001L);
}

TEST(FactorialTest, Values) {
  EXPECT_EQ(Factorial(0), 1.0L);
  EXPECT_EQ(Factorial(1), 1.0L);
  EXPECT_EQ(Factorial(5), 120.0L);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);  // still exact in 64 bits
  EXPECT_NEAR(std::log(Factorial(200)), std::lgamma(201.0L), 1e-15L * 863);
  EXPECT_THROW(Factorial(201), RangeError);
  EXPECT_THROW(Factorial(-1), RangeError);
}

TEST(PoissonExpectedTest, ActivityDefault) {
  // μ = 27.2, N = 100: E(27) = 100 · 27.2^27 · e^−27.2 / 27! ≈ 7.65.
  EXPECT_NEAR(PoissonExpected(27, 27.2L, 100), 7.65L, 0.005L);
  // The frequencies of all counts add up to N.
  long double total = 0;
  for (std::int32_t i = 0; i <= 400; ++i) total += PoissonExpected(i, 27.2L, 100);
  EXPECT_NEAR(total, 100.0L, 1e-12L);
  EXPECT_EQ(PoissonExpected(0, 27.2L, 100), 100 * std::exp(-27.2L));
}

TEST(PoissonExpectedTest, StirlingJoinsTheExactFormula) {
  // Stirling's i ln i − i + ½ ln 2πi falls short of ln i! by 1/(12 i) − 1/(360 i³) + …; carry the
  // exact frequency of 200 one step across the joint and compare with Stirling's at 201.
  constexpr long double kMeans[] = {150, 200, 201, 250};
  constexpr long double kShortfall = 1.0L / (12 * 201) - 1.0L / (360.0L * 201 * 201 * 201);
  for (long double mu : kMeans) {
    const long double exact201 = PoissonExpected(200, mu, 1000) * mu / 201;
    const long double stirling201 = PoissonExpected(201, mu, 1000);
    EXPECT_LT((stirling201 - exact201) / stirling201, 1.0L / (12 * 201)) << mu;
    EXPECT_NEAR(std::log(stirling201 / exact201), kShortfall, 1e-12L) << mu;
  }
}

TEST(PoissonExpectedTest, BadArgumentsRaise) {
  EXPECT_THROW(PoissonExpected(3, 0, 100), FloatError);
  EXPECT_THROW(PoissonExpected(-1, 5, 100), RangeError);
}

TEST(GaussExpectedTest, Values) {
  // At the mean: N / (√6.28318 · s).
  EXPECT_EQ(GaussExpected(5, 5, kDeviationFloor, 10), 10 / (std::sqrt(6.28318L) * kDeviationFloor));
  const long double peak = GaussExpected(27.2L, 27.2L, std::sqrt(27.2L), 100);
  EXPECT_NEAR(peak, 100 / std::sqrt(6.28318L * 27.2L), 1e-15L);
  // One deviation away: e^−½ of the peak, on either side.
  const long double s = std::sqrt(27.2L);
  EXPECT_NEAR(GaussExpected(27.2L + s, 27.2L, s, 100) / peak, std::exp(-0.5L), 1e-15L);
  EXPECT_NEAR(GaussExpected(27.2L - s, 27.2L, s, 100) / peak, std::exp(-0.5L), 1e-15L);
  EXPECT_THROW(GaussExpected(1, 1, 0, 100), FloatError);
}

}  // namespace
}  // namespace noyalis::kernel
