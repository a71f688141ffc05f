#include "experiments/absorption/note_box.h"

#include <QLabel>

namespace noyalis::absorption {

QLabel* MakeNoteBox(QWidget* parent, const QString& name, const QString& lines, QRect geometry, bool hidden) {
  auto* note = new QLabel(lines, parent);
  note->setObjectName(name);
  note->setGeometry(geometry);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  note->setStyleSheet(
      "QLabel { background-color: white; color: black; border: 1px solid black; padding: 2px; }");
  note->setVisible(!hidden);
  return note;
}

}  // namespace noyalis::absorption
