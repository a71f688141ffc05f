// The class results at the size of a lesson: 30 activity files of 100 000 measurements (about
// 45 MB of text, written by the activity screen's own writer) read, checked and pooled into the
// table, the chart and the answer; then the redraw after a file is unticked, for activity files
// and for 30 interval files of 100 000 intervals at 12 cm in classes of 10 µs (the widest
// histogram). The model's memory is reported beside the times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "class_folders.h"
#include "experiments/class_results/class_results.h"

namespace {

using namespace noyalis;
using bench::ActivityFolder;
using bench::AllRead;
using bench::IntervalFolder;
using bench::kClassMeasurements;
using bench::kStudents;
using bench::ResidentMb;
namespace fs = std::filesystem;

std::vector<std::string> FolderChoice(const fs::path& dir) {
  const std::vector<std::string> chosen = {dir.string()};
  return class_results::PathsToRead(chosen);
}

// From the folder chosen to the class table, the pooled chart and the answer.
void BM_ReadAndPoolActivityClass(benchmark::State& state) {
  const std::vector<std::string> paths = FolderChoice(ActivityFolder());
  std::uintmax_t bytes = 0;
  for (const std::string& p : paths) bytes += fs::file_size(p);
  double modelMb = 0;
  for (auto _ : state) {
    const double before = ResidentMb();
    class_results::ClassResults results;
    results.add(paths);
    const class_results::ActivityClass c = results.activityClass();
    modelMb = std::max(modelMb, ResidentMb() - before);
    benchmark::DoNotOptimize(c.chart.barY.data());
    if (!AllRead(results) || c.measurements != kStudents * kClassMeasurements)
      state.SkipWithError("a file was left out");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["model_MB"] = modelMb;
}
BENCHMARK(BM_ReadAndPoolActivityClass)->Unit(benchmark::kMillisecond);

// One file unticked, or ticked again, and everything the screen redraws computed anew.
template <class Pool>
void Untick(benchmark::State& state, const fs::path& dir, class_results::ResultsKind kind, Pool pool) {
  const double before = ResidentMb();
  class_results::ClassResults results;
  results.add(FolderChoice(dir));
  results.setPooledKind(kind);
  state.counters["model_MB"] = ResidentMb() - before;
  if (!AllRead(results)) state.SkipWithError("a file was left out");
  bool ticked = false;
  for (auto _ : state) {
    results.setTicked(7, ticked);
    ticked = !ticked;
    benchmark::DoNotOptimize(pool(results));
  }
}

void BM_UntickActivityFile(benchmark::State& state) {
  Untick(state, ActivityFolder(), class_results::ResultsKind::Activity,
         [](const class_results::ClassResults& r) { return r.activityClass().answer.gauss.chiSquare; });
}
BENCHMARK(BM_UntickActivityFile)->Unit(benchmark::kMillisecond);

void BM_UntickIntervalFile(benchmark::State& state) {
  Untick(state, IntervalFolder(), class_results::ResultsKind::Intervals,
         [](const class_results::ClassResults& r) { return r.intervalClass().bars.y.size(); });
}
BENCHMARK(BM_UntickIntervalFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
