#include "experiments/dice/dice_curves.h"

#include <cmath>

#include "kernel/checked.h"
#include "kernel/number_format.h"

namespace noyalis::dice {

namespace {

// The fit's x is the throw number shifted by half a throw.
constexpr long double kThrowShift = 0.5L;

}  // namespace

long double LogAxisMax(std::int32_t n0) {
  return kernel::RoundEven(std::log(static_cast<long double>(n0)) + 0.5L);
}

DecayCurves MakeDecayCurves(const DiceRunData& data) {
  const std::int32_t n0 = data.initialDice;
  const long double nf = data.faces;
  const long double survival = 1 - 1 / nf;
  const auto count = static_cast<std::size_t>(data.LastThrow) + 1;
  DecayCurves c;
  for (auto* v : {&c.t, &c.dice, &c.exponential, &c.binomial, &c.lnDice, &c.lnBinomial}) v->reserve(count);
  c.BinomialCurve.reserve(count);
  std::vector<long double> xs, ys;
  xs.reserve(count);
  ys.reserve(count);

  // The binomial starts at N0 itself (not at N0 / q · q, which rounding can move off N0).
  long double binomial = n0;
  for (std::size_t t = 0; t < count; ++t) {
    const std::int32_t left =
        kernel::checkedAt(std::span<const std::int32_t>(data.DiceRemaining), static_cast<std::int64_t>(t));
    const auto lt = static_cast<long double>(t);
    const long double lnLeft = kernel::checkedReal(std::log(static_cast<long double>(left)), "ln of no die");
    if (t > 0) binomial *= survival;
    c.t.push_back(static_cast<double>(t));
    c.dice.push_back(left);
    c.exponential.push_back(static_cast<double>(n0 * std::exp(-lt / nf)));
    c.BinomialCurve.push_back(binomial);
    c.binomial.push_back(static_cast<double>(binomial));
    c.lnDice.push_back(static_cast<double>(lnLeft));
    c.lnBinomial.push_back(static_cast<double>(std::log(binomial)));
    xs.push_back(lt + kThrowShift);
    ys.push_back(lnLeft);
  }
  c.logAxisMax = LogAxisMax(n0);

  // Every point at the same height (all dice gone in one throw) gives slope 0 and an infinite
  // time constant: no line is shown then.
  bool allEqual = true;
  for (long double y : ys) allEqual = allEqual && y == ys.front();
  if (!allEqual) c.fit = kernel::FitLine(xs, ys);
  return c;
}

}  // namespace noyalis::dice
