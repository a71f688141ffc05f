#include "support/chart_check.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "platform/chart.h"

namespace noyalis::test {

namespace {

// A part of a chart that must stay in sight, in the screen's coordinates.
struct ChartPart {
  QRect rect;
  QString what;
};

QString Where(const QRect& r) {
  return QStringLiteral("(%1,%2 %3×%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

int PixelSize(const QFont& font) {
  return QFontInfo(font).pixelSize();
}

bool Shown(const QWidget* w) {
  return w->isVisibleTo(w->window()) && w->width() > 0;
}

bool AxisShown(const QCPAxis* axis) {
  return axis->visible() && axis->tickLabels();
}

// The band an axis takes beside the plot (tick labels and title), reaching past the plot's ends by
// half a tick label.
QRect AxisBand(const QCPAxis* axis) {
  const QRect inner = axis->axisRect()->rect();
  const QRect outer = axis->axisRect()->outerRect();
  const int reach = QFontMetrics(axis->tickLabelFont()).height();
  switch (axis->axisType()) {
    case QCPAxis::atBottom:
      return QRect(QPoint(inner.left() - 2 * reach, inner.bottom() + 1),
                   QPoint(inner.right() + 2 * reach, outer.bottom()));
    case QCPAxis::atTop:
      return QRect(QPoint(inner.left() - 2 * reach, outer.top()),
                   QPoint(inner.right() + 2 * reach, inner.top() - 1));
    case QCPAxis::atLeft:
      return QRect(QPoint(outer.left(), inner.top() - reach),
                   QPoint(inner.left() - 1, inner.bottom() + reach));
    case QCPAxis::atRight:
      return QRect(QPoint(inner.right() + 1, inner.top() - reach),
                   QPoint(outer.right(), inner.bottom() + reach));
  }
  return {};
}

QString AxisName(const QCPAxis* axis) {
  return axis->orientation() == Qt::Horizontal ? QStringLiteral("x axis") : QStringLiteral("y axis");
}

// The title's text, centred in its row.
QRect TitleRect(const platform::Chart* chart) {
  auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0));
  if (!title || title->text().isEmpty()) return {};
  const QRect text = QFontMetrics(title->font())
                         .boundingRect(title->rect(), Qt::AlignCenter | Qt::TextDontClip, title->text());
  return text;
}

std::vector<ChartPart> PartsOf(platform::Chart* chart, QWidget* screen) {
  const QPoint origin = chart->mapTo(screen, QPoint(0, 0));
  std::vector<ChartPart> parts{{chart->axisRect()->rect(), QStringLiteral("plot")}};
  if (const QRect title = TitleRect(chart); !title.isEmpty())
    parts.push_back({title, QStringLiteral("title")});
  if (chart->legend->visible() && chart->legend->itemCount() > 0)
    parts.push_back({chart->legend->outerRect(), QStringLiteral("legend")});
  for (QCPAxis* axis : chart->axisRect()->axes())
    if (AxisShown(axis))
      parts.push_back({AxisBand(axis) & chart->rect(), AxisName(axis) + QStringLiteral(" labels")});
  for (ChartPart& part : parts) part.rect.translate(origin);
  return parts;
}

// Whether w is drawn after (over) the chart: inside it, or later in the stacking order of the
// nearest parent they share.
bool DrawnOver(const QWidget* w, const QWidget* chart) {
  if (chart->isAncestorOf(w)) return true;
  const QWidget* branch = w;
  while (branch->parentWidget() && !branch->parentWidget()->isAncestorOf(chart))
    branch = branch->parentWidget();
  const QWidget* shared = branch->parentWidget();
  if (!shared) return false;
  const QWidget* chartBranch = chart;
  while (chartBranch->parentWidget() != shared) chartBranch = chartBranch->parentWidget();
  const QObjectList& order = shared->children();
  return order.indexOf(branch) > order.indexOf(chartBranch);
}

// The rectangle a widget draws on, in the screen's coordinates: a plain label its text only.
QRect DrawnRect(const QWidget* w, QWidget* screen) {
  QRect r(w->mapTo(screen, QPoint(0, 0)), w->size());
  const auto* label = qobject_cast<const QLabel*>(w);
  if (!label || label->autoFillBackground() || label->frameShape() != QFrame::NoFrame ||
      !label->styleSheet().isEmpty() || !label->pixmap().isNull())
    return r;
  if (label->text().isEmpty()) return {};
  const QSize text =
      label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text()).size();
  return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->contentsRect())
      .translated(r.topLeft());
}

void CheckTextSizes(platform::Chart* chart, QStringList& faults) {
  const auto small = [&](const QFont& font, const QString& what) {
    if (PixelSize(font) < kLeastChartTextPx)
      faults << QStringLiteral("%1's %2 is %3 px").arg(chart->objectName(), what).arg(PixelSize(font));
  };
  if (auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0));
      title && !title->text().isEmpty())
    small(title->font(), QStringLiteral("title"));
  for (QCPAxis* axis : chart->axisRect()->axes()) {
    if (!AxisShown(axis)) continue;
    small(axis->tickLabelFont(), AxisName(axis) + QStringLiteral(" tick labels"));
    if (!axis->label().isEmpty()) small(axis->labelFont(), AxisName(axis) + QStringLiteral(" title"));
    if (axis->axisType() == QCPAxis::atBottom || axis->axisType() == QCPAxis::atLeft)
      if (axis->label().trimmed().isEmpty())
        faults << QStringLiteral("%1's %2 has no title").arg(chart->objectName(), AxisName(axis));
  }
  if (chart->legend->visible() && chart->legend->itemCount() > 0)
    small(chart->legend->font(), QStringLiteral("legend"));
  for (const QWidget* note : chart->findChildren<QWidget*>())
    if (Shown(note) && PixelSize(note->font()) < kLeastChartTextPx)
      faults << QStringLiteral("%1 on %2 is %3 px")
                    .arg(note->objectName(), chart->objectName())
                    .arg(PixelSize(note->font()));
}

void CheckCovers(platform::Chart* chart, QWidget* screen, QStringList& faults) {
  const std::vector<ChartPart> parts = PartsOf(chart, screen);
  if (chart->legend->visible() && chart->legend->itemCount() > 0 &&
      chart->legend->outerRect().intersects(chart->axisRect()->rect()))
    faults << QStringLiteral("%1's legend covers its plot").arg(chart->objectName());
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    const QWidget* parent = w->parentWidget();
    const bool placed = parent == screen || parent == chart || parent == chart->parentWidget();
    if (!placed || w == chart || w->isAncestorOf(chart) || !Shown(w) || !DrawnOver(w, chart)) continue;
    const QRect drawn = DrawnRect(w, screen);
    for (const ChartPart& part : parts) {
      const QRect common = drawn & part.rect;
      if (common.width() > 1 && common.height() > 1)
        faults << QStringLiteral("%1 %2 covers %3's %4 %5")
                      .arg(w->objectName(), Where(drawn), chart->objectName(), part.what, Where(part.rect));
    }
  }
  // Another window over the plot: its frame in global coordinates.
  const QRect plot(chart->mapToGlobal(chart->axisRect()->rect().topLeft()), chart->axisRect()->rect().size());
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == screen->window() || !window->isVisible() ||
        (window->windowType() & Qt::Popup) == Qt::Popup || window->windowType() == Qt::ToolTip)
      continue;
    if ((window->frameGeometry() & plot).width() > 1 && (window->frameGeometry() & plot).height() > 1)
      faults << QStringLiteral("window %1 covers %2's plot").arg(window->objectName(), chart->objectName());
  }
}

}  // namespace

void CheckCharts(QWidget* screen, QStringList& faults) {
  for (platform::Chart* chart : screen->findChildren<platform::Chart*>()) {
    if (!Shown(chart)) continue;
    chart->replot();  // lays out the title, the axes with their ticks and the legend
    CheckTextSizes(chart, faults);
    CheckCovers(chart, screen, faults);
  }
}

}  // namespace noyalis::test
