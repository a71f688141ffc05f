#include "experiments/population/string_grid.h"

#include <QHeaderView>

namespace noyalis::population {

namespace {
constexpr QColor kHeaderColour{255, 255, 0};
}

StringGrid::StringGrid(QWidget* parent, const QString& objectName, const QList<int>& columnWidths, int rows,
                       int rowHeight, QRect geometry, const QString& hint)
    : QTableWidget(rows, static_cast<int>(columnWidths.size()), parent) {
  setObjectName(objectName);
  setGeometry(geometry);
  setToolTip(hint);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int c = 0; c < columnWidths.size(); ++c) setColumnWidth(c, columnWidths[c]);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  for (int c = 0; c < columnWidths.size(); ++c) {
    auto* header = new QTableWidgetItem;
    header->setBackground(kHeaderColour);
    header->setFlags(Qt::ItemIsEnabled);
    setItem(0, c, header);
  }
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit mouseUp(row); });
}

QString StringGrid::cellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void StringGrid::setCellText(int row, int column, const QString& text) {
  if (QTableWidgetItem* cell = item(row, column)) {
    cell->setText(text);
    return;
  }
  setItem(row, column, new QTableWidgetItem(text));
}

void StringGrid::clearRows() {
  for (int r = 1; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* cell = item(r, c)) cell->setText({});
}

}  // namespace noyalis::population
