// Screen texts as data: one applier for captions, hints, chart titles, series titles and radio
// items, in five languages.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "kernel/error.h"
#include "platform/chart.h"
#include "platform/legend_group.h"
#include "platform/radio_group.h"
#include "platform/screen_base.h"
#include "platform/text_table.h"
#include "platform/widgets.h"

using namespace noyalis;
using platform::TextEntry;
using platform::TextProperty;

namespace {

constexpr TextEntry kFR[] = {
    {"TformTexts", TextProperty::Caption, "Activité"},
    {"Moyenne_", TextProperty::Caption, "Moyenne"},
    {"Button2", TextProperty::Caption, "Histo./Valeurs"},
    {"Edit6", TextProperty::Caption, "Gauss ou Poisson ?"},
    {"RadioGroup2", TextProperty::Caption, "Tracé "},
    {"RadioGroup2", TextProperty::Items, "Temps réel\nSimulation"},
    {"RadioGroup2", TextProperty::Hint, "Temps réel  ou simulation"},
    {"Chart1", TextProperty::ChartTitleLine1, "Diagramme en batons des nombres de désintégrations par unité"},
    {"Chart1", TextProperty::ChartTitleLine2, " de temps de comptage"},
    {"Series1", TextProperty::SeriesTitle, "Mesures"},
    {"Series2", TextProperty::SeriesTitle, "Poisson"},
    {"Chart1", TextProperty::XAxisTitle, "coups par mesure"},
    {"Chart1", TextProperty::YAxisTitle, "nombre de mesures"},
    {"ErrorBars", TextProperty::SeriesTitle, "erreurs"},
};
constexpr TextEntry kUK[] = {
    {"TformTexts", TextProperty::Caption, "Decay rate"},
    {"Moyenne_", TextProperty::Caption, "Average"},
    {"Reste_", TextProperty::Caption, "Remainder"},
    {"Button2", TextProperty::Caption, "Plot/Values"},
    {"Edit6", TextProperty::Caption, "Gauss or Poisson ?"},
    {"RadioGroup2", TextProperty::Caption, "Plot in Real Time"},
    {"RadioGroup2", TextProperty::Items, "yes\nno"},
    {"RadioGroup2", TextProperty::Hint, "print or  don't print Bar Chart"},
    {"Chart1", TextProperty::ChartTitleLine1, "Bar Chart : disintegrations number "},
    {"Chart1", TextProperty::ChartTitleLine2, " vs. counting time"},
    {"Series1", TextProperty::SeriesTitle, "Measurements"},
    {"Chart1", TextProperty::XAxisTitle, "counts per measurement"},
    {"Chart1", TextProperty::YAxisTitle, "number of measurements"},
    {"ErrorBars", TextProperty::SeriesTitle, "errors"},
};
constexpr TextEntry kIT[] = {{"TformTexts", TextProperty::Caption, "Attività"}};
constexpr TextEntry kES[] = {{"TformTexts", TextProperty::Caption, "Actividad"}};
constexpr TextEntry kAL[] = {{"TformTexts", TextProperty::Caption, "Aktivität"},
                             {"RadioGroup2", TextProperty::Items, "ja\nnein"}};
const platform::ScreenTexts kTexts{kFR, kUK, kIT, kES, kAL};

// A screen with one control of each kind the tables name, in its French form.
class TextScreen : public platform::ScreenBase {
 public:
  TextScreen() : ScreenBase(nullptr, "TformTexts") {
    setWindowTitle("Activité");
    Moyenne_ = platform::MakeLabel(this, "Moyenne_", "Moyenne", 164, 53);
    Reste_ = platform::MakeLabel(this, "Reste_", "Reste", 20, 176);
    Button2 = platform::MakeButton(this, "Button2", "Histo./Valeurs", 146, 106, 110, 28);
    Edit6 = platform::MakeEdit(this, "Edit6", 547, 503, 200, "Gauss ou Poisson ?");
    RadioGroup2 = new platform::RadioGroup(this, "RadioGroup2", "Tracé ", {"Temps réel", "Simulation"}, 1, 1);
    Chart1 = new platform::Chart(this, "Chart1", {101, 190, 596, 332});
    Series1 = Chart1->addBars("Series1", "Mesures", QPen(Qt::red), QBrush(Qt::black, Qt::HorPattern));
    Series2 = Chart1->addPoints("Series2", "Poisson", QCPScatterStyle::ssCircle, 6, Qt::blue, Qt::black);
    Chart1->setTitleLine(0, "Diagramme en batons des nombres de désintégrations par unité");
    Chart1->setTitleLine(1, " de temps de comptage");
    ErrorBars = Chart1->groupInLegend("ErrorBars", "erreurs", {Series2});
  }
  QLabel *Moyenne_, *Reste_;
  QPushButton* Button2;
  QLineEdit* Edit6;
  platform::RadioGroup* RadioGroup2;
  platform::Chart* Chart1;
  QCPBars* Series1;
  QCPGraph* Series2;
  platform::LegendGroup* ErrorBars;
};

}  // namespace

class TextTableTest : public QObject {
  Q_OBJECT

 private slots:
  void frenchThenEnglishSetsEveryNamedText();
  void englishThenFrenchRestoresTheFrenchForm();
  void languageCodeChoosesTheTable_data();
  void languageCodeChoosesTheTable();
  void faultsInATableAreRangeErrors_data();
  void faultsInATableAreRangeErrors();
};

void TextTableTest::frenchThenEnglishSetsEveryNamedText() {
  TextScreen screen;
  platform::ApplyTextTable(&screen, kFR);
  QCOMPARE(screen.windowTitle(), QString("Activité"));
  platform::ApplyTextTable(&screen, kUK);
  QCOMPARE(screen.windowTitle(), QString("Decay rate"));
  QCOMPARE(screen.Moyenne_->text(), QString("Average"));
  QCOMPARE(screen.Reste_->text(), QString("Remainder"));
  QCOMPARE(screen.Button2->text(), QString("Plot/Values"));
  QCOMPARE(screen.Edit6->text(), QString("Gauss or Poisson ?"));
  QCOMPARE(screen.RadioGroup2->title(), QString("Plot in Real Time"));
  QCOMPARE(screen.RadioGroup2->items(), QStringList({"yes", "no"}));
  QCOMPARE(screen.RadioGroup2->ItemIndex(), 1);  // the choice survives the new texts
  QCOMPARE(screen.RadioGroup2->toolTip(), QString("print or  don't print Bar Chart"));
  QCOMPARE(screen.Chart1->titleLine(0), QString("Bar Chart : disintegrations number "));
  QCOMPARE(screen.Chart1->titleLine(1), QString(" vs. counting time"));
  QCOMPARE(screen.Series1->name(), QString("Measurements"));
  QCOMPARE(screen.Chart1->xAxis->label(), QString("counts per measurement"));
  QCOMPARE(screen.Chart1->yAxis->label(), QString("number of measurements"));
  QCOMPARE(screen.ErrorBars->title(), QString("errors"));
  // Not named by the English table: keeps its French text.
  QCOMPARE(screen.Series2->name(), QString("Poisson"));
}

void TextTableTest::englishThenFrenchRestoresTheFrenchForm() {
  TextScreen screen;
  platform::ApplyTextTable(&screen, kUK);
  platform::ApplyTextTable(&screen, kFR);
  QCOMPARE(screen.windowTitle(), QString("Activité"));
  QCOMPARE(screen.Moyenne_->text(), QString("Moyenne"));
  QCOMPARE(screen.RadioGroup2->items(), QStringList({"Temps réel", "Simulation"}));
  QCOMPARE(screen.Chart1->titleLine(0),
           QString("Diagramme en batons des nombres de désintégrations par unité"));
  QCOMPARE(screen.Series1->name(), QString("Mesures"));
  // The French table does not name Reste_: it keeps what the English one set, as in the system.
  QCOMPARE(screen.Reste_->text(), QString("Remainder"));
}

void TextTableTest::languageCodeChoosesTheTable_data() {
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("firstItem");
  const char* rows[][4] = {
      {"UK", "UK", "Decay rate", "yes"},
      {"FR", "FR", "Activité", "Temps réel"},
      {"IT", "IT", "Attività", "Temps réel"},
      {"ES", "ES", "Actividad", "Temps réel"},
      {"DE uses the AL table", "DE", "Aktivität", "ja"},
      {"AL is not a code", "AL", "Form", "Temps réel"},
      {"unknown code", "XX", "Form", "Temps réel"},
      {"lower case", "uk", "Form", "Temps réel"},
      {"empty", "", "Form", "Temps réel"},
  };
  for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
}

void TextTableTest::languageCodeChoosesTheTable() {
  QFETCH(QString, code);
  QFETCH(QString, caption);
  QFETCH(QString, firstItem);
  TextScreen screen;
  screen.setWindowTitle("Form");
  platform::ApplyLanguage(&screen, kTexts, code);
  QCOMPARE(screen.windowTitle(), caption);
  QCOMPARE(screen.RadioGroup2->items().at(0), firstItem);
}

void TextTableTest::faultsInATableAreRangeErrors_data() {
  QTest::addColumn<QString>("object");
  QTest::addColumn<int>("property");
  QTest::addColumn<QString>("message");
  using enum TextProperty;
  const QString notFor = "text table of TformTexts: this property does not apply to \"%1\" (%2)";
  QTest::newRow("unknown name") << "Label99" << int(Caption)
                                << "text table of TformTexts: no element named \"Label99\" (caption)";
  QTest::newRow("items of a label") << "Moyenne_" << int(Items) << notFor.arg("Moyenne_", "items");
  QTest::newRow("chart title of a button")
      << "Button2" << int(ChartTitleLine2) << notFor.arg("Button2", "chart title line 2");
  QTest::newRow("series title of a chart")
      << "Chart1" << int(SeriesTitle) << notFor.arg("Chart1", "series title");
  QTest::newRow("caption of a chart") << "Chart1" << int(Caption) << notFor.arg("Chart1", "caption");
  QTest::newRow("axis title of a label")
      << "Moyenne_" << int(YAxisTitle) << notFor.arg("Moyenne_", "y axis title");
  QTest::newRow("hint of a series") << "Series1" << int(Hint) << notFor.arg("Series1", "hint");
  QTest::newRow("wrong number of items")
      << "RadioGroup2" << int(Items) << "radio group RadioGroup2 has 2 items, not 3";
}

void TextTableTest::faultsInATableAreRangeErrors() {
  QFETCH(QString, object);
  QFETCH(int, property);
  QFETCH(QString, message);
  TextScreen screen;
  const QByteArray name = object.toUtf8();
  const TextEntry table[] = {{name.constData(), TextProperty(property), "un\ndeux\ntrois"}};
  try {
    platform::ApplyTextTable(&screen, table);
    QFAIL("the table was applied");
  } catch (const kernel::RangeError& e) {
    QCOMPARE(QString::fromUtf8(e.what()), message);
  }
}

QTEST_MAIN(TextTableTest)
#include "text_table_test.moc"
