// The thickness-series model: the means behind each screen, the cap and the durations, the order
// tally, the run over scripted counts, and the proportions of a real run against the Poisson law.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "experiments/source/count_means.h"
#include "experiments/thickness_series/class_duration.h"
#include "experiments/thickness_series/thickness_series_constants.h"
#include "experiments/thickness_series/thickness_series_run.h"
#include "kernel/error.h"
#include "kernel/number_format.h"
#include "kernel/poisson_table.h"
#include "kernel/uniform_random.h"
#include "support/stopping_host.h"

namespace noyalis::thickness_series {
namespace {

using test::StoppingHost;

// The Poisson table sampler from the current generator state, without the clock reseed, so that
// a run is the same at every test.
void SeededTableDraw(std::int32_t m, std::int32_t n, std::span<std::int32_t> out, kernel::RunHost&) {
  const kernel::PoissonTable table(m);
  for (std::int32_t k = 1; k <= n; ++k) out[static_cast<std::size_t>(k)] = table.drawOne();
}

TEST(ThicknessSeriesMeansTest, BetaAndGammaMeansPerScreen) {
  struct Case {
    std::int32_t t;
    long double x;
    std::int32_t beta, gamma;
  };
  // e^-8 × T × 0.524: 1.758 at 10 s (2), 3.516 at 20 s (4), 175.8 at 1000 s; every beta mean
  // behind 2 and 3 mm rounds to 0 and is raised to 1. 0.0304 gamma counts per ms.
  constexpr Case kCases[] = {
      {10'000, 1, 2, 304},       {10'000, 2, 1, 304},       {10'000, 3, 1, 304},
      {500, 1, 1, 15},           {500, 3, 1, 15},           {1'000'000, 1, 176, 30'400},
      {1'000'000, 2, 1, 30'400}, {1'000'000, 3, 1, 30'400}, {20'000, 1, 4, 608},
      {525, 1, 1, 16},                             // γ = 15.96
      {550, 1, 1, 17},           {775, 1, 1, 24},  // γ = 16.72, 23.56
  };
  for (const Case& c : kCases) {
    const source::BetaGammaMeans m = source::BetaMeans(c.t, c.x, kRateFactorAt3cm);
    EXPECT_EQ(m.beta, c.beta) << "T " << c.t << " ms, " << static_cast<double>(c.x) << " mm";
    EXPECT_EQ(m.gamma, c.gamma) << "T " << c.t << " ms";
  }
}

TEST(ThicknessSeriesSizeTest, CapKeepsEveryRunInsideTheArrays) {
  struct Case {
    std::int32_t n, s, capped;
  };
  constexpr Case kCases[] = {
      {101, 9901, 9901},  // n × S = 1 000 001 is allowed
      {101, 9902, 9900},      {10'000, 101, 100}, {10'000, 100, 100}, {10, 100'000, 100'000},
      {11, 100'000, 90'909},  {5, 100, 100},      {10'000, 1, 1},     {2, 1, 1},
      {10'000, 100'000, 100},  // 10^9 measurements asked: no 32-bit product anywhere
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(CapSeries(c.n, c.s), c.capped) << c.n << " × " << c.s;
    EXPECT_LE(static_cast<std::int64_t>(c.n) * CapSeries(c.n, c.s), kMaxMeasurementsPerRun);
  }
}

TEST(ThicknessSeriesSizeTest, DurationsInEveryUnit) {
  struct Case {
    std::int32_t n, s, t;
    char separator;
    const char* series;
    std::array<const char*, 5> real;
  };
  const Case kCases[] = {
      {5,
       100,
       10'000,
       '.',
       "Durée des mesures = 0.83 min",
       {"5000 s", "83.3 min", "1.389 h", "0.058 j", "0.000 an"}},
      {5,
       100,
       10'000,
       ',',
       "Durée des mesures = 0,83 min",
       {"5000 s", "83,3 min", "1,389 h", "0,058 j", "0,000 an"}},
      {2, 1, 500, '.', "Durée des mesures = 0.02 min", {"1 s", "0.0 min", "0.000 h", "0.000 j", "0.000 an"}},
      // n × T = 10^10 ms and n × S × T = 10^12 ms.
      {10'000,
       100,
       1'000'000,
       '.',
       "Durée des mesures = 166666.67 min",
       {"1000000000 s", "16666666.7 min", "277777.778 h", "11574.074 j", "31.710 an"}},
      {101,
       9901,
       1'000'000,
       '.',
       "Durée des mesures = 1683.33 min",
       {"1000001000 s", "16666683.3 min", "277778.056 h", "11574.086 j", "31.710 an"}},
      // Before the cap the product reaches 10^15 ms.
      {10'000,
       100'000,
       1'000'000,
       '.',
       "Durée des mesures = 166666.67 min",
       {"1000000000000 s", "16666666666.7 min", "277777777.778 h", "11574074.074 j", "31709.792 an"}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(SeriesDurationText(c.n, c.t, c.separator), c.series);
    const std::array<std::string, 5> real = ClassDurationTexts(c.n, c.s, c.t, c.separator);
    for (std::size_t u = 0; u < real.size(); ++u)
      EXPECT_EQ(real[u], c.real[u]) << c.n << " × " << c.s << " × " << c.t;
  }
}

TEST(OrderTallyTest, CountsAndProportionsInTheShortestForm) {
  OrderTally tally(100);
  for (int k = 0; k < 17; ++k) EXPECT_EQ(tally.add(1, 3, 2), 5);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(tally.add(2, 2, 1), 0);
  EXPECT_EQ(kernel::FormatGeneral(static_cast<long double>(tally.count(5))), "17");
  EXPECT_EQ(kernel::FormatGeneral(tally.proportion(5)), "0.17");
  EXPECT_EQ(kernel::FormatGeneral(tally.proportion(5), ','), "0,17");
  for (int row : {1, 2, 3, 4, 6}) EXPECT_EQ(tally.count(row), 0);
  EXPECT_THROW(tally.count(0), kernel::RangeError);
  EXPECT_THROW(tally.count(7), kernel::RangeError);
  EXPECT_THROW(OrderTally(0), kernel::RangeError);

  OrderTally third(3);
  third.add(3, 2, 1);
  EXPECT_EQ(kernel::FormatGeneral(third.proportion(1)), "0.333333333333333");
}

TEST(ThicknessSeriesRunTest, SeriesMeansFromScriptedCounts) {
  SeriesRunData data;
  std::vector<std::pair<std::int32_t, std::int32_t>> calls;  // (mean, n)
  // Beta: measurement k counts k; gamma: 100 each.
  const CountDraw draw = [&](std::int32_t m, std::int32_t n, std::span<std::int32_t> out, kernel::RunHost&) {
    EXPECT_EQ(out.size(), std::size_t{1'000'003});
    for (std::int32_t k = 1; k <= n; ++k) out[static_cast<std::size_t>(k)] = calls.size() % 2 == 0 ? k : 100;
    calls.emplace_back(m, n);
  };
  StoppingHost host(1'000'000);
  ASSERT_TRUE(MeasureThickness(data, 0, {2, 3, 10'000}, host, draw));
  EXPECT_EQ(calls, (std::vector<std::pair<std::int32_t, std::int32_t>>{{2, 6}, {304, 6}}));
  // Series s holds measurements 2s − 1 and 2s: (4s − 1) / 2 + 100.
  for (std::int32_t s = 1; s <= 3; ++s) EXPECT_EQ(data.SeriesMeans[0][s], 2.0L * s + 99.5L) << "series " << s;
  EXPECT_EQ(host.yields, 2 + 6);  // two stages, one yield per measurement

  calls.clear();
  ASSERT_TRUE(MeasureThickness(data, 2, {2, 3, 1'000'000}, host, draw));
  EXPECT_EQ(calls.front(), std::make_pair(1, 6));
  EXPECT_EQ(calls.back(), std::make_pair(30'400, 6));
  EXPECT_EQ(MeanOfSeriesMeans(data, 2, 3), 103.5L);

  // A stop during the pass ends the thickness early.
  StoppingHost stopping(5);
  EXPECT_FALSE(MeasureThickness(data, 1, {2, 3, 10'000}, stopping, draw));
  EXPECT_LT(stopping.yields, 2 + 6);
  // A shape over the cap, or a fourth screen, is refused before any draw.
  calls.clear();
  EXPECT_THROW(MeasureThickness(data, 0, {101, 9902, 500}, host, draw), kernel::RangeError);
  EXPECT_THROW(MeasureThickness(data, 3, {2, 3, 500}, host, draw), kernel::RangeError);
  EXPECT_TRUE(calls.empty());
}

TEST(ThicknessSeriesRunTest, TableCountsYieldAfterEveryCount) {
  std::vector<std::int32_t> out(10'001, -7);
  StoppingHost host(1'000'000);
  PoissonTableCounts(304, 10'000, out, host);
  EXPECT_EQ(host.yields, 10'000);
  EXPECT_EQ(out[0], -7);
  const kernel::PoissonTable table(304);
  long double sum = 0;
  for (std::size_t k = 1; k < out.size(); ++k) {
    ASSERT_GE(out[k], table.lo());
    ASSERT_LE(out[k], table.hi());
    sum += out[k];
  }
  // The mean of 10 000 counts of mean 304 lies within 5 × √(304 / 10 000) of it.
  EXPECT_NEAR(static_cast<double>(sum / 10'000), 304.0, 5 * std::sqrt(304.0 / 10'000));
  EXPECT_THROW(PoissonTableCounts(304, 10'001, out, host), kernel::RangeError);
}

TEST(ThicknessSeriesRunTest, TallyOfEveryStrictOrderAndEveryTie) {
  struct Case {
    long double a, b, c;  // series means behind 1, 2 and 3 mm
    int row;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {3, 2, 1, 1}, {3, 1, 2, 2}, {2, 3, 1, 3}, {2, 1, 3, 4}, {1, 3, 2, 5}, {1, 2, 3, 6},
      // A tie in each pair, below and above the third mean, and all three equal.
      {2, 2, 1, 0}, {2, 2, 3, 0}, {2, 1, 2, 0}, {2, 3, 2, 0}, {1, 2, 2, 0}, {3, 2, 2, 0}, {2, 2, 2, 0},
      // Series means are multiples of 1/n, close together.
      {305.2L, 305.0L, 304.8L, 1}, {305.2L, 305.2L, 304.8L, 0},
  };
  // clang-format on
  constexpr auto kSeries = static_cast<std::int32_t>(std::size(kCases));
  SeriesRunData data;
  std::array<std::int64_t, kOrderRows + 1> expected{};
  for (std::int32_t s = 1; s <= kSeries; ++s) {
    const Case& c = kCases[s - 1];
    EXPECT_EQ(OrderRow(c.a, c.b, c.c), c.row) << "series " << s;
    data.SeriesMeans[0][s] = c.a, data.SeriesMeans[1][s] = c.b, data.SeriesMeans[2][s] = c.c;
    ++expected[static_cast<std::size_t>(c.row)];
  }
  StoppingHost host(1'000);
  int increments = 0;
  const std::optional<OrderTally> tally =
      TallyOrders(data, kSeries, host, [&](const OrderTally&) { ++increments; });
  ASSERT_TRUE(tally);
  EXPECT_EQ(increments, kSeries - expected[0]);  // one call per increment, none for a tie
  for (int row = 1; row <= kOrderRows; ++row) EXPECT_EQ(tally->count(row), expected[row]) << "row " << row;
  EXPECT_EQ(host.yields, kSeries);

  StoppingHost stopping(4);
  EXPECT_FALSE(TallyOrders(data, kSeries, stopping, [](const OrderTally&) {}));
  EXPECT_THROW(TallyOrders(data, kMaxSeries + 1, host, [](const OrderTally&) {}), kernel::RangeError);
}

// The law of the orders: a series sum behind a screen is Poisson with mean n × (β + γ). Returns
// the probabilities of rows 1 … 6 (index 0: a tie somewhere) for sums of means ma, mb, mc.
std::array<long double, 7> OrderLaw(long double ma, long double mb, long double mc) {
  const long double spread = 12 * std::sqrt(std::max({ma, mb, mc}));
  const auto lo = static_cast<std::int64_t>(std::max(0.0L, std::min({ma, mb, mc}) - spread));
  const auto hi = static_cast<std::int64_t>(std::max({ma, mb, mc}) + spread);
  // pmf and the cumulative law below v, on lo … hi.
  const auto table = [&](long double m) {
    std::vector<long double> pmf, below;
    long double cumulative = 0;
    for (std::int64_t v = lo; v <= hi; ++v) {
      const long double p = std::exp(v * std::log(m) - m - std::lgamma(static_cast<long double>(v) + 1));
      below.push_back(cumulative);
      pmf.push_back(p);
      cumulative += p;
    }
    return std::make_pair(pmf, below);
  };
  const auto [pa, belowA] = table(ma);
  const auto [pb, belowB] = table(mb);
  const auto [pc, belowC] = table(mc);
  const auto above = [](const std::vector<long double>& pmf, const std::vector<long double>& below,
                        std::size_t i) { return 1 - below[i] - pmf[i]; };
  std::array<long double, 7> p{};
  for (std::size_t i = 0; i < pa.size(); ++i) {
    p[1] += pb[i] * belowC[i] * above(pa, belowA, i);  // c < b < a
    p[2] += pc[i] * belowB[i] * above(pa, belowA, i);  // b < c < a
    p[3] += pa[i] * belowC[i] * above(pb, belowB, i);  // c < a < b
    p[4] += pa[i] * belowB[i] * above(pc, belowC, i);  // b < a < c
    p[5] += pc[i] * belowA[i] * above(pb, belowB, i);  // a < c < b
    p[6] += pb[i] * belowA[i] * above(pc, belowC, i);  // a < b < c
  }
  p[0] = 1 - (p[1] + p[2] + p[3] + p[4] + p[5] + p[6]);
  return p;
}

// Proportions of a whole run (table sampler from a fixed seed) against the law, within five
// standard deviations of a proportion over S series.
void ExpectProportionsFollowTheLaw(RunShape shape, const std::array<long double, 7>& law) {
  kernel::UniformRandom::setState(20'261'209);
  SeriesRunData data;
  kernel::NullRunHost host;
  for (int t = 0; t < 3; ++t) ASSERT_TRUE(MeasureThickness(data, t, shape, host, SeededTableDraw));
  const std::optional<OrderTally> tally = TallyOrders(data, shape.series, host, [](const OrderTally&) {});
  ASSERT_TRUE(tally);
  const auto expectNear = [&](long double measured, long double p, const char* what, int row) {
    const long double sigma = std::sqrt(p * (1 - p) / shape.series);
    EXPECT_NEAR(static_cast<double>(measured), static_cast<double>(p), static_cast<double>(5 * sigma + 1e-9))
        << what << " " << row;
  };
  long double strict = 0;
  for (int row = 1; row <= kOrderRows; ++row) {
    expectNear(tally->proportion(row), law[row], "row", row);
    strict += tally->proportion(row);
  }
  expectNear(1 - strict, law[0], "ties", 0);
  // The mean boxes: n × S measurements of mean β + γ behind each screen.
  for (int t = 0; t < 3; ++t) {
    const source::BetaGammaMeans m =
        source::BetaMeans(shape.countingTimeMs, kThicknessesMm[t], kRateFactorAt3cm);
    const long double mean = m.beta + m.gamma;
    EXPECT_NEAR(static_cast<double>(MeanOfSeriesMeans(data, t, shape.series)), static_cast<double>(mean),
                static_cast<double>(5 * std::sqrt(mean / (shape.measurements * shape.series))));
  }
}

TEST(ThicknessSeriesStatisticsTest, DefaultsFavourTheThinnestScreenOnlySlightly) {
  // n = 5, T = 10 s: sums of mean 5 × 306, 5 × 305 and 5 × 305.
  const std::array<long double, 7> law = OrderLaw(1530, 1525, 1525);
  // The thin screen lets one more beta count through: 1 mm comes out largest a little more often.
  const double expected[] = {0.02, 0.18, 0.18, 0.16, 0.16, 0.15, 0.15};
  for (int row = 0; row <= kOrderRows; ++row) EXPECT_NEAR(static_cast<double>(law[row]), expected[row], 0.01);
  ExpectProportionsFollowTheLaw({5, 20'000, 10'000}, law);
}

TEST(ThicknessSeriesStatisticsTest, StrongSignalPutsNearlyEverySeriesInTheFirstTwoRows) {
  // T = 1000 s: 30 576 counts behind 1 mm, 30 401 behind 2 and 3 mm.
  const std::array<long double, 7> law = OrderLaw(5 * 30'576.0L, 5 * 30'401.0L, 5 * 30'401.0L);
  EXPECT_GT(law[1] + law[2], 0.85L);
  ExpectProportionsFollowTheLaw({5, 3'000, 1'000'000}, law);
}

}  // namespace
}  // namespace noyalis::thickness_series
