#include "experiments/absorption/beta_plot.h"

#include <algorithm>
#include <cmath>

#include "kernel/checked.h"
#include "kernel/least_squares.h"

namespace noyalis::absorption {

BetaPointArray& BetaPoints() {
  static BetaPointArray points{};
  return points;
}

BetaPlot PlotBeta(const SlotTable& table, BetaPointArray& entries) {
  BetaPlot plot;
  if (!table.hasLogarithm(0) || !table.hasLogarithm(beta::kReferenceSlot)) {
    plot.outcome = BetaPlot::Outcome::MissingMeasurements;
    return plot;
  }
  const long double background = table[beta::kReferenceSlot].mean;
  const std::span<BetaPoint> positions(entries);
  std::vector<BetaPoint> usable;  // this plot's entries with D > 0, in slot order
  int j = 0;
  long double reference = 0;
  for (int k = 0; k < table.size(); ++k) {
    if (!table.hasLogarithm(k)) continue;
    BetaPoint& e = kernel::checkedAt(positions, ++j);
    e.X = table[k].position;
    e.D = table[k].mean - background;
    if (j == 1) reference = e.D;
    e.Y = e.D > 0 && reference > 0 ? std::log(e.D / reference) : e.D;
    if (e.D > 0) usable.push_back(e);
  }
  if (!(reference > 0)) {
    plot.outcome = BetaPlot::Outcome::NoBetaAtZero;
    return plot;
  }
  const std::size_t fitted = std::min<std::size_t>(beta::kFitPoints, usable.size());
  std::vector<long double> xs, ys;
  for (std::size_t i = 0; i < fitted; ++i) {
    plot.points.push_back({usable[i].X, usable[i].Y});
    xs.push_back(usable[i].X);
    ys.push_back(usable[i].Y);
  }
  if (const auto fit = kernel::FitThroughOrigin(xs, ys)) {
    plot.slope = fit->slope;
    const std::size_t spanned = std::min<std::size_t>(beta::kLinePoints, usable.size());
    for (std::size_t i = 0; i < spanned; ++i) plot.line.push_back({usable[i].X, fit->slope * usable[i].X});
  }
  return plot;
}

}  // namespace noyalis::absorption
