#include "platform/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace noyalis::platform {

namespace {

constexpr int kGap = 8;  // [px] between the window and what it leaves free
// The frame a window manager adds around the client area is not known before the window is shown:
// room for a title bar and borders [px].
constexpr QSize kFrameAllowance{8, 32};

// p moved the least so that a window of size s lies inside area (its top-left corner when larger).
QPoint Inside(QPoint p, QSize s, QRect area) {
  return {std::max(area.left(), std::min(p.x(), area.right() + 1 - s.width())),
          std::max(area.top(), std::min(p.y(), area.bottom() + 1 - s.height()))};
}

long long Covered(QRect a, QRect b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

QPoint PlaceBeside(QSize window, QRect avoid, QRect area) {
  const QPoint sides[] = {{avoid.right() + 1 + kGap, avoid.top()},
                          {avoid.left() - kGap - window.width(), avoid.top()},
                          {avoid.left(), avoid.bottom() + 1 + kGap},
                          {avoid.left(), avoid.top() - kGap - window.height()}};
  QPoint best = Inside(sides[0], window, area);
  long long least = std::numeric_limits<long long>::max();
  for (const QPoint& side : sides) {
    const QPoint at = Inside(side, window, area);
    const long long covered = Covered(QRect(at, window), avoid);
    // The first side that covers nothing, else the one that covers least.
    if (covered < least) {
      least = covered;
      best = at;
    }
    if (covered == 0) break;
  }
  return best;
}

void MoveBeside(QWidget* window, const QWidget* beside) {
  const QScreen* screen = beside->screen();
  if (!screen) return;
  const QRect avoid(beside->mapToGlobal(QPoint(0, 0)), beside->size());
  window->adjustSize();
  window->move(PlaceBeside(window->size() + kFrameAllowance, avoid, screen->availableGeometry()));
}

}  // namespace noyalis::platform
