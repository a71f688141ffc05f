// The interval model: class indices, the two laws and their rejections, the non-decay fractions
// and their fit, the duration label, the time slices and the results file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <numeric>

#include "experiments/intervals/interval_constants.h"
#include "experiments/intervals/interval_laws.h"
#include "experiments/intervals/interval_results_file.h"
#include "experiments/intervals/interval_run.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "support/scratch_directory.h"

namespace noyalis::intervals {
namespace {

namespace fs = std::filesystem;
using kernel::UniformRandom;

// The generator state whose next draw is exactly the seed s.
std::uint32_t StateBefore(std::uint32_t s) {
  std::uint32_t inverse = UniformRandom::kMultiplier;  // Newton: x ← x(2 − m x) doubles the exact bits
  for (int i = 0; i < 5; ++i) inverse *= 2u - UniformRandom::kMultiplier * inverse;
  return (s - 1u) * inverse;
}

// Sets the generator after every clock reseed of the test's runs.
class ScriptedGenerator {
 public:
  explicit ScriptedGenerator(std::uint32_t state) {
    SetAfterReseed([this] { UniformRandom::setState(state_++); });
    state_ = state;
  }
  ~ScriptedGenerator() { SetAfterReseed({}); }

 private:
  std::uint32_t state_;
};

// A run record holding the given intervals, binned with classes of width w.
IntervalRunData& RecordOf(std::vector<std::int64_t> intervals, std::int32_t w) {
  static IntervalRunData data;
  data = IntervalRunData();
  for (std::size_t i = 0; i < intervals.size(); ++i) {
    data.DeltaT[i + 1] = intervals[i];
    data.date_desinteg[i + 1] = data.date_desinteg[i] + intervals[i];
  }
  BinIntervals(data, static_cast<std::int32_t>(intervals.size()), w);
  NonDecayFractions(data);
  return data;
}

TEST(IntervalClasses, ExactMultiplesGoToTheEvenNeighbour) {
  struct Case {
    std::int64_t t;
    std::int32_t w;
    std::int64_t classIndex;
  };
  const Case cases[] = {
      {100, 100, 1}, {200, 100, 3}, {300, 100, 3}, {400, 100, 5}, {1, 100, 1},  {99, 100, 1},
      {150, 100, 2}, {199, 100, 2}, {201, 100, 3}, {100, 10, 11}, {99, 10, 10}, {0, 100, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassIndex(c.t, c.w), c.classIndex) << c.t << " / " << c.w;
  // The integer form agrees with round(t / w − 0.5) + 1 in extended precision, ties to even.
  for (std::int32_t w : {10, 25, 100, 330, 1000})
    for (std::int64_t t = 0; t <= 20 * w; ++t)
      ASSERT_EQ(ClassIndex(t, w),
                static_cast<std::int64_t>(std::nearbyintl(static_cast<long double>(t) / w - 0.5L)) + 1)
          << t << " / " << w;
}

TEST(IntervalDisplay, PointSizesAndDurationLabel) {
  const std::pair<std::int32_t, int> sizes[] = {{32, 3},  {100, 3}, {101, 2},
                                                {501, 2}, {502, 1}, {100'000, 1}};
  for (auto [n, size] : sizes) EXPECT_EQ(ListPointSize(n), size) << n;

  struct Case {
    long double ms;
    char separator;
    const char* label;
  };
  const Case cases[] = {
      {59.4L, '.', "Durée totale = 59ms"},
      {9999.4L, '.', "Durée totale = 9999ms"},
      {10'000, '.', "Durée totale = 10.00s"},
      {18'384.6L, ',', "Durée totale = 18,38s"},
      {100'000, '.', "Durée totale = 100.00s"},
      {100'000.001L, '.', "Durée totale = 1.67min"},
      {2'941'176.5L, '.', "Durée totale = 49.02min"},
  };
  for (const Case& c : cases) EXPECT_EQ(DurationLabel(c.ms, c.separator), c.label);
}

TEST(IntervalLaws, CountRateHalvesAtEachStepAway) {
  const std::int32_t rates[] = {544, 272, 136, 68, 34};
  for (int d = 0; d < 5; ++d) EXPECT_EQ(CountRate(d), rates[d]);
  EXPECT_THROW(CountRate(5), kernel::RangeError);
}

// Rejection share and mean interval of each law. The intervals are exponential of mean 1/λ, shifted
// by the shortest length kept (0.5 µs rounds to 1; 99.5 µs to 100); the rejected draws are
// binomial. Tolerances: five standard deviations for the draws made.
TEST(IntervalLaws, RejectionsAndMeansFollowTheLaw) {
  struct Case {
    Law law;
    int distance;
    int runs;
    long double shortestUs;  // the shortest x = −ln(u)/λ that is kept
  };
  const Case cases[] = {
      {Law::Theoretical, 0, 10, 0.5L},  // about 1 draw in 3700
      {Law::Geiger, 0, 2, 99.5L},       // about 5.3 %
      {Law::Geiger, 4, 2, 99.5L},       // about 0.34 %
  };
  IntervalRunData data;
  std::uint32_t seed = 1;
  for (const Case& c : cases) {
    ScriptedGenerator script(seed++ * 1000);
    const long double lambda = CountRate(c.distance) / 1e6L;  // [1/µs]
    long double draws = 0, rejected = 0, sum = 0, n = 0;
    std::int64_t shortest = std::numeric_limits<std::int64_t>::max();
    for (int r = 0; r < c.runs; ++r) {
      const DrawTally tally = DrawAndBin(data, {kMaxIntervals, 100, c.distance, c.law});
      draws += tally.draws;
      rejected += tally.rejected;
      sum += data.sum;
      n += data.measurements;
      shortest = std::min(shortest, data.min);
      ASSERT_EQ(data.date_desinteg[kMaxIntervals], data.sum);
      ASSERT_EQ(data.date_desinteg[1], data.DeltaT[1]);
    }
    const long double p = 1 - std::exp(-c.shortestUs * lambda);
    EXPECT_NEAR(rejected / draws, p, 5 * std::sqrt(p * (1 - p) / draws)) << c.distance;
    const long double mean = c.shortestUs + 1 / lambda;
    EXPECT_NEAR(sum / n, mean, 5 / lambda / std::sqrt(n)) << c.distance;
    EXPECT_GE(shortest, c.law == Law::Geiger ? kDeadTimeUs : 1);
  }
}

TEST(IntervalLaws, UnderTheGeigerLawTheFirstTenMicrosecondClassesStayEmpty) {
  ScriptedGenerator script(12345);
  IntervalRunData data;
  DrawAndBin(data, {20'000, 10, 0, Law::Geiger});
  NonDecayFractions(data);
  EXPECT_GE(data.min, 100);
  for (int j = 1; j <= 10; ++j) {
    EXPECT_EQ(data.histo_dt_non_desinteg[j], 0) << j;
    EXPECT_EQ(data.proba_non_desinteg[j], 1.0) << j;
  }
  EXPECT_GT(data.histo_dt_non_desinteg[11], 0);  // 100 µs and just above
  EXPECT_EQ(data.proba_non_desinteg[0], 1.0);
  SeriesData points;
  LogPoints(data, points);
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(points.y[k], 0.0) << k;
  EXPECT_LT(points.y[11], 0.0);
}

// The dead time is 100 µs: an interval of exactly 100 µs is registered, one of 99 µs is not. The
// draws u = 4 067 562 562 / 2^32 and 4 069 775 918 / 2^32 give −ln(u) / 544 s⁻¹ = 100.00000006 and
// 99.00000007 µs.
TEST(IntervalLaws, TheGeigerLawKeepsAnIntervalOfExactlyTheDeadTime) {
  struct Case {
    Law law;
    std::uint32_t draw;
    std::int64_t interval;
    bool kept;
  };
  const Case cases[] = {{Law::Geiger, 4'067'562'562u, 100, true},
                        {Law::Geiger, 4'069'775'918u, 99, false},
                        {Law::Theoretical, 4'069'775'918u, 99, true}};
  std::vector<std::int64_t> dates(2), intervals(2);
  for (const Case& c : cases) {
    ScriptedGenerator script(StateBefore(c.draw));
    const auto draw = c.law == Law::Geiger ? DistIntervallesGeiger : DistIntervallesTH;
    const DrawTally tally = draw(544, 1, dates, intervals);
    EXPECT_EQ(tally.rejected, c.kept ? 0 : 1) << c.interval;
    EXPECT_EQ(intervals[1] == c.interval, c.kept) << c.interval;
  }
}

// At 3 cm the fitted slope is −λ: the ln of an exponential fraction is a line through the origin.
// Its relative error over N intervals is about 1/√N, 1 % here; the tolerance is 5 %.
TEST(IntervalRun, FittedSlopeAtThreeCentimetresIsMinusTheRate) {
  for (std::uint32_t seed : {7u, 8u}) {
    ScriptedGenerator script(seed);
    IntervalRunData data;
    IntervalCharts charts;
    RunIntervals(data, {10'000, 100, 0, Law::Theoretical}, charts);
    EXPECT_TRUE(data.fitClasses == 36 || data.fitClasses == 38) << data.fitClasses;
    ASSERT_TRUE(charts.fit);
    EXPECT_NEAR(charts.fit->slope * 1000, -544, 0.05 * 544);
    EXPECT_GT(charts.fit->r2, 0.99);
    EXPECT_EQ(charts.logPoints.x.size(), static_cast<std::size_t>(data.fitClasses) + 1);
    EXPECT_EQ(charts.line.x.size(), static_cast<std::size_t>(data.fitClasses) + 1);
    EXPECT_EQ(charts.line.y.front(), 0.0);
    EXPECT_EQ(charts.list.x.size(), 10'000u);
    EXPECT_EQ(charts.bars.x.size(), static_cast<std::size_t>(data.classesDrawn));
    EXPECT_EQ(data.fileRows, 10'000);
    // Every interval is in one class and every decay in one slice.
    EXPECT_EQ(std::accumulate(data.histo_dt_non_desinteg.begin(), data.histo_dt_non_desinteg.end(), 0LL),
              10'000);
    EXPECT_EQ(std::accumulate(data.nbtr.begin(), data.nbtr.end(), 0LL), 10'000);
    const std::int64_t lastSlice = data.sum / kSliceUs + 1;
    EXPECT_GT(data.nbtr[lastSlice], 0);
    EXPECT_EQ(data.nbtr[lastSlice + 1], 0);
  }
}

// Zero fractions have no logarithm: they are left out of the points and of the fit; with nothing
// left to fit there is neither slope nor line, and never a NaN.
TEST(IntervalRun, ZeroFractionsAndEmptyFits) {
  struct Case {
    std::vector<std::int64_t> intervals;
    std::int32_t w;
    std::int32_t k;      // K
    std::size_t points;  // log points drawn
    bool fitted;
  };
  const Case cases[] = {
      {{100, 300}, 100, 4, 3, true},       // mean 200: P[3] = P[4] = 0
      {{10, 20}, 100, 0, 1, false},        // mean 15 ≤ w/2: K = 0
      {{120, 130, 140}, 100, 2, 2, true},  // all end in class 2: P[1] = 1 lies on the axis, slope 0
      {{50, 60}, 100, 2, 1, false},        // everything ends in class 1: only t = 0 is left
  };
  for (const Case& c : cases) {
    IntervalRunData& data = RecordOf(c.intervals, c.w);
    SeriesData points, line;
    LogPoints(data, points);
    const auto fit = FitNonDecay(data, points, line);
    EXPECT_EQ(data.fitClasses, c.k) << c.intervals.front();
    EXPECT_EQ(points.x.size(), c.points) << c.intervals.front();
    EXPECT_EQ(fit.has_value(), c.fitted) << c.intervals.front();
    EXPECT_EQ(line.x.empty(), !c.fitted);
    for (double y : points.y) EXPECT_TRUE(std::isfinite(y));
    if (fit) {
      EXPECT_TRUE(std::isfinite(static_cast<double>(fit->slope)));
      EXPECT_TRUE(std::isfinite(static_cast<double>(fit->r2)));
    }
  }
}

TEST(IntervalRun, TimeSlicesAreHalfOpen) {
  // Dates 49 999, 50 000, 99 999, 100 000 and 250 000 µs.
  IntervalRunData& data = RecordOf({49'999, 1, 49'999, 1, 150'000}, 100);
  TimeSlices(data);
  EXPECT_EQ(data.nbtr[1], 1);
  EXPECT_EQ(data.nbtr[2], 2);
  EXPECT_EQ(data.nbtr[3], 1);
  EXPECT_EQ(data.nbtr[4], 0);
  EXPECT_EQ(data.nbtr[6], 1);
  EXPECT_EQ(data.nbtr[0], 0);
}

// A run scripted draw by draw: the first uniform draw is exactly 0 and is drawn again; the next
// seeds 1, 134775814, 3698175007 and 870078620 give −ln(u)/544 µs⁻¹ = 40 773.36, 6363.21, 275.01
// and 2934.96 µs. With w = 1000 µs, C = round(40.773) + 3 = 44 rows follow the header, more than N.
TEST(IntervalResultsFile, ScriptedRunByteForByte) {
  ScriptedGenerator script(StateBefore(0));
  IntervalRunData data;
  IntervalCharts charts;
  const DrawTally tally = DrawAndBin(data, {4, 1000, 0, Law::Theoretical});
  EXPECT_EQ(tally.draws, 5);
  EXPECT_EQ(tally.rejected, 1);
  NonDecayFractions(data);
  ListPoints(data, charts.list);
  HistogramBars(data, charts.bars);
  TimeSlices(data);
  EXPECT_EQ(data.classesDrawn, 44);
  EXPECT_EQ(data.fileRows, 44);
  // Each bar stands at the end of its class: 0 … 1 ms at 1 ms, 40 773 µs in 40 … 41 ms at 41 ms.
  EXPECT_EQ(charts.bars.x[0], 1.0);
  EXPECT_EQ(charts.bars.x[40], 41.0);
  EXPECT_EQ(charts.bars.y[40], 1.0);

  std::string expected =
      "nb de mesures  ; 250\r\n"
      "moyenne en microseconde :  1.25865000000000E+0004\r\n"
      "largeur des classes de l'histogramme en microseconde ; 30\r\n"
      "kk ; DeltaT[kk] ; histo_dt_non_desinteg[2,kk] ; nbtr[2,kk]\r\n";
  const std::int64_t deltaT[] = {40'773, 6363, 275, 2935};
  for (int kk = 1; kk <= 44; ++kk) {
    const std::int64_t t = kk <= 4 ? deltaT[kk - 1] : 0;
    const int inClass = kk == 1 || kk == 3 || kk == 7 || kk == 41;  // 275, 2935, 6363, 40 773
    const int inSlice = kk == 1 ? 3 : kk == 2 ? 1 : 0;              // dates up to 47 411, then 50 346
    expected += std::to_string(kk) + " ; " + std::to_string(t) + " ; " + std::to_string(inClass) + " ; " +
                std::to_string(inSlice) + "\r\n";
  }
  const test::ScratchDirectory dir("interval_file");
  const kernel::LocalDateTime when{2024, 12, 8, 14, 35, 10};
  EXPECT_EQ(IntervalResultsFileName(when), "20241208_14_35_intervalles.txt");
  SaveIntervalResults("20241208_14_35_intervalles.txt", 250, 30, data);
  EXPECT_EQ(test::FileBytes("20241208_14_35_intervalles.txt"), expected);

  // Before any run: the four header lines and a mean of 0.
  const IntervalRunData none;
  SaveIntervalResults("20241208_14_35_intervalles.txt", 10'000, 100, none);
  EXPECT_EQ(test::FileBytes("20241208_14_35_intervalles.txt"),
            "nb de mesures  ; 10000\r\n"
            "moyenne en microseconde :  0.00000000000000E+0000\r\n"
            "largeur des classes de l'histogramme en microseconde ; 100\r\n"
            "kk ; DeltaT[kk] ; histo_dt_non_desinteg[2,kk] ; nbtr[2,kk]\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);  // nothing left beside
}

}  // namespace
}  // namespace noyalis::intervals
