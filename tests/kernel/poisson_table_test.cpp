#include "kernel/poisson_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "exact sequences need x87 extended");

// The table built the long way: all 60 001 probabilities, the factorial recomputed for every i.
std::vector<std::int32_t> FullBuildSlots(std::int32_t m) {
  std::vector<long double> P(60'001);
  for (std::int32_t i = 0; i <= 200; ++i) {
    long double f = 1;
    for (std::int32_t j = 1; j <= i; ++j) f = j * f;
    P[static_cast<std::size_t>(i)] = Power(m, i) * std::exp(-static_cast<long double>(m)) / f;
    P[static_cast<std::size_t>(i)] = P[static_cast<std::size_t>(i)] * 64000;
  }
  const long double pi = 4 * std::atan(1.0L);
  for (std::int32_t i = 201; i <= 60'000; ++i) {
    const long double x = (i * std::log(static_cast<long double>(m)) - m) -
                          (i * std::log(static_cast<long double>(i)) - i + 0.5L * std::log(2 * i * pi));
    P[static_cast<std::size_t>(i)] = 64000 * std::exp(x);
  }
  std::vector<std::int32_t> slots(1, 0);  // index 0 unused
  for (std::int32_t j = 0; j <= 60'000; ++j) {
    const auto c = static_cast<std::int64_t>(std::nearbyint(P[static_cast<std::size_t>(j)]));
    for (std::int64_t k = 0; k < c; ++k) slots.push_back(j);
  }
  return slots;
}

std::vector<std::int32_t> TableSlots(const PoissonTable& table) {
  std::vector<std::int32_t> slots(1, 0);
  for (std::int32_t s = 1; s <= table.filled(); ++s) slots.push_back(table.slot(s));
  return slots;
}

// The seed whose successor is s: the generator step run backwards.
std::uint32_t Predecessor(std::uint32_t s) {
  std::uint32_t inverse = UniformRandom::kMultiplier;  // Newton's iteration for 1/a mod 2^32
  for (int k = 0; k < 5; ++k) inverse *= 2u - UniformRandom::kMultiplier * inverse;
  return (s - 1u) * inverse;
}

TEST(PoissonTableTest, FilledSlots) {
  struct Case {
    std::int32_t m, filled;
  };
  constexpr Case kCases[] = {{1, 64000},  {3, 64000},  {10, 64000},  {5000, 64000}, {2, 63999},
                             {27, 64001}, {50, 64001}, {544, 64005}, {10000, 63972}};
  for (const Case& c : kCases) EXPECT_EQ(PoissonTable(c.m).filled(), c.filled) << "mean " << c.m;
}

TEST(PoissonTableTest, SameSlotsAsTheFullBuild) {
  constexpr std::int32_t kMeans[] = {1, 2, 3, 10, 27, 50, 152, 544, 1000, 5000, 10000, 30400, 54400};
  for (std::int32_t m : kMeans) {
    const std::vector<std::int32_t> expected = FullBuildSlots(m);
    const PoissonTable table(m);
    EXPECT_EQ(TableSlots(table), expected) << "mean " << m;
  }
}

TEST(PoissonTableTest, SlotsHoldIncreasingCounts) {
  const PoissonTable table(152);
  for (std::int32_t s = 2; s <= table.filled(); ++s) ASSERT_LE(table.slot(s - 1), table.slot(s));
  EXPECT_THROW(table.slot(0), RangeError);
  EXPECT_THROW(table.slot(table.filled() + 1), RangeError);
}

TEST(PoissonTableTest, Windows) {
  struct Case {
    std::int32_t m, lo, hi;
  };
  constexpr Case kCases[] = {{1, 0, 10}, {2, 0, 15}, {3, 0, 15}, {27, 1, 63}, {1000, 842, 1221}};
  for (const Case& c : kCases) {
    const PoissonTable table(c.m);
    EXPECT_EQ(table.lo(), c.lo) << "mean " << c.m;
    EXPECT_EQ(table.hi(), c.hi) << "mean " << c.m;
  }
}

TEST(PoissonTableTest, MeanOneDrawsStayInTheTable) {
  // The table of mean 1 holds 0 … 8 only (P(9) × 64 000 ≈ 0.18 rounds to no slot).
  const PoissonTable table(1);
  EXPECT_EQ(table.slot(1), 0);
  EXPECT_EQ(table.slot(table.filled()), 8);
  UniformRandom::setState(1);
  const int n = 100000;
  long double sum = 0;
  for (int k = 0; k < n; ++k) {
    const std::int32_t v = table.drawOne();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 8);
    sum += v;
  }
  // Standard error of the mean: 1/√n ≈ 0.0032; 5 of them.
  EXPECT_NEAR(sum / n, 1.0L, 0.016L);
}

TEST(PoissonTableTest, LastSlotBeyondTheFilledOnesIsDrawnAgain) {
  // Mean 2 fills 63 999 slots: slot 64 000 holds no count of this table.
  const PoissonTable table(2);
  ASSERT_EQ(table.filled(), 63999);
  const auto slotOf = [](std::uint32_t seed) {
    return static_cast<std::int32_t>(std::nearbyint(UniformRandom::toReal(seed) * 63999)) + 1;
  };
  const std::uint32_t lastSlotSeed = 0xFFFFFFF0u;  // 0.99999999… × 63 999 rounds to 63 999
  ASSERT_EQ(slotOf(lastSlotSeed), 64000);
  const std::uint32_t following = UniformRandom::step(lastSlotSeed);
  ASSERT_LE(slotOf(following), table.filled());
  UniformRandom::setState(Predecessor(lastSlotSeed));
  const std::int32_t v = table.drawOne();
  EXPECT_EQ(v, table.slot(slotOf(following)));
  EXPECT_EQ(UniformRandom::state(), following);  // exactly one extra draw
}

TEST(PoissonTableTest, LargeMeansKeepThePoissonLaw) {
  // The table's law is Poisson rounded to 1/64 000 per value; 5 standard errors of the mean
  // and about 5 of the deviation over 20 000 draws.
  struct Case {
    std::int32_t m;
    std::uint32_t seed;
  };
  constexpr Case kCases[] = {{152, 11}, {30400, 12}};
  for (const Case& c : kCases) {
    const PoissonTable table(c.m);
    UniformRandom::setState(c.seed);
    const int n = 20000;
    long double sum = 0, sumOfSquares = 0;
    for (int k = 0; k < n; ++k) {
      const long double v = table.drawOne();
      sum += v;
      sumOfSquares += v * v;
    }
    const long double mean = sum / n;
    const long double deviation = std::sqrt(sumOfSquares / n - mean * mean);
    const long double sigma = std::sqrt(static_cast<long double>(c.m));
    EXPECT_NEAR(mean, c.m, 5 * sigma / std::sqrt(static_cast<long double>(n))) << c.m;
    EXPECT_NEAR(deviation, sigma, 5 * sigma / std::sqrt(2.0L * n)) << c.m;
  }
}

TEST(PoissonTableDrawTest, FillsOneToNAndReseeds) {
  std::vector<std::int32_t> out(11, -7);
  UniformRandom::setState(0);
  PoissonTableDraw(27, 10, out);
  EXPECT_EQ(out[0], -7);
  const PoissonTable table(27);
  for (std::size_t k = 1; k <= 10; ++k) {
    EXPECT_GE(out[k], table.lo());
    EXPECT_LE(out[k], table.hi());
  }
  // Ten draws from seed 0 would leave the 10th seed; the clock seed leaves another one.
  std::uint32_t seed = 0;
  for (int k = 0; k < 10; ++k) seed = UniformRandom::step(seed);
  EXPECT_NE(UniformRandom::state(), seed);
}

TEST(PoissonTableDrawTest, Failures) {
  std::vector<std::int32_t> out(10);
  EXPECT_THROW(PoissonTableDraw(27, 10, out), RangeError);  // out[10] does not exist
  EXPECT_NO_THROW(PoissonTableDraw(27, 9, out));
  EXPECT_THROW(PoissonTableDraw(0, 5, out), FloatError);
  EXPECT_THROW(PoissonTable(-3), FloatError);
  // Far above the tabulated maximum no slot is filled: no count can be drawn.
  const PoissonTable empty(100000);
  EXPECT_EQ(empty.filled(), 0);
  EXPECT_THROW(empty.drawOne(), RangeError);
}

}  // namespace
}  // namespace noyalis::kernel
