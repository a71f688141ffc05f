#pragma once
// Draws a table cell's text narrowed to the cell's width when it is wider, instead of cutting it
// short with "…": a throw table of a million dice stays readable in its 70-pixel columns.
#include <QStyledItemDelegate>

namespace noyalis::dice {

class NarrowingCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace noyalis::dice
