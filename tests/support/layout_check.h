#pragma once
// The layout check every screen goes through in every language: no caption, label, button text or
// radio item wider than its control; no text running into another or into a box beside it; charts
// with titled axes, texts of 11 px and more and nothing over their data (chart_check.h); every text
// at 4.5:1 or better on what lies behind it (contrast_check.h).
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace noyalis::test {

// One screen of the check: its system name, how to build it (it applies the text table of the
// language code when it opens, as it does when the menu opens it) and, where it has results, a
// run that fills them: the screen is checked as it opens and again after that run.
struct ScreenUnderCheck {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
  std::function<void(QWidget*)> run = nullptr;

  template <class Screen>
  static ScreenUnderCheck of(const char* name, std::function<void(QWidget*)> run = nullptr) {
    return {name, [] { return std::unique_ptr<QWidget>(new Screen()); }, std::move(run)};
  }
};

// The faults of one shown screen, each naming the control(s) and the sizes. A screen may be
// checked again after a run, with its results and charts filled.
QStringList LayoutFaults(QWidget* screen);

// The radio groups of a built screen whose chosen item cannot be told from the others: the
// middle of its circle is about as light as an empty one's.
QStringList UnseenChoices(QWidget* screen);

// Builds the screen once per language code ("FR", "UK", "IT", "ES", "DE") and gathers the faults,
// each prefixed with the code (and "after a run" for those found after the screen's run).
QStringList LayoutFaultsInEveryLanguage(const ScreenUnderCheck& screen);

}  // namespace noyalis::test
