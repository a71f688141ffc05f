#include "experiments/class_results/class_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace noyalis::class_results {

namespace {

enum Column { kName, kMeasurements, kFirst, kSecond, kStandardErrors, kMark, kColumns };
constexpr int kWidths[kColumns] = {122, 52, 52, 54, 52, 40};  // [px], within the table's 390 px
constexpr int kHeaderHeight = 34;                             // [px] two lines of titles
constexpr int kRowHeight = 20;                                // [px]
constexpr int kHeaderPx = 11;                                 // [px] the titles' type
constexpr QColor kMarkedRow{255, 214, 214};
constexpr QColor kMarkColour{176, 0, 0};
const QString kMarkText = QStringLiteral("×");

}  // namespace

ClassTable::ClassTable(QWidget* parent, const QString& objectName, QRect geometry) : QTableWidget(parent) {
  setObjectName(objectName);
  setGeometry(geometry);
  setColumnCount(kColumns);
  for (int c = 0; c < kColumns; ++c) setColumnWidth(c, kWidths[c]);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  horizontalHeader()->setFixedHeight(kHeaderHeight);
  QFont titles = horizontalHeader()->font();
  titles.setPixelSize(kHeaderPx);
  horizontalHeader()->setFont(titles);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setStretchLastSection(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() != kName) return;
    emit tickChanged(item->data(Qt::UserRole).value<std::size_t>(), item->checkState() == Qt::Checked);
  });
}

void ClassTable::setTitles(const QStringList& titles, const QString& markHint) {
  setHorizontalHeaderLabels(titles);
  markHint_ = markHint;
  for (int r = 0; r < rowCount(); ++r)
    if (QTableWidgetItem* mark = item(r, kMark); mark && !mark->text().isEmpty()) mark->setToolTip(markHint_);
}

QTableWidgetItem* ClassTable::cell(int row, int column) {
  QTableWidgetItem* it = item(row, column);
  if (!it) {
    it = new QTableWidgetItem;
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (column != kName) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (column == kMark) {
      it->setTextAlignment(Qt::AlignCenter);
      QFont bold = font();
      bold.setBold(true);
      it->setFont(bold);
      it->setForeground(kMarkColour);
    }
    setItem(row, column, it);
  }
  return it;
}

void ClassTable::showRows(const std::vector<ClassTableRow>& rows) {
  const QSignalBlocker quiet(this);  // what the program fills is no tick of the user
  setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < rowCount(); ++r) {
    const ClassTableRow& row = rows[static_cast<std::size_t>(r)];
    QTableWidgetItem* name = cell(r, kName);
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    name->setData(Qt::UserRole, QVariant::fromValue(row.file));
    name->setText(row.name);
    name->setToolTip(row.name);
    name->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    const QString texts[] = {row.measurements, row.first, row.second, row.standardErrors};
    for (int c = kMeasurements; c <= kStandardErrors; ++c) cell(r, c)->setText(texts[c - kMeasurements]);
    QTableWidgetItem* mark = cell(r, kMark);
    mark->setText(row.marked ? kMarkText : QString());
    mark->setToolTip(row.marked ? markHint_ : QString());
    for (int c = 0; c < kColumns; ++c) cell(r, c)->setBackground(row.marked ? QBrush(kMarkedRow) : QBrush());
  }
  viewport()->update();
}

int ClassTable::rowOf(std::size_t file) const {
  for (int r = 0; r < rowCount(); ++r)
    if (const QTableWidgetItem* name = item(r, kName);
        name && name->data(Qt::UserRole).value<std::size_t>() == file)
      return r;
  return -1;
}

void ClassTable::keyPressEvent(QKeyEvent* event) {
  QTableWidgetItem* name = currentRow() >= 0 ? item(currentRow(), kName) : nullptr;
  if (event->key() != Qt::Key_Space || !name) {
    QTableWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat())
    name->setCheckState(name->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  event->accept();
}

}  // namespace noyalis::class_results
