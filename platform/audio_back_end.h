#pragma once
// The sound device as the audio thread sees it: one output that pulls its samples from a stream
// as it plays them. Every call may block as long as the device does (a stalled sound server), so
// only the audio thread makes them; tests put in devices that answer, fail or never return.
#include <cstdint>
#include <functional>
#include <memory>

class QIODevice;

namespace noyalis::platform {

class AudioBackEnd {
 public:
  virtual ~AudioBackEnd() = default;
  // Starts playing 8-bit unsigned mono samples at 11 025 Hz pulled from stream, which outlives
  // the output; false when there is no device to play them.
  virtual bool open(QIODevice& stream) = 0;
  // How much of the stream the device has played since open [bytes].
  virtual std::int64_t playedBytes() = 0;
  // The device was lost (server gone): the output must be closed and opened again.
  virtual bool failed() = 0;
  virtual void close() = 0;
};

// Makes a closed output; called on the audio thread, which owns what it returns.
using AudioBackEndFactory = std::function<std::unique_ptr<AudioBackEnd>()>;

}  // namespace noyalis::platform
