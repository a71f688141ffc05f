#pragma once
// What the class results accept from a results file, with units: the values the program itself can
// write, and a size that no file it writes reaches.
#include <cstdint>

namespace noyalis::class_results {

// A results file is read whole; the largest the program writes (1 000 000 measurements) is about
// 21 MB [bytes].
inline constexpr std::int64_t kMaxFileBytes = 32LL * 1024 * 1024;

// Activity files: the number-of-measurements box runs from 2 to 1 000 000; a measurement counts at
// most about 55 000 (544 counts/s for 100 s), so no count is above 100 000 [counts].
inline constexpr std::int64_t kMinMeasurementsBox = 2;
inline constexpr std::int64_t kMaxMeasurements = 1'000'000;
inline constexpr std::int32_t kMaxCount = 100'000;

// Interval files: the boxes run from 32 to 100 000 intervals and from 10 to 1000 µs per class; no
// interval the program draws lasts a second [µs].
inline constexpr std::int64_t kMinIntervalsBox = 32;
inline constexpr std::int64_t kMaxIntervals = 100'000;
inline constexpr std::int32_t kMinClassWidthUs = 10;
inline constexpr std::int32_t kMaxClassWidthUs = 1000;
inline constexpr std::int64_t kMaxIntervalUs = 1'000'000;

// A file whose mean lies more than this many standard errors from the class's is marked.
inline constexpr long double kMarkBeyondStandardErrors = 3;

}  // namespace noyalis::class_results
