#pragma once
// "Gauss ou Poisson ?" answered with numbers: Pearson's χ² of the measured histogram against the
// Poisson law and against the Gauss law, each with its classes, degrees of freedom and p-value,
// and the verdict a student can read.
#include <cstdint>
#include <span>
#include <vector>

#include "experiments/activity/activity_run_data.h"

namespace noyalis::activity {

// Classes are merged until each expects at least this many measurements.
inline constexpr long double kMinExpectedPerClass = 5;
// A law is rejected when its p-value is below this level.
inline constexpr long double kSignificanceLevel = 0.05L;
// Parameters estimated from the data: the mean for Poisson, the mean and deviation for Gauss.
inline constexpr int kPoissonParameters = 1;
inline constexpr int kGaussParameters = 2;

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

// Upper-tail probability P(χ²(df) ≥ chiSquare) of Pearson's statistic; df ≥ 1.
long double ChiSquarePValue(long double chiSquare, int degreesOfFreedom);
// The value exceeded with probability upperTail by χ²(df): the critical value of a table.
long double ChiSquareCriticalValue(long double upperTail, int degreesOfFreedom);

struct LawFit {
  bool testable = false;  // at least one degree of freedom is left
  std::vector<ChiSquareClass> classes;
  int degreesOfFreedom = 0;  // classes − 1 − estimated parameters
  long double chiSquare = 0;
  long double pValue = 1;
  bool rejected = false;  // testable and p < kSignificanceLevel
};

enum class Verdict {
  BothFit,             // at this mean both laws fit
  GaussRejected,       // the Gauss law is rejected, the Poisson law fits
  PoissonRejected,     // the Poisson law is rejected, the Gauss law fits
  BothRejected,        // neither fits
  TooFewMeasurements,  // too few classes left for both tests
};

struct GaussOrPoissonAnswer {
  std::int64_t measurements = 0;
  long double mean = 0;       // [counts]
  long double deviation = 0;  // divisor N [counts]
  LawFit poisson, gauss;
  Verdict verdict = Verdict::TooFewMeasurements;
};

// Both tests on a histogram: histogram[v] measurements gave v counts.
GaussOrPoissonAnswer AnswerGaussOrPoisson(std::span<const std::int32_t> histogram);
// Both tests on the histogram of the last run (counts 0 … its largest count).
GaussOrPoissonAnswer AnswerGaussOrPoisson(const ActivityRunData& run);

}  // namespace noyalis::activity
