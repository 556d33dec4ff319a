// Takes the pictures under docs/ of the real windows, offscreen: the title board after start-up,
// the help window, the two colour windows, the best-scores window, a Large demo minefield in
// mid-game and the Assistant with the mine chances drawn. Usage: game_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "assistant/assistant_window.h"
#include "colours/colour_selector_window.h"
#include "colours/create_colour_window.h"
#include "game/placement.h"
#include "help/help_window.h"
#include "mainwindow/mine_board_window.h"
#include "platform/qt/window_helpers.h"
#include "scores/best_scores_window.h"

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

    // The colour windows with a colour of the player's own, "Grid 1" chosen and Green picked.
    MineBoard& board = window.board();
    board.colours().changeableName[0] = "Sea Green";
    board.colours().paletteGreen[16] = 180;
    board.colours().paletteBlue[16] = 140;
    board.selector().expandlist();
    board.changeableColours().SetCaptionsFromNames();
    ColourSelectorWindow* selector = window.colourSelectorWindow();
    selector->showAndFocus();
    board.selector().lstbxitems_Click(kItemGrid1);
    board.selector().lstbxcolors_Click(7);
    ok = Save(*selector, out + "/window-select-colors.png") && ok;
    selector->hide();
    CreateColourWindow* modify = window.createColourWindow();
    modify->showAndFocus();
    ChangeableColours& changeable = board.changeableColours();
    changeable.OptionClick(0);
    changeable.OnScroll(Component::kRedComponent, 256 - 60);
    changeable.OnScroll(Component::kGreenComponent, 256 - 180);
    changeable.OnScroll(Component::kBlueComponent, 256 - 140);
    ok = Save(*modify, out + "/window-modify-colors.png") && ok;
    modify->hide();

    // Best scores of Small at 4 % with every kind of note.
    board.bestScores().At(1, 2, 1) = BestScoreEntry{"Marguerite", 100, 754};
    board.bestScores().At(1, 2, 2) = BestScoreEntry{"<b>x</b>", 99.99f, 1342, true};
    board.bestScores().At(1, 2, 3) = BestScoreEntry{"Sam", 45.5f, 3725, false, true, true};
    board.bestScores().At(1, 2, 4) = BestScoreEntry{"Lou", 7.25f, 61, false, false, true};
    BestScoresWindow* best = window.bestScoresWindow();
    ShowAndFocus(best);
    best->ShowBestTimes(1, 2);
    ok = Save(*best, out + "/window-best-scores.png") && ok;
    best->hide();

    // A Large demo minefield, played by the rules a careful player would follow for a while.
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

    // The Assistant beside a Large demo minefield at 16 %, opened where no mine is in reach and
    // then played by its safe hints for a while, with the mine chances drawn.
    board.DensityCommand(3);
    GameState layout = game;
    StandardRandomSource random;
    PlaceMines(layout, random, 1, 1, 1);
    Square opening{};
    for (int c = 1; c <= game.columnCount && opening == Square{}; ++c) {
        for (int r = 1; r <= game.rowCount && opening == Square{}; ++r) {
            if (!layout.IsMine(c, r, 2) && layout.MinesInReach(c, r, 2) == 0) opening = {c, r, 2};
        }
    }
    board.BoardPress(MouseButton::Left, opening);
    window.OpenAssistant();
    board.MineChancesCommand(true);
    for (int move = 0; move < 12 && !game.gameOver; ++move) {
        board.HintCommand();
        if (board.assistant().HintLine(game).find("safe:") == std::string::npos) break;
        board.BoardKeyPress(BoardKey::Uncover);
    }
    board.HintCommand();
    for (int i = 0; i < 47; ++i) board.ClockTick();
    ok = Save(window, out + "/assistant-chances.png") && ok;
    ok = Save(*window.assistantWindow(), out + "/window-assistant.png") && ok;
    window.close();
    return ok ? 0 : 1;
}
