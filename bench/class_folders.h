#pragma once
// The class of a lesson on disk, for the class-results benchmarks: 30 students' activity files of
// 100 000 measurements (about 45 MB of text) and 30 interval files of 100 000 intervals at 12 cm
// in classes of 10 µs (the widest histogram), written once per process by the screens' own writers.
#include <unistd.h>

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

namespace noyalis::bench {

inline constexpr int kStudents = 30;
inline constexpr std::int32_t kClassMeasurements = 100'000;

// The resident memory of the process [MB].
inline double ResidentMb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A folder of the class's activity files: every student at 3 cm with 50 ms counts (mean 27.2).
inline const std::filesystem::path& ActivityFolder() {
  static const std::filesystem::path dir = [] {
    const std::filesystem::path d = std::filesystem::temp_directory_path() / "noyalis_class_bench_activity";
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    kernel::NullRunHost host;
    static activity::ActivityRunData run;
    for (int s = 0; s < kStudents; ++s) {
      kernel::UniformRandom::setState(1000u + s);
      activity::ClearRun(run);
      activity::DrawCounts(run, 27.2L, kClassMeasurements, host);
      kernel::WriteTextFile((d / ("eleve" + std::to_string(s) + ".txt")).string(),
                            activity::ActivityResultsLines(kClassMeasurements, run));
    }
    return d;
  }();
  return dir;
}

// A folder of the class's interval files: 100 000 intervals at 12 cm in classes of 10 µs.
inline const std::filesystem::path& IntervalFolder() {
  static const std::filesystem::path dir = [] {
    const std::filesystem::path d = std::filesystem::temp_directory_path() / "noyalis_class_bench_intervals";
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    static intervals::IntervalRunData run;
    intervals::IntervalCharts charts;
    for (int s = 0; s < kStudents; ++s) {
      intervals::SetAfterReseed([s] { kernel::UniformRandom::setState(2000u + s); });
      intervals::RunIntervals(run, {kClassMeasurements, 10, 4, intervals::Law::Theoretical}, charts);
      kernel::WriteTextFile((d / ("eleve" + std::to_string(s) + ".txt")).string(),
                            intervals::IntervalResultsLines(kClassMeasurements, 10, run));
    }
    intervals::SetAfterReseed({});
    return d;
  }();
  return dir;
}

// Whether every file of the class was read.
inline bool AllRead(const class_results::ClassResults& results) {
  for (const auto& file : results.files())
    if (class_results::ProblemOf(file)) return false;
  return results.files().size() == kStudents;
}

}  // namespace noyalis::bench
