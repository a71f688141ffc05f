#pragma once
// A text grid with a fixed yellow header row that stays in place while the rows scroll: fixed
// column widths and row heights, no editing, and the row under the pointer reported when the mouse
// is released over a cell. Rows are numbered as shown: 0 is the header row, the rows below it
// count from 1.
#include <QTableWidget>

namespace noyalis::population {

class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  // rows counts the header row.
  StringGrid(QWidget* parent, const QString& objectName, const QList<int>& columnWidths, int rows,
             int rowHeight, QRect geometry, const QString& hint);

  // The text of a cell ("" for a cell never written).
  QString cellText(int row, int column) const;
  void setCellText(int row, int column, const QString& text);
  // Clears the text of every row below the header.
  void clearRows();
  // Places widget over a cell below the header; the grid owns it.
  void setCellWidgetAt(int row, int column, QWidget* widget);
  // Where a cell lies, in the coordinates of the widget that shows it (the header, or the rows'
  // viewport, scrolled to show it).
  QWidget* showCell(int row, int column, QRect* rect);

 signals:
  // The mouse was released over row (0 is the header row).
  void mouseUp(int row);
};

}  // namespace noyalis::population
