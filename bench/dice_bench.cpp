// The dice experiment at its largest: 1 000 000 dice of 500 faces (about 5 × 10^8 throws), thrown
// by the model alone and by "Tout" through the screen, against the bare integer-draw loop for the
// same throws, in one stream and in the model's two; how long a key waits at most during the run;
// the table and graphs drawn alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cstdint>

#include "experiments/dice/UnitDecroissanceExponentielle.h"
#include "experiments/dice/dice_constants.h"
#include "experiments/dice/dice_run.h"
#include "kernel/uniform_random.h"
#include "platform/spin_edit.h"
#include "split_timer.h"

namespace {

using namespace noyalis;
using bench::Seconds;
using bench::Time;

constexpr std::int32_t kDice = dice::kMaxDice;
constexpr std::int32_t kFaces = dice::kMaxFaces;
constexpr std::uint32_t kSeed = static_cast<std::uint32_t>(dice::kDefaultSeed);

// The throws of the largest run from the default seed.
std::int64_t ThrowsOfTheRun() {
  static const std::int64_t throws = [] {
    kernel::NullRunHost host;
    dice::ThrowDice(dice::LastDiceRun(), kDice, kFaces, kSeed, dice::kAllThrows, host);
    return dice::LastDiceRun().diceThrown;
  }();
  return throws;
}

// One die: a draw in 0 … nf − 1 from a generator state.
std::uint64_t Draw(std::uint32_t x) {
  return (static_cast<std::uint64_t>(kFaces) * x) >> 32;
}

// The bare loop: n integer draws in 0 … nf − 1 with the generator state in a register, summed so
// that none can be left out.
std::uint64_t BareDraws(std::uint32_t seed, std::int64_t n) {
  std::uint32_t x = seed;
  std::uint64_t sum = 0;
  for (std::int64_t i = 0; i < n; ++i) sum += Draw(x = kernel::UniformRandom::step(x));
  return sum;
}

// The same draws in two interleaved streams (odd and even draws, each stepped twice at once), as
// the model makes them so that two multiplications overlap: the fastest bare loop.
std::uint64_t BareDrawsTwoStreams(std::uint32_t seed, std::int64_t n) {
  constexpr std::uint32_t a = kernel::UniformRandom::kMultiplier;
  std::uint32_t odd = kernel::UniformRandom::step(seed), even = kernel::UniformRandom::step(odd);
  std::uint64_t sum = 0;
  for (std::int64_t i = 0; i + 1 < n; i += 2) {
    sum += Draw(odd) + Draw(even);
    odd = a * a * odd + (a + 1u);
    even = a * a * even + (a + 1u);
  }
  return n % 2 != 0 ? sum + Draw(odd) : sum;
}

void BM_BareIntegerDraws(benchmark::State& state) {
  const std::int64_t n = ThrowsOfTheRun();
  for (auto _ : state) benchmark::DoNotOptimize(BareDraws(kSeed, n));
  state.counters["throws"] = static_cast<double>(n);
}

void BM_BareIntegerDrawsTwoStreams(benchmark::State& state) {
  const std::int64_t n = ThrowsOfTheRun();
  for (auto _ : state) benchmark::DoNotOptimize(BareDrawsTwoStreams(kSeed, n));
}

void BM_ModelRun(benchmark::State& state) {
  kernel::NullRunHost host;
  for (auto _ : state) dice::ThrowDice(dice::LastDiceRun(), kDice, kFaces, kSeed, dice::kAllThrows, host);
}

// "Tout" through the screen, timed in the same iteration as both bare loops for the same throws;
// counters: its ratio to each, the longest wait of a 1 ms timer during the run (how long a key
// waits at most), and the throw table and both graphs drawn again on their own.
void BM_ToutAgainstBareLoop(benchmark::State& state) {
  const std::int64_t n = ThrowsOfTheRun();
  Tform100 screen;
  screen.show();
  screen.findChild<platform::SpinEdit*>("SpinEdit1")->setValue(kDice);
  screen.findChild<platform::SpinEdit*>("SpinEdit3")->setValue(kFaces);
  QElapsedTimer sinceTick;
  qint64 longestWait = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
  Seconds bare, twoStreams, tout, table, graphs;
  for (auto _ : state) {
    std::uint64_t oneStreamSum = 0, twoStreamSum = 0;
    Time(bare, [&] { oneStreamSum = BareDraws(kSeed, n); });
    Time(twoStreams, [&] { twoStreamSum = BareDrawsTwoStreams(kSeed, n); });
    if (oneStreamSum != twoStreamSum) state.SkipWithError("the two bare loops drew differently");
    ticker.start();
    sinceTick.start();
    Time(tout, [&] { screen.BitBtn1Click(); });
    ticker.stop();
    Time(table, [&] { screen.tableau(); });
    Time(graphs, [&] { screen.Button4GraphClick(); });
  }
  if (screen.findChild<QLabel*>("Label36")->text().isEmpty())
    state.SkipWithError("the run showed no results");
  const double iterations = static_cast<double>(state.iterations());
  state.counters["bare_cpu_s"] = bare.cpu / iterations;
  state.counters["bare2_cpu_s"] = twoStreams.cpu / iterations;
  state.counters["tout_cpu_s"] = tout.cpu / iterations;
  state.counters["tout_over_bare_cpu"] = tout.cpu / bare.cpu;
  state.counters["tout_over_bare_wall"] = tout.wall / bare.wall;
  state.counters["tout_over_bare2_cpu"] = tout.cpu / twoStreams.cpu;
  state.counters["tout_over_bare2_wall"] = tout.wall / twoStreams.wall;
  state.counters["table_wall_s"] = table.wall / iterations;
  state.counters["graphs_wall_s"] = graphs.wall / iterations;
  state.counters["last_throw"] = dice::LastDiceRun().LastThrow;
  state.counters["longest_key_wait_ms"] = static_cast<double>(longestWait);
}

BENCHMARK(BM_BareIntegerDraws)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareIntegerDrawsTwoStreams)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ModelRun)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ToutAgainstBareLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
