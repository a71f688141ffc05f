#pragma once
// The isotope table: symbol, mass number and decay constant per row, and the grid's text form of
// the decay constant.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "experiments/population/population_constants.h"

namespace noyalis::population {

struct AtomRow {
  std::string symbol;      // at most two characters
  std::int32_t mass = 0;   // mass number
  long double lambda = 0;  // decay constant [1/s]
};

// Rows 0 … 200; row 0 is the grid's header row and holds no isotope.
using AtomTable = std::array<AtomRow, kAtomRowMax + 1>;

// λ as the isotope grid shows it: four significant digits, exponent with sign and at least two
// digits, the given decimal separator (7.28528E-10 → "7.285E-10").
std::string LambdaGridText(long double lambda, char decimalSeparator);

// A decimal real: optional sign, digits with an optional fraction after '.', an optional exponent
// ("7.285E-10", "3", "1e-9"). Nothing for any other text, or a value beyond the extended range.
std::optional<long double> ParseDecimalReal(std::string_view text);

// True for a decay constant a run can use [1/s]: ≥ 0 and within the range of a double, the
// precision of λ in use.
bool IsDecayConstant(long double lambda);

// A decay constant typed by the user [1/s], surrounding blanks allowed: a comma or a point as the
// decimal separator (λ has no thousands), a number IsDecayConstant takes, or nothing.
std::optional<long double> ParseLambdaEntry(std::string_view text);

// The text that says why a typed decay constant was refused.
std::string LambdaEntryError(std::string_view text);

}  // namespace noyalis::population
