#include "kernel/date_time.h"

#include <cctype>
#include <ctime>

namespace noyalis::kernel {

namespace {

constexpr char kTimeSeparator = '_';

void AppendTwoDigits(std::string& text, int v) {
  v %= 100;
  if (v < 0) v = -v;
  text.push_back(static_cast<char>('0' + v / 10));
  text.push_back(static_cast<char>('0' + v % 10));
}

// True when pattern holds the letter c twice (either case) at position i.
bool PairAt(std::string_view pattern, std::size_t i, char c) {
  return i + 1 < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i])) == c &&
         std::tolower(static_cast<unsigned char>(pattern[i + 1])) == c;
}

// The field a two-letter token at i stands for ("yy", "mm", "dd", "hh", "nn", "ss"), or null.
const int* TwoDigitField(std::string_view pattern, std::size_t i, const LocalDateTime& t, bool afterHour) {
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
  if (!PairAt(pattern, i, letter)) return nullptr;
  switch (letter) {
    case 'y':
      return &t.year;
    case 'm':
      return afterHour ? &t.minute : &t.month;
    case 'd':
      return &t.day;
    case 'h':
      return &t.hour;
    case 'n':
      return &t.minute;
    case 's':
      return &t.second;
    default:
      return nullptr;
  }
}

}  // namespace

LocalDateTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  LocalDateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  return t;
}

std::string FormatDateTime(std::string_view pattern, const LocalDateTime& t) {
  std::string text;
  bool afterHour = false;  // "mm" after "hh" (literals between them allowed) means minutes
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (PairAt(pattern, i, 'y') && PairAt(pattern, i + 2, 'y')) {
      const int year = t.year < 0 ? -t.year : t.year;
      const std::string digits = std::to_string(year);
      text.append(digits.size() < 4 ? 4 - digits.size() : 0, '0');
      text += digits;
      afterHour = false;
      i += 4;
    } else if (const int* field = TwoDigitField(pattern, i, t, afterHour)) {
      AppendTwoDigits(text, *field);
      afterHour = field == &t.hour;
      i += 2;
    } else {
      text.push_back(pattern[i] == ':' ? kTimeSeparator : pattern[i]);
      ++i;
    }
  }
  return text;
}

}  // namespace noyalis::kernel
