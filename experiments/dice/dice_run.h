#pragma once
// One dice run: N0 dice of nf faces thrown again and again from a seed; after each throw the dice
// that showed face 1 are taken out. The record of the dice left is process-wide.
#include <cstdint>
#include <optional>
#include <vector>

#include "kernel/run_host.h"

namespace noyalis::dice {

struct DiceRunData {
  DiceRunData();

  // DiceRemaining[0] = N0, DiceRemaining[t] = dice left after throw t; zero after the last die.
  std::vector<std::int32_t> DiceRemaining;
  std::int32_t initialDice = 0;  // N0 of the last run
  std::int32_t faces = 0;        // nf of the last run
  std::int32_t throws = 0;       // throws the last run was asked for, T
  // The last throw after which dice remain: 0 when the first throw removes every die, T when dice
  // remain after all T throws.
  std::int32_t LastThrow = 0;
  std::int64_t faceSum = 0;     // sum of the faces shown
  std::int64_t diceThrown = 0;  // number of dice thrown
  bool completed = false;       // false when the run was abandoned on a stop request

  // Dice left after the last throw of the run.
  std::int32_t diceLeft() const;
};

// The one dice run record of the process.
DiceRunData& LastDiceRun();

// Sets the generator to seed and throws n0 dice of nf faces up to `throws` times into data. The
// dice removed by a throw go out after the whole throw. The host is yielded to once per block of
// dice thrown; a stop request abandons the run (completed stays false). The generator is left
// after the last draw.
void ThrowDice(DiceRunData& data, std::int32_t n0, std::int32_t nf, std::uint32_t seed, std::int32_t throws,
               kernel::RunHost& host);

// Mean of the faces shown (sum / thrown).
long double MeanFace(const DiceRunData& data);

}  // namespace noyalis::dice
