#pragma once
// The distance screen: the source at five distances from the counter, a series of counts at each
// with its running mean and total, and the mean count against 1/d² with error bars and the line
// through the origin fitted to it.
#include <array>

#include "experiments/absorption/slot_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QCPGraph;

namespace noyalis::platform {
class Chart;
}

class TForm6 : public noyalis::absorption::SlotScreen {
  Q_OBJECT
 public:
  // draw is the Poisson sampler of the series (the PoissonTable one; tests pass their own).
  explicit TForm6(QWidget* parent = nullptr, noyalis::absorption::PoissonDraw draw = nullptr);

  // The language table, every box and the table emptied, the chart shown empty.
  void Init();
  // β γ: the plot and its fit, or Memo1 with fewer than two distances (the chart stays as it was).
  void BitBtn5Click();
  // Prints the screen.
  void BitBtn8Click();

 protected:
  void seriesStarted() override;
  void seriesProgress(std::int32_t i, long double runningTotal) override;
  void seriesEnded(const noyalis::absorption::SeriesResult& result) override;

 private:
  void clearSeries();

  QPushButton *BitBtn2, *BitBtn5, *BitBtn8;
  QLabel *Label9, *Nb_de_mesures, *Label1, *Moyenne_, *Total, *EcartType, *Label11, *Label5, *Label8;
  QLabel *Label2, *Label6, *Memo1;
  QLineEdit *Edit2M, *Edit4T, *Edit3E;  // the current series: mean, total, deviation
  QLineEdit *Edit8, *Edit9;             // slope and r²
  noyalis::platform::Chart* Chart1;
  QCPGraph *Series1, *Series2;              // measured points, fitted line
  std::array<QCPGraph*, 5> errorSeries_{};  // Series3 … Series7: the k-th measured point's bar
};
