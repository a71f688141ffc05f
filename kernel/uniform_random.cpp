#include "kernel/uniform_random.h"

#include <chrono>
#include <cmath>

#include "kernel/error.h"

namespace noyalis::kernel {

void UniformRandom::reseedFromClock() {
  // The steady clock is the high-resolution counter; its low 32 bits change every tick.
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  setState(static_cast<std::uint32_t>(ticks));
}

long double Power(long double x, long double y) {
  if (!(x > 0)) throw FloatError("Invalid floating point operation: ln of a number that is not positive");
  const long double result = std::exp(y * std::log(x));
  if (std::isnan(result)) throw FloatError("Invalid floating point operation: power");
  if (std::isinf(result)) throw FloatError("Floating point overflow: power");
  return result;
}

}  // namespace noyalis::kernel
