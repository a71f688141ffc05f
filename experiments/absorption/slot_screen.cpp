#include "experiments/absorption/slot_screen.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/error_boundary.h"
#include "platform/spin_edit.h"
#include "platform/widgets.h"

namespace noyalis::absorption {

namespace {

constexpr int kButtonHeight = 25;  // [px]

}  // namespace

SlotScreen::SlotScreen(QWidget* parent, const SlotScreenLayout& layout, PoissonDraw draw)
    : ScreenBase(parent, layout.objectName), layout_(layout), series_(draw) {
  const SpinRange& n = layout.measurements;
  const SpinRange& t = layout.countingTime;
  SpinEdit1 = new platform::SpinEdit(this, "SpinEdit1", n.minimum, n.maximum, n.step, n.value);
  SpinEdit2 = new platform::SpinEdit(this, "SpinEdit2", t.minimum, t.maximum, t.step, t.value);
  for (std::size_t k = 0; k < layout.controls.size(); ++k) {
    const SlotControls& c = layout.controls[k];
    const int x = layout.left + static_cast<int>(k) * layout.pitch;
    QPushButton* button = platform::MakeButton(this, c.button, QString::fromUtf8(c.caption), x,
                                               layout.buttonTop, layout.width, kButtonHeight);
    QLineEdit* mean = platform::MakeEdit(this, c.meanBox, x, layout.meanTop, layout.width);
    QLineEdit* deviation = platform::MakeEdit(this, c.deviationBox, x, layout.deviationTop, layout.width);
    platform::SetTextColour(mean, platform::kMeanBlue);
    platform::SetTextColour(deviation, platform::kDeviationFuchsia);
    mean->installEventFilter(this);
    const int slot = static_cast<int>(k);
    connect(button, &QPushButton::clicked, this, [this, slot] { ButtonClick(slot); });
    buttons_.push_back(button);
    means_.push_back(mean);
    deviations_.push_back(deviation);
  }
  seriesLocks_.disabled.assign(buttons_.begin(), buttons_.end());
}

void SlotScreen::resetSlots() {
  layout_.experiment.table().reset();
  for (int k = 0; k < static_cast<int>(buttons_.size()); ++k) emptySlotBoxes(k);
}

void SlotScreen::lockDuringSeries(std::initializer_list<QWidget*> controls) {
  seriesLocks_.disabled.insert(seriesLocks_.disabled.end(), controls);
}

void SlotScreen::emptySlotBoxes(int slot) {
  meanBox(slot)->setText(slot == 0 ? QString::fromUtf8(layout_.emptyFirstMean) : QString());
  deviationBox(slot)->clear();
}

void SlotScreen::EditChange(int slot) {
  if (isRunning()) return;
  platform::Guarded(this, [&] {
    layout_.experiment.table().erase(slot);
    emptySlotBoxes(slot);
  });
}

bool SlotScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (std::size_t k = 0; k < means_.size(); ++k)
      if (watched == means_[k]) {
        EditChange(static_cast<int>(k));
        return true;
      }
  }
  return ScreenBase::eventFilter(watched, event);
}

// Leaving during a series ends it: nothing is stored and the screen closes once it has stopped.
void SlotScreen::ButtonClick(int slot) {
  runExclusive(seriesLocks_, [&] { ActiviteClick(slot); });
}

// One series at the slot; the boxes of the slot stay empty while it runs.
void SlotScreen::ActiviteClick(int slot) {
  emptySlotBoxes(slot);
  layout_.experiment.table().erase(slot);
  seriesStarted();
  pump().yieldStage();
  if (pump().stopRequested()) return;

  const ItemObserver progress = [this](std::int32_t i, long double total) { seriesProgress(i, total); };
  const std::optional<SeriesResult> r = MeasureSlot(layout_.experiment, slot, SpinEdit1->Value(),
                                                    SpinEdit2->Value(), series_, pump(), progress);
  if (!r) return;
  meanBox(slot)->setText(platform::FixedText(r->mean, layout_.meanDecimals));
  deviationBox(slot)->setText(platform::FixedText(r->deviation, layout_.deviationDecimals));
  seriesEnded(*r);
}

}  // namespace noyalis::absorption
