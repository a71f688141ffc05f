// The activity model: limits, duration label, mean count, the run and its results file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>

#include "experiments/activity/activity_limits.h"
#include "experiments/activity/activity_results_file.h"
#include "experiments/activity/activity_run.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "support/scratch_directory.h"
#include "support/stopping_host.h"

namespace noyalis::activity {
namespace {

using test::StoppingHost;

// A run record holding the given counts, with the statistics DistPoisson would return.
ActivityRunData& RecordOf(const std::vector<std::int32_t>& counts) {
  static ActivityRunData data;
  std::fill(data.CountValues.begin(), data.CountValues.end(), 0);
  std::fill(data.CountHistogram.begin(), data.CountHistogram.end(), 0);
  std::int32_t k = 0, lo = std::numeric_limits<std::int32_t>::max(), hi = 0;
  long double sum = 0, squares = 0;
  for (std::int32_t c : counts) {
    data.CountValues[++k] = c;
    ++data.CountHistogram[c];
    lo = std::min(lo, c);
    hi = std::max(hi, c);
    sum += c;
    squares += static_cast<long double>(c) * c;
  }
  data.measurements = k;
  data.mean = sum / k;
  data.standardDeviation = std::sqrt(std::max(0.0L, squares / k - data.mean * data.mean));
  data.belowSmallest = lo > 0 ? lo - 1 : lo;
  data.hi = hi;
  return data;
}

CountSums SumsOf(const ActivityRunData& data) {
  kernel::NullRunHost host;
  return *PassThroughCounts(data, host);
}

TEST(ActivityLimits, TotalDurationIsKeptAtOrBelowABillionMilliseconds) {
  struct Case {
    RunSize asked;
    std::int32_t measurements;
  };
  const Case cases[] = {
      {{1'000'000, 100'000}, 10'000},  // the largest request
      {{100, 50}, 100},                // the defaults are untouched
      {{40'000, 25'000}, 40'000},      // exactly 10^9 ms is allowed
      {{1'000'000, 1024}, 976'562},    // 976 562.5 rounds to even
      {{1'000'000, 1025}, 975'610},
  };
  for (const Case& c : cases) {
    const RunSize r = LimitTotalDuration(c.asked);
    EXPECT_EQ(r.measurements, c.measurements) << c.asked.measurements << " x " << c.asked.countingTimeMs;
    EXPECT_EQ(r.countingTimeMs, c.asked.countingTimeMs);
  }
}

TEST(ActivityLimits, RealTimeKeepsAThousandMeasurementsAndTwoMinutes) {
  struct Case {
    RunSize asked, expected;
  };
  const Case cases[] = {
      {{1500, 50}, {1000, 50}},    {{1000, 500}, {1000, 120}},
      {{2, 100'000}, {2, 60'000}}, {{384, 500}, {384, 312}},  // 312.5 rounds to even
      {{100, 1200}, {100, 1200}},                             // exactly two minutes is allowed
  };
  for (const Case& c : cases) {
    const RunSize r = LimitRealTime(c.asked);
    EXPECT_EQ(r.measurements, c.expected.measurements);
    EXPECT_EQ(r.countingTimeMs, c.expected.countingTimeMs);
  }
}

TEST(ActivityLimits, DurationLabelPicksItsUnit) {
  struct Case {
    RunSize size;
    const char* label;
  };
  const Case cases[] = {
      {{100, 50}, "Durée totale > 5.00s"},       {{2, 25}, "Durée totale > 50ms"},
      {{1, 999}, "Durée totale > 999ms"},        {{1, 1000}, "Durée totale > 1.00s"},
      {{1, 100'000}, "Durée totale > 100.00s"},  {{1, 100'001}, "Durée totale > 1.67min"},
      {{1000, 120}, "Durée totale > 2.00min"},   {{100, 100'000}, "Durée totale > 166.67min"},
      {{10'000'001, 1}, "Durée totale > 2.78h"}, {{10'000, 100'000}, "Durée totale > 277.78h"},
  };
  for (const Case& c : cases) EXPECT_EQ(DurationLabel(c.size), c.label);
  EXPECT_EQ(DurationLabel({100, 50}, ','), "Durée totale > 5,00s");
}

TEST(ActivityLimits, MeanCountDoublesAtEachStepCloser) {
  EXPECT_NEAR(static_cast<double>(MeanCount(0, 50)), 27.2, 1e-12);
  EXPECT_NEAR(static_cast<double>(MeanCount(4, 25)), 0.85, 1e-15);
  EXPECT_NEAR(static_cast<double>(MeanCount(0, 100'000)), 54'400, 1e-9);
  for (int d = 0; d < 4; ++d)
    EXPECT_NEAR(static_cast<double>(MeanCount(d, 1000) / MeanCount(d + 1, 1000)), 2.0, 1e-15);
  EXPECT_THROW(MeanCount(5, 50), kernel::RangeError);
}

TEST(ActivityRun, DefaultRunFromAFreshGeneratorGivesTheKnownCounts) {
  ASSERT_EQ(std::numeric_limits<long double>::digits, 64);
  kernel::UniformRandom::setState(0);
  ActivityRunData& data = LastActivityRun();
  kernel::NullRunHost host;
  ASSERT_TRUE(DrawCounts(data, MeanCount(0, 50), 100, host));
  const std::int32_t expected[] = {3, 25, 24, 31, 23, 27, 28, 26};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(data.CountValues[k + 1], expected[k]) << "measurement " << k + 1;
  EXPECT_EQ(data.measurements, 100);
  EXPECT_EQ(std::accumulate(data.CountHistogram.begin(), data.CountHistogram.begin() + data.hi + 1, 0), 100);
}

TEST(ActivityRun, PassThroughCountsSumsAndStopsWhenAsked) {
  const ActivityRunData& data = RecordOf({10, 12, 12, 14});
  const CountSums sums = SumsOf(data);
  EXPECT_EQ(sums.sum, 48);
  EXPECT_EQ(sums.sumOfSquares, 584);

  StoppingHost host(2);
  EXPECT_FALSE(PassThroughCounts(data, host).has_value());
  EXPECT_EQ(host.yields, 2);
}

// A million measurements cost about a nanosecond each: the host is looked at twice per block of
// measurements, not twice per measurement, and the sums of the largest counts stay exact.
TEST(ActivityRun, PassThroughCountsLooksAtTheHostPerBlock) {
  static ActivityRunData data;
  data.measurements = 3 * kPassBlock + 1;
  std::int64_t sum = 0, squares = 0;
  for (std::int32_t k = 1; k <= data.measurements; ++k) {
    data.CountValues[k] = 55'000 - k % 7;
    sum += data.CountValues[k];
    squares += std::int64_t{data.CountValues[k]} * data.CountValues[k];
  }
  StoppingHost whole(1'000'000);
  const std::optional<CountSums> sums = PassThroughCounts(data, whole);
  ASSERT_TRUE(sums.has_value());
  EXPECT_EQ(whole.yields, 2 * 4);
  EXPECT_EQ(sums->sum, static_cast<long double>(sum));
  EXPECT_EQ(sums->sumOfSquares, static_cast<long double>(squares));

  StoppingHost stopper(4);  // stops at the end of the second block
  EXPECT_FALSE(PassThroughCounts(data, stopper).has_value());
  EXPECT_EQ(stopper.yields, 4);
}

TEST(ActivityRun, EndOfRunStatistics) {
  const ActivityRunData& data = RecordOf({10, 12, 12, 14});
  const ActivityResults r = EndOfRun(data, SumsOf(data));
  ASSERT_TRUE(r.hasStatistics);
  EXPECT_EQ(r.mean, 12);
  EXPECT_NEAR(static_cast<double>(r.deviation), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(static_cast<double>(r.sqrtMean), 3.4641016, 1e-7);
  EXPECT_EQ(r.total, 48);
  EXPECT_EQ(r.first, 10);
  // Reference points from one below the smallest count, bars from the smallest count.
  ASSERT_EQ(r.referenceX.size(), 6u);
  EXPECT_EQ(r.referenceX.front(), 9);
  EXPECT_EQ(r.referenceX.back(), 14);
  EXPECT_EQ(r.poisson.size(), 6u);
  EXPECT_EQ(r.gauss.size(), 6u);
  EXPECT_EQ(r.barX, (std::vector<double>{10, 11, 12, 13, 14}));
  EXPECT_EQ(r.barY, (std::vector<double>{1, 0, 2, 0, 1}));
  EXPECT_EQ(r.table[0], "10 : 1");
  EXPECT_EQ(r.table[2], "12 : 2");
  EXPECT_EQ(r.table[31], "41 : 0");
  EXPECT_FALSE(r.lastTen.has_value());  // four measurements only
}

TEST(ActivityRun, AllCountsEqualUseTheDeviationFloor) {
  const ActivityRunData& data = RecordOf({5, 5, 5});
  const ActivityResults r = EndOfRun(data, SumsOf(data));
  EXPECT_EQ(r.deviation, 0.00001L);
  ASSERT_EQ(r.referenceX.size(), 2u);  // 4 and 5
  EXPECT_NEAR(r.gauss[1], 3 / (std::sqrt(6.28318) * 0.00001), 1e-6 * 3 / (std::sqrt(6.28318) * 0.00001));
}

TEST(ActivityRun, AMeanOfZeroGivesNoChartAndNoTable) {
  const ActivityRunData& data = RecordOf({0, 0});
  const ActivityResults r = EndOfRun(data, SumsOf(data));
  EXPECT_FALSE(r.hasStatistics);
  EXPECT_EQ(r.mean, 0);
  EXPECT_TRUE(r.referenceX.empty());
  EXPECT_TRUE(r.barX.empty());
  EXPECT_TRUE(r.table[0].empty());
}

TEST(ActivityRun, TheTableRunsFromTheSmallestCount) {
  std::vector<std::int32_t> counts;
  for (std::int32_t c = 12; c <= 45; ++c) counts.push_back(c);
  const ActivityRunData& data = RecordOf(counts);  // mean 28.5, one below the smallest 11
  const ActivityResults r = EndOfRun(data, SumsOf(data));
  EXPECT_EQ(r.table.front(), "12 : 1");
  EXPECT_EQ(r.table.back(), "43 : 1");
  ASSERT_TRUE(r.lastTen.has_value());
  EXPECT_EQ(r.lastTen->front(), 36);
  EXPECT_EQ(r.lastTen->back(), 45);
}

TEST(ActivityRun, LastTenNeedTenMeasurements) {
  const ActivityRunData& ten = RecordOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const ActivityResults r = EndOfRun(ten, SumsOf(ten));
  ASSERT_TRUE(r.lastTen.has_value());
  EXPECT_EQ(*r.lastTen, (std::array<std::int32_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  const ActivityRunData& nine = RecordOf({1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_FALSE(EndOfRun(nine, SumsOf(nine)).lastTen.has_value());
}

TEST(ActivityRun, RealTimeRevealKeepsRunningFigures) {
  const ActivityRunData& data = RecordOf({30, 27, 33, 27});
  RealTimeReveal reveal(data);
  std::vector<double> x, y;
  reveal.runningBars(x, y);
  EXPECT_TRUE(x.empty());

  const RealTimeReveal::Step first = reveal.reveal(1);
  EXPECT_EQ(first.value, 30);
  EXPECT_EQ(first.remaining, 3);
  reveal.reveal(2);
  const RealTimeReveal::Step third = reveal.reveal(3);
  EXPECT_EQ(third.k, 3);
  EXPECT_EQ(third.runningTotal, 90);
  EXPECT_EQ(third.runningMean, 30);
  reveal.runningBars(x, y);
  EXPECT_EQ(x.front(), 27);  // no empty bar left of the smallest count seen
  EXPECT_EQ(x.back(), 33);
  EXPECT_EQ(y, (std::vector<double>{1, 0, 0, 1, 0, 0, 1}));
  reveal.reveal(4);
  EXPECT_EQ(reveal.sums().sum, 117);
  EXPECT_EQ(reveal.sums().sumOfSquares, 30 * 30 + 27 * 27 + 33 * 33 + 27 * 27);
}

TEST(ActivityResultsFile, NameFollowsTheDateAndTime) {
  EXPECT_EQ(ActivityResultsFileName({2024, 12, 8, 14, 35, 10}), "24_12_08_14_35_intervalles.txt");
  EXPECT_EQ(ActivityResultsFileName({2009, 1, 2, 3, 4, 5}), "09_01_02_03_04_intervalles.txt");
}

TEST(ActivityResultsFile, ASmallRunIsWrittenByteForByte) {
  ActivityRunData& data = RecordOf({25, 31});
  data.mean = 28;
  const test::ScratchDirectory dir("activity_file");
  const std::string name = ActivityResultsFileName({2024, 12, 8, 14, 35, 10});
  SaveActivityResults(name, 5, data);
  const std::string bytes = test::FileBytes(name);

  std::string expected =
      "nb de mesures  ; 5 ; 2\r\n"
      "moyenne calcul\xE9"
      "e :  2.80000000000000E+0001\r\n"
      "kk ; ni[kk] ; histo_desinteg =nbdes0[kk]\r\n"
      "0 ; 0 ; 0\r\n"
      "1 ; 25 ; 0\r\n"
      "2 ; 31 ; 0\r\n";
  // Beyond the measurements the count column is 0; the histogram runs to the largest count.
  for (int kk = 3; kk <= 31; ++kk)
    expected += std::to_string(kk) + " ; 0 ; " + (kk == 25 || kk == 31 ? "1" : "0") + "\r\n";
  EXPECT_EQ(bytes, expected);
}

TEST(ActivityResultsFile, BeforeAnyRunOnlyTheHeaderIsWritten) {
  ActivityRunData fresh;
  const std::vector<std::string> lines = ActivityResultsLines(100, fresh);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "nb de mesures  ; 100 ; 0");
  EXPECT_EQ(lines[1], "moyenne calculée :  0.00000000000000E+0000");
}

TEST(ActivityResultsFile, LargeCountsKeepEveryMeasurementAndHistogramValue) {
  kernel::UniformRandom::setState(12345);
  ActivityRunData data;
  kernel::NullRunHost host;
  ASSERT_TRUE(DrawCounts(data, MeanCount(0, 100'000), 100, host));  // m = 54 400
  const std::vector<std::string> lines = ActivityResultsLines(100, data);
  ASSERT_EQ(lines.size(), 3u + data.hi + 1);
  long histogramTotal = 0, measurementsTotal = 0;
  for (std::size_t i = 3; i < lines.size(); ++i) {
    long kk, count, frequency;
    ASSERT_EQ(std::sscanf(lines[i].c_str(), "%ld ; %ld ; %ld", &kk, &count, &frequency), 3);
    histogramTotal += frequency;
    measurementsTotal += count > 0;
  }
  EXPECT_EQ(histogramTotal, 100);
  EXPECT_EQ(measurementsTotal, 100);
}

}  // namespace
}  // namespace noyalis::activity
