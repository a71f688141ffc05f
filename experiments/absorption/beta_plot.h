#pragma once
// The beta-only points: the gamma background measured behind 3 mm of aluminium subtracted from
// every measured mean, ln(D / D1) against the thickness, and the line through the origin fitted
// to the first seven of them.
#include <array>
#include <optional>
#include <vector>

#include "experiments/absorption/absorption_constants.h"
#include "experiments/absorption/log_curve.h"
#include "experiments/absorption/slot_table.h"

namespace noyalis::absorption {

struct BetaPoint {
  long double X = 0;  // thickness [mm]
  long double Y = 0;  // ln(D / D1) when D > 0, else D itself [counts]
  long double D = 0;  // mean − mean at 3 mm [counts]
};

// The process-wide beta points, positions 1 … 20 (index 0 unused); a plot rewrites its own
// entries from position 1 and leaves the others as an earlier plot left them.
using BetaPointArray = std::array<BetaPoint, beta::kBetaPointCapacity + 1>;
BetaPointArray& BetaPoints();

struct BetaPlot {
  enum class Outcome {
    Drawn,
    MissingMeasurements,  // 0 mm or 3 mm not measured
    NoBetaAtZero,         // the first difference D1 is 0 or negative: no ratio to it
  };
  Outcome outcome = Outcome::Drawn;
  std::vector<PlotPoint> points;     // the first seven entries with D > 0
  std::optional<long double> slope;  // [1/mm]; none when every fitted point lies at x = 0
  std::vector<PlotPoint> line;       // slope · X over the first eight entries with D > 0
};

// Rebuilds the beta points of the slots that have a logarithm from position 1 and plots them.
// Only this plot's entries with D > 0 are drawn and fitted: never the 3 mm entry (D = 0 there)
// nor entries of an earlier plot.
BetaPlot PlotBeta(const SlotTable& table, BetaPointArray& points);

}  // namespace noyalis::absorption
