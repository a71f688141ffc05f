#pragma once
// Least-squares fits of the experiments' plots, in extended precision.
#include <optional>
#include <span>

namespace noyalis::kernel {

// y = slope · x, the line through the origin, with r² = (Σxy)² / (Σx² · Σy²).
struct OriginFit {
  long double slope;  // [y per x]
  long double r2;     // coefficient of determination, 0 … 1
  bool onAxis;        // every y is 0 (Σy² = 0): r² measures nothing
};

// Fit through the origin over the pairs (xs[i], ys[i]); nothing when Σx² = 0, and r² is left at 0
// when Σy² = 0 (every y on the axis: the slope is then 0).
std::optional<OriginFit> FitThroughOrigin(std::span<const long double> xs, std::span<const long double> ys);

// y = slope · x + intercept, with the correlation r = |cov| / (σx σy) ≥ 0.
struct LineFit {
  long double slope;
  long double intercept;
  long double r;  // never negative
};

// Least-squares line over the pairs from the means of x, y, xy, x², y²; nothing with fewer than
// two distinct x. r is 1 when every y is equal (the line is exact).
std::optional<LineFit> FitLine(std::span<const long double> xs, std::span<const long double> ys);

}  // namespace noyalis::kernel
