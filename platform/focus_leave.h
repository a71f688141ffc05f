#pragma once
// A box's leave handler: called when the focus leaves the box, as its screen defines leaving.
#include <functional>

class QWidget;

namespace noyalis::platform {

// Which losses of the focus count as leaving a box.
enum class FocusLeave {
  // Every loss, also to a message box, a popup menu or another window: the population's λ entry,
  // written first this way; taking a typed λ again changes nothing.
  AnyLoss,
  // Only a move to another control of the screen while it is shown: the dice boxes, whose leave
  // resets the throw sequence and lowers the automatic seed, which a message box, a popup or a
  // switch to another program must not do.
  ToAnotherControl,
};

// Calls left() inside the error boundary of the box's window each time the box is left.
void WatchFocusLeave(QWidget* box, FocusLeave which, std::function<void()> left);

}  // namespace noyalis::platform
