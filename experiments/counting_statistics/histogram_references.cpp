#include "experiments/counting_statistics/histogram_references.h"

#include "kernel/statistics.h"

namespace noyalis::counting_statistics {

namespace {

template <class Count>
HistogramChart Chart(std::span<const Count> histogram, std::int32_t firstCount, long double mean,
                     long double deviation, long double n) {
  HistogramChart chart;
  std::size_t firstIndex = 0, lastIndex = histogram.size();
  while (firstIndex < histogram.size() && histogram[firstIndex] == 0) ++firstIndex;
  while (lastIndex > firstIndex && histogram[lastIndex - 1] == 0) --lastIndex;
  if (firstIndex == lastIndex) return chart;
  chart.first = firstCount + static_cast<std::int32_t>(firstIndex);
  chart.hi = firstCount + static_cast<std::int32_t>(lastIndex - 1);
  // The reference curves start one below the smallest count (never below 0).
  const std::int32_t referenceStart = chart.first > 0 ? chart.first - 1 : chart.first;
  for (std::int32_t x = referenceStart; x <= chart.hi; ++x) {
    chart.referenceX.push_back(x);
    chart.poisson.push_back(static_cast<double>(kernel::PoissonExpected(x, mean, n)));
    chart.gauss.push_back(static_cast<double>(kernel::GaussExpected(x, mean, deviation, n)));
  }
  for (std::size_t i = firstIndex; i < lastIndex; ++i) {
    chart.barX.push_back(firstCount + static_cast<double>(i));
    chart.barY.push_back(static_cast<double>(histogram[i]));
  }
  return chart;
}

}  // namespace

HistogramChart HistogramAndReferences(std::span<const std::int32_t> histogram, std::int32_t firstCount,
                                      long double mean, long double deviation, long double n) {
  return Chart(histogram, firstCount, mean, deviation, n);
}

HistogramChart HistogramAndReferences(std::span<const std::int64_t> histogram, std::int32_t firstCount,
                                      long double mean, long double deviation, long double n) {
  return Chart(histogram, firstCount, mean, deviation, n);
}

}  // namespace noyalis::counting_statistics
