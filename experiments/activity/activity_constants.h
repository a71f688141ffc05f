#pragma once
// The activity experiment's fixed quantities, with their units.
#include <array>
#include <cmath>
#include <cstdint>

namespace noyalis::activity {

inline constexpr std::int32_t kMinMeasurements = 2;
inline constexpr std::int32_t kMaxMeasurements = 1'000'000;
inline constexpr std::int32_t kDefaultMeasurements = 100;

inline constexpr std::int32_t kMinCountingTimeMs = 25;
inline constexpr std::int32_t kMaxCountingTimeMs = 100'000;
inline constexpr std::int32_t kCountingTimeStepMs = 25;
inline constexpr std::int32_t kDefaultCountingTimeMs = 50;

// The total duration of a run, n × T, is kept at or below 10^9 ms.
inline constexpr std::int64_t kMaxTotalDurationMs = 1'000'000'000;

// The five source–counter distances [cm]; each is the next one divided by √2, so each step
// closer doubles the count rate (544 counts/s at 3 cm, 34 counts/s at 12 cm).
inline constexpr std::array<const char*, 5> kDistanceLabels = {"3", "4.25", "6", "8.5", "12"};
inline constexpr int kDefaultDistanceIndex = 0;
// Mean count of one 25 ms measurement at 12 cm [counts].
inline constexpr long double kCountsPer25msAt12cm = 0.85L;
inline constexpr long double kReferenceCountingTimeMs = 25;

// Real-time mode: at most 1000 measurements and two minutes in all.
inline constexpr std::int32_t kRealTimeMaxMeasurements = 1000;
inline constexpr std::int64_t kRealTimeMaxTotalMs = 120'000;
// Each real-time step sleeps T − 17 ms: the 17 ms stand for the time the step itself takes.
inline constexpr std::int32_t kRealTimeStepOverheadMs = 17;
// The running histogram of the real-time mode spans counts 0 … 100 000.
inline constexpr std::int32_t kRunningHistogramMax = 100'000;

// The histogram table under the chart shows 32 values; the last-ten row ten counts.
inline constexpr int kTableSize = 32;
inline constexpr int kLastCounts = 10;

// End-of-run tone: 440 Hz for 100 ms at volume 100.
inline constexpr std::int32_t kToneFrequencyHz = 440;
inline constexpr std::int32_t kToneDurationMs = 100;
inline constexpr std::int32_t kToneVolume = 100;
// The tone's 2π, 8 · arctan 1 in extended precision: the samples are truncated, so the 2π that
// builds them is part of the sound (the population's click has its own, a decimal constant).
inline const long double kToneTwoPi = 8 * std::atan(1.0L);

}  // namespace noyalis::activity
