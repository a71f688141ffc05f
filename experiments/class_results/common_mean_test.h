#pragma once
// Whether every file of the class shares one mean: each file's distance from the pooled mean in
// standard errors z_i, a mark beyond 3, and χ² = Σ z_i² over the pooled files against the χ² law
// with k − 1 degrees of freedom.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "experiments/counting_statistics/chi_square.h"

namespace noyalis::class_results {

// What every row of the class table holds, whatever the kind of file.
struct ClassRow {
  std::size_t file = 0;  // its place in the list
  bool pooled = false;   // ticked into the pool
  std::int64_t measurements = 0;
  // |z|, its distance from the pool's mean [standard errors]; nothing while the pool gives none.
  std::optional<long double> standardErrors;
  bool marked = false;  // more than 3 standard errors
};

struct CommonMeanTest {
  int files = 0;
  long double chiSquare = 0;
  int degreesOfFreedom = 0;  // files − 1
  long double pValue = 1;
  counting_statistics::TestOutcome outcome = counting_statistics::TestOutcome::NotTestable;  // below 2 files
};

// Places each file against the pooled mean, then tests the pooled ones.
class CommonMeanTally {
 public:
  // The file of row lies z standard errors from the pooled mean (signed).
  void place(ClassRow& row, long double z);
  CommonMeanTest test() const;

 private:
  std::vector<long double> pooledDeviations_;
};

}  // namespace noyalis::class_results
