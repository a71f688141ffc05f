#pragma once
// The one error type of the program: a failed range, overflow or floating-point check,
// or an input/output failure. Handlers catch it once and show it in the standard error box.
#include <stdexcept>
#include <string>
#include <utility>

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

// A file that cannot be created or written; the message names the file and the system's reason.
class IoError : public Error {
 public:
  using Error::Error;
  IoError(const std::string& message, std::string reason) : Error(message), reason_(std::move(reason)) {}
  // The system's own words ("No space left on device"); empty when the system gave none.
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

}  // namespace noyalis::kernel
