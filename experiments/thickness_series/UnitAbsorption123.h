#pragma once
// The thickness-series screen: a class of S students each measure n counts behind 1, 2 and 3 mm of
// aluminium; the screen tallies the orders of their three series means and shows how long such a
// class experiment would really take.
#include <array>
#include <memory>

#include "experiments/thickness_series/order_tally.h"
#include "experiments/thickness_series/thickness_series_run.h"
#include "platform/screen_base.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace noyalis::platform {
class Picture;
class SpinEdit;
}  // namespace noyalis::platform

class TForm7 : public noyalis::platform::ScreenBase {
  Q_OBJECT
 public:
  explicit TForm7(QWidget* parent = nullptr);

  // The language table, the focus on the return button and the mean boxes emptied.
  void Init();
  // The start button: one class experiment. A click during a run is ignored.
  void BitBtn1Click();
  // The return button; during a run the screen closes once the run has stopped.
  void BitBtn2Click();

  // Where the counts come from (the kernel's Poisson table by default); tests script them here.
  void setCountDraw(noyalis::thickness_series::CountDraw draw) { countDraw_ = std::move(draw); }

 private:
  void Depart();
  void clearResults();
  void showRows(const noyalis::thickness_series::OrderTally& tally);

  noyalis::thickness_series::CountDraw countDraw_;
  std::unique_ptr<noyalis::thickness_series::SeriesRunData> data_;

  QLabel *Label7, *Nb_de_mesures, *Label1, *Label26, *Label4, *Label6, *Label11, *Label18;
  noyalis::platform::Picture* Image3;
  noyalis::platform::SpinEdit *SpinEdit1, *SpinEdit2, *SpinEdit3;
  QLineEdit *Edit5, *Edit1, *Edit2, *Edit3, *Edit4, *Edit6;
  QPushButton *BitBtn1, *BitBtn2, *Button10, *Button11, *Button12;
  QLineEdit *Edit10, *Edit11, *Edit12;  // mean count behind 1, 2 and 3 mm
  // Per order row (1 … 6, top to bottom): its labels and boxes.
  struct OrderRowControls {
    QLabel* left;      // smallest to largest
    QLineEdit* count;  // series counted
    QLineEdit* share;  // count / S
    QLabel* right;     // largest to smallest
  };
  std::array<OrderRowControls, noyalis::thickness_series::kOrderRows> rows_{};
};
