#include "kernel/least_squares.h"

#include <cmath>
#include <cstddef>

#include "kernel/error.h"

namespace noyalis::kernel {

namespace {

void CheckSameLength(std::span<const long double> xs, std::span<const long double> ys) {
  if (xs.size() != ys.size()) throw RangeError("least squares: x and y differ in length");
}

}  // namespace

std::optional<OriginFit> FitThroughOrigin(std::span<const long double> xs, std::span<const long double> ys) {
  CheckSameLength(xs, ys);
  long double sxy = 0, sxx = 0, syy = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    sxy += xs[i] * ys[i];
    sxx += xs[i] * xs[i];
    syy += ys[i] * ys[i];
  }
  if (!(sxx > 0) || !std::isfinite(sxx)) return std::nullopt;
  const long double r2 = syy > 0 ? sxy * sxy / (sxx * syy) : 0.0L;
  return OriginFit{sxy / sxx, r2, !(syy > 0)};
}

std::optional<LineFit> FitLine(std::span<const long double> xs, std::span<const long double> ys) {
  CheckSameLength(xs, ys);
  const long double n = static_cast<long double>(xs.size());
  if (xs.size() < 2) return std::nullopt;
  long double mx = 0, my = 0, mxy = 0, mxx = 0, myy = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    mx += xs[i];
    my += ys[i];
    mxy += xs[i] * ys[i];
    mxx += xs[i] * xs[i];
    myy += ys[i] * ys[i];
  }
  mx /= n;
  my /= n;
  mxy /= n;
  mxx /= n;
  myy /= n;
  const long double varX = mxx - mx * mx;
  if (!(varX > 0)) return std::nullopt;
  const long double cov = mxy - mx * my;
  const long double varY = myy - my * my;
  const long double slope = cov / varX;
  const long double r = varY > 0 ? std::sqrt(cov * cov / (varX * varY)) : 1.0L;
  return LineFit{slope, my - slope * mx, r};
}

}  // namespace noyalis::kernel
