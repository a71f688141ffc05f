#include "experiments/dice/dice_run.h"

#include <algorithm>
#include <string>

#include "experiments/dice/dice_constants.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::dice {

namespace {

// Dice thrown between two yields to the host: about 10 µs of throws, so the host's clock check
// stays rare and a stop request is seen within a fraction of a millisecond.
constexpr std::int64_t kDicePerYield = 4096;

// Two steps of the generator at once: x_{k+2} = a²·x_k + (a + 1) (mod 2^32).
constexpr std::uint32_t kTwoStepMultiplier =
    kernel::UniformRandom::kMultiplier * kernel::UniformRandom::kMultiplier;
constexpr std::uint32_t kTwoStepIncrement = kernel::UniformRandom::kMultiplier + 1u;

inline std::uint32_t Draw(std::uint32_t nf, std::uint32_t x) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(nf) * x) >> 32);
}

// Throws n dice from generator state s (advanced in place): returns how many drew 0 (face 1) and
// adds the draws (faces − 1) to drawSum. The same draws as n calls of UniformRandom::integer(nf);
// they are made in two interleaved streams (odd and even draws), so that two multiplications
// overlap instead of waiting on each other. A throw only counts its draws, so their order within
// it does not matter.
inline std::int32_t ThrowBlock(std::uint32_t& s, std::uint32_t nf, std::int64_t n, std::uint64_t& drawSum) {
  std::uint64_t sum = 0;
  std::int32_t removed = 0;
  std::uint32_t x = s;
  if (n >= 2) {
    std::uint32_t odd = kernel::UniformRandom::step(x);
    std::uint32_t even = kernel::UniformRandom::step(odd);
    for (std::int64_t i = 2;; i += 2) {
      const std::uint32_t a = Draw(nf, odd), b = Draw(nf, even);
      sum += a + b;
      removed += (a == 0) + (b == 0);
      if (i + 2 > n) break;
      odd = kTwoStepMultiplier * odd + kTwoStepIncrement;
      even = kTwoStepMultiplier * even + kTwoStepIncrement;
    }
    x = even;
  }
  if (n % 2 != 0) {
    x = kernel::UniformRandom::step(x);
    const std::uint32_t a = Draw(nf, x);
    sum += a;
    removed += a == 0;
  }
  s = x;
  drawSum += sum;
  return removed;
}

void CheckParameters(std::int32_t n0, std::int32_t nf, std::int32_t throws) {
  if (n0 < kMinDice || n0 > kMaxDice) throw kernel::RangeError("dice count " + std::to_string(n0));
  if (nf < kMinFaces || nf > kMaxFaces) throw kernel::RangeError("faces " + std::to_string(nf));
  if (throws < 1 || throws > kAllThrows) throw kernel::RangeError("throws " + std::to_string(throws));
}

}  // namespace

DiceRunData::DiceRunData() : DiceRemaining(kDiceRemainingSize, 0) {}

std::int32_t DiceRunData::diceLeft() const {
  return LastThrow < throws ? 0 : DiceRemaining[static_cast<std::size_t>(LastThrow)];
}

DiceRunData& LastDiceRun() {
  static DiceRunData data;
  return data;
}

void ThrowDice(DiceRunData& data, std::int32_t n0, std::int32_t nf, std::uint32_t seed, std::int32_t throws,
               kernel::RunHost& host) {
  CheckParameters(n0, nf, throws);
  std::fill(data.DiceRemaining.begin(), data.DiceRemaining.end(), 0);
  data.DiceRemaining[0] = n0;
  data.initialDice = n0;
  data.faces = nf;
  data.throws = throws;
  data.LastThrow = 0;
  data.faceSum = 0;
  data.diceThrown = 0;
  data.completed = false;

  std::uint32_t state = seed;
  std::uint64_t drawSum = 0;
  std::int64_t thrown = 0;
  std::int64_t untilYield = kDicePerYield;
  std::int32_t left = n0;
  std::int32_t t = 1;
  bool stopped = false;
  // Once no die is left the remaining entries stay at the zero they were given.
  for (; t <= throws && left > 0 && !stopped; ++t) {
    std::int32_t removed = 0;
    std::int64_t toThrow = left;
    while (toThrow > 0) {
      const std::int64_t block = std::min(toThrow, untilYield);
      removed += ThrowBlock(state, static_cast<std::uint32_t>(nf), block, drawSum);
      toThrow -= block;
      untilYield -= block;
      if (untilYield == 0) {
        untilYield = kDicePerYield;
        host.yieldItem();
        if (host.stopRequested()) {
          stopped = true;
          break;
        }
      }
    }
    thrown += left - toThrow;
    if (stopped) break;
    left -= removed;
    data.DiceRemaining[static_cast<std::size_t>(t)] = left;
  }
  kernel::UniformRandom::setState(state);
  data.faceSum = static_cast<std::int64_t>(drawSum) + thrown;
  data.diceThrown = thrown;
  if (stopped) return;
  // t is one past the last throw made: the throw that removed the last die, or T.
  data.LastThrow = left > 0 ? throws : t - 2;
  data.completed = true;
}

long double MeanFace(const DiceRunData& data) {
  if (data.diceThrown <= 0) throw kernel::FloatError("Invalid floating point operation: mean of no throw");
  return static_cast<long double>(data.faceSum) / static_cast<long double>(data.diceThrown);
}

}  // namespace noyalis::dice
