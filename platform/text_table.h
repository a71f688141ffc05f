#pragma once
// Screen texts as data: each screen owns five tables (FR, UK, IT, ES, AL) of
// (control objectName, property, text); one applier sets them. An element a table does not
// name keeps the text it has.
#include <QString>
#include <algorithm>
#include <array>
#include <span>

class QWidget;

namespace noyalis::platform {

enum class TextProperty {
  Caption,          // label, button, group box or edit text; the screen's window title
  Hint,             // tooltip
  ChartTitleLine1,  // first line of a chart's two-line title
  ChartTitleLine2,  // second line
  SeriesTitle,      // a chart series' name in the legend (object = the series' or legend group's objectName)
  XAxisTitle,       // a chart's horizontal axis title: the quantity and its unit
  YAxisTitle,       // a chart's vertical axis title
  Items,            // a radio group's items, separated by '\n'
  // What a screen reader announces for a control, or for a label or strip whose name then stands
  // for the row or the group it heads. Object "Edit8..Edit17" names each control of that run,
  // "%1" in the text becoming its place in it (1 for Edit8).
  Name,
};

struct TextEntry {
  const char* object;  // objectName of the control (the screen's own name for its caption)
  TextProperty property;
  const char* text;  // UTF-8
};

using TextTable = std::span<const TextEntry>;

struct ScreenTexts {
  TextTable FR, UK, IT, ES;
  TextTable AL;  // German, the table the language code "DE" chooses
};

// Two tables as one, for a screen whose languages share part of a table (the names of a screen
// that keeps its French texts in every language).
template <std::size_t N, std::size_t M>
constexpr std::array<TextEntry, N + M> Joined(const TextEntry (&first)[N], const TextEntry (&second)[M]) {
  std::array<TextEntry, N + M> joined{};
  std::copy(std::begin(first), std::end(first), joined.begin());
  std::copy(std::begin(second), std::end(second), joined.begin() + N);
  return joined;
}

// Applies one table to the screen and its children; a name that matches nothing raises
// kernel::RangeError (a fault in the table, caught by the tests).
void ApplyTextTable(QWidget* screen, TextTable table);

// Applies the table of a language code ("UK", "FR", "IT", "ES", "DE" → AL); no table for any other code.
void ApplyLanguage(QWidget* screen, const ScreenTexts& texts, const QString& code);

}  // namespace noyalis::platform
