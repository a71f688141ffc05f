// Whole activity runs, from the start click to the drawn chart, against DistPoisson alone for the
// same work, timed alternately; what a run costs per measurement and once per run; how long the
// keys wait at most during a run; memory from run to run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <fstream>
#include <string>
#include <vector>

#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_limits.h"
#include "kernel/dist_poisson.h"
#include "kernel/uniform_random.h"
#include "platform/chart.h"
#include "platform/radio_group.h"
#include "platform/spin_edit.h"
#include "split_timer.h"

namespace {

using namespace noyalis;

// Resident memory [kB].
long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// The activity screen set to n measurements of T [ms] at a distance index (0: 3 cm … 4: 12 cm),
// after a two-measurement run: the first tone of the process loads the sound plugins.
class ActivityScreen {
 public:
  ActivityScreen() {
    screen_.show();
    set(2, 50, 0);
    screen_.BitBtn1Click();
  }
  void set(std::int32_t n, std::int32_t countingTimeMs, int distanceIndex) {
    screen_.findChild<platform::SpinEdit*>("SpinEdit1")->setValue(n);
    screen_.findChild<platform::SpinEdit*>("SpinEdit2")->setValue(countingTimeMs);
    screen_.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(distanceIndex);
  }
  // The whole run from the click, up to the chart painted.
  void run() {
    kernel::UniformRandom::setState(0);
    screen_.BitBtn1Click();
    QCoreApplication::processEvents();  // the chart's paint, queued by the end of the run
  }
  bool showedResults() const { return !screen_.findChild<QLineEdit*>("Edit2M")->text().isEmpty(); }
  platform::Chart* chart() const { return screen_.findChild<platform::Chart*>("Chart1"); }

 private:
  Tform11 screen_;
};

// DistPoisson alone for the draws of one run.
class DistPoissonAlone {
 public:
  void draw(std::int32_t n, std::int32_t countingTimeMs, int distanceIndex) {
    kernel::UniformRandom::setState(0);
    benchmark::DoNotOptimize(
        kernel::DistPoisson(activity::MeanCount(distanceIndex, countingTimeMs), n, values_, hist_));
  }

 private:
  std::vector<std::int32_t> values_ = std::vector<std::int32_t>(kernel::kMaxMeasurements + 1);
  std::vector<std::int32_t> hist_ = std::vector<std::int32_t>(kernel::kMaxMeasurements + 1);
};

// Arguments: n, T [ms], distance index. The whole run and DistPoisson alone for the same draws,
// alternately in one loop, so that both meet the machine in the same state; the time shown is the
// whole run's. Counters: DistPoisson's time, the ratio of the two (wall clock and CPU), the longest
// wait of a 1 ms timer during the runs (how long a key waits at most, the end-of-run drawing
// included) and the growth of resident memory after the first run.
void BM_WholeRunAgainstDistPoisson(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const auto countingTimeMs = static_cast<std::int32_t>(state.range(1));
  const auto distanceIndex = static_cast<int>(state.range(2));
  ActivityScreen screen;
  DistPoissonAlone alone;
  screen.set(n, countingTimeMs, distanceIndex);
  QElapsedTimer sinceTick;
  qint64 longestWait = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
  long residentAfterFirst = 0;
  bench::Seconds whole, model;
  for (auto _ : state) {
    const double wallBefore = whole.wall;
    ticker.start();
    sinceTick.start();
    bench::Time(whole, [&] { screen.run(); });
    ticker.stop();
    state.SetIterationTime(whole.wall - wallBefore);
    if (residentAfterFirst == 0) residentAfterFirst = ResidentKb();
    bench::Time(model, [&] { alone.draw(n, countingTimeMs, distanceIndex); });
  }
  if (!screen.showedResults()) state.SkipWithError("the run showed no results");
  state.counters["dist_poisson_ms"] = 1e3 * model.wall / static_cast<double>(state.iterations());
  state.counters["run_over_dist_poisson_wall"] = whole.wall / model.wall;
  state.counters["run_over_dist_poisson_cpu"] = whole.cpu / model.cpu;
  state.counters["longest_key_wait_ms"] = static_cast<double>(longestWait);
  state.counters["resident_growth_kB"] = static_cast<double>(ResidentKb() - residentAfterFirst);
}

// At the smallest mean (12 cm, 25 ms: m = 0.85), runs of 100 000 and of 1 000 000 measurements
// alternately, through the screen and with DistPoisson alone: the line through both sizes splits
// each into a cost per measurement [ns] (its slope) and a fixed cost per run [ms] (its intercept).
void BM_CostPerMeasurementAndPerRun(benchmark::State& state) {
  constexpr std::int32_t kSmall = 100'000, kLarge = 1'000'000, kCountingTimeMs = 25;
  constexpr int kAt12cm = 4;
  ActivityScreen screen;
  DistPoissonAlone alone;
  bench::Seconds runSmall, runLarge, aloneSmall, aloneLarge;
  for (auto _ : state) {
    screen.set(kSmall, kCountingTimeMs, kAt12cm);
    bench::Time(runSmall, [&] { screen.run(); });
    screen.set(kLarge, kCountingTimeMs, kAt12cm);
    bench::Time(runLarge, [&] { screen.run(); });
    bench::Time(aloneSmall, [&] { alone.draw(kSmall, kCountingTimeMs, kAt12cm); });
    bench::Time(aloneLarge, [&] { alone.draw(kLarge, kCountingTimeMs, kAt12cm); });
  }
  if (!screen.showedResults()) state.SkipWithError("the run showed no results");
  const double iterations = static_cast<double>(state.iterations());
  // name_per_measurement_ns and name_per_run_ms from the wall clock, the same with _cpu from the
  // thread's CPU time (steadier on a shared machine).
  const auto split = [&](const std::string& name, double small, double large) {
    const double slope = (large - small) / iterations / (kLarge - kSmall);  // [s]
    state.counters[name + "_per_measurement_ns"] = 1e9 * slope;
    state.counters[name + "_per_run_ms"] = 1e3 * (small / iterations - slope * kSmall);
  };
  split("run", runSmall.wall, runLarge.wall);
  split("run_cpu", runSmall.cpu, runLarge.cpu);
  split("dist_poisson", aloneSmall.wall, aloneLarge.wall);
  split("dist_poisson_cpu", aloneSmall.cpu, aloneLarge.cpu);
}
BENCHMARK(BM_CostPerMeasurementAndPerRun)->Unit(benchmark::kMillisecond)->Iterations(20);

// One redraw of the end-of-run chart (arguments as above): the fixed cost a run pays outside the
// model, whatever its size.
void BM_EndOfRunChartRedraw(benchmark::State& state) {
  ActivityScreen screen;
  screen.set(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
             static_cast<int>(state.range(2)));
  screen.run();
  platform::Chart* chart = screen.chart();
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
BENCHMARK(BM_WholeRunAgainstDistPoisson)
    ->Args({10'000, 100'000, 0})
    ->Args({1'000'000, 1'000, 0})
    ->Args({1'000'000, 50, 0})
    ->Args({1'000'000, 25, 4})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();

}  // namespace
