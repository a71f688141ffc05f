#pragma once
// The inverse-square plot: the mean count against 1/d² with ± one standard deviation, and the
// line through the origin fitted to it with its slope and r².
#include <optional>
#include <vector>

#include "experiments/absorption/slot_table.h"

namespace noyalis::absorption {

struct DistancePoint {
  long double inverseSquare = 0;  // 1/d² [1/m²]
  long double mean = 0;           // [counts]
  long double deviation = 0;      // [counts]
};

struct DistancePlot {
  bool refused = false;               // fewer than two measured distances
  long double slope = 0;              // [counts · m²]
  std::optional<long double> r2;      // none when every mean is 0 (Σy² = 0)
  std::vector<DistancePoint> points;  // measured distances, 3 cm first
};

DistancePlot PlotDistance(const SlotTable& table);

}  // namespace noyalis::absorption
