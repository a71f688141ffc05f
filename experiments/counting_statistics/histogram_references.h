#pragma once
// A histogram of counts as the activity screen draws it: bars from the smallest count observed to
// the largest, and the Poisson and Gauss expected frequencies from one below the smallest (when it
// is positive) to the largest.
#include <cstdint>
#include <span>
#include <vector>

namespace noyalis::counting_statistics {

struct HistogramChart {
  std::int32_t first = 0, hi = 0;                  // smallest and largest count observed
  std::vector<double> referenceX, poisson, gauss;  // x = lo … hi, lo = first − 1 when first > 0
  std::vector<double> barX, barY;                  // x = first … hi
};

// histogram[i] measurements gave firstCount + i counts; n measurements in all, of mean > 0 and
// deviation (after its floor) [counts]. Nothing is drawn when no measurement is in the histogram.
HistogramChart HistogramAndReferences(std::span<const std::int32_t> histogram, std::int32_t firstCount,
                                      long double mean, long double deviation, long double n);
HistogramChart HistogramAndReferences(std::span<const std::int64_t> histogram, std::int32_t firstCount,
                                      long double mean, long double deviation, long double n);

}  // namespace noyalis::counting_statistics
