// Charts: series by system name, data in one call, axes fitted or fixed, logarithmic axes, and
// clicks on points.
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <limits>
#include <vector>

#include "kernel/error.h"
#include "platform/chart.h"
#include "platform/legend_group.h"

using namespace noyalis;
using platform::Chart;

namespace {

std::vector<double> Ramp(int n, double from = 0) {
  std::vector<double> v(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = from + i;
  return v;
}

QPoint PixelOf(const QCPAbstractPlottable* series, double x, double y) {
  return QPoint(qRound(series->keyAxis()->coordToPixel(x)), qRound(series->valueAxis()->coordToPixel(y)));
}

}  // namespace

class ChartTest : public QObject {
  Q_OBJECT

 private slots:
  void aWhiteChartWithATwoLineTitleAndALegend();
  void seriesCarryTheirNamesAndStyles();
  void setDataReplacesTheDataInOneCall_data();
  void setDataReplacesTheDataInOneCall();
  void unsortedDataAndSinglePointsStayInXOrder();
  void badDataIsRefused();
  void redrawFitsAutomaticAxesAndKeepsFixedOnes();
  void logarithmicAxisSwitchesBackAndForth();
  void clickOnAPointGivesItsIndexValuesAndButton_data();
  void clickOnAPointGivesItsIndexValuesAndButton();
  void wholeNumberTicksForWholeQuantities_data();
  void wholeNumberTicksForWholeQuantities();
  void theLegendListsWhatIsDrawn();
  void notesHaveStripsOutsideThePlot();
};

void ChartTest::aWhiteChartWithATwoLineTitleAndALegend() {
  QWidget screen;
  screen.resize(800, 600);
  Chart chart(&screen, "Chart1", {101, 190, 596, 332});
  QCOMPARE(chart.objectName(), QString("Chart1"));
  QCOMPARE(chart.geometry(), QRect(101, 190, 596, 332));
  chart.setTitleLine(0, "Diagramme en batons des nombres de désintégrations par unité");
  chart.setTitleLine(1, " de temps de comptage");
  QCOMPARE(chart.titleLine(1), QString(" de temps de comptage"));
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, chart.setTitleLine(2, "x"));
  QVERIFY(chart.legend->visible());
  chart.setLegendVisible(false);
  QVERIFY(!chart.legend->visible());

  // The title is a text row above the axis rectangle, black bold 13 px, one line per title line.
  QCOMPARE(chart.plotLayout()->rowCount(), 2);
  auto* title = qobject_cast<QCPTextElement*>(chart.plotLayout()->element(0, 0));
  QVERIFY(title);
  QCOMPARE(title->text(),
           QString("Diagramme en batons des nombres de désintégrations par unité\n de temps de comptage"));
  QCOMPARE(title->font().pixelSize(), 13);
  QVERIFY(title->font().bold());
  QCOMPARE(title->textColor(), QColor(Qt::black));
  QVERIFY(qobject_cast<QCPAxisRect*>(chart.plotLayout()->element(1, 0)));
  // Read from the back of the room: ticks, axis titles and legend at 12 px.
  for (const QFont& font : {chart.xAxis->tickLabelFont(), chart.yAxis->labelFont(), chart.legend->font()})
    QCOMPARE(font.pixelSize(), platform::kChartTextPixelSize);
  chart.setAxisTitles("épaisseur (mm)", "ln(N/N0)");
  QCOMPARE(chart.yAxis->label(), QString("ln(N/N0)"));
  chart.setTitleLine(1, "");
  QCOMPARE(title->text(), QString("Diagramme en batons des nombres de désintégrations par unité"));
  chart.setTitleLine(0, "");
  chart.setTitleLine(1, "seule");
  QCOMPARE(title->text(), QString("\nseule"));

  screen.show();
  chart.redraw();
  const QImage image = chart.grab().toImage();
  QCOMPARE(QColor(image.pixel(2, image.height() - 3)), QColor(Qt::white));
}

void ChartTest::seriesCarryTheirNamesAndStyles() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPBars* bars = chart.addBars("Series1", "Mesures", QPen(Qt::red), QBrush(QColor(1, 0, 0), Qt::HorPattern));
  QCPGraph* gauss =
      chart.addPoints("Series3", "Gauss", QCPScatterStyle::ssDiamond, 9, Qt::blue, QColor(1, 0, 0));
  QCPGraph* line = chart.addLine("Series4", "Exponentielle", Qt::darkGreen, 2);

  QCOMPARE(chart.series("Series1"), bars);
  QCOMPARE(chart.series("Series3"), gauss);
  QCOMPARE(chart.series("Series4"), line);
  QCOMPARE(chart.series("Series2"), nullptr);
  QCOMPARE(chart.findChild<QCPGraph*>("Series3"), gauss);  // found by the text tables too

  QCOMPARE(bars->name(), QString("Mesures"));
  QCOMPARE(bars->width(), 1.0);
  QCOMPARE(bars->widthType(), QCPBars::wtPlotCoords);
  QCOMPARE(bars->barBelow(), nullptr);  // not stacked
  QCOMPARE(bars->pen().color(), QColor(Qt::red));
  QCOMPARE(bars->brush().style(), Qt::HorPattern);

  QCOMPARE(gauss->lineStyle(), QCPGraph::lsNone);
  QCOMPARE(gauss->scatterStyle().shape(), QCPScatterStyle::ssDiamond);
  QCOMPARE(gauss->scatterStyle().size(), 9.0);
  QCOMPARE(gauss->scatterStyle().pen().color(), QColor(Qt::blue));
  QCOMPARE(gauss->scatterStyle().brush().color(), QColor(1, 0, 0));

  QCOMPARE(line->lineStyle(), QCPGraph::lsLine);
  QCOMPARE(line->pen().color(), QColor(Qt::darkGreen));
  QCOMPARE(line->pen().widthF(), 2.0);
  QCOMPARE(chart.legend->itemCount(), 3);
}

void ChartTest::setDataReplacesTheDataInOneCall_data() {
  QTest::addColumn<bool>("asBars");
  QTest::addColumn<int>("points");
  QTest::newRow("100 000 points") << false << 100000;
  QTest::newRow("65 500 bars") << true << 65500;
  QTest::newRow("no data") << false << 0;
}

void ChartTest::setDataReplacesTheDataInOneCall() {
  QFETCH(bool, asBars);
  QFETCH(int, points);
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPAbstractPlottable* series =
      asBars ? static_cast<QCPAbstractPlottable*>(chart.addBars("Series1", "", {}, {}))
             : chart.addPoints("Series1", "", QCPScatterStyle::ssCircle, 3, Qt::blue, Qt::black);
  const std::vector<double> x = Ramp(points, 1);
  std::vector<double> y(x.size());
  for (std::size_t i = 0; i < y.size(); ++i) y[i] = std::sqrt(x[i]);
  Chart::setData(series, Ramp(3), Ramp(3));
  Chart::setData(series, x, y);
  QCOMPARE(Chart::pointCount(series), points);
  if (points > 0) {
    QCPPlottableInterface1D* data = series->interface1D();
    QCOMPARE(data->dataMainKey(points - 1), double(points));
    QCOMPARE(data->dataMainValue(points - 1), std::sqrt(double(points)));
  }
  Chart::clear(series);
  QCOMPARE(Chart::pointCount(series), 0);
}

void ChartTest::unsortedDataAndSinglePointsStayInXOrder() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPGraph* graph = chart.addPoints("Series2", "", QCPScatterStyle::ssCircle, 3, Qt::blue, Qt::black);
  const std::vector<double> x{3, 1, 2}, y{30, 10, 20};
  Chart::setData(graph, x, y);
  for (int i = 0; i < 3; ++i) {
    QCOMPARE(graph->data()->at(i)->key, double(i + 1));
    QCOMPARE(graph->data()->at(i)->value, 10.0 * (i + 1));
  }
  Chart::addPoint(graph, 1.5, 15);
  Chart::addPoint(graph, 9, 90);
  QCOMPARE(Chart::pointCount(graph), 5);
  QCOMPARE(graph->data()->at(1)->key, 1.5);
  QCOMPARE(graph->data()->at(4)->value, 90.0);
}

void ChartTest::badDataIsRefused() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPBars* bars = chart.addBars("Series1", "", {}, {});
  const std::vector<double> two{1, 2}, three{1, 2, 3};
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, Chart::setData(bars, two, three));
  const std::vector<double> withNaN{1, std::numeric_limits<double>::quiet_NaN(), 3};
  QVERIFY_THROWS_EXCEPTION(kernel::FloatError, Chart::setData(bars, three, withNaN));
  QVERIFY_THROWS_EXCEPTION(kernel::FloatError,
                           Chart::addPoint(bars, std::numeric_limits<double>::infinity(), 1));
  QCOMPARE(Chart::pointCount(bars), 0);  // nothing half-written
}

void ChartTest::redrawFitsAutomaticAxesAndKeepsFixedOnes() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPBars* bars = chart.addBars("Series1", "", {}, {});
  QCPGraph* points = chart.addPoints("Series2", "", QCPScatterStyle::ssCircle, 3, Qt::blue, Qt::black);
  Chart::setData(bars, std::vector<double>{20, 21, 22, 23}, std::vector<double>{4, 10, 7, 1});
  Chart::setData(points, std::vector<double>{19, 24}, std::vector<double>{0.5, 12});
  chart.redraw();
  // Bars are one unit wide: 19.5 … 23.5 must be inside, and the points at 19 and 24 too.
  QVERIFY(chart.xAxis->range().lower < 19 && chart.xAxis->range().upper > 24);
  QVERIFY(chart.xAxis->range().lower > 17 && chart.xAxis->range().upper < 26);
  // Counts start at 0 on the axis; the highest point is inside.
  QCOMPARE(chart.yAxis->range().lower, 0.0);
  QVERIFY(chart.yAxis->range().upper > 12 && chart.yAxis->range().upper < 14);

  Chart::setData(points, std::vector<double>{19, 24}, std::vector<double>{-3, 12});
  chart.redraw();
  QVERIFY(chart.yAxis->range().lower < -3);

  chart.setFixedRange(chart.yAxis, 0, 100);
  chart.redraw();
  QCOMPARE(chart.yAxis->range(), QCPRange(0, 100));
  QVERIFY(chart.xAxis->range().upper > 24);  // x still automatic

  chart.setAutoAxes(true, true);
  chart.redraw();
  QVERIFY(chart.yAxis->range().upper < 14);
}

void ChartTest::logarithmicAxisSwitchesBackAndForth() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPGraph* points = chart.addPoints("Series1", "", QCPScatterStyle::ssCircle, 3, Qt::blue, Qt::black);
  Chart::setData(points, std::vector<double>{1, 2, 3, 4}, std::vector<double>{0, 10, 1000, 100000});
  chart.setLogarithmic(chart.yAxis, true);
  QCOMPARE(chart.yAxis->scaleType(), QCPAxis::stLogarithmic);
  QVERIFY(qSharedPointerDynamicCast<QCPAxisTickerLog>(chart.yAxis->ticker()));
  chart.redraw();
  // A zero has no place on a logarithmic axis; the positive values are all inside.
  QVERIFY(chart.yAxis->range().lower > 0 && chart.yAxis->range().lower < 10);
  QVERIFY(chart.yAxis->range().upper > 100000);

  chart.setMinorTicks(chart.yAxis, false);
  QVERIFY(!chart.yAxis->subTicks());
  chart.setMinorTicks(chart.yAxis, true);
  QVERIFY(chart.yAxis->subTicks());

  chart.setLogarithmic(chart.yAxis, false);
  QCOMPARE(chart.yAxis->scaleType(), QCPAxis::stLinear);
  QVERIFY(!qSharedPointerDynamicCast<QCPAxisTickerLog>(chart.yAxis->ticker()));
  chart.redraw();
  QCOMPARE(chart.yAxis->range().lower, 0.0);
}

void ChartTest::clickOnAPointGivesItsIndexValuesAndButton_data() {
  QTest::addColumn<bool>("onBars");
  QTest::addColumn<int>("button");
  QTest::newRow("point, left button") << false << int(Qt::LeftButton);
  QTest::newRow("point, right button") << false << int(Qt::RightButton);
  QTest::newRow("bar, left button") << true << int(Qt::LeftButton);
}

void ChartTest::clickOnAPointGivesItsIndexValuesAndButton() {
  QFETCH(bool, onBars);
  QFETCH(int, button);
  QWidget screen;
  screen.resize(800, 600);
  auto* chart = new Chart(&screen, "Chart1", {101, 190, 596, 332});
  QCPBars* bars = chart->addBars("Series1", "Mesures", QPen(Qt::red), QBrush(Qt::red));
  QCPGraph* points =
      chart->addPoints("Series2", "Poisson", QCPScatterStyle::ssCircle, 6, Qt::blue, Qt::black);
  Chart::setData(bars, std::vector<double>{1, 2, 3}, std::vector<double>{2, 5, 3});
  Chart::setData(points, std::vector<double>{4, 5, 6}, std::vector<double>{1, 4, 9});
  screen.show();
  QVERIFY(QTest::qWaitForWindowExposed(&screen));
  chart->redraw();

  QSignalSpy clicked(chart, &Chart::seriesPointClicked);
  QCPAbstractPlottable* target = onBars ? static_cast<QCPAbstractPlottable*>(bars) : points;
  const double x = onBars ? 2 : 5, y = onBars ? 2.5 : 4;  // inside the middle bar, on the middle point
  QTest::mouseClick(chart, Qt::MouseButton(button), {}, PixelOf(target, x, y));
  QCOMPARE(clicked.count(), 1);
  const QList<QVariant> args = clicked.takeFirst();
  QCOMPARE(args.at(0).value<QCPAbstractPlottable*>(), target);
  QCOMPARE(args.at(1).toInt(), 1);
  QCOMPARE(args.at(2).toDouble(), x);
  QCOMPARE(args.at(3).toDouble(), onBars ? 5.0 : 4.0);
  QCOMPARE(args.at(4).value<Qt::MouseButton>(), Qt::MouseButton(button));

  // Far from every point: no signal.
  QTest::mouseClick(chart, Qt::LeftButton, {}, PixelOf(points, 4, 8));
  QCOMPARE(clicked.count(), 0);
}

void ChartTest::wholeNumberTicksForWholeQuantities_data() {
  QTest::addColumn<double>("upper");
  QTest::addColumn<double>("step");
  QTest::newRow("13 throws: 2.5 would be the step") << 13.0 << 2.0;
  QTest::newRow("3 counts: 0.5 would be the step") << 3.0 << 1.0;
  QTest::newRow("40 frequencies") << 40.0 << 10.0;
  QTest::newRow("a million dice") << 1e6 << 200000.0;
}

void ChartTest::wholeNumberTicksForWholeQuantities() {
  QFETCH(double, upper);
  QFETCH(double, step);
  Chart chart(nullptr, "Chart1", {0, 0, 394, 340});
  Chart::setWholeNumberTicks(chart.xAxis);
  chart.setFixedRange(chart.xAxis, 0, upper);
  chart.replot();
  const QVector<double> ticks = chart.xAxis->tickVector();
  QVERIFY(ticks.size() >= 3);
  QCOMPARE(ticks[1] - ticks[0], step);
  for (double tick : ticks) QCOMPARE(tick, std::floor(tick));
  QVector<double> major, minor;
  chart.xAxis->ticker()->generate(chart.xAxis->range(), QLocale::c(), 'g', 6, major, &minor, nullptr);
  for (double tick : minor) QCOMPARE(tick, std::floor(tick));
}

void ChartTest::theLegendListsWhatIsDrawn() {
  Chart chart(nullptr, "Chart1", {0, 0, 596, 332});
  QCPGraph* points = chart.addPoints("Series1", "Mesures", QCPScatterStyle::ssCircle, 6, Qt::red, Qt::red);
  QCPGraph* bar1 = chart.addLine("Series2", "erreur 0", Qt::blue, 3);
  QCPGraph* bar2 = chart.addLine("Series3", "erreur 0.1", Qt::blue, 3);
  QCPGraph* line = chart.addLine("Series4", "Lissage", Qt::darkGreen, 1);
  platform::LegendGroup* bars = chart.groupInLegend("ErrorBars", "erreurs", {bar1, bar2});
  chart.replot();
  QVERIFY(!chart.legend->visible());  // nothing drawn, nothing listed
  Chart::setData(points, Ramp(2), Ramp(2));
  Chart::setData(bar2, std::vector<double>{1, 1}, std::vector<double>{0, 2});
  chart.replot();
  // The points, then one entry for both bars (only the second has points); no line.
  QVERIFY(chart.legend->visible());
  QCOMPARE(chart.legend->itemCount(), 2);
  QCOMPARE(chart.legend->itemWithPlottable(points), chart.legend->item(0));
  QCOMPARE(chart.legend->item(1), bars);
  QVERIFY(!chart.legend->itemWithPlottable(line));
  Chart::setData(line, Ramp(2), Ramp(2));
  line->setVisible(false);
  Chart::clear(points);
  chart.replot();
  QCOMPARE(chart.legend->itemCount(), 1);
  QCOMPARE(chart.legend->item(0), bars);
  chart.setLegendVisible(false);
  chart.replot();
  QVERIFY(!chart.legend->visible());
}

void ChartTest::notesHaveStripsOutsideThePlot() {
  Chart chart(nullptr, "Chart1", {0, 0, 394, 340});
  chart.setTitleLine(0, "Nb de dés restants après le n ième tirage");
  chart.xAxis->setLabel("numéro du tirage");
  const QRect top = chart.reserveNoteStrip(Qt::TopEdge, 34);
  const QRect bottom = chart.reserveNoteStrip(Qt::BottomEdge, 16);
  QVERIFY_THROWS_EXCEPTION(kernel::RangeError, chart.reserveNoteStrip(Qt::LeftEdge, 10));
  chart.replot();
  const QRect plot = chart.axisRect()->rect(), title = chart.plotLayout()->element(0, 0)->outerRect();
  QCOMPARE(top.height(), 34);
  QVERIFY(top.top() > title.top() && top.bottom() < plot.top());
  QCOMPARE(bottom.height(), 16);
  QVERIFY(bottom.top() > chart.axisRect()->outerRect().bottom() && bottom.bottom() < chart.height());
  QCOMPARE(top, chart.plotLayout()->element(1, 0)->outerRect());  // the strips stay where they were given
}

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
