#pragma once
// The results file of the last activity run, for a spreadsheet: the measurement count, the mean,
// then one row per index with the count of that measurement and the histogram at that count.
#include <cstdint>
#include <string>
#include <vector>

#include "experiments/activity/activity_run_data.h"
#include "kernel/date_time.h"

namespace noyalis::activity {

// "yy_mm_dd_hh_mm_intervalles.txt" for the moment of the save.
std::string ActivityResultsFileName(const kernel::LocalDateTime& when);

// The lines of the file: three header lines, then rows kk = 0 … max(N, hi) so that every
// measurement and every histogram value is written (0 beyond N in the count column and beyond hi
// in the histogram column); no rows before the first run. measurementsBox is the current value of
// the number-of-measurements box.
std::vector<std::string> ActivityResultsLines(std::int32_t measurementsBox, const ActivityRunData& data);

// Writes the file at path, replacing an older one only once the new one is whole; an I/O failure
// raises IoError and leaves the older file as it was.
void SaveActivityResults(const std::string& path, std::int32_t measurementsBox, const ActivityRunData& data);

}  // namespace noyalis::activity
