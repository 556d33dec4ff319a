// GNU-style options of the game, and the options Qt's application object takes, which pass through
// untouched.
#include "platform/command_line.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <string_view>
#include <system_error>

#ifndef ZENDRIX_VERSION
#define ZENDRIX_VERSION "1.3"
#endif

namespace zendrix {

namespace fs = std::filesystem;

namespace {

// QGuiApplication's and QApplication's own options; Qt accepts them with one dash or two.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title"};
constexpr std::array<std::string_view, 6> kQtFlags{"reverse", "widgetcount", "nograb",
                                                   "dograb",  "sync",        "qmljsdebugger"};

template <size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    for (const std::string_view candidate : names) {
        if (name == candidate) return true;
    }
    return false;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    auto fail = [&line](std::string error) {
        line.action = CommandLine::Action::kError;
        line.error = std::move(error);
        return line;
    };
    bool afterDataDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool followsDataDir = afterDataDir;
        afterDataDir = false;
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::kHelp;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Action::kVersion;
            return line;
        }
        if (argument == "--data-dir") {
            line.where = CommandLine::DataDirectory::kUserDataDirectory;
            afterDataDir = true;
            continue;
        }
        if (argument.starts_with("--data-dir=")) {
            const std::string_view directory = argument.substr(11);
            if (directory.empty()) return fail("option '--data-dir=' needs a directory");
            line.where = CommandLine::DataDirectory::kGiven;
            line.given = fs::path(std::string(directory));
            continue;
        }
        if (argument.size() > 1 && argument.front() == '-') {
            std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
            const size_t equals = name.find('=');
            const bool valueAttached = equals != std::string_view::npos;
            name = name.substr(0, equals);
            if (OneOf(name, kQtFlags)) continue;
            if (OneOf(name, kQtOptionsWithValue)) {
                if (!valueAttached && ++i >= argc) {
                    return fail("option '" + std::string(argument) + "' needs a value");
                }
                continue;
            }
            return fail("unrecognised option '" + std::string(argument) + "'");
        }
        std::string error = "unexpected argument '" + std::string(argument) + "'";
        // An optional argument is attached with '=', as in every GNU program.
        if (followsDataDir) error += " (to choose the data directory, write --data-dir=DIR)";
        return fail(error);
    }
    return line;
}

std::string HelpText() {
    return "Usage: 3dzendrix [OPTION]...\n"
           "Sweep mines on a field of cubes in three stacked levels.\n"
           "\n"
           "  --data-dir[=DIR]  keep the data file 3DZendrix.dat in DIR; without DIR in\n"
           "                    $XDG_DATA_HOME/3dzendrix (~/.local/share/3dzendrix when\n"
           "                    XDG_DATA_HOME is not set); created when missing\n"
           "  -h, --help        show this help and exit\n"
           "      --version     show the version and exit\n"
           "\n"
           "Without --data-dir the data file (best scores and colours) is kept in the\n"
           "current working directory. Qt's own options, such as -platform NAME or\n"
           "-style NAME, are accepted as well.\n"
           "\n"
           "Exit status: 0 when the game ends (also on SIGTERM, SIGHUP or SIGINT, after\n"
           "saving), 1 when no display can be found, 2 for a wrong command line.\n";
}

std::string VersionText() {
    return "3D-Zendrix " ZENDRIX_VERSION "\n";
}

fs::path UserDataDirectory(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
        return fs::path(xdgDataHome) / "3dzendrix";
    }
    fs::path base = home != nullptr && *home != '\0' ? fs::path(home) : fs::path();
    if (base.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
            base = entry->pw_dir;
        }
    }
    return base / ".local" / "share" / "3dzendrix";
}

bool MakeDataDirectory(const fs::path& directory, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(directory, ec)) return true;
    if (!fs::create_directories(directory, ec) && ec) {
        error =
            "the data directory \"" + directory.string() + "\" cannot be created: " + ec.message();
        return false;
    }
    fs::permissions(directory, fs::perms::owner_all, ec);
    return true;
}

}  // namespace zendrix
