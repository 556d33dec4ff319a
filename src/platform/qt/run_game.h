// The game's start: the application, its one main window and the event loop until it closes.
#pragma once

#include <functional>

namespace zendrix {

class MineBoardWindow;

// Runs the game and returns the application's exit code. `started`, when given, is called with
// the main window just before it starts (the start-up probe watches it from there).
int RunGame(int argc, char** argv, const std::function<void(MineBoardWindow&)>& started = {});

}  // namespace zendrix
