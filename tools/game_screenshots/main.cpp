// Takes the README's screenshots of the real main window, offscreen: the title board after
// start-up, the help window, and a Large demo minefield in mid-game. Usage: game_screenshots
// OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "help/help_window.h"
#include "mainwindow/mine_board_window.h"

using namespace zendrix;

namespace {

void WaitUntil(const std::function<bool()>& done) {
    while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: game_screenshots OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir work;  // the data file goes here, never into the repository
    QDir::setCurrent(work.path());

    MineBoardWindow window;
    window.start();
    WaitUntil([&] { return !window.board().game().demonstrationMode; });
    bool ok = Save(window, out + "/title-board.png");
    HelpWindow* help = window.helpWindow();
    help->showAndFocus();
    ok = Save(*help, out + "/window-help.png") && ok;
    help->hide();

    // A Large demo minefield, played by the rules a careful player would follow for a while.
    MineBoard& board = window.board();
    board.SizeCommand(2);
    board.DemoMinefieldsCommand();
    GameState& game = board.game();
    board.BoardPress(MouseButton::Left, Square{8, 4, 2});
    for (int c = 1; c <= game.columnCount; ++c) {
        for (int r = 1; r <= game.rowCount; ++r) {
            for (int l = 1; l <= 3; ++l) {
                if (game.IsMine(c, r, l) && (c + r) % 3 == 0) {
                    board.BoardPress(MouseButton::Right, Square{c, r, l});
                } else if (!game.IsMine(c, r, l) && game.IsCovered(c, r, l) &&
                           (c * r + l) % 5 == 0) {
                    board.BoardPress(MouseButton::Left, Square{c, r, l});
                }
            }
        }
    }
    board.MarkerColourCommand(2);
    for (int c = 1; c <= game.columnCount; ++c) {
        if (game.IsMine(c, 8, 1)) board.BoardPress(MouseButton::Right, Square{c, 8, 1});
    }
    for (int i = 0; i < 83; ++i) board.ClockTick();
    ok = Save(window, out + "/large-game.png") && ok;
    window.close();
    return ok ? 0 : 1;
}
