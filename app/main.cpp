// Starts 3D-Zendrix: one main window, the event loop until it closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "mainwindow/mine_board_window.h"

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
    QApplication app(argc, argv);
    QApplication::setApplicationName("3D-Zendrix");
    QApplication::setApplicationVersion("1.3");
    QApplication::setDesktopFileName("io.github.zendrix.3dzendrix");
    zendrix::MineBoardWindow window;
    window.start();
    return QApplication::exec();
}
