#pragma once
// The counter picture's five text tables.
#include "platform/text_table.h"

namespace noyalis::counter_picture {

extern const platform::ScreenTexts kTexts;

}  // namespace noyalis::counter_picture
