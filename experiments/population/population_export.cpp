#include "experiments/population/population_export.h"

#include <cstdio>

#include "kernel/number_format.h"
#include "kernel/text_file.h"

namespace noyalis::population {

namespace {

// General form with up to 8 significant digits (5 → "5", 1234.5 → "1234.5").
std::string General8(long double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.8LG", v);
  return buffer;
}

}  // namespace

std::string PopulationExportFileName(const kernel::LocalDateTime& when) {
  return kernel::FormatDateTime("yymmdd", when) + "_" + kernel::FormatDateTime("hh_nn_ss", when) +
         "_reseau.txt";
}

std::vector<std::string> PopulationExportLines(const PopulationState& state, const ExportHeader& idle) {
  const bool ran = state.lastStep >= 0;
  std::vector<std::string> lines;
  lines.reserve(3 + static_cast<std::size_t>(state.lastStep + 1));
  lines.push_back(ran ? state.runUnitName : idle.unitName);
  lines.push_back((ran ? state.runIsotopeLabel : idle.isotopeLabel) + " ;  reste = ; " +
                  std::to_string(ran ? state.alive : idle.alive));
  lines.push_back(std::string(" t ") + "        ;     " + " n " + "   ;      " + " delta n ");
  for (std::int32_t t = 0; t <= state.lastStep; ++t) {
    const long double delta = t == 0 ? 0.0L : state.DecaysPerStep[t];
    lines.push_back(std::to_string(t) + " ; " + kernel::FormatScientific23(state.PopulationCurve[t]) + " ; " +
                    kernel::FormatScientific23(delta));
  }
  return lines;
}

void SavePopulationExport(const std::string& path, const PopulationState& state, const ExportHeader& idle) {
  kernel::WriteTextFile(path, PopulationExportLines(state, idle));
}

std::string CurvePointMessage(long double t, const std::string& unitName, std::int32_t unit, long double n,
                              long double n0) {
  const char* plural = unit >= kFirstPluralUnit ? "  N = " : "s  N = ";
  return " t = " + General8(t) + " " + unitName + plural + General8(n) + "   ( No = " + General8(n0) +
         " )    ";
}

}  // namespace noyalis::population
