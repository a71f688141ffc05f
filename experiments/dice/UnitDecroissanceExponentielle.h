#pragma once
// The dice screen: a population of dice thrown until none is left, every die showing face 1 taken
// out; the throw table, the decay graphs and the time constant fitted to the logarithm.
#include <functional>

#include "experiments/dice/dice_seed.h"
#include "platform/screen_base.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;
class QCPGraph;

namespace noyalis::platform {
class Chart;
class RadioGroup;
class SpinEdit;
}  // namespace noyalis::platform

class Tform100 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit Tform100(QWidget* parent = nullptr);

  // Opening steps: key preview, then Init.
  void Init0();
  // The language table, the seed box hidden, the focus on "Tout".
  void Init();
  // "Tout": throws until no die is left (at most 20 000 throws).
  void BitBtn1Click();
  // "1 jet": replays the sequence from its seed with one throw more.
  void BitBtn5Click();
  // "r.a.z.", and the dice-count or faces box left: the step-by-step sequence starts again.
  void BitBtn6Click();
  // A click on the generator choice.
  void RadioGroup2Exit();
  // Clears every graph series.
  void Button4Click();
  // Fills the throw table from the last run.
  void tableau();
  // Draws both graphs of the last run and fits the line to the logarithms.
  void Button4GraphClick();
  // Prints the screen.
  void BitBtn3Click();
  // The return button; during a run the screen closes once the run has stopped.
  void BitBtn4Click();

  // The seed and step-by-step state (the tests read it).
  const noyalis::dice::DiceSequence& sequence() const { return sequence_; }

 protected:
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

 private:
  void runGuarded(const std::function<void()>& run);
  void Tout();
  void UnJet();
  void readSeed();
  void showSeed();
  void setSeedBoxVisible();
  void startDisplay();
  bool throwAndShow(std::uint32_t seed, std::int32_t throws);

  noyalis::dice::DiceSequence sequence_;

  QPushButton *BitBtn1, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6;
  QLabel *Label1, *Label2, *Label5, *Label6, *Label7nbj, *Label9, *Label11, *Label24, *Label29, *Label36,
      *Label37, *Label38, *Label40, *Label45, *StaticText1;
  noyalis::platform::SpinEdit *SpinEdit1, *SpinEdit3, *SpinEdit8;
  noyalis::platform::RadioGroup* RadioGroup2;
  QTableWidget* StringGrid1;
  QFrame *ExponentialKey, *BinomialKey;  // the hand-made legend's marks
  noyalis::platform::Chart *Chart1, *Chart2;
  QCPGraph *Series1, *Series4, *Series5, *Series2, *Series6;
};
