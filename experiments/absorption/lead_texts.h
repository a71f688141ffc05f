#pragma once
// The lead screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::absorption {

extern const platform::ScreenTexts kLeadTexts;

}  // namespace noyalis::absorption
