#include "kernel/least_squares.h"

#include <gtest/gtest.h>

#include <vector>

#include "kernel/error.h"

using namespace noyalis::kernel;

namespace {

struct OriginCase {
  std::vector<long double> x, y;
  bool fits;
  long double slope, r2;
};

TEST(LeastSquares, ThroughOrigin) {
  const OriginCase cases[] = {
      {{1, 2, 3}, {2, 4, 6}, true, 2, 1},            // exact line
      {{1, 2}, {1, 3}, true, 7.0L / 5, 49.0L / 50},  // Σxy = 7, Σx² = 5, Σy² = 10
      {{1, 2}, {0, 0}, true, 0, 0},                  // every y on the axis
      {{0, 0}, {1, 2}, false, 0, 0},                 // Σx² = 0
      {{}, {}, false, 0, 0},
  };
  for (const OriginCase& c : cases) {
    const auto fit = FitThroughOrigin(c.x, c.y);
    ASSERT_EQ(fit.has_value(), c.fits);
    if (!fit) continue;
    EXPECT_NEAR(static_cast<double>(fit->slope), static_cast<double>(c.slope), 1e-15);
    EXPECT_NEAR(static_cast<double>(fit->r2), static_cast<double>(c.r2), 1e-15);
  }
}

TEST(LeastSquares, Line) {
  const std::vector<long double> x{0.5L, 1.5L, 2.5L, 3.5L};
  const auto exact = FitLine(x, std::vector<long double>{1, 0, -1, -2});
  ASSERT_TRUE(exact);
  EXPECT_NEAR(static_cast<double>(exact->slope), -1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(exact->intercept), 1.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(exact->r), 1.0, 1e-15);

  // y = 1, 3, 2 over x = 0, 1, 2: slope 1/2, intercept 3/2, r = 1/2.
  const auto scattered = FitLine(std::vector<long double>{0, 1, 2}, std::vector<long double>{1, 3, 2});
  ASSERT_TRUE(scattered);
  EXPECT_NEAR(static_cast<double>(scattered->slope), 0.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(scattered->intercept), 1.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(scattered->r), 0.5, 1e-15);

  const auto flat = FitLine(x, std::vector<long double>{2, 2, 2, 2});
  ASSERT_TRUE(flat);
  EXPECT_EQ(flat->slope, 0);
  EXPECT_EQ(flat->r, 1);

  EXPECT_FALSE(FitLine(std::vector<long double>{1}, std::vector<long double>{1}));
  EXPECT_FALSE(FitLine(std::vector<long double>{3, 3}, std::vector<long double>{1, 2}));
  EXPECT_THROW(FitLine(std::vector<long double>{1, 2}, std::vector<long double>{1}), RangeError);
}

}  // namespace
