#pragma once
// "Gauss ou Poisson ?" answered with numbers: Pearson's χ² of a measured histogram of counts
// against the Poisson law and against the Gauss law, each with its classes, degrees of freedom,
// p-value and outcome at 5 %.
#include <cstdint>
#include <span>
#include <vector>

#include "experiments/counting_statistics/chi_square.h"

namespace noyalis::counting_statistics {

// Classes are merged until each expects at least this many measurements.
inline constexpr long double kMinExpectedPerClass = 5;
// Parameters estimated from the data: the mean for Poisson, the mean and deviation for Gauss.
inline constexpr int kPoissonParameters = 1;
inline constexpr int kGaussParameters = 2;
// Rounding a continuous value to whole counts adds 1/12 to its variance (Sheppard) [counts²].
inline constexpr long double kRoundingVariance = 1.0L / 12;

// One class of the test: the counts first … last (the end classes also hold the law's tails).
struct ChiSquareClass {
  std::int32_t first = 0, last = 0;  // [counts]
  long double observed = 0;          // measurements in the class
  long double expected = 0;          // measurements the law expects there
};

// Cells of single counts first … first + n − 1 merged from both tails towards the law's most
// likely cell, each class closed as soon as it expects kMinExpectedPerClass; what is left in the
// middle joins the smaller neighbour when it expects less than that.
std::vector<ChiSquareClass> MergeFromTails(std::int32_t first, std::span<const long double> observed,
                                           std::span<const long double> expected);

struct LawFit {
  std::vector<ChiSquareClass> classes;
  int degreesOfFreedom = 0;  // classes − 1 − estimated parameters
  long double chiSquare = 0;
  long double pValue = 1;
  TestOutcome outcome = TestOutcome::NotTestable;  // not testable below one degree of freedom

  bool testable() const { return outcome != TestOutcome::NotTestable; }
  bool rejected() const { return outcome == TestOutcome::Rejected; }
};

// Pearson's test over merged classes of a law with that many estimated parameters.
LawFit PearsonTest(std::vector<ChiSquareClass> classes, int estimatedParameters);

struct GaussOrPoissonAnswer {
  std::int64_t measurements = 0;
  long double mean = 0;       // [counts]
  long double deviation = 0;  // divisor N [counts]
  // The Gauss law whose values rounded to whole counts have this deviation: √(deviation² − 1/12),
  // or the deviation itself when it is too small for that [counts].
  long double gaussCellDeviation = 0;
  LawFit poisson, gauss;
};

// Both tests on a histogram: histogram[i] measurements gave firstCount + i counts.
GaussOrPoissonAnswer AnswerGaussOrPoisson(std::span<const std::int32_t> histogram,
                                          std::int32_t firstCount = 0);
GaussOrPoissonAnswer AnswerGaussOrPoisson(std::span<const std::int64_t> histogram,
                                          std::int32_t firstCount = 0);

}  // namespace noyalis::counting_statistics
