#pragma once
// The dice experiment's fixed quantities, with their units.
#include <cstdint>

namespace noyalis::dice {

// Number of dice N0 [dice].
inline constexpr std::int32_t kMinDice = 2;
inline constexpr std::int32_t kMaxDice = 1'000'000;
inline constexpr std::int32_t kDefaultDice = 20;

// Number of faces nf; a die showing face 1 is taken out, so the time constant is about nf throws.
inline constexpr std::int32_t kMinFaces = 2;
inline constexpr std::int32_t kMaxFaces = 500;
inline constexpr std::int32_t kDefaultFaces = 6;
inline constexpr std::int32_t kRemovingFace = 1;

// The seed the generator is set to before every run.
inline constexpr std::int64_t kMinSeed = 1;
inline constexpr std::int64_t kMaxSeed = 999'999'999;
inline constexpr std::int64_t kDefaultSeed = 2'755'504;

// Throws of a full run, and the most throws a step-by-step replay reaches [throws].
inline constexpr std::int32_t kAllThrows = 20'000;
inline constexpr std::int32_t kMaxReplayThrows = 20'000;
// Choosing the automatic seed makes the next step-by-step run throw this many times at once.
inline constexpr std::int32_t kAutomaticReplayThrows = 1000;

// The dice-left record holds throws 0 … 1 000 010.
inline constexpr std::int32_t kDiceRemainingSize = 1'000'011;

// The throw table: ten entries a row; after the last entry the next 19 cells are blanked.
inline constexpr std::int32_t kTableColumns = 10;
inline constexpr std::int32_t kTableBlankCells = 19;

}  // namespace noyalis::dice
