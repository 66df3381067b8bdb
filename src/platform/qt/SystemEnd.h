#pragma once

// When the system ends the game (a terminal hanging up, kill, Ctrl-C; Windows
// logging off or shutting down), it goes as its close box makes it go: what
// the game stores at exit is stored.

#include <functional>

namespace novemo {

// From now on `unload` runs, once, when the system ends the program: from the
// event loop for a signal, which then ends the program as that signal does;
// on Windows in the end-of-session message, after which Windows ends it.
void UnloadWhenTheSystemEnds(std::function<void()> unload);

}  // namespace novemo
