#pragma once
// The screen of a slot experiment: a row of slot buttons (absorbers or distances), each with its
// mean box and its standard-deviation box, and the two run parameters. A slot button deletes the
// slot, runs a series and stores its mean and deviation; a double-click on a mean box deletes the
// slot. What differs between the aluminium, lead and distance screens is data (SlotScreenLayout);
// their plots are their own.
#include <span>
#include <vector>

#include "experiments/absorption/counting_series.h"
#include "experiments/absorption/slot_experiment.h"
#include "platform/screen_base.h"

class QLineEdit;
class QPushButton;

namespace noyalis::platform {
class SpinEdit;
}

namespace noyalis::absorption {

// The system names and caption of one slot's controls.
struct SlotControls {
  const char* button;
  const char* caption;
  const char* meanBox;
  const char* deviationBox;
};

struct SpinRange {
  int minimum, maximum, step, value;
};

struct SlotScreenLayout {
  const char* objectName;  // the screen's system name
  const SlotExperiment& experiment;
  std::span<const SlotControls> controls;
  // The row of slots: left edge, width and pitch of a slot, tops of the three rows [px].
  int left, width, pitch, buttonTop, meanTop, deviationTop;
  int meanDecimals, deviationDecimals;
  const char* emptyFirstMean;  // what the first mean box shows when its slot is empty
  SpinRange measurements, countingTime;
};

class SlotScreen : public platform::ScreenBase {
  Q_OBJECT
 public:
  SlotScreen(QWidget* parent, const SlotScreenLayout& layout, PoissonDraw draw);

  // A slot button: deletes slot k, runs a series and stores it. Ignored during a series.
  void ButtonClick(int slot);
  // A double-click on mean box k: deletes slot k. Ignored during a series.
  void EditChange(int slot);

  const SlotTable& table() const { return layout_.experiment.table(); }

 protected:
  // Empties every slot's boxes and zeroes the table (the opening).
  void resetSlots();
  // Controls that stay disabled while a series runs (plot buttons, Page).
  void lockDuringSeries(std::initializer_list<QWidget*> controls);

  // Hooks of a series: its start (boxes of the slot emptied), its progress (the running total after
  // every count) and its end.
  virtual void seriesStarted() {}
  virtual void seriesProgress(std::int32_t /*i*/, long double /*runningTotal*/) {}
  virtual void seriesEnded(const SeriesResult& /*result*/) {}

  QPushButton* slotButton(int slot) const { return buttons_.at(static_cast<std::size_t>(slot)); }
  QLineEdit* meanBox(int slot) const { return means_.at(static_cast<std::size_t>(slot)); }
  QLineEdit* deviationBox(int slot) const { return deviations_.at(static_cast<std::size_t>(slot)); }

  bool eventFilter(QObject* watched, QEvent* event) override;

  platform::SpinEdit* SpinEdit1;  // measurements in a series
  platform::SpinEdit* SpinEdit2;  // counting time of one measurement [ms]

 private:
  void emptySlotBoxes(int slot);
  void ActiviteClick(int slot);

  SlotScreenLayout layout_;
  CountingSeries series_;
  std::vector<QPushButton*> buttons_;
  std::vector<QLineEdit*> means_, deviations_;
  RunLocks seriesLocks_;  // the slot buttons and the controls lockDuringSeries() names
};

}  // namespace noyalis::absorption
