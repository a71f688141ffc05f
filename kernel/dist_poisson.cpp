#include "kernel/dist_poisson.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {

// The multiplication method: p ← p × uniform until p ≤ e^(−m); the count is the number of
// factors before the last. Above a mean of about 11 090, e^(−m) and the running product leave
// the extended range, so the product carries an exponent of its own: whenever it falls to
// 2^−16000 or below it is multiplied by 2^16000 (exact) and the stop value moves one level on.
// The real stop value is e^(−m) = Lm × 2^(−16000 · levels); only at the last level is the
// product compared with Lm. Scaling by a power of two is exact, so this is the plain method with
// an unbounded exponent: the very same draws wherever the plain method stays in normal numbers,
// and with levels = 0 it is the plain method itself.
namespace {

constexpr int kLevelExponent = 16000;
constexpr long double kLevelThreshold = 0x1p-16000L;  // 2^−kLevelExponent
constexpr long double kLevelScale = 0x1p16000L;       // 2^kLevelExponent
constexpr long double kLn2 = 0.693147180559945309417232121458176568L;
constexpr long double kLevelLog = kLevelExponent * kLn2;  // ln 2^kLevelExponent

// The stop value e^(−m) split as Lm × 2^(−kLevelExponent · levels), Lm in (2^−16000, 1].
struct StopValue {
  int levels = 0;
  long double last = 1;  // Lm
};

StopValue SplitStopValue(long double m) {
  StopValue stop;
  if (m > kLevelLog) stop.levels = static_cast<int>(std::ceil(m / kLevelLog)) - 1;
  stop.last = std::exp(-m + stop.levels * kLevelLog);
  while (stop.last <= kLevelThreshold) stop.last = std::exp(-m + ++stop.levels * kLevelLog);
  while (stop.levels > 0 && stop.last > 1) stop.last = std::exp(-m + --stop.levels * kLevelLog);
  return stop;
}

// Measurements between two looks at the host: about 65 000 uniform draws.
std::int32_t HostStride(long double m) {
  const long double stride = 65536.0L / (m + 1);
  return stride < 1 ? 1 : static_cast<std::int32_t>(std::min<long double>(stride, kMaxMeasurements));
}

}  // namespace

PoissonSeries DistPoisson(long double m, std::int32_t n, std::span<std::int32_t> values,
                          std::span<std::int32_t> hist, RunHost* host) {
  checkedReal(m, "Poisson mean");
  if (n < 1 || n > kMaxMeasurements)
    throw RangeError("Range check error: " + std::to_string(n) + " measurements outside 1..1000000");
  if (values.size() <= static_cast<std::size_t>(n) ||
      hist.size() <= static_cast<std::size_t>(kMaxMeasurements))
    throw RangeError("Range check error: count arrays smaller than the series");

  const StopValue stopValue = SplitStopValue(m);
  const int levels = stopValue.levels;
  const long double firstStop = levels == 0 ? stopValue.last : kLevelThreshold;

  std::fill(hist.begin(), hist.begin() + kMaxMeasurements + 1, 0);
  std::int64_t sum = 0, sumOfSquares = 0;
  std::int32_t smallest = kMaxMeasurements, largest = 0;
  std::int32_t drawn = 0;

  const std::int32_t stride = host != nullptr ? HostStride(m) : n;
  std::uint32_t seed = UniformRandom::state();
  while (drawn < n) {
    const std::int32_t end = drawn + std::min(stride, n - drawn);
    for (std::int32_t k = drawn + 1; k <= end; ++k) {
      long double p = 1;
      std::int32_t c = -1;
      long double stop = firstStop;
      int level = 0;
      for (;;) {
        do {  // the hot loop: one generator step, one multiply, one compare per draw
          seed = UniformRandom::step(seed);
          p *= UniformRandom::toReal(seed);
          ++c;
        } while (stop < p);
        while (level < levels && p <= stop) {
          p *= kLevelScale;
          stop = ++level < levels ? kLevelThreshold : stopValue.last;
        }
        if (p <= stop) break;
      }
      if (c > kMaxMeasurements) throw RangeError("Range check error: count " + std::to_string(c));
      ++hist[static_cast<std::size_t>(c)];
      values[static_cast<std::size_t>(k)] = c;
      sum += c;
      sumOfSquares += static_cast<std::int64_t>(c) * c;
      largest = std::max(largest, c);
      smallest = std::min(smallest, c);
    }
    drawn = end;
    UniformRandom::setState(seed);
    if (host != nullptr && drawn < n) {
      host->yieldItem();
      if (host->stopRequested()) break;
    }
  }

  PoissonSeries series;
  series.count = drawn;
  series.mean = static_cast<long double>(sum) / drawn;
  const long double variance = static_cast<long double>(sumOfSquares) / drawn - series.mean * series.mean;
  series.standardDeviation = variance > 0 ? std::sqrt(variance) : 0.0L;
  series.max = largest;
  series.min = smallest > 0 ? smallest - 1 : 0;
  return series;
}

}  // namespace noyalis::kernel
