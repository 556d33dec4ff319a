#include "platform/qt/run_game.h"

#include <QApplication>

#include "mainwindow/mine_board_window.h"
#include "platform/qt/font_warm_up.h"

namespace zendrix {

int RunGame(int argc, char** argv, const std::function<void(MineBoardWindow&)>& started) {
    // The font configuration loads on a second core while the application connects to the display.
    FontConfigurationWarmUp warmUp;
    QApplication app(argc, argv);
    QApplication::setApplicationName("3D-Zendrix");
    QApplication::setApplicationVersion("1.3");
    QApplication::setDesktopFileName("io.github.zendrix.3dzendrix");
    warmUp.Wait();
    MineBoardWindow window;
    if (started) started(window);
    window.start();
    return QApplication::exec();
}

}  // namespace zendrix
