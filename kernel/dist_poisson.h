#pragma once
// The activity experiment's Poisson series, drawn by the multiplication method.
#include <cstdint>
#include <span>

#include "kernel/run_host.h"

namespace noyalis::kernel {

// The largest number of measurements a series holds; arrays span indices 0 … kMaxMeasurements.
inline constexpr std::int32_t kMaxMeasurements = 1'000'000;

struct PoissonSeries {
  std::int32_t count = 0;             // measurements drawn (n, or fewer when a stop cut the series)
  long double mean = 0;               // sum / count
  long double standardDeviation = 0;  // √(sumsq / count − mean²), divisor count, no floor
  std::int32_t max = 0;               // largest count
  std::int32_t belowSmallest = 0;     // one below the smallest count when that count is positive, else 0
};

// Draws n Poisson counts of mean m [counts] into values[1 … n] and their histogram into
// hist[0 … 1 000 000] (both arrays of 1 000 001 entries); does not reseed the generator.
// Every mean up to 54 400 keeps the Poisson law; wherever e^(−m) is a normal extended number
// (means up to about 11 355) the draws are those of the plain multiplication method, one for one. With a
// host, checks for a stop between measurements and lets the event loop run every few milliseconds.
PoissonSeries DistPoisson(long double m, std::int32_t n, std::span<std::int32_t> values,
                          std::span<std::int32_t> hist, RunHost* host = nullptr);

}  // namespace noyalis::kernel
