#pragma once
// The 64 000-slot inverse lookup table of one integer Poisson mean, from which the absorption,
// distance and thickness-series experiments draw their counts.
#include <cstdint>
#include <span>
#include <vector>

namespace noyalis::kernel {

class PoissonTable {
 public:
  static constexpr std::int32_t kExactLimit = 200;       // probabilities exact up to this count
  static constexpr std::int32_t kMaxTabulated = 60'000;  // largest count tabulated
  static constexpr std::int32_t kScale = 64'000;         // slots drawn: 1 … 64 000
  static constexpr std::int32_t kSlotCapacity = 65'000;  // room for the rounding surplus
  static constexpr std::int32_t kDrawMultiplier = 63'999;

  // Builds the table for mean m [counts] ≥ 1; m ≤ 0 raises FloatError, more than
  // 65 000 filled slots raises RangeError.
  explicit PoissonTable(std::int32_t m);

  std::int32_t mean() const { return m_; }
  // Number of slots the rounded probabilities fill (about 64 000).
  std::int32_t filled() const { return filled_; }
  // Count held by slot s (1 … filled()).
  std::int32_t slot(std::int32_t s) const;
  // The acceptance window [lo, hi] of the draws.
  std::int32_t lo() const { return lo_; }
  std::int32_t hi() const { return hi_; }

  // One count from the current generator state (no reseed): a random slot, drawn again while
  // it lies beyond the filled slots or holds a count outside the window. A table with no count
  // inside its window (a mean far above the tabulated maximum) raises RangeError.
  std::int32_t drawOne() const;

 private:
  std::int32_t m_;
  std::int32_t filled_ = 0;
  std::int32_t lo_ = 0, hi_ = 0;
  bool drawable_ = false;            // some filled slot holds a count inside the window
  std::vector<std::int32_t> slots_;  // index 0 unused
};

// Builds the table of mean m, reseeds the generator from the clock, then fills out[1 … n]
// (out[0] untouched); an index outside out raises RangeError.
void PoissonTableDraw(std::int32_t m, std::int32_t n, std::span<std::int32_t> out);

}  // namespace noyalis::kernel
