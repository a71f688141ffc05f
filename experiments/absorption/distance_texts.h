#pragma once
// The distance screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::absorption {

extern const platform::ScreenTexts kDistanceTexts;

}  // namespace noyalis::absorption
