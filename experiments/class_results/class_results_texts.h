#pragma once
// The class-results screen's five text tables, and the words it puts where a text table reaches
// no control: the table's column titles, the chart's axis titles and the message after a save.
#include <QString>

#include "platform/text_table.h"

namespace noyalis::class_results {

extern const platform::ScreenTexts kTexts;

// Column titles: file, measurements, two figures, standardized deviation, mark.
inline constexpr int kTableColumns = 6;

struct ScreenWords {
  const char* code;
  const char* activityColumns[kTableColumns];
  const char* intervalColumns[kTableColumns];
  const char* activityAxes[2];  // x, y
  const char* intervalAxes[2];
  const char* markHint;  // on the mark of an inconsistent file
  const char* saved;     // %1: the file written
};

// The words of a language code ("FR", "UK", "IT", "ES", "DE"; French for any other).
const ScreenWords& WordsFor(const QString& code);

}  // namespace noyalis::class_results
