// The dice screen driven as a user would, offscreen: runs in both seed modes, the step-by-step
// sequence, the table and graphs, the runs without a line to fit, keys and boxes during a run,
// failures and texts.
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/dice/dice_constants.h"
#include "experiments/dice/dice_run.h"
#include "kernel/error.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Points;
using test::Shown;
using test::Text;

namespace {

// A clock that fails when it is read: the run fails at its first pass of the event loop.
class FailingClock final : public platform::ClockService {
 public:
  std::int64_t nowMs() override { throw kernel::RangeError("clock lost"); }
  void sleepMs(int) override {}
};

// The text of throw table cell number index (read row by row): empty for a blank cell, "<none>"
// past the table's last row.
QString Cell(QWidget* screen, int index) {
  auto* grid = screen->findChild<QTableWidget*>("StringGrid1");
  if (index / 10 >= grid->rowCount()) return QString("<none>");
  const QTableWidgetItem* item = grid->item(index / 10, index % 10);
  return item ? item->text() : QString();
}

double FirstValue(QWidget* screen, const char* chart, const char* series) {
  auto* graph = static_cast<QCPGraph*>(screen->findChild<platform::Chart*>(chart)->series(series));
  return graph->data()->at(0)->value;
}

// The table entries 0 … last as the model gives them for a run.
QStringList Entries(const dice::DiceRunData& run, int last) {
  QStringList entries;
  for (int k = 0; k <= last; ++k) entries << QString("%1  :  %2").arg(k).arg(run.DiceRemaining[k]);
  return entries;
}

QStringList TableEntries(QWidget* screen, int count) {
  QStringList cells;
  for (int i = 0; i < count; ++i) cells << Cell(screen, i);
  return cells;
}

// The first seed whose full run of n0 dice of nf faces satisfies accept.
std::uint32_t SeedGiving(std::int32_t n0, std::int32_t nf,
                         const std::function<bool(const dice::DiceRunData&)>& accept) {
  static dice::DiceRunData data;
  kernel::NullRunHost host;
  for (std::uint32_t seed = 1;; ++seed) {
    dice::ThrowDice(data, n0, nf, seed, dice::kAllThrows, host);
    if (accept(data)) return seed;
  }
}

}  // namespace

class DiceScreenTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void opensWithItsDefaultsAndTexts();
  void automaticRunsUseSuccessiveSeedsWithTheGoldenFigures();
  void manualRunsRepeatAndStepsReplayTheSameSequence();
  void automaticChoiceThrowsAThousandTimesThenFinishes();
  void leavingABoxResetsTheSequence();
  void allDiceInOneThrowLeaveNoLineAndAnIdleScreen();
  void tableBlanksOnlyWithinItsRows();
  void wideTableEntriesStayReadable();
  void firstPointsAreDrawnWhole();
  void graphsCurvesAndAxis();
  void escapeClosesEvenDuringARun();
  void aFailureLeavesTheScreenUsable();
};

void DiceScreenTest::opensWithItsDefaultsAndTexts() {
  {
    Tform100 screen;
    screen.show();
    QCOMPARE(screen.windowTitle(), QString("Décroissance exponentielle"));
    QCOMPARE(Text(&screen, "Label1"), QString("Nb de dés"));
    QCOMPARE(Text(&screen, "Label36"), QString("Moyenne des tirs"));
    QCOMPARE(screen.findChild<platform::Chart*>("Chart2")->titleLine(0),
             QString("Ln(Nb) de dés restants après le n ième tirage"));
    QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit1")->value(), 20);
    QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit3")->value(), 6);
    QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit8")->value(), 2'755'504);
    QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup2")->ItemIndex(), 1);
    QVERIFY(!Shown(&screen, "SpinEdit8"));
    QVERIFY(!Shown(&screen, "Label29"));
    QVERIFY(!Shown(&screen, "BitBtn6"));
    QVERIFY(!Shown(&screen, "Label38"));
    QVERIFY(Shown(&screen, "BitBtn1") && Shown(&screen, "BitBtn5"));
    QCOMPARE(screen.palette().color(QPalette::Window), platform::kLightGreen);
  }
  // Every other language keeps the screen's own French texts.
  platform::SetLanguageCode("UK");
  Tform100 screen;
  QCOMPARE(Text(&screen, "Label1"), QString("Nb de Dés"));
  QCOMPARE(Text(&screen, "Label2"), QString("Nb de jets "));
  QCOMPARE(Text(&screen, "Label36"), QString("moyenne des tirs"));
  QCOMPARE(screen.findChild<platform::Chart*>("Chart2")->titleLine(0),
           QString("ln(Nb de dés restants après le n ième tirage)"));
  QCOMPARE(screen.findChild<QWidget*>("Chart2")->toolTip(),
           QString("En bleu : les résultas \"expérimentaux\", en marron : les valeurs théoriques de la loi "
                   "binomiale"));
}

void DiceScreenTest::automaticRunsUseSuccessiveSeedsWithTheGoldenFigures() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "BitBtn1");
  // Seed 2 755 504, 20 dice of 6 faces: worked out draw by draw apart from this code.
  QCOMPARE(Text(&screen, "Label6"), QString("2755504"));
  QCOMPARE(
      TableEntries(&screen, 16),
      (QStringList{"0  :  20", "1  :  16", "2  :  12", "3  :  11", "4  :  7", "5  :  6", "6  :  3", "7  :  3",
                   "8  :  3", "9  :  2", "10  :  2", "11  :  1", "12  :  1", "13  :  1", "14  :  1", ""}));
  QCOMPARE(Text(&screen, "Label36"), QString("moyenne des tirs = 3.371"));
  QCOMPARE(Text(&screen, "Label37"), QString("Nb de dés utilisés = 89"));
  QCOMPARE(Text(&screen, "Label7nbj"), QString("15"));
  QCOMPARE(Text(&screen, "StaticText1"), QString("y = Nb dés exp(-t/6)"));
  // The line through (t + 0.5, ln dice left), t = 0 … 14, by a short independent computation.
  QCOMPARE(Text(&screen, "Label40"), QString("tau = 4.270"));
  QCOMPARE(Text(&screen, "Label24"), QString("Régression linéaire y = -0.234205 x + 3.028"));
  QCOMPARE(Text(&screen, "Label9"), QString("Coeff. de corrélation = 0.98226"));
  QVERIFY(Shown(&screen, "BitBtn1") && Shown(&screen, "BitBtn5") && !Shown(&screen, "Label38"));
  QVERIFY(!Shown(&screen, "BitBtn6"));
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit8")->value(), 2'755'503);
  QCOMPARE(QApplication::overrideCursor(), nullptr);

  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Text(&screen, "Label6"), QString("2755503"));
  CLICK_BUTTON(&screen, "BitBtn5");  // "1 jet" keeps the seed
  QCOMPARE(Text(&screen, "Label6"), QString("2755502"));
  QCOMPARE(Text(&screen, "Label7nbj"), QString("1"));
  QVERIFY(services->messages.all().empty());
}

void DiceScreenTest::manualRunsRepeatAndStepsReplayTheSameSequence() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  QVERIFY(Shown(&screen, "SpinEdit8"));
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8", "4242");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "300");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "4");
  CLICK_BUTTON(&screen, "BitBtn1");
  const dice::DiceRunData& run = dice::LastDiceRun();
  const int last = run.LastThrow;
  const QStringList first = TableEntries(&screen, last + 1);
  QCOMPARE(first, Entries(run, last));
  const QString mean = Text(&screen, "Label36");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(TableEntries(&screen, last + 1), first);
  QCOMPARE(Text(&screen, "Label36"), mean);
  QCOMPARE(Text(&screen, "Label6"), QString("4242"));

  // "1 jet" k times: the first k throws of the same sequence, one entry more each time.
  for (int k = 1; k <= 6; ++k) {
    CLICK_BUTTON(&screen, "BitBtn5");
    QCOMPARE(Text(&screen, "Label7nbj"), QString::number(k));
    QCOMPARE(TableEntries(&screen, k + 2), first.mid(0, k + 1) + QStringList{""});
    QVERIFY(!Shown(&screen, "Label5") && !Shown(&screen, "BitBtn6"));
  }
  QCOMPARE(Text(&screen, "Label6"), QString("4242"));
}

void DiceScreenTest::automaticChoiceThrowsAThousandTimesThenFinishes() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  CLICK_BUTTON(&screen, "RadioGroup2_item1");
  QVERIFY(!Shown(&screen, "SpinEdit8"));
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Text(&screen, "Label7nbj"), QString("1000"));
  QCOMPARE(Text(&screen, "Label6"), QString("2755504"));
  // Twenty dice are gone long before 1000 throws: the finished state, an ordinary idle screen.
  QVERIFY(!screen.isRunning());
  QVERIFY(!Shown(&screen, "BitBtn5"));
  QVERIFY(Shown(&screen, "BitBtn6") && Shown(&screen, "Label5") && Shown(&screen, "BitBtn1"));
  QCOMPARE(Cell(&screen, 0), QString("0  :  20"));
  QCOMPARE(TableEntries(&screen, 16).mid(0, 15), Entries(dice::LastDiceRun(), 14));

  CLICK_BUTTON(&screen, "BitBtn6");  // r.a.z.: one throw again, the next seed
  QVERIFY(Shown(&screen, "BitBtn5") && !Shown(&screen, "BitBtn6"));
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Text(&screen, "Label7nbj"), QString("1"));
  QCOMPARE(Text(&screen, "Label6"), QString("2755503"));

  // "Tout" in the finished state resets first.
  CLICK_BUTTON(&screen, "RadioGroup2_item1");
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(Shown(&screen, "BitBtn6"));
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Text(&screen, "Label6"), QString("2755502"));
  QVERIFY(!Shown(&screen, "BitBtn6") && Shown(&screen, "BitBtn5"));
  QCOMPARE(screen.sequence().replayThrows(), 1);
}

void DiceScreenTest::leavingABoxResetsTheSequence() {
  Tform100 screen;
  screen.show();
  REQUIRE_CHILD(dice, platform::SpinEdit, &screen, "SpinEdit1");
  REQUIRE_CHILD(faces, platform::SpinEdit, &screen, "SpinEdit3");
  test::LeaveFocus(dice);
  test::LeaveFocus(faces);
  QCOMPARE(screen.sequence().seed(), 2'755'502);
  CLICK_BUTTON(&screen, "BitBtn5");
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(screen.sequence().replayThrows(), 3);
  test::LeaveFocus(dice);
  QCOMPARE(screen.sequence().replayThrows(), 1);
  QCOMPARE(screen.sequence().seed(), 2'755'501);
  // In the manual mode the seed stays, also at the top of its range.
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8", "999999999");
  test::LeaveFocus(faces);
  QCOMPARE(screen.findChild<platform::SpinEdit*>("SpinEdit8")->value(), 999'999'999);
}

void DiceScreenTest::allDiceInOneThrowLeaveNoLineAndAnIdleScreen() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "2");
  // A run with a line first, so that a stale time constant would show.
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8", "1");
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(Text(&screen, "Label40").startsWith("tau = "));

  struct Case {
    const char* seed;
    const char* button;
    int lastThrow;
  };
  // Seed 4: both dice go in the first throw; seed 18: both go together in the second.
  for (const Case& c : {Case{"4", "BitBtn1", 0}, Case{"18", "BitBtn1", 1}, Case{"4", "BitBtn5", 0}}) {
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8", c.seed);
    CLICK_BUTTON(&screen, c.button);
    QVERIFY2(screen.isVisible(), c.seed);
    QCOMPARE(dice::LastDiceRun().LastThrow, c.lastThrow);
    QCOMPARE(Text(&screen, "Label24"), QString("Régression linéaire impossible : ln N constant"));
    QCOMPARE(Text(&screen, "Label40"), QString());
    QCOMPARE(Text(&screen, "Label9"), QString());
    QCOMPARE(Points(&screen, "Chart1", "Series1"), c.lastThrow + 1);
    QCOMPARE(Points(&screen, "Chart2", "Series2"), c.lastThrow + 1);
    QCOMPARE(Cell(&screen, 0), QString("0  :  2"));
    QCOMPARE(Cell(&screen, c.lastThrow + 1), QString());
    QVERIFY(Shown(&screen, "BitBtn1") && !Shown(&screen, "Label38"));
    QVERIFY(services->messages.all().empty());
  }
  // The step-by-step run removed every die: finished, with "r.a.z." to go on.
  QVERIFY(Shown(&screen, "BitBtn6") && !Shown(&screen, "BitBtn5"));
}

void DiceScreenTest::tableBlanksOnlyWithinItsRows() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  for (int lastDigit : {9, 0}) {
    const std::uint32_t seed =
        SeedGiving(20, 6, [&](const dice::DiceRunData& run) { return run.LastThrow % 10 == lastDigit; });
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8", QString::number(seed));
    CLICK_BUTTON(&screen, "BitBtn1");
    const int last = dice::LastDiceRun().LastThrow;
    QCOMPARE(last % 10, lastDigit);
    auto* grid = screen.findChild<QTableWidget*>("StringGrid1");
    QCOMPARE(grid->rowCount(), last / 10 + 2);
    QCOMPARE(grid->columnCount(), 10);
    QCOMPARE(TableEntries(&screen, last + 1), Entries(dice::LastDiceRun(), last));
    for (int cell = last + 1; cell < grid->rowCount() * 10; ++cell) QCOMPARE(Cell(&screen, cell), QString());
  }
}

// An entry wider than its 70-pixel cell is drawn narrowed, not cut short: entries that differ only
// in their last digit look different.
void DiceScreenTest::wideTableEntriesStayReadable() {
  Tform100 screen;
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "100000");
  CLICK_BUTTON(&screen, "BitBtn1");
  auto* grid = screen.findChild<QTableWidget*>("StringGrid1");
  QTableWidgetItem* first = grid->item(0, 0);
  QCOMPARE(first->text(), QString("0  :  100000"));
  QVERIFY(grid->fontMetrics().horizontalAdvance(first->text()) > grid->columnWidth(0));
  grid->setCurrentCell(1, 1);  // the cell drawn plain, without the selection
  const auto drawn = [&](const QString& text) {
    first->setText(text);
    return grid->viewport()->grab(grid->visualItemRect(first)).toImage();
  };
  for (const char* other : {"0  :  100009", "0  :  900000"}) QVERIFY(drawn("0  :  100000") != drawn(other));
}

// The points of throw 0 lie on the left axis: their markers are drawn whole, over it; once a zoom
// leaves throw 0 out of the range, its marker is not drawn at all.
void DiceScreenTest::firstPointsAreDrawnWhole() {
  Tform100 screen;
  screen.show();
  CLICK_BUTTON(&screen, "BitBtn1");
  struct Case {
    const char *chart, *series;
    QColor colour;
    bool zoomed;  // the range starts 2 pixels after throw 0
  };
  const Case cases[] = {{"Chart1", "Series1", Qt::red, false},
                        {"Chart2", "Series2", Qt::blue, false},
                        {"Chart1", "Series1", Qt::red, true}};
  for (const Case& c : cases) {
    auto* chart = screen.findChild<platform::Chart*>(c.chart);
    if (c.zoomed) {
      const double perPixel = 1 / (chart->xAxis->coordToPixel(1) - chart->xAxis->coordToPixel(0));
      chart->xAxis->setRange(2 * perPixel, chart->xAxis->range().upper);
      chart->replot();
    }
    const double y = FirstValue(&screen, c.chart, c.series);
    const QImage image = chart->grab().toImage();
    // Just outside the plot's rectangle, left of the axis line.
    const QPoint outside(qRound(chart->xAxis->coordToPixel(0)) - 1, qRound(chart->yAxis->coordToPixel(y)));
    const QColor drawn = image.pixelColor(outside * image.devicePixelRatio());
    const int off =
        std::max({std::abs(drawn.red() - c.colour.red()), std::abs(drawn.green() - c.colour.green()),
                  std::abs(drawn.blue() - c.colour.blue())});
    QVERIFY2((off < 48) != c.zoomed,
             qPrintable(QString("%1 at %2 is %3").arg(c.chart).arg(outside.x()).arg(drawn.name())));
  }
}

void DiceScreenTest::graphsCurvesAndAxis() {
  Tform100 screen;
  screen.show();
  for (const auto& [dice, max] : {std::pair{"10", 3.0}, std::pair{"20", 3.0}, std::pair{"1000", 7.0}}) {
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", dice);
    CLICK_BUTTON(&screen, "BitBtn1");
    QCOMPARE(screen.findChild<platform::Chart*>("Chart2")->yAxis->range().upper, max);
    QCOMPARE(screen.findChild<platform::Chart*>("Chart2")->yAxis->range().lower, 0.0);
    const int points = dice::LastDiceRun().LastThrow + 1;
    for (const char* series : {"Series1", "Series4", "Series5"})
      QCOMPARE(Points(&screen, "Chart1", series), points);
    for (const char* series : {"Series2", "Series6"}) QCOMPARE(Points(&screen, "Chart2", series), points);
    const double n0 = QString(dice).toDouble();
    QCOMPARE(FirstValue(&screen, "Chart1", "Series5"), n0);
    QCOMPARE(FirstValue(&screen, "Chart2", "Series6"), std::log(n0));
    QCOMPARE(FirstValue(&screen, "Chart1", "Series4"), n0);
  }
  // A step that removed no die leaves the graphs empty.
  CLICK_BUTTON(&screen, "RadioGroup2_item0");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "500");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit8",
                     QString::number(SeedGiving(1000, 500, [](const dice::DiceRunData& run) {
                       return run.DiceRemaining[1] == 1000;
                     })));
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Text(&screen, "StaticText1"), QString("y = Nb dés exp(-t/500)"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);
  QCOMPARE(Points(&screen, "Chart2", "Series2"), 0);
}

void DiceScreenTest::escapeClosesEvenDuringARun() {
  struct Case {
    const char* what;
    bool duringRun;
    QStringList messages;
  };
  platform::SetClockService(nullptr);  // the real clock, so that the run pumps while it throws
  for (const Case& c : {Case{"Esc during a run", true, {"Arret utilisateur"}},
                        Case{"Esc when idle", false, {"Arret utilisateur"}}}) {
    services->messages.clear();
    Tform100 screen;
    screen.show();
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "1000000");
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "500");
    bool runningAtLeave = false, unchanged = false;
    const auto leave = [&] {
      runningAtLeave = screen.isRunning();
      QTest::keyClick(&screen, Qt::Key_Escape);
    };
    if (c.duringRun) {
      // Boxes left, the reset, a second start and the generator choice change nothing mid-run.
      QTimer::singleShot(30, &screen, [&] {
        const std::int64_t seedBefore = screen.sequence().seed();
        test::LeaveFocus(screen.findChild<QWidget*>("SpinEdit1"));
        test::LeaveFocus(screen.findChild<QWidget*>("SpinEdit3"));
        screen.BitBtn6Click();
        screen.BitBtn1Click();
        QTest::mouseClick(screen.findChild<QRadioButton*>("RadioGroup2_item0"), Qt::LeftButton);
        unchanged = screen.isRunning() && screen.sequence().seed() == seedBefore &&
                    screen.sequence().replayThrows() == 1 &&
                    screen.sequence().mode() == dice::SeedMode::Automatic;
      });
      QTimer::singleShot(60, &screen, leave);
      CLICK_BUTTON(&screen, "BitBtn1");
      QVERIFY2(runningAtLeave && unchanged, c.what);
      QVERIFY2(!dice::LastDiceRun().completed, c.what);
    } else {
      leave();
    }
    QCOMPARE(services->messages.informations(), c.messages);
    QVERIFY(services->messages.errors().isEmpty());
    QVERIFY2(!screen.isVisible() && !screen.isRunning(), c.what);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }
}

void DiceScreenTest::aFailureLeavesTheScreenUsable() {
  Tform100 screen;
  screen.show();
  FailingClock clock;
  platform::SetClockService(&clock);
  for (const char* button : {"BitBtn1", "BitBtn5"}) {
    CLICK_BUTTON(&screen, button);
    QVERIFY(screen.isVisible());
    QVERIFY(!screen.isRunning());
    QVERIFY(Shown(&screen, "BitBtn1") && Shown(&screen, "BitBtn5") && !Shown(&screen, "Label38"));
    QVERIFY(screen.findChild<QWidget*>("SpinEdit1")->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }
  QCOMPARE(services->messages.errors(), (QStringList{"clock lost", "clock lost"}));
  platform::SetClockService(&services->clock);
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(!Text(&screen, "Label36").isEmpty());
}

QTEST_MAIN(DiceScreenTest)
#include "dice_screen_test.moc"
