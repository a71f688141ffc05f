#pragma once
// The classes of a histogram of intervals between decays, as the interval screen draws it, and the
// measured probability of no decay with its exponential fit: ln P(t) = −λ t is a line through the
// origin.
#include <cstdint>
#include <optional>
#include <span>

#include "experiments/counting_statistics/series_data.h"
#include "kernel/least_squares.h"

namespace noyalis::counting_statistics {

// The histogram draws at most 65 500 bars.
inline constexpr std::int32_t kMaxClassesDrawn = 65'500;

// The histogram class of an interval t [µs] for classes of width w [µs]: round(t / w − 0.5) + 1,
// ties to even, so class j holds (j−1)·w … j·w and an exact multiple m·w goes to class m when m
// is odd, to class m + 1 when m is even.
std::int64_t ClassIndex(std::int64_t t, std::int32_t w);

// The end of class k, k·w / 1000 [ms], for classes of w [µs].
double ClassEndMs(std::int64_t k, std::int32_t w);

// C, the classes drawn for a longest interval maxUs [µs]: round(max / w) + 3, at most 65 500.
std::int32_t ClassesDrawn(std::int64_t maxUs, std::int32_t w);

// One bar per class k = 1 … classes at the class end [ms], of height classCounts[k] (0 past its end).
void ClassBars(std::span<const std::int64_t> classCounts, std::int32_t w, std::int32_t classes,
               SeriesData& bars);

// fractions[k], k = 0 … fractions.size() − 1: the share of the n intervals longer than the end of
// class k, from the class counts classCounts[1 …] (index 0 unused; 0 past its end); n > 0.
void NonDecayFractions(std::span<const std::int64_t> classCounts, std::int64_t n,
                       std::span<double> fractions);

// K = 2 × round(mean / w), the last class of the fit, for a mean interval [µs].
std::int32_t LastFitClass(long double meanUs, std::int32_t w);

// The ln of the non-decay fraction at the class ends [ms], k = 0 … min(K, last fraction); a class
// whose fraction is 0 has no logarithm and is left out.
void LogPoints(std::span<const double> fractions, std::int32_t w, std::int32_t fitClasses,
               SeriesData& points);

// The line through the origin fitted to the log points after t = 0 (slope [1/ms], r²), and that
// line drawn at the class ends k = 0 … K; nothing (and no line) when no point is left to fit.
std::optional<kernel::OriginFit> FitNonDecay(const SeriesData& points, std::int32_t w,
                                             std::int32_t fitClasses, SeriesData& line);

// The exponential law of a rate [1/s] drawn over the histogram: the n·(e^(−λ(k−1)w) − e^(−λkw))
// intervals it expects in class k, at the class end [ms], k = 1 … classes.
void ExpectedClassCounts(std::int64_t n, long double ratePerSecond, std::int32_t w, std::int32_t classes,
                         SeriesData& curve);

}  // namespace noyalis::counting_statistics
