#pragma once
// The menu as data: its experiment entries, its flags and its two text tables.
#include <QRect>
#include <array>

#include "platform/text_table.h"

class QWidget;
class TForm3;

namespace noyalis::menu {

// One experiment picture of the menu, with the screen it opens.
struct MenuEntry {
  int number;           // shown beside the picture
  const char* picture;  // objectName
  const char* label;    // objectName of the number label
  QRect geometry;
  const char* resource;       // SVG picture
  const char* formHint;       // the hint before the language table replaces it
  void (TForm3::*handler)();  // the picture's click handler
  // Opens the experiment's screen modally over the menu; null while the screen is not built.
  void (*open)(QWidget* menu);
};

extern const std::array<MenuEntry, 10> kEntries;

struct Flag {
  const char* picture;  // objectName
  QRect geometry;
  const char* resource;
  void (TForm3::*handler)();
};

extern const std::array<Flag, 5> kFlags;

namespace texts {
extern const platform::TextTable FR;
extern const platform::TextTable UK;
}  // namespace texts

}  // namespace noyalis::menu
