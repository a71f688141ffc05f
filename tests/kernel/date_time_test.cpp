#include "kernel/date_time.h"

#include <gtest/gtest.h>

namespace noyalis::kernel {
namespace {

TEST(FormatDateTimeTest, Patterns) {
  const LocalDateTime saved{2024, 12, 8, 14, 35, 10};
  const LocalDateTime built{2009, 11, 23, 14, 5, 0};
  const LocalDateTime early{2003, 1, 2, 3, 4, 5};
  struct Case {
    const char* pattern;
    const LocalDateTime& t;
    const char* expected;
  };
  const Case kCases[] = {
      {"yy_mm_dd", saved, "24_12_08"},
      {"yy.mm.dd.hh.mm", built, "09.11.23.14.05"},
      {"hh:nn:ss", saved, "14_35_10"},
      {"hh:mm:ss", saved, "14_35_10"},
      {"yyyymmdd", saved, "20241208"},
      {"yyyymmdd", early, "20030102"},
      {"yy_mm_dd_hh_nn", early, "03_01_02_03_04"},
      {"dd/mm/yyyy", early, "02/01/2003"},
      {"YY-MM-DD", saved, "24-12-08"},
      {"mm", saved, "12"},
      {"", saved, ""},
      {"x", saved, "x"},
  };
  for (const Case& c : kCases) EXPECT_EQ(FormatDateTime(c.pattern, c.t), c.expected) << c.pattern;
}

TEST(FormatDateTimeTest, ActivityFileNameTime) {
  // The time as hh_mm_ss with the three characters from the sixth on removed.
  std::string time = FormatDateTime("hh:nn:ss", LocalDateTime{2024, 12, 8, 14, 35, 10});
  time.erase(5, 3);
  EXPECT_EQ(time, "14_35");
}

TEST(NowTest, IsAPlausibleLocalTime) {
  const LocalDateTime t = Now();
  EXPECT_GE(t.year, 2024);
  EXPECT_GE(t.month, 1);
  EXPECT_LE(t.month, 12);
  EXPECT_GE(t.day, 1);
  EXPECT_LE(t.day, 31);
  EXPECT_GE(t.hour, 0);
  EXPECT_LE(t.hour, 23);
  EXPECT_GE(t.minute, 0);
  EXPECT_LE(t.minute, 59);
  EXPECT_GE(t.second, 0);
  EXPECT_LE(t.second, 60);
}

}  // namespace
}  // namespace noyalis::kernel
