#pragma once
// The population experiment's fixed quantities, with their units.
#include <array>
#include <cstdint>

namespace noyalis::population {

// Lattice side N [nuclei per row]: the lattice holds N × N nuclei.
inline constexpr std::int32_t kMinSide = 5;
inline constexpr std::int32_t kMaxSide = 100;
inline constexpr std::int32_t kDefaultSide = 10;
// The cell array spans indices 0 … 200 in both directions; a run uses 1 … N.
inline constexpr std::int32_t kCellIndexMax = 200;

// Duration D of a run [steps].
inline constexpr std::int32_t kMinDuration = 10;
inline constexpr std::int32_t kMaxDuration = 1000;
inline constexpr std::int32_t kDefaultDuration = 100;
// The history holds steps 0 … 4000.
inline constexpr std::int32_t kHistoryMax = 4000;

// The isotope table: row 0 is the grid's header row, row 1 caesium-137, rows 2 … 200 the list.
inline constexpr std::int32_t kAtomRowMax = 200;
inline constexpr std::int32_t kMaxListEntries = kAtomRowMax - 1;
// Caesium-137 (half-life 30.15 years) [1/s]; the table keeps the grid's four-digit form of it.
inline constexpr long double kCaesiumLambda = 7.28528E-10L;
inline constexpr const char* kCaesiumSymbol = "Cs";
inline constexpr std::int32_t kCaesiumMass = 137;
// The isotope label of row 1.
inline constexpr const char* kCaesiumLabel = "Cs 137";

// The ten time units, index 1 … 10 [s]; a year is 365.24 days.
inline constexpr std::int32_t kUnitCount = 10;
inline constexpr std::array<long double, kUnitCount + 1> kUnitLengths = {0,
                                                                         31'556'736.0L,
                                                                         1.0L,
                                                                         60.0L,
                                                                         3'600.0L,
                                                                         86'400.0L,
                                                                         3'155'673'600.0L,
                                                                         31'556'736'000.0L,
                                                                         315'567'360'000.0L,
                                                                         3.1556736E13L,
                                                                         3.1556736E16L};
// Units 8, 9 and 10 have names that are already plural.
inline constexpr std::int32_t kFirstPluralUnit = 8;

// Each step pauses [ms] so that the decay can be watched.
inline constexpr int kStepPauseMs = 100;
// The counter's click, made in a step with decays on lattices of at most 10 × 10.
inline constexpr std::int32_t kClickFrequencyHz = 1000;
inline constexpr std::int32_t kClickDurationMs = 20;
inline constexpr std::int32_t kClickVolume = 50;
inline constexpr std::int32_t kMaxSideWithSound = 10;
// The click's 2π, the decimal 6.283185307179586, a little below the activity tone's 8 · arctan 1:
// the samples are truncated, so each sound keeps the 2π it was made with.
inline constexpr long double kClickTwoPi = 6.283185307179586L;

// The isotope list's file name, in the working directory or installed with the program.
inline constexpr const char* kIsotopeListName = "radliste02.txt";

}  // namespace noyalis::population
