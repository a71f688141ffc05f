#pragma once
// The five text tables of the "Gauss ou Poisson ?" window (its sentences on the outcome of each
// test are those of the counting statistics, filled with the numbers).
#include "platform/text_table.h"

namespace noyalis::activity {

extern const platform::ScreenTexts kGaussOrPoissonTexts;

}  // namespace noyalis::activity
