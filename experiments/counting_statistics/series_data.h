#pragma once
// The points of one chart series, as plain numbers a screen hands to its chart in one call.
#include <vector>

namespace noyalis::counting_statistics {

// Points of a chart series, x sorted ascending.
struct SeriesData {
  std::vector<double> x, y;
  void clear() {
    x.clear();
    y.clear();
  }
};

}  // namespace noyalis::counting_statistics
