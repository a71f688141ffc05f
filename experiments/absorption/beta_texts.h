#pragma once
// The aluminium screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::absorption {

extern const platform::ScreenTexts kBetaTexts;

}  // namespace noyalis::absorption
