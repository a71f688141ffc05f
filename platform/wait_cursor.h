#pragma once
// The hourglass over the whole application for the life of a scope, back to the normal cursor
// however the scope ends (a stop, a failure).

namespace noyalis::platform {

class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace noyalis::platform
