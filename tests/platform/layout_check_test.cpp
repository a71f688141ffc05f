// Every screen in every language, as it opens and after a run: its texts fit their controls, keep
// their room, read at 4.5:1, and nothing covers a chart's data. A new screen joins the check with
// one line in kScreens.
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_results_file.h"
#include "experiments/activity/activity_run.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/counter_picture/Unitcrab.h"
#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/intervals/UnitInterval.h"
#include "experiments/intervals/interval_results_file.h"
#include "experiments/intervals/interval_run.h"
#include "experiments/population/UnitReseau.h"
#include "experiments/thickness_series/UnitAbsorption123.h"
#include "kernel/run_host.h"
#include "kernel/text_file.h"
#include "platform/chart.h"
#include "platform/radio_group.h"
#include "platform/screen_base.h"
#include "platform/widgets.h"
#include "support/isolated_suite.h"
#include "support/layout_check.h"

using namespace noyalis;
using test::ScreenUnderCheck;

namespace {

// The class screen after reading a folder the screens' own writers filled: five activity files
// (the last at another distance), two interval files and a note; pooling intervals when asked.
void ReadAClass(QWidget* screen, bool intervals) {
  static activity::ActivityRunData activityRun;
  static intervals::IntervalRunData intervalRun;
  const QDir folder(QDir::current().filePath("classe"));
  QDir().mkpath(folder.path());
  const auto write = [&](const QString& name, const std::vector<std::string>& lines) {
    kernel::WriteTextFile(folder.filePath(name).toStdString(), lines);
  };
  kernel::NullRunHost host;
  for (int s = 0; s < 5; ++s) {
    activity::ClearRun(activityRun);
    activity::DrawCounts(activityRun, s == 4 ? 13.6L : 27.2L, 100, host);
    write(QString("eleve%1.txt").arg(s), activity::ActivityResultsLines(100, activityRun));
  }
  intervals::IntervalCharts charts;
  for (int s = 0; s < 2; ++s) {
    intervals::RunIntervals(intervalRun, {2000, 100, s, intervals::Law::Theoretical}, charts);
    write(QString("intervalles%1.txt").arg(s), intervals::IntervalResultsLines(2000, 100, intervalRun));
  }
  write("notes.txt", {"à rendre lundi"});
  if (intervals) screen->findChild<QAbstractButton*>("RadioGroup1_item1")->click();
  static_cast<TForm10*>(screen)->ReadFiles({folder.path()});
}

// A run as a user makes it: the named buttons clicked in turn.
std::function<void(QWidget*)> Clicking(std::initializer_list<const char*> buttons) {
  return [names = std::vector<const char*>(buttons)](QWidget* screen) {
    for (const char* name : names) {
      auto* button = screen->findChild<QAbstractButton*>(name);
      QVERIFY2(button, name);
      button->click();
    }
  };
}

// The population run without its pause between steps.
void RunPopulation(QWidget* screen) {
  static_cast<TForm8*>(screen)->setRunSeams({[] {}, 0});
  Clicking({"BitBtn1"})(screen);
}

const ScreenUnderCheck kScreens[] = {
    ScreenUnderCheck::of<Tform200>("Tform200"),
    ScreenUnderCheck::of<Tform11>("Tform11", Clicking({"BitBtn1"})),
    ScreenUnderCheck::of<TForm2>("TForm2", Clicking({"BitBtn1"})),
    ScreenUnderCheck::of<TForm4>("TForm4",
                                 Clicking({"Button0", "Button5", "Button10", "Button12", "BitBtn6"})),
    ScreenUnderCheck::of<TForm5>("TForm5", Clicking({"Button0", "Button9", "Button12", "BitBtn5"})),
    ScreenUnderCheck::of<TForm6>("TForm6", Clicking({"Button2", "Button9", "Button11", "BitBtn5"})),
    ScreenUnderCheck::of<TForm7>("TForm7", Clicking({"BitBtn1"})),
    ScreenUnderCheck::of<TForm8>("TForm8", RunPopulation),
    ScreenUnderCheck::of<Tform100>("Tform100", Clicking({"BitBtn1"})),
    ScreenUnderCheck::of<TForm10>("TForm10", [](QWidget* screen) { ReadAClass(screen, false); }),
    ScreenUnderCheck::of<TForm10>("TForm10 pooling intervals",
                                  [](QWidget* screen) { ReadAClass(screen, true); }),
};

// A screen with the faults the check must find, and a few things done right beside them.
class CrowdedScreen : public platform::ScreenBase {
 public:
  CrowdedScreen() : ScreenBase(nullptr, "TformCrowded") {
    platform::MakeLabel(this, "Label1", "Deviazione standard", 411, 53);
    platform::MakeLabel(this, "Label3", "Dev. teorica", 526, 53);
    auto* group = new platform::RadioGroup(this, "RadioGroup2", "Grafico in tempo reale dei conteggi",
                                           {"Tempo reale dei conteggi", "Simulazione"}, 1, 1);
    group->setGeometry(8, 61, 123, 72);
    platform::MakeEdit(this, "Edit6", 547, 503, 60, "Gauss o Poisson ?");
    // A row label touching its box; pure fuchsia and disabled grey beside a legible result box.
    QLabel* row = platform::MakeLabel(this, "Label8", "Standardabweichung", 150, 20);
    platform::MakeEdit(this, "Edit13", row->x() + row->width() + 1, 18, 60, "11.66");
    platform::MakeEdit(this, "Edit25", 400, 18, 60, "4.725")->setStyleSheet("color: fuchsia;");
    platform::MakeEdit(this, "Edit10", 470, 18, 60, "305.192")->setEnabled(false);
    QLineEdit* legible = platform::MakeResultBox(this, "Edit11", 540, 18, 60);
    legible->setText("304.486");
    platform::SetTextColour(legible, platform::kDeviationFuchsia);
    // A chart with an untitled axis, a small title, its legend and a box over its plot, and a
    // note that keeps to its strip.
    auto* chart = new platform::Chart(this, "Chart1", {150, 150, 500, 400});
    chart->setTitleLine(0, "Titre");
    QFont small = chart->legend->font();
    small.setPixelSize(9);
    qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0))->setFont(small);
    chart->xAxis->setLabel("mm");
    platform::Chart::setData(
        chart->addPoints("Series1", "Mesures", QCPScatterStyle::ssDisc, 5, Qt::red, Qt::red),
        std::vector<double>{0, 1}, std::vector<double>{0, 1});
    const QRect strip = chart->reserveNoteStrip(Qt::TopEdge, 20);
    platform::MakeLabel(chart, "Label2", "Pente", strip.x() + 40, strip.y() + 2);
    platform::MakeEdit(chart, "Edit8", 250, 200, 90, "0.504");
  }
};

}  // namespace

class LayoutCheckTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void theCheckFindsEveryKindOfFault();
  void everyScreenFitsInEveryLanguage_data();
  void everyScreenFitsInEveryLanguage();

 private:
  // The population screen opens with its isotope list, as installed.
  void initEach() override { TForm8::setInstalledIsotopeList(NOYALIS_SHIPPED_ISOTOPE_LIST); }
};

void LayoutCheckTest::theCheckFindsEveryKindOfFault() {
  CrowdedScreen screen;
  const QString faults = test::LayoutFaults(&screen).join('\n');
  for (const char* expected :
       {"Label1 (", "Label3 (", "runs into", "RadioGroup2 (", "RadioGroup2_item0", "Edit6", "Label8 (150,20",
        "Edit25: text at 3.1:1", "Edit10: text at 1.6:1", "Chart1's title is 9 px",
        "Chart1's y axis has no title", "Chart1's legend covers its plot",
        "Edit8 (400,350 90×21) covers Chart1's plot"})
    QVERIFY2(faults.contains(expected), qPrintable(QString("%1 not found in:\n%2").arg(expected, faults)));
  for (const char* unexpected : {"RadioGroup2_item1", "Edit11", "x axis has no title", "Label2"})
    QVERIFY2(!faults.contains(unexpected), qPrintable(QString("%1 found in:\n%2").arg(unexpected, faults)));
}

void LayoutCheckTest::everyScreenFitsInEveryLanguage_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(std::size(kScreens)); ++i) QTest::newRow(kScreens[i].name) << i;
}

void LayoutCheckTest::everyScreenFitsInEveryLanguage() {
  QFETCH(int, index);
  const QStringList faults = test::LayoutFaultsInEveryLanguage(kScreens[index]);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(LayoutCheckTest)
#include "layout_check_test.moc"
