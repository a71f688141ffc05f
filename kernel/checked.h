#pragma once
// Checked integer arithmetic and array indexing: a failure raises RangeError.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "kernel/error.h"

namespace noyalis::kernel {

// The element at index i of a, after checking i against a's bounds.
template <class T>
T& checkedAt(std::span<T> a, std::int64_t i) {
  if (i < 0 || static_cast<std::uint64_t>(i) >= a.size())
    throw RangeError("Range check error: index " + std::to_string(i) + " outside 0.." +
                     std::to_string(static_cast<std::int64_t>(a.size()) - 1));
  return a[static_cast<std::size_t>(i)];
}

// a + b, raising RangeError on overflow.
template <class T>
T checkedAdd(T a, T b) {
  T r;
  if (__builtin_add_overflow(a, b, &r)) throw RangeError("Integer overflow");
  return r;
}

// a × b, raising RangeError on overflow.
template <class T>
T checkedMul(T a, T b) {
  T r;
  if (__builtin_mul_overflow(a, b, &r)) throw RangeError("Integer overflow");
  return r;
}

// v itself, raising FloatError when it is NaN or infinite (what [what] names the operation).
inline long double checkedReal(long double v, const char* what) {
  if (!std::isfinite(v)) throw FloatError(std::string("Invalid floating point operation: ") + what);
  return v;
}

}  // namespace noyalis::kernel
