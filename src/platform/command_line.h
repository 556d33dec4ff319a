// The program's command line: --help, --version and the data directory, alongside the options
// that Qt reads itself. Parsed before any window exists, so that --help works without a display.
#pragma once

#include <filesystem>
#include <string>

namespace zendrix {

struct CommandLine {
    enum class Action { kRun, kHelp, kVersion, kError };
    Action action = Action::kRun;
    // Where the data file lives: the current working directory unless --data-dir was given.
    enum class DataDirectory { kWorkingDirectory, kUserDataDirectory, kGiven };
    DataDirectory where = DataDirectory::kWorkingDirectory;
    std::filesystem::path given;  // kGiven
    std::string error;            // kError: what was wrong, for "3dzendrix: <error>"
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();

// $XDG_DATA_HOME/3dzendrix, or ~/.local/share/3dzendrix when XDG_DATA_HOME is unset, empty or
// relative (as the XDG rules ask). `home` is $HOME; when that is unset too, the password entry's.
std::filesystem::path UserDataDirectory(const char* xdgDataHome, const char* home);

// Creates the directory (and its parents) when missing, private to the player as the XDG rules
// ask. False, with the reason, when it cannot be made.
bool MakeDataDirectory(const std::filesystem::path& directory, std::string& error);

}  // namespace zendrix
