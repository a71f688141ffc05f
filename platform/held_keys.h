#pragma once
// A key held down repeats its press until it is released. A screen acts on a press of Escape,
// Pause, Delete or Space once: the repeats that follow are told apart here.
class QKeyEvent;

namespace noyalis::platform {

// True for the keys whose press acts (stops, pauses, clicks), which a held key must not repeat.
bool ActsOncePerPress(int key);

// Starts watching the program's key releases (once for the process; a screen calls it).
void WatchHeldKeys();

// True when press repeats a key held down: flagged so by the window system, or, where it could not
// tell, the X pattern of a repeat, a release and a new press of the same key at the same server
// time, which no hand can make.
bool IsHeldKeyRepeat(const QKeyEvent* press);

}  // namespace noyalis::platform
