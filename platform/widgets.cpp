#include "platform/widgets.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "kernel/number_format.h"
#include "platform/picture.h"

namespace noyalis::platform {

namespace {

constexpr int kEditHeight = 21;  // [px] a one-line edit box
constexpr int kGlyphSize = 24;   // [px] the picture of a picture button

// Keeps a label as large as its text whenever the text changes: a new text asks the parent for a
// layout pass (or, while hidden, waits for the label to be shown), and the label then fits itself.
class FitToText final : public QObject {
 public:
  explicit FitToText(QLabel* label) : QObject(label), label_(label) {
    label->installEventFilter(this);
    if (QWidget* parent = label->parentWidget()) parent->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool shown = watched == label_ && event->type() == QEvent::Show;
    const bool relayout = watched == label_->parentWidget() && event->type() == QEvent::LayoutRequest;
    if ((shown || relayout) && label_->size() != label_->sizeHint()) label_->adjustSize();
    return false;
  }

 private:
  QLabel* label_;
};

// A transparent label in the given colour and type (pixel size 0: the parent's).
QLabel* StyledLabel(QWidget* parent, const QString& name, const QString& text, QColor colour, int pixelSize,
                    bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAutoFillBackground(false);
  SetTextColour(label, colour);
  QFont font = label->font();
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, QColor colour,
                  int pixelSize, bool bold) {
  QLabel* label = StyledLabel(parent, name, text, colour, pixelSize, bold);
  label->move(x, y);
  label->adjustSize();
  new FitToText(label);
  return label;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect box, QColor colour,
                  int pixelSize, Qt::Alignment alignment) {
  QLabel* label = StyledLabel(parent, name, text, colour, pixelSize, false);
  label->setGeometry(box);
  label->setAlignment(alignment);
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int x, int y, int width, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setGeometry(x, y, width, kEditHeight);
  return edit;
}

QLineEdit* MakeResultBox(QWidget* parent, const QString& name, int x, int y, int width) {
  QLineEdit* box = MakeEdit(parent, name, x, y, width);
  box->setFocusPolicy(Qt::ClickFocus);  // its text can still be selected and copied
  return box;
}

void KeepLegibleWhenDisabled(QWidget* control) {
  QPalette palette = control->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base,
                                   QPalette::Button, QPalette::Window})
    palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
  control->setPalette(palette);
}

void SetTextColour(QWidget* control, QColor colour) {
  QPalette palette = control->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, colour);  // every group: a disabled control keeps it too
  control->setPalette(palette);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int x, int y, int width,
                        int height, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(x, y, width, height);
  button->setToolTip(hint);
  return button;
}

QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& glyph,
                               const QString& caption, int x, int y, int width, int height,
                               const QString& hint) {
  QPushButton* button = MakeButton(parent, name, caption, x, y, width, height, hint);
  button->setIcon(QIcon(RenderSvg(glyph, QSize(kGlyphSize, kGlyphSize))));
  button->setIconSize(QSize(kGlyphSize, kGlyphSize));
  return button;
}

QFrame* MakeShape(QWidget* parent, const QString& name, QColor fill, int x, int y, int width, int height,
                  const QString& hint) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(name);
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape->setAutoFillBackground(true);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::Window, fill);
  shape->setPalette(palette);
  shape->setGeometry(x, y, width, height);
  shape->setToolTip(hint);
  return shape;
}

QString FixedText(long double value, int decimals) {
  return QString::fromStdString(kernel::FormatFixed(value, decimals, DecimalSeparator()));
}

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  // A separator outside ASCII (Arabic, Persian) cannot go through the 8-bit formatter.
  if (point.isEmpty() || point[0].unicode() > 0x7F) return '.';
  return point[0].toLatin1();
}

}  // namespace noyalis::platform
