#pragma once
// Local date and time, and the patterns that name results files and the menu caption.
#include <string>
#include <string_view>

namespace noyalis::kernel {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// The local date and time now.
LocalDateTime Now();

// Formats t with a pattern: "yyyy" four-digit year, "yy" two-digit year, "mm" two-digit month
// (minutes when it follows "hh"), "dd" day, "hh" 24-hour hour, "nn" minutes, "ss" seconds;
// ":" becomes the time separator "_"; every other character stands for itself.
// Examples: "yy_mm_dd" → 24_12_08, "yy.mm.dd.hh.mm" → 09.11.23.14.05, "hh:nn:ss" → 14_35_10.
std::string FormatDateTime(std::string_view pattern, const LocalDateTime& t);

}  // namespace noyalis::kernel
