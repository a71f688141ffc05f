#pragma once
// An audio service for tests: keeps every wave image it is asked to play.
#include <cstdint>
#include <vector>

#include "platform/services.h"

namespace noyalis::test {

class CapturingAudio final : public platform::AudioService {
 public:
  void playSync(const std::vector<std::uint8_t>& waveImage) override { played.push_back(waveImage); }

  std::vector<std::vector<std::uint8_t>> played;
};

}  // namespace noyalis::test
