#pragma once
// The results file of the last interval run, for a spreadsheet: the two box values and the mean,
// then one row per index with the interval, the histogram class count and the 50 ms slice count.
#include <cstdint>
#include <string>
#include <vector>

#include "experiments/intervals/interval_run_data.h"
#include "kernel/date_time.h"

namespace noyalis::intervals {

// "yyyymmdd_hh_mm_intervalles.txt" for the moment of the save.
std::string IntervalResultsFileName(const kernel::LocalDateTime& when);

// The lines of the file: four header lines with the current box values (N and w) and the run's
// mean, then rows kk = 1 … M (none before the first run).
std::vector<std::string> IntervalResultsLines(std::int32_t measurementsBox, std::int32_t classWidthBox,
                                              const IntervalRunData& data);

// Writes the file at path, replacing an older one only once the new one is whole; an I/O failure
// raises IoError and leaves the older file as it was.
void SaveIntervalResults(const std::string& path, std::int32_t measurementsBox, std::int32_t classWidthBox,
                         const IntervalRunData& data);

}  // namespace noyalis::intervals
