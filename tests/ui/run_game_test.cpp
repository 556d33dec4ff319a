// The game's start exactly as main runs it (font warm-up thread, application, window, event
// loop): the start-up run ends on the title board, and closing the window ends the loop with exit
// code 0 after the data file has been written. Its own main, since the game makes the application.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/run_game.h"
#include "mainwindow/mine_board_window.h"

using namespace zendrix;

namespace {

int failures = 0;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string directory = "run_game_test_home";
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
    std::filesystem::create_directory(directory);
    std::filesystem::current_path(directory);

    bool titleShown = false;
    bool closedAtStartupEnd = false;
    const int exitCode = RunGame(argc, argv, {}, [&](MineBoardWindow& window) {
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&, poll] {
            if (window.board().game().demonstrationMode) return;
            poll->stop();
            titleShown = window.control(Control::lblTitle)->isVisible() &&
                         !static_cast<QLabel*>(window.control(Control::lblTitle))->text().isEmpty();
            closedAtStartupEnd = window.close();
        });
        poll->start(10);
        // A start that never ends fails instead of hanging the test run.
        QTimer::singleShot(20000, &window, [] {
            std::fputs("FAIL: the start-up run did not end within 20 s\n", stderr);
            std::exit(2);
        });
    });

    Check(exitCode == 0, "the event loop ends with exit code 0");
    Check(titleShown, "the title board shows when the start-up run has ended");
    Check(closedAtStartupEnd, "the window closes");
    QFile file("3DZendrix.dat");
    Check(file.open(QIODevice::ReadOnly) && file.readAll().count("\r\n") == 93,
          "the data file of 93 lines is there");
    return failures == 0 ? 0 : 1;
}
