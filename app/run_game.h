// The game's start: the application, its one main window and the event loop until it closes.
#pragma once

#include <filesystem>
#include <functional>

namespace zendrix {

class MineBoardWindow;

// Runs the game with its data file in `dataDirectory` (empty: the current working directory) and
// returns the application's exit code. `started`, when given, is called with the main window just
// before it starts (the start-up probe and the tests watch it from there).
int RunGame(int argc, char** argv, const std::filesystem::path& dataDirectory = {},
            const std::function<void(MineBoardWindow&)>& started = {});

}  // namespace zendrix
