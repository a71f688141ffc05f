// What every screen does alike, over one table of screens: the return button closes it, also
// during a run (the run stops, keeps nothing half-done, and then the screen closes); the page
// button prints it and gives it its background back; a save before any run writes the header of
// the results file only; a second save under the same name asks, in the screen's language,
// whether to keep both (the default) or replace the older file; every chart gives its data to
// spreadsheets, copied and as a CSV file. Over a table of every writer: a write that fails part
// way leaves the older file (or link) whole, nothing beside, and says why. A held key acts once;
// Delete in a box edits it.
#include <qcustomplot.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/absorption/slot_table.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_run_data.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/class_results/class_results_file.h"
#include "experiments/counter_picture/Unitcrab.h"
#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/intervals/UnitInterval.h"
#include "experiments/intervals/interval_run_data.h"
#include "experiments/population/UnitReseau.h"
#include "experiments/population/population_state.h"
#include "experiments/thickness_series/UnitAbsorption123.h"
#include "platform/chart.h"
#include "platform/chart_image_export.h"
#include "platform/language.h"
#include "platform/results_file_save.h"
#include "platform/screen_base.h"
#include "platform/widgets.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Text;

namespace {

// The results file a screen saves before any run of the process.
struct FirstFile {
  std::function<void()> forgetRuns;  // puts the process-wide run record back as the process starts
  const char* name;                  // the file name's pattern
  QByteArray bytes;
};

// One row per screen: how to make it, and which of its buttons do what screens do alike.
struct ScreenRow {
  const char* name;
  std::function<std::unique_ptr<platform::ScreenBase>()> make;
  const char* back;                        // the return button
  const char* page = nullptr;              // prints the screen, through the print dialog
  const char* chartPage = nullptr;         // prints a chart on the default printer, without a dialog
  QColor background = platform::kSilver;   // the screen's own, back after a print
  const char* start = nullptr;             // starts a run that the return button stops
  const char* result = nullptr;            // a box a finished run fills and a stopped run leaves empty
  std::function<bool()> stored = nullptr;  // whether the run record holds a finished run
  const char* save = nullptr;              // writes the results file
  FirstFile first = {};
  const char* box = nullptr;  // a number box the user types into
};

template <class Screen>
std::unique_ptr<platform::ScreenBase> Make() {
  return std::make_unique<Screen>();
}

std::unique_ptr<platform::ScreenBase> MakePopulation() {
  TForm8::setInstalledIsotopeList(NOYALIS_SHIPPED_ISOTOPE_LIST);
  return std::make_unique<TForm8>();
}

const ScreenRow kScreens[] = {
    {.name = "Tform200", .make = Make<Tform200>, .back = "BitBtn4"},
    {.name = "Tform11",
     .make = Make<Tform11>,
     .back = "BitBtn2",
     .page = "BitBtn11",
     .start = "BitBtn1",
     .result = "Edit2M",
     .stored = [] { return activity::LastActivityRun().measurements > 0; },
     .save = "BitBtn7",
     .first = {[] { activity::LastActivityRun() = activity::ActivityRunData(); },
               R"(^\d\d_\d\d_\d\d_\d\d_\d\d_intervalles\.txt$)",
               "nb de mesures  ; 100 ; 0\r\n"
               "moyenne calcul\xE9"
               "e :  0.00000000000000E+0000\r\n"
               "kk ; ni[kk] ; histo_desinteg =nbdes0[kk]\r\n"},
     .box = "SpinEdit1"},
    {.name = "TForm2",
     .make = Make<TForm2>,
     .back = "BitBtn2",
     .chartPage = "BitBtn11",
     .start = "BitBtn1",
     .result = "Edit1",
     .stored = [] { return intervals::LastIntervalRun().measurements > 0; },
     .save = "BitBtn4",
     .first = {[] { intervals::LastIntervalRun() = intervals::IntervalRunData(); },
               R"(^\d{8}_\d\d_\d\d_intervalles\.txt$)",
               "nb de mesures  ; 10000\r\n"
               "moyenne en microseconde :  0.00000000000000E+0000\r\n"
               "largeur des classes de l'histogramme en microseconde ; 100\r\n"
               "kk ; DeltaT[kk] ; histo_dt_non_desinteg[2,kk] ; nbtr[2,kk]\r\n"},
     .box = "SpinEdit1"},
    {.name = "TForm4",
     .make = Make<TForm4>,
     .back = "BitBtn2",
     .page = "BitBtn8",
     .start = "Button5",
     .result = "Edit5",
     .stored = [] { return absorption::AbsorptionTable().measured(5); },
     .box = "SpinEdit1"},
    {.name = "TForm5",
     .make = Make<TForm5>,
     .back = "BitBtn2",
     .page = "BitBtn3",
     .start = "Button0",
     .result = "Edit0",
     .stored = [] { return absorption::LeadAbsorptionTable().measured(0); },
     .box = "SpinEdit1"},
    {.name = "TForm6",
     .make = Make<TForm6>,
     .back = "BitBtn2",
     .page = "BitBtn8",
     .start = "Button9",
     .result = "Edit1",
     .stored = [] { return absorption::DistanceTable().measured(2); },
     .box = "SpinEdit1"},
    {.name = "TForm7",
     .make = Make<TForm7>,
     .back = "BitBtn2",
     .start = "BitBtn1",
     .result = "Edit10",
     .box = "SpinEdit1"},
    {.name = "TForm8",
     .make = MakePopulation,
     .back = "BitBtn2",
     .page = "BitBtn3",
     .start = "BitBtn1",
     .save = "BitBtn7",
     .first = {[] { population::Population() = population::PopulationState(); },
               R"(^\d{6}_\d\d_\d\d_\d\d_reseau\.txt$)",
               "ann\xE9"
               "e\r\nCs 137 ;  reste = ; 100\r\n"
               " t         ;      n    ;       delta n \r\n"},
     .box = "SpinEdit3"},
    {.name = "Tform100",
     .make = Make<Tform100>,
     .back = "BitBtn4",
     .page = "BitBtn3",
     .background = platform::kLightGreen,
     .start = "BitBtn1",
     .result = "Label36",
     .box = "SpinEdit1"},
    {.name = "TForm10", .make = Make<TForm10>, .back = "BitBtn2", .page = "BitBtn11"},
};

// One data row per screen of the table that has the button the test needs (every screen without).
void AddScreens(const char* ScreenRow::*button = nullptr) {
  QTest::addColumn<int>("row");
  for (int i = 0; i < int(std::size(kScreens)); ++i)
    if (!button || kScreens[i].*button) QTest::newRow(kScreens[i].name) << i;
}

// The row of kScreens the test runs with.
const ScreenRow& CurrentRow() {
  QFETCH(int, row);
  return kScreens[row];
}

// The screen of the row, built and shown.
std::unique_ptr<platform::ScreenBase> Opened(const ScreenRow& row) {
  std::unique_ptr<platform::ScreenBase> screen = row.make();
  screen->show();
  return screen;
}

// Answers the file dialog of the charts' menu with a set path, while it lives.
class ChosenFile final : public platform::ImageFileChooser {
 public:
  explicit ChosenFile(QString path) : path_(std::move(path)) { platform::SetImageFileChooser(this); }
  ~ChosenFile() override { platform::SetImageFileChooser(nullptr); }
  QString chooseImageFile(QWidget*, const QString&, const QString&, const QStringList&) override {
    return path_;
  }

 private:
  QString path_;
};

// Triggers the entry named action of the chart's right-click menu, opened from the keyboard.
bool TriggerChartMenu(QWidget* chart, const char* action) {
  QContextMenuEvent request(QContextMenuEvent::Keyboard, {}, chart->mapToGlobal(QPoint()));
  QApplication::sendEvent(chart, &request);
  auto* menu = chart->findChild<QMenu*>("ChartImageMenu");
  QAction* entry = menu ? menu->findChild<QAction*>(action) : nullptr;
  if (entry) entry->trigger();
  if (menu) menu->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return entry;
}

// The fields of one CSV line: quoted fields with their quotes doubled.
QStringList CsvFields(const QString& line) {
  QStringList fields(1);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
      fields.back() += line[++i];
    else if (line[i] == u'"')
      quoted = !quoted;
    else if (line[i] == u',' && !quoted)
      fields << QString();
    else
      fields.back() += line[i];
  }
  return fields;
}

using SeriesPoints = std::vector<std::vector<std::pair<double, double>>>;

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves with the save button of the screen of kScreens named name.
void SaveOn(std::string_view name) {
  const ScreenRow& s =
      *std::find_if(std::begin(kScreens), std::end(kScreens), [&](auto& r) { return name == r.name; });
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  CLICK_BUTTON(screen.get(), s.save);
}

// Saves the interval screen's Chart3 as name through its image menu.
void SaveChart(const char* name) {
  const ChosenFile chooser(name);
  const test::OnScreen<TForm2> screen;
  platform::SaveChartImageInteractively(screen.findChild<QCustomPlot*>("Chart3"), 1.0);
}

const std::pair<const char*, std::function<void()>> kWriters[] = {
    {"activity results", [] { SaveOn("Tform11"); }},
    {"interval results", [] { SaveOn("TForm2"); }},
    {"population export", [] { SaveOn("TForm8"); }},
    {"class results",
     [] {
       platform::SaveResultsFile(nullptr, "classe.txt", [](const std::string& path) {
         class_results::SaveClassResults(path, class_results::ClassResults());
       });
     }},
    {"chart PNG", [] { SaveChart("chart.png"); }},
    {"chart SVG", [] { SaveChart("chart.svg"); }},
    {"chart PDF", [] { SaveChart("chart.pdf"); }},
};

// Every name under the working directory, hidden ones too.
QStringList AllNames() {
  const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
  return QDir().entryList(all) + QDir("kept").entryList(all);
}

// Runs save with files limited to 32 bytes, less than any writer writes: the write stops part
// way, as on a full disk.
void WithFilesOf32Bytes(const std::function<void()>& save) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{32, saved.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
  setrlimit(RLIMIT_FSIZE, &small);
  save();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
}

}  // namespace

class SharedBehavioursTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void returnClosesTheScreen_data() { AddScreens(); }
  void returnClosesTheScreen();
  void returnDuringARunStopsItAndCloses_data() { AddScreens(&ScreenRow::start); }
  void returnDuringARunStopsItAndCloses();
  void pagePrintsAndGivesTheBackgroundBack_data() { AddScreens(&ScreenRow::page); }
  void pagePrintsAndGivesTheBackgroundBack();
  void chartPagePrintsOnTheDefaultPrinter_data() { AddScreens(&ScreenRow::chartPage); }
  void chartPagePrintsOnTheDefaultPrinter();
  void saveBeforeAnyRunWritesTheHeaderOnly_data() { AddScreens(&ScreenRow::save); }
  void saveBeforeAnyRunWritesTheHeaderOnly();
  void everyChartGivesItsDataToSpreadsheets_data() { AddScreens(); }
  void everyChartGivesItsDataToSpreadsheets();
  void aSecondSaveUnderTheSameNameAsks_data() { AddScreens(&ScreenRow::save); }
  void aSecondSaveUnderTheSameNameAsks();
  void aFailedWriteKeepsTheOlderFileAndSaysWhy_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("throughALink");
    for (int i = 0; i < int(std::size(kWriters)); ++i) {
      QTest::newRow(kWriters[i].first) << i << false;
      QTest::newRow(qPrintable(QString(kWriters[i].first) + ", through a link")) << i << true;
    }
  }
  void aFailedWriteKeepsTheOlderFileAndSaysWhy();
  void heldKeysActOnce_data() { AddScreens(); }
  void heldKeysActOnce();
  void deleteInABoxEditsItOutsideARun_data() { AddScreens(&ScreenRow::box); }
  void deleteInABoxEditsItOutsideARun();
};

void SharedBehavioursTest::returnClosesTheScreen() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  QVERIFY(screen->isVisible());
  CLICK_BUTTON(screen.get(), s.back);
  QVERIFY(!screen->isVisible());
  QCOMPARE(screen->result(), int(QDialog::Accepted));
}

void SharedBehavioursTest::returnDuringARunStopsItAndCloses() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  if (s.result) {  // a finished run first, to see that nothing of it is left
    CLICK_BUTTON(screen.get(), s.start);
    QVERIFY2(!Text(screen.get(), s.result).isEmpty(), s.result);
    QVERIFY(!s.stored || s.stored());
  }
  // The return button, clicked at the first pass of the event loop inside the run.
  bool openAtClick = false;
  QTimer closer;
  closer.setInterval(0);
  connect(&closer, &QTimer::timeout, screen.get(), [&] {
    if (!screen->isRunning()) return;
    closer.stop();
    QTest::mouseClick(screen->findChild<QAbstractButton*>(s.back), Qt::LeftButton);
    openAtClick = screen->isVisible();
  });
  closer.start();
  CLICK_BUTTON(screen.get(), s.start);
  QVERIFY(!closer.isActive());  // the run let the click in
  QVERIFY(openAtClick);         // the run ends first
  QVERIFY(!screen->isVisible());
  QVERIFY(!screen->isRunning());
  QCOMPARE(screen->result(), int(QDialog::Accepted));
  if (s.result) QVERIFY2(Text(screen.get(), s.result).isEmpty(), s.result);
  QVERIFY(!s.stored || !s.stored());
  QVERIFY(services->messages.all().empty());
  QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void SharedBehavioursTest::pagePrintsAndGivesTheBackgroundBack() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  services->printing.setCancel(true);
  CLICK_BUTTON(screen.get(), s.page);
  QCOMPARE(screen->palette().color(QPalette::Window), s.background);
  services->printing.setCancel(false);
  services->printing.setDialogOutput("page.pdf");
  CLICK_BUTTON(screen.get(), s.page);
  QCOMPARE(services->printing.dialogsShown(), 2);
  QVERIFY(Bytes("page.pdf").startsWith("%PDF-"));
  QCOMPARE(screen->palette().color(QPalette::Window), s.background);
  QVERIFY(services->messages.all().empty());
}

void SharedBehavioursTest::chartPagePrintsOnTheDefaultPrinter() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  services->printing.setDefaultOutput("chart.pdf");
  CLICK_BUTTON(screen.get(), s.chartPage);
  QCOMPARE(services->printing.dialogsShown(), 0);
  QCOMPARE(services->printing.defaultJobs(), 1);
  QVERIFY(Bytes("chart.pdf").startsWith("%PDF-"));
  // Without a printer: the message, and the screen stays usable.
  services->printing.setDefaultOutput({});
  CLICK_BUTTON(screen.get(), s.chartPage);
  QCOMPARE(services->messages.errors(), QStringList{QString::fromUtf8("Aucune imprimante installée")});
  QVERIFY(screen->isVisible());
}

// Before any run of the process, whatever ran in it before.
void SharedBehavioursTest::saveBeforeAnyRunWritesTheHeaderOnly() {
  const ScreenRow& s = CurrentRow();
  s.first.forgetRuns();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  CLICK_BUTTON(screen.get(), s.save);
  QVERIFY(services->messages.all().empty());
  const QStringList files = QDir().entryList(QDir::Files);
  QCOMPARE(files.size(), 1);
  QVERIFY2(QRegularExpression(s.first.name).match(files.front()).hasMatch(), qPrintable(files.front()));
  QCOMPARE(Bytes(files.front()), s.first.bytes);
}

// The test clock stands still, so that every save falls in the same minute (and second).
void SharedBehavioursTest::aSecondSaveUnderTheSameNameAsks() {
  const ScreenRow& s = CurrentRow();
  platform::SetLanguageCode("DE");
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  CLICK_BUTTON(screen.get(), s.save);
  const QString first = QDir().entryList(QDir::Files).front();
  const QString second = QString(first).replace(".txt", "(2).txt");
  const QByteArray saved = Bytes(first);
  QFile(first).resize(3);              // what the second save must not lose
  CLICK_BUTTON(screen.get(), s.save);  // Enter: keep both
  QCOMPARE(services->messages.all().back().answers, QStringList({"Beide behalten", "Ersetzen"}));
  QVERIFY2(services->messages.questions().front().contains(second),
           qPrintable(services->messages.questions()[0]));
  QCOMPARE(Bytes(first), saved.left(3));
  QCOMPARE(Bytes(second), saved);
  services->messages.answerQuestionsWith(1);  // replace
  CLICK_BUTTON(screen.get(), s.save);
  QCOMPARE(services->messages.questions().size(), 2);
  QCOMPARE(QDir().entryList(QDir::Files).size(), 2);
  QCOMPARE(Bytes(first), saved);
}

void SharedBehavioursTest::aFailedWriteKeepsTheOlderFileAndSaysWhy() {
  QFETCH(int, row);
  QFETCH(bool, throughALink);
  const auto& save = kWriters[row].second;
  save();  // the older file
  const QString file = QDir().entryList(QDir::Files).front();
  const QString older = throughALink ? "kept/older" : file;
  QVERIFY(QDir().mkpath("kept"));
  if (throughALink) QVERIFY(QFile::rename(file, older) && QFile::link(older, file));
  QVERIFY(QFile(older).resize(5));  // an older file unlike any new one
  const QByteArray olderBytes = Bytes(older);
  const QStringList names = AllNames();
  services->messages.answerQuestionsWith(1);  // replace it

  WithFilesOf32Bytes(save);
  QCOMPARE(Bytes(older), olderBytes);
  QCOMPARE(AllNames(), names);
  QCOMPARE(QFileInfo(file).isSymLink(), throughALink);
  QCOMPARE(services->messages.errors().size(), 1);
  const QString error = services->messages.errors().front();
  QVERIFY2(error.contains(file) && error.endsWith(std::strerror(EFBIG)), qPrintable(error));

  services->messages.clear();
  save();
  QVERIFY(services->messages.errors().isEmpty());
  QCOMPARE(AllNames(), names);
  QCOMPARE(QFileInfo(file).isSymLink(), throughALink);
  QVERIFY(Bytes(older).size() > 32);
}

// After a run where the screen has one: every point of every series drawn, copied with the user's
// decimal separator at its x, and the same table in the CSV file with points.
void SharedBehavioursTest::everyChartGivesItsDataToSpreadsheets() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  if (s.result) CLICK_BUTTON(screen.get(), s.start);
  const QList<platform::Chart*> charts = screen->findChildren<platform::Chart*>();
  if (charts.isEmpty()) QSKIP("no chart on this screen");
  QLocale::setDefault(QLocale(QLocale::French));
  const ChosenFile csv(QDir::current().filePath("data.csv"));
  for (platform::Chart* chart : charts) {
    QStringList titles;
    SeriesPoints drawn;
    for (int i = 0; i < chart->plottableCount(); ++i) {
      QCPAbstractPlottable* series = chart->plottable(i);
      QCPPlottableInterface1D* points = series->interface1D();
      if (!series->visible() || points->dataCount() == 0) continue;
      titles << (series->name().isEmpty() ? series->objectName() : series->name());
      drawn.emplace_back();
      for (int k = 0; k < points->dataCount(); ++k)
        drawn.back().emplace_back(points->dataMainKey(k), points->dataMainValue(k));
    }
    QVERIFY(TriggerChartMenu(chart, "CopyChartData"));
    const QStringList copied = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.front().split(u'\t').mid(1), titles);
    SeriesPoints read(drawn.size());
    for (const QString& line : copied.mid(1)) {
      const QStringList cells = line.split(u'\t');
      QCOMPARE(cells.size(), titles.size() + 1);
      QVERIFY2(!line.contains(u'.'), qPrintable(line));
      for (qsizetype c = 1; c < cells.size(); ++c)
        if (!cells[c].isEmpty())
          read[c - 1].emplace_back(QString(cells[0]).replace(u',', u'.').toDouble(),
                                   QString(cells[c]).replace(u',', u'.').toDouble());
    }
    QVERIFY2(read == drawn, qPrintable(chart->objectName()));

    QVERIFY(TriggerChartMenu(chart, "SaveChartData"));
    QTRY_VERIFY(QFile::exists("data.csv"));
    QFile file("data.csv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3).chopped(2)).split("\r\n");
    QCOMPARE(lines.size(), copied.size());
    QCOMPARE(CsvFields(lines.front()), copied.front().split(u'\t'));
    for (qsizetype r = 1; r < lines.size(); ++r)
      QCOMPARE(CsvFields(lines[r]), QString(copied[r]).replace(u',', u'.').split(u'\t'));
    QVERIFY(file.remove());
  }
}

// Held down, the pause and stop keys act once (one message at most), and Space clicks its button once.
void SharedBehavioursTest::heldKeysActOnce() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  REQUIRE_CHILD(button, QAbstractButton, screen.get(), s.start ? s.start : s.back);
  int clicks = 0;
  connect(button, &QAbstractButton::clicked, screen.get(), [&] { ++clicks; });
  button->setFocus();
  // Space before Escape: Escape closes the dice screen.
  for (const Qt::Key key : {Qt::Key_Pause, Qt::Key_Delete, Qt::Key_Space, Qt::Key_Escape}) {
    services->messages.clear();
    test::HoldKey(button, key);
    QVERIFY2(services->messages.all().size() <= 1,
             qPrintable(QString("key %1: %2").arg(key, 0, 16).arg(services->messages.all().size())));
  }
  QCOMPARE(clicks, 1);
}

// Outside a run, Delete in a number box edits the box: no stop, no message.
void SharedBehavioursTest::deleteInABoxEditsItOutsideARun() {
  const ScreenRow& s = CurrentRow();
  const std::unique_ptr<platform::ScreenBase> screen = Opened(s);
  REQUIRE_CHILD(box, QAbstractSpinBox, screen.get(), s.box);
  auto* edit = box->findChild<QLineEdit*>();
  box->setFocus();
  edit->setCursorPosition(0);
  const QString before = edit->text();
  QTest::keyClick(box, Qt::Key_Delete);
  QCOMPARE(edit->text(), before.mid(1));
  QVERIFY(services->messages.all().empty());
  QVERIFY(screen->isVisible());
}

QTEST_MAIN(SharedBehavioursTest)
#include "shared_behaviours_test.moc"
