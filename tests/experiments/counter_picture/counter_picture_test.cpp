// The counter picture screen: its captions in each language.
#include <QLabel>
#include <QtTest>

#include "experiments/counter_picture/Unitcrab.h"
#include "platform/language.h"
#include "support/isolated_suite.h"
#include "support/widget_helpers.h"

using namespace noyalis;

class CounterPictureTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void captions_data();
  void captions();
};

void CounterPictureTest::captions_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("tube");
  QTest::addColumn<QString>("source");
  QTest::addColumn<QString>("screens");
  QTest::addColumn<QString>("backHint");
  QTest::newRow("French") << "FR"
                          << "Compteur GEIGER MULLER"
                          << "Source radioactive "
                          << "Ecrans"
                          << "Retour ";
  QTest::newRow("English") << "UK"
                           << " GEIGER MULLER Counter "
                           << "Radioactive material"
                           << "Screens"
                           << "Back ";
  // Italian, Spanish and German keep the layout's French texts.
  QTest::newRow("German") << "DE"
                          << "Compteur GEIGER MULLER"
                          << "Source radioactive"
                          << "Ecrans"
                          << "Retour au menu précédent";
}

void CounterPictureTest::captions() {
  QFETCH(QString, code);
  platform::SetLanguageCode(code);
  Tform200 screen;
  QCOMPARE(screen.windowTitle(), QString("CRAB"));
  QCOMPARE(screen.size(), QSize(800, 600));
  REQUIRE_CHILD(tube, QLabel, &screen, "Label36");
  QTEST(tube->text(), "tube");
  QTEST(screen.findChild<QLabel*>("Label37")->text(), "source");
  QTEST(screen.findChild<QLabel*>("Label1")->text(), "screens");
  QTEST(screen.findChild<QWidget*>("BitBtn4")->toolTip(), "backHint");
  QCOMPARE(screen.palette().color(QPalette::Window), QColor(203, 255, 204));
}

QTEST_MAIN(CounterPictureTest)
#include "counter_picture_test.moc"
