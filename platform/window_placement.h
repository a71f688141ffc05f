#pragma once
// Where a window opens beside what it explains: next to it on the desktop, not over it.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace noyalis::platform {

// The top-left corner of a window of frame size window that leaves avoid free: right of it, else
// left, below or above, aligned with its top or left edge and kept inside area. When no side has
// room, the place inside area that covers the least of avoid (on a small desktop, usually a band at
// its top or bottom edge, where a chart has its title and tick labels rather than its data).
QPoint PlaceBeside(QSize window, QRect avoid, QRect area);

// Moves the top-level window beside the widget beside, on the desktop of that widget.
void MoveBeside(QWidget* window, const QWidget* beside);

}  // namespace noyalis::platform
