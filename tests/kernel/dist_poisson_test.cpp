#include "kernel/dist_poisson.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "exact sequences need x87 extended");

constexpr std::size_t kArraySize = kMaxMeasurements + 1;

// The count arrays of a run, 1 000 001 entries each like the activity experiment's.
struct Arrays {
  std::vector<std::int32_t> values = std::vector<std::int32_t>(kArraySize, -7);
  std::vector<std::int32_t> hist = std::vector<std::int32_t>(kArraySize, -7);
};

// The plain multiplication method, written the straightforward way, on its own generator copy.
std::vector<std::int32_t> PlainCounts(long double m, std::int32_t n, std::uint32_t& seed) {
  const long double L = std::exp(-m);
  std::vector<std::int32_t> counts;
  for (std::int32_t k = 0; k < n; ++k) {
    long double p = 1;
    std::int32_t c = -1;
    do {
      seed = UniformRandom::step(seed);
      p = p * UniformRandom::toReal(seed);
      c = c + 1;
    } while (L < p);
    counts.push_back(c);
  }
  return counts;
}

// The multiplication method with the product kept as mantissa and exponent (frexp, exact), for
// means whose e^(−m) has no extended form. e^(−m) is split its own way, e^(−m + q ln 2) × 2^−q;
// its last bit may differ from the sampler's split, which could change a count only when a
// product lands within 10^−15 of the stop value.
std::vector<std::int32_t> UnboundedCounts(long double m, std::int32_t n, std::uint32_t& seed) {
  const long double q = std::floor(m / std::log(2.0L));
  int stopExponent = 0;
  const long double stopMantissa = std::frexp(std::exp(-m + q * std::log(2.0L)), &stopExponent);
  const long double lastExponent = stopExponent - q;
  std::vector<std::int32_t> counts;
  for (std::int32_t k = 0; k < n; ++k) {
    long double p = 1;
    long double exponent = 0;  // the product is p × 2^exponent, p in [½, 1)
    std::int32_t c = -1;
    for (;;) {
      seed = UniformRandom::step(seed);
      int e = 0;
      p = std::frexp(p * UniformRandom::toReal(seed), &e);
      exponent += e;
      c = c + 1;
      if (p == 0 || exponent < lastExponent || (exponent == lastExponent && p <= stopMantissa)) break;
    }
    counts.push_back(c);
  }
  return counts;
}

// Checks that DistPoisson from seed draws the counts of a reference method and leaves the
// generator where the reference left it.
using ReferenceCounts = std::vector<std::int32_t> (*)(long double, std::int32_t, std::uint32_t&);
void ExpectSameDraws(ReferenceCounts reference, long double m, std::int32_t n, std::uint32_t seed) {
  Arrays a;
  std::uint32_t referenceSeed = seed;
  const std::vector<std::int32_t> expected = reference(m, n, referenceSeed);
  UniformRandom::setState(seed);
  DistPoisson(m, n, a.values, a.hist);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), a.values.begin() + 1))
      << "mean " << m << ", seed " << seed;
  EXPECT_EQ(UniformRandom::state(), referenceSeed) << "mean " << m << ", seed " << seed;
}

TEST(DistPoissonTest, DefaultActivityRunFromAFreshStart) {
  const long double m = 0.85L * Power(2, 4) * 50 / 25;  // 27.2 counts
  Arrays a;
  UniformRandom::setState(0);
  const PoissonSeries series = DistPoisson(m, 8, a.values, a.hist);
  const std::array<std::int32_t, 8> expected = {3, 25, 24, 31, 23, 27, 28, 26};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), a.values.begin() + 1));
  EXPECT_EQ(a.values[0], -7);  // index 0 is never written
  EXPECT_EQ(a.values[9], -7);
  EXPECT_EQ(series.count, 8);
  EXPECT_EQ(series.max, 31);
  EXPECT_EQ(series.belowSmallest, 2);  // one below the smallest count, 3
  EXPECT_EQ(series.mean, 187.0L / 8);
}

TEST(DistPoissonTest, SameDrawsAsThePlainMethod) {
  // 11 000: e^(−m) is a normal number and no level is needed; 11 300: one level, with the plain
  // method's product still in normal numbers up to its last factor.
  struct Case {
    long double m;
    std::int32_t n;
    std::uint32_t seed;
  };
  constexpr Case kCases[] = {
      {27.2L, 2000, 0}, {0.85L, 2000, 99}, {152, 500, 7}, {11000, 150, 12345}, {11300, 150, 4242}};
  for (const Case& c : kCases) ExpectSameDraws(PlainCounts, c.m, c.n, c.seed);
}

// The sampler decides most counts with a double-precision product and draws a measurement again
// with the extended product when the double lands too close to e^(−m) to tell. A mean whose
// e^(−m) is (to its last bit or so) the extended product of the first draws from a seed puts the
// first measurement right on that edge: its count must still be the extended product's.
TEST(DistPoissonTest, ProductsOnTheStopValueKeepTheExtendedCount) {
  for (const std::uint32_t seed : {1u, 77u, 123456u, 4000000000u}) {
    for (const int factors : {3, 20, 150}) {
      std::uint32_t s = seed;
      long double product = 1;
      for (int i = 0; i < factors; ++i) product *= UniformRandom::toReal(s = UniformRandom::step(s));
      ExpectSameDraws(PlainCounts, -std::log(product), 40, seed);
    }
  }
}

// Between a mean of about 11 090 and 11 355, e^(−m) is still a normal extended number, far below
// the 2^−16000 where the product changes scale. The product of the first F draws from a seed
// (F in that band) is put on the stop value's edge by the means whose e^(−m) lies a few of their
// steps around it: the count must be the plain method's for each of them.
TEST(DistPoissonTest, ProductsOnTheStopValueInTheBandBelowTheSmallestNormal) {
  int inBand = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    std::uint32_t s = seed * 2654435761u;
    const std::uint32_t start = s;
    long double product = 1;
    for (int i = 0; i < 11220; ++i) product *= UniformRandom::toReal(s = UniformRandom::step(s));
    const long double centre = -std::log(product);
    if (centre < 11091 || centre > 11354) continue;
    ++inBand;
    long double m = centre;
    for (int step = 0; step < 3; ++step) m = std::nextafter(m, 0.0L);
    for (int step = 0; step < 7; ++step, m = std::nextafter(m, 20000.0L))
      ExpectSameDraws(PlainCounts, m, 1, start);
  }
  EXPECT_GE(inBand, 8);
}

TEST(DistPoissonTest, SameDrawsAsAnUnboundedExponent) {
  // 20 000 needs one level of 2^−16000, 54 400 four.
  struct Case {
    long double m;
    std::int32_t n;
    std::uint32_t seed;
  };
  constexpr Case kCases[] = {{11300, 20, 3}, {20000, 30, 17}, {54400, 30, 29}};
  for (const Case& c : kCases) ExpectSameDraws(UnboundedCounts, c.m, c.n, c.seed);
}

TEST(DistPoissonTest, SeriesStatisticsMatchTheCounts) {
  Arrays a;
  UniformRandom::setState(2024);
  const std::int32_t n = 5000;
  const PoissonSeries series = DistPoisson(27.2L, n, a.values, a.hist);
  std::int64_t sum = 0, sumOfSquares = 0;
  std::int32_t smallest = 1 << 30, largest = 0;
  std::vector<std::int32_t> hist(kArraySize, 0);
  for (std::int32_t k = 1; k <= n; ++k) {
    const std::int32_t c = a.values[static_cast<std::size_t>(k)];
    sum += c;
    sumOfSquares += static_cast<std::int64_t>(c) * c;
    smallest = std::min(smallest, c);
    largest = std::max(largest, c);
    ++hist[static_cast<std::size_t>(c)];
  }
  EXPECT_EQ(a.hist, hist);  // every entry of 0 … 1 000 000, the untouched ones zeroed
  EXPECT_EQ(series.mean, static_cast<long double>(sum) / n);
  const long double mean = static_cast<long double>(sum) / n;
  EXPECT_EQ(series.standardDeviation, std::sqrt(static_cast<long double>(sumOfSquares) / n - mean * mean));
  EXPECT_EQ(series.max, largest);
  EXPECT_EQ(series.belowSmallest, smallest - 1);
}

TEST(DistPoissonTest, FollowsThePoissonLawAtLargeMeans) {
  // n draws of a Poisson law: the sample mean has standard error √(m/n) and the sample
  // deviation about √m / √(2n); 5 standard errors leave a fixed seed no room for luck.
  struct Case {
    long double m;
    std::int32_t n;
    std::uint32_t seed;
  };
  constexpr Case kCases[] = {{13600, 3000, 1}, {20000, 3000, 2}, {54400, 2000, 3}};
  for (const Case& c : kCases) {
    Arrays a;
    UniformRandom::setState(c.seed);
    const PoissonSeries series = DistPoisson(c.m, c.n, a.values, a.hist);
    const long double sigma = std::sqrt(c.m);
    EXPECT_NEAR(series.mean, c.m, 5 * sigma / std::sqrt(static_cast<long double>(c.n))) << c.m;
    EXPECT_NEAR(series.standardDeviation, sigma, 5 * sigma / std::sqrt(2.0L * c.n)) << c.m;
    EXPECT_GT(series.belowSmallest, c.m - 7 * sigma);
    EXPECT_LT(series.max, c.m + 7 * sigma);
  }
}

TEST(DistPoissonTest, SmallestActivityMeanGivesManyZeros) {
  Arrays a;
  UniformRandom::setState(85);
  const std::int32_t n = 10000;
  const PoissonSeries series = DistPoisson(0.85L, n, a.values, a.hist);
  const auto zeros = std::count(a.values.begin() + 1, a.values.begin() + n + 1, 0);
  EXPECT_EQ(a.hist[0], zeros);
  // P(0) = e^−0.85 ≈ 0.427; 5 standard errors of a binomial proportion over 10 000.
  EXPECT_NEAR(zeros, n * std::exp(-0.85L), 5 * std::sqrt(n * 0.427L * 0.573L));
  EXPECT_EQ(series.belowSmallest, 0);
  EXPECT_NEAR(series.mean, 0.85L, 5 * std::sqrt(0.85L / n));
}

TEST(DistPoissonTest, EqualCountsHaveZeroDeviation) {
  // A mean of 0 stops every measurement at its first factor (p < 1 = e^0): all counts are 0.
  Arrays a;
  UniformRandom::setState(5);
  const PoissonSeries zeros = DistPoisson(0, 1000, a.values, a.hist);
  EXPECT_EQ(zeros.standardDeviation, 0.0L);
  EXPECT_EQ(zeros.mean, 0.0L);
  EXPECT_EQ(zeros.max, 0);
  EXPECT_EQ(a.hist[0], 1000);
  // A single measurement of 27-odd counts: mean² = sumsq exactly.
  const PoissonSeries single = DistPoisson(27.2L, 1, a.values, a.hist);
  EXPECT_GT(single.mean, 0);
  EXPECT_EQ(single.standardDeviation, 0.0L);
  EXPECT_FALSE(std::isnan(single.standardDeviation));
}

// A host that asks for a stop at its [stopAt]-th look.
class StopAfterHost final : public RunHost {
 public:
  explicit StopAfterHost(int stopAt) : stopAt_(stopAt) {}
  void yieldItem() override { ++yields; }
  void yieldStage() override {}
  bool stopRequested() const override { return yields >= stopAt_; }
  void sleepMs(int) override {}
  int yields = 0;

 private:
  int stopAt_;
};

TEST(DistPoissonTest, StopRequestCutsTheSeries) {
  Arrays a;
  const long double m = 27.2L;
  const std::int32_t stride = static_cast<std::int32_t>(65536 / (m + 1));  // 2323 measurements
  StopAfterHost host(2);
  UniformRandom::setState(31);
  const PoissonSeries series = DistPoisson(m, 1'000'000, a.values, a.hist, &host);
  EXPECT_EQ(host.yields, 2);
  ASSERT_EQ(series.count, 2 * stride);
  EXPECT_EQ(a.values[static_cast<std::size_t>(series.count) + 1], -7);
  EXPECT_EQ(std::accumulate(a.hist.begin(), a.hist.end(), std::int64_t{0}), series.count);
  // The counts and the generator are those of an uncut series of the same length.
  std::uint32_t seed = 31;
  const std::vector<std::int32_t> expected = PlainCounts(m, series.count, seed);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), a.values.begin() + 1));
  EXPECT_EQ(UniformRandom::state(), seed);
  const long double sum = std::accumulate(expected.begin(), expected.end(), 0.0L);
  EXPECT_EQ(series.mean, sum / series.count);
}

TEST(DistPoissonTest, HostSeesTheWholeRunWithoutStop) {
  Arrays a;
  StopAfterHost host(1'000'000);
  UniformRandom::setState(8);
  const PoissonSeries series = DistPoisson(544, 1000, a.values, a.hist, &host);
  EXPECT_EQ(series.count, 1000);
  // 65 536 / 545 = 120 measurements between looks: 8 looks before the end, none after it.
  EXPECT_EQ(host.yields, 8);
}

TEST(DistPoissonTest, BadSizesRaiseRangeError) {
  Arrays a;
  std::vector<std::int32_t> small(100);
  EXPECT_THROW(DistPoisson(27.2L, 0, a.values, a.hist), RangeError);
  EXPECT_THROW(DistPoisson(27.2L, kMaxMeasurements + 1, a.values, a.hist), RangeError);
  EXPECT_THROW(DistPoisson(27.2L, 100, small, a.hist), RangeError);
  EXPECT_THROW(DistPoisson(27.2L, 10, a.values, small), RangeError);
  EXPECT_THROW(DistPoisson(std::numeric_limits<long double>::quiet_NaN(), 10, a.values, a.hist), FloatError);
}

}  // namespace
}  // namespace noyalis::kernel
