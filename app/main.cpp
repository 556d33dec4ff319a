// Starts 3D-Zendrix: the command line, then one main window and the event loop until it closes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/run_game.h"
#include "platform/command_line.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

bool PlatformGiven(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-platform" || argument == "--platform") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using zendrix::CommandLine;
    const CommandLine line = zendrix::ParseCommandLine(argc, argv);
    switch (line.action) {
        case CommandLine::Action::kHelp:
            std::fputs(zendrix::HelpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::kVersion:
            std::fputs(zendrix::VersionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::kError:
            std::fprintf(stderr, "3dzendrix: %s\nTry '3dzendrix --help' for more information.\n",
                         line.error.c_str());
            return 2;
        case CommandLine::Action::kRun:
            break;
    }
    if (!HasDisplay() && !PlatformGiven(argc, argv)) {
        std::fputs(
            "3D-Zendrix needs a graphical display, and none was found (DISPLAY and "
            "WAYLAND_DISPLAY are unset).\nStart it from a desktop session, or under a virtual X "
            "server such as xvfb-run.\n",
            stderr);
        return 1;
    }
    std::filesystem::path directory;
    if (line.where == CommandLine::DataDirectory::kGiven) directory = line.given;
    if (line.where == CommandLine::DataDirectory::kUserDataDirectory) {
        directory = zendrix::UserDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    }
    if (!directory.empty()) {
        std::string error;
        // Left to the game to report when it cannot be made: the data file's message says why.
        if (!zendrix::MakeDataDirectory(directory, error)) {
            std::fprintf(stderr, "3dzendrix: %s\n", error.c_str());
        }
    }
    return zendrix::RunGame(argc, argv, directory);
}
