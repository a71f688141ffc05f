#include "experiments/intervals/interval_run.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "experiments/intervals/interval_constants.h"
#include "kernel/checked.h"
#include "kernel/number_format.h"

namespace noyalis::intervals {

using kernel::checkedAt;

std::int64_t ClassIndex(std::int64_t t, std::int32_t w) {
  if (t < 0 || w <= 0) throw kernel::RangeError("class of interval " + std::to_string(t));
  // t / w − 0.5 lies strictly between q − 0.5 and q + 0.5 unless w divides t; then it is the tie
  // q − 0.5, which goes to the even one of q − 1 and q.
  const std::int64_t q = t / w;
  const std::int64_t nearest = (t % w != 0 || q % 2 == 0) ? q : q - 1;
  return nearest + 1;
}

int ListPointSize(std::int32_t n) {
  if (n <= kLargePointsUpTo) return 3;
  if (n >= kSmallPointsFrom) return 1;
  return 2;
}

std::string DurationLabel(long double durationMs, char decimalSeparator) {
  std::string text = "Durée totale = ";
  if (durationMs < 10'000) return text + kernel::FormatFixed(durationMs, 0, decimalSeparator) + "ms";
  if (durationMs <= 100'000) return text + kernel::FormatFixed(durationMs / 1000, 2, decimalSeparator) + "s";
  return text + kernel::FormatFixed(durationMs / 60'000, 2, decimalSeparator) + "min";
}

DrawTally DrawAndBin(IntervalRunData& data, const IntervalParameters& p) {
  if (p.classWidthUs <= 0) throw kernel::RangeError("class width " + std::to_string(p.classWidthUs));
  ClearIntervalRun(data);
  data.classWidthUs = p.classWidthUs;

  const std::int32_t rate = CountRate(p.distanceIndex);
  const DrawTally tally = p.law == Law::Geiger
                              ? DistIntervallesGeiger(rate, p.measurements, data.date_desinteg, data.DeltaT)
                              : DistIntervallesTH(rate, p.measurements, data.date_desinteg, data.DeltaT);
  BinIntervals(data, p.measurements, p.classWidthUs);
  return tally;
}

void BinIntervals(IntervalRunData& data, std::int32_t n, std::int32_t w) {
  if (n < 1 || n > kLastIndex) throw kernel::RangeError("interval count " + std::to_string(n));
  data.measurements = n;
  data.classWidthUs = w;
  const std::span<std::int64_t> histogram(data.histo_dt_non_desinteg);
  std::int64_t lo = INT64_MAX, hi = 0, sum = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const std::int64_t t = data.DeltaT[i];
    ++checkedAt(histogram, ClassIndex(t, w));
    hi = std::max(hi, t);
    lo = std::min(lo, t);
    sum = kernel::checkedAdd(sum, t);
  }
  data.min = lo;
  data.max = hi;
  data.sum = sum;
  data.mean = static_cast<long double>(sum) / n;
}

long double DurationMs(const IntervalRunData& data) {
  return static_cast<long double>(data.sum) / 1000;
}

void NonDecayFractions(IntervalRunData& data) {
  const long double n = data.measurements;
  if (!(n > 0)) throw kernel::FloatError("Invalid floating point operation: no intervals to share");
  data.proba_non_desinteg[0] = 1;
  std::int64_t remaining = data.measurements;
  for (std::int32_t k = 1; k <= kLastIndex; ++k) {
    remaining -= data.histo_dt_non_desinteg[k];
    data.proba_non_desinteg[k] = static_cast<double>(remaining / n);
  }
}

void ListPoints(const IntervalRunData& data, SeriesData& points) {
  points.clear();
  points.x.reserve(data.measurements);
  points.y.reserve(data.measurements);
  for (std::int32_t i = 1; i <= data.measurements; ++i) {
    points.x.push_back(i);
    points.y.push_back(static_cast<double>(data.DeltaT[i] / 1000.0L));
  }
}

namespace {

// The end of class k [ms].
double ClassEndMs(std::int64_t k, std::int32_t w) {
  return static_cast<double>(static_cast<long double>(k) * w / 1000);
}

}  // namespace

void HistogramBars(IntervalRunData& data, SeriesData& bars) {
  const long double classes = kernel::RoundEven(static_cast<long double>(data.max) / data.classWidthUs) + 3;
  data.classesDrawn = static_cast<std::int32_t>(std::min<long double>(classes, kMaxClassesDrawn));
  data.fileRows = std::max(data.classesDrawn, data.measurements);
  bars.clear();
  bars.x.reserve(data.classesDrawn);
  bars.y.reserve(data.classesDrawn);
  const std::span<const std::int64_t> histogram(data.histo_dt_non_desinteg);
  for (std::int32_t k = 1; k <= data.classesDrawn; ++k) {
    bars.x.push_back(ClassEndMs(k, data.classWidthUs));
    bars.y.push_back(static_cast<double>(checkedAt(histogram, k)));
  }
}

void LogPoints(IntervalRunData& data, SeriesData& points) {
  const long double half = kernel::RoundEven(data.mean / data.classWidthUs);
  data.fitClasses = static_cast<std::int32_t>(std::min<long double>(2 * half, INT32_MAX));
  points.clear();
  // Past the last index every interval has ended: those fractions are 0 and have no logarithm.
  const std::int32_t last = std::min(data.fitClasses, kLastIndex);
  for (std::int32_t k = 0; k <= last; ++k) {
    const double p = data.proba_non_desinteg[k];
    if (!(p > 0)) continue;
    points.x.push_back(ClassEndMs(k, data.classWidthUs));
    points.y.push_back(static_cast<double>(std::log(static_cast<long double>(p))));
  }
}

std::optional<kernel::OriginFit> FitNonDecay(const IntervalRunData& data, const SeriesData& points,
                                             SeriesData& line) {
  line.clear();
  std::vector<long double> xs, ys;
  xs.reserve(points.x.size());
  ys.reserve(points.x.size());
  // The point at t = 0 adds nothing to the sums of a line through the origin.
  for (std::size_t i = 0; i < points.x.size(); ++i) {
    if (points.x[i] <= 0) continue;
    xs.push_back(points.x[i]);
    ys.push_back(points.y[i]);
  }
  const std::optional<kernel::OriginFit> fit = kernel::FitThroughOrigin(xs, ys);
  if (!fit) return std::nullopt;
  kernel::checkedReal(fit->slope, "slope of the fitted line");
  kernel::checkedReal(fit->r2, "r² of the fitted line");
  line.x.reserve(static_cast<std::size_t>(data.fitClasses) + 1);
  line.y.reserve(static_cast<std::size_t>(data.fitClasses) + 1);
  for (std::int32_t k = 0; k <= data.fitClasses; ++k) {
    const long double x = static_cast<long double>(k) * data.classWidthUs / 1000;
    line.x.push_back(static_cast<double>(x));
    line.y.push_back(static_cast<double>(fit->slope * x));
  }
  return fit;
}

void TimeSlices(IntervalRunData& data) {
  const std::span<std::int64_t> slices(data.nbtr);
  for (std::int32_t i = 1; i <= data.measurements; ++i)
    ++checkedAt(slices, data.date_desinteg[i] / kSliceUs + 1);
}

void RunIntervals(IntervalRunData& data, const IntervalParameters& p, IntervalCharts& charts) {
  DrawAndBin(data, p);
  NonDecayFractions(data);
  ListPoints(data, charts.list);
  HistogramBars(data, charts.bars);
  LogPoints(data, charts.logPoints);
  charts.fit = FitNonDecay(data, charts.logPoints, charts.line);
  TimeSlices(data);
}

}  // namespace noyalis::intervals
