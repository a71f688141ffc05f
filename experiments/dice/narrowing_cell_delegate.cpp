#include "experiments/dice/narrowing_cell_delegate.h"

#include <QApplication>
#include <QPainter>

namespace noyalis::dice {

void NarrowingCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QStyleOptionViewItem inside = option;
  inside.rect = option.rect.adjusted(0, 0, -gridWidth_, -gridWidth_);
  paintCell(painter, inside, index);
  const QRect& r = option.rect;
  painter->fillRect(QRect(r.right() - gridWidth_ + 1, r.top(), gridWidth_, r.height()), gridColour_);
  painter->fillRect(QRect(r.left(), r.bottom() - gridWidth_ + 1, r.width(), gridWidth_), gridColour_);
}

void NarrowingCellDelegate::paintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
  const qreal room = cell.rect.width() - 2 * margin;
  const qreal wide = cell.fontMetrics.horizontalAdvance(cell.text);
  if (cell.text.isEmpty() || wide <= room || room <= 0) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The cell without its text (background, selection, focus), then the text squeezed into it.
  const QString text = cell.text;
  cell.text.clear();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
  painter->save();
  painter->setFont(cell.font);
  const bool selected = cell.state & QStyle::State_Selected;
  painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->translate(cell.rect.left() + margin, cell.rect.top());
  painter->scale(room / wide, 1);
  painter->drawText(QRectF(0, 0, wide, cell.rect.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
  painter->restore();
}

}  // namespace noyalis::dice
