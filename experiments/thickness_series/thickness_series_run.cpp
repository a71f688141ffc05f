#include "experiments/thickness_series/thickness_series_run.h"

#include <string>

#include "experiments/source/count_means.h"
#include "experiments/thickness_series/thickness_series_constants.h"
#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/poisson_table.h"
#include "kernel/uniform_random.h"

namespace noyalis::thickness_series {

using kernel::checkedAt;

namespace {

// The series means of screen t, after checking t.
std::span<const long double> MeansOf(const SeriesRunData& data, int thickness) {
  return checkedAt(std::span<const std::vector<long double>>(data.SeriesMeans), thickness);
}

void CheckShape(RunShape shape) {
  const std::int64_t total = static_cast<std::int64_t>(shape.measurements) * shape.series;
  if (shape.measurements < 1 || shape.series < 1 || shape.series > kMaxSeries ||
      total > kMaxMeasurementsPerRun)
    throw kernel::RangeError("Range check error: " + std::to_string(shape.series) + " series of " +
                             std::to_string(shape.measurements) + " measurements");
}

}  // namespace

SeriesRunData::SeriesRunData()
    : BetaCounts(kCountArraySize, 0),
      GammaCounts(kCountArraySize, 0),
      SeriesMeans{std::vector<long double>(kMaxSeries + 1), std::vector<long double>(kMaxSeries + 1),
                  std::vector<long double>(kMaxSeries + 1)} {}

void PoissonTableCounts(std::int32_t mean, std::int32_t n, std::span<std::int32_t> out,
                        kernel::RunHost& host) {
  checkedAt(out, n);  // the last index checks them all
  const kernel::PoissonTable table(mean);
  kernel::UniformRandom::reseedFromClock();
  for (std::int32_t k = 1; k <= n; ++k) {
    out[static_cast<std::size_t>(k)] = table.drawOne();
    host.yieldItem();
  }
}

bool MeasureThickness(SeriesRunData& data, int thickness, RunShape shape, kernel::RunHost& host,
                      const CountDraw& draw) {
  CheckShape(shape);
  const std::span<long double> means =
      checkedAt(std::span<std::vector<long double>>(data.SeriesMeans), thickness);
  host.yieldStage();
  if (host.stopRequested()) return false;
  const source::BetaGammaMeans m = source::BetaMeans(
      shape.countingTimeMs, kThicknessesMm[static_cast<std::size_t>(thickness)], kRateFactorAt3cm);
  const std::int32_t total = shape.measurements * shape.series;  // at most 1 000 001, checked above
  draw(m.beta, total, data.BetaCounts, host);
  if (host.stopRequested()) return false;  // a stop waits for one draw of the million at most
  draw(m.gamma, total, data.GammaCounts, host);
  host.yieldStage();
  if (host.stopRequested()) return false;

  std::int32_t k = 0;
  for (std::int32_t s = 1; s <= shape.series; ++s) {
    std::int64_t sum = 0;
    for (std::int32_t j = 0; j < shape.measurements; ++j) {
      ++k;
      sum += static_cast<std::int64_t>(data.BetaCounts[static_cast<std::size_t>(k)]) +
             data.GammaCounts[static_cast<std::size_t>(k)];
      host.yieldItem();
    }
    means[static_cast<std::size_t>(s)] = static_cast<long double>(sum) / shape.measurements;
    if (host.stopRequested()) return false;
  }
  return true;
}

std::optional<OrderTally> TallyOrders(const SeriesRunData& data, std::int32_t series, kernel::RunHost& host,
                                      const std::function<void(const OrderTally&)>& counted) {
  const std::span<const long double> a = MeansOf(data, 0), b = MeansOf(data, 1), c = MeansOf(data, 2);
  checkedAt(a, series);  // the last index checks them all
  OrderTally tally(series);
  for (std::int32_t s = 1; s <= series; ++s) {
    const auto i = static_cast<std::size_t>(s);
    if (tally.add(a[i], b[i], c[i]) != 0) counted(tally);
    host.yieldItem();
    if (host.stopRequested()) return std::nullopt;
  }
  return tally;
}

long double MeanOfSeriesMeans(const SeriesRunData& data, int thickness, std::int32_t series) {
  const std::span<const long double> means = MeansOf(data, thickness);
  checkedAt(means, series);
  long double sum = 0;
  for (std::int32_t s = 1; s <= series; ++s) sum += means[static_cast<std::size_t>(s)];
  return sum / series;
}

}  // namespace noyalis::thickness_series
