#include "experiments/absorption/slot_table.h"

#include <span>

#include "experiments/absorption/absorption_constants.h"
#include "kernel/checked.h"

namespace noyalis::absorption {

SlotTable::SlotTable(int slots) : columns_(static_cast<std::size_t>(slots)) {}

const SlotColumn& SlotTable::operator[](int k) const {
  return kernel::checkedAt(std::span<const SlotColumn>(columns_), k);
}

SlotColumn& SlotTable::at(int k) {
  return kernel::checkedAt(std::span<SlotColumn>(columns_), k);
}

void SlotTable::reset() {
  for (SlotColumn& c : columns_) c = SlotColumn{};
}

void SlotTable::erase(int k) {
  SlotColumn& c = at(k);
  c.mean = 0;
  c.deviation = 0;
  c.measured = false;
}

void SlotTable::store(int k, long double position, long double mean, long double deviation) {
  at(k) = SlotColumn{position, mean, deviation, true};
}

SlotTable& AbsorptionTable() {
  static SlotTable table(static_cast<int>(beta::kThicknessMm.size()));
  return table;
}

SlotTable& LeadAbsorptionTable() {
  static SlotTable table(static_cast<int>(lead::kThicknessMm.size()));
  return table;
}

SlotTable& DistanceTable() {
  static SlotTable table(static_cast<int>(distance::kDistanceM.size()));
  return table;
}

}  // namespace noyalis::absorption
