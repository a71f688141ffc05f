// Whole activity runs, from the start click to the drawn chart, against DistPoisson alone for the
// same work; how long the keys wait at most during a run; memory from run to run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <fstream>
#include <vector>

#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_limits.h"
#include "kernel/dist_poisson.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"

namespace {

using namespace noyalis;

// Resident memory [kB].
long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// Arguments: n, T [ms], distance index (0: 3 cm … 4: 12 cm).
void BM_DistPoissonAlone(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const long double m =
      activity::MeanCount(static_cast<int>(state.range(2)), static_cast<std::int32_t>(state.range(1)));
  std::vector<std::int32_t> values(kernel::kMaxMeasurements + 1), hist(kernel::kMaxMeasurements + 1);
  for (auto _ : state) {
    kernel::UniformRandom::setState(0);
    benchmark::DoNotOptimize(kernel::DistPoisson(m, n, values, hist));
  }
}

// The whole run through the screen, up to the chart painted; counters: the longest wait of a 1 ms
// timer during the run (how long a key waits at most, the end-of-run drawing included) and the
// growth of resident memory after the first run.
void BM_WholeSimulationRun(benchmark::State& state) {
  Tform11 screen;
  screen.show();
  // A two-measurement run first: the first tone of the process loads the sound plugins.
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValue(2);
  screen.BitBtn1Click();
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValue(static_cast<int>(state.range(0)));
  screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValue(static_cast<int>(state.range(1)));
  screen.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(static_cast<int>(state.range(2)));
  QElapsedTimer sinceTick;
  qint64 longestWait = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
  long residentAfterFirst = 0;
  for (auto _ : state) {
    kernel::UniformRandom::setState(0);
    ticker.start();
    sinceTick.start();
    screen.BitBtn1Click();
    QCoreApplication::processEvents();  // the chart's paint, queued by the end of the run
    ticker.stop();
    if (residentAfterFirst == 0) residentAfterFirst = ResidentKb();
  }
  if (screen.findChild<QLineEdit*>("Edit2M")->text().isEmpty())
    state.SkipWithError("the run showed no results");
  state.counters["longest_key_wait_ms"] = static_cast<double>(longestWait);
  state.counters["resident_growth_kB"] = static_cast<double>(ResidentKb() - residentAfterFirst);
}

// One redraw of the end-of-run chart (arguments as above): the fixed cost a run pays outside the
// model, whatever its size.
void BM_EndOfRunChartRedraw(benchmark::State& state) {
  Tform11 screen;
  screen.show();
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValue(static_cast<int>(state.range(0)));
  screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValue(static_cast<int>(state.range(1)));
  screen.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(static_cast<int>(state.range(2)));
  screen.BitBtn1Click();
  auto* chart = screen.findChild<platform::Chart*>("Chart1");
  for (auto _ : state) {
    chart->redraw();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_EndOfRunChartRedraw)
    ->Args({1'000'000, 50, 0})
    ->Args({1'000'000, 25, 4})
    ->Unit(benchmark::kMillisecond);

// At 3 cm: n = 10 000 of 100 000 ms (m = 54 400, about 5.4 × 10^8 draws), n = 1 000 000 of
// 1000 ms (m = 544) and of 50 ms (the default mean, 27.2); at 12 cm, n = 1 000 000 of 25 ms
// (m = 0.85), where the pass through the counts weighs most against the draw.
#define RUN_SIZES                     \
  ->Args({10'000, 100'000, 0})        \
      ->Args({1'000'000, 1'000, 0})   \
      ->Args({1'000'000, 50, 0})      \
      ->Args({1'000'000, 25, 4})      \
      ->Unit(benchmark::kMillisecond) \
      ->Iterations(3)
BENCHMARK(BM_DistPoissonAlone) RUN_SIZES;
BENCHMARK(BM_WholeSimulationRun) RUN_SIZES;

}  // namespace
