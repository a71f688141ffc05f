#include "app/menu_accessibility.h"

#include <QWidget>

namespace noyalis::menu {

namespace {

struct FlagName {
  const char* picture;  // objectName
  const char* name;
};

constexpr FlagName kFlagNames[] = {
    {"Image3", "Français"}, {"Image1", "English"}, {"Image5", "Deutsch"},
    {"Image4", "Italiano"}, {"Image2", "Español"},
};

}  // namespace

void NameFlags(QWidget* menu) {
  for (const FlagName& flag : kFlagNames)
    if (auto* picture = menu->findChild<QWidget*>(flag.picture))
      picture->setAccessibleName(QString::fromUtf8(flag.name));
}

}  // namespace noyalis::menu
