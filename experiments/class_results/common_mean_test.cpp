#include "experiments/class_results/common_mean_test.h"

#include <cmath>

#include "experiments/class_results/class_results_constants.h"

namespace noyalis::class_results {

void CommonMeanTally::place(ClassRow& row, long double z) {
  row.standardErrors = std::fabs(z);
  row.marked = std::fabs(z) > kMarkBeyondStandardErrors;
  if (row.pooled) pooledDeviations_.push_back(z);
}

CommonMeanTest CommonMeanTally::test() const {
  CommonMeanTest test;
  test.files = static_cast<int>(pooledDeviations_.size());
  test.degreesOfFreedom = test.files - 1;
  if (test.degreesOfFreedom < 1) return test;
  for (long double z : pooledDeviations_) test.chiSquare += z * z;
  test.pValue = counting_statistics::ChiSquarePValue(test.chiSquare, test.degreesOfFreedom);
  test.outcome = counting_statistics::OutcomeOf(test.pValue);
  return test;
}

}  // namespace noyalis::class_results
