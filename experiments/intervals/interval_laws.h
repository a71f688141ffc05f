#pragma once
// The two laws of the intervals between registered decays: the exponential law of a source of
// constant activity, and the same source seen through a counter with a 100 µs dead time.
#include <cstdint>
#include <functional>
#include <span>

namespace noyalis::intervals {

// Registered decays per second at distance index d (0 = 3 cm … 4 = 12 cm): round(544 × 2^(−d)) [1/s].
std::int32_t CountRate(int distanceIndex);

// What a draw of intervals cost the generator.
struct DrawTally {
  std::int64_t draws = 0;     // uniform draws, rejected ones included
  std::int64_t rejected = 0;  // draws that gave no interval (a uniform 0, or too short an interval)
};

// Draws count intervals (1 … 100 000) of the exponential law of rate [1/s] into intervals[1..count]
// [µs], and the decay dates into dates[1..count] [µs] (the first decay at 0). The generator is
// reseeded from the clock first; an interval that rounds to 0 µs, or a uniform draw of 0, is drawn
// again.
DrawTally DistIntervallesTH(std::int32_t rate, std::int32_t count, std::span<std::int64_t> dates,
                            std::span<std::int64_t> intervals);

// The same seen through the counter: an interval under 100 µs is drawn again, and the time it
// lasted is not added to any date.
DrawTally DistIntervallesGeiger(std::int32_t rate, std::int32_t count, std::span<std::int64_t> dates,
                                std::span<std::int64_t> intervals);

// Runs after each clock reseed of the two draws, so that a test can set the generator and script a
// run draw by draw; an empty function removes it.
void SetAfterReseed(std::function<void()> hook);

}  // namespace noyalis::intervals
