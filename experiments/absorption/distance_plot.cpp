#include "experiments/absorption/distance_plot.h"

#include "kernel/least_squares.h"

namespace noyalis::absorption {

DistancePlot PlotDistance(const SlotTable& table) {
  DistancePlot plot;
  std::vector<long double> xs, ys;
  for (int k = 0; k < table.size(); ++k) {
    if (!table.measured(k)) continue;  // a mean of 0 is a measured point here
    const SlotColumn& c = table[k];
    const long double x = 1 / (c.position * c.position);
    plot.points.push_back({x, c.mean, c.deviation});
    xs.push_back(x);
    ys.push_back(c.mean);
  }
  const auto fit = plot.points.size() >= 2 ? kernel::FitThroughOrigin(xs, ys) : std::nullopt;
  if (!fit) {
    plot.refused = true;
    plot.points.clear();
    return plot;
  }
  plot.slope = fit->slope;
  if (!fit->onAxis) plot.r2 = fit->r2;
  return plot;
}

}  // namespace noyalis::absorption
