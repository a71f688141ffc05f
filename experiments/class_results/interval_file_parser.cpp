// The rows of an interval results file: the run's intervals first in their column, then zeros,
// and the histogram and slice columns, which must each count those intervals.
#include <algorithm>
#include <array>

#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/results_parsers.h"

namespace noyalis::class_results {

namespace {

constexpr std::string_view kClassWidthLine = "largeur des classes";
constexpr std::string_view kHeader = "kk";

}  // namespace

IntervalList ParseIntervalFile(ResultsLines& lines, std::string_view line1) {
  // Lines 1 and 3 hold the boxes at the save, which need not be the run's: only their range is
  // checked. The class width of line 3 is kept as a suggestion for the pooled histogram.
  ReadLabelledNumber(lines, line1, 2, kMinIntervalsBox, kMaxIntervals);
  const StatedReal mean = ReadStatedMean(lines, NextLine(lines));
  const std::string_view line3 = NextLine(lines);
  lines.expectStart(line3, kClassWidthLine);
  IntervalList list;
  list.classWidthUs =
      static_cast<std::int32_t>(ReadLabelledNumber(lines, line3, 2, kMinClassWidthUs, kMaxClassWidthUs));
  lines.expectStart(NextLine(lines), kHeader);

  std::int64_t rows = 0, inClasses = 0, inSlices = 0;
  bool ended = false;  // a row with no interval has been read: the run's intervals are over
  const std::array<std::int64_t, 4> highest{kMaxIntervals, kMaxIntervalUs, kMaxIntervals, kMaxIntervals};
  std::array<std::int64_t, 4> row{};
  while (const auto line = lines.next()) {
    if (line->empty()) {
      ExpectOnlyBlankLines(lines);
      break;
    }
    ReadRow(lines, *line, row, highest);
    const std::int64_t kk = ++rows;
    if (row[0] != kk) lines.fail({FileProblemKind::WrongRowNumber, 0, 1, row[0], kk});
    const auto t = static_cast<std::int32_t>(row[1]);
    if (t == 0) {
      ended = true;
    } else {
      if (ended) lines.fail({FileProblemKind::RowsDisagree, 0, 2});
      list.intervalsUs.push_back(t);
      list.sum += t;
      list.sumOfSquares += static_cast<long double>(t) * t;
      list.longestUs = std::max(list.longestUs, t);
    }
    inClasses += row[2];
    inSlices += row[3];
  }
  const auto n = static_cast<std::int64_t>(list.intervalsUs.size());
  if (n == 0 && inClasses == 0 && inSlices == 0) Raise({FileProblemKind::NoMeasurements});
  if (inClasses != n || inSlices != n) {
    // Intervals that run to the end of the file while the other columns count otherwise: the list
    // was cut (the columns count every interval of the run, written or not).
    if (!ended || lines.cut())
      Raise({FileProblemKind::Truncated, lines.lineNumber(), 0, n, std::max(inClasses, inSlices)});
    Raise({FileProblemKind::RowsDisagree, lines.lineNumber(), inClasses != n ? 3 : 4});
  }
  CheckStatedMean(mean, static_cast<long double>(list.sum), static_cast<long double>(n));
  return list;
}

}  // namespace noyalis::class_results
