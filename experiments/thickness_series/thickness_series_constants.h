#pragma once
// The thickness-series experiment's fixed quantities, with their units.
#include <array>
#include <cstdint>

namespace noyalis::thickness_series {

inline constexpr std::int32_t kMinMeasurements = 2;  // n, per series
inline constexpr std::int32_t kMaxMeasurements = 10'000;
inline constexpr std::int32_t kDefaultMeasurements = 5;

inline constexpr std::int32_t kMinCountingTimeMs = 500;  // T [ms]
inline constexpr std::int32_t kMaxCountingTimeMs = 1'000'000;
inline constexpr std::int32_t kCountingTimeStepMs = 25;
inline constexpr std::int32_t kDefaultCountingTimeMs = 10'000;

inline constexpr std::int32_t kMinSeries = 1;  // S, one series per student
inline constexpr std::int32_t kMaxSeries = 100'000;
inline constexpr std::int32_t kDefaultSeries = 100;

// n × S may reach this; above it S becomes trunc(kSeriesCapNumerator / n).
inline constexpr std::int64_t kMaxMeasurementsPerRun = 1'000'001;
inline constexpr std::int64_t kSeriesCapNumerator = 1'000'000;

// The count arrays hold indices 0 … 1 000 002.
inline constexpr std::int32_t kCountArraySize = 1'000'003;

// The three aluminium screens [mm], in the order the run measures them.
inline constexpr std::array<std::int32_t, 3> kThicknessesMm = {1, 2, 3};

// The source stands at 3 cm here, not at the beta screen's 4.25 cm, which doubles the count rates.
inline constexpr long double kRateFactorAt3cm = 2;

}  // namespace noyalis::thickness_series
