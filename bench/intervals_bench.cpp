// Whole interval runs at the largest size (N = 100 000 at 12 cm, w = 10 µs: about 35 000 classes),
// from the click to the three drawn charts, against the model alone; and the histogram at its cap
// of 65 500 bars, fed a maximum no draw can reach.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "experiments/intervals/UnitInterval.h"
#include "experiments/intervals/interval_constants.h"
#include "experiments/intervals/interval_run.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"

namespace {

using namespace noyalis;
using namespace noyalis::intervals;

constexpr IntervalParameters kLargest{kMaxIntervals, kMinClassWidthUs, 4, Law::Theoretical};

// The same draws at every iteration (state 0 would start with the longest possible interval).
void FixSeed() {
  SetAfterReseed([] { kernel::UniformRandom::setState(12345); });
}

void BM_IntervalModelAlone(benchmark::State& state) {
  FixSeed();
  IntervalRunData data;
  IntervalCharts charts;
  for (auto _ : state) {
    RunIntervals(data, kLargest, charts);
    benchmark::DoNotOptimize(charts.fit);
  }
  state.counters["classes"] = data.classesDrawn;
  SetAfterReseed({});
}

void BM_WholeRunThroughTheScreen(benchmark::State& state) {
  FixSeed();
  TForm2 screen;
  screen.show();
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValueClamped(kLargest.measurements);
  screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValueClamped(kLargest.classWidthUs);
  screen.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(kLargest.distanceIndex);
  for (auto _ : state) screen.BitBtn1Click();
  if (screen.findChild<QLineEdit*>("Edit1")->text().isEmpty()) state.SkipWithError("the run showed no fit");
  state.counters["classes"] = LastIntervalRun().classesDrawn;
  SetAfterReseed({});
}

// The histogram of a run whose longest interval (synthetic, 0.9 s) would need 90 003 classes of
// 10 µs: 65 500 bars are built, filled in one call and drawn.
void BM_CappedHistogram(benchmark::State& state) {
  static IntervalRunData data;
  for (std::int32_t i = 1; i <= kMaxIntervals; ++i) data.DeltaT[i] = i % 2 ? 29'412 : 900'000;
  BinIntervals(data, kMaxIntervals, kMinClassWidthUs);
  platform::Chart chart(nullptr, "Chart1", {0, 0, 400, 200});
  QCPBars* bars = chart.addBars("Series2", {}, QPen(Qt::red), QBrush(Qt::red));
  chart.show();
  SeriesData series;
  for (auto _ : state) {
    HistogramBars(data, series);
    platform::Chart::setData(bars, series.x, series.y);
    chart.redraw();
  }
  if (data.classesDrawn != counting_statistics::kMaxClassesDrawn)
    state.SkipWithError("the cap was not reached");
  state.counters["bars"] = platform::Chart::pointCount(bars);
}

BENCHMARK(BM_IntervalModelAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRunThroughTheScreen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CappedHistogram)->Unit(benchmark::kMillisecond);

}  // namespace
