#pragma once
// Small factories that place a named control at its position on a screen, so that a screen's
// layout reads as a table.
#include <QColor>
#include <QRect>
#include <QString>

class QWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace noyalis::platform {

// A transparent label at (x, y), sized to its text and refitted whenever its text changes.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  QColor colour = Qt::black, int pixelSize = 0, bool bold = false);
// A transparent label filling a fixed box, its text aligned in it (a label on a chart, whose
// place is given whatever its text).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect box, QColor colour,
                  int pixelSize, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A read-only edit box at (x, y) of the given width.
QLineEdit* MakeEdit(QWidget* parent, const QString& name, int x, int y, int width, const QString& text = {});
// A push button with a caption (and an optional hint) at (x, y).
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int x, int y, int width,
                        int height, const QString& hint = {});
// A picture button: an SVG glyph (resource path) with an optional caption and a hint.
QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& glyph,
                               const QString& caption, int x, int y, int width, int height,
                               const QString& hint);
// A filled rectangle (shape) with a hint.
QFrame* MakeShape(QWidget* parent, const QString& name, QColor fill, int x, int y, int width, int height,
                  const QString& hint = {});

// Shows a number with the user's locale decimal separator: fixed-point with [decimals] digits.
QString FixedText(long double value, int decimals);
// The user's locale decimal separator.
char DecimalSeparator();

}  // namespace noyalis::platform
