#include "experiments/dice/dice_seed.h"

#include <algorithm>

namespace noyalis::dice {

std::int64_t DiceSequence::ClampSeed(std::int64_t seed) {
  return std::clamp(seed, kMinSeed, kMaxSeed);
}

void DiceSequence::chooseMode(SeedMode mode) {
  mode_ = mode;
  replayThrows_ = mode == SeedMode::Automatic ? kAutomaticReplayThrows : 1;
}

void DiceSequence::reset() {
  replayThrows_ = 1;
  finished_ = false;
  if (mode_ == SeedMode::Automatic) seed_ = ClampSeed(seed_ - 1);
}

std::uint32_t DiceSequence::startFullRun() {
  replayThrows_ = 1;
  if (finished_) reset();
  return static_cast<std::uint32_t>(seed_);
}

void DiceSequence::endFullRun() {
  if (mode_ == SeedMode::Automatic) seed_ = ClampSeed(seed_ - 1);
}

std::uint32_t DiceSequence::startStepRun() {
  if (finished_) reset();
  return static_cast<std::uint32_t>(seed_);
}

void DiceSequence::endStepRun(bool allGone) {
  finished_ = allGone;
  replayThrows_ = std::min(replayThrows_ + 1, kMaxReplayThrows);
}

}  // namespace noyalis::dice
