#pragma once
// The in-memory wave image of a pure tone: 11 025 samples per second, mono, 8-bit unsigned.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace noyalis::kernel {

inline constexpr std::int32_t kSampleRate = 11'025;  // [samples/s]
inline constexpr std::int32_t kWaveHeaderSize = 46;  // [bytes]

// The French message shown instead of a tone above 0.6 × the sample rate (6615 Hz),
// or nothing when the frequency [Hz] can be played.
std::optional<std::string> ToneTooHighMessage(std::int32_t frequency);

// The wave image of a tone: frequency [Hz], duration [ms], volume (low byte used), and the
// caller's 2π. Sample i is 127 + truncate(volume × sin(i × 2π × frequency / 11 025)); a sample
// outside 0 … 255 raises RangeError.
std::vector<std::uint8_t> WaveImage(std::int32_t frequency, std::int32_t durationMs, std::int32_t volume,
                                    long double twoPi);

}  // namespace noyalis::kernel
