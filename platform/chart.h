#pragma once
// Charts over QCustomPlot: bars, points and lines with the system's series names, a two-line
// title, legend, fixed or automatic axis ends, logarithmic axes and point clicks.
#include <qcustomplot.h>

#include <span>

namespace noyalis::platform {

class Chart : public QCustomPlot {
  Q_OBJECT
 public:
  // A white chart with a two-line title (black bold 13 px) and a legend, named objectName.
  Chart(QWidget* parent, const QString& objectName, QRect geometry);

  void setTitleLine(int line, const QString& text);  // line 0 or 1
  QString titleLine(int line) const;
  void setLegendVisible(bool visible);

  // Bars named name (objectName) with legend title, pen and brush; bars are one key unit wide
  // and not grouped.
  QCPBars* addBars(const QString& name, const QString& title, QPen pen, QBrush brush);
  // Points only (no line): scatter shape and size, outline colour, fill colour.
  QCPGraph* addPoints(const QString& name, const QString& title, QCPScatterStyle::ScatterShape shape,
                      double size, QColor outline, QColor fill);
  // A polyline through the points, of pen colour and width [px].
  QCPGraph* addLine(const QString& name, const QString& title, QColor colour, double width);
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

  QCPTextElement* title_;  // both lines; an empty second line takes no room
  QString titleLines_[2];
  bool xAuto_ = true, yAuto_ = true;
};

}  // namespace noyalis::platform
