#pragma once
// Audio services for tests: one keeps every wave image it is asked to play, one fails.
#include <cstdint>
#include <vector>

#include "kernel/error.h"
#include "platform/services.h"

namespace noyalis::test {

class CapturingAudio final : public platform::AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>& waveImage) override { played.push_back(waveImage); }

  std::vector<std::vector<std::uint8_t>> played;
};

// An audio device that fails while playing.
class FailingAudio final : public platform::AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>&) override { throw kernel::RangeError("sound device lost"); }
};

}  // namespace noyalis::test
