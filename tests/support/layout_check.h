#pragma once
// The layout check every screen goes through in every language: no caption, label, button text or
// radio item wider than its control, and no two texts overlapping.
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace noyalis::test {

// One screen of the check: its system name and how to build it (it applies the text table of the
// language code when it opens, as it does when the menu opens it).
struct ScreenUnderCheck {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;

  template <class Screen>
  static ScreenUnderCheck of(const char* name) {
    return {name, [] { return std::unique_ptr<QWidget>(new Screen()); }};
  }
};

// The faults of one built screen, each naming the control(s) and the sizes.
QStringList LayoutFaults(QWidget* screen);

// The radio groups of a built screen whose chosen item cannot be told from the others: the
// middle of its circle is about as light as an empty one's.
QStringList UnseenChoices(QWidget* screen);

// Builds the screen once per language code ("FR", "UK", "IT", "ES", "DE") and gathers the faults,
// each prefixed with the code.
QStringList LayoutFaultsInEveryLanguage(const ScreenUnderCheck& screen);

}  // namespace noyalis::test
