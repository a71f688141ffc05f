// The population screen driven as a user would, offscreen, with the pause shortened: opening and
// its isotope list, the grids, the λ entry, runs with their curves, clicks and keys, controls
// touched during a run, the export file and the languages.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "experiments/population/UnitReseau.h"
#include "experiments/population/population_state.h"
#include "experiments/population/string_grid.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "support/capturing_audio.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using population::Population;

namespace {

using test::FailingAudio;
using test::Points;
using test::Text;

platform::Chart* ChartOf(QWidget* screen, const char* name) {
  return screen->findChild<platform::Chart*>(name);
}

population::StringGrid* Grid(QWidget* screen, const char* name) {
  return screen->findChild<population::StringGrid*>(name);
}

// Releases the mouse over a row of a grid, as a click does.
void ClickRow(QWidget* screen, const char* grid, int row) {
  QRect cell;
  QWidget* shown = Grid(screen, grid)->showCell(row, 0, &cell);
  QTest::mouseClick(shown, Qt::LeftButton, {}, cell.center());
}

// A set generator state for every run, and a 10 ms pause.
population::RunSeams Seams() {
  return {[] { kernel::UniformRandom::setState(4242); }, 10};
}

// The screen opened with those seams.
struct RunScreen : test::OnScreen<TForm8> {
  RunScreen() { setRunSeams(Seams()); }
};

}  // namespace

class PopulationScreenTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void opensWithCaesiumPerYearAndTheInstalledList();
  void listFromTheWorkingDirectoryAndListFailures();
  void gridTextInACommaLocaleAndBack();
  void isotopeAndUnitChoices();
  void ownDecayConstant();
  void runDrawsLatticeCurvesAndStepCounter();
  void clicksOnlyOnSmallLatticesWithSound();
  void semiLogCurveAsTheLatticeEmpties();
  void controlsChangedDuringARunDoNothing();
  void escapeStopsAndTheExportEndsThere();
  void closingDuringARunStopsAfterTheStep();
  void aFailureInARunShowsTheMessageAndTheScreenStaysUsable();
  void curvePointMessage();
  void rightClickReachesPointsOnTheAxes();
  void englishAndGermanTexts();

 private:
  void initEach() override { TForm8::setInstalledIsotopeList(NOYALIS_SHIPPED_ISOTOPE_LIST); }
};

void PopulationScreenTest::opensWithCaesiumPerYearAndTheInstalledList() {
  TForm8 screen;
  QCOMPARE(screen.objectName(), QString("TForm8"));
  QCOMPARE(screen.windowTitle(), QString("Population de noyaux radioactifs"));
  QVERIFY(services->messages.all().empty());
  const population::PopulationState& state = Population();
  QCOMPARE(state.atoms[1].lambda, 7.285E-10L);
  QVERIFY(std::abs(static_cast<double>(state.StepProbability / (31'556'736.0L * 7.285E-10L)) - 1) < 1e-12);
  QCOMPARE(Text(&screen, "Edit12"), QString("Cs 137"));
  QCOMPARE(Grid(&screen, "StringGrid1")->cellText(1, 2), QString("7.285E-10"));
  QCOMPARE(Grid(&screen, "StringGrid1")->cellText(0, 2), QString("Lambda 1/s"));
  // The shipped list fills the rows after caesium, and NewAtomRow follows it among the grid's rows.
  QCOMPARE(Grid(&screen, "StringGrid1")->cellText(2, 0), QString("H "));
  QVERIFY(state.NewAtomRow > 14 && state.NewAtomRow <= 48);
  QVERIFY(Grid(&screen, "StringGrid1")->cellText(state.NewAtomRow - 1, 0).size() > 0);
  QVERIFY(Grid(&screen, "StringGrid1")->cellText(state.NewAtomRow, 0).isEmpty());
  for (const char* label : {"Label11", "Label14", "Label15"})
    QCOMPARE(Text(&screen, label), QString("année"));
  QCOMPARE(Grid(&screen, "StringGrid2")->cellText(0, 0), QString("Unité de temps"));
  QCOMPARE(Grid(&screen, "StringGrid2")->cellText(10, 0), QString("milliards d'années"));
  QCOMPARE(Text(&screen, "Label2"), QString("t"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 100);
  QCOMPARE(Points(&screen, "Chart2", "Series3"), 1);
  QVERIFY(!ChartOf(&screen, "Chart3")->isVisibleTo(&screen));
  QVERIFY(screen.findChild<QWidget*>("RadioGroup2")->isVisibleTo(&screen));
}

void PopulationScreenTest::listFromTheWorkingDirectoryAndListFailures() {
  struct Case {
    const char* name;
    QByteArray workingList;  // empty: none in the working directory
    bool installed;
    const char* code;   // the screen's language
    const char* error;  // a part of the message, or "" for none
    int newAtomRow;
  };
  const Case cases[] = {
      {"working directory first", "Co 60 4.17E-9\r\nSr 90 7.63E-10\r\n", true, "FR", "", 4},
      {"installed when none here", "", true, "FR", "", -1},
      {"none anywhere", "", false, "UK", "Isotope list radliste02.txt not found:\nradliste02.txt\n", 2},
      {"malformed", "Co 60 4.17E-9\r\nCs 137 7,285E-10\r\n", true, "DE", "radliste02.txt, Zeile 2: Lambda",
       2},
      {"mass not whole", "Co 6.0 4.17E-9\r\n", true, "IT", "riga 1: la massa \"6.0\" non è", 2},
      {"blank line", "Co 60 4.17E-9\r\n\r\nSr 90 7.63E-10\r\n", true, "ES", "línea 2: línea vacía", 2},
      {"reopened with a shorter list", "Ra 226 1.37E-11\r\n", true, "FR", "", 3},
  };
  for (const Case& c : cases) {
    services->messages.clear();
    platform::SetLanguageCode(c.code);
    QFile::remove("radliste02.txt");
    if (!c.workingList.isEmpty()) writeFile("radliste02.txt", c.workingList);
    TForm8::setInstalledIsotopeList(c.installed ? NOYALIS_SHIPPED_ISOTOPE_LIST : "nowhere/radliste02.txt");
    TForm8 screen;
    const QStringList errors = services->messages.errors();
    if (*c.error) {
      QVERIFY2(errors.size() == 1 && errors.front().contains(QString::fromUtf8(c.error)),
               qPrintable(errors.join('|')));
      QVERIFY2(Grid(&screen, "StringGrid1")->cellText(2, 0).isEmpty(), c.name);
    } else {
      QVERIFY2(errors.isEmpty(), c.name);
    }
    if (c.newAtomRow > 0) QCOMPARE(Population().NewAtomRow, c.newAtomRow);
    // Rows after the list hold nothing from an earlier opening.
    QCOMPARE(Population().atoms[Population().NewAtomRow].lambda, 0.0L);
    QCOMPARE(Population().atoms[Population().NewAtomRow].symbol, std::string());
    // The opening still finishes: lattice, curve and caesium.
    QCOMPARE(Points(&screen, "Chart1", "Series1"), 100);
    QCOMPARE(Points(&screen, "Chart2", "Series3"), 1);
    QCOMPARE(Text(&screen, "Edit12"), QString("Cs 137"));
  }
}

void PopulationScreenTest::gridTextInACommaLocaleAndBack() {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  TForm8 screen;
  QCOMPARE(Grid(&screen, "StringGrid1")->cellText(1, 2), QString("7,285E-10"));
  QCOMPARE(Population().atoms[1].lambda, 7.285E-10L);
  QCOMPARE(Grid(&screen, "StringGrid1")->cellText(3, 2).count(','), 1);
  QVERIFY(services->messages.all().empty());
}

void PopulationScreenTest::isotopeAndUnitChoices() {
  test::OnScreen<TForm8> screen;
  const population::PopulationState& state = Population();
  ClickRow(&screen, "StringGrid1", 2);
  QCOMPARE(Text(&screen, "Edit12"), QString("H  3"));
  QCOMPARE(state.selectedAtom, 2);
  ClickRow(&screen, "StringGrid1", 0);  // the header row selects caesium-137
  QCOMPARE(state.selectedAtom, 1);
  QCOMPARE(Text(&screen, "Edit12"), QString("Cs 137"));
  ClickRow(&screen, "StringGrid1", state.NewAtomRow);
  QCOMPARE(Text(&screen, "Edit12"), QString(" "));
  QVERIFY(screen.findChild<QLineEdit*>("Edit7")->isVisible());
  ClickRow(&screen, "StringGrid1", state.NewAtomRow + 1);  // below the list: λ = 0
  QVERIFY(!screen.findChild<QLineEdit*>("Edit7")->isVisible());
  QCOMPARE(Text(&screen, "Edit12"), QString(" "));

  ClickRow(&screen, "StringGrid2", 5);
  QCOMPARE(state.selectedUnit, 5);
  for (const char* label : {"Label11", "Label14", "Label15"}) QCOMPARE(Text(&screen, label), QString("jour"));
  QCOMPARE(state.unitLength, 86'400.0L);
  QCOMPARE(state.StepProbability, 0.0L);  // the row below the list has no λ
  ClickRow(&screen, "StringGrid2", 0);    // the header row selects the year
  QCOMPARE(state.selectedUnit, 1);
  QCOMPARE(Text(&screen, "Label11"), QString("année"));
}

void PopulationScreenTest::ownDecayConstant() {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  test::OnScreen<TForm8> screen;
  QApplication::setActiveWindow(&screen);  // focus changes need an active window
  QVERIFY(screen.isActiveWindow());
  population::PopulationState& state = Population();
  REQUIRE_CHILD(entry, QLineEdit, &screen, "Edit7");
  // Scrolled into view, the entry stays hidden until its row is chosen; another row hides it.
  population::StringGrid* grid = Grid(&screen, "StringGrid1");
  grid->scrollToBottom();
  QApplication::processEvents();
  QVERIFY(!entry->isVisible());
  // The header row stays at the top of the grid while the rows scroll.
  QWidget* top = grid->childAt(grid->width() / 2, grid->frameWidth() + 4);
  QVERIFY(top && top->parentWidget() == grid->horizontalHeader());
  QCOMPARE(grid->cellText(0, 2), QString("Lambda 1/s"));
  for (int row : {3, state.NewAtomRow, 3}) {
    ClickRow(&screen, "StringGrid1", row);
    QCOMPARE(entry->isVisible(), row == state.NewAtomRow);
  }
  ClickRow(&screen, "StringGrid1", state.NewAtomRow);
  QVERIFY(entry->isVisible());
  ClickRow(&screen, "StringGrid2", 2);  // a second per step
  struct Case {
    const char* typed;
    bool accepted;
    long double lambda;
  };
  // Comma and point both separate the decimals; what a double cannot hold is refused.
  const Case cases[] = {{"0,25", true, 0.25L}, {"abc", false, 0},        {"nan", false, 0},
                        {"inf", false, 0},     {"-1", false, 0},         {"", false, 0},
                        {"1e309", false, 0},   {"1e400", false, 0},      {"0.5", true, 0.5L},
                        {"1,5,2", false, 0},   {"1,5E-3", true, 1.5E-3L}};
  long double last = 0;
  const auto leave = [&](const char* typed) {
    entry->setFocus();
    QVERIFY(entry->hasFocus());
    if (typed) entry->setText(typed);
    QTest::keyClick(entry, Qt::Key_Return);  // Enter confirms, the focus leaves, nothing starts
    QVERIFY2(!entry->hasFocus(), typed);
  };
  for (const Case& c : cases) {
    services->messages.clear();
    leave(c.typed);
    if (c.accepted) last = c.lambda;
    QVERIFY2(services->messages.errors().size() == (c.accepted ? 0 : 1),
             qPrintable(services->messages.errors().join("|")));
    QCOMPARE(entry->font().strikeOut(), !c.accepted);  // a refused value shows it is not in use
    QCOMPARE(state.atoms[state.NewAtomRow].lambda, last);
    QCOMPARE(state.StepProbability, static_cast<long double>(static_cast<double>(last)));
  }
  // One message per refusal: leaving the refused entry again, unchanged, or while its message is
  // open (the box takes the focus), tells nothing new.
  services->messages.clear();
  services->messages.onShow([&](const auto&) { test::LeaveFocus(entry); });
  leave("abc");
  services->messages.onShow(nullptr);
  leave(nullptr);
  QCOMPARE(services->messages.errors().size(), 1);
  QCOMPARE(Text(&screen, "Edit12"), QString(" "));
  QVERIFY(services->clock.sleeps.empty());  // Enter started no run
  // A run says which λ it uses.
  screen.setRunSeams(Seams());
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(entry->text(), QString("0,0015"));  // the separator of the screen's language
  QVERIFY(!entry->font().strikeOut());
}

void PopulationScreenTest::runDrawsLatticeCurvesAndStepCounter() {
  RunScreen screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "10");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "20");
  QString seenAt5;
  services->clock.onSleep = [&](int step) {
    if (step == 5) seenAt5 = Text(&screen, "Label2");
  };
  CLICK_BUTTON(&screen, "BitBtn1");
  const population::PopulationState& state = Population();
  QCOMPARE(seenAt5, QString("t =    5"));
  QCOMPARE(Text(&screen, "Label2"), QString("t =    10"));
  QCOMPARE(services->clock.sleeps.size(), std::size_t{10});
  QCOMPARE(state.lastStep, 10);
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 400);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 400 - state.alive);
  QVERIFY(state.alive < 400 && state.alive > 300);  // p ≈ 0.023 over 10 steps
  QCOMPARE(Points(&screen, "Chart2", "Series3"), 11);
  QCOMPARE(Text(&screen, "Edit3"), QString::number(state.alive));
  QCOMPARE(Text(&screen, "Edit11"), QString::number(state.alive));
  QCOMPARE(ChartOf(&screen, "Chart1")->xAxis->range().upper, 21.0);
  QCOMPARE(ChartOf(&screen, "Chart2")->xAxis->range().upper, 10.0);
  QVERIFY(screen.findChild<QWidget*>("RadioGroup1")->isVisible());
  QVERIFY(services->audio.played.empty());  // N = 20: no sound

  // The export after a full run: D + 1 rows, the run's unit and isotope.
  CLICK_BUTTON(&screen, "BitBtn7");
  const QStringList files = QDir().entryList({"*_reseau.txt"});
  QCOMPARE(files.size(), 1);
  QFile file(files.front());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  QCOMPARE(lines.size(), 3 + 11 + 1);
  QCOMPARE(lines[0], QByteArray("ann\xE9"
                                "e\r"));
  QCOMPARE(lines[1], QByteArray("Cs 137 ;  reste = ; ") + QByteArray::number(state.alive) + "\r");
  QCOMPARE(lines[3], QByteArray("0 ;  4.00000000000000E+0002 ;  0.00000000000000E+0000\r"));
  QVERIFY(lines[13].startsWith("10 ; "));
}

void PopulationScreenTest::clicksOnlyOnSmallLatticesWithSound() {
  struct Case {
    const char* side;
    bool soundChoiceShown;
    bool clicks;
  };
  for (const Case& c : {Case{"10", true, true}, Case{"11", false, false}}) {
    services->audio.played.clear();
    RunScreen screen;
    screen.findChild<platform::RadioGroup*>("RadioGroup2")->setItemIndex(0);  // "oui"
    ClickRow(&screen, "StringGrid2", 6);  // a century per step: p ≈ 0.23
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "20");
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", c.side);
    QCOMPARE(screen.findChild<QWidget*>("RadioGroup2")->isVisible(), c.soundChoiceShown);
    CLICK_BUTTON(&screen, "BitBtn1");
    const population::PopulationState& state = Population();
    int stepsWithDecay = 0;
    for (int t = 1; t <= 20; ++t) stepsWithDecay += state.DecaysPerStep[t] > 0;
    QVERIFY(stepsWithDecay > 0);
    QCOMPARE(static_cast<int>(services->audio.played.size()), c.clicks ? stepsWithDecay : 0);
    // 1000 Hz for 20 ms: 220 samples after the 46-byte header.
    for (const auto& image : services->audio.played) QCOMPARE(image.size(), std::size_t{266});
  }
}

void PopulationScreenTest::semiLogCurveAsTheLatticeEmpties() {
  writeFile("radliste02.txt", "Po 214 4.2E+03\r\n");
  RunScreen screen;
  CLICK_BUTTON(&screen, "RadioGroup1_item1");
  QVERIFY(ChartOf(&screen, "Chart3")->isVisible());
  QVERIFY(!ChartOf(&screen, "Chart2")->isVisible());
  ClickRow(&screen, "StringGrid1", 2);
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "10");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Population().PopulationCurve[1], 0.0L);
  QCOMPARE(Points(&screen, "Chart2", "Series3"), 11);
  QCOMPARE(Points(&screen, "Chart3", "Series4"), 1);  // only (0, 100): N = 0 has no place on a log axis
  QVERIFY(ChartOf(&screen, "Chart3")->yAxis->range().lower > 0);
  QCOMPARE(Text(&screen, "Edit11"), QString("0"));
  // Choosing the plot again erases the curve back to its first point.
  CLICK_BUTTON(&screen, "RadioGroup1_item0");
  QCOMPARE(Points(&screen, "Chart2", "Series3"), 1);
  QVERIFY(ChartOf(&screen, "Chart2")->isVisible());
}

void PopulationScreenTest::controlsChangedDuringARunDoNothing() {
  RunScreen screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "10");
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "8");
  const population::PopulationState& state = Population();
  services->clock.onSleep = [&](int step) {
    if (step != 3) return;
    ClickRow(&screen, "StringGrid2", 5);
    ClickRow(&screen, "StringGrid1", 2);
    screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValue(50);
    screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValue(500);
    screen.Button1Click();  // a second start is ignored
    screen.RadioGroup1Click();
    screen.BitBtn7Click();
  };
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(services->clock.sleeps.size(), std::size_t{10});
  QCOMPARE(state.lastStep, 10);
  QCOMPARE(state.selectedUnit, 1);
  QCOMPARE(state.selectedAtom, 1);
  QCOMPARE(state.PopulationCurve[0], 64.0L);
  QCOMPARE(Text(&screen, "Label11"), QString("année"));
  QCOMPARE(Text(&screen, "Edit12"), QString("Cs 137"));
  QCOMPARE(Points(&screen, "Chart2", "Series3"), 11);
  QVERIFY(QDir().entryList({"*_reseau.txt"}).isEmpty());
  QVERIFY(services->messages.all().empty());
}

void PopulationScreenTest::escapeStopsAndTheExportEndsThere() {
  RunScreen screen;
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "30");
  screen.findChild<QWidget*>("BitBtn1")->setFocus();
  bool pausedHeld = false;
  services->clock.onSleep = [&](int step) {
    if (step == 2) {
      services->messages.onShow([&](const test::RecordingMessages::Message&) {
        pausedHeld = Population().lastStep == 2;  // the run waits while the message is open
      });
      QTest::keyClick(&screen, Qt::Key_Pause);
      services->messages.onShow({});
    }
    if (step == 4) QTest::keyClick(&screen, Qt::Key_Escape);
  };
  CLICK_BUTTON(&screen, "BitBtn1");
  QVERIFY(pausedHeld);
  QCOMPARE(services->messages.informations(), QStringList({"Pause utilisateur", "Arret utilisateur"}));
  QCOMPARE(Population().lastStep, 4);
  QCOMPARE(services->clock.sleeps.size(), std::size_t{4});
  QCOMPARE(Text(&screen, "Label2"), QString("t =    4"));
  QVERIFY(screen.isVisible());

  CLICK_BUTTON(&screen, "BitBtn7");
  const QStringList files = QDir().entryList({"*_reseau.txt"});
  QCOMPARE(files.size(), 1);
  QFile file(files.front());
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().count('\n'), 3 + 5);  // rows t = 0 … 4 only
}

void PopulationScreenTest::closingDuringARunStopsAfterTheStep() {
  RunScreen screen;
  services->clock.onSleep = [&](int step) {
    if (step == 3) screen.FinClick();
  };
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(Population().lastStep, 3);
  QVERIFY(!screen.isVisible());
}

void PopulationScreenTest::aFailureInARunShowsTheMessageAndTheScreenStaysUsable() {
  FailingAudio audio;
  platform::SetAudioService(&audio);
  RunScreen screen;
  screen.findChild<platform::RadioGroup*>("RadioGroup2")->setItemIndex(0);
  ClickRow(&screen, "StringGrid2", 6);
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "10");
  CLICK_BUTTON(&screen, "BitBtn1");
  QCOMPARE(services->messages.errors().size(), 1);
  QVERIFY(services->messages.errors().front().contains("sound device lost"));
  QVERIFY(screen.findChild<QWidget*>("RadioGroup1")->isVisible());
  QVERIFY(screen.findChild<QWidget*>("StringGrid1")->isEnabled());
  QVERIFY(Population().lastStep < 10);
  platform::SetAudioService(&services->audio);
  CLICK_BUTTON(&screen, "BitBtn1");  // usable again
  QCOMPARE(Population().lastStep, 10);
}

void PopulationScreenTest::curvePointMessage() {
  struct Case {
    const char* language;
    int unit;
    Qt::MouseButton button;
    const char* expected;  // "" for no message
  };
  const Case cases[] = {
      {"FR", 1, Qt::RightButton, " t = 0 années  N = 100   ( No = 100 )    "},
      {"FR", 1, Qt::LeftButton, ""},
      {"FR", 8, Qt::RightButton, " t = 0 10 millénaires  N = 100   ( No = 100 )    "},
      {"FR", 10, Qt::RightButton, " t = 0 milliards d'années  N = 100   ( No = 100 )    "},
      {"UK", 5, Qt::RightButton, " t = 0 days  N = 100   ( No = 100 )    "},
  };
  for (const Case& c : cases) {
    services->messages.clear();
    platform::SetLanguageCode(c.language);
    test::OnScreen<TForm8> screen;
    ClickRow(&screen, "StringGrid2", c.unit);
    TYPE_INTO_SPIN_BOX(&screen, "SpinEdit3", "30");  // the curve still shows N² = 100
    test::LeaveFocus(screen.findChild<QWidget*>("SpinEdit3"));
    QCOMPARE(Population().side, 30);
    platform::Chart* chart = ChartOf(&screen, "Chart2");
    emit chart->seriesPointClicked(chart->series("Series3"), 0, 0, 100, c.button);
    QCOMPARE(services->messages.informations(), *c.expected ? QStringList{c.expected} : QStringList{});
  }
}

// A real right click on the curve's first point (the corner of the plot) and on points lying on
// the time axis once every nucleus has decayed.
void PopulationScreenTest::rightClickReachesPointsOnTheAxes() {
  writeFile("radliste02.txt", "Po 214 4.2E+03\r\n");
  RunScreen screen;
  ClickRow(&screen, "StringGrid1", 2);
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit2", "10");
  CLICK_BUTTON(&screen, "BitBtn1");  // every nucleus decays at step 1
  struct Case {
    const char* chart;
    double t, n;
    const char* expected;
  };
  const Case cases[] = {
      {"Chart2", 0, 100, " t = 0 années  N = 100   ( No = 100 )    "},
      {"Chart2", 10, 0, " t = 10 années  N = 0   ( No = 100 )    "},
      {"Chart2", 1, 0, " t = 1 années  N = 0   ( No = 100 )    "},
      {"Chart3", 0, 100, " t = 0 années  N = 100   ( No = 100 )    "},
  };
  for (const Case& c : cases) {
    if (c.chart == QString("Chart3")) CLICK_BUTTON(&screen, "RadioGroup1_item1");
    platform::Chart* chart = ChartOf(&screen, c.chart);
    chart->replot();
    const QPoint at(qRound(chart->xAxis->coordToPixel(c.t)), qRound(chart->yAxis->coordToPixel(c.n)));
    services->messages.clear();
    QTest::mouseClick(chart, Qt::RightButton, {}, at);
    QCOMPARE(services->messages.informations(), QStringList{c.expected});
  }
}

void PopulationScreenTest::englishAndGermanTexts() {
  struct Case {
    const char* code;
    const char *title, *duration, *unit, *header, *sound, *latticeHint;
  };
  const char* french =
      "Au départ tous les noyaux rouge sont radioactifs, aprés désintégration, ils sont verts";
  const Case cases[] = {
      {"UK", "Radioactivity : Decays", "Total time", "year", "Atom", "Sound",
       "All red nuclei are radioactive, after decay they are green"},
      {"DE", "Radioactivité : Désintégrations", "Durée totale", "année", "Atome", "son", french},
      {"FR", "Radioactivité : Désintégrations", "Durée totale", "année", "Atome", "Son", french},
  };
  for (const Case& c : cases) {
    platform::SetLanguageCode(c.code);
    TForm8 screen;
    QCOMPARE(Text(&screen, "Label12"), QString(c.title));
    QCOMPARE(Text(&screen, "Label3"), QString(c.duration));
    QCOMPARE(Text(&screen, "Label11"), QString(c.unit));
    QCOMPARE(Text(&screen, "Taille"), QString("Taille du réseau"));
    QCOMPARE(Grid(&screen, "StringGrid1")->cellText(0, 0), QString(c.header));
    QCOMPARE(screen.findChild<platform::RadioGroup*>("RadioGroup2")->title(), QString(c.sound));
    QCOMPARE(Grid(&screen, "StringGrid2")->cellText(6, 0), QString("siècle"));
    QCOMPARE(ChartOf(&screen, "Chart1")->toolTip(), QString(c.latticeHint));
  }
}

QTEST_MAIN(PopulationScreenTest)
#include "population_screen_test.moc"
