#include "platform/spin_edit.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <optional>

namespace noyalis::platform {

namespace {

// Reads an optional sign and digits as a number; nothing when the text is anything else.
// Numbers too long for 64 bits saturate, which clamping then brings into range.
std::optional<long long> WholeNumber(const QString& text) {
  qsizetype at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
    negative = text[at] == u'-';
    ++at;
  }
  if (at == text.size()) return std::nullopt;
  long long value = 0;
  constexpr long long kSaturated = std::numeric_limits<long long>::max() / 10 - 10;
  for (; at < text.size(); ++at) {
    const QChar c = text[at];
    if (c < u'0' || c > u'9') return std::nullopt;
    if (value < kSaturated) value = value * 10 + (c.unicode() - u'0');
  }
  return negative ? -value : value;
}

bool SignAndDigitsOnly(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool sign = i == 0 && (c == u'+' || c == u'-');
    if (!sign && (c < u'0' || c > u'9')) return false;
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
  if (!SignAndDigitsOnly(input)) return QValidator::Invalid;
  const std::optional<long long> number = WholeNumber(input);
  // Out of range is only "not yet": the user may be typing 1500 towards a maximum of 1000,
  // which the loss of focus then brings back to 1000.
  if (!number || *number < minimum() || *number > maximum()) return QValidator::Intermediate;
  return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& text) const {
  const std::optional<long long> number = WholeNumber(text.trimmed());
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

void SpinEdit::stepBy(int steps) {
  // The arrows step from what the box shows, even when it was typed and not yet corrected.
  setValueClamped(Value());
  QSpinBox::stepBy(steps);
}

}  // namespace noyalis::platform
