#pragma once
// Waiting for a tone to be heard. An audio output may hold a second or more of sound in its own
// buffers (a sound server with a recorder attached reports about 1.6 s): the tone has played only
// when every byte was taken and the device's played time has reached the tone's duration.
#include <cstdint>
#include <functional>

namespace noyalis::platform {

struct PlaybackProgress {
  std::function<std::int64_t()> bytesLeft;  // not yet taken by the device [bytes]
  std::function<std::int64_t()> playedUs;   // the device's played time [µs]
  std::function<bool()> failed;             // the device stopped on an error
};

// Runs the event loop (without user input: keys and clicks wait for the tone) until the tone of
// durationMs [ms] has played, the device failed, or boundMs [ms] have passed. True when it played.
bool WaitForPlayback(const PlaybackProgress& progress, int durationMs, int boundMs);

}  // namespace noyalis::platform
