#pragma once
// The one process-wide uniform generator: a 32-bit linear congruential generator,
// seed ← seed × 134 775 813 + 1 (mod 2^32), seed 0 at program start.
#include <cstdint>

namespace noyalis::kernel {

class UniformRandom {
 public:
  static constexpr std::uint32_t kMultiplier = 134775813u;

  // The seed that follows s.
  static constexpr std::uint32_t step(std::uint32_t s) { return s * kMultiplier + 1u; }
  // A seed as a real draw in [0, 1): s × 2^−32, exact in extended precision.
  static constexpr long double toReal(std::uint32_t s) { return static_cast<long double>(s) * 0x1p-32L; }

  // Advances the seed and returns it as a real in [0, 1).
  static long double real() { return toReal(seed_ = step(seed_)); }
  // A seed as an integer in [0, range): the high 32 bits of range × s.
  static constexpr std::uint32_t toInteger(std::uint32_t s, std::uint32_t range) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(range) * s) >> 32);
  }

  // Advances the seed and returns an integer in [0, range). A loop of many draws runs faster on
  // its own copy of the state (step and toInteger, then setState): the state stays in a register.
  static std::uint32_t integer(std::uint32_t range) { return toInteger(seed_ = step(seed_), range); }
  // Seed from the low 32 bits of the high-resolution clock.
  static void reseedFromClock();
  // The current seed, and setting it (the dice experiment shows and sets it).
  static std::uint32_t state() { return seed_; }
  static void setState(std::uint32_t seed) { seed_ = seed; }

 private:
  static inline std::uint32_t seed_ = 0;
};

// x^y as e^(y · ln x) in extended precision; x ≤ 0 raises FloatError.
long double Power(long double x, long double y);

}  // namespace noyalis::kernel
