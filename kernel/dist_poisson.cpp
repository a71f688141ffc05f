#include "kernel/dist_poisson.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {

// The multiplication method: p ← p × uniform until p ≤ e^(−m); the count is the number of
// factors before the last. Up to a mean of about 11 355, e^(−m) is a normal extended number and
// the product is compared with it directly. Above, e^(−m) and the running product leave the
// extended range, so the product carries an exponent of its own: whenever it falls to
// 2^−16000 or below it is multiplied by 2^16000 (exact) and the stop value moves one level on.
// The real stop value is e^(−m) = Lm × 2^(−16000 · levels); only at the last level is the
// product compared with Lm. Scaling by a power of two is exact, so this is the plain method with
// an unbounded exponent: the very same draws wherever the plain method stays in normal numbers,
// and with levels = 0 it is the plain method itself.
//
// The hot loop runs the same product in double precision. Each uniform, seed × 2^−32, is exact
// in a double; the product moves on by two draws per multiply, with u₁u₂ and p u₁ (for the compare
// after the first of the two) formed beside it, so its dependency chain costs one 3-cycle multiply
// per two draws against one 5-cycle x87 multiply per draw, and the compare that ends a measurement,
// the one branch nothing can predict, is answered sooner. Every double formed carries at most one
// rounding per factor, so over fewer than 2^20 factors it is within 2^−32 of the extended product:
// a double product above e^(−m) (1 + 2^−28) proves the extended one above e^(−m), and one below
// e^(−m) (1 − 2^−28) proves it at or below. A measurement whose double product stops between the
// two (about one in 10^8) is drawn again from its first seed with the extended product, so every
// count is the extended product's, draw for draw.
namespace {

constexpr int kLevelExponent = 16000;
constexpr long double kLevelThreshold = 0x1p-16000L;  // 2^−kLevelExponent
constexpr long double kLevelScale = 0x1p16000L;       // 2^kLevelExponent
constexpr long double kLn2 = 0.693147180559945309417232121458176568L;
constexpr long double kLevelLog = kLevelExponent * kLn2;  // ln 2^kLevelExponent

// The double product's levels: between 1 and 2^−960 × 2^−32 it stays a normal double.
constexpr int kFilterLevelExponent = 960;
constexpr double kFilterLevelThreshold = 0x1p-960;  // 2^−kFilterLevelExponent
constexpr double kFilterLevelScale = 0x1p960;       // 2^kFilterLevelExponent
// Factors over which the two products stay within 2^−32 of each other, and the margin around
// e^(−m) that covers that gap, and the rounding of the bounds to doubles, many times over.
constexpr std::int32_t kFilterFactors = 1 << 20;
constexpr long double kFilterMargin = 0x1p-28L;

// Two generator steps at once: seed_{i+2} = A² seed_i + A + 1 (mod 2^32).
constexpr std::uint32_t kTwoStepMultiplier = UniformRandom::kMultiplier * UniformRandom::kMultiplier;
constexpr std::uint32_t kTwoStepIncrement = UniformRandom::kMultiplier + 1u;
// A⁻¹ (mod 2^32): the seed before s is (s − 1) A⁻¹.
constexpr std::uint32_t kInverseMultiplier = 0xd94fa8cdu;
static_assert(UniformRandom::kMultiplier * kInverseMultiplier == 1u);

// The stop value e^(−m) split as Lm × 2^(−kLevelExponent · levels), Lm in (2^−16000, 1].
struct StopValue {
  int levels = 0;
  long double last = 1;  // Lm
};

StopValue SplitStopValue(long double m) {
  StopValue stop;
  // Wherever e^(−m) is a normal number the plain method's own stop value is used, to its last
  // bit: a split value, rounded on another path, could differ from it by thousands of ulp.
  const long double plain = std::exp(-m);
  if (std::isnormal(plain)) {
    stop.last = plain;
    return stop;
  }
  if (m > kLevelLog) stop.levels = static_cast<int>(std::ceil(m / kLevelLog)) - 1;
  stop.last = std::exp(-m + stop.levels * kLevelLog);
  while (stop.last <= kLevelThreshold) stop.last = std::exp(-m + ++stop.levels * kLevelLog);
  while (stop.levels > 0 && stop.last > 1) stop.last = std::exp(-m + --stop.levels * kLevelLog);
  return stop;
}

// The same stop value on the double product's scale, e^(−m) = L × 2^(−kFilterLevelExponent · levels)
// with L < ½ when levels > 0 (a product still above the level threshold is then far above it),
// as the two bounds around L the double product is compared with.
struct FilterStop {
  int levels = 0;
  double above = 0;  // L (1 + margin): a double product above it is above e^(−m)
  double below = 0;  // L (1 − margin): a double product below it is at or below e^(−m)
};

FilterStop SplitFilterStop(const StopValue& stop) {
  // A stop value above 2 stops every measurement at its first factor, as 2 does.
  int fractionExponent = 0;
  const long double fraction = std::frexp(std::min(stop.last, 2.0L), &fractionExponent);
  const std::int64_t exponent = fractionExponent - std::int64_t{kLevelExponent} * stop.levels;
  FilterStop filter;
  filter.levels = static_cast<int>(std::max<std::int64_t>(0, (-exponent - 1) / kFilterLevelExponent));
  const long double last =
      std::ldexp(fraction, static_cast<int>(exponent + std::int64_t{kFilterLevelExponent} * filter.levels));
  filter.above = static_cast<double>(last * (1 + kFilterMargin));
  filter.below = static_cast<double>(last * (1 - kFilterMargin));
  return filter;
}

// A seed as an exact double in [0, 1).
double UnitDouble(std::uint32_t seed) {
  return static_cast<double>(seed) * 0x1p-32;
}

// Moves a seed, and its uniform, two draws on.
void SkipTwo(std::uint32_t& seed, double& unit) {
  seed = seed * kTwoStepMultiplier + kTwoStepIncrement;
  unit = UnitDouble(seed);
}

// The generator's next two draws, read ahead so that when a measurement ends the next one's
// first factors are already there. Each moves two draws on at a time: the two interleaved
// streams keep the generator's own step (4 cycles) off the pace of the product.
struct DrawsAhead {
  std::uint32_t next, after;   // seeds of the next two draws
  double nextUnit, afterUnit;  // the same as uniforms

  // The two draws that follow seed.
  static DrawsAhead From(std::uint32_t seed) {
    const std::uint32_t next = UniformRandom::step(seed), after = UniformRandom::step(next);
    return {next, after, UnitDouble(next), UnitDouble(after)};
  }
  // The seed of the last draw taken: the generator's state.
  std::uint32_t lastSeed() const { return (next - 1u) * kInverseMultiplier; }
  // Takes the next draw [uniform].
  double take() {
    const double unit = nextUnit;
    SkipTwo(next, nextUnit);
    std::swap(next, after);
    std::swap(nextUnit, afterUnit);
    return unit;
  }
};

// Multiplies p by the draws ahead as long as it stays above stop [factors taken]. The hot loop: two
// draws a turn, each stream in its own registers; only p × (u₁u₂) is on the chain from turn to turn.
std::int32_t MultiplyWhileAbove(double& p, double stop, DrawsAhead& ahead) {
  DrawsAhead a = ahead;
  std::int32_t taken = 0;
  for (;;) {
    if (p <= stop) {
      ahead = a;
      return taken;
    }
    const double single = p * a.nextUnit;
    const double pair = a.nextUnit * a.afterUnit;
    if (single <= stop) {
      p = single;
      SkipTwo(a.next, a.nextUnit);
      ahead = {a.after, a.next, a.afterUnit, a.nextUnit};
      return taken + 1;
    }
    p *= pair;
    SkipTwo(a.next, a.nextUnit);
    SkipTwo(a.after, a.afterUnit);
    taken += 2;
  }
}

// One measurement by the double product [counts]; −1 when the product ends too close to e^(−m)
// to tell the extended product's count.
std::int32_t FilteredCount(const FilterStop& filter, DrawsAhead& ahead) {
  double p = ahead.take();
  std::int32_t c = 0;
  double stop = filter.levels == 0 ? filter.above : kFilterLevelThreshold;
  for (int level = 0;;) {
    c += MultiplyWhileAbove(p, stop, ahead);
    if (level == filter.levels) break;
    p *= kFilterLevelScale;
    stop = ++level < filter.levels ? kFilterLevelThreshold : filter.above;
  }
  return p < filter.below && c < kFilterFactors ? c : -1;
}

// One measurement by the extended product itself [counts], from seed to its last draw.
std::int32_t ExtendedCount(const StopValue& stopValue, std::uint32_t& seed) {
  long double p = 1;
  std::int32_t c = -1;
  long double stop = stopValue.levels == 0 ? stopValue.last : kLevelThreshold;
  int level = 0;
  for (;;) {
    do {
      seed = UniformRandom::step(seed);
      p *= UniformRandom::toReal(seed);
      ++c;
    } while (stop < p);
    while (level < stopValue.levels && p <= stop) {
      p *= kLevelScale;
      stop = ++level < stopValue.levels ? kLevelThreshold : stopValue.last;
    }
    if (p <= stop) return c;
  }
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
  const FilterStop filter = SplitFilterStop(stopValue);

  std::fill(hist.begin(), hist.begin() + kMaxMeasurements + 1, 0);
  std::int64_t sum = 0, sumOfSquares = 0;
  std::int32_t smallest = kMaxMeasurements, largest = 0;
  std::int32_t drawn = 0;

  const std::int32_t stride = host != nullptr ? HostStride(m) : n;
  DrawsAhead ahead = DrawsAhead::From(UniformRandom::state());
  while (drawn < n) {
    const std::int32_t end = drawn + std::min(stride, n - drawn);
    for (std::int32_t k = drawn + 1; k <= end; ++k) {
      const std::uint32_t start = ahead.lastSeed();
      std::int32_t c = FilteredCount(filter, ahead);
      if (c < 0) {  // too close to call: the extended product draws it again
        std::uint32_t seed = start;
        c = ExtendedCount(stopValue, seed);
        ahead = DrawsAhead::From(seed);
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
    UniformRandom::setState(ahead.lastSeed());
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
  series.belowSmallest = smallest > 0 ? smallest - 1 : 0;
  return series;
}

}  // namespace noyalis::kernel
