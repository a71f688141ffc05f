#pragma once
// The limits a run applies to its parameters before it starts, and the duration label.
#include <cstdint>
#include <string>

namespace noyalis::activity {

struct RunSize {
  std::int32_t measurements;    // n
  std::int32_t countingTimeMs;  // T [ms]
};

// Keeps n × T at or below 10^9 ms: n becomes round(10^9 / T) when the product is larger.
RunSize LimitTotalDuration(RunSize size);

// The real-time limits, applied after LimitTotalDuration: n at most 1000, and
// T ← round(120 000 / n) [ms] when n × T exceeds two minutes.
RunSize LimitRealTime(RunSize size);

// "Durée totale > " + the duration n × T in ms, s, min or h with its unit ("Durée totale > 5.00s").
std::string DurationLabel(RunSize size, char decimalSeparator = '.');

// Mean count of one measurement [counts] at distance index d (0 = 3 cm … 4 = 12 cm) and counting
// time T [ms]: 0.85 × 2^(4 − d) × T / 25.
long double MeanCount(int distanceIndex, std::int32_t countingTimeMs);

}  // namespace noyalis::activity
