// The class results at the size of a lesson: 30 activity files of 100 000 measurements (about
// 45 MB of text, written by the activity screen's own writer) read, checked and pooled into the
// table, the chart and the answer; then the redraw after a file is unticked, for activity files
// and for 30 interval files of 100 000 intervals at 12 cm in classes of 10 µs (the widest
// histogram). The model's memory is reported beside the times.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "experiments/activity/activity_results_file.h"
#include "experiments/activity/activity_run.h"
#include "experiments/class_results/class_results.h"
#include "experiments/intervals/interval_laws.h"
#include "experiments/intervals/interval_results_file.h"
#include "experiments/intervals/interval_run.h"
#include "kernel/run_host.h"
#include "kernel/text_file.h"
#include "kernel/uniform_random.h"

namespace {

using namespace noyalis;
namespace fs = std::filesystem;

constexpr int kStudents = 30;
constexpr std::int32_t kMeasurements = 100'000;

// The resident memory of the process [MB].
double ResidentMb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A folder of the class's activity files: every student at 3 cm with 50 ms counts (mean 27.2).
const fs::path& ActivityFolder() {
  static const fs::path dir = [] {
    const fs::path d = fs::temp_directory_path() / "noyalis_class_bench_activity";
    fs::remove_all(d);
    fs::create_directories(d);
    kernel::NullRunHost host;
    static activity::ActivityRunData run;
    for (int s = 0; s < kStudents; ++s) {
      kernel::UniformRandom::setState(1000u + s);
      activity::ClearRun(run);
      activity::DrawCounts(run, 27.2L, kMeasurements, host);
      kernel::WriteTextFile((d / ("eleve" + std::to_string(s) + ".txt")).string(),
                            activity::ActivityResultsLines(kMeasurements, run));
    }
    return d;
  }();
  return dir;
}

// A folder of the class's interval files: 100 000 intervals at 12 cm in classes of 10 µs.
const fs::path& IntervalFolder() {
  static const fs::path dir = [] {
    const fs::path d = fs::temp_directory_path() / "noyalis_class_bench_intervals";
    fs::remove_all(d);
    fs::create_directories(d);
    static intervals::IntervalRunData run;
    intervals::IntervalCharts charts;
    for (int s = 0; s < kStudents; ++s) {
      intervals::SetAfterReseed([s] { kernel::UniformRandom::setState(2000u + s); });
      intervals::RunIntervals(run, {kMeasurements, 10, 4, intervals::Law::Theoretical}, charts);
      kernel::WriteTextFile((d / ("eleve" + std::to_string(s) + ".txt")).string(),
                            intervals::IntervalResultsLines(kMeasurements, 10, run));
    }
    intervals::SetAfterReseed({});
    return d;
  }();
  return dir;
}

std::vector<std::string> FolderChoice(const fs::path& dir) {
  const std::vector<std::string> chosen = {dir.string()};
  return class_results::PathsToRead(chosen);
}

bool AllRead(const class_results::ClassResults& results) {
  for (const auto& file : results.files())
    if (class_results::ProblemOf(file)) return false;
  return results.files().size() == kStudents;
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
    if (!AllRead(results) || c.measurements != kStudents * kMeasurements)
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
