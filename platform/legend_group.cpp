#include "platform/legend_group.h"

#include <algorithm>

#include "platform/chart.h"

namespace noyalis::platform {

LegendGroup::LegendGroup(QCPLegend* legend, const QString& name, const QString& title,
                         std::vector<QCPAbstractPlottable*> members)
    : QCPAbstractLegendItem(legend), title_(title), members_(std::move(members)) {
  setObjectName(name);
}

bool LegendGroup::holds(const QCPAbstractPlottable* series) const {
  return std::find(members_.begin(), members_.end(), series) != members_.end();
}

bool LegendGroup::drawn() const {
  return std::any_of(members_.begin(), members_.end(), [](const QCPAbstractPlottable* series) {
    return series->visible() && Chart::pointCount(series) > 0;
  });
}

void LegendGroup::draw(QCPPainter* painter) {
  const QSize icon = mParentLegend->iconSize();
  painter->setFont(mParentLegend->font());
  painter->setPen(mParentLegend->textColor());
  const int textLeft = mRect.x() + icon.width() + mParentLegend->iconTextPadding();
  const QRect text = painter->fontMetrics().boundingRect(0, 0, 0, icon.height(), Qt::TextDontClip, title_);
  painter->drawText(textLeft, mRect.y(), text.width(), std::max(text.height(), icon.height()),
                    Qt::TextDontClip, title_);
  // The icon is what the members draw: an upright bar.
  if (members_.empty()) return;
  painter->setPen(members_.front()->pen());
  const int middle = mRect.x() + icon.width() / 2;
  painter->drawLine(QLine(middle, mRect.y() + 1, middle, mRect.y() + icon.height() - 1));
}

QSize LegendGroup::minimumOuterSizeHint() const {
  const QSize icon = mParentLegend->iconSize();
  const QRect text =
      QFontMetrics(mParentLegend->font()).boundingRect(0, 0, 0, icon.height(), Qt::TextDontClip, title_);
  return QSize(
      icon.width() + mParentLegend->iconTextPadding() + text.width() + mMargins.left() + mMargins.right(),
      std::max(text.height(), icon.height()) + mMargins.top() + mMargins.bottom());
}

}  // namespace noyalis::platform
