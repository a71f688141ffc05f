#pragma once
// The tally of the six strict orders of a student's three series means (1, 2 and 3 mm).
#include <array>
#include <cstdint>

namespace noyalis::thickness_series {

inline constexpr int kOrderRows = 6;

// The row of the order table, 1 … 6 top to bottom, for series means a (1 mm), b (2 mm) and
// c (3 mm), or 0 when two of them are equal:
//   1: c < b < a   2: b < c < a   3: c < a < b   4: b < a < c   5: a < c < b   6: a < b < c
// Row 1 is the order beta absorption alone predicts: the thicker the screen, the fewer counts.
int OrderRow(long double a, long double b, long double c);

class OrderTally {
 public:
  // A tally over S [series] ≥ 1.
  explicit OrderTally(std::int32_t series);

  // Counts the order of one series; returns its row, or 0 for a tie (counted nowhere).
  int add(long double a, long double b, long double c);

  // Series counted in row (1 … 6).
  std::int64_t count(int row) const;
  // count(row) / S.
  long double proportion(int row) const;
  std::int32_t series() const { return series_; }

 private:
  std::int32_t series_;
  std::array<std::int64_t, kOrderRows + 1> counts_{};  // index 0: the ties
};

}  // namespace noyalis::thickness_series
