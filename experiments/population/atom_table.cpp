#include "experiments/population/atom_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace noyalis::population {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the run of digits at the start of s.
std::size_t Digits(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && IsDigit(s[n])) ++n;
  return n;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string LambdaGridText(long double lambda, char decimalSeparator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3LE", lambda);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

std::optional<long double> ParseDecimalReal(std::string_view text) {
  // Check the whole grammar first: from_chars alone would also take "inf", "nan" and hex forms.
  std::size_t k = 0;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  const std::size_t whole = Digits(text.substr(k));
  k += whole;
  std::size_t fraction = 0;
  if (k < text.size() && text[k] == '.') {
    fraction = Digits(text.substr(k + 1));
    k += 1 + fraction;
  }
  if (whole + fraction == 0) return std::nullopt;
  if (k < text.size() && (text[k] == 'E' || text[k] == 'e')) {
    std::size_t e = k + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t exponent = Digits(text.substr(e));
    if (exponent == 0) return std::nullopt;
    k = e + exponent;
  }
  if (k != text.size()) return std::nullopt;
  // from_chars does not take a leading '+'.
  const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
  long double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

bool IsDecayConstant(long double lambda) {
  return lambda >= 0 && lambda <= std::numeric_limits<double>::max();
}

std::optional<long double> ParseLambdaEntry(std::string_view text) {
  std::string normal(Trimmed(text));
  std::replace(normal.begin(), normal.end(), ',', '.');  // "1,5,2" stays refused: two separators
  const std::optional<long double> value = ParseDecimalReal(normal);
  if (!value || !IsDecayConstant(*value)) return std::nullopt;
  return *value == 0 ? 0.0L : *value;  // -0 reads as 0
}

std::string LambdaEntryError(std::string_view text) {
  std::string message = "'";
  message.append(text).append(
      "' n'est pas une valeur correcte : lambda est un nombre positif ou nul, en 1/s");
  return message;
}

}  // namespace noyalis::population
