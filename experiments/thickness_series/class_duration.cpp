#include "experiments/thickness_series/class_duration.h"

#include "experiments/thickness_series/thickness_series_constants.h"
#include "kernel/checked.h"
#include "kernel/number_format.h"

namespace noyalis::thickness_series {

using kernel::checkedMul;
using kernel::FormatFixed;

std::int32_t CapSeries(std::int32_t measurements, std::int32_t series) {
  // n × S reaches 10^9 on legal inputs: 64-bit.
  if (checkedMul<std::int64_t>(measurements, series) <= kMaxMeasurementsPerRun) return series;
  return static_cast<std::int32_t>(kSeriesCapNumerator / measurements);
}

std::string SeriesDurationText(std::int32_t measurements, std::int32_t countingTimeMs,
                               char decimalSeparator) {
  // n × T reaches 10^10 ms.
  const long double ms = checkedMul<std::int64_t>(measurements, countingTimeMs);
  return "Durée des mesures = " + FormatFixed(ms / 60'000, 2, decimalSeparator) + " min";
}

std::array<std::string, 5> ClassDurationTexts(std::int32_t measurements, std::int32_t series,
                                              std::int32_t countingTimeMs, char decimalSeparator) {
  // n × S × T reaches 10^12 ms after the cap (10^15 before it): 64-bit, then extended.
  const std::int64_t ms =
      checkedMul(checkedMul<std::int64_t>(measurements, series), static_cast<std::int64_t>(countingTimeMs));
  const long double s = static_cast<long double>(ms) / 1000;
  return {FormatFixed(s, 0, decimalSeparator) + " s", FormatFixed(s / 60, 1, decimalSeparator) + " min",
          FormatFixed(s / 3600, 3, decimalSeparator) + " h",
          FormatFixed(s / 86'400, 3, decimalSeparator) + " j",
          FormatFixed(s / (86'400 * 365), 3, decimalSeparator) + " an"};
}

}  // namespace noyalis::thickness_series
