#pragma once
// The export file of the last run, for a spreadsheet: the unit, the isotope with the nuclei left,
// then N(t) and ΔN(t) for each step the run made.
#include <cstdint>
#include <string>
#include <vector>

#include "experiments/population/population_state.h"
#include "kernel/date_time.h"

namespace noyalis::population {

// "yymmdd_hh_nn_ss_reseau.txt" for the moment of the export, with a 24-hour time.
std::string PopulationExportFileName(const kernel::LocalDateTime& when);

// What the first two lines name when no run has been made yet in this process.
struct ExportHeader {
  std::string unitName;
  std::string isotopeLabel;
  std::int32_t alive = 0;
};

// The lines of the file: the unit name, the isotope label with the alive count, the column header,
// then t = 0 … the last step run with N(t) and ΔN(t) in the 23-character form (ΔN(0) = 0). After a
// run the first two lines are the run's own; before any run they come from idle and no row follows.
std::vector<std::string> PopulationExportLines(const PopulationState& state, const ExportHeader& idle);

// Writes the file at path, replacing an older one only once the new one is whole; an I/O failure
// raises IoError, leaves the older file as it was and changes nothing in the state.
void SavePopulationExport(const std::string& path, const PopulationState& state, const ExportHeader& idle);

// The message for a clicked curve point: " t = 5 années  N = 97   ( No = 100 )    ". The unit name
// is put in the plural with an "s", except units 8 … 10 whose names are plural already.
std::string CurvePointMessage(long double t, const std::string& unitName, std::int32_t unit, long double n,
                              long double n0);

}  // namespace noyalis::population
