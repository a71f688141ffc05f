#include "experiments/class_results/interval_class.h"

#include <algorithm>
#include <cmath>

#include "experiments/counting_statistics/interval_classes.h"

namespace noyalis::class_results {

namespace cs = counting_statistics;

namespace {

constexpr long double kMicrosecondsPerSecond = 1'000'000;
constexpr long double kMillisecondsPerSecond = 1000;

// The pooled histogram, the ln of its non-decay fraction and the line fitted to it, as the
// interval screen draws them.
void DrawPool(IntervalClass& c, std::int64_t longestUs) {
  const std::int32_t w = c.classWidthUs;
  c.classesDrawn = cs::ClassesDrawn(longestUs, w);
  cs::ClassBars(c.classCounts, w, c.classesDrawn, c.bars);
  c.fitClasses = cs::LastFitClass(c.meanUs, w);
  std::vector<double> fractions(static_cast<std::size_t>(c.fitClasses) + 1);
  cs::NonDecayFractions(c.classCounts, c.measurements, fractions);
  cs::LogPoints(fractions, w, c.fitClasses, c.logPoints);
  c.fit = cs::FitNonDecay(c.logPoints, w, c.fitClasses, c.line);
  // A line on the axis (every fraction 1 up to K) gives no rate.
  if (c.fit && !c.fit->onAxis) c.fittedRate = -c.fit->slope * kMillisecondsPerSecond;
  if (c.fittedRate && *c.fittedRate > 0)
    cs::ExpectedClassCounts(c.measurements, *c.fittedRate, w, c.classesDrawn, c.curve);
}

}  // namespace

std::vector<std::int32_t> CountIntoClasses(const IntervalList& list, std::int32_t classWidthUs) {
  std::vector<std::int32_t> counts(static_cast<std::size_t>(cs::ClassIndex(list.longestUs, classWidthUs)) +
                                   1);
  for (std::int32_t t : list.intervalsUs) ++counts[static_cast<std::size_t>(cs::ClassIndex(t, classWidthUs))];
  return counts;
}

IntervalClass PoolIntervals(std::span<const IntervalMember> members, std::int32_t classWidthUs) {
  IntervalClass c;
  c.classWidthUs = classWidthUs;
  long double sum = 0, squares = 0;
  std::int64_t longest = 0;
  std::size_t classes = 0;
  for (const IntervalMember& m : members) {
    if (!m.pooled) continue;
    c.measurements += static_cast<std::int64_t>(m.list->intervalsUs.size());
    sum += static_cast<long double>(m.list->sum);
    squares += m.list->sumOfSquares;
    longest = std::max<std::int64_t>(longest, m.list->longestUs);
    classes = std::max(classes, m.classCounts.size());
  }
  c.classCounts.assign(classes, 0);
  for (const IntervalMember& m : members)
    if (m.pooled)
      for (std::size_t k = 0; k < m.classCounts.size(); ++k) c.classCounts[k] += m.classCounts[k];
  if (c.measurements > 0) {
    const auto n = static_cast<long double>(c.measurements);
    c.meanUs = sum / n;
    c.deviationUs = std::sqrt(std::max(squares / n - c.meanUs * c.meanUs, 0.0L));
    c.ratePerSecond = kMicrosecondsPerSecond / c.meanUs;
    DrawPool(c, longest);
  }

  CommonMeanTally tally;
  for (const IntervalMember& m : members) {
    IntervalRow row;
    row.file = m.file;
    row.pooled = m.pooled;
    row.measurements = static_cast<std::int64_t>(m.list->intervalsUs.size());
    const auto n = static_cast<long double>(row.measurements);
    row.meanUs = static_cast<long double>(m.list->sum) / n;
    row.ratePerSecond = kMicrosecondsPerSecond / row.meanUs;
    // The pool's deviation stands for every file's: a file of few intervals has a poor one of its
    // own, and under one common law they are the same.
    if (c.deviationUs > 0) tally.place(row, (row.meanUs - c.meanUs) / (c.deviationUs / std::sqrt(n)));
    c.rows.push_back(row);
  }
  c.test = tally.test();
  return c;
}

}  // namespace noyalis::class_results
