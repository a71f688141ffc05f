// Draw rates of the counting kernel. The time per uniform draw of DistPoisson is compared with a
// bare dependency chain of one generator step and one extended multiply per draw: the cost of the
// multiplication method done the straightforward way.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "kernel/dist_poisson.h"
#include "kernel/poisson_table.h"
#include "kernel/uniform_random.h"

namespace {

using noyalis::kernel::DistPoisson;
using noyalis::kernel::kMaxMeasurements;
using noyalis::kernel::PoissonSeries;
using noyalis::kernel::PoissonTable;
using noyalis::kernel::PoissonTableDraw;
using noyalis::kernel::UniformRandom;

// Reports the rate of [draws] as time per draw.
void CountDraws(benchmark::State& state, std::int64_t draws) {
  state.SetItemsProcessed(draws);
  state.counters["per_draw"] = benchmark::Counter(static_cast<double>(draws),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_UniformReal(benchmark::State& state) {
  UniformRandom::setState(0);
  for (auto _ : state) benchmark::DoNotOptimize(UniformRandom::real());
  CountDraws(state, state.iterations());
}
BENCHMARK(BM_UniformReal);

// Integer draws (a die: range 6) as a loop over many draws runs them: the state in a register,
// stored back once per block. The serial limit is the generator's multiply-add.
void BM_UniformInteger(benchmark::State& state) {
  constexpr int kBlock = 4096;
  UniformRandom::setState(0);
  for (auto _ : state) {
    std::uint32_t seed = UniformRandom::state();
    std::uint32_t faces = 0;
    for (int i = 0; i < kBlock; ++i) faces += UniformRandom::toInteger(seed = UniformRandom::step(seed), 6);
    UniformRandom::setState(seed);
    benchmark::DoNotOptimize(faces);
  }
  CountDraws(state, state.iterations() * kBlock);
}
BENCHMARK(BM_UniformInteger);

// The same draws one call at a time, each storing the state back to memory: the cost of a
// caller that draws through the process-wide state.
void BM_UniformIntegerStateInMemory(benchmark::State& state) {
  UniformRandom::setState(0);
  for (auto _ : state) benchmark::DoNotOptimize(UniformRandom::integer(6));
  CountDraws(state, state.iterations());
}
BENCHMARK(BM_UniformIntegerStateInMemory);

// DistPoisson over n measurements of mean (arg 1) / 10.
void BM_DistPoisson(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const long double m = static_cast<long double>(state.range(1)) / 10;
  std::vector<std::int32_t> values(kMaxMeasurements + 1), hist(kMaxMeasurements + 1);
  UniformRandom::setState(0);
  std::int64_t draws = 0;
  for (auto _ : state) {
    const PoissonSeries series = DistPoisson(m, n, values, hist);
    // Each measurement takes its count + 1 uniform draws.
    draws += static_cast<std::int64_t>(series.mean * series.count + 0.5L) + series.count;
    benchmark::DoNotOptimize(series);
  }
  CountDraws(state, draws);
}
BENCHMARK(BM_DistPoisson)->Args({1'000'000, 272})->Args({10'000, 544'000})->Unit(benchmark::kMillisecond);

// The chain: one generator step and one extended multiply per draw, nothing else. The product is
// brought back from tiny values between blocks of 64 draws (each factor ≥ 2^−32, so a block
// stays far above the smallest normal number), off the measured chain's per-draw path.
void BM_DependencyChain(benchmark::State& state) {
  const std::int64_t blocks = state.range(0) / 64;
  std::uint32_t seed = 0;
  long double p = 1;
  for (auto _ : state) {
    for (std::int64_t b = 0; b < blocks; ++b) {
      for (int k = 0; k < 64; ++k) {
        seed = UniformRandom::step(seed);
        p *= UniformRandom::toReal(seed);
      }
      if (p < 0x1p-8000L) p = p == 0 ? 1 : p * 0x1p8000L;
    }
    benchmark::DoNotOptimize(p);
  }
  CountDraws(state, state.iterations() * blocks * 64);
}
BENCHMARK(BM_DependencyChain)->Arg(28'200'000)->Unit(benchmark::kMillisecond);

void BM_PoissonTableBuild(benchmark::State& state) {
  const auto m = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    const PoissonTable table(m);
    benchmark::DoNotOptimize(table.filled());
  }
}
BENCHMARK(BM_PoissonTableBuild)->Arg(1)->Arg(152)->Arg(30'400)->Arg(54'400)->Unit(benchmark::kMillisecond);

// PoissonTableDraw: the build, a clock reseed and 1 000 000 draws.
void BM_PoissonTableBuildAndDraw(benchmark::State& state) {
  const auto m = static_cast<std::int32_t>(state.range(0));
  const std::int32_t n = 1'000'000;
  std::vector<std::int32_t> out(static_cast<std::size_t>(n) + 1);
  for (auto _ : state) {
    PoissonTableDraw(m, n, out);
    benchmark::DoNotOptimize(out.data());
  }
  CountDraws(state, state.iterations() * n);
}
BENCHMARK(BM_PoissonTableBuildAndDraw)->Arg(152)->Arg(30'400)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
