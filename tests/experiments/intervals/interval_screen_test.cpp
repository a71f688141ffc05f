// The time-interval screen driven as a user would, offscreen: a run and its displays, the buttons
// pressed while a run lets the event loop run, failures, the results file and the five languages
// with their layout.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "experiments/intervals/UnitInterval.h"
#include "experiments/intervals/interval_laws.h"
#include "experiments/intervals/interval_results_file.h"
#include "experiments/intervals/interval_run.h"
#include "experiments/intervals/interval_run_data.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "support/isolated_suite.h"
#include "support/layout_check.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Points;
using test::Text;

namespace {

// Sets the generator to a fixed state after each clock reseed while it lives.
class FixedSeed {
 public:
  explicit FixedSeed(std::uint32_t state) {
    intervals::SetAfterReseed([state] { kernel::UniformRandom::setState(state); });
  }
  ~FixedSeed() { intervals::SetAfterReseed({}); }
};

// The first state from which a run of n intervals at 3 cm with classes of w µs has a class k ≤ K
// whose non-decay fraction is 0.
std::uint32_t StateWithAZeroFraction(std::int32_t n, std::int32_t w) {
  static intervals::IntervalRunData data;
  for (std::uint32_t state = 1;; ++state) {
    FixedSeed seed(state);
    intervals::DrawAndBin(data, {n, w, 0, intervals::Law::Theoretical});
    intervals::NonDecayFractions(data);
    intervals::SeriesData points;
    intervals::LogPoints(data, points);
    if (points.x.size() < static_cast<std::size_t>(data.fitClasses) + 1) return state;
  }
}

QCPAbstractPlottable* Series(QWidget* screen, const char* chart, const char* series) {
  return screen->findChild<platform::Chart*>(chart)->series(series);
}

QStringList ResultFiles() {
  return QDir().entryList({"*_intervalles.txt*"});
}

}  // namespace

class IntervalScreenTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void opensIdleWithTheFocusOnCalcul();
  void runShowsItsNumbersAndCharts();
  void aZeroFractionRaisesNothing();
  void buttonsPressedWhileTheRunYieldsDoNothing();
  void returnDuringARunStopsItAndLeavesNoHalfRun();
  void anErrorInARunReturnsToIdle();
  void saveWritesTheLastRunWithTheBoxValues();
  void aFailedSaveIsReported();
  void languages_data();
  void languages();

 private:
  void cleanupEach() override { intervals::SetAfterReseed({}); }
};

void IntervalScreenTest::opensIdleWithTheFocusOnCalcul() {
  test::OnScreen<TForm2> screen;
  QCOMPARE(screen.focusWidget(), screen.findChild<QWidget*>("BitBtn1"));
  QCOMPARE(Text(&screen, "Label25"), QString("----"));
  QVERIFY(!screen.findChild<QWidget*>("Label31")->isVisible());
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->value(), 10'000);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit3")->value(), 100);
  QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup1")->ItemIndex(), 0);
  QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup2")->ItemIndex(), 0);
  for (const char* edit : {"Edit9", "Edit1min", "EditRecap", "Edit4", "Edit12", "Edit1", "Edit3"})
    QCOMPARE(Text(&screen, edit), QString());
  // "Calcul" keeps the focus through a run, though it is hidden meanwhile.
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "100");
  screen.findChild<QWidget*>("BitBtn1")->setFocus();
  QTest::keyClick(screen.focusWidget(), Qt::Key_Space);
  QVERIFY(!Text(&screen, "Edit9").isEmpty());
  QCOMPARE(screen.focusWidget(), screen.findChild<QWidget*>("BitBtn1"));
}

void IntervalScreenTest::runShowsItsNumbersAndCharts() {
  test::OnScreen<TForm2> screen;
  struct Case {
    int n, w, distance, law, pointSize;
    const char* unit;
  };
  const Case cases[] = {
      {32, 1000, 0, 0, 3, "ms"},    // about 59 ms
      {101, 10, 4, 1, 2, "ms"},     // about 3 s, Geiger law: the first ten classes stay empty
      {10'000, 100, 0, 0, 1, "s"},  // about 18.4 s
  };
  for (const Case& c : cases) {
    FixedSeed seed(static_cast<std::uint32_t>(c.n));
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", QString::number(c.n));
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", QString::number(c.w));
    screen.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(c.distance);
    screen.findChild<platform::RadioGroup*>("RadioGroup2")->setItemIndex(c.law);
    CLICK_BUTTON(&screen, "BitBtn1");
    const intervals::IntervalRunData& run = intervals::LastIntervalRun();
    QCOMPARE(run.measurements, c.n);
    QCOMPARE(Text(&screen, "Edit1min"), QString::number(run.min));
    QCOMPARE(Text(&screen, "EditRecap"), QString::number(run.max));
    QCOMPARE(Text(&screen, "Edit9"), QString::number(static_cast<double>(run.mean), 'f', 1));
    QCOMPARE(Text(&screen, "Edit4"), QString::number(1e6 / static_cast<double>(run.mean), 'f', 2));
    QVERIFY2(Text(&screen, "Label25")
                 .contains(QRegularExpression(QString(R"(^Durée totale = \d+(\.\d\d)?%1$)").arg(c.unit))),
             qPrintable(Text(&screen, "Label25")));
    QCOMPARE(Text(&screen, "Edit12"), QString::number(run.classesDrawn - 2));
    QCOMPARE(run.classesDrawn, static_cast<int>(std::nearbyint(double(run.max) / c.w)) + 3);

    QCOMPARE(Points(&screen, "Chart2", "Series1"), c.n);
    auto* list = static_cast<QCPGraph*>(Series(&screen, "Chart2", "Series1"));
    QCOMPARE(list->scatterStyle().size(), double(c.pointSize));
    QCOMPARE(list->data()->at(0)->value, run.DeltaT[1] / 1000.0);
    QCOMPARE(Points(&screen, "Chart1", "Series2"), run.classesDrawn);
    QCOMPARE(Points(&screen, "Chart3", "Series3"), run.fitClasses + 1);
    QCOMPARE(Points(&screen, "Chart3", "Series4"), run.fitClasses + 1);
    QCOMPARE(static_cast<QCPGraph*>(Series(&screen, "Chart3", "Series4"))->pen().style(), Qt::DashDotDotLine);
    QVERIFY(QRegularExpression("^-\\d+\\.\\d$").match(Text(&screen, "Edit1")).hasMatch());
    QVERIFY(QRegularExpression("^0\\.\\d{5}$").match(Text(&screen, "Edit3")).hasMatch());
    if (c.law == 1) {
      auto* logPoints = static_cast<QCPGraph*>(Series(&screen, "Chart3", "Series3"));
      for (int k = 0; k <= 10; ++k) QCOMPARE(logPoints->data()->at(k)->value, 0.0);
    }
    if (c.n == 10'000) QVERIFY(std::abs(Text(&screen, "Edit1").toDouble() + 544) < 0.05 * 544);
    qint64 sliced = 0;
    for (std::int64_t v : run.nbtr) sliced += v;
    QCOMPARE(sliced, qint64(c.n));
    QVERIFY(screen.findChild<QWidget*>("BitBtn1")->isVisible());
    QVERIFY(!screen.findChild<QWidget*>("Label31")->isVisible());
  }
  QVERIFY(services->messages.all().empty());
}

void IntervalScreenTest::aZeroFractionRaisesNothing() {
  test::OnScreen<TForm2> screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "32");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "1000");
  FixedSeed seed(StateWithAZeroFraction(32, 1000));
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(services->messages.all().empty());
  const intervals::IntervalRunData& run = intervals::LastIntervalRun();
  QVERIFY(Points(&screen, "Chart3", "Series3") < run.fitClasses + 1);
  auto* logPoints = static_cast<QCPGraph*>(Series(&screen, "Chart3", "Series3"));
  for (auto it = logPoints->data()->constBegin(); it != logPoints->data()->constEnd(); ++it)
    QVERIFY(std::isfinite(it->value));
  for (const char* edit : {"Edit1", "Edit3", "Edit4", "Edit9"})
    QVERIFY2(!Text(&screen, edit).contains(QRegularExpression("(?i)nan|inf")), edit);
}

// The run lets the event loop run four times. Each time, the other buttons are pressed (and their
// handlers called directly, as a queued click would): nothing is saved or printed, and no second
// run starts.
void IntervalScreenTest::buttonsPressedWhileTheRunYieldsDoNothing() {
  const QString pdf = "during.pdf";
  services->printing.setDefaultOutput(pdf);
  test::OnScreen<TForm2> screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1000");
  int yields = 0;
  bool calculHidden = true, busyShown = true, nestedRun = false;
  QTimer presser;
  presser.setInterval(0);
  connect(&presser, &QTimer::timeout, &screen, [&] {
    if (!screen.isRunning()) return;
    ++yields;
    calculHidden = calculHidden && !screen.findChild<QWidget*>("BitBtn1")->isVisible();
    busyShown = busyShown && screen.findChild<QWidget*>("Label31")->isVisible();
    for (const char* name : {"BitBtn4", "BitBtn11", "BitBtn1"})
      QTest::mouseClick(screen.findChild<QPushButton*>(name), Qt::LeftButton);
    const int measurements = intervals::LastIntervalRun().measurements;
    screen.Sauve();
    screen.BitBtn11Click();
    screen.BitBtn1Click();
    nestedRun = nestedRun || intervals::LastIntervalRun().measurements != measurements;
  });
  presser.start();
  CLICK_BUTTON(&screen, "BitBtn1");
  presser.stop();
  QCOMPARE(yields, 4);
  QVERIFY(calculHidden);
  QVERIFY(busyShown);
  QVERIFY(!nestedRun);
  QVERIFY(ResultFiles().isEmpty());
  QCOMPARE(services->printing.defaultJobs(), 0);
  QVERIFY(!QFile::exists(pdf));
  QVERIFY(screen.isVisible());
  QVERIFY(services->messages.all().empty());
  // Once the run has ended they work again.
  for (const char* name : {"BitBtn4", "BitBtn11"}) CLICK_BUTTON(&screen, name);
  QCOMPARE(ResultFiles().size(), 1);
  QCOMPARE(services->printing.defaultJobs(), 1);
}

// The return button stays live: pressed at any of the run's four yields, it stops the run after that
// stage and the screen closes; the run record is left empty, never half-done.
void IntervalScreenTest::returnDuringARunStopsItAndLeavesNoHalfRun() {
  for (int stage = 1; stage <= 4; ++stage) {
    test::OnScreen<TForm2> screen;
    CLICK_BUTTON(&screen, "BitBtn1");  // a whole run first, which the stopped one replaces
    int yields = 0;
    bool openAtClick = false;
    QTimer presser;
    presser.setInterval(0);
    connect(&presser, &QTimer::timeout, &screen, [&] {
      if (!screen.isRunning() || ++yields != stage) return;
      QTest::mouseClick(screen.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
      openAtClick = screen.isVisible();
    });
    presser.start();
    CLICK_BUTTON(&screen, "BitBtn1");
    presser.stop();
    QCOMPARE(yields, stage);  // no stage after the stop
    QVERIFY(openAtClick);
    QVERIFY(!screen.isVisible());
    const intervals::IntervalRunData& run = intervals::LastIntervalRun();
    QCOMPARE(run.measurements, 0);
    QCOMPARE(run.fileRows, 0);
    QCOMPARE(run.mean, 0.0L);
    for (const std::vector<std::int64_t>* column : {&run.DeltaT, &run.histo_dt_non_desinteg, &run.nbtr})
      QVERIFY(std::all_of(column->begin(), column->end(), [](std::int64_t v) { return v == 0; }));
    QVERIFY(services->messages.all().empty());
  }
}

void IntervalScreenTest::anErrorInARunReturnsToIdle() {
  test::OnScreen<TForm2> screen;
  intervals::SetAfterReseed([] { throw kernel::RangeError("generator lost"); });
  CLICK_BUTTON(&screen, "BitBtn1");
  intervals::SetAfterReseed({});
  QCOMPARE(services->messages.errors(), QStringList{"generator lost"});
  QVERIFY(!screen.isRunning());
  QVERIFY(screen.findChild<QWidget*>("BitBtn1")->isVisible());
  QVERIFY(!screen.findChild<QWidget*>("Label31")->isVisible());
  for (const char* name : {"BitBtn2", "BitBtn4", "BitBtn11"})
    QVERIFY(screen.findChild<QWidget*>(name)->isEnabled());
  CLICK_BUTTON(&screen, "BitBtn1");  // and a new run works
  QVERIFY(!Text(&screen, "Edit9").isEmpty());
}

void IntervalScreenTest::saveWritesTheLastRunWithTheBoxValues() {
  {
    test::OnScreen<TForm2> screen;
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "40");
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "10");
    CLICK_BUTTON(&screen, "BitBtn1");
  }
  // A new visit saves the run of the earlier one, beside its own box values.
  test::OnScreen<TForm2> screen;
  CLICK_BUTTON(&screen, "BitBtn4");
  const QStringList files = ResultFiles();
  QCOMPARE(files.size(), 1);
  QFile file(files.front());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  const intervals::IntervalRunData& run = intervals::LastIntervalRun();
  QCOMPARE(lines[0], QByteArray("nb de mesures  ; 10000\r"));
  QCOMPARE(lines[2], QByteArray("largeur des classes de l'histogramme en microseconde ; 100\r"));
  QCOMPARE(lines[4], "1 ; " + QByteArray::number(qint64(run.DeltaT[1])) + " ; " +
                         QByteArray::number(qint64(run.histo_dt_non_desinteg[1])) + " ; " +
                         QByteArray::number(qint64(run.nbtr[1])) + "\r");
  QVERIFY(run.classesDrawn > 40);  // 10 µs classes: more rows than intervals, DeltaT 0 past N
  QCOMPARE(lines.size(), 4 + run.classesDrawn + 1);
  QVERIFY(lines[4 + 40].startsWith("41 ; 0 ; "));
}

void IntervalScreenTest::aFailedSaveIsReported() {
  test::OnScreen<TForm2> screen;
  // The save's name is a directory, and the user chooses to replace it.
  const QString name = QString::fromStdString(intervals::IntervalResultsFileName(services->clock.local));
  QVERIFY(QDir().mkpath(name));
  services->messages.answerQuestionsWith(1);
  CLICK_BUTTON(&screen, "BitBtn4");
  QCOMPARE(services->messages.errors(),
           QStringList(QString::fromUtf8("Le fichier «\u00A0%1\u00A0» n'a pas pu être enregistré\u00A0: %2")
                           .arg(name, strerror(EISDIR))));
  QVERIFY(screen.isVisible());
  QVERIFY(QFileInfo(name).isDir());
  QVERIFY(QDir().rmdir(name));
  QVERIFY(ResultFiles().isEmpty());  // nothing left beside
}

void IntervalScreenTest::languages_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("slope");
  QTest::addColumn<QString>("geiger");
  const char* rows[][5] = {
      {"French", "FR", "Intervalles de temps entre deux désintégrations", "pente",
       "Compteur Geiger (delta T mini=0.1ms)"},
      {"English", "UK", " Time Intervals between two successive disintegrations", "SlopeX",
       "Geiger Counter (delta T mini =0.1ms)"},
      {"Italian", "IT", "Intervalli di tempo fra due disintegrazioni", "pendenza",
       "Contatore Geiger (delta T mini :=0.1ms)"},
      {"Spanish", "ES", "Intervalos de tiempo entre dos desintegraciones", "pendiente",
       "Contador Geiger (delta T mini :=0.1ms)"},
      {"German", "DE", "Zeitabstände zwischen zwei Zerfällen", "Steigung",
       "Geigerzähler (Delta T Mini :=0.1 ms)"},
  };
  for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4];
}

// Each language's texts, the texts that stay French, and the layout: no two controls overlap, no
// radio item or chart title is wider than its place.
void IntervalScreenTest::languages() {
  QFETCH(QString, code);
  platform::SetLanguageCode(code);
  test::OnScreen<TForm2> screen;
  QTEST(screen.windowTitle(), "caption");
  QTEST(Text(&screen, "Label4"), "slope");
  QTEST(screen.findChild<platform::RadioGroup*>("RadioGroup2")->items().at(1), "geiger");
  QCOMPARE(Text(&screen, "Label8"), QString("1/Moyenne"));
  QCOMPARE(Text(&screen, "Label11"), QString::fromUtf8("N° des mesures"));
  QCOMPARE(Text(&screen, "Label12"), QString("nombre de classes"));
  QCOMPARE(Text(&screen, "Label31"), QString("Calcul en cours"));
  QCOMPARE(screen.findChild<QPushButton*>("BitBtn1")->text(), QString("Calcul"));
  QVERIFY(screen.findChild<QWidget*>("Chart3")->toolTip().startsWith("On trace entre les instants t=0"));
  for (const char* unit : {"Label9", "Label13"}) QCOMPARE(Text(&screen, unit), QString::fromUtf8("s⁻¹"));
  for (const char* middle : {"Chart1", "Chart2"})
    QCOMPARE(screen.findChild<QWidget*>(middle)->size(), QSize(400, 200));
  // The mean's caption ends a blank before "min".
  auto* mean = screen.findChild<QLabel*>("MoyenneI");
  const QFontMetrics captionMetrics(mean->font());
  QVERIFY2(mean->x() + captionMetrics.horizontalAdvance(mean->text() + ' ') <=
               screen.findChild<QLabel*>("mini")->x(),
           qPrintable(mean->text()));

  // The longest duration a run can show must fit too.
  screen.findChild<QLabel*>("Label25")->setText(QString::fromUtf8("Durée totale = 100.00min"));
  QCoreApplication::processEvents();
  // Controls placed on a chart overlap it on purpose; every other pair must not touch.
  const QSet<QString> onChart3{"Label4", "Edit1", "Label13", "Label14", "Edit3"};
  QList<QWidget*> controls;
  for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->objectName() != "BackgroundPicture") controls << w;
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      const QString a = controls[i]->objectName(), b = controls[j]->objectName();
      if ((a == "Chart3" && onChart3.contains(b)) || (b == "Chart3" && onChart3.contains(a))) continue;
      const QRect ra = controls[i]->geometry(), rb = controls[j]->geometry();
      QVERIFY2(!ra.intersects(rb),
               qPrintable(QString::asprintf("%s overlaps %s in %s: %d %d %d %d", qPrintable(a), qPrintable(b),
                                            qPrintable(code), ra.x(), ra.right(), rb.x(), rb.right())));
    }
  for (QRadioButton* item : screen.findChildren<QRadioButton*>()) {
    const int x = item->x(), needed = item->sizeHint().width(), room = item->parentWidget()->width();
    QVERIFY2(item->width() >= needed && x + needed <= room,
             qPrintable(QString("%1: %2 + %3 > %4").arg(item->text()).arg(x).arg(needed).arg(room)));
  }
  for (platform::Chart* chart : screen.findChildren<platform::Chart*>()) {
    auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0));
    QVERIFY(title);
    const QFontMetrics metrics(title->font());
    QVERIFY(title->font().pixelSize() >= 11);
    for (const QString& line : title->text().split('\n'))
      QVERIFY2(metrics.horizontalAdvance(line) <= chart->width(),
               qPrintable(code + ": " + line + " " + QString::number(metrics.horizontalAdvance(line))));
  }
  // On their navy fill, the chosen law and distance show.
  const QStringList unseen = test::UnseenChoices(&screen);
  QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join('\n')));
}

QTEST_MAIN(IntervalScreenTest)
#include "interval_screen_test.moc"
