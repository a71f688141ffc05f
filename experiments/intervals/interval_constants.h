#pragma once
// The time-interval experiment's fixed quantities, with their units.
#include <array>
#include <cstdint>

namespace noyalis::intervals {

// N, the number of intervals of a run.
inline constexpr std::int32_t kMinIntervals = 32;
inline constexpr std::int32_t kMaxIntervals = 100'000;
inline constexpr std::int32_t kDefaultIntervals = 10'000;
inline constexpr std::int32_t kIntervalsStep = 100;

// w, the width of a histogram class [µs].
inline constexpr std::int32_t kMinClassWidthUs = 10;
inline constexpr std::int32_t kMaxClassWidthUs = 1000;
inline constexpr std::int32_t kDefaultClassWidthUs = 100;
inline constexpr std::int32_t kClassWidthStepUs = 10;

// The run arrays hold indices 0 … 100 000.
inline constexpr std::int32_t kLastIndex = 100'000;

// The five source–counter distances [cm]; each step away halves the count rate.
inline constexpr std::array<const char*, 5> kDistanceLabels = {"3", "4.25", "6", "8.5", "12"};
// Registered decays per second at 3 cm [1/s].
inline constexpr long double kRateAt3cm = 544;

// The counter cannot register two decays less than 100 µs apart.
inline constexpr std::int64_t kDeadTimeUs = 100;

// Decays are counted in time slices of 50 ms [µs].
inline constexpr std::int64_t kSliceUs = 50'000;

// The list of intervals draws 3 px points up to 100 intervals, 1 px from 502 on, else 2 px.
inline constexpr std::int32_t kLargePointsUpTo = 100;
inline constexpr std::int32_t kSmallPointsFrom = 502;

}  // namespace noyalis::intervals
