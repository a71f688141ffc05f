#pragma once
// The rows of each kind of results file, once its first two lines have told which kind it is.
// Each raises ProblemFound for the first line that is wrong.
#include <string_view>

#include "experiments/class_results/results_file.h"
#include "experiments/class_results/results_lines.h"

namespace noyalis::class_results {

// An activity file, line 1 read and line 2 next: line 1 "nb de mesures  ; box ; N", line 2 "moyenne calculée
// : mean", line 3 the header, then rows kk ; count of measurement kk ; measurements that gave kk counts, for
// kk = 0 … max(N, largest count).
ActivityCounts ParseActivityFile(ResultsLines& lines, std::string_view line1);

// An interval file, line 1 read and line 2 next: line 1 "nb de mesures  ; box", line 2 "moyenne en
// microseconde : mean", line 3 the class width, line 4 the header, then rows kk ; interval kk ;
// intervals in class kk ; decays in the 50 ms slice kk, for kk = 1 … max(classes, N).
IntervalList ParseIntervalFile(ResultsLines& lines, std::string_view line1);

}  // namespace noyalis::class_results
