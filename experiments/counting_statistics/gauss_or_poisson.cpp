#include "experiments/counting_statistics/gauss_or_poisson.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

#include "experiments/counting_statistics/boost_checked.h"
#include "kernel/error.h"

namespace noyalis::counting_statistics {

namespace {

namespace bm = boost::math;

// A law's probability of one count, of the counts up to one, or of the counts from one on.
using CountProbability = std::function<long double(std::int32_t)>;

// The probability of each cell first … last under a law; the end cells hold the tails.
std::vector<long double> CellProbabilities(std::int32_t first, std::int32_t last,
                                           const CountProbability& upTo, const CountProbability& from,
                                           const CountProbability& at) {
  std::vector<long double> p(static_cast<std::size_t>(last - first + 1));
  if (first == last) {
    p[0] = 1;
    return p;
  }
  p.front() = upTo(first);
  for (std::int32_t v = first + 1; v < last; ++v) p[v - first] = at(v);
  p.back() = from(last);
  return p;
}

// The deviation of the continuous Gauss law whose values, rounded to whole counts, spread as the
// counts do. Below √(1/12) rounding alone would explain the spread and the correction has no
// meaning (it holds for deviations of about ½ count and more): the deviation is kept as it is.
long double GaussCellDeviation(long double deviation) {
  const long double variance = deviation * deviation - kRoundingVariance;
  return variance > 0 ? std::sqrt(variance) : deviation;
}

template <class Count>
GaussOrPoissonAnswer Answer(std::span<const Count> histogram, std::int32_t firstCount) {
  if (firstCount < 0) throw kernel::RangeError("histogram: negative count");
  GaussOrPoissonAnswer a;
  std::int32_t first = -1, last = -1;
  long double sum = 0, squares = 0;
  for (std::size_t i = 0; i < histogram.size(); ++i) {
    const long double h = histogram[i];
    if (h < 0) throw kernel::RangeError("histogram: negative frequency");
    if (h == 0) continue;
    const auto v = firstCount + static_cast<std::int32_t>(i);
    if (first < 0) first = v;
    last = v;
    a.measurements += histogram[i];
    sum += h * v;
    squares += h * v * v;
  }
  if (a.measurements == 0) return a;
  const long double n = a.measurements;
  a.mean = sum / n;
  a.deviation = std::sqrt(std::max(squares / n - a.mean * a.mean, 0.0L));
  a.gaussCellDeviation = GaussCellDeviation(a.deviation);
  // A law that puts everything on one count (mean 0, or no spread) leaves nothing to test.
  if (a.mean <= 0 || a.deviation <= 0 || first == last) return a;

  std::vector<long double> observed(static_cast<std::size_t>(last - first + 1));
  for (std::int32_t v = first; v <= last; ++v) observed[v - first] = histogram[v - firstCount];

  const auto expectedCounts = [n](std::vector<long double> p) {
    for (long double& e : p) e *= n;
    return p;
  };
  const std::vector<long double> poisson = BoostChecked("Poisson law", [&] {
    const bm::poisson_distribution<long double> law(a.mean);
    return expectedCounts(CellProbabilities(
        first, last, [&](std::int32_t v) { return bm::cdf(law, v); },
        [&](std::int32_t v) { return bm::cdf(bm::complement(law, v - 1)); },
        [&](std::int32_t v) { return bm::pdf(law, v); }));
  });
  // The Gauss law is continuous: the count v stands for [v − ½, v + ½).
  const std::vector<long double> gauss = BoostChecked("Gauss law", [&] {
    const bm::normal_distribution<long double> law(a.mean, a.gaussCellDeviation);
    return expectedCounts(CellProbabilities(
        first, last, [&](std::int32_t v) { return bm::cdf(law, v + 0.5L); },
        [&](std::int32_t v) { return bm::cdf(bm::complement(law, v - 0.5L)); },
        [&](std::int32_t v) {
          const long double below = bm::cdf(law, v - 0.5L), above = bm::cdf(bm::complement(law, v + 0.5L));
          return std::max(1 - below - above, 0.0L);
        }));
  });
  a.poisson = PearsonTest(MergeFromTails(first, observed, poisson), kPoissonParameters);
  a.gauss = PearsonTest(MergeFromTails(first, observed, gauss), kGaussParameters);
  return a;
}

}  // namespace

std::vector<ChiSquareClass> MergeFromTails(std::int32_t first, std::span<const long double> observed,
                                           std::span<const long double> expected) {
  if (observed.size() != expected.size() || observed.empty())
    throw kernel::RangeError("chi-square classes: observed and expected cells differ");
  const std::size_t n = expected.size();
  const std::size_t mode =
      static_cast<std::size_t>(std::max_element(expected.begin(), expected.end()) - expected.begin());
  const auto cellOf = [&](std::size_t i) {
    const auto v = first + static_cast<std::int32_t>(i);
    return ChiSquareClass{v, v, observed[i], expected[i]};
  };
  const auto join = [](ChiSquareClass& into, const ChiSquareClass& c) {
    into.first = std::min(into.first, c.first);
    into.last = std::max(into.last, c.last);
    into.observed += c.observed;
    into.expected += c.expected;
  };

  std::vector<ChiSquareClass> left, right;
  ChiSquareClass middle = cellOf(mode);
  std::optional<ChiSquareClass> open;
  for (std::size_t i = 0; i < mode; ++i) {
    if (open)
      join(*open, cellOf(i));
    else
      open = cellOf(i);
    if (open->expected >= kMinExpectedPerClass) left.push_back(*std::exchange(open, std::nullopt));
  }
  if (open) join(middle, *open);
  open.reset();
  for (std::size_t i = n - 1; i > mode; --i) {
    if (open)
      join(*open, cellOf(i));
    else
      open = cellOf(i);
    if (open->expected >= kMinExpectedPerClass) right.push_back(*std::exchange(open, std::nullopt));
  }
  if (open) join(middle, *open);

  if (middle.expected < kMinExpectedPerClass && (!left.empty() || !right.empty())) {
    const bool intoLeft = right.empty() || (!left.empty() && left.back().expected <= right.back().expected);
    join(intoLeft ? left.back() : right.back(), middle);
  } else {
    left.push_back(middle);
  }
  left.insert(left.end(), right.rbegin(), right.rend());
  return left;
}

LawFit PearsonTest(std::vector<ChiSquareClass> classes, int estimatedParameters) {
  LawFit fit;
  fit.classes = std::move(classes);
  fit.degreesOfFreedom = static_cast<int>(fit.classes.size()) - 1 - estimatedParameters;
  if (fit.degreesOfFreedom < 1) return fit;
  for (const ChiSquareClass& c : fit.classes) {
    if (!(c.expected > 0)) throw kernel::FloatError("chi-square: a class expects nothing");
    const long double d = c.observed - c.expected;
    fit.chiSquare += d * d / c.expected;
  }
  fit.pValue = ChiSquarePValue(fit.chiSquare, fit.degreesOfFreedom);
  fit.outcome = OutcomeOf(fit.pValue);
  return fit;
}

GaussOrPoissonAnswer AnswerGaussOrPoisson(std::span<const std::int32_t> histogram, std::int32_t firstCount) {
  return Answer(histogram, firstCount);
}

GaussOrPoissonAnswer AnswerGaussOrPoisson(std::span<const std::int64_t> histogram, std::int32_t firstCount) {
  return Answer(histogram, firstCount);
}

}  // namespace noyalis::counting_statistics
