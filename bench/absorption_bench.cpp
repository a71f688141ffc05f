// Series of the aluminium, lead and distance screens at their largest sizes, from the click on a
// slot to the filled boxes (the PoissonTable build included), against the model's series alone;
// and how long the event loop waits at most during a series.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <ctime>
#include <memory>

#include "experiments/absorption/UnitAbsorption.h"
#include "experiments/absorption/UnitDistance.h"
#include "experiments/absorption/UnitPLomb.h"
#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/slot_experiment.h"
#include "kernel/poisson_table.h"
#include "platform/spin_edit.h"

namespace {

using namespace noyalis;
using namespace noyalis::absorption;

enum Screen { kBeta, kLead, kDistance };

// The slot with the largest mean of each screen (0 mm, 0 mm, 3 cm) at its longest counting time.
struct Largest {
  const SlotExperiment* experiment;
  int slot;
  const char* meanBox;
  std::int32_t countingTimeMs;
};
const Largest kLargest[] = {
    {&kBetaExperiment, 0, "Edit0", beta::kMaxCountingTimeMs},          // beta 5240 + gamma 304
    {&kLeadExperiment, 0, "Edit0", lead::kMaxCountingTimeMs},          // 400
    {&kDistanceExperiment, 0, "Edit6", distance::kMaxCountingTimeMs},  // 56 000
};

std::unique_ptr<absorption::SlotScreen> Open(Screen s) {
  switch (s) {
    case kBeta:
      return std::make_unique<TForm4>();
    case kLead:
      return std::make_unique<TForm5>();
    default:
      return std::make_unique<TForm6>();
  }
}

// Argument: the screen. The model's series alone, without a screen or an event loop.
void BM_SeriesAlone(benchmark::State& state) {
  const Largest& l = kLargest[state.range(0)];
  CountingSeries series(&kernel::PoissonTableDraw);
  kernel::NullRunHost host;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        MeasureSlot(*l.experiment, l.slot, kMaxMeasurements, l.countingTimeMs, series, host));
}

// This thread's processor time [ms]: what the series itself keeps the event loop waiting, without
// the time the machine gives to other processes.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// Argument: the screen. The click's whole handler; counters: the longest wait of a 1 ms timer
// during the series (how long the event loop is kept waiting at most), in this thread's processor
// time and in wall-clock time (which includes the machine's other load).
void BM_SeriesThroughTheScreen(benchmark::State& state) {
  const Largest& l = kLargest[state.range(0)];
  const std::unique_ptr<SlotScreen> screen = Open(static_cast<Screen>(state.range(0)));
  screen->show();
  screen->findChild<platform::SpinEdit*>("SpinEdit1")->setValue(kMaxMeasurements);
  screen->findChild<platform::SpinEdit*>("SpinEdit2")->setValue(l.countingTimeMs);
  QApplication::processEvents();  // the screen is drawn before the user clicks
  QElapsedTimer sinceTick;
  double lastTickCpu = 0, longestCpu = 0;
  qint64 longestWall = 0;
  const auto tick = [&] {
    const double now = ThreadCpuMs();
    longestCpu = std::max(longestCpu, now - lastTickCpu);
    lastTickCpu = now;
    longestWall = std::max(longestWall, sinceTick.restart());
  };
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, tick);
  for (auto _ : state) {
    ticker.start();
    sinceTick.start();
    lastTickCpu = ThreadCpuMs();
    screen->ButtonClick(l.slot);
    tick();
    ticker.stop();
  }
  if (screen->findChild<QLineEdit*>(l.meanBox)->text().isEmpty())
    state.SkipWithError("the series filled no box");
  state.counters["longest_loop_wait_cpu_ms"] = longestCpu;
  state.counters["longest_loop_wait_wall_ms"] = static_cast<double>(longestWall);
}

#define SCREENS ->Arg(kBeta)->Arg(kLead)->Arg(kDistance)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SeriesAlone) SCREENS;
BENCHMARK(BM_SeriesThroughTheScreen) SCREENS;

}  // namespace
