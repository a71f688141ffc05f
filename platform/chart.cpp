#include "platform/chart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "kernel/error.h"
#include "platform/chart_image_export.h"
#include "platform/legend_group.h"

namespace noyalis::platform {

namespace {

constexpr int kTitlePixelSize = 13;                  // [px]
constexpr double kAxisMargin = 0.05;                 // share of the data span left free at each end
constexpr int kLongestWholeStepWithMinorTicks = 10;  // minor ticks on every whole number up to this step

template <class Data>
QVector<Data> Pairs(std::span<const double> x, std::span<const double> y) {
  QVector<Data> data;
  data.reserve(static_cast<qsizetype>(x.size()));
  for (std::size_t i = 0; i < x.size(); ++i) data.append(Data(x[i], y[i]));
  return data;
}

void CheckPoint(const QCPAbstractPlottable* series, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y))
    throw kernel::FloatError("chart series " + series->objectName().toStdString() +
                             ": point is not a number");
}

[[noreturn]] void NotASeries(const QCPAbstractPlottable* series) {
  throw kernel::RangeError("chart series " +
                           (series ? series->objectName().toStdString() : std::string("(none)")) +
                           " is neither bars nor points");
}

// Widens a fitted range so that the outermost points do not sit on the frame; a range starting at
// 0 (counts, frequencies) keeps 0 on the axis.
QCPRange WithMargin(QCPRange range, QCPAxis::ScaleType scale) {
  if (scale == QCPAxis::stLogarithmic) {
    const double factor = range.upper > range.lower ? std::pow(range.upper / range.lower, kAxisMargin) : 2.0;
    return QCPRange(range.lower / factor, range.upper * factor);
  }
  double span = range.size();
  if (span == 0) span = std::max(1.0, std::abs(range.lower));
  const double margin = kAxisMargin * span;
  return QCPRange(range.lower == 0 ? 0.0 : range.lower - margin, range.upper + margin);
}

// The automatic ticker held to whole numbers: a step below 1 becomes 1 and 2.5 becomes 2.
class WholeNumberTicker final : public QCPAxisTicker {
 protected:
  double getTickStep(const QCPRange& range) override {
    return std::max(1.0, std::floor(QCPAxisTicker::getTickStep(range)));
  }
  int getSubTickCount(double tickStep) override {
    if (tickStep <= kLongestWholeStepWithMinorTicks) return static_cast<int>(tickStep) - 1;
    return QCPAxisTicker::getSubTickCount(tickStep);
  }
};

// What the legend lists: a series or a group of series.
using LegendEntry = const QObject*;

LegendEntry EntryOf(QCPAbstractLegendItem* item) {
  if (auto* series = qobject_cast<QCPPlottableLegendItem*>(item)) return series->plottable();
  return item;
}

}  // namespace

Chart::Chart(QWidget* parent, const QString& objectName, QRect geometry) : QCustomPlot(parent) {
  setObjectName(objectName);
  setGeometry(geometry);
  setBackground(Qt::white);
  QFont titleFont = font();
  titleFont.setPixelSize(kTitlePixelSize);
  titleFont.setBold(true);
  plotLayout()->insertRow(0);
  title_ = new QCPTextElement(this, QString(), titleFont);
  title_->setTextColor(Qt::black);
  plotLayout()->addElement(0, 0, title_);
  QFont chartText = font();
  chartText.setPixelSize(kChartTextPixelSize);
  chartText.setBold(false);
  for (QCPAxis* axis : axisRect()->axes()) {
    axis->setTickLabelFont(chartText);
    axis->setLabelFont(chartText);
  }
  legend->setFont(chartText);
  legend->setVisible(true);
  connect(this, &QCustomPlot::beforeReplot, this, &Chart::listDrawnSeriesInLegend);
  // Every chart can be saved as an image; a screen that listens to right-clicks on points keeps them.
  InstallChartImageExport(
      this, [this] { return isSignalConnected(QMetaMethod::fromSignal(&Chart::seriesPointClicked)); });
  connect(this, &QCustomPlot::plottableClick, this,
          [this](QCPAbstractPlottable* series, int index, QMouseEvent* event) {
            QCPPlottableInterface1D* points = series->interface1D();
            if (!points || index < 0 || index >= points->dataCount()) return;
            emit seriesPointClicked(series, index, points->dataMainKey(index), points->dataMainValue(index),
                                    event->button());
          });
}

void Chart::setTitleLine(int line, const QString& text) {
  if (line < 0 || line > 1) throw kernel::RangeError("chart title line " + std::to_string(line));
  titleLines_[line] = text;
  title_->setText(titleLines_[1].isEmpty() ? titleLines_[0] : titleLines_[0] + u'\n' + titleLines_[1]);
}

QString Chart::titleLine(int line) const {
  if (line < 0 || line > 1) throw kernel::RangeError("chart title line " + std::to_string(line));
  return titleLines_[line];
}

void Chart::setTitleColour(QColor colour) {
  title_->setTextColor(colour);
}

void Chart::setAxisTitles(const QString& x, const QString& y) {
  xAxis->setLabel(x);
  yAxis->setLabel(y);
}

void Chart::setLegendVisible(bool visible) {
  legendWanted_ = visible;
  legend->setVisible(visible);
}

int Chart::plotRow() const {
  for (int row = 0; row < plotLayout()->rowCount(); ++row)
    if (plotLayout()->element(row, 0) == axisRect()) return row;
  throw kernel::RangeError("chart " + objectName().toStdString() + " has no plot");
}

void Chart::placeLegendBesidePlot() {
  // A spacer under the legend keeps it at the top of its column.
  auto* column = new QCPLayoutGrid;
  plotLayout()->addElement(plotRow(), 1, column);
  column->addElement(0, 0, legend);
  column->addElement(1, 0, new QCPLayoutElement(this));
  column->setRowStretchFactors({0.001, 1});
  column->setMargins(QMargins(0, 0, kLegendColumnMargin, 0));
  plotLayout()->setColumnStretchFactor(1, 0.001);
}

LegendGroup* Chart::groupInLegend(const QString& name, const QString& title,
                                  std::vector<QCPAbstractPlottable*> members) {
  for (QCPAbstractPlottable* series : members) series->removeFromLegend(legend);
  auto* group = new LegendGroup(legend, name, title, std::move(members));
  legendGroups_.push_back(group);
  return group;
}

void Chart::listDrawnSeriesInLegend() {
  std::vector<LegendEntry> wanted;
  for (int i = 0; i < plottableCount(); ++i) {
    QCPAbstractPlottable* series = plottable(i);
    const auto group = std::find_if(legendGroups_.begin(), legendGroups_.end(),
                                    [&](const LegendGroup* g) { return g->holds(series); });
    if (group != legendGroups_.end()) {
      if (series == (*group)->members().front() && (*group)->drawn()) wanted.push_back(*group);
    } else if (series->visible() && !series->name().isEmpty() && pointCount(series) > 0) {
      wanted.push_back(series);
    }
  }
  std::vector<LegendEntry> listed;
  for (int i = 0; i < legend->itemCount(); ++i) listed.push_back(EntryOf(legend->item(i)));
  if (listed != wanted) {
    // The groups outlive their entries (the text tables name them); a series' entry is made anew.
    for (LegendGroup* group : legendGroups_)
      if (legend->hasItem(group)) legend->take(group);
    legend->simplify();
    legend->clearItems();
    for (LegendEntry entry : wanted) {
      if (auto* group = qobject_cast<LegendGroup*>(const_cast<QObject*>(entry)))
        legend->addItem(group);
      else
        static_cast<QCPAbstractPlottable*>(const_cast<QObject*>(entry))->addToLegend(legend);
    }
  }
  legend->setVisible(legendWanted_ && legend->itemCount() > 0);
}

QRect Chart::reserveNoteStrip(Qt::Edge edge, int height) {
  if (edge != Qt::TopEdge && edge != Qt::BottomEdge)
    throw kernel::RangeError("chart " + objectName().toStdString() + ": a note strip goes above or below");
  auto* strip = new QCPLayoutElement(this);
  strip->setMinimumSize(0, height);
  strip->setMaximumSize(QWIDGETSIZE_MAX, height);
  const int row = edge == Qt::TopEdge ? plotRow() : plotLayout()->rowCount();
  plotLayout()->insertRow(row);
  plotLayout()->addElement(row, 0, strip);
  // Laid out now, at the chart's own size, so that the screen can place its notes in the strip.
  setViewport(rect());
  updateLayout();
  return strip->outerRect();
}

void Chart::setWholeNumberTicks(QCPAxis* axis) {
  axis->setTicker(QSharedPointer<WholeNumberTicker>::create());
}

QCPBars* Chart::addBars(const QString& name, const QString& title, QPen pen, QBrush brush) {
  auto* bars = new QCPBars(xAxis, yAxis);
  bars->setObjectName(name);
  bars->setName(title);
  bars->setPen(pen);
  bars->setBrush(brush);
  bars->setWidthType(QCPBars::wtPlotCoords);
  bars->setWidth(1);
  // Bars are axis-aligned rectangles: antialiasing buys nothing and makes patterned brushes
  // (hatched bars) several times slower to fill.
  bars->setAntialiased(false);
  bars->setAntialiasedFill(false);
  return bars;
}

QCPGraph* Chart::addPoints(const QString& name, const QString& title, QCPScatterStyle::ScatterShape shape,
                           double size, QColor outline, QColor fill) {
  QCPGraph* graph = addGraph(xAxis, yAxis);
  graph->setObjectName(name);
  graph->setName(title);
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setPen(QPen(outline));
  graph->setScatterStyle(QCPScatterStyle(shape, QPen(outline), QBrush(fill), size));
  return graph;
}

QCPGraph* Chart::addLine(const QString& name, const QString& title, QColor colour, double width) {
  QCPGraph* graph = addGraph(xAxis, yAxis);
  graph->setObjectName(name);
  graph->setName(title);
  graph->setLineStyle(QCPGraph::lsLine);
  graph->setPen(QPen(colour, width));
  return graph;
}

Chart::CountHistogram Chart::addCountHistogram() {
  // Points are filled with the colour value 1 (almost black); outlines keep the series' colours.
  constexpr QColor kPointFill{1, 0, 0};
  QCPBars* measured = addBars("Series1", "Mesures", QPen(Qt::red), QBrush(kPointFill, Qt::HorPattern));
  QCPGraph* gauss = addPoints("Series3", "Gauss", QCPScatterStyle::ssDiamond, 9, Qt::blue, kPointFill);
  QCPGraph* poisson = addPoints("Series2", "Poisson", QCPScatterStyle::ssCircle, 6, Qt::blue, kPointFill);
  return {measured, poisson, gauss};
}

QCPAbstractPlottable* Chart::series(const QString& name) const {
  auto* self = const_cast<Chart*>(this);  // QCustomPlot has no const access to its plottables
  for (int i = 0; i < self->plottableCount(); ++i)
    if (self->plottable(i)->objectName() == name) return self->plottable(i);
  return nullptr;
}

void Chart::setData(QCPAbstractPlottable* series, std::span<const double> x, std::span<const double> y) {
  if (x.size() != y.size())
    throw kernel::RangeError("chart series: " + std::to_string(x.size()) + " x values for " +
                             std::to_string(y.size()) + " y values");
  for (std::size_t i = 0; i < x.size(); ++i) CheckPoint(series, x[i], y[i]);
  // Sorted keys (the usual case) go in as they are; anything else is sorted once here.
  const bool sorted = std::is_sorted(x.begin(), x.end());
  if (auto* graph = qobject_cast<QCPGraph*>(series))
    graph->data()->set(Pairs<QCPGraphData>(x, y), sorted);
  else if (auto* bars = qobject_cast<QCPBars*>(series))
    bars->data()->set(Pairs<QCPBarsData>(x, y), sorted);
  else
    NotASeries(series);
}

void Chart::addPoint(QCPAbstractPlottable* series, double x, double y) {
  CheckPoint(series, x, y);
  if (auto* graph = qobject_cast<QCPGraph*>(series))
    graph->addData(x, y);
  else if (auto* bars = qobject_cast<QCPBars*>(series))
    bars->addData(x, y);
  else
    NotASeries(series);
}

void Chart::clear(QCPAbstractPlottable* series) {
  if (auto* graph = qobject_cast<QCPGraph*>(series))
    graph->data()->clear();
  else if (auto* bars = qobject_cast<QCPBars*>(series))
    bars->data()->clear();
  else
    NotASeries(series);
}

int Chart::pointCount(const QCPAbstractPlottable* series) {
  QCPPlottableInterface1D* points = const_cast<QCPAbstractPlottable*>(series)->interface1D();
  if (!points) NotASeries(series);
  return points->dataCount();
}

void Chart::setAutoAxes(bool xAuto, bool yAuto) {
  xAuto_ = xAuto;
  yAuto_ = yAuto;
}

void Chart::setFixedRange(QCPAxis* axis, double lower, double upper) {
  axis->setRange(lower, upper);
  if (axis == xAxis) xAuto_ = false;
  if (axis == yAxis) yAuto_ = false;
}

void Chart::setLogarithmic(QCPAxis* axis, bool logarithmic) {
  if (logarithmic) {
    axis->setScaleType(QCPAxis::stLogarithmic);
    axis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
  } else {
    axis->setScaleType(QCPAxis::stLinear);
    axis->setTicker(QSharedPointer<QCPAxisTicker>::create());
  }
}

void Chart::setMinorTicks(QCPAxis* axis, bool visible) {
  axis->setSubTicks(visible);
}

void Chart::fitAxis(QCPAxis* axis, bool keys) {
  const QCP::SignDomain domain = axis->scaleType() == QCPAxis::stLogarithmic ? QCP::sdPositive : QCP::sdBoth;
  QCPRange range;
  bool found = false;
  for (int i = 0; i < plottableCount(); ++i) {
    const QCPAbstractPlottable* series = plottable(i);
    if (!series->visible() || (keys ? series->keyAxis() : series->valueAxis()) != axis) continue;
    bool seriesFound = false;
    // Values are fitted over the keys on show, so that a fixed x range fits y to what it shows.
    const QCPRange seriesRange = keys
                                     ? series->getKeyRange(seriesFound, domain)
                                     : series->getValueRange(seriesFound, domain, series->keyAxis()->range());
    if (!seriesFound) continue;
    if (found)
      range.expand(seriesRange);
    else
      range = seriesRange;
    found = true;
  }
  if (found) axis->setRange(WithMargin(range, axis->scaleType()));
}

void Chart::redraw() {
  if (xAuto_) fitAxis(xAxis, true);
  if (yAuto_) fitAxis(yAxis, false);
  replot();
}

}  // namespace noyalis::platform
