#include "experiments/absorption/counting_series.h"

#include "experiments/absorption/absorption_constants.h"
#include "kernel/checked.h"
#include "kernel/statistics.h"

namespace noyalis::absorption {

namespace {
constexpr std::size_t kCapacity = kMaxMeasurements + 1;  // index 0 is never written
}  // namespace

CountingSeries::CountingSeries(PoissonDraw draw) : draw_(draw), counts_(kCapacity, 0) {}

std::optional<SeriesResult> CountingSeries::run(std::span<const std::int32_t> means, std::int32_t n,
                                                kernel::RunHost& host, const ItemObserver& observer) {
  if (n < 1 || n > kMaxMeasurements)
    throw kernel::RangeError("Range check error: " + std::to_string(n) + " measurements");
  while (blocks_.size() < means.size()) blocks_.emplace_back(kCapacity, 0);
  for (std::size_t b = 0; b < means.size(); ++b) draw_(means[b], n, blocks_[b]);

  // Sums of integers: the total stays below 2^63 and each square is exact in 64 bits, so the
  // extended sums are exact (a count of 56 000 squares to 3.1·10^9, beyond 32 bits).
  std::int64_t total = 0, squares = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    std::int32_t c = 0;
    for (std::size_t b = 0; b < means.size(); ++b) c = kernel::checkedAdd(c, blocks_[b][i]);
    counts_[i] = c;
    total = kernel::checkedAdd<std::int64_t>(total, c);
    squares = kernel::checkedAdd(squares, kernel::checkedMul<std::int64_t>(c, c));
    if (observer) observer(i, static_cast<long double>(total));
    host.yieldItem();
    if (host.stopRequested()) return std::nullopt;
  }
  SeriesResult r;
  r.total = static_cast<long double>(total);
  r.mean = r.total / n;
  r.deviation = kernel::FlooredDeviation(static_cast<long double>(squares), n, r.mean);
  return r;
}

std::int32_t CountingSeries::count(std::int32_t i) const {
  return kernel::checkedAt(std::span<const std::int32_t>(counts_), i);
}

}  // namespace noyalis::absorption
