#pragma once
// One results file as read for the class: its name, and either why it is left out or what it holds
// (the histogram of an activity run, or the intervals of an interval run).
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "experiments/class_results/file_problem.h"

namespace noyalis::class_results {

enum class ResultsKind { Activity, Intervals };

// An activity run: its counts as a histogram from the smallest count to the largest.
struct ActivityCounts {
  std::int64_t measurements = 0;
  std::int32_t firstCount = 0;          // [counts]
  std::vector<std::int32_t> histogram;  // [i]: measurements that gave firstCount + i counts
  std::int64_t sum = 0;                 // of the counts [counts]
  std::int64_t sumOfSquares = 0;        // [counts²]
};

// An interval run: its intervals in the order drawn, and the class width its file states.
struct IntervalList {
  std::vector<std::int32_t> intervalsUs;  // [µs], each positive
  std::int32_t classWidthUs = 0;          // line 3 of the file [µs]
  std::int64_t sum = 0;                   // [µs]
  long double sumOfSquares = 0;           // [µs²]
  std::int32_t longestUs = 0;             // [µs]
};

using ResultsContent = std::variant<FileProblem, ActivityCounts, IntervalList>;

struct ResultsFile {
  std::string path;
  std::string name;  // the file name without its folder, as listed
  ResultsContent content;
};

}  // namespace noyalis::class_results
