#pragma once
// The results of a slot screen: one column per slot (an absorber or a distance) holding its
// thickness or distance, the mean count and the standard deviation of its last series.
#include <cstdint>
#include <vector>

namespace noyalis::absorption {

struct SlotColumn {
  long double position = 0;   // thickness [mm] or distance [m]
  long double mean = 0;       // [counts]; 0 when not measured
  long double deviation = 0;  // [counts]
  bool measured = false;      // a series completed; its mean may be 0 (every count 0)
};

class SlotTable {
 public:
  explicit SlotTable(int slots);

  int size() const { return static_cast<int>(columns_.size()); }
  // Column k (0 … size − 1); another k raises RangeError.
  const SlotColumn& operator[](int k) const;

  // Every column to 0, not measured.
  void reset();
  // Deletes the series of slot k: mean and deviation 0, not measured; the position stays.
  void erase(int k);
  // Stores the series of slot k.
  void store(int k, long double position, long double mean, long double deviation);

  bool measured(int k) const { return (*this)[k].measured; }
  // Slot k has a measured mean above 0, so ln(mean / N0) exists.
  bool hasLogarithm(int k) const { return measured(k) && (*this)[k].mean > 0; }

 private:
  SlotColumn& at(int k);
  std::vector<SlotColumn> columns_;
};

// The process-wide tables of the three screens (13 aluminium slots, 5 lead slots, 5 distances):
// they outlive the screens and each screen zeroes its own when it opens.
SlotTable& AbsorptionTable();
SlotTable& LeadAbsorptionTable();
SlotTable& DistanceTable();

}  // namespace noyalis::absorption
