#include "experiments/activity/activity_limits.h"

#include "experiments/activity/activity_constants.h"
#include "kernel/checked.h"
#include "kernel/number_format.h"
#include "kernel/uniform_random.h"

#include <algorithm>

namespace noyalis::activity {

using kernel::RoundEven;

RunSize LimitTotalDuration(RunSize size) {
  const std::int64_t total = std::int64_t{size.measurements} * size.countingTimeMs;
  if (total > kMaxTotalDurationMs)
    size.measurements = static_cast<std::int32_t>(
        RoundEven(static_cast<long double>(kMaxTotalDurationMs) / size.countingTimeMs));
  return size;
}

RunSize LimitRealTime(RunSize size) {
  if (size.measurements > kRealTimeMaxMeasurements) size.measurements = kRealTimeMaxMeasurements;
  const std::int64_t total = std::int64_t{size.measurements} * size.countingTimeMs;
  if (total > kRealTimeMaxTotalMs) {
    const auto t = static_cast<std::int32_t>(
        RoundEven(static_cast<long double>(kRealTimeMaxTotalMs) / size.measurements));
    size.countingTimeMs = std::clamp(t, kMinCountingTimeMs, kMaxCountingTimeMs);
  }
  return size;
}

std::string DurationLabel(RunSize size, char decimalSeparator) {
  const std::int64_t d = std::int64_t{size.measurements} * size.countingTimeMs;
  const auto ms = static_cast<long double>(d);
  std::string text;
  if (d < 1000)
    text = kernel::FormatFixed(ms, 0, decimalSeparator) + "ms";
  else if (d <= 100'000)
    text = kernel::FormatFixed(ms / 1000, 2, decimalSeparator) + "s";
  else if (d <= 10'000'000)
    text = kernel::FormatFixed(ms / 60'000, 2, decimalSeparator) + "min";
  else
    text = kernel::FormatFixed(ms / 3'600'000, 2, decimalSeparator) + "h";
  return "Durée totale > " + text;
}

long double MeanCount(int distanceIndex, std::int32_t countingTimeMs) {
  if (distanceIndex < 0 || distanceIndex >= static_cast<int>(kDistanceLabels.size()))
    throw kernel::RangeError("Distance index out of range");
  return kCountsPer25msAt12cm * kernel::Power(2, 4 - distanceIndex) * countingTimeMs /
         kReferenceCountingTimeMs;
}

}  // namespace noyalis::activity
