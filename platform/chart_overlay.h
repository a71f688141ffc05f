#pragma once
// What a screen lays over a chart: the result boxes and their captions placed on the chart's free
// corner (a slope, a count, a fit). They are widgets of the screen, not of the chart, so an image
// or a print of the chart alone would leave them out.
#include <QList>

class QPainter;
class QWidget;

namespace noyalis::platform {

// The boxes and captions over chart, bottom first: the screen's shown labels and line edits
// stacked above the chart that cover part of it.
QList<QWidget*> BoxesOverChart(const QWidget* chart);

// Draws those boxes on painter as they sit on screen, in the chart's own coordinates (the
// painter's transform scales them with the chart), clipped to the chart.
void DrawBoxesOverChart(QPainter& painter, const QWidget* chart);

}  // namespace noyalis::platform
