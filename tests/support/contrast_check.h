#pragma once
// The contrast part of the layout check: every text shown, on a control or a chart, stands at
// 4.5:1 or better against what is drawn behind it (3:1 from 18 px).
#include <QColor>
#include <QStringList>

class QWidget;

namespace noyalis::test {

inline constexpr double kLeastContrast = 4.5;
inline constexpr double kLeastLargeTextContrast = 3.0;
inline constexpr int kLargeTextPx = 18;

// The contrast ratio of two colours, 1 … 21 (relative luminances in sRGB).
double ContrastRatio(QColor a, QColor b);

// Adds to faults the shown texts of screen that read below the limits.
void CheckContrast(QWidget* screen, QStringList& faults);

}  // namespace noyalis::test
