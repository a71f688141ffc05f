#pragma once
// One class experiment: for each screen the beta and gamma counts of every measurement, the
// series means of every student, then the tally of the orders of each student's three means.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "experiments/thickness_series/order_tally.h"
#include "kernel/run_host.h"

namespace noyalis::thickness_series {

// The working arrays, kept for the life of the screen and refilled by every run.
struct SeriesRunData {
  SeriesRunData();

  // The beta and the gamma part of measurement k (1 … n × S) behind the current screen.
  std::vector<std::int32_t> BetaCounts, GammaCounts;
  // SeriesMeans[t][s]: the mean count of series s (1 … S) behind screen t (0: 1 mm, 1: 2 mm, 2: 3 mm).
  std::array<std::vector<long double>, 3> SeriesMeans;
};

struct RunShape {
  std::int32_t measurements;    // n, per series
  std::int32_t series;          // S, after the cap
  std::int32_t countingTimeMs;  // T [ms]
};

// Fills out[1 … n] with Poisson counts of an integer mean [counts], yielding to the host between
// counts. Tests script the counts through it.
using CountDraw = std::function<void(std::int32_t mean, std::int32_t n, std::span<std::int32_t> out,
                                     kernel::RunHost& host)>;

// The kernel's Poisson table draw: the table of mean m, one clock reseed, then out[1 … n] (out[0]
// untouched), with a per-item yield after every count so that a million draws keep the screen live.
void PoissonTableCounts(std::int32_t mean, std::int32_t n, std::span<std::int32_t> out,
                        kernel::RunHost& host);

// The measurements behind screen t (0, 1, 2): draws n × S beta counts then n × S gamma counts,
// and stores each series mean, the sum of its n measurements (beta + gamma) divided by n. Yields
// to the host at the stages and after every measurement; false when the host asked to stop.
bool MeasureThickness(SeriesRunData& data, int thickness, RunShape shape, kernel::RunHost& host,
                      const CountDraw& draw);

// Tallies the order of the three series means of every student, yielding after each series.
// counted(tally) runs after every increment (not for ties). Nothing when the host asked to stop.
std::optional<OrderTally> TallyOrders(const SeriesRunData& data, std::int32_t series, kernel::RunHost& host,
                                      const std::function<void(const OrderTally&)>& counted);

// The mean over all S series of the series means behind screen t [counts].
long double MeanOfSeriesMeans(const SeriesRunData& data, int thickness, std::int32_t series);

}  // namespace noyalis::thickness_series
