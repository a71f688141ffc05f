#include "experiments/intervals/interval_run.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "experiments/intervals/interval_constants.h"
#include "kernel/checked.h"
#include "kernel/number_format.h"

namespace noyalis::intervals {

using kernel::checkedAt;

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
  counting_statistics::NonDecayFractions(data.histo_dt_non_desinteg, data.measurements,
                                         data.proba_non_desinteg);
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

void HistogramBars(IntervalRunData& data, SeriesData& bars) {
  data.classesDrawn = counting_statistics::ClassesDrawn(data.max, data.classWidthUs);
  data.fileRows = std::max(data.classesDrawn, data.measurements);
  counting_statistics::ClassBars(data.histo_dt_non_desinteg, data.classWidthUs, data.classesDrawn, bars);
}

void LogPoints(IntervalRunData& data, SeriesData& points) {
  data.fitClasses = counting_statistics::LastFitClass(data.mean, data.classWidthUs);
  counting_statistics::LogPoints(data.proba_non_desinteg, data.classWidthUs, data.fitClasses, points);
}

std::optional<kernel::OriginFit> FitNonDecay(const IntervalRunData& data, const SeriesData& points,
                                             SeriesData& line) {
  return counting_statistics::FitNonDecay(points, data.classWidthUs, data.fitClasses, line);
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
