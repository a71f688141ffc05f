// Series of measurements at a slot: the order of the draws, the exact sums, the deviation and its
// floor, deleting and re-measuring, a stopped series, and the real draws' statistics.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

#include "experiments/absorption/counting_series.h"
#include "experiments/absorption/slot_experiment.h"
#include "kernel/error.h"
#include "kernel/poisson_table.h"

namespace noyalis::absorption {
namespace {

// Draws scripted block by block; records the means asked for, in order.
struct Script {
  static inline std::deque<std::vector<std::int32_t>> blocks;
  static inline std::vector<std::int32_t> meansAsked;
  static void Draw(std::int32_t m, std::int32_t n, std::span<std::int32_t> out) {
    meansAsked.push_back(m);
    const std::vector<std::int32_t> block = blocks.front();
    blocks.pop_front();
    for (std::int32_t i = 1; i <= n; ++i) out[i] = block[static_cast<std::size_t>(i - 1)];
  }
  static void Set(std::initializer_list<std::vector<std::int32_t>> b) {
    blocks.assign(b);
    meansAsked.clear();
  }
};

class StopAfter final : public kernel::RunHost {
 public:
  explicit StopAfter(int items) : left_(items) {}
  void yieldItem() override { --left_; }
  void yieldStage() override {}
  bool stopRequested() const override { return left_ <= 0; }
  void sleepMs(int) override {}

 private:
  int left_;
};

TEST(CountingSeries, SumsTheBlocksDrawnInOrderWithThePopulationDeviation) {
  struct Case {
    const char* what;
    std::vector<std::int32_t> means;
    std::vector<std::vector<std::int32_t>> blocks;
    long double mean, deviation, total;
  };
  const Case cases[] = {
      {"beta then gamma", {2620, 152}, {{10, 12}, {0, 4}}, 13, 3, 26},  // counts 10, 16
      {"N = 2 equal counts: the floor", {200}, {{7, 7}}, 7, 0.00001L, 14},
      {"N = 2: half the gap", {200}, {{3, 8}}, 5.5L, 2.5L, 11},
      {"four counts", {9}, {{10, 12, 12, 14}}, 12, std::sqrt(2.0L), 48},
      {"all zero: a mean of 0", {2}, {{0, 0}}, 0, 0.00001L, 0},
  };
  for (const Case& c : cases) {
    Script::blocks.assign(c.blocks.begin(), c.blocks.end());
    Script::meansAsked.clear();
    CountingSeries series(&Script::Draw);
    kernel::NullRunHost host;
    std::vector<long double> running;
    const auto r = series.run(c.means, static_cast<std::int32_t>(c.blocks[0].size()), host,
                              [&](std::int32_t, long double total) { running.push_back(total); });
    ASSERT_TRUE(r) << c.what;
    EXPECT_EQ(Script::meansAsked, c.means) << c.what;
    EXPECT_EQ(r->mean, c.mean) << c.what;
    EXPECT_NEAR(static_cast<double>(r->deviation), static_cast<double>(c.deviation), 1e-15) << c.what;
    EXPECT_EQ(r->total, c.total) << c.what;
    EXPECT_EQ(running.back(), c.total) << c.what;
    EXPECT_EQ(running.size(), c.blocks[0].size()) << c.what;
  }
}

TEST(CountingSeries, RefusesASizeOutsideTheArrays) {
  CountingSeries series(&Script::Draw);
  kernel::NullRunHost host;
  const std::int32_t means[] = {5};
  EXPECT_THROW(series.run(means, 10'001, host), kernel::RangeError);
  EXPECT_THROW(series.run(means, 0, host), kernel::RangeError);
}

TEST(MeasureSlot, DeletesMeasuresAgainAndStopsWithTheSlotDeleted) {
  SlotTable& table = LeadAbsorptionTable();
  table.reset();
  CountingSeries series(&Script::Draw);
  kernel::NullRunHost host;

  Script::Set({{10, 12}});
  ASSERT_TRUE(MeasureSlot(kLeadExperiment, 2, 2, 10'000, series, host));
  EXPECT_EQ(Script::meansAsked, std::vector<std::int32_t>{81});
  EXPECT_TRUE(table.measured(2));
  EXPECT_EQ(table[2].position, 10);
  EXPECT_EQ(table[2].mean, 11);
  EXPECT_EQ(table[2].deviation, 1);

  // A second series replaces the first.
  Script::Set({{4, 4}});
  ASSERT_TRUE(MeasureSlot(kLeadExperiment, 2, 2, 10'000, series, host));
  EXPECT_EQ(table[2].mean, 4);
  EXPECT_EQ(table[2].deviation, 0.00001L);

  // A series stopped half way stores nothing: the slot stays deleted, its position kept.
  Script::Set({{1, 2, 3, 4}});
  StopAfter stop(2);
  EXPECT_FALSE(MeasureSlot(kLeadExperiment, 2, 4, 10'000, series, stop));
  EXPECT_FALSE(table.measured(2));
  EXPECT_EQ(table[2].mean, 0);
  EXPECT_EQ(table[2].position, 10);

  // The tables of the three screens are separate.
  AbsorptionTable().reset();
  Script::Set({{9, 9}, {1, 1}});
  ASSERT_TRUE(MeasureSlot(kBetaExperiment, 2, 2, 10'000, series, host));
  EXPECT_EQ(Script::meansAsked, (std::vector<std::int32_t>{529, 152}));
  EXPECT_EQ(AbsorptionTable()[2].mean, 10);
  EXPECT_FALSE(LeadAbsorptionTable().measured(2));
  EXPECT_FALSE(DistanceTable().measured(2));
}

// With the real sampler: the statistics of large series.
TEST(MeasureSlot, RealDrawsHaveThePoissonStatisticsOfTheirModels) {
  CountingSeries series(&kernel::PoissonTableDraw);
  kernel::NullRunHost host;
  AbsorptionTable().reset();
  struct Case {
    const char* what;
    const SlotExperiment& experiment;
    int slot;
    std::int32_t timeMs;
    double mean;      // expected mean [counts]
    double variance;  // expected variance: the sum of the independent blocks' means
  };
  const Case cases[] = {
      {"1 mm: 152 gamma + 1 beta", kBetaExperiment, 10, 10'000, 153, 153},
      {"3 mm", kBetaExperiment, 12, 10'000, 153, 153},
      // Beta and gamma independent: the variance adds up. Drawn from the same generator stream
      // they would be correlated and the variance would be near 4 000.
      {"0 mm: 2620 beta + 152 gamma", kBetaExperiment, 0, 10'000, 2772, 2772},
      {"3 cm, 100 s: μ = 56 000", kDistanceExperiment, 0, 100'000, 56'000, 56'000},
      {"12 cm, 50 ms: μ = 2", kDistanceExperiment, 4, 50, 2, 2},
  };
  constexpr std::int32_t n = 10'000;
  for (const Case& c : cases) {
    const auto r = MeasureSlot(c.experiment, c.slot, n, c.timeMs, series, host);
    ASSERT_TRUE(r) << c.what;
    // Five standard errors of the mean; the variance's relative error is about √(2/n) = 1.4 %.
    EXPECT_NEAR(static_cast<double>(r->mean), c.mean, 5 * std::sqrt(c.variance / n)) << c.what;
    const double variance = static_cast<double>(r->deviation * r->deviation);
    EXPECT_NEAR(variance / c.variance, 1.0, 0.08) << c.what;
  }
  EXPECT_NEAR(static_cast<double>(DistanceTable()[0].deviation), 236.6, 10);
}

}  // namespace
}  // namespace noyalis::absorption
