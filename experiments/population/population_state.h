#pragma once
// The state of the population experiment: the lattice, the isotope table, the chosen isotope and
// time unit, the step probability and the history of the last run. It is process-wide: the
// history outlives the screen.
#include <cstdint>
#include <string>
#include <vector>

#include "experiments/population/atom_table.h"
#include "experiments/population/population_constants.h"

namespace noyalis::population {

struct PopulationState {
  PopulationState();

  // Cell (i, j), 0 … 200 each: 1 radioactive, 0 decayed; i is the horizontal position. An index
  // outside 0 … 200 raises RangeError.
  std::int32_t& cell(std::int32_t i, std::int32_t j);
  std::vector<std::int32_t> NucleusCells;  // (i, j) at i × 201 + j

  AtomTable atoms;                // the AtomTable
  std::int32_t NewAtomRow = 2;    // the row after the list, whose λ the user types
  std::int32_t selectedAtom = 1;  // 1 … 200
  std::int32_t selectedUnit = 1;  // 1 … 10
  std::int32_t side = kDefaultSide;
  std::int32_t alive = kDefaultSide * kDefaultSide;  // radioactive nuclei; N² outside a run

  double lambdaInUse = 0;      // λ of the selected row, in double precision [1/s]
  long double unitLength = 0;  // [s]
  long double StepProbability = 0;

  // N(t) and ΔN(t) of the last run, t = 0 … 4000, and the last step it ran (−1 before any run).
  std::vector<long double> PopulationCurve;
  std::vector<long double> DecaysPerStep;
  std::int32_t lastStep = -1;
  // The last run's unit name and isotope label, as the screen showed them when it started.
  std::string runUnitName;
  std::string runIsotopeLabel;
};

// The one state of the process.
PopulationState& Population();

// Recomputes λ in use, the unit length (for a unit 1 … 10; any other leaves it) and the step
// probability p = unit length × λ in use, the linear approximation, not clamped to 1.
void UpdateStepProbability(PopulationState& state);

// Row 1 from its grid text (symbol, mass, λ in the grid's four-digit form), rows 2 … 200 empty and
// NewAtomRow 2, so that no earlier list leaves anything behind.
void ResetAtomTable(PopulationState& state);

// Puts the list's entries into rows 2 onward and sets NewAtomRow after them (at most 199 entries,
// more raise RangeError).
void SetIsotopeList(PopulationState& state, const std::vector<AtomRow>& entries);

// The isotope label of a row: "Cs 137" for row 1, else symbol, a blank and the mass when the row
// holds an isotope, and a single blank for an empty row.
std::string IsotopeLabel(const PopulationState& state, std::int32_t row);

}  // namespace noyalis::population
