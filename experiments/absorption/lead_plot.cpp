#include "experiments/absorption/lead_plot.h"

#include "kernel/least_squares.h"

namespace noyalis::absorption {

LeadPlot PlotLead(const SlotTable& table) {
  LeadPlot plot;
  plot.points = MeasuredList(table);
  std::vector<long double> xs, ys;
  for (const CurvePoint& p : plot.points) {
    xs.push_back(p.x);
    ys.push_back(p.height);
  }
  const auto fit = plot.points.size() >= 2 ? kernel::FitThroughOrigin(xs, ys) : std::nullopt;
  if (!fit) {
    plot.refused = true;
    plot.points.clear();
    return plot;
  }
  plot.slope = fit->slope;
  if (!fit->onAxis) plot.fit = fit->r2;
  return plot;
}

}  // namespace noyalis::absorption
