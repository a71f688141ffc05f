#pragma once
// A spin box as the screens need it: a typed value out of range is brought back into range when
// the box loses the focus or Enter confirms it, text that is not a whole number reads as the
// minimum, digits read in the script the locale shows them in, and the arrows step by the step.
#include <QSpinBox>

namespace noyalis::platform {

class SpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  SpinEdit(QWidget* parent, const QString& objectName, int minimum, int maximum, int step, int value);

  // The value the text reads as now, brought into range (the minimum for text that is not a
  // whole number); the text is left as typed until the focus leaves.
  int Value() const;
  // Sets the value (brought into range) and shows it.
  void setValueClamped(int value);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
  void fixup(QString& input) const override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void stepBy(int steps) override;
};

}  // namespace noyalis::platform
