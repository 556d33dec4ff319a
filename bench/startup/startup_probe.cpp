// Start-up probe: launches the real main window (or, with --bare, a bare window with a menu bar),
// waits until it shows its first complete picture and prints the milliseconds since the launch
// time the measuring script passed in ZENDRIX_LAUNCH_NS, and the resident memory.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "mainwindow/mine_board_window.h"

namespace {

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

void Report(QWidget& window) {
    window.repaint();  // the picture is on screen, not just scheduled
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const char* launch = std::getenv("ZENDRIX_LAUNCH_NS");
    const double ms = launch ? static_cast<double>(now - std::stoll(launch)) / 1e6 : -1;
    std::printf("%.1f %ld\n", ms, ResidentKiB());
    std::fflush(stdout);
    QApplication::quit();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool bare = argc > 1 && std::string(argv[1]) == "--bare";
    if (bare) {
        QMainWindow window;
        for (const char* menu : {"&File", "&Game", "&Color", "&Scores", "&Help"}) {
            window.menuBar()->addMenu(menu)->addAction("Item");
        }
        window.resize(613, 467);
        window.show();
        QTimer::singleShot(0, &window, [&window] { Report(window); });
        return QApplication::exec();
    }
    zendrix::MineBoardWindow window;
    window.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&window] {
        if (!window.board().game().demonstrationMode) Report(window);
    });
    poll.start(0);
    return QApplication::exec();
}
