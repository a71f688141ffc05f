// Feeds arbitrary bytes to the reader of results files: either it names a reason with a line inside
// the text, or what it read holds together (every measurement counted once, within its limits).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/results_file_reader.h"

using namespace noyalis::class_results;

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ResultsContent content = ParseResultsText(text);
  if (const auto* problem = std::get_if<FileProblem>(&content)) {
    const auto lines = static_cast<std::int64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(problem->line >= 0 && problem->line <= lines);
  } else if (const auto* counts = std::get_if<ActivityCounts>(&content)) {
    const std::int64_t n =
        std::accumulate(counts->histogram.begin(), counts->histogram.end(), std::int64_t{0});
    Check(n == counts->measurements && n > 0 && n <= kMaxMeasurements);
    Check(counts->firstCount >= 0 && counts->firstCount + counts->histogram.size() <= kMaxCount + 1u);
    Check(counts->histogram.front() > 0 && counts->histogram.back() > 0);
  } else {
    const auto& list = std::get<IntervalList>(content);
    Check(!list.intervalsUs.empty() && list.intervalsUs.size() <= kMaxIntervals);
    Check(std::all_of(list.intervalsUs.begin(), list.intervalsUs.end(),
                      [](std::int32_t t) { return t > 0 && t <= kMaxIntervalUs; }));
    Check(std::accumulate(list.intervalsUs.begin(), list.intervalsUs.end(), std::int64_t{0}) == list.sum);
  }
  return 0;
}
