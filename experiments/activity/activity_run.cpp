#include "experiments/activity/activity_run.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

#include "experiments/counting_statistics/histogram_references.h"
#include "kernel/checked.h"
#include "kernel/dist_poisson.h"
#include "kernel/statistics.h"

namespace noyalis::activity {

using kernel::checkedAt;

bool DrawCounts(ActivityRunData& data, long double m, std::int32_t n, kernel::RunHost& host) {
  const kernel::PoissonSeries series = kernel::DistPoisson(
      m, n, std::span<std::int32_t>(data.CountValues), std::span<std::int32_t>(data.CountHistogram), &host);
  data.measurements = series.count;
  data.mean = series.mean;
  data.standardDeviation = series.standardDeviation;
  data.belowSmallest = series.belowSmallest;
  data.hi = series.max;
  return series.count == n && !host.stopRequested();
}

std::optional<CountSums> PassThroughCounts(const ActivityRunData& data, kernel::RunHost& host) {
  // Exact in 64 bits: at most 10^6 counts of at most about 55 000, squares summing below 3 × 10^15.
  std::int64_t sum = 0, sumOfSquares = 0;
  const std::span<const std::int32_t> values(data.CountValues);
  for (std::int32_t first = 1; first <= data.measurements; first += kPassBlock) {
    const std::int32_t last = std::min(data.measurements, first + kPassBlock - 1);
    for (std::int32_t k = first; k <= last; ++k) {
      const std::int64_t v = checkedAt(values, k);
      sum += v;
      sumOfSquares += v * v;
    }
    // The host pumps every ~10 ms whatever the number of calls; one look per block is enough
    // for the keys, and costs nothing per measurement.
    host.yieldItem();
    host.yieldItem();
    if (host.stopRequested()) return std::nullopt;
  }
  return CountSums{static_cast<long double>(sum), static_cast<long double>(sumOfSquares)};
}

ActivityResults EndOfRun(const ActivityRunData& data, CountSums sums) {
  const std::span<const std::int32_t> hist(data.CountHistogram);
  const long double n = data.measurements;
  ActivityResults r;
  r.mean = data.mean;
  r.deviation = kernel::FlooredDeviation(sums.sumOfSquares, n, data.mean);
  r.total = sums.sum;
  r.hasStatistics = data.mean > 0;
  if (r.hasStatistics) {
    r.sqrtMean = std::sqrt(data.mean);
    counting_statistics::HistogramChart chart =
        counting_statistics::HistogramAndReferences(RunHistogram(data), 0, data.mean, r.deviation, n);
    r.first = chart.first;
    r.referenceX = std::move(chart.referenceX);
    r.poisson = std::move(chart.poisson);
    r.gauss = std::move(chart.gauss);
    r.barX = std::move(chart.barX);
    r.barY = std::move(chart.barY);
    for (int j = 0; j < kTableSize; ++j) {
      const std::int32_t v = r.first + j;
      r.table[j] = std::to_string(v) + " : " + std::to_string(checkedAt(hist, v));
    }
  }
  if (data.measurements > kLastCounts - 1) {
    std::array<std::int32_t, kLastCounts> last{};
    for (int j = 0; j < kLastCounts; ++j)
      last[j] = data.CountValues[data.measurements - (kLastCounts - 1) + j];
    r.lastTen = last;
  }
  return r;
}

RealTimeReveal::RealTimeReveal(const ActivityRunData& data)
    : data_(data), histogram_(kRunningHistogramMax + 1, 0) {}

RealTimeReveal::Step RealTimeReveal::reveal(std::int32_t k) {
  const std::int32_t v = checkedAt(std::span<const std::int32_t>(data_.CountValues), k);
  ++checkedAt(std::span<std::int32_t>(histogram_), v);
  sums_.sum += v;
  sums_.sumOfSquares += static_cast<long double>(v) * v;
  if (v < kRunningHistogramMax) {
    if (smallest_ < 0 || v < smallest_) smallest_ = v;
    if (v > largest_) largest_ = v;
  }
  return Step{k, data_.measurements - k, v, sums_.sum / k, sums_.sum};
}

void RealTimeReveal::runningBars(std::vector<double>& x, std::vector<double>& y) const {
  x.clear();
  y.clear();
  if (smallest_ < 0) return;
  for (std::int32_t v = smallest_; v <= largest_; ++v) {
    x.push_back(v);
    y.push_back(histogram_[v]);
  }
}

}  // namespace noyalis::activity
