#pragma once
// Pearson's χ² law: the p-value of a statistic, the critical value of a table, and the decision at
// the 5 % level that every test of the program shares.
namespace noyalis::counting_statistics {

// A hypothesis is rejected when its p-value is below this level.
inline constexpr long double kSignificanceLevel = 0.05L;

// What a test says: nothing (too little data), or the hypothesis rejected or not at 5 %. "Not
// rejected" is all a test can show: it never shows that a law holds.
enum class TestOutcome { NotTestable, NotRejected, Rejected };

// Rejected below kSignificanceLevel, not rejected from it on.
TestOutcome OutcomeOf(long double pValue);

// Upper-tail probability P(χ²(df) ≥ chiSquare); df ≥ 1.
long double ChiSquarePValue(long double chiSquare, int degreesOfFreedom);
// The value exceeded with probability upperTail by χ²(df): the critical value of a table.
long double ChiSquareCriticalValue(long double upperTail, int degreesOfFreedom);

}  // namespace noyalis::counting_statistics
