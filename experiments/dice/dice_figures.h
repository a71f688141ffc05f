#pragma once
// The texts the dice screen builds from a run: the summary figures, the legend of the exponential
// and the entries of the throw table. They are French in every interface language.
#include <cstdint>
#include <string>

namespace noyalis::dice {

// A count in decimal with at most two group spaces: one before the last three digits when there
// are more than three, then one before the three digits before them when the text is longer than
// seven characters (1234567 → "1 234 567", 1234567890 → "1234 567 890").
std::string GroupedCount(std::int64_t count);

// "moyenne des tirs = " and the mean of the faces with 3 decimals.
std::string MeanFaceText(long double mean, char decimalSeparator);
// "Nb de dés utilisés = " and the grouped count of dice thrown.
std::string DiceThrownText(std::int64_t thrown);
// The exponential's legend for nf faces: "y = Nb dés exp(-t/6)".
std::string ExponentialLegend(std::int32_t faces);
// A throw table entry: the throw number, "  :  ", the dice left ("0  :  20").
std::string TableEntry(std::int32_t throwNumber, std::int32_t diceLeft);

// The first throw number of the throw table: the largest multiple of 10 strictly below the first
// throw shown, at least 1 (1 → 0, 10 → 0, 20 → 10).
std::int32_t TableStart(std::int32_t firstThrow);
// Rows of the throw table for a run whose last throw with dice left is lastThrow.
std::int32_t TableRows(std::int32_t lastThrow);

// The regression texts: "tau = " −1/slope with 3 decimals; "Régression linéaire y = " slope with
// 6 decimals, " x + ", intercept with 3; "Coeff. de corrélation = " r with 5 decimals.
std::string TauText(long double slope, char decimalSeparator);
std::string RegressionText(long double slope, long double intercept, char decimalSeparator);
std::string CorrelationText(long double r, char decimalSeparator);
// The regression label before any fit, and when a run gives no line to fit.
std::string RegressionPlaceholder();
std::string NoRegressionText();

}  // namespace noyalis::dice
