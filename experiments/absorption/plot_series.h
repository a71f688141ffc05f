#pragma once
// Filling the series of the absorption and distance charts: a vertical error bar drawn as a line
// through three points at the same x, plain lists of points, and a fixed number of minor ticks.
#include <vector>

#include "experiments/absorption/log_curve.h"

class QCPAbstractPlottable;
class QCPAxis;

namespace noyalis::absorption {

// Adds (x, centre − half), (x, centre), (x, centre + half) to a line series, in this order.
void AddErrorBar(QCPAbstractPlottable* series, long double x, long double centre, long double half);

// Adds the points to a series.
void AddPoints(QCPAbstractPlottable* series, const std::vector<PlotPoint>& points);

// Draws count minor ticks between every two labels of the axis.
void SetMinorTickCount(QCPAxis* axis, int count);

}  // namespace noyalis::absorption
