#include "experiments/absorption/plot_series.h"

#include "platform/chart.h"

namespace noyalis::absorption {

namespace {

// The automatic ticker with a fixed number of minor ticks between labels.
class FixedMinorTicks final : public QCPAxisTicker {
 public:
  explicit FixedMinorTicks(int count) : count_(count) {}

 protected:
  int getSubTickCount(double) override { return count_; }

 private:
  int count_;
};

}  // namespace

void AddErrorBar(QCPAbstractPlottable* series, long double x, long double centre, long double half) {
  const auto px = static_cast<double>(x);
  platform::Chart::addPoint(series, px, static_cast<double>(centre - half));
  platform::Chart::addPoint(series, px, static_cast<double>(centre));
  platform::Chart::addPoint(series, px, static_cast<double>(centre + half));
}

void AddPoints(QCPAbstractPlottable* series, const std::vector<PlotPoint>& points) {
  for (const PlotPoint& p : points)
    platform::Chart::addPoint(series, static_cast<double>(p.x), static_cast<double>(p.y));
}

}  // namespace noyalis::absorption

namespace noyalis::absorption {

void SetMinorTickCount(QCPAxis* axis, int count) {
  axis->setTicker(QSharedPointer<FixedMinorTicks>::create(count));
  axis->setSubTicks(true);
}

}  // namespace noyalis::absorption
