#pragma once
// The population screen's five text tables, and the grid texts that follow the language.
#include <QString>
#include <QStringList>

#include "platform/text_table.h"

namespace noyalis::population {

extern const platform::ScreenTexts kTexts;

// The time-unit grid: its header and the ten unit names for a language code (English for "UK",
// French for every other code).
QString UnitHeader(const QString& languageCode);
QStringList UnitNames(const QString& languageCode);
// The isotope grid's three column headers.
QStringList AtomHeaders(const QString& languageCode);

}  // namespace noyalis::population
