// The composition root: the application, its one main window and the event loop.
#include "app/run_game.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>

#include "mainwindow/mine_board_window.h"
#include "platform/qt/font_warm_up.h"
#include "platform/qt/qt_data_file_lock.h"
#include "platform/qt/shutdown_signals.h"

// The resources live in a static library; the linker keeps them only when they are named.
static void InitialiseResources() {
    Q_INIT_RESOURCE(icons);
}

namespace zendrix {

int RunGame(int argc, char** argv, const std::filesystem::path& dataDirectory,
            const std::function<void(MineBoardWindow&)>& started) {
    // The font configuration loads on a second core while the application connects to the display.
    FontConfigurationWarmUp warmUp;
    QApplication app(argc, argv);
    QApplication::setApplicationName("3D-Zendrix");
    QApplication::setApplicationVersion("1.3");
    QApplication::setDesktopFileName("io.github.zendrix.3dzendrix");
    InitialiseResources();
    QApplication::setWindowIcon(QIcon(":/icons/3dzendrix.png"));
    warmUp.Wait();
    MineBoardWindow window(DataFile(dataDirectory, std::make_shared<QtDataFileLock>()));
    // A kill, a closed terminal or the end of the desktop session ends the game as Exit does,
    // saving first, with exit status 0.
    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::received, &window,
                     [&window] { window.EndSession(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.EndSession(); });
    if (started) started(window);
    window.start();
    return QApplication::exec();
}

}  // namespace zendrix
