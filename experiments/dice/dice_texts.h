#pragma once
// The five text tables of the dice screen.
#include "platform/text_table.h"

namespace noyalis::dice {

extern const platform::ScreenTexts kTexts;

}  // namespace noyalis::dice
