#pragma once
// The activity screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::activity {

extern const platform::ScreenTexts kTexts;

}  // namespace noyalis::activity
