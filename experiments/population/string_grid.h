#pragma once
// A text grid with a fixed yellow header row: fixed column widths and row heights, no editing,
// and the row under the pointer reported when the mouse is released over a cell.
#include <QTableWidget>

namespace noyalis::population {

class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  StringGrid(QWidget* parent, const QString& objectName, const QList<int>& columnWidths, int rows,
             int rowHeight, QRect geometry, const QString& hint);

  // The text of a cell ("" for a cell never written).
  QString cellText(int row, int column) const;
  void setCellText(int row, int column, const QString& text);
  // Clears the text of every row below the header.
  void clearRows();

 signals:
  // The mouse was released over row (0 is the header row).
  void mouseUp(int row);
};

}  // namespace noyalis::population
