#include "kernel/uniform_random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "kernel/error.h"

namespace noyalis::kernel {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "exact sequences need x87 extended");

TEST(UniformRandomTest, SeedsFromZero) {
  constexpr std::array<std::uint32_t, 5> kSeeds = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u};
  UniformRandom::setState(0);
  for (std::uint32_t expected : kSeeds) {
    UniformRandom::real();
    EXPECT_EQ(UniformRandom::state(), expected);
  }
}

TEST(UniformRandomTest, RealDrawsFromZero) {
  // Each listed value is good to half a unit of its last digit.
  struct Case {
    long double value, halfUnit;
  };
  constexpr std::array<Case, 5> kReals = {{{2.3283064e-10L, 5e-18L},
                                           {0.0313799L, 5e-8L},
                                           {0.8610485L, 5e-8L},
                                           {0.2025810L, 5e-8L},
                                           {0.2729213L, 5e-8L}}};
  UniformRandom::setState(0);
  for (const Case& expected : kReals) {
    const long double r = UniformRandom::real();
    EXPECT_NEAR(r, expected.value, expected.halfUnit);
    // A real draw is the seed times 2^-32, exactly.
    EXPECT_EQ(r, std::ldexp(static_cast<long double>(UniformRandom::state()), -32));
  }
}

TEST(UniformRandomTest, IntegerDrawsOfRangeSixFromZero) {
  constexpr std::array<std::uint32_t, 5> kDraws = {0, 0, 5, 1, 1};
  UniformRandom::setState(0);
  for (std::uint32_t expected : kDraws) EXPECT_EQ(UniformRandom::integer(6), expected);
  // The same draws from a copy of the state, as a loop of many draws takes them.
  std::uint32_t seed = 0;
  for (std::uint32_t expected : kDraws)
    EXPECT_EQ(UniformRandom::toInteger(seed = UniformRandom::step(seed), 6), expected);
}

TEST(UniformRandomTest, RealAndIntegerDrawsStayInRange) {
  UniformRandom::setState(12345);
  for (int k = 0; k < 100000; ++k) {
    const long double r = UniformRandom::real();
    ASSERT_GE(r, 0.0L);
    ASSERT_LT(r, 1.0L);
    ASSERT_LT(UniformRandom::integer(7), 7u);
  }
  UniformRandom::setState(0xFFFFFFFFu);
  EXPECT_EQ(UniformRandom::state(), 0xFFFFFFFFu);
  EXPECT_EQ(UniformRandom::integer(1), 0u);
}

TEST(UniformRandomTest, ReseedFromClockChangesTheSeed) {
  // Two clock readings a few draws apart never give the same low 32 bits in practice:
  // the counter advances by nanoseconds and wraps only every 4.3 s.
  UniformRandom::reseedFromClock();
  const std::uint32_t first = UniformRandom::state();
  volatile long double sink = 0;
  for (int k = 0; k < 1000; ++k) sink = sink + UniformRandom::real();
  UniformRandom::reseedFromClock();
  EXPECT_NE(UniformRandom::state(), first);
}

TEST(PowerTest, Values) {
  struct Case {
    long double x, y, expected;
  };
  constexpr Case kCases[] = {{2, 4, 16}, {27.2L, 1, 27.2L}, {10, -2, 0.01L}, {5, 0, 1}, {0.25L, 0.5L, 0.5L}};
  for (const Case& c : kCases)
    EXPECT_NEAR(Power(c.x, c.y), c.expected, 4e-18L * c.expected) << c.x << "^" << c.y;
}

TEST(PowerTest, ActivityDefaultMean) {
  // 0.85 counts/s at 25 cm, scaled by 2^4 and 50 cm² / 25: the default activity mean.
  EXPECT_NEAR(0.85L * Power(2, 4) * 50 / 25, 27.2L, 1e-16L);
}

TEST(PowerTest, NonPositiveBaseOrOverflowRaisesFloatError) {
  EXPECT_THROW(Power(0, 2), FloatError);
  EXPECT_THROW(Power(-1, 2), FloatError);
  EXPECT_THROW(Power(10, 100000), FloatError);
  EXPECT_EQ(Power(10, -100000), 0.0L);  // underflow goes silently to zero
}

}  // namespace
}  // namespace noyalis::kernel
