// Whole thickness-series runs, from the start click to the filled order table, against the model
// alone for the same work; how long the event loop (keys, the return button, repainting) waits at
// most during a run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include "experiments/thickness_series/UnitAbsorption123.h"
#include "experiments/thickness_series/thickness_series_run.h"
#include "platform/spin_edit.h"

namespace {

using namespace noyalis;

// Arguments: n, S, T [ms].
thickness_series::RunShape ShapeOf(const benchmark::State& state) {
  return {static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
          static_cast<std::int32_t>(state.range(2))};
}

// The model with a host that never pumps: draws, series means and the tally.
void BM_ModelAlone(benchmark::State& state) {
  const thickness_series::RunShape shape = ShapeOf(state);
  thickness_series::SeriesRunData data;
  kernel::NullRunHost host;
  for (auto _ : state) {
    for (int t = 0; t < 3; ++t)
      thickness_series::MeasureThickness(data, t, shape, host, thickness_series::PoissonTableCounts);
    benchmark::DoNotOptimize(
        thickness_series::TallyOrders(data, shape.series, host, [](const thickness_series::OrderTally&) {}));
  }
}

// The whole run through the screen; counter: the longest wait of a 1 ms timer during the run,
// that is how long a click on the return button or a repaint waits at most.
void BM_WholeRunFromTheClick(benchmark::State& state) {
  const thickness_series::RunShape shape = ShapeOf(state);
  TForm7 screen;
  screen.show();
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValueClamped(shape.measurements);
  screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValueClamped(shape.countingTimeMs);
  screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValueClamped(shape.series);
  QElapsedTimer sinceTick;
  qint64 longestWait = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestWait = std::max(longestWait, sinceTick.restart());
    screen.update();  // a repaint is due at every pump
  });
  for (auto _ : state) {
    screen.findChild<QLineEdit*>("Edit10")->clear();
    ticker.start();
    sinceTick.start();
    screen.BitBtn1Click();
    ticker.stop();
    if (screen.findChild<QLineEdit*>("Edit10")->text().isEmpty())
      state.SkipWithError("the run showed no means");
  }
  state.counters["longest_wait_ms"] = static_cast<double>(longestWait);
}

// n = 101, S = 9 901 at T = 1000 s (γ = 30 400) and n = 10, S = 100 000 at 10 s: about
// 10^6 measurements per screen, 6 × 10^6 table draws per run.
#define RUN_SIZES \
  ->Args({101, 9'901, 1'000'000})->Args({10, 100'000, 10'000})->Unit(benchmark::kMillisecond)->Iterations(3)
BENCHMARK(BM_ModelAlone) RUN_SIZES;
BENCHMARK(BM_WholeRunFromTheClick) RUN_SIZES;

}  // namespace
