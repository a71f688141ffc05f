// The rows of an activity results file: every measurement of the run once in the count column,
// and the histogram column, which must count exactly those measurements.
#include <algorithm>
#include <array>
#include <vector>

#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/results_parsers.h"

namespace noyalis::class_results {

namespace {

constexpr std::string_view kHeader = "kk";
constexpr std::int64_t kFirstRowLine = 4;  // the row kk = 0

}  // namespace

ActivityCounts ParseActivityFile(ResultsLines& lines, std::string_view line1) {
  ReadLabelledNumber(lines, line1, 2, kMinMeasurementsBox, kMaxMeasurements);  // the box at the save
  const std::int64_t n = ReadLabelledNumber(lines, line1, 3, 0, kMaxMeasurements);
  const StatedReal mean = ReadStatedMean(lines, NextLine(lines));
  if (n == 0) Raise({FileProblemKind::NoMeasurements});
  lines.expectStart(NextLine(lines), kHeader);

  // Both grow to the largest count and row seen (at most kMaxCount + 1 values).
  std::vector<std::int32_t> counted, column;
  ActivityCounts c;
  c.measurements = n;
  std::int32_t smallest = kMaxCount, largest = 0;
  std::int64_t rows = 0;
  const std::array<std::int64_t, 3> highest{kMaxMeasurements, kMaxCount, n};
  std::array<std::int64_t, 3> row{};
  while (const auto line = lines.next()) {
    if (line->empty()) {
      ExpectOnlyBlankLines(lines);
      break;
    }
    ReadRow(lines, *line, row, highest);
    const std::int64_t kk = rows++;
    if (row[0] != kk) lines.fail({FileProblemKind::WrongRowNumber, 0, 1, row[0], kk});
    const auto count = static_cast<std::int32_t>(row[1]);
    if (kk >= 1 && kk <= n) {
      if (static_cast<std::size_t>(count) >= counted.size())
        counted.resize(static_cast<std::size_t>(count) + 1);
      ++counted[count];
      c.sum += count;
      c.sumOfSquares += static_cast<std::int64_t>(count) * count;
      smallest = std::min(smallest, count);
      largest = std::max(largest, count);
    } else if (kk > n && count != 0) {
      lines.fail({FileProblemKind::DisagreesWithLine1, 0, 2, kk, n});
    }
    // No measurement counts above kMaxCount, so the histogram is 0 there.
    if (kk <= kMaxCount)
      column.push_back(static_cast<std::int32_t>(row[2]));
    else if (row[2] != 0)
      lines.fail({FileProblemKind::RowsDisagree, 0, 3});
  }
  // The rows run to the last measurement and to the largest count.
  const std::int64_t needed = std::max<std::int64_t>(n, largest) + 1;
  if (rows < needed) Raise({FileProblemKind::Truncated, lines.lineNumber(), 0, rows, needed});
  counted.resize(column.size());  // every count has its row: the rows run past the largest
  for (std::size_t v = 0; v < column.size(); ++v)
    if (column[v] != counted[v])
      Raise({FileProblemKind::RowsDisagree, kFirstRowLine + static_cast<std::int64_t>(v), 3});
  CheckStatedMean(mean, static_cast<long double>(c.sum), static_cast<long double>(n));
  c.firstCount = smallest;
  c.histogram.assign(counted.begin() + smallest, counted.begin() + largest + 1);
  return c;
}

}  // namespace noyalis::class_results
