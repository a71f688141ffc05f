#include "experiments/class_results/activity_class.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "kernel/statistics.h"

namespace noyalis::class_results {

namespace {

// The pooled files' counts as one histogram, from the smallest count of any to the largest.
void PoolHistogram(std::span<const ActivityMember> members, ActivityClass& c) {
  std::int32_t first = std::numeric_limits<std::int32_t>::max(), last = -1;
  for (const ActivityMember& m : members) {
    if (!m.pooled || m.counts->histogram.empty()) continue;
    first = std::min(first, m.counts->firstCount);
    last = std::max(last, m.counts->firstCount + static_cast<std::int32_t>(m.counts->histogram.size()) - 1);
  }
  if (last < 0) return;
  c.firstCount = first;
  c.histogram.assign(static_cast<std::size_t>(last - first + 1), 0);
  for (const ActivityMember& m : members) {
    if (!m.pooled) continue;
    const auto offset = static_cast<std::size_t>(m.counts->firstCount - first);
    for (std::size_t i = 0; i < m.counts->histogram.size(); ++i)
      c.histogram[offset + i] += m.counts->histogram[i];
  }
}

}  // namespace

ActivityClass PoolActivity(std::span<const ActivityMember> members) {
  ActivityClass c;
  long double sum = 0, squares = 0;
  for (const ActivityMember& m : members) {
    if (!m.pooled) continue;
    c.measurements += m.counts->measurements;
    sum += static_cast<long double>(m.counts->sum);
    squares += static_cast<long double>(m.counts->sumOfSquares);
  }
  if (c.measurements > 0) {
    const auto n = static_cast<long double>(c.measurements);
    c.mean = sum / n;
    c.deviation = kernel::FlooredDeviation(squares, n, c.mean);
    c.sqrtMean = std::sqrt(c.mean);
    PoolHistogram(members, c);
    if (c.mean > 0)
      c.chart = counting_statistics::HistogramAndReferences(std::span<const std::int64_t>(c.histogram),
                                                            c.firstCount, c.mean, c.deviation, n);
    c.answer =
        counting_statistics::AnswerGaussOrPoisson(std::span<const std::int64_t>(c.histogram), c.firstCount);
  }

  CommonMeanTally tally;
  for (const ActivityMember& m : members) {
    const ActivityCounts& counts = *m.counts;
    ActivityRow row;
    row.file = m.file;
    row.pooled = m.pooled;
    row.measurements = counts.measurements;
    const auto n = static_cast<long double>(counts.measurements);
    row.mean = static_cast<long double>(counts.sum) / n;
    row.deviation = kernel::FlooredDeviation(static_cast<long double>(counts.sumOfSquares), n, row.mean);
    // Under one common mean m̄ the sum of N Poisson counts has mean and variance N·m̄.
    if (c.mean > 0) {
      const long double expected = n * c.mean;
      tally.place(row, (static_cast<long double>(counts.sum) - expected) / std::sqrt(expected));
    }
    c.rows.push_back(row);
  }
  c.test = tally.test();
  return c;
}

}  // namespace noyalis::class_results
