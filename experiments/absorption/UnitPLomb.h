#pragma once
// The gamma-absorption screen: five lead plates behind 3 mm of aluminium, each measured in a
// series of counts, and ln(N / N0) against the lead thickness with error bars and the line
// through the origin fitted to it, with its slope and fit measure.
#include <array>

#include "experiments/absorption/slot_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QCPGraph;

namespace noyalis::platform {
class Chart;
}

class TForm5 : public noyalis::absorption::SlotScreen {
  Q_OBJECT
 public:
  // draw is the Poisson sampler of the series (the PoissonTable one; tests pass their own).
  explicit TForm5(QWidget* parent = nullptr, noyalis::absorption::PoissonDraw draw = nullptr);

  // The language table, every box and the table emptied, the chart shown empty.
  void Init();
  // γ: the plot and its fit, or Memo1 with the chart and results cleared.
  void Button14TraceClick();
  // Prints the screen.
  void ImpressionClick();

 private:
  void clearSeries();

  QPushButton *BitBtn2, *BitBtn3, *BitBtn5;
  QLabel *Label14, *Nb_de_mesures, *Label1, *Label6, *Label5, *Label13, *Label8;
  QLabel *Label11, *Label9, *Label10, *Memo1;
  QLineEdit *Edit6, *Edit7;  // slope a and fit measure d
  noyalis::platform::Chart* Chart1;
  QCPGraph *Series1, *Series2;              // measured points, fitted line
  std::array<QCPGraph*, 5> errorSeries_{};  // Series3 … Series7: the k-th measured point's bar
};
