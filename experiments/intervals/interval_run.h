#pragma once
// One interval run, stage by stage: the draw and its histogram, the numbers shown, the data of the
// three charts (list, histogram, ln of the non-decay fraction with its fitted line) and the
// 50 ms time slices. The screen lets the event loop run between the stages.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "experiments/counting_statistics/interval_classes.h"
#include "experiments/intervals/interval_laws.h"
#include "experiments/intervals/interval_run_data.h"
#include "kernel/least_squares.h"

namespace noyalis::intervals {

enum class Law { Theoretical = 0, Geiger = 1 };

struct IntervalParameters {
  std::int32_t measurements = 0;  // N, 1 … 100 000
  std::int32_t classWidthUs = 0;  // w [µs], positive
  int distanceIndex = 0;          // 0 = 3 cm … 4 = 12 cm
  Law law = Law::Theoretical;
};

using counting_statistics::ClassIndex;
using counting_statistics::SeriesData;

// Point size of the list of intervals for n points [px]: 3 up to 100, 2 up to 501, then 1.
int ListPointSize(std::int32_t n);

// "Durée totale = " and the duration [ms] in ms below 10 000 ms, in s (2 decimals) up to
// 100 000 ms, in min (2 decimals) above; French in every language.
std::string DurationLabel(long double durationMs, char decimalSeparator = '.');

// Clears the run record, draws the intervals of the chosen law and bins them (below).
DrawTally DrawAndBin(IntervalRunData& data, const IntervalParameters& p);

// Counts DeltaT[1..n] into their classes of width w [µs]; sets N, w, min, max, sum and mean.
void BinIntervals(IntervalRunData& data, std::int32_t n, std::int32_t w);

// The total duration of the run, the sum of its intervals [ms].
long double DurationMs(const IntervalRunData& data);

// proba_non_desinteg[k], k = 0 … 100 000: the share of the N intervals longer than the end of class k.
void NonDecayFractions(IntervalRunData& data);

// The list of intervals: (i, DeltaT[i] / 1000 ms), i = 1 … N.
void ListPoints(const IntervalRunData& data, SeriesData& points);

// The histogram: C = round(max / w) + 3 classes (at most 65 500), one bar per class k at its end
// k·w / 1000 [ms] of height histo_dt_non_desinteg[k]. Sets classesDrawn and the file's row count
// M = max(C, N).
void HistogramBars(IntervalRunData& data, SeriesData& bars);

// The ln of the non-decay fraction at the class ends k·w / 1000 [ms], k = 0 … K with
// K = 2 × round(mean / w) (sets fitClasses); a class whose fraction is 0 has no logarithm and is
// left out.
void LogPoints(IntervalRunData& data, SeriesData& points);

// The line through the origin fitted to the log points of classes 1 … K (slope [1/ms], r²), and
// that line drawn at the class ends k = 0 … K; nothing (and no line) when no point is left to fit.
std::optional<kernel::OriginFit> FitNonDecay(const IntervalRunData& data, const SeriesData& points,
                                             SeriesData& line);

// nbtr[s]: the decays i = 1 … N dated in the 50 ms slice s = floor(date / 50 ms) + 1.
void TimeSlices(IntervalRunData& data);

// The whole model of a run, stage after stage, without the screen.
struct IntervalCharts {
  SeriesData list, bars, logPoints, line;
  std::optional<kernel::OriginFit> fit;
};
void RunIntervals(IntervalRunData& data, const IntervalParameters& p, IntervalCharts& charts);

}  // namespace noyalis::intervals
