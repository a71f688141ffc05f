#pragma once
// Charts over QCustomPlot: bars, points and lines with the system's series names, a two-line
// title, legend, fixed or automatic axis ends, logarithmic axes and point clicks. A chart reads
// from the back of a classroom: its texts are 11 px and more, its legend lists only what is drawn,
// and notes that belong to it stand in strips beside the plot, never over the data.
#include <qcustomplot.h>

#include <span>
#include <vector>

namespace noyalis::platform {

class LegendGroup;

inline constexpr int kChartTextPixelSize = 12;  // [px] tick labels, axis titles and legend
inline constexpr int kLegendColumnMargin = 6;   // [px] right of a legend placed beside the plot

class Chart : public QCustomPlot {
  Q_OBJECT
 public:
  // A white chart with a two-line title (black bold 13 px) and a legend, named objectName.
  Chart(QWidget* parent, const QString& objectName, QRect geometry);

  void setTitleLine(int line, const QString& text);  // line 0 or 1
  QString titleLine(int line) const;
  void setTitleColour(QColor colour);
  // Axis titles (a quantity and its unit); the text tables set them in the screen's language.
  void setAxisTitles(const QString& x, const QString& y);

  // The legend is shown when asked for and something is drawn. At every replot it lists the series
  // that have points, in their order, each group under one entry.
  void setLegendVisible(bool visible);
  // The legend in a column of its own right of the plot, at the top, so that it covers no data.
  void placeLegendBesidePlot();
  // Gathers series drawn as one thing (the error bars) under one legend entry named name (for the
  // text tables) and titled title.
  LegendGroup* groupInLegend(const QString& name, const QString& title,
                             std::vector<QCPAbstractPlottable*> members);

  // A strip of height [px] between the title and the plot (Qt::TopEdge) or under the bottom axis
  // (Qt::BottomEdge), for notes (labels, result boxes) that belong to the chart but must not cover
  // its data. Its rectangle in the chart's coordinates.
  QRect reserveNoteStrip(Qt::Edge edge, int height);

  // Ticks on whole numbers only (counts, throws, frequencies): steps of 1, 2, 5, 10 …, never 2.5,
  // and minor ticks on whole numbers too.
  static void setWholeNumberTicks(QCPAxis* axis);

  // Bars named name (objectName) with legend title, pen and brush; bars are one key unit wide
  // and not grouped.
  QCPBars* addBars(const QString& name, const QString& title, QPen pen, QBrush brush);
  // Points only (no line): scatter shape and size, outline colour, fill colour.
  QCPGraph* addPoints(const QString& name, const QString& title, QCPScatterStyle::ScatterShape shape,
                      double size, QColor outline, QColor fill);
  // A polyline through the points, of pen colour and width [px].
  QCPGraph* addLine(const QString& name, const QString& title, QColor colour, double width);
  // A histogram of counts with its two reference laws, drawn in this order: bars "Series1"
  // ("Mesures"), Gauss diamonds "Series3", Poisson circles "Series2".
  struct CountHistogram {
    QCPBars* measured;
    QCPGraph* poisson;
    QCPGraph* gauss;
  };
  CountHistogram addCountHistogram();
  // The series called name, or nullptr.
  QCPAbstractPlottable* series(const QString& name) const;

  // Replaces the data of a series in one call (x sorted ascending); no replot. A NaN or infinite
  // value raises kernel::FloatError, x and y of different lengths kernel::RangeError.
  static void setData(QCPAbstractPlottable* series, std::span<const double> x, std::span<const double> y);
  // Adds one point (x, y), kept in x order; no replot.
  static void addPoint(QCPAbstractPlottable* series, double x, double y);
  static void clear(QCPAbstractPlottable* series);
  // Number of points of a series.
  static int pointCount(const QCPAbstractPlottable* series);

  // Axis ends: automatic (fitted to the data at each redraw) or fixed.
  void setAutoAxes(bool xAuto, bool yAuto);
  void setFixedRange(QCPAxis* axis, double lower, double upper);
  void setLogarithmic(QCPAxis* axis, bool logarithmic);
  void setMinorTicks(QCPAxis* axis, bool visible);

  // Fits the automatic axes to the data and redraws once.
  void redraw();

 signals:
  // A click on point index of series, with the mouse button.
  void seriesPointClicked(QCPAbstractPlottable* series, int index, double x, double y,
                          Qt::MouseButton button);

 private:
  void fitAxis(QCPAxis* axis, bool keys);
  int plotRow() const;  // the layout row of the plot (under the title and any top strips)
  void listDrawnSeriesInLegend();

  QCPTextElement* title_;  // both lines; an empty second line takes no room
  QString titleLines_[2];
  bool xAuto_ = true, yAuto_ = true;
  bool legendWanted_ = true;
  std::vector<LegendGroup*> legendGroups_;
};

}  // namespace noyalis::platform
