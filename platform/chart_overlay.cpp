#include "platform/chart_overlay.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace noyalis::platform {

QList<QWidget*> BoxesOverChart(const QWidget* chart) {
  QList<QWidget*> boxes;
  const QWidget* screen = chart->parentWidget();
  if (!screen) return boxes;
  // A parent's children are in stacking order: those after the chart are drawn over it.
  const QObjectList& siblings = screen->children();
  for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(chart)) + 1; i > 0 && i < siblings.size(); ++i) {
    auto* box = qobject_cast<QWidget*>(siblings[i]);
    const bool shownBox =
        box && (qobject_cast<QLabel*>(box) || qobject_cast<QLineEdit*>(box)) && box->isVisibleTo(screen);
    if (shownBox && box->geometry().intersects(chart->geometry())) boxes << box;
  }
  return boxes;
}

void DrawBoxesOverChart(QPainter& painter, const QWidget* chart) {
  painter.save();
  painter.setClipRect(chart->rect(), Qt::IntersectClip);
  for (QWidget* box : BoxesOverChart(chart)) {
    painter.save();
    painter.translate(box->pos() - chart->pos());
    // Without its window background: a caption stays transparent over the chart, as on screen.
    box->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
  }
  painter.restore();
}

}  // namespace noyalis::platform
