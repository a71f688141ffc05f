#pragma once
// The seed and the step-by-step sequence of the dice screen: which seed each run uses, how the
// seed moves on in the automatic mode, and how many throws the next step-by-step run replays.
// The seed is held as an integer and brought into 1 … 999 999 999 once per operation, so a raise
// followed by a lower nets zero even at the ends of the range.
#include <cstdint>

#include "experiments/dice/dice_constants.h"

namespace noyalis::dice {

// The generator choice; the values are the item indices of the choice on the screen.
enum class SeedMode { Manual = 0, Automatic = 1 };

class DiceSequence {
 public:
  // The seed brought into 1 … 999 999 999.
  static std::int64_t ClampSeed(std::int64_t seed);

  SeedMode mode() const { return mode_; }
  std::int64_t seed() const { return seed_; }
  // Throws the next step-by-step run performs [throws].
  std::int32_t replayThrows() const { return replayThrows_; }
  // A step-by-step run removed every die: the reset button shows until a reset.
  bool finished() const { return finished_; }

  // The seed as the user set it (brought into range).
  void setSeed(std::int64_t seed) { seed_ = ClampSeed(seed); }
  // The generator choice clicked: the next step-by-step run throws 1000 times (automatic) or once.
  void chooseMode(SeedMode mode);
  // The reset button, or the dice-count or faces box left: the sequence starts again at one
  // throw, and the automatic mode moves to the next seed (one lower).
  void reset();

  // Start of a full run: the seed it uses (a pending reset is done first).
  std::uint32_t startFullRun();
  // End of a full run: the automatic mode moves to the next seed.
  void endFullRun();
  // Start of a step-by-step run: the seed it uses (a pending reset is done first); the run
  // throws replayThrows() times.
  std::uint32_t startStepRun();
  // End of a step-by-step run; allGone: no die was left after its last throw.
  void endStepRun(bool allGone);

 private:
  SeedMode mode_ = SeedMode::Automatic;
  std::int64_t seed_ = kDefaultSeed;
  std::int32_t replayThrows_ = 1;
  bool finished_ = false;
};

}  // namespace noyalis::dice
