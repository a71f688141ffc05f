#include "experiments/intervals/interval_laws.h"

#include <cmath>
#include <string>
#include <utility>

#include "experiments/intervals/interval_constants.h"
#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/number_format.h"
#include "kernel/uniform_random.h"

namespace noyalis::intervals {

namespace {

std::function<void()>& AfterReseed() {
  static std::function<void()> hook;
  return hook;
}

void Reseed() {
  kernel::UniformRandom::reseedFromClock();
  if (AfterReseed()) AfterReseed()();
}

// The inversion method: t = round(−ln(u) / λ) [µs], drawn again while u is 0 or t is below
// shortest; the dates follow the accepted intervals.
DrawTally DrawIntervals(std::int32_t rate, std::int32_t count, std::span<std::int64_t> dates,
                        std::span<std::int64_t> intervals, std::int64_t shortest) {
  if (rate <= 0) throw kernel::RangeError("count rate " + std::to_string(rate) + " is not positive");
  if (count < 1 || count > kLastIndex) throw kernel::RangeError("interval count " + std::to_string(count));
  kernel::checkedAt(dates, count);
  kernel::checkedAt(intervals, count);
  dates[0] = 0;
  intervals[0] = 0;
  const long double ratePerUs = static_cast<long double>(rate) / 1'000'000;
  DrawTally tally;
  for (std::int32_t i = 1; i <= count;) {
    ++tally.draws;
    const long double u = kernel::UniformRandom::real();
    // A uniform 0 (once in 2^32 draws) has no logarithm: it is drawn again like a short interval.
    const long double t = u > 0 ? kernel::RoundEven(-std::log(u) / ratePerUs) : 0;
    if (u == 0 || t < shortest) {
      ++tally.rejected;
      continue;
    }
    intervals[i] = static_cast<std::int64_t>(t);
    dates[i] = dates[i - 1] + intervals[i];
    ++i;
  }
  return tally;
}

}  // namespace

std::int32_t CountRate(int distanceIndex) {
  if (distanceIndex < 0 || distanceIndex >= static_cast<int>(kDistanceLabels.size()))
    throw kernel::RangeError("distance index " + std::to_string(distanceIndex));
  return static_cast<std::int32_t>(kernel::RoundEven(kRateAt3cm * std::exp(-distanceIndex * std::log(2.0L))));
}

DrawTally DistIntervallesTH(std::int32_t rate, std::int32_t count, std::span<std::int64_t> dates,
                            std::span<std::int64_t> intervals) {
  Reseed();
  return DrawIntervals(rate, count, dates, intervals, 1);
}

DrawTally DistIntervallesGeiger(std::int32_t rate, std::int32_t count, std::span<std::int64_t> dates,
                                std::span<std::int64_t> intervals) {
  Reseed();
  return DrawIntervals(rate, count, dates, intervals, kDeadTimeUs);
}

void SetAfterReseed(std::function<void()> hook) {
  AfterReseed() = std::move(hook);
}

}  // namespace noyalis::intervals
