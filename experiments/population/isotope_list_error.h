#pragma once
// Why an isotope list was refused, and the message that says it in the screen's language.
#include <cstddef>
#include <string>
#include <string_view>

#include "kernel/error.h"

namespace noyalis::population {

enum class IsotopeListProblem {
  NotFound,       // no candidate path names a file; detail: the paths tried, each on a new line
  Unreadable,     // the file cannot be read
  MissingFields,  // a line without its mass and λ
  MassNotWhole,   // detail: the mass as written
  LambdaInvalid,  // detail: λ as written
  BlankLine,      // a blank line between two entries
  TooManyEntries  // detail: the largest number of entries
};

// A list that cannot be read or holds a malformed line or too many entries. what() is the French
// message; IsotopeListMessage gives it in another language.
class IsotopeListError : public kernel::Error {
 public:
  // line: the line of the file at fault (from 1), or 0 when the problem is the whole file.
  IsotopeListError(IsotopeListProblem problem, std::string file, std::size_t line = 0,
                   std::string detail = {});

  IsotopeListProblem problem;
  std::string file;
  std::size_t line;
  std::string detail;
};

// The message of the error in the language of languageCode ("FR", "UK", "IT", "ES", "DE"; French
// for any other code), naming the file and, for a malformed line, the line.
std::string IsotopeListMessage(const IsotopeListError& error, std::string_view languageCode);

}  // namespace noyalis::population
