// The thickness-series screen driven as a user would, offscreen: its texts and layout in every
// language, a default run, the cap, the order rows from scripted counts, and what a second start,
// a close or a failure during a run does.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <vector>

#include "experiments/thickness_series/UnitAbsorption123.h"
#include "experiments/thickness_series/order_tally.h"
#include "platform/language.h"
#include "platform/spin_edit.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Text;
using thickness_series::CountDraw;

namespace {

// The count and proportion boxes of rows 1 … 6, top to bottom.
const char* const kCountBoxes[] = {"Edit33", "Edit36", "Edit34", "Edit35", "Edit38", "Edit37"};
const char* const kShareBoxes[] = {"Edit41", "Edit44", "Edit42", "Edit43", "Edit46", "Edit45"};

// Scripted counts: call c of a run (beta then gamma, for 1, 2 and 3 mm) fills out[k] = value(c, k).
CountDraw Scripted(std::function<std::int32_t(int call, std::int32_t k)> value, int* calls,
                   std::function<void(int call)> during = {}) {
  return [=](std::int32_t, std::int32_t n, std::span<std::int32_t> out, kernel::RunHost&) {
    const int call = (*calls)++;
    if (during) during(call);
    for (std::int32_t k = 1; k <= n; ++k) out[static_cast<std::size_t>(k)] = value(call, k);
  };
}

void SetParameters(TForm7& screen, int n, int t, int s) {
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValueClamped(n);
  screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValueClamped(t);
  screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValueClamped(s);
}

}  // namespace

class ThicknessSeriesScreenTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void opensInEachLanguage_data();
  void opensInEachLanguage();
  void defaultRunFillsTheTable();
  void capWritesTheSeriesBack_data();
  void capWritesTheSeriesBack();
  void eachOrderLandsInItsBoxes_data();
  void eachOrderLandsInItsBoxes();
  void finalCountsAreExactOverManySeries();
  void secondStartAndSpinBoxesDuringARun();
  void returnDuringARunClosesOnceItStops();
};

void ThicknessSeriesScreenTest::opensInEachLanguage_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("students");
  QTest::addColumn<QString>("leftHeading");
  QTest::addColumn<QString>("startHint");
  QTest::addColumn<QString>("rowThreeRight");
  QTest::newRow("French") << "FR"
                          << "Absorption Aluminium"
                          << "Nb de séries de mesures := Nb d'étudiants"
                          << "min    moy    max"
                          << "Départ"
                          << "2       1       3";
  QTest::newRow("English") << "UK"
                           << "Absorption by Aluminium"
                           << "Nb of series of measurements := Nb of Students"
                           << "min    mid    max"
                           << "Départ de la mesure"
                           << "2        1        3";
  QTest::newRow("Italian") << "IT"
                           << "Assorbimento Alluminio"
                           << "N. di serie di misure := N. di studenti"
                           << "min    media    mass"
                           << "Départ de la mesure"
                           << "2       1       3";
  QTest::newRow("Spanish") << "ES"
                           << "Absorcion Aluminio"
                           << "Nb de series de medidas := Nb de estudiantes"
                           << "mín    med    máx"
                           << "Départ de la mesure"
                           << "2       1       3";
  QTest::newRow("German") << "DE"
                          << "Absorption Aluminium"
                          << "Anzahl der Mess-Serien:= Anzahl der Studenten"
                          << "Min    Mitt    Max"
                          << "Départ de la mesure"
                          << "2       1       3";
}

void ThicknessSeriesScreenTest::opensInEachLanguage() {
  QFETCH(QString, code);
  platform::SetLanguageCode(code);
  TForm7 screen;
  screen.show();
  QApplication::processEvents();
  QCOMPARE(screen.objectName(), QString("TForm7"));
  QCOMPARE(screen.size(), QSize(800, 600));
  QTEST(screen.windowTitle(), "caption");
  QTEST(Text(&screen, "Label26"), "students");
  QTEST(Text(&screen, "Label11"), "leftHeading");
  QTEST(screen.findChild<QWidget*>("BitBtn1")->toolTip(), "startHint");
  QTEST(Text(&screen, "Label20"), "rowThreeRight");
  // Kept French in every language: the title, the headings, row 1's left label.
  QCOMPARE(Text(&screen, "Label7"),
           QString("Absorption des rayons béta par l'aluminium, fluctuations des rayons gamma"));
  QCOMPARE(Text(&screen, "Label12"), QString("3 mm  2mm   1mm"));
  QCOMPARE(screen.findChild<QPushButton*>("Button11")->text(), QString("2mm"));
  QVERIFY(!screen.findChild<QPushButton*>("Button11")->isEnabled());
  // The mean box cannot be typed into nor reached with Tab, yet is not drawn disabled.
  auto* mean = screen.findChild<QLineEdit*>("Edit11");
  QVERIFY(mean->isReadOnly() && mean->isEnabled() && !(mean->focusPolicy() & Qt::TabFocus));
  QCOMPARE(screen.focusWidget(), screen.findChild<QWidget*>("BitBtn2"));
  QVERIFY(screen.findChild<QWidget*>("Image3"));

  // Layout: every control inside the screen, no two of them overlapping.
  QList<QWidget*> controls;
  for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->objectName() != "BackgroundPicture") controls << w;
  QVERIFY(controls.size() > 40);
  for (qsizetype i = 0; i < controls.size(); ++i) {
    QVERIFY2(QRect(0, 0, 800, 600).contains(controls[i]->geometry()), qPrintable(controls[i]->objectName()));
    for (qsizetype j = i + 1; j < controls.size(); ++j)
      QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
               qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
  }
}

void ThicknessSeriesScreenTest::defaultRunFillsTheTable() {
  TForm7 screen;
  screen.show();
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Text(&screen, "Edit5"), QString("Durée des mesures = 0.83 min"));
  const QStringList durations{"5000 s", "83.3 min", "1.389 h", "0.058 j", "0.000 an"};
  const char* const durationBoxes[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit6"};
  for (int u = 0; u < 5; ++u) QCOMPARE(Text(&screen, durationBoxes[u]), durations[u]);
  // γ = 304 and β = 2, 1, 1: 100 × 5 measurements of mean 306, 305 and 305 per screen.
  const double expected[] = {306, 305, 305};
  const char* const meanBoxes[] = {"Edit10", "Edit11", "Edit12"};
  for (int t = 0; t < 3; ++t) {
    const QString mean = Text(&screen, meanBoxes[t]);
    QVERIFY2(mean.contains(QRegularExpression("^\\d{3}\\.\\d{3}$")), qPrintable(mean));
    QVERIFY2(std::abs(mean.toDouble() - expected[t]) < 5 * std::sqrt(306.0 / 500), qPrintable(mean));
  }
  // Every filled row shows its count and count / 100; the counts add up to at most 100.
  int total = 0;
  for (int r = 0; r < thickness_series::kOrderRows; ++r) {
    const QString count = Text(&screen, kCountBoxes[r]);
    if (count.isEmpty()) {
      QVERIFY(Text(&screen, kShareBoxes[r]).isEmpty());
      continue;
    }
    total += count.toInt();
    QCOMPARE(Text(&screen, kShareBoxes[r]), QString::number(count.toInt() / 100.0, 'g', 15));
  }
  QVERIFY(total > 80 && total <= 100);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit3")->Value(), 100);
  QVERIFY(services->messages.all().empty());
}

void ThicknessSeriesScreenTest::capWritesTheSeriesBack_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<int>("s");
  QTest::addColumn<int>("capped");
  QTest::addColumn<QString>("seconds");
  QTest::newRow("one more than allowed") << 101 << 9902 << 9900 << "4999500 s";
  QTest::newRow("exactly allowed") << 101 << 9901 << 9901 << "5000005 s";
  QTest::newRow("largest n") << 10'000 << 101 << 100 << "5000000 s";
  QTest::newRow("one student") << 2 << 1 << 1 << "10 s";
}

void ThicknessSeriesScreenTest::capWritesTheSeriesBack() {
  QFETCH(int, n);
  QFETCH(int, s);
  TForm7 screen;
  screen.show();
  int calls = 0;
  screen.setCountDraw(Scripted([](int, std::int32_t) { return 7; }, &calls));
  SetParameters(screen, n, 5000, s);
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(calls, 6);
  QTEST(screen.findChild<platform::SpinEdit*>("SpinEdit3")->Value(), "capped");
  QTEST(Text(&screen, "Edit1"), "seconds");
  // Equal counts everywhere: every student's means tie, no row is counted.
  for (const char* box : kCountBoxes) QVERIFY(Text(&screen, box).isEmpty());
  QCOMPARE(Text(&screen, "Edit10"), QString("14.000"));
}

void ThicknessSeriesScreenTest::eachOrderLandsInItsBoxes_data() {
  QTest::addColumn<int>("a");  // the one student's two-measurement sums behind 1, 2 and 3 mm
  QTest::addColumn<int>("b");
  QTest::addColumn<int>("c");
  QTest::addColumn<int>("row");  // 0: a tie, counted nowhere
  QTest::newRow("c < b < a") << 9 << 8 << 7 << 1;
  QTest::newRow("b < c < a") << 9 << 7 << 8 << 2;
  QTest::newRow("c < a < b") << 8 << 9 << 7 << 3;
  QTest::newRow("b < a < c") << 8 << 7 << 9 << 4;
  QTest::newRow("a < c < b") << 7 << 9 << 8 << 5;
  QTest::newRow("a < b < c") << 7 << 8 << 9 << 6;
  QTest::newRow("a = b") << 8 << 8 << 7 << 0;
  QTest::newRow("b = c") << 9 << 7 << 7 << 0;
  QTest::newRow("a = c") << 7 << 8 << 7 << 0;
}

void ThicknessSeriesScreenTest::eachOrderLandsInItsBoxes() {
  QFETCH(int, a);
  QFETCH(int, b);
  QFETCH(int, c);
  QFETCH(int, row);
  TForm7 screen;
  screen.show();
  int calls = 0;
  const int sums[] = {a, b, c};
  // The beta draw of screen t puts its sum in the first measurement; the gamma draws count 100.
  screen.setCountDraw(Scripted(
      [&](int call, std::int32_t k) { return call % 2 == 1 ? 100 : (k == 1 ? sums[call / 2] : 0); }, &calls));
  SetParameters(screen, 2, 10'000, 1);
  CLICK_BUTTON(&screen, "BitBtn1");
  for (int r = 1; r <= thickness_series::kOrderRows; ++r) {
    const QString expected = r == row ? "1" : "";
    QCOMPARE(Text(&screen, kCountBoxes[r - 1]), expected);
    QCOMPARE(Text(&screen, kShareBoxes[r - 1]), expected);
  }
  QCOMPARE(Text(&screen, "Edit10"), QString::number(100 + a / 2.0, 'f', 3));
  QCOMPARE(Text(&screen, "Edit11"), QString::number(100 + b / 2.0, 'f', 3));
  QCOMPARE(Text(&screen, "Edit12"), QString::number(100 + c / 2.0, 'f', 3));
}

void ThicknessSeriesScreenTest::finalCountsAreExactOverManySeries() {
  TForm7 screen;
  screen.show();
  // Pseudo-random beta counts 0 … 9 and a clock that moves 1 ms at every reading, so that the
  // boxes are refreshed during the tally; the last values must still be the exact ones.
  services->clock.tickOnEachReading(1);
  constexpr int kN = 3, kS = 30'000;
  std::vector<std::vector<std::int32_t>> beta(3, std::vector<std::int32_t>(kN * kS + 1));
  std::uint32_t seed = 12'345;
  for (auto& counts : beta)
    for (std::int32_t& v : counts) v = static_cast<std::int32_t>((seed = seed * 69'069u + 1u) >> 28) % 10;
  int calls = 0;
  screen.setCountDraw(
      Scripted([&](int call, std::int32_t k) { return call % 2 == 1 ? 50 : beta[call / 2][k]; }, &calls));
  SetParameters(screen, kN, 10'000, kS);
  CLICK_BUTTON(&screen, "BitBtn1");

  thickness_series::OrderTally expected(kS);
  for (int s = 1; s <= kS; ++s) {
    long double means[3];
    for (int t = 0; t < 3; ++t) {
      long double sum = 0;
      for (int j = 1; j <= kN; ++j) sum += beta[t][(s - 1) * kN + j] + 50;
      means[t] = sum / kN;
    }
    expected.add(means[0], means[1], means[2]);
  }
  for (int r = 1; r <= thickness_series::kOrderRows; ++r) {
    QVERIFY(expected.count(r) > 0);
    QCOMPARE(Text(&screen, kCountBoxes[r - 1]), QString::number(expected.count(r)));
    QCOMPARE(Text(&screen, kShareBoxes[r - 1]),
             QString::number(static_cast<double>(expected.count(r)) / kS, 'g', 15));
  }
}

void ThicknessSeriesScreenTest::secondStartAndSpinBoxesDuringARun() {
  TForm7 screen;
  screen.show();
  int calls = 0;
  bool spinBoxesDisabled = true;
  screen.setCountDraw(Scripted([](int, std::int32_t) { return 5; }, &calls,
                               [&](int call) {
                                 if (call != 2) return;
                                 // Mid-run: a second click on the start button and a typed value reach the
                                 // screen.
                                 QTest::mouseClick(screen.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
                                 for (const char* box : {"SpinEdit1", "SpinEdit2", "SpinEdit3"})
                                   spinBoxesDisabled =
                                       spinBoxesDisabled && !screen.findChild<QWidget*>(box)->isEnabled();
                                 QTest::keyClicks(screen.findChild<platform::SpinEdit*>("SpinEdit1"), "9");
                               }));
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(calls, 6);  // one run: the second click started nothing
  QVERIFY(spinBoxesDisabled);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->Value(), 5);
  QCOMPARE(Text(&screen, "Edit12"), QString("10.000"));
  for (const char* box : {"SpinEdit1", "SpinEdit2", "SpinEdit3"})
    QVERIFY(screen.findChild<QWidget*>(box)->isEnabled());
  QVERIFY(services->messages.all().empty());
}

void ThicknessSeriesScreenTest::returnDuringARunClosesOnceItStops() {
  TForm7 screen;
  screen.show();
  int calls = 0;
  bool openDuringRun = false;
  screen.setCountDraw(Scripted([](int, std::int32_t) { return 5; }, &calls,
                               [&](int call) {
                                 if (call != 0) return;
                                 QTest::mouseClick(screen.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
                                 openDuringRun = screen.isVisible();
                               }));
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(openDuringRun);  // the run ends first
  QVERIFY(!screen.isVisible());
  QCOMPARE(calls, 1);  // the run stopped after the draw in progress
  QVERIFY(Text(&screen, "Edit10").isEmpty());
  QVERIFY(services->messages.all().empty());
}

QTEST_MAIN(ThicknessSeriesScreenTest)
#include "thickness_series_screen_test.moc"
