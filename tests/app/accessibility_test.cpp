// Every screen in every language through Qt's accessibility interface: each control has a name,
// Tab reaches each control in reading order, and the menu's pictures answer the keyboard.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/UnitMenu.h"
#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_texts.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/counter_picture/Unitcrab.h"
#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/intervals/UnitInterval.h"
#include "experiments/population/UnitReseau.h"
#include "experiments/thickness_series/UnitAbsorption123.h"
#include "platform/accessibility.h"
#include "platform/language.h"
#include "platform/picture.h"
#include "platform/text_table.h"
#include "support/isolated_suite.h"

using namespace noyalis;

namespace {

const QStringList kLanguages = {"FR", "UK", "IT", "ES", "DE"};

// The menu applies its own tables from its flags; the screens read LanguageCode when they open.
QWidget* OpenMenu(const QString& code) {
  auto* menu = new TForm3;
  void (TForm3::*const flags[])() = {&TForm3::FR, &TForm3::UK, &TForm3::IT, &TForm3::ES, &TForm3::AL};
  (menu->*flags[kLanguages.indexOf(code)])();
  return menu;
}

template <class Screen>
QWidget* Open(const QString& code) {
  platform::SetLanguageCode(code);
  return new Screen;
}

struct ScreenCase {
  const char* name;
  std::function<QWidget*(const QString& code)> open;
  // Some controls in the order Tab must reach them (reading order); may be left empty.
  QStringList readingOrder;
};

// One line per screen.
const ScreenCase kScreens[] = {
    {"TForm3",
     OpenMenu,
     {"Image6", "Image15", "Image9", "Image8", "Image10", "Image16", "Image13", "Button5", "Image3"}},
    {"Tform200", Open<Tform200>, {"BitBtn4"}},
    {"Tform11",
     Open<Tform11>,
     {"BitBtn2", "SpinEdit1", "Edit2M", "Button2", "BitBtn1", "Edit8", "Chart1", "Edit18", "Edit21", "Edit22",
      "Edit49"}},
    {"TForm2", Open<TForm2>, {}},
    {"TForm4", Open<TForm4>, {}},
    {"TForm5", Open<TForm5>, {}},
    {"TForm6", Open<TForm6>, {}},
    {"TForm7", Open<TForm7>, {}},
    {"TForm8", Open<TForm8>, {}},
    {"Tform100", Open<Tform100>, {}},
    {"TForm10",
     Open<TForm10>,
     {"BitBtn2", "Button1", "Button3", "Button4", "BitBtn7", "StringGrid1", "Chart1", "Edit1", "Edit3",
      "Edit4", "ListBox1"}},
};

// The controls the accessibility interface shows under iface, with their names.
void Walk(QAccessibleInterface* iface, QHash<QWidget*, QString>& names) {
  if (!iface) return;
  if (auto* w = qobject_cast<QWidget*>(iface->object()); w && platform::IsControl(w))
    names.insert(w, iface->text(QAccessible::Name));
  for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), names);
}

// "Edit22", "Button3", "RadioGroup1_item0", "EcartType": made like a system name, or the control's own.
bool LooksLikeASystemName(const QString& name, const QWidget* control) {
  static const QRegularExpression kSystemName(QStringLiteral("^([A-Za-z_]+\\d+\\w*|[A-Z][a-z]+[A-Z]\\w*)$"));
  return kSystemName.match(name).hasMatch() || name == control->objectName();
}

// The first visible control of the screen's focus chain.
QWidget* FirstInChain(QWidget* screen) {
  for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain())
    if (platform::IsControl(w) && w->isVisible() && w->isEnabled() && w->window() == screen) return w;
  return nullptr;
}

// The focus widgets Tab goes through from the first control, once round.
QList<QWidget*> TabRound(QWidget* first) {
  first->setFocus(Qt::TabFocusReason);
  QList<QWidget*> visited;
  for (int i = 0; i < 500; ++i) {
    QWidget* now = QApplication::focusWidget();
    if (!now || (i > 0 && now == first)) break;
    // A spin box gives the focus to its inner edit.
    while (now && !platform::IsControl(now)) now = now->parentWidget();
    visited << now;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  return visited;
}

// Qt's Tab stops on the checked radio button of a group; the arrows reach the others.
bool Reached(QWidget* control, const QList<QWidget*>& visited) {
  if (visited.contains(control)) return true;
  if (qobject_cast<QRadioButton*>(control))
    for (QWidget* sibling : control->parentWidget()->findChildren<QRadioButton*>())
      if (visited.contains(sibling)) return true;
  return false;
}

}  // namespace

class AccessibilityTest : public test::IsolatedSuite {
  Q_OBJECT
 private slots:
  void everyControlNamedAndReachable_data();
  void everyControlNamedAndReachable();
  void menuPicturesOpenWithTheKeyboardAndTheMouseStaysAsItWas();
  void namesComeFromLabelsStripsAndHintsAndFollowTheLanguage();
};

void AccessibilityTest::everyControlNamedAndReachable_data() {
  QTest::addColumn<int>("screen");
  QTest::addColumn<QString>("code");
  for (int s = 0; s < static_cast<int>(std::size(kScreens)); ++s)
    for (const QString& code : kLanguages)
      QTest::addRow("%s %s", kScreens[s].name, qPrintable(code)) << s << code;
}

void AccessibilityTest::everyControlNamedAndReachable() {
  QFETCH(int, screen);
  QFETCH(QString, code);
  const ScreenCase& c = kScreens[screen];
  std::unique_ptr<QWidget> window(c.open(code));
  QCOMPARE(window->objectName(), QString(c.name));
  window->show();
  QApplication::setActiveWindow(window.get());
  QVERIFY(QTest::qWaitForWindowActive(window.get()));

  QHash<QWidget*, QString> names;
  Walk(QAccessible::queryAccessibleInterface(window.get()), names);
  QVERIFY(!names.isEmpty());
  QWidget* first = c.readingOrder.isEmpty() ? FirstInChain(window.get())
                                            : window->findChild<QWidget*>(c.readingOrder.front());
  QVERIFY(first);
  const QList<QWidget*> visited = TabRound(first);
  // A name says what the control holds: never a system name, nor one another control has too.
  QHash<QString, QWidget*> named;
  for (auto [w, name] : names.asKeyValueRange()) {
    const QString what = w->objectName() + " named \"" + name + "\"";
    QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));  // hidden controls too: they show up later
    QVERIFY2(!LooksLikeASystemName(name, w), qPrintable(what));
    const QString key = name.simplified().toLower();
    if (named.contains(key)) QFAIL(qPrintable(what + " as " + named[key]->objectName()));
    named.insert(key, w);
  }
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!platform::IsControl(w) || !w->isVisible()) continue;
    const QString what = w->objectName() + " (" + w->metaObject()->className() + ")";
    QVERIFY2(names.contains(w), qPrintable(what + " is not shown to assistive tools"));
    QVERIFY2(!names[w].trimmed().isEmpty(), qPrintable(what + " has no accessible name"));
    // A caption names its control, in the language on screen.
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
      QCOMPARE(names[w], button->text().simplified());
    // Tab passes over a disabled control, as it should: nothing can be done with it.
    QVERIFY2(!w->isEnabled() || Reached(w, visited), qPrintable(what + " is outside the Tab order"));
  }
  // Reading order: top to bottom, left to right.
  int previous = -1;
  for (const QString& name : c.readingOrder) {
    auto* w = window->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    const int at = visited.indexOf(w);
    QVERIFY2(at > previous, qPrintable(name + " comes too early in the Tab order"));
    previous = at;
  }
}

void AccessibilityTest::menuPicturesOpenWithTheKeyboardAndTheMouseStaysAsItWas() {
  TForm3 menu;
  menu.show();
  QApplication::setActiveWindow(&menu);
  QVERIFY(QTest::qWaitForWindowActive(&menu));
  auto* english = menu.findChild<platform::Picture*>("Image1");
  auto* italian = menu.findChild<platform::Picture*>("Image4");
  QCOMPARE(QAccessible::queryAccessibleInterface(english)->text(QAccessible::Name), QString("English"));
  // No focus frame until the keyboard is used: the picture given the focus at start-up looks as
  // without it, and a picture Tab reaches shows its frame.
  auto* first = qobject_cast<platform::Picture*>(QApplication::focusWidget());
  QVERIFY(first);
  const QImage firstAtStart = first->grab().toImage();
  const QImage englishUnfocused = english->grab().toImage();
  // A click keeps doing what it did: the language changes and the focus stays where it was.
  QWidget* focusBefore = QApplication::focusWidget();
  QTest::mouseClick(italian, Qt::LeftButton);
  QCOMPARE(platform::LanguageCode(), QString("IT"));
  QCOMPARE(QApplication::focusWidget(), focusBefore);
  // The keyboard: reach the flag, then Space or Enter.
  english->setFocus(Qt::TabFocusReason);
  QVERIFY(english->grab().toImage() != englishUnfocused);
  QCOMPARE(first->grab().toImage(), firstAtStart);
  QTest::keyClick(english, Qt::Key_Space);
  QCOMPARE(platform::LanguageCode(), QString("UK"));
  QCOMPARE(menu.findChild<QAbstractButton*>("Button5")->text(), QString("End  "));
  auto* french = menu.findChild<platform::Picture*>("Image3");
  french->setFocus(Qt::TabFocusReason);
  QTest::keyClick(french, Qt::Key_Return);
  QCOMPARE(platform::LanguageCode(), QString("FR"));
  // The arrow keys move on like Tab and back like Shift+Tab.
  QTest::keyClick(french, Qt::Key_Right);
  QWidget* next = QApplication::focusWidget();
  QVERIFY(next && next != french);
  QTest::keyClick(next, Qt::Key_Left);
  QCOMPARE(QApplication::focusWidget(), french);
  // The background is a picture but no control.
  QVERIFY(!platform::IsControl(menu.findChild<QWidget*>("Image14")));
}

void AccessibilityTest::namesComeFromLabelsStripsAndHintsAndFollowTheLanguage() {
  Tform11 screen;
  const auto name = [&](const char* control) {
    return screen.findChild<QWidget*>(control)->accessibleName();
  };
  const auto description = [&](const char* control) {
    return screen.findChild<QWidget*>(control)->accessibleDescription();
  };
  QCOMPARE(name("SpinEdit1"), QString("Nb de mesures"));  // the label above the box
  QCOMPARE(description("SpinEdit1"), QString("entre 2 et 1000 000 , maxi 1000 si temps réel"));
  QCOMPARE(name("Edit2M"), QString("Moyenne"));
  QCOMPARE(name("Edit8"), QString::fromUtf8("10 dernières valeurs (1)"));    // the strip, named by the table
  QCOMPARE(name("Edit49"), QString("tableau de l'histogramme, valeur 32"));  // the table's run of names
  // A picture button named by its table, described by its hint.
  QCOMPARE(name("BitBtn1"), QString::fromUtf8("Départ de la mesure (Échap ou Suppr : arrêt, Pause : pause)"));
  QCOMPARE(description("BitBtn1"), QString::fromUtf8("Départ de la mesure,ESC ou Fin =Arret, Pause=pause"));
  QCOMPARE(description("RadioGroup1_item0"), QString("choix de la distance source-compteur"));  // its group's
  // A table's cell: its row's label (named by the table) and its column's heading. A unit just
  // right of a box names no other box.
  TForm5 lead;
  QCOMPARE(lead.findChild<QWidget*>("Edit22")->accessibleName(), QString::fromUtf8("écart type 5mm"));
  TForm2 intervals;
  QCOMPARE(intervals.findChild<QWidget*>("Edit12")->accessibleName(), QString("nombre de classes"));
  QCOMPARE(intervals.findChild<QWidget*>("Edit1min")->accessibleName(), QString("min"));
  // Another table applied on the same screen renames what it changes.
  platform::ApplyLanguage(&screen, activity::kTexts, "UK");
  QCOMPARE(name("SpinEdit1"), QString("Nb of measurements"));
  QCOMPARE(description("SpinEdit1"), QString("between 2 and 60 000"));
  QCOMPARE(name("Button2"), QString("Plot/Values"));
  // A name the screen gives itself stays.
  screen.findChild<QWidget*>("Edit6")->setAccessibleName("Question");
  platform::ApplyLanguage(&screen, activity::kTexts, "DE");
  QCOMPARE(name("Edit6"), QString("Question"));
  QCOMPARE(name("Edit2M"), QString("Mittelwert"));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
