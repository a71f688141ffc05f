#pragma once
// Number forms shown in boxes and written to results files.
#include <string>

namespace noyalis::kernel {

// Round to the nearest integer, ties to even.
long double RoundEven(long double v);

// v in fixed-point with exactly [decimals] digits after the separator, no grouping,
// rounded from the extended value (an exact tie goes to even). Example: 27.2 → "27.20".
std::string FormatFixed(long double v, int decimals, char decimalSeparator = '.');

// The 23-character scientific form of the results files: sign position (blank or "-"),
// one digit, ".", 14 digits, "E", exponent sign and four digits. 100 → " 1.00000000000000E+0002".
std::string FormatScientific23(long double v);

// The shortest general form with up to 15 significant digits: fixed-point when the number has
// at most 15 integer digits and is 0 or at least 0.00001 in size, otherwise mantissa "E" exponent
// (27.2 → "27.2", 1e20 → "1E20", 1.5e-7 → "1.5E-7").
std::string FormatGeneral(long double v, char decimalSeparator = '.');

}  // namespace noyalis::kernel
