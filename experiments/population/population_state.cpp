#include "experiments/population/population_state.h"

#include "kernel/checked.h"

namespace noyalis::population {

namespace {
constexpr std::int32_t kCellStride = kCellIndexMax + 1;
}  // namespace

PopulationState::PopulationState()
    : NucleusCells(kCellStride * kCellStride, 0),
      PopulationCurve(kHistoryMax + 1, 0),
      DecaysPerStep(kHistoryMax + 1, 0) {
  ResetAtomTable(*this);
  UpdateStepProbability(*this);
}

std::int32_t& PopulationState::cell(std::int32_t i, std::int32_t j) {
  if (i < 0 || i > kCellIndexMax || j < 0 || j > kCellIndexMax)
    throw kernel::RangeError("Range check error: cell (" + std::to_string(i) + ", " + std::to_string(j) +
                             ") outside 0..200");
  return NucleusCells[static_cast<std::size_t>(i * kCellStride + j)];
}

PopulationState& Population() {
  static PopulationState state;
  return state;
}

void UpdateStepProbability(PopulationState& state) {
  state.lambdaInUse = static_cast<double>(
      kernel::checkedAt(std::span<const AtomRow>(state.atoms), state.selectedAtom).lambda);
  if (state.selectedUnit >= 1 && state.selectedUnit <= kUnitCount)
    state.unitLength = kUnitLengths[state.selectedUnit];
  state.StepProbability = state.unitLength * static_cast<long double>(state.lambdaInUse);
}

void ResetAtomTable(PopulationState& state) {
  for (AtomRow& row : state.atoms) row = AtomRow{};
  // Row 1 enters the table through the grid's four-digit text, like every row the user sees.
  state.atoms[1] = {kCaesiumSymbol, kCaesiumMass, *ParseDecimalReal(LambdaGridText(kCaesiumLambda, '.'))};
  state.NewAtomRow = 2;
}

void SetIsotopeList(PopulationState& state, const std::vector<AtomRow>& entries) {
  if (entries.size() > static_cast<std::size_t>(kMaxListEntries))
    throw kernel::RangeError("Range check error: more than 199 isotopes");
  for (std::size_t k = 0; k < entries.size(); ++k) state.atoms[k + 2] = entries[k];
  state.NewAtomRow = static_cast<std::int32_t>(entries.size()) + 2;
}

std::string IsotopeLabel(const PopulationState& state, std::int32_t row) {
  if (row == 1) return kCaesiumLabel;
  const AtomRow& atom = kernel::checkedAt(std::span<const AtomRow>(state.atoms), row);
  if (row < 2 || row >= state.NewAtomRow) return " ";  // the grid shows no text there
  return atom.symbol + " " + std::to_string(atom.mass);
}

}  // namespace noyalis::population
