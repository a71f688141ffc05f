#include "experiments/absorption/log_curve.h"

#include <cmath>

namespace noyalis::absorption {

std::vector<CurvePoint> MeasuredList(const SlotTable& table) {
  std::vector<CurvePoint> list;
  if (!table.hasLogarithm(0)) return list;
  const SlotColumn& first = table[0];
  const long double n0 = first.mean;
  const long double firstSpread = first.deviation / first.mean;
  for (int k = 0; k < table.size(); ++k) {
    if (!table.hasLogarithm(k)) continue;  // a mean of 0 has no logarithm: no point, no bar
    const SlotColumn& c = table[k];
    list.push_back({c.position, c.mean, std::log(c.mean / n0), firstSpread + c.deviation / c.mean});
  }
  return list;
}

std::vector<PlotPoint> SmoothedCurve(const std::vector<CurvePoint>& p) {
  std::vector<PlotPoint> curve;
  if (p.empty()) return curve;
  const std::size_t n = p.size();
  curve.push_back({p[0].x, p[0].height});
  for (std::size_t k = 1; k + 1 < n; ++k) {
    const CurvePoint &before = p[k - 1], &here = p[k], &after = p[k + 1];
    const long double j =
        (before.height * (after.x - here.x) + after.height * (here.x - before.x)) / (after.x - before.x);
    long double smoothed = j + (here.height - j) / 3;
    if (smoothed > here.height + here.halfBar) smoothed = here.height + here.halfBar;
    if (smoothed < here.height - here.halfBar) smoothed = here.height - here.halfBar;
    curve.push_back({here.x, smoothed});
  }
  curve.push_back({p[n - 1].x, p[n - 1].height});
  return curve;
}

}  // namespace noyalis::absorption
