#include "experiments/counting_statistics/interval_classes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "kernel/checked.h"
#include "kernel/error.h"
#include "kernel/number_format.h"

namespace noyalis::counting_statistics {

std::int64_t ClassIndex(std::int64_t t, std::int32_t w) {
  if (t < 0 || w <= 0) throw kernel::RangeError("class of interval " + std::to_string(t));
  // t / w − 0.5 lies strictly between q − 0.5 and q + 0.5 unless w divides t; then it is the tie
  // q − 0.5, which goes to the even one of q − 1 and q.
  const std::int64_t q = t / w;
  const std::int64_t nearest = (t % w != 0 || q % 2 == 0) ? q : q - 1;
  return nearest + 1;
}

double ClassEndMs(std::int64_t k, std::int32_t w) {
  return static_cast<double>(static_cast<long double>(k) * w / 1000);
}

std::int32_t ClassesDrawn(std::int64_t maxUs, std::int32_t w) {
  const long double classes = kernel::RoundEven(static_cast<long double>(maxUs) / w) + 3;
  return static_cast<std::int32_t>(std::min<long double>(classes, kMaxClassesDrawn));
}

void ClassBars(std::span<const std::int64_t> classCounts, std::int32_t w, std::int32_t classes,
               SeriesData& bars) {
  bars.clear();
  bars.x.reserve(static_cast<std::size_t>(std::max(classes, 0)));
  bars.y.reserve(static_cast<std::size_t>(std::max(classes, 0)));
  for (std::int32_t k = 1; k <= classes; ++k) {
    bars.x.push_back(ClassEndMs(k, w));
    bars.y.push_back(static_cast<std::size_t>(k) < classCounts.size() ? static_cast<double>(classCounts[k])
                                                                      : 0);
  }
}

void NonDecayFractions(std::span<const std::int64_t> classCounts, std::int64_t n,
                       std::span<double> fractions) {
  if (n <= 0) throw kernel::FloatError("Invalid floating point operation: no intervals to share");
  if (fractions.empty()) return;
  const long double all = static_cast<long double>(n);
  fractions[0] = 1;
  std::int64_t remaining = n;
  for (std::size_t k = 1; k < fractions.size(); ++k) {
    if (k < classCounts.size()) remaining -= classCounts[k];
    fractions[k] = static_cast<double>(remaining / all);
  }
}

std::int32_t LastFitClass(long double meanUs, std::int32_t w) {
  const long double half = kernel::RoundEven(meanUs / w);
  return static_cast<std::int32_t>(std::min<long double>(2 * half, INT32_MAX));
}

void LogPoints(std::span<const double> fractions, std::int32_t w, std::int32_t fitClasses,
               SeriesData& points) {
  points.clear();
  // Past the last fraction every interval has ended: those fractions are 0 and have no logarithm.
  const std::int64_t last =
      std::min<std::int64_t>(fitClasses, static_cast<std::int64_t>(fractions.size()) - 1);
  for (std::int64_t k = 0; k <= last; ++k) {
    const double p = fractions[static_cast<std::size_t>(k)];
    if (!(p > 0)) continue;
    points.x.push_back(ClassEndMs(k, w));
    points.y.push_back(static_cast<double>(std::log(static_cast<long double>(p))));
  }
}

std::optional<kernel::OriginFit> FitNonDecay(const SeriesData& points, std::int32_t w,
                                             std::int32_t fitClasses, SeriesData& line) {
  line.clear();
  std::vector<long double> xs, ys;
  xs.reserve(points.x.size());
  ys.reserve(points.x.size());
  // The point at t = 0 adds nothing to the sums of a line through the origin.
  for (std::size_t i = 0; i < points.x.size(); ++i) {
    if (points.x[i] <= 0) continue;
    xs.push_back(points.x[i]);
    ys.push_back(points.y[i]);
  }
  const std::optional<kernel::OriginFit> fit = kernel::FitThroughOrigin(xs, ys);
  if (!fit) return std::nullopt;
  kernel::checkedReal(fit->slope, "slope of the fitted line");
  kernel::checkedReal(fit->r2, "r² of the fitted line");
  line.x.reserve(static_cast<std::size_t>(fitClasses) + 1);
  line.y.reserve(static_cast<std::size_t>(fitClasses) + 1);
  for (std::int32_t k = 0; k <= fitClasses; ++k) {
    const long double x = static_cast<long double>(k) * w / 1000;
    line.x.push_back(static_cast<double>(x));
    line.y.push_back(static_cast<double>(fit->slope * x));
  }
  return fit;
}

void ExpectedClassCounts(std::int64_t n, long double ratePerSecond, std::int32_t w, std::int32_t classes,
                         SeriesData& curve) {
  curve.clear();
  const long double perClass = std::exp(-ratePerSecond * w / 1'000'000);  // e^(−λw), λ in 1/µs
  long double before = n;  // n·e^(−λ(k−1)w): the intervals expected to last past class k − 1
  for (std::int32_t k = 1; k <= classes; ++k) {
    const long double after = before * perClass;
    curve.x.push_back(ClassEndMs(k, w));
    curve.y.push_back(static_cast<double>(before - after));
    before = after;
  }
}

}  // namespace noyalis::counting_statistics
