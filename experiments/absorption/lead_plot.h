#pragma once
// The lead plot: ln(N / N0) against the lead thickness with error bars, and the line through the
// origin fitted to it with its slope a and its fit measure d = (Σxy)² / (Σx² Σy²).
#include <optional>
#include <vector>

#include "experiments/absorption/log_curve.h"
#include "experiments/absorption/slot_table.h"

namespace noyalis::absorption {

struct LeadPlot {
  bool refused = false;            // 0 mm, or every other plate, without a mean to plot
  long double slope = 0;           // a [1/mm]
  std::optional<long double> fit;  // d; none when every point lies on the axis (Σy² = 0)
  std::vector<CurvePoint> points;  // the measured list, 0 mm first
};

// Plots the slots that have a logarithm; refused unless 0 mm and at least one plate have one.
LeadPlot PlotLead(const SlotTable& table);

}  // namespace noyalis::absorption
