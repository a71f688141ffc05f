#include "experiments/thickness_series/order_tally.h"

#include <string>

#include "kernel/error.h"

namespace noyalis::thickness_series {

int OrderRow(long double a, long double b, long double c) {
  if (c < b && b < a) return 1;
  if (b < c && c < a) return 2;
  if (c < a && a < b) return 3;
  if (b < a && a < c) return 4;
  if (a < c && c < b) return 5;
  if (a < b && b < c) return 6;
  return 0;
}

OrderTally::OrderTally(std::int32_t series) : series_(series) {
  if (series < 1)
    throw kernel::RangeError("Range check error: a tally over " + std::to_string(series) + " series");
}

int OrderTally::add(long double a, long double b, long double c) {
  const int row = OrderRow(a, b, c);
  ++counts_[static_cast<std::size_t>(row)];
  return row;
}

std::int64_t OrderTally::count(int row) const {
  if (row < 1 || row > kOrderRows)
    throw kernel::RangeError("Range check error: order row " + std::to_string(row) + " outside 1..6");
  return counts_[static_cast<std::size_t>(row)];
}

long double OrderTally::proportion(int row) const {
  return static_cast<long double>(count(row)) / series_;
}

}  // namespace noyalis::thickness_series
