#pragma once
// A note of a few short lines on a screen (the Memo boxes): framed, white, read-only text.
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace noyalis::absorption {

// A framed white note named name with lines separated by '\n'; hidden when hidden is set.
QLabel* MakeNoteBox(QWidget* parent, const QString& name, const QString& lines, QRect geometry, bool hidden);

}  // namespace noyalis::absorption
