// Steps of the population run on the largest lattice (N = 100, 10 000 nuclei, caesium-137 with a
// year per step, so about 230 nuclei decay per step at first): the model's scan alone; the scan
// with the lattice update (decayed points added to the green series) and the curve point on real
// charts; and whole steps of the screen, drawing included. Each run has D = 100 steps and no pause;
// the figure is the time per step.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "experiments/population/UnitReseau.h"
#include "experiments/population/decay_run.h"
#include "experiments/population/population_state.h"
#include "kernel/run_host.h"
#include "platform/chart.h"
#include "platform/spin_edit.h"

namespace {

using namespace noyalis;
using namespace noyalis::population;

constexpr std::int32_t kSide = 100;
constexpr std::int32_t kSteps = 100;

class NullObserver final : public RunObserver {
 public:
  void runStarted(std::int32_t, std::int32_t) override {}
  void nucleusDecayed(std::int32_t, std::int32_t) override { ++decays; }
  void stepDone(std::int32_t, std::int32_t) override {}
  void click() override {}
  long decays = 0;
};

// What the screen does with each event, without drawing: the lattice grows by the decayed points
// and the curve by one point per step.
class ChartObserver final : public RunObserver {
 public:
  ChartObserver()
      : lattice_(nullptr, "Chart1", {0, 0, 384, 344}), curve_(nullptr, "Chart2", {0, 0, 392, 344}) {
    red_ = lattice_.addPoints("Series1", {}, QCPScatterStyle::ssDisc, 1, Qt::red, Qt::red);
    green_ = lattice_.addPoints("Series2", {}, QCPScatterStyle::ssDisc, 1, Qt::green, Qt::green);
    points_ = curve_.addPoints("Series3", {}, QCPScatterStyle::ssDisc, 2, Qt::red, Qt::red);
  }
  void runStarted(std::int32_t side, std::int32_t) override {
    std::vector<double> x, y;
    for (std::int32_t i = 1; i <= side; ++i)
      for (std::int32_t j = 1; j <= side; ++j) {
        x.push_back(i);
        y.push_back(j);
      }
    platform::Chart::setData(red_, x, y);
    platform::Chart::clear(green_);
    platform::Chart::clear(points_);
  }
  void nucleusDecayed(std::int32_t i, std::int32_t j) override { green_->addData(i, j); }
  void stepDone(std::int32_t t, std::int32_t alive) override { points_->addData(t, alive); }
  void click() override {}

 private:
  platform::Chart lattice_, curve_;
  QCPGraph *red_, *green_, *points_;
};

RunInputs LargestLattice() {
  return {kSide, kSteps, false, "année", "Cs 137"};
}

void PerStep(benchmark::State& state) {
  state.counters["per_step"] = benchmark::Counter(static_cast<double>(state.iterations()) * kSteps,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_StepModelAlone(benchmark::State& state) {
  PopulationState population;
  NullObserver observer;
  kernel::NullRunHost host;
  for (auto _ : state) RunDecay(population, LargestLattice(), observer, host, {{}, 0});
  benchmark::DoNotOptimize(observer.decays);
  PerStep(state);
}

void BM_StepWithLatticeUpdateAndCurvePoint(benchmark::State& state) {
  PopulationState population;
  ChartObserver observer;
  kernel::NullRunHost host;
  for (auto _ : state) RunDecay(population, LargestLattice(), observer, host, {{}, 0});
  PerStep(state);
}

// The screen's own run: scan, lattice and curve updates, labels, and each step's redraw of the
// three charts when the event loop runs.
void BM_StepOnScreenWithDrawing(benchmark::State& state) {
  TForm8 screen;
  screen.setRunSeams({{}, 0});
  screen.show();
  screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValueClamped(kSide);
  screen.findChild<platform::SpinEdit*>("SpinEdit2")->setValueClamped(kSteps);
  for (auto _ : state) screen.Button1Click();
  PerStep(state);
}

BENCHMARK(BM_StepModelAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepWithLatticeUpdateAndCurvePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepOnScreenWithDrawing)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
