#pragma once
// Boost.Math reports a domain or overflow fault by an exception; it becomes the program's own.
#include <exception>
#include <string>

#include "kernel/error.h"

namespace noyalis::counting_statistics {

// f(), with any exception but the program's own raised as FloatError naming what.
template <class F>
auto BoostChecked(const char* what, F f) {
  try {
    return f();
  } catch (const kernel::Error&) {
    throw;
  } catch (const std::exception& e) {
    throw kernel::FloatError(std::string(what) + ": " + e.what());
  }
}

}  // namespace noyalis::counting_statistics
