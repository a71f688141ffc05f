#pragma once
// The fixed quantities of the three absorption and distance screens, with their units; the source
// itself (its rates and attenuations) is in experiments/source.
#include <array>
#include <cstdint>

namespace noyalis::absorption {

// Every series holds 2 … 10 000 measurements, 5 by default.
inline constexpr std::int32_t kMinMeasurements = 2;
inline constexpr std::int32_t kMaxMeasurements = 10'000;
inline constexpr std::int32_t kDefaultMeasurements = 5;

// Beta rays through aluminium, with the source's gamma rays beside them.
namespace beta {
inline constexpr std::int32_t kMinCountingTimeMs = 500;
inline constexpr std::int32_t kMaxCountingTimeMs = 20'000;
inline constexpr std::int32_t kCountingTimeStepMs = 25;
inline constexpr std::int32_t kDefaultCountingTimeMs = 10'000;
// The thirteen aluminium absorbers [mm].
inline constexpr std::array<long double, 13> kThicknessMm = {0,    0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L,
                                                             0.7L, 0.8L, 0.9L, 1,    2,    3};
inline constexpr int kReferenceSlot = 12;  // 3 mm: the gamma background
// The beta fit takes the first seven beta points; its line spans the first eight.
inline constexpr int kFitPoints = 7;
inline constexpr int kLinePoints = 8;
// BetaPoints holds twenty entries.
inline constexpr int kBetaPointCapacity = 20;
}  // namespace beta

// Gamma rays through lead, behind 3 mm of aluminium that stops the beta rays.
namespace lead {
inline constexpr std::int32_t kMinCountingTimeMs = 500;
inline constexpr std::int32_t kMaxCountingTimeMs = 10'000;
inline constexpr std::int32_t kCountingTimeStepMs = 25;
inline constexpr std::int32_t kDefaultCountingTimeMs = 10'000;
// The five lead plates [mm].
inline constexpr std::array<long double, 5> kThicknessMm = {0, 5, 10, 15, 20};
}  // namespace lead

// The inverse-square law: one source at five distances.
namespace distance {
inline constexpr std::int32_t kMinCountingTimeMs = 50;
inline constexpr std::int32_t kMaxCountingTimeMs = 100'000;
inline constexpr std::int32_t kCountingTimeStepMs = 25;
inline constexpr std::int32_t kDefaultCountingTimeMs = 1000;
// The five distances [m], 3 cm first.
inline constexpr std::array<long double, 5> kDistanceM = {0.03L, 0.0425L, 0.06L, 0.085L, 0.12L};
}  // namespace distance

}  // namespace noyalis::absorption
