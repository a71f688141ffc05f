#include "kernel/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "kernel/error.h"

namespace noyalis::kernel {
namespace {

TEST(RoundEvenTest, TiesGoToEven) {
  struct Case {
    long double v, expected;
  };
  constexpr Case kCases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2},   {-2.5L, -2}, {3.5L, 4},
                             {2.4L, 2}, {2.6L, 3}, {-0.5L, -0}, {7, 7},      {1e18L + 0.5L, 1e18L}};
  for (const Case& c : kCases) EXPECT_EQ(RoundEven(c.v), c.expected) << c.v;
}

TEST(FormatFixedTest, Values) {
  struct Case {
    long double v;
    int decimals;
    char separator;
    const char* expected;
  };
  const Case kCases[] = {
      {27.2L, 2, '.', "27.20"},
      {0.125L, 2, '.', "0.12"},
      {0.375L, 2, '.', "0.38"},
      {2.5L, 0, '.', "2"},
      {3.5L, 0, '.', "4"},
      {-1.25L, 1, '.', "-1.2"},
      {1234567.891L, 3, ',', "1234567,891"},
      {-0.001L, 2, '.', "0.00"},
      {-0.0L, 2, ',', "0,00"},
      {std::sqrt(2.0L), 3, ',', "1,414"},
      {100000, 0, ',', "100000"},
      {-27.0L, 1, '.', "-27.0"},
  };
  for (const Case& c : kCases) EXPECT_EQ(FormatFixed(c.v, c.decimals, c.separator), c.expected) << c.expected;
}

TEST(FormatFixedTest, NonFiniteRaisesFloatError) {
  EXPECT_THROW(FormatFixed(std::numeric_limits<long double>::quiet_NaN(), 2), FloatError);
  EXPECT_THROW(FormatFixed(std::numeric_limits<long double>::infinity(), 2), FloatError);
}

TEST(FormatScientific23Test, Values) {
  struct Case {
    long double v;
    const char* expected;
  };
  const Case kCases[] = {
      {100, " 1.00000000000000E+0002"},      {27.34L, " 2.73400000000000E+0001"},
      {0, " 0.00000000000000E+0000"},        {-0.0L, " 0.00000000000000E+0000"},
      {1838.5L, " 1.83850000000000E+0003"},  {-27.34L, "-2.73400000000000E+0001"},
      {0.00125L, " 1.25000000000000E-0003"}, {1.0L / 3, " 3.33333333333333E-0001"},
      {2.0L / 3, " 6.66666666666667E-0001"}, {9.9999999999999996e10L, " 1.00000000000000E+0011"},
      {1e-4000L, " 1.00000000000000E-4000"}, {-1.5e300L, "-1.50000000000000E+0300"},
  };
  for (const Case& c : kCases) {
    const std::string text = FormatScientific23(c.v);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(text.size(), 23u);
  }
}

TEST(FormatScientific23Test, RoundsTheExtendedValueNotADouble) {
  // 1.234567890123455 lies just above the 15-digit tie as an extended value and just below it
  // as a double: only the extended value gives ...346.
  EXPECT_EQ(FormatScientific23(1.234567890123455L), " 1.23456789012346E+0000");
  EXPECT_EQ(FormatScientific23(static_cast<double>(1.234567890123455L)), " 1.23456789012345E+0000");
}

TEST(FormatGeneralTest, Values) {
  struct Case {
    long double v;
    char separator;
    const char* expected;
  };
  const Case kCases[] = {
      {27.2L, '.', "27.2"},
      {1e20L, '.', "1E20"},
      {1.5e-7L, '.', "1.5E-7"},
      {0, '.', "0"},
      {-0.0L, '.', "0"},
      {100, '.', "100"},
      {-3.25L, ',', "-3,25"},
      {0.00001L, '.', "0.00001"},
      {0.0000099L, '.', "9.9E-6"},
      {123456789012345.0L, '.', "123456789012345"},
      {1234567890123456.0L, '.', "1.23456789012346E15"},
      {1.0L / 3, '.', "0.333333333333333"},
      {2.5e-3L, ',', "0,0025"},
  };
  for (const Case& c : kCases) EXPECT_EQ(FormatGeneral(c.v, c.separator), c.expected) << c.expected;
}

}  // namespace
}  // namespace noyalis::kernel
