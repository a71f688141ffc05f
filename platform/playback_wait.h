#pragma once
// Waiting for a tone on the interface thread without holding the screen: the event loop runs,
// user input included, so keys, the return button and repainting answer while the tone plays.
// Whatever the user does in that time is guarded as during a run (a tone is only awaited inside
// one).
#include <functional>

namespace noyalis::platform {

// Runs the event loop until done() holds or boundMs [ms] have passed on the clock service.
// True when done() held.
bool WaitUntil(const std::function<bool()>& done, int boundMs);

}  // namespace noyalis::platform
