#pragma once
// The one error type of the program: a failed range, overflow or floating-point check,
// or an input/output failure. Handlers catch it once and show it in the standard error box.
#include <stdexcept>
#include <string>

namespace noyalis::kernel {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An index outside an array's declared bounds, or an integer overflow.
class RangeError : public Error {
 public:
  using Error::Error;
};

// Division by zero, an invalid operation (ln 0, 0/0) or an overflow in real arithmetic.
class FloatError : public Error {
 public:
  using Error::Error;
};

// A file that cannot be created or written; the message is the system's own.
class IoError : public Error {
 public:
  using Error::Error;
};

}  // namespace noyalis::kernel
