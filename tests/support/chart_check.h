#pragma once
// The charts' part of the layout check: texts of 11 px and more, titled axes, and nothing (a box,
// a label, the legend, another window) over a plot, its tick labels, axis titles or legend.
#include <QStringList>

class QWidget;

namespace noyalis::test {

inline constexpr int kLeastChartTextPx = 11;

// Adds to faults what the shown charts of screen break.
void CheckCharts(QWidget* screen, QStringList& faults);

}  // namespace noyalis::test
