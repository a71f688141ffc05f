#pragma once
// Draws a throw-table cell: its text narrowed to the cell's width when it is wider, instead of cut
// short with "…" (a throw table of a million dice stays readable in its 70-pixel columns), and its
// right and bottom grid lines, as wide as asked (a table view draws lines of one pixel only).
#include <QColor>
#include <QStyledItemDelegate>

namespace noyalis::dice {

class NarrowingCellDelegate final : public QStyledItemDelegate {
 public:
  // Grid lines gridWidth [px] wide in gridColour; the view draws no grid of its own.
  NarrowingCellDelegate(QObject* parent, int gridWidth, QColor gridColour)
      : QStyledItemDelegate(parent), gridWidth_(gridWidth), gridColour_(gridColour) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  void paintCell(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

  int gridWidth_;
  QColor gridColour_;
};

}  // namespace noyalis::dice
