// The aluminium, lead and distance screens driven as a user would, offscreen: series at slots,
// deletion, the plots and their refusals, clicks during a series and languages.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <functional>

#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/absorption/slot_table.h"
#include "platform/chart.h"
#include "platform/language.h"
#include "platform/services.h"
#include "scripted_draw.h"
#include "support/isolated_suite.h"
#include "support/screen_readers.h"
#include "support/widget_helpers.h"

using namespace noyalis;
using test::Points;
using test::ScriptedDraw;
using test::Shown;
using test::Text;

namespace {

double FirstKey(QWidget* screen, const QString& series) {
  auto* graph = qobject_cast<QCPGraph*>(screen->findChild<platform::Chart*>("Chart1")->series(series));
  return graph->data()->constBegin()->key;
}

// Where the heights of a series' points, in drawing order, differ from the expected ones by more
// than 1e-9; empty when they match.
QString HeightsOff(QWidget* screen, const QString& series, const QList<double>& expected) {
  auto* graph = qobject_cast<QCPGraph*>(screen->findChild<platform::Chart*>("Chart1")->series(series));
  QList<double> drawn;
  for (auto p = graph->data()->constBegin(); p != graph->data()->constEnd(); ++p) drawn << p->value;
  bool near = drawn.size() == expected.size();
  for (qsizetype i = 0; near && i < drawn.size(); ++i) near = std::abs(drawn[i] - expected[i]) <= 1e-9;
  if (near) return {};
  QStringList text;
  for (double y : drawn) text << QString::number(y, 'g', 15);
  return series + " drew " + text.join(' ');
}

void DoubleClick(QWidget* screen, const char* box) {
  QTest::mouseDClick(screen->findChild<QLineEdit*>(box), Qt::LeftButton);
}

}  // namespace

class AbsorptionScreensTest : public test::IsolatedSuite {
  Q_OBJECT

 private slots:
  void betaOpensWithN0AndInEveryLanguage();
  void betaSeriesFillsDeletesAndMeasuresAgain();
  void betaCurveSeriesAndSmoothing();
  void betaRefusalsAndTheirEffectsOnTheChart_data();
  void betaRefusalsAndTheirEffectsOnTheChart();
  void clicksDuringASeriesAreIgnored();
  void leadDecimalsFitAndRefusal();
  void leadAndBetaTablesAreIndependent();
  void leadAndDistanceLanguages();
  void chartsAndLabelsLeaveEachOtherInSight();
  void distanceRunningDisplayAndFinalBoxes();
  void distancePlotFitAndRefusal();

 private:
  void initEach() override { ScriptedDraw::Reset(); }
};

void AbsorptionScreensTest::betaOpensWithN0AndInEveryLanguage() {
  {
    absorption::AbsorptionTable().store(4, 0.4L, 300, 2);  // a visit before: nothing carries over
    TForm4 screen(nullptr, &ScriptedDraw::Draw);
    screen.show();
    QCOMPARE(screen.objectName(), QString("TForm4"));
    QCOMPARE(screen.windowTitle(), QString("Absorption par l'Aluminium"));
    QCOMPARE(Text(&screen, "Edit0"), QString("N0"));
    for (int k = 1; k <= 25; ++k) QVERIFY(Text(&screen, qPrintable(QString("Edit%1").arg(k))).isEmpty());
    QVERIFY(!absorption::AbsorptionTable().measured(4));
    QVERIFY(Shown(&screen, "Chart1"));
    for (const char* memo : {"Memo1", "Memo2", "Memo4"}) QVERIFY(!Shown(&screen, memo));
    QCOMPARE(Text(&screen, "Memo3").section('\n', 0, 0), QString("DoubleCliquer sur"));
    QCOMPARE(screen.findChild<QWidget*>("Edit7")->toolTip(), QString("Moyenne"));
    QCOMPARE(screen.findChild<QWidget*>("Edit20")->toolTip(), QString("Ecart type"));
    QCOMPARE(screen.findChild<QPushButton*>("BitBtn9")->text(), QString("βγ β"));
    QCOMPARE(screen.findChild<QCPAbstractPlottable*>("Series15")->name(), QString("Lissage"));
  }
  platform::SetLanguageCode("DE");
  {
    TForm4 screen(nullptr, &ScriptedDraw::Draw);
    QCOMPARE(screen.windowTitle(), QString("Absorption durch Aluminium"));
    QCOMPARE(screen.findChild<QPushButton*>("Button1")->text(), QString("0.1 mm"));
    // German leaves the deletion note in its French layout text, and hints two boxes only.
    QCOMPARE(Text(&screen, "Memo3").section('\n', 0, 0), QString("DoubleClicquer sur"));
    QCOMPARE(Text(&screen, "Label5"), QString("Pour chaque épaisseur on a la Moyenne"));
    QCOMPARE(screen.findChild<QWidget*>("Edit0")->toolTip(), QString("Mittelwert"));
    QCOMPARE(screen.findChild<QWidget*>("Edit25")->toolTip(), QString("Standardabweichung"));
    QVERIFY(screen.findChild<QWidget*>("Edit1")->toolTip().isEmpty());
    QCOMPARE(screen.findChild<QWidget*>("BitBtn6")->toolTip(), QString("Trace Béta"));
  }
  platform::SetLanguageCode("IT");
  TForm4 screen(nullptr, &ScriptedDraw::Draw);
  QCOMPARE(Text(&screen, "Memo1").section('\n', 0, 0), QString("La misura "));
  QCOMPARE(screen.findChild<QWidget*>("Edit0")->toolTip(), QString("Moyenne"));
  QVERIFY(screen.findChild<QWidget*>("Edit13")->toolTip().isEmpty());
}

void AbsorptionScreensTest::betaSeriesFillsDeletesAndMeasuresAgain() {
  TForm4 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  // 0.5 mm, 10 s: beta mean 48 drawn first, then gamma 152; counts 48 + 150 and 48 + 154.
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
  ScriptedDraw::blocks = {{48}, {150, 154}};
  CLICK_BUTTON(&screen, "Button5");
  QCOMPARE(ScriptedDraw::meansAsked, (std::vector<std::int32_t>{48, 152}));
  QCOMPARE(Text(&screen, "Edit5"), QString("200.000"));
  QCOMPARE(Text(&screen, "Edit18"), QString("2.000"));
  const absorption::SlotColumn& slot = absorption::AbsorptionTable()[5];
  QCOMPARE(static_cast<double>(slot.position), 0.5);
  QCOMPARE(static_cast<double>(slot.deviation), 2.0);

  // Measured again: equal counts, the deviation floor shown as 0.000.
  CLICK_BUTTON(&screen, "Button5");
  QCOMPARE(Text(&screen, "Edit5"), QString("200.000"));
  QCOMPARE(Text(&screen, "Edit18"), QString("0.000"));
  QCOMPARE(absorption::AbsorptionTable()[5].deviation, 0.00001L);

  // Double-clicks delete: "N0" comes back in the 0 mm box only.
  CLICK_BUTTON(&screen, "Button0");
  QCOMPARE(Text(&screen, "Edit0"), QString("2772.000"));
  DoubleClick(&screen, "Edit0");
  DoubleClick(&screen, "Edit5");
  QCOMPARE(Text(&screen, "Edit0"), QString("N0"));
  QVERIFY(Text(&screen, "Edit13").isEmpty());
  QVERIFY(Text(&screen, "Edit5").isEmpty());
  QVERIFY(Text(&screen, "Edit18").isEmpty());
  QVERIFY(!absorption::AbsorptionTable().measured(0));
  QVERIFY(!absorption::AbsorptionTable().measured(5));
  QCOMPARE(static_cast<double>(absorption::AbsorptionTable()[5].position), 0.5);  // the thickness stays
}

void AbsorptionScreensTest::betaCurveSeriesAndSmoothing() {
  TForm4 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
  // 0, 0.5 and 3 mm with a spread at 0.5 mm: counts 180 and 220 around 200.
  CLICK_BUTTON(&screen, "Button0");
  ScriptedDraw::blocks = {{48}, {132, 172}};
  CLICK_BUTTON(&screen, "Button5");
  CLICK_BUTTON(&screen, "Button12");
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 3);
  // The k-th measured point's bar in the k-th error series: 0.5 mm in the series titled 0.1.
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 3);
  QCOMPARE(Points(&screen, "Chart1", "Series3"), 3);
  QCOMPARE(FirstKey(&screen, "Series3"), 0.5);
  QCOMPARE(Points(&screen, "Chart1", "Series4"), 3);
  QCOMPARE(FirstKey(&screen, "Series4"), 3.0);
  for (int s = 5; s <= 14; ++s) QCOMPARE(Points(&screen, "Chart1", QString("Series%1").arg(s)), 0);
  QCOMPARE(screen.findChild<QCPAbstractPlottable*>("Series3")->name(), QString("erreur 0.1"));
  // The smoothed middle point: a third of the way from the chord towards ln(200 / 2772) falls far
  // above the point, so it is held at the top of its bar.
  auto* smooth = qobject_cast<QCPGraph*>(screen.findChild<platform::Chart*>("Chart1")->series("Series15"));
  QCOMPARE(smooth->dataCount(), 3);
  const double l2 = std::log(200.0 / 2772), l3 = std::log(153.0 / 2772);
  const double chord = l3 * 0.5 / 3;
  const double pulled = chord + (l2 - chord) / 3;
  const double half = 0.00001 / 2772 + 20.0 / 200;
  QVERIFY(pulled > l2 + half);
  QVERIFY(std::abs(smooth->data()->at(1)->value - (l2 + half)) < 1e-12);
  QVERIFY(std::abs(smooth->data()->at(2)->value - l3) < 1e-12);
  // Worked out by hand apart from this code: the 0.5 mm bar is ln(200/2772) ± (0.00001/2772 +
  // 20/200). The vertical axis ends at 0 and reaches a little below the lowest bar end, 3 mm's
  // ln(153/2772) − 0.00001/2772 − 0.00001/153 = −2.896886507884.
  const QString bar = HeightsOff(&screen, "Series3", {-2.729006997369, l2, -2.529006990154});
  QVERIFY2(bar.isEmpty(), qPrintable(bar));
  const QCPRange heights = screen.findChild<platform::Chart*>("Chart1")->yAxis->range();
  QCOMPARE(heights.upper, 0.0);
  QVERIFY2(heights.lower < -2.896886507884 && heights.lower > 1.1 * -2.896886507884,
           qPrintable(QString::number(heights.lower)));
  // With 0.2 mm at 1000 counts, βγ β: beta points ln(D/2619) for D = 2619, 847 and 47 (3 mm,
  // D = 0, left out); the line through the origin has the slope Σxy/Σx² = −7.710239832310.
  ScriptedDraw::blocks = {{500}, {500}};
  CLICK_BUTTON(&screen, "Button2");
  CLICK_BUTTON(&screen, "BitBtn9");
  const QString line = HeightsOff(&screen, "Series17", {0, -1.542047966462, -3.855119916155});
  QVERIFY2(line.isEmpty(), qPrintable(line));
  QVERIFY(services->messages.all().empty());
}

void AbsorptionScreensTest::betaRefusalsAndTheirEffectsOnTheChart_data() {
  QTest::addColumn<QStringList>("deleted");
  QTest::addColumn<bool>("n0BelowBackground");
  QTest::addColumn<QString>("button");
  QTest::addColumn<bool>("memo1");
  QTest::addColumn<bool>("memo2");
  QTest::addColumn<bool>("memo4");
  QTest::addColumn<int>("curvePoints");
  QTest::addColumn<int>("betaPoints");
  // Before each row the chart shows 0, 0.5 and 3 mm: three curve points and two beta points.
  QTest::newRow("βγ without 0 mm: Memo1, the chart kept")
      << QStringList{"Edit0"} << false << "BitBtn5" << true << false << false << 3 << 2;
  QTest::newRow("β without 3 mm: Memo2, the chart cleared")
      << QStringList{"Edit12"} << false << "BitBtn6" << false << true << false << 0 << 0;
  QTest::newRow("βγ β without 0 mm: both, the curve kept without beta points")
      << QStringList{"Edit0"} << false << "BitBtn9" << true << true << false << 3 << 0;
  QTest::newRow("βγ β without 3 mm: the new curve, Memo2")
      << QStringList{"Edit12"} << false << "BitBtn9" << false << true << false << 2 << 0;
  QTest::newRow("β with N0 below the background: its own note, no beta point")
      << QStringList{} << true << "BitBtn6" << false << false << true << 0 << 0;
  QTest::newRow("β twice with the same data: drawn once")
      << QStringList{} << false << "BitBtn6" << false << false << false << 0 << 2;
}

void AbsorptionScreensTest::betaRefusalsAndTheirEffectsOnTheChart() {
  QFETCH(QStringList, deleted);
  QFETCH(bool, n0BelowBackground);
  QFETCH(QString, button);
  TForm4 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  for (const char* slot : {"Button0", "Button5", "Button12"}) CLICK_BUTTON(&screen, slot);
  CLICK_BUTTON(&screen, "BitBtn9");
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 3);
  QCOMPARE(Points(&screen, "Chart1", "Series16"), 2);
  for (const QString& box : deleted) DoubleClick(&screen, qPrintable(box));
  if (n0BelowBackground) {
    ScriptedDraw::blocks = {{1}, {1}};  // counts of 2 at 0 mm, under 153 at 3 mm
    CLICK_BUTTON(&screen, "Button0");
  }
  CLICK_BUTTON(&screen, button);
  if (button == "BitBtn6") CLICK_BUTTON(&screen, button);
  QFETCH(bool, memo1);
  QFETCH(bool, memo2);
  QFETCH(bool, memo4);
  QFETCH(int, curvePoints);
  QFETCH(int, betaPoints);
  QCOMPARE(Shown(&screen, "Memo1"), memo1);
  QCOMPARE(Shown(&screen, "Memo2"), memo2);
  QCOMPARE(Shown(&screen, "Memo4"), memo4);
  QCOMPARE(Points(&screen, "Chart1", "Series1"), curvePoints);
  QCOMPARE(Points(&screen, "Chart1", "Series16"), betaPoints);
  QCOMPARE(Points(&screen, "Chart1", "Series17"), betaPoints);
  QVERIFY(services->messages.all().empty());
}

void AbsorptionScreensTest::clicksDuringASeriesAreIgnored() {
  TForm4 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  CLICK_BUTTON(&screen, "Button3");
  bool acted = false;
  ScriptedDraw::duringDraw = [&] {
    acted = true;
    QVERIFY(screen.isRunning());
    // Another slot, the plot buttons and Page are disabled; a double-click deletes nothing.
    for (const char* name : {"Button7", "Button5", "BitBtn5", "BitBtn6", "BitBtn9", "BitBtn8"}) {
      auto* button = screen.findChild<QPushButton*>(name);
      QVERIFY(!button->isEnabled());
      QTest::mouseClick(button, Qt::LeftButton);
    }
    screen.ButtonClick(7);  // even reached directly, a second series does not start
    screen.Button14TraceClick();
    DoubleClick(&screen, "Edit3");
  };
  CLICK_BUTTON(&screen, "Button5");
  QVERIFY(acted);
  // One series, its two blocks only; slot 3 kept, slot 7 untouched, no plot drawn, no print.
  QCOMPARE(ScriptedDraw::meansAsked, (std::vector<std::int32_t>{238, 152, 48, 152}));
  QCOMPARE(Text(&screen, "Edit3"), QString("390.000"));
  QCOMPARE(Text(&screen, "Edit5"), QString("200.000"));
  QVERIFY(Text(&screen, "Edit7").isEmpty());
  QVERIFY(!absorption::AbsorptionTable().measured(7));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);
  QVERIFY(!Shown(&screen, "Memo1"));
  QCOMPARE(services->printing.dialogsShown(), 0);
  QVERIFY(!screen.isRunning());
  QVERIFY(screen.findChild<QPushButton*>("Button7")->isEnabled());
  QVERIFY(screen.findChild<QPushButton*>("BitBtn8")->isEnabled());
}

void AbsorptionScreensTest::leadDecimalsFitAndRefusal() {
  TForm5 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  QCOMPARE(screen.windowTitle(), QString("Absorption par le Plomb"));
  QVERIFY(Text(&screen, "Edit0").isEmpty());  // no "N0" here
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
  ScriptedDraw::blocks = {{190, 211}};
  CLICK_BUTTON(&screen, "Button0");
  QCOMPARE(ScriptedDraw::meansAsked, std::vector<std::int32_t>{200});
  QCOMPARE(Text(&screen, "Edit0"), QString("200.5"));
  QCOMPARE(Text(&screen, "Edit13"), QString("10.50"));

  // 0 mm alone: Memo1, the chart and the results cleared.
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(Shown(&screen, "Memo1"));
  QVERIFY(Text(&screen, "Edit6").isEmpty());

  // With 10 mm: the line passes through the point, d = 1.
  CLICK_BUTTON(&screen, "Button10");
  QCOMPARE(Text(&screen, "Edit2"), QString("81.0"));
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(!Shown(&screen, "Memo1"));
  QCOMPARE(Text(&screen, "Edit6"), QString::number(std::log(81 / 200.5) / 10, 'f', 5));
  QCOMPARE(Text(&screen, "Edit7"), QString("1.00000"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 2);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 2);
  QCOMPARE(Points(&screen, "Chart1", "Series3"), 3);
  QCOMPARE(Points(&screen, "Chart1", "Series4"), 3);
  QCOMPARE(FirstKey(&screen, "Series4"), 10.0);
  QCOMPARE(Points(&screen, "Chart1", "Series5"), 0);
  // By hand: ln(81/200.5) = −0.906365092074; the bars are 0 ± 2·10.5/200.5 and that height
  // ± (10.5/200.5 + 0.00001/81).
  for (const auto& [series, heights] :
       {std::pair<QString, QList<double>>{"Series3", {-0.104738154613, 0, 0.104738154613}},
        {"Series4", {-0.958734292838, -0.906365092074, -0.853995891311}}}) {
    const QString off = HeightsOff(&screen, series, heights);
    QVERIFY2(off.isEmpty(), qPrintable(off));
  }
  auto* chart = screen.findChild<platform::Chart*>("Chart1");
  QCOMPARE(chart->yAxis->range().lower, -2.5);
  QCOMPARE(chart->yAxis->range().upper, 0.5);
  QCOMPARE(chart->xAxis->label(), QString("mm"));

  // With 20 mm at 33 counts the line's slope is (10·ln(81/200.5) + 20·ln(33/200.5)) / 500 =
  // −0.090299569253 by hand; its heights are 0, 10 and 20 times that.
  CLICK_BUTTON(&screen, "Button12");
  CLICK_BUTTON(&screen, "BitBtn5");
  const QString line = HeightsOff(&screen, "Series2", {0, -0.902995692527, -1.805991385054});
  QVERIFY2(line.isEmpty(), qPrintable(line));
  DoubleClick(&screen, "Edit12");

  // Deleting 0 mm leaves the chart as drawn; the next plot refuses and clears it.
  DoubleClick(&screen, "Edit0");
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 3);
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(Shown(&screen, "Memo1"));
  for (int s = 1; s <= 7; ++s) QCOMPARE(Points(&screen, "Chart1", QString("Series%1").arg(s)), 0);
  QVERIFY(Text(&screen, "Edit6").isEmpty());
  QVERIFY(Text(&screen, "Edit7").isEmpty());

  // Every mean equal to N0: d shows a dash, never NaN.
  ScriptedDraw::blocks = {{81}};
  CLICK_BUTTON(&screen, "Button0");
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Text(&screen, "Edit6"), QString("0.00000"));
  QCOMPARE(Text(&screen, "Edit7"), QString("-"));
  QVERIFY(services->messages.all().empty());
}

void AbsorptionScreensTest::leadAndBetaTablesAreIndependent() {
  TForm4 beta(nullptr, &ScriptedDraw::Draw);
  beta.show();
  CLICK_BUTTON(&beta, "Button2");
  TForm5 lead(nullptr, &ScriptedDraw::Draw);
  lead.show();
  CLICK_BUTTON(&lead, "Button12");
  QVERIFY(absorption::AbsorptionTable().measured(2));
  QVERIFY(!absorption::LeadAbsorptionTable().measured(2));
  QVERIFY(absorption::LeadAbsorptionTable().measured(4));
  QVERIFY(!absorption::AbsorptionTable().measured(4));
  QCOMPARE(static_cast<double>(absorption::LeadAbsorptionTable()[4].mean), 33.0);
}

void AbsorptionScreensTest::leadAndDistanceLanguages() {
  const QString frenchHint = "DoubleCliquer sur la valeur de la moyenne pour supprimer la mesure";
  platform::SetLanguageCode("ES");
  {
    TForm5 lead(nullptr, &ScriptedDraw::Draw);
    QCOMPARE(lead.windowTitle(), QString("Absorcion por el Plomo"));
    QCOMPARE(Text(&lead, "Memo1").section('\n', 0, 0), QString("La medida "));
    QCOMPARE(Text(&lead, "Label14"), QString("Absorption par le Plomb"));
    QCOMPARE(lead.findChild<QWidget*>("Edit2")->toolTip(), frenchHint);
  }
  platform::SetLanguageCode("DE");
  {
    TForm5 lead(nullptr, &ScriptedDraw::Draw);
    QCOMPARE(lead.findChild<QPushButton*>("Button0")->text(), QString("0 mm (3 mm Al)"));
    QCOMPARE(lead.findChild<QWidget*>("Edit1")->toolTip(),
             QString("Doppelklick auf den Mittelwert um die Messung zu löschen"));
    QCOMPARE(lead.findChild<QWidget*>("Edit0")->toolTip(), frenchHint);
    QCOMPARE(lead.findChild<QWidget*>("Button0")->toolTip(),
             QString("Il faut éliminer les rayons béta avec 3mm d'aluminium"));
    TForm6 distance(nullptr, &ScriptedDraw::Draw);
    QCOMPARE(distance.windowTitle(), QString("Einfluss des Abstands"));
    QCOMPARE(Text(&distance, "Memo1"), QString("Es\nwerden \nmindestens\nzwei Punkte\nbenötigt"));
    QCOMPARE(distance.findChild<QPushButton*>("Button10")->text(), QString("8.5 cm"));
    QCOMPARE(Text(&distance, "Label9"), QString("Influence de la distance source-compteur"));
  }
  platform::SetLanguageCode("UK");
  TForm6 distance(nullptr, &ScriptedDraw::Draw);
  QCOMPARE(Text(&distance, "Label5"), QString("For each distance, we have the average"));
  QCOMPARE(distance.findChild<QPushButton*>("Button0")->text(), QString("4,25cm"));
  QCOMPARE(distance.findChild<platform::Chart*>("Chart1")->titleLine(0),
           QString("Number of disintegrations vs. 1/(distance)^2"));
}

// Nothing drawn over a chart hides its data, and neighbouring labels never run into each other.
void AbsorptionScreensTest::chartsAndLabelsLeaveEachOtherInSight() {
  {
    TForm4 beta(nullptr, &ScriptedDraw::Draw);
    beta.show();
    CLICK_BUTTON(&beta, "Button0");
    CLICK_BUTTON(&beta, "BitBtn5");
    auto* chart = beta.findChild<platform::Chart*>("Chart1");
    chart->replot();
    QVERIFY(!chart->axisRect()->outerRect().intersects(chart->legend->outerRect()));
    QVERIFY(chart->legend->visible());
  }
  {
    TForm5 lead(nullptr, &ScriptedDraw::Draw);
    lead.show();
    // The fit's results sit inside the chart: an empty field lets the chart's grid show through.
    for (const char* field : {"Edit6", "Edit7"}) {
      auto* edit = lead.findChild<QLineEdit*>(field);
      const QImage image = edit->grab().toImage();
      QCOMPARE(qAlpha(image.pixel(image.rect().center())), 0);
    }
  }
  constexpr const char* kTopRow[] = {"Nb_de_mesures", "Label1", "Moyenne_", "Total", "EcartType"};
  constexpr int kLeastGap = 6;  // [px] between one label's text and the next label
  for (const char* language : {"FR", "UK", "IT", "ES", "DE"}) {
    platform::SetLanguageCode(language);
    TForm6 distance(nullptr, &ScriptedDraw::Draw);
    for (std::size_t i = 0; i + 1 < std::size(kTopRow); ++i) {
      auto* label = distance.findChild<QLabel*>(kTopRow[i]);
      const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
      const int next = distance.findChild<QLabel*>(kTopRow[i + 1])->x();
      QVERIFY2(next - textEnd >= kLeastGap, qPrintable(QString("%1: %2").arg(language, kTopRow[i])));
    }
  }
}

void AbsorptionScreensTest::distanceRunningDisplayAndFinalBoxes() {
  services->clock.tickOnEachReading(20);  // so that the running display refreshes
  TForm6 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "200");
  std::vector<std::int32_t> counts(200);
  for (int i = 0; i < 200; ++i) counts[static_cast<std::size_t>(i)] = i + 1;  // 1, 2, … 200
  ScriptedDraw::blocks = {counts};
  QStringList totals, means;
  auto* total = screen.findChild<QLineEdit*>("Edit4T");
  auto* mean = screen.findChild<QLineEdit*>("Edit2M");
  connect(total, &QLineEdit::textChanged, this, [&](const QString& t) { totals << t; });
  connect(mean, &QLineEdit::textChanged, this, [&](const QString& t) { means << t; });
  CLICK_BUTTON(&screen, "Button2");
  // The running total after 64 and 128 counts, then the final ones.
  QVERIFY2(totals.contains("2080") && totals.contains("8256"), qPrintable(totals.join(' ')));
  QVERIFY2(means.contains("32.5"), qPrintable(means.join(' ')));
  QCOMPARE(Text(&screen, "Edit4T"), QString("20100"));
  QCOMPARE(Text(&screen, "Edit2M"), QString("100.5"));
  QCOMPARE(Text(&screen, "Edit3E"), QString::number(std::sqrt((200.0 * 200 - 1) / 12), 'f', 3));
  QCOMPARE(Text(&screen, "Edit6"), QString("100.500"));
  QCOMPARE(ScriptedDraw::meansAsked, std::vector<std::int32_t>{560});
}

void AbsorptionScreensTest::distancePlotFitAndRefusal() {
  TForm6 screen(nullptr, &ScriptedDraw::Draw);
  screen.show();
  CLICK_BUTTON(&screen, "Button9");
  CLICK_BUTTON(&screen, "BitBtn5");  // one distance: the message, the empty chart kept
  QVERIFY(Shown(&screen, "Memo1"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 0);

  TYPE_INTO_SPIN_BOX(&screen, "SpinEdit1", "2");
  ScriptedDraw::blocks = {{550, 570}};  // 3 cm: mean 560, deviation 10
  for (const char* d : {"Button2", "Button0", "Button10", "Button11"}) CLICK_BUTTON(&screen, d);
  QCOMPARE(Text(&screen, "Edit0"), QString("279.000"));
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(!Shown(&screen, "Memo1"));
  QCOMPARE(Text(&screen, "Edit8"), QString("0.504"));
  QCOMPARE(Text(&screen, "Edit9"), QString("1.000"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 5);
  QCOMPARE(Points(&screen, "Chart1", "Series2"), 6);  // with the origin
  // By a short independent computation: a = Σ(y/d²) / Σ(1/d⁴) over the means 560, 279, 140, 70,
  // 35 gives the line's heights a/d² from 12 cm to 3 cm; the 3 cm bar is 560 ± 10.
  for (const auto& [series, heights] :
       {std::pair<QString, QList<double>>{
            "Series2",
            {0, 35.000688573094, 69.759157848104, 140.002754292375, 279.036631392414, 560.011017169498}},
        {"Series3", {550, 560, 570}}}) {
    const QString off = HeightsOff(&screen, series, heights);
    QVERIFY2(off.isEmpty(), qPrintable(off));
  }
  auto* chart = screen.findChild<platform::Chart*>("Chart1");
  QCOMPARE(chart->xAxis->range().lower, 0.0);
  QCOMPARE(chart->yAxis->range().lower, 0.0);
  QVERIFY(chart->yAxis->range().upper >= 560);

  // Without 3 cm: four points, the first bar at 4.25 cm.
  DoubleClick(&screen, "Edit6");
  QVERIFY(Text(&screen, "Edit6").isEmpty());
  CLICK_BUTTON(&screen, "BitBtn5");
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 4);
  QCOMPARE(Points(&screen, "Chart1", "Series7"), 0);
  QVERIFY(std::abs(FirstKey(&screen, "Series3") - 1 / (0.0425 * 0.0425)) < 1e-6);

  // Down to one distance: the message, the four-point chart kept.
  for (const char* box : {"Edit0", "Edit1", "Edit2"}) DoubleClick(&screen, box);
  CLICK_BUTTON(&screen, "BitBtn5");
  QVERIFY(Shown(&screen, "Memo1"));
  QCOMPARE(Points(&screen, "Chart1", "Series1"), 4);
}

QTEST_MAIN(AbsorptionScreensTest)
#include "absorption_screens_test.moc"
