// Starts 3D-Zendrix: one main window, the event loop until it closes.
#include <cstdio>
#include <cstdlib>

#include "platform/qt/run_game.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "3D-Zendrix needs a graphical display, and none was found (DISPLAY and "
            "WAYLAND_DISPLAY are unset).\nStart it from a desktop session, or under a virtual X "
            "server such as xvfb-run.\n",
            stderr);
        return 1;
    }
    return zendrix::RunGame(argc, argv);
}
