#include "experiments/counting_statistics/chi_square.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>

#include "experiments/counting_statistics/boost_checked.h"

namespace noyalis::counting_statistics {

namespace bm = boost::math;

TestOutcome OutcomeOf(long double pValue) {
  return pValue < kSignificanceLevel ? TestOutcome::Rejected : TestOutcome::NotRejected;
}

long double ChiSquarePValue(long double chiSquare, int degreesOfFreedom) {
  return BoostChecked("chi-square p-value", [&] {
    const bm::chi_squared_distribution<long double> law(degreesOfFreedom);
    return bm::cdf(bm::complement(law, std::max(chiSquare, 0.0L)));
  });
}

long double ChiSquareCriticalValue(long double upperTail, int degreesOfFreedom) {
  return BoostChecked("chi-square critical value", [&] {
    const bm::chi_squared_distribution<long double> law(degreesOfFreedom);
    return bm::quantile(bm::complement(law, upperTail));
  });
}

}  // namespace noyalis::counting_statistics
