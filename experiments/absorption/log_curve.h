#pragma once
// The absorption curve ln(N / N0) against the absorber thickness: the measured points with the
// half-heights of their error bars, and the smoothed curve drawn through them.
#include <vector>

#include "experiments/absorption/slot_table.h"

namespace noyalis::absorption {

struct CurvePoint {
  long double x = 0;        // thickness [mm]
  long double mean = 0;     // M [counts]
  long double height = 0;   // L = ln(M / N0)
  long double halfBar = 0;  // e = S1 / M1 + S / M: the spread at 0 mm plus the spread here
};

// The slots that have a logarithm (measured, mean above 0), in slot order, against N0 = the mean
// of slot 0. Empty when slot 0 has none.
std::vector<CurvePoint> MeasuredList(const SlotTable& table);

struct PlotPoint {
  long double x = 0;
  long double y = 0;
};

// The smoothed curve: the first point, then at every inner point the interpolation of its two
// neighbours moved a third of the way towards the point and held within its error bar, then the
// last point (a single point twice).
std::vector<PlotPoint> SmoothedCurve(const std::vector<CurvePoint>& points);

}  // namespace noyalis::absorption
