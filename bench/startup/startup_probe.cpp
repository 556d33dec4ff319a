// Start-up probe: launches the real main window (or, with --bare, a bare window with a menu bar),
// waits until the window has been painted on screen with its first complete picture and prints
// the milliseconds since the launch time the measuring script passed in ZENDRIX_LAUNCH_NS, and the
// resident memory.
//
// Both windows are timed the same way: the clock stops at the first paint of the top-level window
// that happens once it is exposed and (for the game) the start-up demonstration has handed the
// board back. A window that is merely shown has not been painted yet: the X server exposes it a
// few milliseconds later, and only then does Qt paint it.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/run_game.h"
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

double MillisecondsSinceLaunch() {
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const char* launch = std::getenv("ZENDRIX_LAUNCH_NS");
    return launch ? static_cast<double>(now - std::stoll(launch)) / 1e6 : -1;
}

// Watches the top-level window's paint events. The paint event reaches the top-level window
// first and its children after it, all within one synchronous pass that ends by putting the
// picture on screen; the report is therefore made from the event loop's next turn.
class FirstPicture : public QObject {
  public:
    FirstPicture(QWidget& window, std::function<bool()> ready)
        : window_(window), ready_(std::move(ready)) {
        window_.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !painted_ && ready_()) {
            painted_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("%.1f %ld\n", MillisecondsSinceLaunch(), ResidentKiB());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    QWidget& window_;
    std::function<bool()> ready_;
    bool painted_ = false;
};

int BareWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "&Game", "&Color", "&Scores", "&Help"}) {
        window.menuBar()->addMenu(menu)->addAction("Item");
    }
    window.resize(613, 467);
    FirstPicture watch(window, [] { return true; });
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--bare") return BareWindow(argc, argv);
    // The game exactly as its own main starts it.
    std::unique_ptr<FirstPicture> watch;
    return zendrix::RunGame(argc, argv, {}, [&watch](zendrix::MineBoardWindow& window) {
        watch = std::make_unique<FirstPicture>(
            window, [&window] { return !window.board().game().demonstrationMode; });
    });
}
