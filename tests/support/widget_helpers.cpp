#include "support/widget_helpers.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace noyalis::test {

QString MissingChildMessage(const QObject* root, const QString& name, const char* className) {
  const QString where = root->objectName().isEmpty() ? QString::fromLatin1(root->metaObject()->className())
                                                     : root->objectName();
  if (const QObject* other = root->findChild<QObject*>(name))
    return QStringLiteral("%1 in %2 is a %3, not a %4")
        .arg(name, where, QString::fromLatin1(other->metaObject()->className()),
             QString::fromLatin1(className));
  return QStringLiteral("%1 has no child named %2").arg(where, name);
}

bool ClickButton(QWidget* root, const QString& name, const char* file, int line) {
  auto* button = FindChildOrFail<QAbstractButton>(root, name, file, line);
  if (!button) return false;
  if (!button->isVisibleTo(button->window()) || !button->isEnabled()) {
    QTest::qFail(qPrintable(QStringLiteral("%1 cannot be clicked: it is %2")
                                .arg(name, button->isEnabled() ? QStringLiteral("hidden")
                                                               : QStringLiteral("disabled"))),
                 file, line);
    return false;
  }
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

bool TypeIntoSpinBox(QWidget* root, const QString& name, const QString& text, const char* file, int line) {
  auto* box = FindChildOrFail<QAbstractSpinBox>(root, name, file, line);
  if (!box) return false;
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(box, c.toLatin1());
    } else {  // a digit of another script, as a keyboard of that script types it
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  return true;
}

void LeaveFocus(QWidget* widget) {
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &focusOut);
}

void HoldKey(QWidget* widget, Qt::Key key, int repeats) {
  static quint64 serverTime = 1'000'000;   // [ms]; never 0, the time of QTest's own key events
  constexpr quint64 kRepeatInterval = 33;  // [ms]
  const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
  const auto send = [&](QEvent::Type type, bool flagged) {
    if (!widget->isVisible()) return;  // the key now goes to whatever window is left
    QKeyEvent event(type, key, Qt::NoModifier, text, flagged);
    event.setTimestamp(serverTime);
    QApplication::sendEvent(widget, &event);
  };
  send(QEvent::KeyPress, false);
  for (const bool flagged : {true, false})
    for (int k = 0; k < repeats; ++k) {
      serverTime += kRepeatInterval;
      send(QEvent::KeyRelease, flagged);
      send(QEvent::KeyPress, flagged);
    }
  serverTime += kRepeatInterval;
  send(QEvent::KeyRelease, false);
}

}  // namespace noyalis::test
