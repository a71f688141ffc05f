#pragma once
// Reading what a screen shows through its controls' system names.
#include <QString>

class QWidget;

namespace noyalis::test {

// The text of the box or label named name under root; "<no name>" when there is neither.
QString Text(const QWidget* root, const char* name);

// The number of points (or bars) of the series named series in the chart named chart under root.
int Points(const QWidget* root, const char* chart, const QString& series);

// Whether the control named name under root is shown.
bool Shown(const QWidget* root, const char* name);

}  // namespace noyalis::test
