// The activity screen driven as a user would, offscreen: runs, limits, keys, real time, results
// file and languages.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_limits.h"
#include "experiments/activity/activity_run_data.h"
#include "kernel/dist_poisson.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "support/capturing_audio.h"
#include "support/isolated_suite.h"
#include "support/layout_check.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;

namespace {

using test::FailingAudio;
using test::Points;
using test::Text;

// Runs n measurements at 12 cm over 25 ms from the first generator state that gives them all count.
void RunOfEqualCounts(QWidget* screen, std::int32_t n, std::int32_t count) {
  static std::vector<std::int32_t> values(kernel::kMaxMeasurements + 1), hist(kernel::kMaxMeasurements + 1);
  std::uint32_t seed = 1;
  for (;; ++seed) {
    kernel::UniformRandom::setState(seed);
    kernel::DistPoisson(activity::MeanCount(4, 25), n, values, hist);
    if (std::all_of(&values[1], &values[n] + 1, [&](std::int32_t v) { return v == count; })) break;
  }
  REQUIRE_CHILD(distance, platform::RadioGroup, screen, "RadioGroup1");
  distance->setItemIndex(4);
  TYPE_INTO_SPIN_BOX(screen, "SpinEdit1", QString::number(n));
  TYPE_INTO_SPIN_BOX(screen, "SpinEdit2", "25");
  kernel::UniformRandom::setState(seed);
  CLICK_BUTTON(screen, "BitBtn1");
}

}  // namespace

class ActivityScreenTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void defaultRunShowsTheFirstCountsOfAFreshGenerator();
  void runResultsAndChart();
  void aMeanOfZeroShowsOnlyTheMean();
  void equalCountsShowTheDeviationFloor();
  void tooLongARunIsShortened();
  void realTimeRevealsOneCountPerCountingTime();
  void realTimeLimits();
  void escapeDuringARunStopsWithoutResults();
  void pauseHoldsTheRunWhileItsMessageIsOpen();
  void pauseAfterARunKeepsTheResultsAndEscapeClearsThem();
  void deleteInASpinBoxEditsOutsideARun();
  void enterConfirmsABoxAndTheRunGoesOn();
  void stopBeforeTheDrawLeavesNoStaleRun();
  void boxesInLocaleDigitsSetTheRun_data();
  void boxesInLocaleDigitsSetTheRun();
  void anErrorInARunLeavesTheScreenIdle();
  void histogramButtonTogglesTheChart();
  void saveWritesTheLastRunWithTheBoxValue();
  void opensInFrenchAndGerman();
  void resultsFitInEveryLanguage_data();
  void resultsFitInEveryLanguage();
};

void ActivityScreenTest::defaultRunShowsTheFirstCountsOfAFreshGenerator() {
  test::OnScreen<Tform11> screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "10");
  kernel::UniformRandom::setState(0);
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 500ms"));
  // Ten measurements: the last-ten row shows them all, oldest first.
  const QStringList first{"3", "25", "24", "31", "23", "27", "28", "26"};
  for (int j = 0; j < first.size(); ++j)
    QCOMPARE(Text(&screen, qPrintable(QString("Edit%1").arg(8 + j))), first[j]);

  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "100");
  kernel::UniformRandom::setState(0);
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 5.00s"));
  QCOMPARE(activity::LastActivityRun().CountValues[1], 3);
  QCOMPARE(activity::LastActivityRun().measurements, 100);
}

void ActivityScreenTest::runResultsAndChart() {
  test::OnScreen<Tform11> screen;
  kernel::UniformRandom::setState(0);
  CLICK_BUTTON(&screen, "BitBtn1");
  const activity::ActivityRunData& run = activity::LastActivityRun();

  QCOMPARE(Text(&screen, "Edit2M"), QString::number(static_cast<double>(run.mean), 'f', 2));
  QVERIFY(Text(&screen, "Edit3E").contains(QRegularExpression("^\\d+\\.\\d{3}$")));
  QCOMPARE(Text(&screen, "Edit4th"), QString::number(std::sqrt(static_cast<double>(run.mean)), 'f', 3));
  long total = 0;
  for (int k = 1; k <= 100; ++k) total += run.CountValues[k];
  QCOMPARE(Text(&screen, "Edit4T"), QString::number(total));

  // The end-of-run tone: 440 Hz for 100 ms, a 1148-byte image.
  QCOMPARE(services->audio.played.size(), std::size_t{1});
  QCOMPARE(services->audio.played.front().size(), std::size_t{1148});

  // Bars from the smallest count to the largest; reference points from one below.
  int first = 0;
  while (run.CountHistogram[first] == 0) ++first;
  QCOMPARE(Points(&screen, "Chart1", "Series1"), run.hi - first + 1);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), run.hi - run.belowSmallest + 1);
  QCOMPARE(Points(&screen, "Chart1", "Series3"), run.hi - run.belowSmallest + 1);
  QCOMPARE(run.belowSmallest, first - 1);

  // The table starts at the smallest count, read row by row.
  QCOMPARE(Text(&screen, "Edit18"), QString("%1 : %2").arg(first).arg(run.CountHistogram[first]));
  QCOMPARE(Text(&screen, "Edit49"), QString("%1 : %2").arg(first + 31).arg(run.CountHistogram[first + 31]));
  // The last ten counts.
  QCOMPARE(Text(&screen, "Edit17"), QString::number(run.CountValues[100]));
  QCOMPARE(Text(&screen, "Edit8"), QString::number(run.CountValues[91]));

  REQUIRE_CHILD(question, QLineEdit, &screen, "Edit6");
  QVERIFY(question->isVisible());
  QCOMPARE(question->text(), QString("Gauss ou Poisson ?"));
  for (const char* name : {"BitBtn1", "BitBtn11", "BitBtn7"}) QVERIFY(test::Shown(&screen, name));
  QVERIFY(!screen.findChild<QWidget*>("Label5")->isVisible());
  QVERIFY(services->messages.all().empty());
}

void ActivityScreenTest::aMeanOfZeroShowsOnlyTheMean() {
  test::OnScreen<Tform11> screen;
  // Fill the last-ten row first: a two-measurement run must leave it alone.
  CLICK_BUTTON(&screen, "BitBtn1");
  const QString lastBefore = Text(&screen, "Edit17");
  services->audio.played.clear();

  RunOfEqualCounts(&screen, 2, 0);
  QCOMPARE(Text(&screen, "Edit2M"), QString("0.00"));
  QCOMPARE(Text(&screen, "Edit3E"), QString());
  QCOMPARE(Text(&screen, "Edit4T"), QString());
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 0);
  QVERIFY(services->audio.played.empty());
  QCOMPARE(Text(&screen, "Edit17"), lastBefore);
}

void ActivityScreenTest::equalCountsShowTheDeviationFloor() {
  test::OnScreen<Tform11> screen;
  RunOfEqualCounts(&screen, 3, 1);
  QCOMPARE(Text(&screen, "Edit2M"), QString("1.00"));
  QCOMPARE(Text(&screen, "Edit3E"), QString("0.000"));
  QCOMPARE(Text(&screen, "Edit18"), QString("1 : 3"));
  QCOMPARE(Text(&screen, "Edit19"), QString("2 : 0"));
  // The Gauss point at the mean uses the floor 0.00001 instead of a zero deviation.
  auto* gauss = static_cast<QCPGraph*>(screen.findChild<platform::Chart*>("Chart1")->series("Series3"));
  QCOMPARE(gauss->dataCount(), 2);
  QVERIFY(qAbs(gauss->data()->at(1)->value - 3 / (std::sqrt(6.28318) * 0.00001)) < 1);
}

void ActivityScreenTest::tooLongARunIsShortened() {
  test::OnScreen<Tform11> screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1000000");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "100000");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->value(), 10000);
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 277.78h"));
  // Mean 54 400 at 3 cm over 100 s: the Poisson law keeps its deviation √m ≈ 233.
  const double mean = Text(&screen, "Edit2M").toDouble();
  QVERIFY2(qAbs(mean - 54400) < 5 * 233.0 / 100, qPrintable(Text(&screen, "Edit2M")));
  QVERIFY(qAbs(Text(&screen, "Edit3E").toDouble() - 233.2) < 10);
}

void ActivityScreenTest::realTimeRevealsOneCountPerCountingTime() {
  test::OnScreen<Tform11> screen;
  screen.findChild<platform::RadioGroup*>("RadioGroup2")->setItemIndex(0);
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "5");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "50");

  // At each pacing sleep: the measurement number is shown, and the running mean covers the
  // measurements before it.
  const activity::ActivityRunData& run = activity::LastActivityRun();
  QStringList seen;
  services->clock.onSleep = [&](int) {
    const int k = Text(&screen, "Edit5").toInt();
    seen << QString("%1/%2/%3").arg(k).arg(Text(&screen, "Edit52"), Text(&screen, "Edit2M"));
  };
  kernel::UniformRandom::setState(7);
  CLICK_BUTTON(&screen, "BitBtn1");

  QCOMPARE(services->clock.sleptMs(), std::int64_t{5 * (50 - 17)});
  QVERIFY(seen.front().startsWith("1/4/"));
  QVERIFY(seen.back().startsWith("5/0/"));
  const double meanOfFour =
      (run.CountValues[1] + run.CountValues[2] + run.CountValues[3] + run.CountValues[4]) / 4.0;
  QVERIFY2(seen.back().endsWith(QString::number(meanOfFour, 'f', 3)), qPrintable(seen.back()));
  QCOMPARE(Text(&screen, "Edit1C"), QString::number(run.CountValues[5]));
  // The end of run as in simulation: mean with two decimals, tone, reference points.
  QCOMPARE(Text(&screen, "Edit2M"), QString::number(static_cast<double>(run.mean), 'f', 2));
  QCOMPARE(services->audio.played.size(), std::size_t{1});
  QVERIFY(Points(&screen, "Chart1", "Series2") > 0);
  QVERIFY(screen.findChild<QWidget*>("Edit5")->isVisible());
}

void ActivityScreenTest::realTimeLimits() {
  test::OnScreen<Tform11> screen;
  screen.findChild<platform::RadioGroup*>("RadioGroup2")->setItemIndex(0);
  // Stop after the first measurement: the limits and the label are set by then.
  services->clock.onSleep = [&](int) { QTest::keyClick(&screen, Qt::Key_Escape); };

  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1500");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->value(), 1000);
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 50.00s"));

  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "500");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit2")->value(), 120);
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 2.00min"));
}

void ActivityScreenTest::escapeDuringARunStopsWithoutResults() {
  platform::SetClockService(nullptr);  // the real clock, so that the run pumps while it draws
  test::OnScreen<Tform11> screen;
  kernel::UniformRandom::setState(0);
  CLICK_BUTTON(&screen, "BitBtn1");  // results of a first run, to see them cleared
  QVERIFY(!Text(&screen, "Edit2M").isEmpty());

  // A long run (about 5 × 10^8 draws): Escape arrives while the counts are drawn.
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1000000");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "1000");
  bool runningAtKey = false;
  QTimer::singleShot(50, &screen, [&] {
    runningAtKey = screen.isRunning();
    QTest::keyClick(&screen, Qt::Key_Escape);
  });
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(runningAtKey);
  // The draw stopped after the measurement in progress, not at the end of the series.
  QVERIFY(activity::LastActivityRun().measurements < 1'000'000);
  QCOMPARE(services->messages.informations(), QStringList{"Arret utilisateur"});
  QVERIFY(services->audio.played.size() == 1);  // only the first run's tone
  for (const char* edit : {"Edit2M", "Edit3E", "Edit4T", "Edit4th"}) QCOMPARE(Text(&screen, edit), QString());
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 0);
  QVERIFY(!screen.findChild<QWidget*>("Edit6")->isVisible());
  QVERIFY(!screen.findChild<QWidget*>("Label5")->isVisible());
  QVERIFY(screen.findChild<QWidget*>("BitBtn1")->isVisible());
  QVERIFY(!screen.isRunning());
}

void ActivityScreenTest::pauseHoldsTheRunWhileItsMessageIsOpen() {
  test::OnScreen<Tform11> screen;
  bool runningWhileOpen = false;
  services->messages.onShow(
      [&](const test::RecordingMessages::Message&) { runningWhileOpen = screen.isRunning(); });
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "100000");
  QTimer::singleShot(0, &screen, [&] { QTest::keyClick(&screen, Qt::Key_Pause); });
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(services->messages.informations(), QStringList{"Pause utilisateur"});
  QVERIFY(runningWhileOpen);
  QVERIFY(!Text(&screen, "Edit2M").isEmpty());  // the run went on to its end
}

void ActivityScreenTest::pauseAfterARunKeepsTheResultsAndEscapeClearsThem() {
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn1");
  const QString mean = Text(&screen, "Edit2M");
  const int bars = Points(&screen, "Chart1", "Series1");
  QTest::keyClick(&screen, Qt::Key_Pause);
  QCOMPARE(services->messages.informations(), QStringList{"Pause utilisateur"});
  QCOMPARE(Text(&screen, "Edit2M"), mean);
  QCOMPARE(Points(&screen, "Chart1", "Series1"), bars);
  // Escape clears the results, and the question about them goes with them.
  QTest::keyClick(&screen, Qt::Key_Escape);
  QCOMPARE(Text(&screen, "Edit2M"), QString());
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);
  QVERIFY(!screen.findChild<QWidget*>("Edit6")->isVisible());
}

// Outside a run Delete in a box edits it: no stop, and the results of the last run stay.
void ActivityScreenTest::deleteInASpinBoxEditsOutsideARun() {
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn1");
  const QString mean = Text(&screen, "Edit2M");
  const int bars = Points(&screen, "Chart1", "Series1");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1234");
  REQUIRE_CHILD(box, platform::SpinEdit, &screen, "SpinEdit1");
  auto* line = box->findChild<QLineEdit*>();
  line->setCursorPosition(0);
  QTest::keyClick(line, Qt::Key_Delete);
  QCOMPARE(line->text(), QString("234"));
  QVERIFY(services->messages.all().empty());
  QCOMPARE(Text(&screen, "Edit2M"), mean);
  QCOMPARE(Points(&screen, "Chart1", "Series1"), bars);
}

void ActivityScreenTest::enterConfirmsABoxAndTheRunGoesOn() {
  platform::SetClockService(nullptr);  // the real clock, so that the run pumps while it draws
  Tform11 screen;
  bool openAfterEnter = false;
  QTimer::singleShot(0, &screen, [&] {
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "3000000");
    QTest::keyClick(screen.findChild<platform::SpinEdit*>("SpinEdit1"), Qt::Key_Return);
    QTimer::singleShot(0, &screen, [&] {
      QTest::keyClick(screen.findChild<platform::SpinEdit*>("SpinEdit2"), Qt::Key_Enter);
      openAfterEnter = screen.isVisible() && screen.isRunning();
    });
    CLICK_BUTTON(&screen, "BitBtn1");
    QTest::keyClick(screen.findChild<QWidget*>("BitBtn1"), Qt::Key_Return);  // the focus is on it now
    if (screen.isVisible()) screen.done(QDialog::Rejected);
  });
  QCOMPARE(screen.exec(), int(QDialog::Rejected));  // only the test closed it
  QVERIFY(openAfterEnter);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->value(), 1000000);
  QCOMPARE(activity::LastActivityRun().measurements, 1000000);  // the run was not stopped
  QVERIFY(services->messages.all().empty());
}

void ActivityScreenTest::stopBeforeTheDrawLeavesNoStaleRun() {
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(activity::LastActivityRun().measurements, 100);
  // Escape in the event-loop pass before the draw.
  QTimer::singleShot(0, &screen, [&] { QTest::keyClick(&screen, Qt::Key_Escape); });
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(services->messages.informations(), QStringList{"Arret utilisateur"});
  const activity::ActivityRunData& run = activity::LastActivityRun();
  QCOMPARE(run.measurements, 0);
  QCOMPARE(run.mean, 0.0L);
  for (std::int32_t v = 0; v <= 100; ++v) QCOMPARE(run.CountHistogram[v], 0);
}

void ActivityScreenTest::boxesInLocaleDigitsSetTheRun_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
  QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt);
  QTest::newRow("fa_IR") << QLocale(QLocale::Persian, QLocale::Iran);
}

void ActivityScreenTest::boxesInLocaleDigitsSetTheRun() {
  QFETCH(QLocale, locale);
  QLocale::setDefault(locale);
  Tform11 screen;
  QLocale::setDefault(QLocale::c());
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", locale.toString(12));
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", locale.toString(75));
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(activity::LastActivityRun().measurements, 12);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->text(), locale.toString(12));
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit2")->text(), locale.toString(75));
  QCOMPARE(Text(&screen, "Label6"), QString("Durée totale > 900ms"));
}

void ActivityScreenTest::anErrorInARunLeavesTheScreenIdle() {
  FailingAudio audio;
  platform::SetAudioService(&audio);
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn1");
  platform::SetAudioService(&services->audio);
  QCOMPARE(services->messages.errors(), QStringList{"sound device lost"});
  QVERIFY(!screen.isRunning());
  for (const char* name : {"BitBtn1", "BitBtn11", "BitBtn7"}) QVERIFY(test::Shown(&screen, name));
  QVERIFY(!screen.findChild<QWidget*>("Label5")->isVisible());
  CLICK_BUTTON(&screen, "BitBtn1");  // and a new run works
  QVERIFY(!Text(&screen, "Edit4T").isEmpty());
}

void ActivityScreenTest::histogramButtonTogglesTheChart() {
  test::OnScreen<Tform11> screen;
  REQUIRE_CHILD(chart, platform::Chart, &screen, "Chart1");
  QVERIFY(chart->isVisible());
  CLICK_BUTTON(&screen, "Button2");
  QVERIFY(!chart->isVisible());
  QVERIFY(screen.findChild<QWidget*>("Edit18")->isVisible());
  CLICK_BUTTON(&screen, "Button2");
  QVERIFY(chart->isVisible());
}

void ActivityScreenTest::saveWritesTheLastRunWithTheBoxValue() {
  {
    test::OnScreen<Tform11> screen;
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
    CLICK_BUTTON(&screen, "BitBtn1");
  }
  // A new visit saves the run of the earlier one, beside its own box value.
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn7");
  const QStringList files = QDir().entryList({"*_intervalles.txt"});
  QCOMPARE(files.size(), 1);
  QVERIFY(files.front().contains(QRegularExpression(R"(^\d\d_\d\d_\d\d_\d\d_\d\d_intervalles\.txt$)")));
  QFile file(files.front());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  const activity::ActivityRunData& run = activity::LastActivityRun();
  QCOMPARE(lines[0], QByteArray("nb de mesures  ; 100 ; 2\r"));
  QCOMPARE(lines[4], QByteArray("1 ; ") + QByteArray::number(run.CountValues[1]) + " ; " +
                         QByteArray::number(run.CountHistogram[1]) + "\r");
  QCOMPARE(lines.size(), 3 + std::max(2, run.hi) + 1 + 1);  // the last line ends with CR LF
}

void ActivityScreenTest::opensInFrenchAndGerman() {
  {
    Tform11 screen;
    QCOMPARE(screen.windowTitle(), QString("Activité"));
    QCOMPARE(Text(&screen, "Moyenne_"), QString("Moyenne"));
    QCOMPARE(Text(&screen, "Reste_"), QString("Reste"));
    QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup2")->items(),
             (QStringList{"Temps réel", "Simulation"}));
    QCOMPARE(screen.findChild<platform::Chart*>("Chart1")->titleLine(1), QString(" de temps de comptage"));
  }
  platform::SetLanguageCode("DE");
  Tform11 screen;
  QCOMPARE(screen.windowTitle(), QString("Aktivität"));
  QCOMPARE(Text(&screen, "Moyenne_"), QString("Mittelwert"));
  QCOMPARE(Text(&screen, "Edit6"), QString("Gauss oder Poisson ?"));
  QCOMPARE(screen.findChild<QPushButton*>("Button2")->text(), QString("STOP"));
  QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup2")->items(), (QStringList{"ja", "nein"}));
  // The start button's hint stays French.
  QCOMPARE(screen.findChild<QWidget*>("BitBtn1")->toolTip(),
           QString("Départ de la mesure,ESC ou Fin =Arret, Pause=pause"));
  QCOMPARE(screen.findChild<QWidget*>("BitBtn7")->toolTip(), QString("Ouverture d'un fichier"));
}

void ActivityScreenTest::resultsFitInEveryLanguage_data() {
  QTest::addColumn<QString>("code");
  for (const char* code : {"FR", "UK", "IT", "ES", "DE"}) QTest::newRow(code) << QString(code);
}

// After a run, with the question shown: no text cut or overlapping, the chosen distance and mode
// show, and the captions over the result boxes, side by side on one line, keep at least a space between them.
void ActivityScreenTest::resultsFitInEveryLanguage() {
  QFETCH(QString, code);
  platform::SetLanguageCode(code);
  test::OnScreen<Tform11> screen;
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(screen.findChild<QLineEdit*>("Edit6")->isVisible());
  const QStringList faults = test::LayoutFaults(&screen) + test::UnseenChoices(&screen);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  const char* row[] = {"Moyenne_", "Total", "EcartType", "Label3"};
  for (int i = 0; i + 1 < int(std::size(row)); ++i) {
    auto* left = screen.findChild<QLabel*>(row[i]);
    auto* right = screen.findChild<QLabel*>(row[i + 1]);
    const QFontMetrics metrics(left->font());
    const int gap = right->x() - (left->x() + metrics.horizontalAdvance(left->text()));
    QVERIFY2(gap >= metrics.horizontalAdvance(' '),
             qPrintable(QString("\"%1\" runs into \"%2\"").arg(left->text(), right->text())));
  }
}

QTEST_MAIN(ActivityScreenTest)
#include "activity_screen_test.moc"
