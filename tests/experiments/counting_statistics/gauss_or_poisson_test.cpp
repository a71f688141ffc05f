// "Gauss ou Poisson ?" answered with numbers: the χ² law against printed tables, the merging of
// classes, the 5 % decision, the sentences, and the outcomes on simulated runs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "experiments/counting_statistics/gauss_or_poisson.h"
#include "experiments/counting_statistics/gauss_or_poisson_sentences.h"
#include "kernel/dist_poisson.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::counting_statistics {
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
  // The Gauss cells use the deviation less the 1/12 that rounding to whole counts adds:
  // σ = √(0.916667 − 0.083333) = 0.912871, and 60 · Φ((0.5 − 1.5) / σ) = 8.19965 (by hand with
  // Python's math.erf; without the correction it would be 8.88810).
  EXPECT_NEAR(a.gaussCellDeviation, 0.9128709291752768L, 1e-15L);
  ASSERT_EQ(a.gauss.classes.size(), 4u);
  EXPECT_NEAR(a.gauss.classes[0].expected, 8.199650348768944L, 1e-12L);
}

// Expected numbers worked out apart with Python's math module (Poisson terms, erfc for the χ² tails).
TEST(GaussOrPoisson, EndClassesHoldTheLawsTails) {
  // 50 counts of mean 2.2 up to 6: classes 0, 1, 2, 3 and 4 or more. Without its tail the last
  // class would expect 8.659 instead of 9.032.
  const std::vector<std::int32_t> histogram = {5, 12, 14, 10, 6, 2, 1};
  const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(histogram);
  const long double expected[] = {5.540157918116694L, 12.188347419856726L, 13.407182161842401L,
                                  9.831933585351095L, 9.032378914833084L};
  ASSERT_EQ(a.poisson.classes.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) EXPECT_NEAR(a.poisson.classes[k].expected, expected[k], 1e-12L) << k;
  EXPECT_EQ(a.poisson.classes.back().first, 4);
  EXPECT_EQ(a.poisson.classes.back().last, 6);
  EXPECT_EQ(a.poisson.degreesOfFreedom, 3);
  EXPECT_NEAR(a.poisson.chiSquare, 0.08477649407655906L, 1e-12L);
  EXPECT_NEAR(a.poisson.pValue, 0.9935995076385726L, 1e-12L);
  // A histogram may start at its first count: three empty cells less, the same answer.
  const std::vector<std::int64_t> padded = {0, 0, 0, 5, 12, 14, 10, 6, 2, 1},
                                  trimmed = {5, 12, 14, 10, 6, 2, 1};
  const GaussOrPoissonAnswer whole = AnswerGaussOrPoisson(padded), part = AnswerGaussOrPoisson(trimmed, 3);
  EXPECT_EQ(part.mean, whole.mean);
  EXPECT_EQ(part.gauss.chiSquare, whole.gauss.chiSquare);
  EXPECT_EQ(part.poisson.degreesOfFreedom, whole.poisson.degreesOfFreedom);
}

TEST(GaussOrPoisson, ALawLeftWithoutDegreesOfFreedomIsNotTestedButTheOtherIs) {
  // 20 counts of mean 2: both laws leave three classes (0–1, 2, 3 or more); with one parameter
  // Poisson keeps one degree of freedom (χ² 0.07737, p 0.78090), Gauss with two keeps none.
  const std::vector<std::int32_t> histogram = {2, 6, 5, 4, 3};
  const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(histogram);
  ASSERT_EQ(a.poisson.classes.size(), 3u);
  ASSERT_EQ(a.gauss.classes.size(), 3u);
  EXPECT_EQ(a.poisson.outcome, TestOutcome::NotRejected);
  EXPECT_NEAR(a.poisson.chiSquare, 0.07736797521431607L, 1e-12L);
  EXPECT_NEAR(a.poisson.pValue, 0.7808964523732065L, 1e-12L);
  EXPECT_EQ(a.gauss.degreesOfFreedom, 0);
  EXPECT_EQ(a.gauss.outcome, TestOutcome::NotTestable);
  EXPECT_EQ(LawSentence(CountLaw::Poisson, a.poisson.outcome, a.measurements, "FR"),
            "Loi de Poisson : non rejetée au seuil de 5 % avec ces 20 mesures.");
  EXPECT_EQ(LawSentence(CountLaw::Gauss, a.gauss.outcome, a.measurements, "UK"),
            "Gauss law: too few measurements to test it (20 give too few classes).");
}

// With one degree of freedom the 5 % critical value is 3.8415: χ² = 3.84 gives p = 0.050044 and
// χ² = 3.85 gives p = 0.049746 (erfc(√(χ²/2))). Three classes expecting 50 each, one parameter.
TEST(GaussOrPoisson, RejectedBelowFivePercentOnly) {
  for (const auto& [chiSquare, outcome] :
       {std::pair{3.84L, TestOutcome::NotRejected}, std::pair{3.85L, TestOutcome::Rejected}}) {
    const long double d = std::sqrt(chiSquare * 25);  // χ² = 2 d² / 50
    const LawFit fit = PearsonTest({{0, 0, 50 + d, 50}, {1, 1, 50 - d, 50}, {2, 2, 50, 50}}, 1);
    EXPECT_EQ(fit.degreesOfFreedom, 1);
    EXPECT_NEAR(fit.chiSquare, chiSquare, 1e-15L);
    EXPECT_EQ(fit.outcome, outcome) << static_cast<double>(chiSquare);
  }
  EXPECT_EQ(OutcomeOf(kSignificanceLevel), TestOutcome::NotRejected);
  EXPECT_EQ(OutcomeOf(std::nextafter(kSignificanceLevel, 0.0L)), TestOutcome::Rejected);
}

// Every sentence names the measurements and the level; none says that a law fits or holds.
TEST(GaussOrPoisson, SentencesInEveryLanguage) {
  const char* codes[] = {"FR", "UK", "IT", "ES", "DE"};
  const char* fits[] = {"convient", "fit", "adatt", "ajust", "passt"};
  for (const char* code : codes)
    for (auto outcome : {TestOutcome::NotTestable, TestOutcome::NotRejected, TestOutcome::Rejected})
      for (auto law : {CountLaw::Poisson, CountLaw::Gauss}) {
        const std::string text = LawSentence(law, outcome, 3000, code);
        EXPECT_NE(text.find("3000"), std::string::npos) << text;
        EXPECT_EQ(text.find('{'), std::string::npos) << text;
        EXPECT_NE(text.find(law == CountLaw::Poisson ? "Poisson" : "Gau"), std::string::npos) << text;
        const bool namesLevel =
            text.find("5 %") != std::string::npos || text.find("5-%") != std::string::npos;
        EXPECT_EQ(namesLevel, outcome != TestOutcome::NotTestable) << text;
        for (const char* word : fits) EXPECT_EQ(text.find(word), std::string::npos) << text;
      }
  EXPECT_EQ(LawSentence(CountLaw::Gauss, TestOutcome::Rejected, 100, "UK"),
            "Gauss law: rejected at 5 % with these 100 measurements.");
  EXPECT_EQ(LawSentence(CountLaw::Gauss, TestOutcome::Rejected, 100, "??"),
            LawSentence(CountLaw::Gauss, TestOutcome::Rejected, 100, "FR"));
  for (const char* code : codes) EXPECT_EQ(PValueNote(code).rfind("p ", 0), 0u) << code;
}

TEST(GaussOrPoisson, NothingToTestWithoutSpread) {
  const std::vector<std::vector<std::int32_t>> histograms = {{}, {5}, {0, 0, 7}, {3, 1}};
  for (const auto& h : histograms) {
    const GaussOrPoissonAnswer a = AnswerGaussOrPoisson(h);
    EXPECT_FALSE(a.gauss.testable());
    EXPECT_FALSE(a.poisson.testable());
  }
}

// Simulated runs of 1 000 measurements: how often each law is rejected at 5 %.
struct Rejections {
  int poisson = 0, gauss = 0, bothFit = 0;
};

Rejections SimulatedRuns(long double m, int runs) {
  static std::vector<std::int32_t> values(kernel::kMaxMeasurements + 1),
      histogram(kernel::kMaxMeasurements + 1);
  Rejections r;
  for (int run = 0; run < runs; ++run) {
    kernel::UniformRandom::setState(12345u + 7919u * run);
    std::fill(histogram.begin(), histogram.end(), 0);
    const kernel::PoissonSeries series = kernel::DistPoisson(m, 1000, values, histogram);
    const GaussOrPoissonAnswer a =
        AnswerGaussOrPoisson(std::span<const std::int32_t>(histogram).first(series.max + 1));
    EXPECT_EQ(a.measurements, 1000);
    EXPECT_TRUE(a.poisson.testable() && a.gauss.testable());
    r.poisson += a.poisson.rejected();
    r.gauss += a.gauss.rejected();
    r.bothFit += !a.poisson.rejected() && !a.gauss.rejected();
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
}  // namespace noyalis::counting_statistics
