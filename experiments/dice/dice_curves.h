#pragma once
// The decay graphs of a dice run: the dice left and their logarithm against the throw number, the
// exponential N0·e^(−t/nf) and the binomial expectation N0·(1 − 1/nf)^t beside them, and the
// least-squares line through the logarithms with the time constant it gives.
#include <optional>
#include <vector>

#include "experiments/dice/dice_run.h"
#include "kernel/least_squares.h"

namespace noyalis::dice {

struct DecayCurves {
  // One point per throw t = 0 … LastThrow.
  std::vector<double> t;
  std::vector<double> dice;         // dice left [dice]
  std::vector<double> exponential;  // N0·e^(−t/nf) [dice]
  std::vector<double> binomial;     // N0·(1 − 1/nf)^t [dice]
  std::vector<double> lnDice, lnBinomial;
  std::vector<long double> BinomialCurve;  // the binomial in extended precision
  // Upper end of the logarithm graph's axis: ln N0 + 0.5 rounded, halves to even.
  long double logAxisMax = 0;
  // The line y = slope·x + intercept through (t + 0.5, ln dice left); nothing when the run gives
  // no line (a single point, or every point at ln N0 because all dice went in one throw).
  std::optional<kernel::LineFit> fit;
};

// The curves of a completed run.
DecayCurves MakeDecayCurves(const DiceRunData& data);

// Upper end of the logarithm graph for n0 dice.
long double LogAxisMax(std::int32_t n0);

}  // namespace noyalis::dice
