#pragma once
// Point series whose markers are drawn whole on the edges of the plot, for curves that start on an
// axis (the first throw, the full lattice at t = 0) or run along one. They lie over the axes, so
// that a click near an axis reaches the point. As for any series, only the points inside the axis
// ranges are drawn.
#include "platform/chart.h"

namespace noyalis::platform {

// Points only (no line), as Chart::addPoints: scatter shape and size [px], outline and fill colours.
QCPGraph* AddEdgePoints(Chart* chart, const QString& name, QCPScatterStyle::ScatterShape shape, double size,
                        QColor outline, QColor fill);

}  // namespace noyalis::platform
