// The command line as a Linux player types it: GNU options, Qt's own options passed through, and
// where the data file goes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/command_line.h"

namespace zendrix {
namespace {

using Action = CommandLine::Action;
using Where = CommandLine::DataDirectory;

CommandLine Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "3dzendrix");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, OptionsQtOptionsAndMistakes) {
    const struct {
        std::vector<const char*> arguments;
        Action action;
        Where where;
        const char* given;  // the data directory, or the start of the error
    } cases[] = {
        {{}, Action::kRun, Where::kWorkingDirectory, ""},
        {{"--help"}, Action::kHelp, Where::kWorkingDirectory, ""},
        {{"-platform", "offscreen", "-h"}, Action::kHelp, Where::kWorkingDirectory, ""},
        {{"--version"}, Action::kVersion, Where::kWorkingDirectory, ""},
        {{"--data-dir"}, Action::kRun, Where::kUserDataDirectory, ""},
        {{"--data-dir=/srv/scores"}, Action::kRun, Where::kGiven, "/srv/scores"},
        {{"-platform", "offscreen", "--style=Fusion", "-reverse", "--data-dir"},
         Action::kRun,
         Where::kUserDataDirectory,
         ""},
        {{"--platform", "xcb", "-qwindowtitle", "Mines"},
         Action::kRun,
         Where::kWorkingDirectory,
         ""},
        {{"--data-dir="}, Action::kError, Where::kWorkingDirectory, "option '--data-dir=' needs"},
        {{"--bogus"}, Action::kError, Where::kWorkingDirectory, "unrecognised option '--bogus'"},
        {{"-platform"}, Action::kError, Where::kWorkingDirectory, "option '-platform' needs"},
        {{"scores.dat"}, Action::kError, Where::kWorkingDirectory, "unexpected argument"},
        {{"--data-dir", "/srv"},
         Action::kError,
         Where::kUserDataDirectory,
         "unexpected argument '/srv' (to choose the data directory, write --data-dir=DIR)"},
    };
    for (const auto& [arguments, action, where, given] : cases) {
        std::string line;
        for (const char* argument : arguments) line += std::string(argument) + " ";
        SCOPED_TRACE(line);
        const CommandLine parsed = Parse(arguments);
        EXPECT_EQ(parsed.action, action);
        if (action == Action::kError) {
            EXPECT_EQ(parsed.error.rfind(given, 0), 0u) << parsed.error;
            continue;
        }
        EXPECT_EQ(parsed.where, where);
        EXPECT_EQ(parsed.given.string(), given);
    }
    EXPECT_NE(HelpText().find("--data-dir[=DIR]"), std::string::npos);
    EXPECT_EQ(VersionText().rfind("3D-Zendrix 1.3", 0), 0u);
}

TEST(CommandLine, ThePerUserDataDirectoryFollowsTheXdgRules) {
    EXPECT_EQ(UserDataDirectory("/x/data", "/home/ann"), "/x/data/3dzendrix");
    EXPECT_EQ(UserDataDirectory(nullptr, "/home/ann"), "/home/ann/.local/share/3dzendrix");
    // Empty and relative values are to be ignored.
    EXPECT_EQ(UserDataDirectory("", "/home/ann"), "/home/ann/.local/share/3dzendrix");
    EXPECT_EQ(UserDataDirectory("data", "/home/ann"), "/home/ann/.local/share/3dzendrix");
}

}  // namespace
}  // namespace zendrix
