// "Gauss ou Poisson ?" answered with numbers: the χ² law against printed tables, the merging of
// classes, and the verdict on simulated runs.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "experiments/activity/activity_run.h"
#include "experiments/activity/gauss_or_poisson.h"
#include "kernel/dist_poisson.h"
#include "kernel/error.h"
#include "kernel/run_host.h"
#include "kernel/uniform_random.h"

namespace noyalis::activity {
namespace {

// Critical values of the χ² law as printed in the usual tables (three decimals).
struct TableRow {
  int degreesOfFreedom;
  long double upperTail;
  long double criticalValue;
};

TEST(ChiSquareLaw, MatchesPrintedTables) {
  const TableRow rows[] = {
      {1, 0.05L, 3.841L},   {2, 0.05L, 5.991L},   {3, 0.05L, 7.815L},     {5, 0.05L, 11.070L},
      {10, 0.05L, 18.307L}, {30, 0.05L, 43.773L}, {1, 0.01L, 6.635L},     {4, 0.01L, 13.277L},
      {20, 0.01L, 37.566L}, {2, 0.10L, 4.605L},   {100, 0.05L, 124.342L}, {6, 0.95L, 1.635L},
  };
  for (const TableRow& r : rows) {
    SCOPED_TRACE(testing::Message() << "df " << r.degreesOfFreedom << ", tail "
                                    << static_cast<double>(r.upperTail));
    EXPECT_NEAR(ChiSquareCriticalValue(r.upperTail, r.degreesOfFreedom), r.criticalValue, 0.0006L);
    // At the printed value the p-value is the tail, within what three decimals allow.
    EXPECT_NEAR(ChiSquarePValue(r.criticalValue, r.degreesOfFreedom), r.upperTail, 2e-4L);
  }
  EXPECT_EQ(ChiSquarePValue(0, 3), 1.0L);
  EXPECT_THROW(ChiSquarePValue(1, 0), kernel::FloatError);
}

struct MergeCase {
  const char* name;
  std::vector<long double> expected;
  // Each class as (first, last, expected); observed counts are cell index + 1 summed.
  std::vector<ChiSquareClass> classes;
};

TEST(ChiSquareClasses, MergeFromBothTailsUntilFiveExpected) {
  const MergeCase cases[] = {
      {"tails merge, middle cells stand alone",
       {1, 2, 3, 10, 10, 3, 2, 1},
       {{10, 12, 6 + 0, 6}, {13, 13, 4, 10}, {14, 14, 5, 10}, {15, 17, 6 + 7 + 8, 6}}},
      {"every cell already large", {5, 7, 5}, {{10, 10, 1, 5}, {11, 11, 2, 7}, {12, 12, 3, 5}}},
      {"a short middle joins its smaller neighbour",
       {3, 2, 4, 2, 3},
       {{10, 12, 1 + 2 + 3, 9}, {13, 14, 4 + 5, 5}}},
      {"too little for two classes", {1, 2, 1}, {{10, 12, 6, 4}}},
  };
  for (const MergeCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<long double> observed;
    for (std::size_t i = 0; i < c.expected.size(); ++i) observed.push_back(i + 1);
    const std::vector<ChiSquareClass> got = MergeFromTails(10, observed, c.expected);
    ASSERT_EQ(got.size(), c.classes.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
      EXPECT_EQ(got[k].first, c.classes[k].first) << "class " << k;
      EXPECT_EQ(got[k].last, c.classes[k].last) << "class " << k;
      EXPECT_EQ(got[k].expected, c.classes[k].expected) << "class " << k;
    }
    // The classes tile the cells and keep every measurement.
    long double observedTotal = 0;
    for (std::size_t k = 0; k < got.size(); ++k) {
      observedTotal += got[k].observed;
      if (k > 0) {
        EXPECT_EQ(got[k].first, got[k - 1].last + 1);
      }
      if (got.size() > 1) {
        EXPECT_GE(got[k].expected, kMinExpectedPerClass);
      }
    }
    EXPECT_EQ(observedTotal, c.expected.size() * (c.expected.size() + 1) / 2);
  }
}

TEST(GaussOrPoisson, HistogramDegreesOfFreedomAndStatistic) {
  // 10 × 0, 20 × 1, 20 × 2, 10 × 3 … built by hand: mean 1.5, deviation √(190/60 − 2.25).
  std::vector<std::int32_t> histogram = {10, 20, 20, 10};
  const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(histogram);
  EXPECT_EQ(a.measurements, 60);
  EXPECT_NEAR(a.mean, 1.5L, 1e-15L);
  EXPECT_NEAR(a.deviation, std::sqrt(190.0L / 60 - 2.25L), 1e-15L);
  for (const LawFit* fit : {&a.poisson, &a.gauss}) {
    long double chi = 0, expected = 0;
    for (const ChiSquareClass& c : fit->classes) {
      chi += (c.observed - c.expected) * (c.observed - c.expected) / c.expected;
      expected += c.expected;
    }
    EXPECT_NEAR(expected, 60, 1e-12L) << "the end classes hold the tails";
    EXPECT_NEAR(fit->chiSquare, chi, 1e-12L);
  }
  EXPECT_EQ(a.poisson.degreesOfFreedom, static_cast<int>(a.poisson.classes.size()) - 2);
  EXPECT_EQ(a.gauss.degreesOfFreedom, static_cast<int>(a.gauss.classes.size()) - 3);
  // Poisson(1.5) puts 13.4 of 60 at 0 and 11.5 at 3 or more: classes 0, 1, 2, ≥3.
  ASSERT_EQ(a.poisson.classes.size(), 4u);
  EXPECT_NEAR(a.poisson.classes[0].expected, 60 * std::exp(-1.5L), 1e-12L);
}

TEST(GaussOrPoisson, NothingToTestWithoutSpread) {
  const std::vector<std::vector<std::int32_t>> histograms = {{}, {5}, {0, 0, 7}, {3, 1}};
  for (const auto& h : histograms) {
    const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(h);
    EXPECT_FALSE(a.gauss.testable);
    EXPECT_EQ(a.verdict, Verdict::TooFewMeasurements);
  }
}

// Simulated runs of 1 000 measurements: how often each law is rejected at 5 %.
struct Rejections {
  int poisson = 0, gauss = 0, bothFit = 0;
};

Rejections SimulatedRuns(long double m, int runs) {
  static ActivityRunData data;
  kernel::NullRunHost host;
  Rejections r;
  for (int run = 0; run < runs; ++run) {
    kernel::UniformRandom::setState(12345u + 7919u * run);
    EXPECT_TRUE(DrawCounts(data, m, 1000, host));
    const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(data);
    EXPECT_EQ(a.measurements, 1000);
    EXPECT_TRUE(a.poisson.testable && a.gauss.testable);
    r.poisson += a.poisson.rejected;
    r.gauss += a.gauss.rejected;
    r.bothFit += a.verdict == Verdict::BothFit;
  }
  return r;
}

TEST(GaussOrPoisson, SimulatedRunsAtMeanOneRejectGauss) {
  const Rejections r = SimulatedRuns(1, 20);
  EXPECT_GE(r.gauss, 18);   // the law is lopsided at this mean: χ² some 50 on 2 degrees of freedom
  EXPECT_LE(r.poisson, 4);  // 5 % of 20 runs is one; four or more happens with probability 1.6 %
}

TEST(GaussOrPoisson, SimulatedRunsAtLargeMeanRejectNeither) {
  const Rejections r = SimulatedRuns(54400, 8);
  EXPECT_LE(r.gauss, 2);
  EXPECT_LE(r.poisson, 2);
  EXPECT_GE(r.bothFit, 6);
}

}  // namespace
}  // namespace noyalis::activity
