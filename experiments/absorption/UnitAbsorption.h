#pragma once
// The beta-absorption screen: thirteen aluminium absorbers, each measured in a series of counts
// (beta and gamma rays), the absorption curve ln(N / N0) with its error bars and smoothed curve,
// and the beta-only points with the line through the origin fitted to them.
#include <array>

#include "experiments/absorption/slot_screen.h"

class QLabel;
class QPushButton;
class QCPGraph;

namespace noyalis::platform {
class Chart;
}

class TForm4 : public noyalis::absorption::SlotScreen {
  Q_OBJECT
 public:
  // draw is the Poisson sampler of the series (the PoissonTable one; tests pass their own).
  explicit TForm4(QWidget* parent = nullptr, noyalis::absorption::PoissonDraw draw = nullptr);

  // The language table, "N0" in the 0 mm box, the other boxes and the table emptied, the chart
  // shown empty, the warnings hidden.
  void Init();
  // βγ: the curve plot, or Memo1 when 0 mm is not measured (the chart then stays as it was).
  void Button14TraceClick();
  // β: the chart cleared, then the beta plot.
  void BitBtn6Click();
  // βγ β: as βγ, then the beta series cleared and the beta plot.
  void Button14TraceBetaClick();
  // Prints the screen.
  void BitBtn8Click();

 private:
  void TraceOrWarn();
  void Trace();
  void TraceBeta();
  void clearAllSeries();
  void redraw();

  QPushButton *BitBtn2, *BitBtn5, *BitBtn6, *BitBtn8, *BitBtn9;
  QLabel *Nb_de_mesures, *Label1, *Label11, *Label5, *Label8;
  QLabel *Memo1, *Memo2, *Memo3, *Memo4;
  noyalis::platform::Chart* Chart1;
  QCPGraph* Series1;                         // the measured points
  std::array<QCPGraph*, 13> errorSeries_{};  // Series2 … Series14: the k-th measured point's bar
  QCPGraph *Series15, *Series16, *Series17;  // smoothed curve, beta points, fitted line
};
