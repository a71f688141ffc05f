#pragma once
// The class table: one row per file of the kind being pooled, with a tick that takes it into the
// pool, its name, its measurements, two figures, its standardized deviation from the class and a
// mark when that is beyond 3. Refilled in place, so that a tick changed by the user stays the
// same row while the numbers change.
#include <QStringList>
#include <QTableWidget>
#include <cstddef>
#include <vector>

namespace noyalis::class_results {

struct ClassTableRow {
  std::size_t file = 0;  // its place in the model's list
  QString name;
  bool ticked = true;
  QString measurements, first, second, standardErrors;
  bool marked = false;
};

class ClassTable : public QTableWidget {
  Q_OBJECT
 public:
  ClassTable(QWidget* parent, const QString& objectName, QRect geometry);

  // Six titles (a line break where one takes two lines) and the hint of the mark.
  void setTitles(const QStringList& titles, const QString& markHint);
  void showRows(const std::vector<ClassTableRow>& rows);
  // The row of a file, or −1.
  int rowOf(std::size_t file) const;

 signals:
  // The user ticked or unticked the file.
  void tickChanged(std::size_t file, bool ticked);

 protected:
  // Space ticks or unticks the current row, whichever of its cells has the focus.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTableWidgetItem* cell(int row, int column);

  QString markHint_;
};

}  // namespace noyalis::class_results
