// The Poisson means of the three experiments, their ties to even and the clamps.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "experiments/source/count_means.h"

namespace noyalis::source {
namespace {

// The aluminium absorbers and lead plates [mm] and the distances [m] of the laboratory.
constexpr std::array<long double, 13> kAluminiumMm = {0,    0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L,
                                                      0.7L, 0.8L, 0.9L, 1,    2,    3};
constexpr std::array<long double, 5> kLeadMm = {0, 5, 10, 15, 20};
constexpr std::array<long double, 5> kDistancesM = {0.03L, 0.0425L, 0.06L, 0.085L, 0.12L};

TEST(BetaMeans, TenSecondsGiveTheTableAcrossTheThirteenAbsorbers) {
  static_assert(std::numeric_limits<long double>::digits == 64);
  const std::array<std::int32_t, 13> expected = {2620, 1177, 529, 238, 107, 48, 22, 10, 4, 2, 1, 1, 1};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const BetaGammaMeans m = BetaMeans(10'000, kAluminiumMm[k]);
    EXPECT_EQ(m.beta, expected[k]) << kAluminiumMm[k] << " mm";
    EXPECT_EQ(m.gamma, 152) << kAluminiumMm[k] << " mm";
  }
}

TEST(BetaMeans, TiesGoToEvenAndSmallMeansBecomeOne) {
  struct Case {
    std::int32_t timeMs;
    long double mm;
    std::int32_t beta, gamma;
  };
  const Case cases[] = {
      {625, 0, 164, 10},    // gamma 9.5 → 10
      {1875, 0, 491, 28},   // gamma 28.5 → 28 (beta 491.25)
      {750, 0, 196, 11},    // beta 196.5 → 196, gamma 11.4
      {500, 0, 131, 8},     // gamma 7.6 → 8
      {500, 1, 1, 8},       // beta 0.044 rounds to 0, handed on as 1
      {500, 0.5L, 2, 8},    // beta 2.39 → 2 stays 2
      {20'000, 3, 1, 304},  // beta 0.02 → 1
  };
  for (const Case& c : cases) {
    const BetaGammaMeans m = BetaMeans(c.timeMs, c.mm);
    EXPECT_EQ(m.beta, c.beta) << c.timeMs << " ms, " << c.mm << " mm";
    EXPECT_EQ(m.gamma, c.gamma) << c.timeMs << " ms, " << c.mm << " mm";
  }
}

TEST(LeadMean, TablesTiesAndNoClamp) {
  const std::array<std::int32_t, 5> at10s = {200, 128, 81, 52, 33};
  const std::array<std::int32_t, 5> at500ms = {10, 6, 4, 3, 2};  // 1.65 at 20 mm rounds up to 2
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(LeadMean(10'000, kLeadMm[k]), at10s[k]) << k;
    EXPECT_EQ(LeadMean(500, kLeadMm[k]), at500ms[k]) << k;
  }
  EXPECT_EQ(LeadMean(525, 0), 10);  // 10.5
  EXPECT_EQ(LeadMean(575, 0), 12);  // 11.5
}

TEST(DistanceMean, InverseSquareAtOneSecondAndTheExtremes) {
  const std::array<std::int32_t, 5> at1s = {560, 279, 140, 70, 35};
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(DistanceMean(1000, kDistancesM[k]), at1s[k]) << k;
  EXPECT_EQ(DistanceMean(50, 0.12L), 2);  // 1.75
  EXPECT_EQ(DistanceMean(100'000, 0.03L), 56'000);
}

}  // namespace
}  // namespace noyalis::source
