#pragma once
// The answer to "Gauss ou Poisson ?": a small window beside the activity histogram with Pearson's χ²
// of the last run against both laws, their degrees of freedom and p-values, what each test shows
// at 5 % and what p means.
#include <QDialog>

#include "experiments/counting_statistics/gauss_or_poisson.h"

class QLabel;
class QLineEdit;
class QPushButton;

class GaussOrPoissonWindow : public QDialog {
  Q_OBJECT
 public:
  // The answer shown in the language of languageCode, over parent.
  GaussOrPoissonWindow(const noyalis::counting_statistics::GaussOrPoissonAnswer& answer,
                       const QString& languageCode, QWidget* parent);

 private:
  void showFit(const noyalis::counting_statistics::LawFit& fit, QLabel* chiSquare, QLabel* classes,
               QLabel* freedom, QLabel* pValue);

  QLabel *Intro, *PoissonLaw, *GaussLaw;
  QLabel *ChiSquareCaption, *ChiSquarePoisson, *ChiSquareGauss;
  QLabel *ClassesCaption, *ClassesPoisson, *ClassesGauss;
  QLabel *FreedomCaption, *FreedomPoisson, *FreedomGauss;
  QLabel *PValueCaption, *PValuePoisson, *PValueGauss;
  QLabel *PoissonVerdict, *GaussVerdict, *PValueNote;
  QPushButton* CloseButton;
};

namespace noyalis::activity {

// Opens the answer for the last run on the question's screen, beside the histogram it judges (or
// brings back the one already open). Nothing while the screen runs.
GaussOrPoissonWindow* OpenGaussOrPoisson(QWidget* screen, const QWidget* histogram);
// A click on the question, or Enter or Space while it has the focus, opens the answer.
void OpenGaussOrPoissonOnClick(QLineEdit* question, const QWidget* histogram);

}  // namespace noyalis::activity
