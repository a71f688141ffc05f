#pragma once
// The population screen: a lattice of nuclei of a chosen isotope decaying step by step, with its
// decay curve in linear or semi-logarithmic form, the isotope and time-unit grids, an own decay
// constant, the export file and the screen print.
#include <optional>

#include "experiments/population/decay_run.h"
#include "platform/screen_base.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace noyalis::population {
class StringGrid;
}
class QCPGraph;
class QCPAbstractPlottable;

namespace noyalis::platform {
class Chart;
class RadioGroup;
class SpinEdit;
}  // namespace noyalis::platform

class TForm8 : public noyalis::platform::ScreenBase, private noyalis::population::RunObserver {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  // Where the installed isotope list lies (tests); an empty path restores the program's own.
  static void setInstalledIsotopeList(const QString& path);
  // Seams of the run (tests): set the generator after the clock reseed, shorten the pause.
  void setRunSeams(noyalis::population::RunSeams seams) { seams_ = std::move(seams); }

  // Opening: the language table and the key preview, then init.
  void init0();
  // The grids, the isotope list, the curve's first point and the full lattice.
  void init();
  // The start button: one decay run.
  void Button1Click();
  // Mouse released on the isotope grid (row under the pointer).
  void StringGrid1MouseUp(int row);
  // Focus left the λ entry of NewAtomRow.
  void Edit7Exit();
  // Mouse released on the unit grid (row under the pointer).
  void StringGrid2MouseUp(int row);
  // λ, unit length and p, then the three unit labels.
  void maj();
  // The plot choice: linear or semi-log curve, reset to its first point.
  void RadioGroup1Click();
  void SpinEdit3Change();
  void SpinEdit3Exit();
  // A click on a curve point; the right button shows the point's message.
  void Chart2ClickSeries(QCPAbstractPlottable* series, double t, double n, Qt::MouseButton button);
  void BitBtn7Click();
  void ImpressionClick();
  void FinClick();

 protected:
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

 private:
  void runStarted(std::int32_t side, std::int32_t duration) override;
  void nucleusDecayed(std::int32_t i, std::int32_t j) override;
  void stepDone(std::int32_t t, std::int32_t alive) override;
  void click() override;

  void fillUnitGrid();
  void fillAtomGrid();
  void readIsotopeList();
  void drawFullLattice(std::int32_t side);
  void setCountFields(const QString& text);
  // Both curves over steps 0 … duration; the linear one from 0, the semi-log one from 0.5, up to N².
  void setCurveRanges(std::int32_t duration, double n0);
  void resetCurves();
  QString unitName() const;
  // The chosen time unit on its captions and in the curves' axis titles.
  void showUnit(const QString& name);
  // The λ entry refused (drawn struck out, a value no run uses), or not.
  void setLambdaRefused(const std::optional<QString>& text);
  void showLambdaInUse();

  noyalis::population::RunSeams seams_;
  std::optional<QString> refusedText_;  // the λ entry refused and told, until it is edited

  QLabel *Label12, *Label2, *Label3, *Label11, *Label14, *Label15, *Taille;
  QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn7;
  noyalis::platform::Chart *Chart1, *Chart2, *Chart3;
  QCPGraph *Series1, *Series2, *Series3, *Series4;
  QLineEdit *Edit3, *Edit7, *Edit11, *Edit12;
  noyalis::population::StringGrid *StringGrid1, *StringGrid2;
  noyalis::platform::SpinEdit *SpinEdit2, *SpinEdit3;
  noyalis::platform::RadioGroup *RadioGroup1, *RadioGroup2;
};
