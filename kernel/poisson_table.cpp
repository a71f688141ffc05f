#include "kernel/poisson_table.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "kernel/error.h"
#include "kernel/uniform_random.h"

namespace noyalis::kernel {

namespace {

// A probability below this rounds to no slot, with a wide margin over 0.5 for rounding noise.
constexpr long double kNoSlot = 0.4L;

}  // namespace

// Only the probabilities that fill a slot are computed. The exact part is cheap and computed in
// full. Stirling's terms x(i) = (i ln m − m) − (i ln i − i + ½ ln 2iπ) are concave in i
// (x'' = −1/i + 1/(2i²) < 0), so they rise up to about m − ½ and fall after it: scanning outward
// from m, the first term below kNoSlot on each side is followed by smaller ones only, which all
// round to zero. The slots are thus those of the full table of 60 001 probabilities.
PoissonTable::PoissonTable(std::int32_t m) : m_(m), slots_(kSlotCapacity + 1, 0) {
  if (m <= 0) throw FloatError("Invalid floating point operation: ln of a mean that is not positive");
  const long double mean = m;
  const long double expMinusMean = std::exp(-mean);

  std::int32_t slot = 0;
  const auto fill = [&](std::int32_t count, long double p) {
    const auto copies = static_cast<std::int64_t>(std::rint(p));
    if (copies > kSlotCapacity - slot)
      throw RangeError("Range check error: more than 65000 slots in the table of mean " + std::to_string(m));
    for (std::int64_t c = 0; c < copies; ++c) slots_[static_cast<std::size_t>(++slot)] = count;
  };

  // Exact part; f_i = i × f_{i−1} is the very product 1 · 2 · … · i.
  long double factorial = 1;
  for (std::int32_t i = 0; i <= kExactLimit; ++i) {
    if (i > 0) factorial = i * factorial;
    fill(i, Power(mean, i) * expMinusMean / factorial * kScale);
  }

  // Stirling part, scanned outward from the mean.
  const long double lnMean = std::log(mean);
  const long double pi = 4 * std::atan(1.0L);
  const auto stirling = [&](std::int32_t i) {
    const long double n = i;
    const long double x = (n * lnMean - mean) - (n * std::log(n) - n + 0.5L * std::log(2 * n * pi));
    return kScale * std::exp(x);
  };
  const std::int32_t start = std::clamp(m, kExactLimit + 1, kMaxTabulated);
  std::vector<long double> below;  // the terms under start, nearest first (only for m > 201)
  for (std::int32_t i = start - 1; i > kExactLimit; --i) {
    const long double p = stirling(i);
    if (p < kNoSlot) break;  // i ≤ m − 1: the terms fall from here down
    below.push_back(p);
  }
  for (auto k = static_cast<std::int32_t>(below.size()) - 1; k >= 0; --k)
    fill(start - 1 - k, below[static_cast<std::size_t>(k)]);
  for (std::int32_t i = start; i <= kMaxTabulated; ++i) {
    const long double p = stirling(i);
    if (p < kNoSlot && i >= m) break;  // i ≥ m: the terms fall from here up
    fill(i, p);
  }
  filled_ = slot;

  const long double root = std::sqrt(mean);
  const long double low = std::rint(mean - 5 * root);
  lo_ = low < 0 ? 0 : static_cast<std::int32_t>(low);
  hi_ = static_cast<std::int32_t>(std::rint(mean + (m < 3 ? 9 : 7) * root));
  for (std::int32_t s = 1; s <= filled_; ++s) {
    if (slots_[static_cast<std::size_t>(s)] >= lo_ && slots_[static_cast<std::size_t>(s)] <= hi_) {
      drawable_ = true;
      break;
    }
  }
}

std::int32_t PoissonTable::slot(std::int32_t s) const {
  if (s < 1 || s > filled_)
    throw RangeError("Range check error: slot " + std::to_string(s) + " outside 1.." +
                     std::to_string(filled_));
  return slots_[static_cast<std::size_t>(s)];
}

std::int32_t PoissonTable::drawOne() const {
  if (!drawable_)
    throw RangeError("Range check error: no count of mean " + std::to_string(m_) + " is tabulated");
  for (;;) {
    // s is 1 … 64 000; slots beyond the filled ones hold no value of this table.
    const auto s = static_cast<std::int32_t>(std::rint(UniformRandom::real() * kDrawMultiplier)) + 1;
    if (s > filled_) continue;
    const std::int32_t v = slots_[static_cast<std::size_t>(s)];
    if (v >= lo_ && v <= hi_) return v;
  }
}

void PoissonTableDraw(std::int32_t m, std::int32_t n, std::span<std::int32_t> out) {
  // Checking the largest index checks them all.
  if (n >= 1 && static_cast<std::size_t>(n) >= out.size())
    throw RangeError("Range check error: index " + std::to_string(n) + " outside 0.." +
                     std::to_string(static_cast<std::int64_t>(out.size()) - 1));
  const PoissonTable table(m);
  UniformRandom::reseedFromClock();
  for (std::int32_t k = 1; k <= n; ++k) out[static_cast<std::size_t>(k)] = table.drawOne();
}

}  // namespace noyalis::kernel
