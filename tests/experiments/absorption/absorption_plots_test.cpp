// The plots' data: the measured list with its error bars, the smoothed curve, the beta points and
// their fit with its refusals, the lead fit and the inverse-square fit.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <vector>

#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/beta_plot.h"
#include "experiments/absorption/distance_plot.h"
#include "experiments/absorption/lead_plot.h"
#include "experiments/absorption/log_curve.h"
#include "experiments/source/count_means.h"

namespace noyalis::absorption {
namespace {

struct Measured {
  int slot;
  long double mean, deviation;
};

SlotTable Table(const std::span<const long double> positions, std::initializer_list<Measured> slots) {
  SlotTable t(static_cast<int>(positions.size()));
  for (const Measured& m : slots) t.store(m.slot, positions[m.slot], m.mean, m.deviation);
  return t;
}

// The beta screen with every slot at its model mean (beta + gamma) for 10 s, deviation √mean.
SlotTable ModelBetaTable(std::initializer_list<int> slots) {
  SlotTable t(13);
  for (int k : slots) {
    const source::BetaGammaMeans m = source::BetaMeans(10'000, beta::kThicknessMm[k]);
    const long double mean = m.beta + m.gamma;
    t.store(k, beta::kThicknessMm[k], mean, std::sqrt(mean));
  }
  return t;
}

TEST(MeasuredList, HeightsBarsAndTheSlotsLeftOut) {
  const SlotTable t =
      Table(beta::kThicknessMm, {{0, 1000, 20}, {5, 500, 25}, {7, 0, 0.00001L}, {12, 250, 5}});
  const std::vector<CurvePoint> list = MeasuredList(t);
  // 0.7 mm was measured with a mean of 0: it has no logarithm, so no point and no bar.
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].height, 0);
  EXPECT_NEAR(static_cast<double>(list[0].halfBar), 0.04, 1e-15);  // 2 × S1 / M1
  EXPECT_EQ(list[1].x, 0.5L);
  EXPECT_NEAR(static_cast<double>(list[1].height), std::log(0.5), 1e-15);
  EXPECT_NEAR(static_cast<double>(list[1].halfBar), 0.02 + 0.05, 1e-15);
  EXPECT_NEAR(static_cast<double>(list[2].halfBar), 0.02 + 0.02, 1e-15);
  // No measurement at 0 mm: no list at all.
  EXPECT_TRUE(MeasuredList(Table(beta::kThicknessMm, {{3, 100, 1}})).empty());
}

TEST(SmoothedCurve, EdgeCases) {
  struct Case {
    const char* what;
    std::vector<CurvePoint> points;
    std::vector<PlotPoint> expected;
  };
  const Case cases[] = {
      {"one point: twice", {{0, 10, 0, 0.1L}}, {{0, 0}, {0, 0}}},
      {"two points: joined", {{0, 10, 0, 0.1L}, {1, 5, -1, 0.2L}}, {{0, 0}, {1, -1}}},
      // Middle: J = −1.5 on the chord, K = J + (−0.9 − J) / 3 = −1.3, within the bar ±0.5.
      {"pulled a third of the way",
       {{0, 0, 0, 0.1L}, {1, 0, -0.9L, 0.5L}, {2, 0, -3, 0.1L}},
       {{0, 0}, {1, -1.3L}, {2, -3}}},
      // Same, bar ±0.1: K held at the top of the bar, −0.8 … −1.0.
      {"held within its bar",
       {{0, 0, 0, 0.1L}, {1, 0, -0.9L, 0.1L}, {2, 0, -3, 0.1L}},
       {{0, 0}, {1, -1.0L}, {2, -3}}},
      // Unequal gaps: J at x = 0.5 between (0, 0) and (3, −3) is −0.5; the point lies above.
      {"0, 0.5 and 3 mm",
       {{0, 0, 0, 0.1L}, {0.5L, 0, 0.4L, 0.05L}, {3, 0, -3, 0.1L}},
       {{0, 0}, {0.5L, 0.35L}, {3, -3}}},
  };
  for (const Case& c : cases) {
    const std::vector<PlotPoint> curve = SmoothedCurve(c.points);
    ASSERT_EQ(curve.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < curve.size(); ++i) {
      EXPECT_EQ(curve[i].x, c.expected[i].x) << c.what << " point " << i;
      EXPECT_NEAR(static_cast<double>(curve[i].y), static_cast<double>(c.expected[i].y), 1e-15)
          << c.what << " point " << i;
    }
  }
}

TEST(BetaPlot, AllThirteenSlotsFitNearMinusEightPerMm) {
  BetaPointArray points{};
  const BetaPlot plot = PlotBeta(ModelBetaTable({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), points);
  ASSERT_EQ(plot.outcome, BetaPlot::Outcome::Drawn);
  ASSERT_EQ(plot.points.size(), 7u);
  EXPECT_EQ(plot.points.front().y, 0);
  EXPECT_EQ(plot.points.back().x, 0.6L);
  ASSERT_TRUE(plot.slope);
  EXPECT_NEAR(static_cast<double>(*plot.slope), -8, 0.1);
  ASSERT_EQ(plot.line.size(), 8u);
  EXPECT_EQ(plot.line.back().x, 0.7L);
  for (const PlotPoint& p : plot.line) EXPECT_EQ(p.y, *plot.slope * p.x);
  // The process-wide entries hold all thirteen, the 3 mm one with D = Y = 0.
  EXPECT_EQ(points[13].X, 3);
  EXPECT_EQ(points[13].Y, 0);
  EXPECT_EQ(points[14].X, 0);
}

TEST(BetaPlot, AFourSlotPlotAfterAThirteenSlotPlotUsesNoStaleEntry) {
  BetaPointArray points{};
  PlotBeta(ModelBetaTable({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), points);
  const BetaPlot plot = PlotBeta(ModelBetaTable({0, 1, 5, 12}), points);
  ASSERT_EQ(plot.outcome, BetaPlot::Outcome::Drawn);
  // 0, 0.1 and 0.5 mm; not 3 mm (its D is 0) nor the 0.6 … 0.9 mm entries the first plot left.
  ASSERT_EQ(plot.points.size(), 3u);
  EXPECT_EQ(plot.points[2].x, 0.5L);
  ASSERT_EQ(plot.line.size(), 3u);
  EXPECT_EQ(plot.line.back().x, 0.5L);
  EXPECT_NEAR(static_cast<double>(*plot.slope), -8, 0.1);
  // The entries after this plot's four keep what the first plot left.
  EXPECT_EQ(points[4].X, 3);
  EXPECT_EQ(points[5].X, 0.4L);
  // The same plot twice gives the same points.
  const BetaPlot again = PlotBeta(ModelBetaTable({0, 1, 5, 12}), points);
  EXPECT_EQ(again.points.size(), plot.points.size());
  EXPECT_EQ(*again.slope, *plot.slope);
}

TEST(BetaPlot, Refusals) {
  struct Case {
    const char* what;
    SlotTable table;
    BetaPlot::Outcome outcome;
  };
  const Case cases[] = {
      {"no 0 mm", Table(beta::kThicknessMm, {{5, 200, 1}, {12, 150, 1}}),
       BetaPlot::Outcome::MissingMeasurements},
      {"no 3 mm", Table(beta::kThicknessMm, {{0, 200, 1}, {5, 170, 1}}),
       BetaPlot::Outcome::MissingMeasurements},
      {"nothing", SlotTable(13), BetaPlot::Outcome::MissingMeasurements},
      {"N0 equal to M3", Table(beta::kThicknessMm, {{0, 150, 1}, {5, 170, 1}, {12, 150, 1}}),
       BetaPlot::Outcome::NoBetaAtZero},
      {"N0 below M3", Table(beta::kThicknessMm, {{0, 149, 1}, {12, 150, 1}}),
       BetaPlot::Outcome::NoBetaAtZero},
  };
  for (const Case& c : cases) {
    BetaPointArray points{};
    const BetaPlot plot = PlotBeta(c.table, points);
    EXPECT_EQ(plot.outcome, c.outcome) << c.what;
    EXPECT_TRUE(plot.points.empty()) << c.what;
    EXPECT_TRUE(plot.line.empty()) << c.what;
    EXPECT_FALSE(plot.slope) << c.what;
  }
  // Only 0 mm and 3 mm: the one beta point at the origin, nothing to fit a slope to.
  BetaPointArray points{};
  const BetaPlot plot = PlotBeta(Table(beta::kThicknessMm, {{0, 2772, 1}, {12, 153, 1}}), points);
  EXPECT_EQ(plot.outcome, BetaPlot::Outcome::Drawn);
  EXPECT_EQ(plot.points.size(), 1u);
  EXPECT_FALSE(plot.slope);
  EXPECT_TRUE(plot.line.empty());
}

TEST(LeadPlot, FitsRefusalsAndTheUndefinedMeasure) {
  // Two points: the line passes through the second exactly and d = 1.
  const LeadPlot two = PlotLead(Table(lead::kThicknessMm, {{0, 200, 14}, {2, 81, 9}}));
  ASSERT_FALSE(two.refused);
  EXPECT_NEAR(static_cast<double>(two.slope), std::log(81.0 / 200) / 10, 1e-15);
  ASSERT_TRUE(two.fit);
  EXPECT_NEAR(static_cast<double>(*two.fit), 1, 1e-15);
  EXPECT_EQ(two.points.size(), 2u);

  // All five at the model's means: slope near −0.09 per mm, d near 1.
  SlotTable all(5);
  for (int k = 0; k < 5; ++k)
    all.store(k, lead::kThicknessMm[k], source::LeadMean(10'000, lead::kThicknessMm[k]), 5);
  const LeadPlot five = PlotLead(all);
  EXPECT_NEAR(static_cast<double>(five.slope), -0.09, 0.003);
  EXPECT_NEAR(static_cast<double>(*five.fit), 1, 0.01);

  // Every mean equal to N0: slope 0 and no fit measure (0/0), never NaN.
  const LeadPlot flat = PlotLead(Table(lead::kThicknessMm, {{0, 50, 7}, {1, 50, 7}, {4, 50, 7}}));
  ASSERT_FALSE(flat.refused);
  EXPECT_EQ(flat.slope, 0);
  EXPECT_FALSE(flat.fit);

  // Refused: 0 mm alone, a plate without 0 mm, a plate whose mean is 0 (no logarithm).
  EXPECT_TRUE(PlotLead(Table(lead::kThicknessMm, {{0, 200, 1}})).refused);
  EXPECT_TRUE(PlotLead(Table(lead::kThicknessMm, {{1, 128, 1}, {2, 81, 1}})).refused);
  const LeadPlot zero = PlotLead(Table(lead::kThicknessMm, {{0, 10, 3}, {4, 0, 0.00001L}}));
  EXPECT_TRUE(zero.refused);
  EXPECT_TRUE(zero.points.empty());
}

TEST(DistancePlot, InverseSquareFitAndItsRefusal) {
  SlotTable all(5);
  for (int k = 0; k < 5; ++k)
    all.store(k, distance::kDistanceM[k], source::DistanceMean(1000, distance::kDistanceM[k]), 3);
  const DistancePlot plot = PlotDistance(all);
  ASSERT_FALSE(plot.refused);
  EXPECT_NEAR(static_cast<double>(plot.slope), 0.504, 0.001);
  EXPECT_NEAR(static_cast<double>(*plot.r2), 1, 0.001);
  ASSERT_EQ(plot.points.size(), 5u);
  EXPECT_NEAR(static_cast<double>(plot.points[0].inverseSquare), 1 / 0.0009, 1e-9);

  // Without 3 cm: four points, 4.25 cm first.
  SlotTable four = all;
  four.erase(0);
  const DistancePlot without = PlotDistance(four);
  ASSERT_EQ(without.points.size(), 4u);
  EXPECT_EQ(without.points[0].mean, 279);

  // A mean of 0 is a measured point here (drawn at 0); all means 0: no r².
  const DistancePlot zeros = PlotDistance(Table(distance::kDistanceM, {{3, 0, 0.00001L}, {4, 0, 0.00001L}}));
  ASSERT_FALSE(zeros.refused);
  EXPECT_EQ(zeros.slope, 0);
  EXPECT_FALSE(zeros.r2);
  EXPECT_EQ(zeros.points.size(), 2u);

  EXPECT_TRUE(PlotDistance(Table(distance::kDistanceM, {{2, 140, 3}})).refused);
  EXPECT_TRUE(PlotDistance(SlotTable(5)).refused);
}

}  // namespace
}  // namespace noyalis::absorption
