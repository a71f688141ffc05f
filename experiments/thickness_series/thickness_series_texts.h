#pragma once
// The thickness-series screen's five text tables.
#include "platform/text_table.h"

namespace noyalis::thickness_series {

extern const platform::ScreenTexts kTexts;

}  // namespace noyalis::thickness_series
