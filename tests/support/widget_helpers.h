#pragma once
// Finding controls by their system names and driving them as a user would, with failures that
// say what was missing. The macros return from the (void) test function on failure.
#include <QObject>
#include <QString>
#include <QtTest>

class QAbstractSpinBox;
class QWidget;

namespace noyalis::test {

// Why root has no child named name of the class className (absent, or of another class).
QString MissingChildMessage(const QObject* root, const QString& name, const char* className);

// root's descendant named name of class T; records a test failure naming it when there is none.
template <class T>
T* FindChildOrFail(const QObject* root, const QString& name, const char* file, int line) {
  T* child = root->findChild<T*>(name);
  if (!child)
    QTest::qFail(qPrintable(MissingChildMessage(root, name, T::staticMetaObject.className())), file, line);
  return child;
}

// Clicks the button named name with the left mouse button; fails when it is missing, hidden or
// disabled (a user could not click it).
bool ClickButton(QWidget* root, const QString& name, const char* file, int line);

// Replaces the text of the spin box named name by typing text as a user would (the box's
// validator sees every key), digits of any script included; the focus stays in the box.
bool TypeIntoSpinBox(QWidget* root, const QString& name, const QString& text, const char* file, int line);

// A screen built and shown, as the menu opens it.
template <class Screen>
struct OnScreen : Screen {
  OnScreen() { this->show(); }
};

// Sends the widget the loss of focus that a click elsewhere would give it.
void LeaveFocus(QWidget* widget);

// Holds key down on widget as the X window system delivers it: the press; repeats flagged as
// such; repeats the window system could not flag, each a release and a new press at the same
// server time; the release.
void HoldKey(QWidget* widget, Qt::Key key, int repeats = 3);

}  // namespace noyalis::test

#define REQUIRE_CHILD(var, Type, root, name)                                              \
  Type* var = ::noyalis::test::FindChildOrFail<Type>((root), (name), __FILE__, __LINE__); \
  if (!var) return

#define CLICK_BUTTON(root, name) \
  if (!::noyalis::test::ClickButton((root), (name), __FILE__, __LINE__)) return

#define TYPE_INTO_SPIN_BOX(root, name, text) \
  if (!::noyalis::test::TypeIntoSpinBox((root), (name), (text), __FILE__, __LINE__)) return
