#include "platform/spin_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <optional>

namespace noyalis::platform {

namespace {

// A digit in any script (ASCII, Arabic-Indic, Persian, ...) as its value; -1 for anything else.
int DigitValue(QChar c) {
  return c.category() == QChar::Number_DecimalDigit ? c.digitValue() : -1;
}

// Marks a locale puts around numbers to keep their direction; they carry no value.
bool IsDirectionMark(QChar c) {
  return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C);
}

bool IsSign(QChar c, const QLocale& locale, bool& negative) {
  const QString minus = locale.negativeSign(), plus = locale.positiveSign();
  negative = c == u'-' || c == QChar(0x2212) || (minus.size() == 1 && c == minus[0]);
  return negative || c == u'+' || (plus.size() == 1 && c == plus[0]);
}

// The text without direction marks and the spaces around it.
QString Bare(const QString& text) {
  QString bare;
  for (QChar c : text)
    if (!IsDirectionMark(c)) bare.append(c);
  return bare.trimmed();
}

// Reads an optional sign and digits (of any script, as the locale shows them) as a number;
// nothing when the text is anything else. Numbers too long for 64 bits saturate, which clamping
// then brings into range.
std::optional<long long> WholeNumber(const QString& raw, const QLocale& locale) {
  const QString text = Bare(raw);
  qsizetype at = 0;
  bool negative = false;
  if (at < text.size() && IsSign(text[at], locale, negative)) ++at;
  if (at == text.size()) return std::nullopt;
  long long value = 0;
  constexpr long long kSaturated = std::numeric_limits<long long>::max() / 10 - 10;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at]);
    if (digit < 0) return std::nullopt;
    if (value < kSaturated) value = value * 10 + digit;
  }
  return negative ? -value : value;
}

bool SignAndDigitsOnly(const QString& raw, const QLocale& locale) {
  const QString text = Bare(raw);
  for (qsizetype i = 0; i < text.size(); ++i) {
    bool negative = false;
    const bool sign = i == 0 && IsSign(text[i], locale, negative);
    if (!sign && DigitValue(text[i]) < 0) return false;
  }
  return true;
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent, const QString& objectName, int minimum, int maximum, int step, int value)
    : QSpinBox(parent) {
  setObjectName(objectName);
  setRange(minimum, maximum);
  setSingleStep(step);
  setValue(value);
}

int SpinEdit::Value() const {
  return valueFromText(lineEdit()->text());
}

void SpinEdit::setValueClamped(int value) {
  setValue(std::clamp(value, minimum(), maximum()));
  lineEdit()->setText(textFromValue(this->value()));
}

QValidator::State SpinEdit::validate(QString& input, int&) const {
  if (!SignAndDigitsOnly(input, locale())) return QValidator::Invalid;
  const std::optional<long long> number = WholeNumber(input, locale());
  // Out of range is only "not yet": the user may be typing 1500 towards a maximum of 1000,
  // which the loss of focus then brings back to 1000.
  if (!number || *number < minimum() || *number > maximum()) return QValidator::Intermediate;
  return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& text) const {
  const std::optional<long long> number = WholeNumber(text, locale());
  if (!number) return minimum();
  return static_cast<int>(std::clamp<long long>(*number, minimum(), maximum()));
}

void SpinEdit::fixup(QString& input) const {
  input = textFromValue(valueFromText(input));
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  setValueClamped(Value());
  QSpinBox::focusOutEvent(event);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Confirms the value as leaving the box does, and goes no further.
    setValueClamped(Value());
    lineEdit()->selectAll();
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void SpinEdit::stepBy(int steps) {
  // The arrows step from what the box shows, even when it was typed and not yet corrected.
  setValueClamped(Value());
  QSpinBox::stepBy(steps);
}

}  // namespace noyalis::platform
