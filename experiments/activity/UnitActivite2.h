#pragma once
// The activity screen: n counts over a counting time at one of five distances, their histogram
// against the Poisson and Gauss laws, in simulation or in real time.
#include <array>

#include "experiments/activity/activity_limits.h"
#include "experiments/activity/activity_run.h"
#include "platform/screen_base.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QCPBars;
class QCPGraph;

namespace noyalis::platform {
class Chart;
class RadioGroup;
class SpinEdit;
}  // namespace noyalis::platform

class Tform11 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit Tform11(QWidget* parent = nullptr);

  // Opening steps (also run by the stop key): key preview, then Init.
  void Init0();
  // The language table, then the result edits and the chart cleared.
  void Init();
  // The start button: a simulation or a real-time run, as RadioGroup2 says.
  void BitBtn1Click();
  void ActiviteClick();
  void ActiviteClickTR();
  // Shows or hides the chart over the histogram table.
  void Button2Click();
  // The return button; during a run the screen closes once the run has stopped.
  void FinClick();
  // Saves the last run to the results file.
  void BitBtn7Click();
  // Prints the screen.
  void BitBtn11Click();

 protected:
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

 private:
  void startRun();
  noyalis::activity::RunSize applyLimits(bool realTime);
  bool drawCounts(noyalis::activity::RunSize size);
  void TraceTempsReel(const noyalis::activity::RealTimeReveal& reveal, int countingTimeMs);
  void endOfRun(noyalis::activity::CountSums sums);
  // Edit6 as wide as its question in the screen's language.
  void fitQuestion();
  void clearResultEdits();
  void clearSeries();
  void setRealTimeCountersVisible(bool visible);

  QPushButton *BitBtn1, *BitBtn2, *BitBtn7, *BitBtn11, *Button2;
  QLabel *Nb_de_mesures, *Moyenne_, *Total, *EcartType, *Label1, *Label3, *Label5, *Label6, *Label7, *Reste_;
  noyalis::platform::SpinEdit *SpinEdit1, *SpinEdit2;
  noyalis::platform::RadioGroup *RadioGroup1, *RadioGroup2;
  QLineEdit *Edit2M, *Edit4T, *Edit3E, *Edit4th, *Edit5, *Edit52, *Edit1C, *Edit6;
  QFrame* Shape1;
  std::array<QLineEdit*, noyalis::activity::kLastCounts> lastCountEdits_;  // Edit8 … Edit17
  std::array<QLineEdit*, noyalis::activity::kTableSize> tableEdits_;       // Edit18 … Edit49
  noyalis::platform::Chart* Chart1;
  QCPBars* Series1;
  QCPGraph* Series2;
  QCPGraph* Series3;
};
