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
    } else if (PairAt(pattern, i, 'y')) {
      AppendTwoDigits(text, t.year);
      afterHour = false;
      i += 2;
    } else if (PairAt(pattern, i, 'm')) {
      AppendTwoDigits(text, afterHour ? t.minute : t.month);
      afterHour = false;
      i += 2;
    } else if (PairAt(pattern, i, 'd')) {
      AppendTwoDigits(text, t.day);
      afterHour = false;
      i += 2;
    } else if (PairAt(pattern, i, 'h')) {
      AppendTwoDigits(text, t.hour);
      afterHour = true;
      i += 2;
    } else if (PairAt(pattern, i, 'n')) {
      AppendTwoDigits(text, t.minute);
      afterHour = false;
      i += 2;
    } else if (PairAt(pattern, i, 's')) {
      AppendTwoDigits(text, t.second);
      afterHour = false;
      i += 2;
    } else {
      text.push_back(pattern[i] == ':' ? kTimeSeparator : pattern[i]);
      ++i;
    }
  }
  return text;
}

}  // namespace noyalis::kernel
