#include "kernel/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "kernel/checked.h"

namespace noyalis::kernel {

namespace {

// The 15 significant digits of v (sign dropped) and its decimal exponent, rounded from the
// extended value itself.
struct Digits15 {
  bool negative = false;
  std::string digits;  // 15 characters, the first one non-zero unless v is 0
  int exponent = 0;
};

Digits15 SignificantDigits(long double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14Le", v);  // [-]d.dddddddddddddde±xx
  std::string_view s(text);
  Digits15 d;
  if (s.front() == '-') {
    d.negative = true;
    s.remove_prefix(1);
  }
  d.digits.reserve(15);
  d.digits.push_back(s[0]);
  d.digits.append(s.substr(2, 14));
  d.exponent = std::atoi(std::string(s.substr(17)).c_str());
  if (d.digits.find_first_not_of('0') == std::string::npos) d.negative = false;  // no "-0"
  return d;
}

}  // namespace

long double RoundEven(long double v) {
  return std::rint(v);  // the default rounding mode: ties to even
}

std::string FormatFixed(long double v, int decimals, char decimalSeparator) {
  checkedReal(v, "number to show");
  if (decimals < 0) decimals = 0;
  char buffer[128];
  std::string text;
  const int needed = std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, v);
  if (needed < static_cast<int>(sizeof buffer)) {
    text.assign(buffer, static_cast<std::size_t>(needed));
  } else {  // a very large value or many decimals
    text.resize(static_cast<std::size_t>(needed) + 1);
    std::snprintf(text.data(), text.size(), "%.*Lf", decimals, v);
    text.resize(static_cast<std::size_t>(needed));
  }
  // A value that rounds to zero shows no sign.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = decimalSeparator;
  return text;
}

std::string FormatScientific23(long double v) {
  checkedReal(v, "number to write");
  const Digits15 d = SignificantDigits(v);
  const int exponent = d.digits[0] == '0' ? 0 : d.exponent;
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "%04d", std::abs(exponent));
  std::string text;
  text.reserve(23);
  text.push_back(d.negative ? '-' : ' ');
  text.push_back(d.digits[0]);
  text.push_back('.');
  text.append(d.digits, 1, 14);
  text.push_back('E');
  text.push_back(exponent < 0 ? '-' : '+');
  text.append(exponentText);
  return text;
}

std::string FormatGeneral(long double v, char decimalSeparator) {
  checkedReal(v, "number to show");
  const Digits15 d = SignificantDigits(v);
  if (d.digits[0] == '0') return "0";
  const std::size_t lastDigit = d.digits.find_last_not_of('0');  // trailing zeros dropped
  const std::string significant = d.digits.substr(0, lastDigit + 1);
  std::string text = d.negative ? "-" : "";
  if (d.exponent >= -5 && d.exponent < 15) {
    if (d.exponent >= 0) {
      const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
      if (significant.size() <= integerDigits) {
        text += significant;
        text.append(integerDigits - significant.size(), '0');
      } else {
        text.append(significant, 0, integerDigits);
        text.push_back(decimalSeparator);
        text.append(significant, integerDigits);
      }
    } else {
      text.push_back('0');
      text.push_back(decimalSeparator);
      text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
      text += significant;
    }
    return text;
  }
  text.push_back(significant[0]);
  if (significant.size() > 1) {
    text.push_back(decimalSeparator);
    text.append(significant, 1);
  }
  text.push_back('E');
  text += std::to_string(d.exponent);
  return text;
}

}  // namespace noyalis::kernel
