#pragma once
// The time-interval screen: N intervals between successive decays, with or without the counter's
// dead time, their list, their histogram and the ln of the measured probability of no decay with
// its fitted line.
#include "experiments/intervals/interval_run.h"
#include "platform/screen_base.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QCPBars;
class QCPGraph;

namespace noyalis::platform {
class Chart;
class RadioGroup;
class SpinEdit;
}  // namespace noyalis::platform

class TForm2 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  // Opening steps: the language table, round-to-nearest, the focus on "Calcul".
  void Init();
  // "Calcul": one whole run; ignored while a run is in progress.
  void BitBtn1Click();
  // The run itself, from the hidden "Calcul" to the time slices.
  void Calcul();
  // Prints the list of intervals alone on a page; ignored during a run.
  void BitBtn11Click();
  // Writes the results file of the last run; ignored during a run.
  void Sauve();
  // The return button; during a run the screen closes once the run has stopped after its current
  // stage, and the run record is left empty rather than half-done.
  void FinClick();

 private:
  void buildTopRows();
  void buildCharts();
  void clearResults();
  // Lets the event loop run between two stages of the run; false, with the run record emptied,
  // once a stop was asked.
  bool stageDone();
  void showNumbers(const noyalis::intervals::IntervalRunData& data);
  void drawFit(const noyalis::intervals::IntervalRunData& data);

  noyalis::intervals::IntervalCharts charts_;  // reused from run to run

  QPushButton *BitBtn1, *BitBtn2, *BitBtn4, *BitBtn11;
  noyalis::platform::RadioGroup *RadioGroup1, *RadioGroup2;
  noyalis::platform::SpinEdit *SpinEdit1, *SpinEdit3;
  QLabel *Nb_de_mesures, *Label25, *MoyenneI, *mini, *Recapitulation, *Label3, *Label4, *Label11, *Label24,
      *Label31;
  QLineEdit *Edit9, *Edit1min, *EditRecap, *Edit4, *Edit12, *Edit1, *Edit3;
  noyalis::platform::Chart *Chart1, *Chart2, *Chart3;
  QCPGraph* Series1;  // the list of intervals (Chart2)
  QCPBars* Series2;   // the histogram (Chart1)
  QCPGraph* Series3;  // ln of the non-decay fraction (Chart3)
  QCPGraph* Series4;  // its fitted line (Chart3)
};
