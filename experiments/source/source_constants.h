#pragma once
// The caesium-137 source as the counter sees it: its count rates, the attenuation of its rays in
// aluminium and lead, and the distance its rates are given at.
namespace noyalis::source {

// The count rates are given per 25 ms of counting.
inline constexpr long double kReferenceTimeMs = 25;

// Beta rays through aluminium, with the source's gamma rays beside them (source at 4.25 cm).
namespace beta {
inline constexpr long double kBetaCountsPer25ms = 6.55L;   // without aluminium: 262 counts/s
inline constexpr long double kGammaCountsPer25ms = 0.38L;  // at every thickness: 15.2 counts/s
inline constexpr long double kAttenuationPerMm = 8;        // [1/mm of aluminium]
}  // namespace beta

// Gamma rays through lead, behind 3 mm of aluminium that stops the beta rays.
namespace lead {
inline constexpr long double kGammaCountsPer25ms = 0.5L;  // without lead: 20 counts/s
inline constexpr long double kAttenuationPerMm = 0.09L;   // [1/mm of lead]
}  // namespace lead

// The inverse-square law: the rate at the nearest distance.
namespace distance {
inline constexpr long double kCountsPer25msAt3cm = 14;  // 0.56 counts/ms
inline constexpr long double kNearestM = 0.03L;         // [m]
}  // namespace distance

}  // namespace noyalis::source
