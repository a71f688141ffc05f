#pragma once
// What the three slot experiments share as an idea and differ in as data: the positions of the
// slots (absorber thicknesses or distances), the Poisson means of one measurement at a position,
// and the process-wide table of results. Measuring a slot deletes it, runs a series and stores it.
#include <cstdint>
#include <span>
#include <vector>

#include "experiments/absorption/counting_series.h"
#include "experiments/absorption/slot_table.h"

namespace noyalis::absorption {

struct SlotExperiment {
  std::span<const long double> positions;  // one per slot [mm or m]
  // The means [counts] of the independent counts summed into one measurement of countingTime
  // [ms] at a position, in the order they are drawn.
  std::vector<std::int32_t> (*means)(std::int32_t countingTimeMs, long double position);
  SlotTable& (*table)();
};

extern const SlotExperiment kBetaExperiment;      // thirteen aluminium absorbers [mm]
extern const SlotExperiment kLeadExperiment;      // five lead plates [mm]
extern const SlotExperiment kDistanceExperiment;  // five distances [m]

// Measures slot k: deletes its stored series, runs n measurements of countingTime [ms] at its
// position and stores position, mean and deviation. Nothing is stored when the host asked to
// stop; the slot then stays deleted. Returns the series when it completed.
std::optional<SeriesResult> MeasureSlot(const SlotExperiment& experiment, int slot, std::int32_t n,
                                        std::int32_t countingTimeMs, CountingSeries& series,
                                        kernel::RunHost& host, const ItemObserver& observer = {});

}  // namespace noyalis::absorption
