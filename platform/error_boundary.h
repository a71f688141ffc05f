#pragma once
// The one error boundary of every handler: a failure inside it is shown in the standard error
// box and the screen stays open.
#include <exception>
#include <utility>

class QWidget;

namespace noyalis::platform {

// Shows the current exception (called inside a catch block) in the standard error box.
void ShowCurrentError(QWidget* parent);

// Runs f; any exception it throws is shown over parent. Returns false when f failed.
template <class F>
bool Guarded(QWidget* parent, F&& f) {
  try {
    std::forward<F>(f)();
    return true;
  } catch (...) {
    ShowCurrentError(parent);
    return false;
  }
}

}  // namespace noyalis::platform
