#pragma once
// The names of the menu's flags for assistive tools: each language in its own words, as language
// choosers show them. The flags carry no hint, so nothing else could name them.
class QWidget;

namespace noyalis::menu {

void NameFlags(QWidget* menu);

}  // namespace noyalis::menu
