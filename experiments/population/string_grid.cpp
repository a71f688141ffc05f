#include "experiments/population/string_grid.h"

#include <QHeaderView>

namespace noyalis::population {

StringGrid::StringGrid(QWidget* parent, const QString& objectName, const QList<int>& columnWidths, int rows,
                       int rowHeight, QRect geometry, const QString& hint)
    : QTableWidget(rows - 1, static_cast<int>(columnWidths.size()), parent) {
  setObjectName(objectName);
  setGeometry(geometry);
  setToolTip(hint);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  // The header row is the table's own header, so it stays at the top while the rows scroll.
  QHeaderView* header = horizontalHeader();
  header->setFixedHeight(rowHeight);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setHighlightSections(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setStyleSheet(
      "QHeaderView::section { background-color: rgb(255, 255, 0); color: black; padding-left: 2px;"
      " border: none; border-right: 1px solid rgb(160, 160, 160);"
      " border-bottom: 1px solid rgb(160, 160, 160); }");
  for (int c = 0; c < columnWidths.size(); ++c) {
    setColumnWidth(c, columnWidths[c]);
    setHorizontalHeaderItem(c, new QTableWidgetItem);
  }
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit mouseUp(row + 1); });
  connect(header, &QHeaderView::sectionClicked, this, [this] { emit mouseUp(0); });
}

QString StringGrid::cellText(int row, int column) const {
  const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
  return cell ? cell->text() : QString();
}

void StringGrid::setCellText(int row, int column, const QString& text) {
  if (row == 0) {
    if (QTableWidgetItem* cell = horizontalHeaderItem(column)) cell->setText(text);
    return;
  }
  if (QTableWidgetItem* cell = item(row - 1, column)) {
    cell->setText(text);
    return;
  }
  setItem(row - 1, column, new QTableWidgetItem(text));
}

void StringGrid::clearRows() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* cell = item(r, c)) cell->setText({});
}

void StringGrid::setCellWidgetAt(int row, int column, QWidget* widget) {
  setCellWidget(row - 1, column, widget);
}

QWidget* StringGrid::showCell(int row, int column, QRect* rect) {
  if (row == 0) {
    QHeaderView* header = horizontalHeader();
    *rect = QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column), header->height());
    return header->viewport();
  }
  const QModelIndex index = model()->index(row - 1, column);
  scrollTo(index);
  *rect = visualRect(index);
  return viewport();
}

}  // namespace noyalis::population
