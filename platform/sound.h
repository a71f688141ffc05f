#pragma once
// The counter's tones: a pure tone synthesised in memory and played to its end.
#include <cstdint>

namespace noyalis::platform {

// Plays a tone of frequency [Hz], duration [ms] and volume (low byte used), with the caller's 2π.
// Above 6615 Hz shows the French message and plays nothing; without an audio device, goes on silently.
void MakeSound(std::int32_t frequency, std::int32_t durationMs, std::int32_t volume, long double twoPi);

}  // namespace noyalis::platform
