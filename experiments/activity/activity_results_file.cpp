#include "experiments/activity/activity_results_file.h"

#include <algorithm>

#include "kernel/number_format.h"
#include "kernel/text_file.h"

namespace noyalis::activity {

std::string ActivityResultsFileName(const kernel::LocalDateTime& when) {
  return kernel::FormatDateTime("yy_mm_dd", when) + "_" + kernel::FormatDateTime("hh_nn", when) +
         "_intervalles.txt";
}

std::vector<std::string> ActivityResultsLines(std::int32_t measurementsBox, const ActivityRunData& data) {
  const std::int32_t n = data.measurements;
  std::vector<std::string> lines;
  lines.reserve(3 + (n > 0 ? std::max(n, data.hi) + 1 : 0));
  lines.push_back("nb de mesures  ; " + std::to_string(measurementsBox) + " ; " + std::to_string(n));
  lines.push_back("moyenne calculée : " + kernel::FormatScientific23(data.mean));
  lines.push_back("kk ; ni[kk] ; histo_desinteg =nbdes0[kk]");
  if (n == 0) return lines;
  const std::int32_t last = std::max(n, data.hi);
  for (std::int32_t kk = 0; kk <= last; ++kk) {
    const std::int32_t count = kk <= n ? data.CountValues[kk] : 0;
    const std::int32_t frequency = kk <= data.hi ? data.CountHistogram[kk] : 0;
    lines.push_back(std::to_string(kk) + " ; " + std::to_string(count) + " ; " + std::to_string(frequency));
  }
  return lines;
}

void SaveActivityResults(const std::string& path, std::int32_t measurementsBox, const ActivityRunData& data) {
  kernel::WriteTextFile(path, ActivityResultsLines(measurementsBox, data));
}

}  // namespace noyalis::activity
