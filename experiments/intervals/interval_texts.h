#pragma once
// The time-interval screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::intervals {

extern const platform::ScreenTexts kTexts;

}  // namespace noyalis::intervals
