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

// Text colours that read at 4.5:1 or better on white and on the light boxes, each keeping the hue
// the screens have always used (the pure fuchsia and red read at 3.1:1 and 4.0:1 only).
inline constexpr QColor kMeanBlue{0, 0, 255};            // 8.6:1 on white
inline constexpr QColor kDeviationFuchsia{170, 0, 170};  // 6.4:1
inline constexpr QColor kTitleRed{192, 0, 0};            // 6.5:1

// A transparent label at (x, y), sized to its text and refitted whenever its text changes.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  QColor colour = Qt::black, int pixelSize = 0, bool bold = false);
// A transparent label filling a fixed box, its text aligned in it (a label on a chart, whose
// place is given whatever its text).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect box, QColor colour,
                  int pixelSize, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A read-only edit box at (x, y) of the given width.
QLineEdit* MakeEdit(QWidget* parent, const QString& name, int x, int y, int width, const QString& text = {});
// A box the screen's design keeps disabled: uneditable and out of the Tab order, yet drawn as any
// result (dark text on the light box), never in disabled grey.
QLineEdit* MakeResultBox(QWidget* parent, const QString& name, int x, int y, int width);
// A control the design keeps disabled (a button that only serves as a heading): no click, no
// focus, but the colours of an enabled control.
void KeepLegibleWhenDisabled(QWidget* control);
// The colour of a control's text (labels, boxes, buttons), in every state.
void SetTextColour(QWidget* control, QColor colour);
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
