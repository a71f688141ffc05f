#include "experiments/dice/dice_figures.h"

#include "experiments/dice/dice_constants.h"
#include "kernel/checked.h"
#include "kernel/number_format.h"

namespace noyalis::dice {

std::string GroupedCount(std::int64_t count) {
  std::string text = std::to_string(count);
  if (text.size() > 3) text.insert(text.size() - 3, " ");
  if (text.size() > 7) text.insert(text.size() - 7, " ");
  return text;
}

std::string MeanFaceText(long double mean, char decimalSeparator) {
  return "moyenne des tirs = " + kernel::FormatFixed(mean, 3, decimalSeparator);
}

std::string DiceThrownText(std::int64_t thrown) {
  return "Nb de dés utilisés = " + GroupedCount(thrown);
}

std::string ExponentialLegend(std::int32_t faces) {
  return "y = Nb dés exp(-t/" + std::to_string(faces) + ")";
}

std::string TableEntry(std::int32_t throwNumber, std::int32_t diceLeft) {
  return std::to_string(throwNumber) + "  :  " + std::to_string(diceLeft);
}

std::int32_t TableStart(std::int32_t firstThrow) {
  return (firstThrow - 1) / kTableColumns * kTableColumns;
}

std::int32_t TableRows(std::int32_t lastThrow) {
  return lastThrow / kTableColumns + 2;
}

std::string TauText(long double slope, char decimalSeparator) {
  return "tau = " + kernel::FormatFixed(kernel::checkedReal(-1 / slope, "tau"), 3, decimalSeparator);
}

std::string RegressionText(long double slope, long double intercept, char decimalSeparator) {
  return "Régression linéaire y = " + kernel::FormatFixed(slope, 6, decimalSeparator) + " x + " +
         kernel::FormatFixed(intercept, 3, decimalSeparator);
}

std::string CorrelationText(long double r, char decimalSeparator) {
  return "Coeff. de corrélation = " + kernel::FormatFixed(r, 5, decimalSeparator);
}

std::string RegressionPlaceholder() {
  return "Régression linéaire y = a x + b";
}

std::string NoRegressionText() {
  return "Régression linéaire impossible : ln N constant";
}

}  // namespace noyalis::dice
