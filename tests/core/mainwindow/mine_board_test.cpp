// Game control without a window: start-up and its demonstration, the commands, the labels, the
// clock and the end-of-game dialogue, driven through a fake view.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "mainwindow/mine_board.h"
#include "support/game_support.h"
#include "support/null_canvas.h"
#include "support/switchable_data_file.h"

namespace zendrix {
namespace {

struct Message {
    std::string title, text;
    DialogueIcon icon;
};

class FakeView : public MineBoardView {
  public:
    void SetText(Control, const std::string&) override {}
    void SetVisible(Control, bool) override {}
    void SetTimer(Timer, bool, int) override {}
    Canvas& BoardCanvas() override { return canvas; }
    void BoardChanged() override {}
    void ApplyStatusLayout(const StatusLayout&) override {}
    void MoveCursorImage(PointF p) override { cursor = p; }
    void MenuChecksChanged() override {}
    void ShowMessage(const std::string& title, const std::string& text,
                     DialogueIcon icon) override {
        messages.push_back({title, text, icon});
    }
    std::string AskName(const std::string& title, const std::string& prompt,
                        const std::string& defaultText) override {
        prompts.push_back({title, prompt, DialogueIcon::kInformation});
        defaults.push_back(defaultText);
        return answer;
    }
    void ShowBestTimes(int size, int density) override { shownBest = {size, density}; }
    void FocusFreezeButton() override {}

    testing::NullCanvas canvas;
    PointF cursor;
    std::vector<Message> messages, prompts;
    std::vector<std::string> defaults;
    std::string answer;
    std::pair<int, int> shownBest;
};

// Runs the demonstration timer until the demonstration stops it.
void RunDemonstration(MineBoard& board) {
    for (int tick = 0; tick < 100 && board.TimerEnabled(Timer::tmrDisplayScreen); ++tick) {
        board.DisplayScreenTick();
    }
}

struct StartedBoard {
    StartedBoard() {
        board.Load();
        RunDemonstration(board);
    }
    testing::TemporaryDirectory directory;
    FakeView view;
    std::unique_ptr<testing::SwitchableDataFile> owned =
        std::make_unique<testing::SwitchableDataFile>();
    testing::SwitchableDataFile& dataFile = *owned;
    MineBoard board{view, std::move(owned)};
};

int LineCount(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    int lines = 0;
    for (size_t at = text.str().find("\r\n"); at != std::string::npos;
         at = text.str().find("\r\n", at + 2))
        ++lines;
    return lines;
}

TEST(StartUp, LeavesTheDemonstrationBoardUnderTheTitle) {
    StartedBoard s;
    MineBoard& b = s.board;
    EXPECT_TRUE(b.IsVisible(Control::lblTitle));
    EXPECT_TRUE(b.IsVisible(Control::lblCopyright));
    EXPECT_TRUE(b.IsVisible(Control::cmdNewMinefield));
    EXPECT_FALSE(b.IsVisible(Control::lblDisplay));
    EXPECT_FALSE(b.IsVisible(Control::imgCursor));
    EXPECT_FALSE(b.IsVisible(Control::lblMoveDescription));
    EXPECT_EQ(b.Text(Control::lblTitle), "3D-Zendrix Version 1.3");
    EXPECT_FALSE(b.game().demonstrationMode);
    EXPECT_TRUE(b.game().gameOver);
    EXPECT_EQ((Square{b.game().struckColumn, b.game().struckRow, b.game().struckLevel}),
              (Square{2, 2, 2}));
    EXPECT_EQ(b.game().lastScore, 21.49f);
    EXPECT_EQ(b.geometry().boardTop, 900);
    EXPECT_FALSE(b.TimerEnabled(Timer::clkBestScoreDelay)) << "no dialogue for the demonstration";
    EXPECT_TRUE(s.view.messages.empty());
    EXPECT_EQ(LineCount("3DZendrix.dat"), 93);
    EXPECT_EQ(b.sizeChecked(), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(b.densityChecked(), (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_EQ(b.reachChecked(), (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(b.randomChecked());
    EXPECT_FALSE(b.demoChecked());
    EXPECT_EQ(b.colours().MarkerColour(), 4);
    EXPECT_TRUE(b.colours().markerChecked[0]) << "the end of the run checks the marker colour";
}

TEST(StartUp, MarkerColourReadFromTheFileSurvivesTheRun) {
    testing::TemporaryDirectory directory;
    {
        BestScoreTable table;
        ColourModel colours;
        colours.itemColor[kItemMarkers] = 7;  // Green
        ASSERT_EQ(DataFile{}.WriteBestScores(table, colours).outcome, DataFileOutcome::kWritten);
    }
    FakeView view;
    MineBoard board(view);
    board.Load();
    RunDemonstration(board);
    EXPECT_EQ(board.colours().MarkerColour(), 7);
    EXPECT_EQ(board.colours().markerChecked,
              (std::array<bool, 6>{false, false, false, true, false, false}));
}

TEST(StartUp, AColourResetWhileReadingIsReportedAndTheFilesMarkerColourStays) {
    testing::TemporaryDirectory directory;
    {
        BestScoreTable table;
        ColourModel colours;
        colours.itemColor[kItemMarkers] = 9;
        std::string text = FormatDataFile(table, colours);
        // Line 81 holds item 5 ("2 Mines"): no palette has an entry 99.
        size_t at = 0;
        for (int line = 1; line < 81; ++line) at = text.find("\r\n", at) + 2;
        text.replace(at, text.find("\r\n", at) - at, "99");
        std::ofstream("3DZendrix.dat", std::ios::binary) << text;
    }
    FakeView view;
    MineBoard board(view);
    board.Load();
    RunDemonstration(board);
    EXPECT_EQ(board.colours().MarkerColour(), 9);
    EXPECT_EQ(board.colours().itemColor[5], board.colours().defaultItemColor[5]);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "3D-Zendrix data file");
}

TEST(StartUp, DamagedDataFileIsReportedOnceAndPlayGoesOn) {
    testing::TemporaryDirectory directory;
    std::ofstream("3DZendrix.dat") << "not a data file\r\n";
    FakeView view;
    MineBoard board(view);
    board.Load();
    RunDemonstration(board);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].text.find("3DZendrix.dat"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists("3DZendrix.dat.bad"));
    board.NewMinefieldButton();
    EXPECT_FALSE(board.game().gameOver);
}

TEST(Labels, SettingsCountsAndClockTexts) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.NewMinefieldButton();
    EXPECT_EQ(b.Text(Control::lblMineInfo),
              "Minefield Size: Small\r\nMine Density:   4%\r\nMine Reach:    26 (adjacent sides, "
              "edges or points)");
    EXPECT_EQ(b.Text(Control::lblMineDetectionInfo),
              "Number of mines: 4\r\nNumber of locations unexposed: 96");
    EXPECT_EQ(b.Text(Control::clockdisplay), "Time elapsed: 00:00:00");
    EXPECT_FALSE(b.IsVisible(Control::lblTitle));
    EXPECT_EQ(b.geometry().boardTop, 50);
    b.ReachCommand(0);
    EXPECT_EQ(b.Text(Control::lblMineInfo).substr(b.Text(Control::lblMineInfo).rfind('\n') + 1),
              "Mine Reach:     6 (adjacent sides only)");
    b.ReachCommand(1);
    b.DensityCommand(4);
    b.SizeCommand(2);
    EXPECT_EQ(b.Text(Control::lblMineInfo),
              "Minefield Size: Large\r\nMine Density:   32%\r\nMine Reach:    18 (adjacent sides "
              "or edges)");
    EXPECT_EQ(b.Text(Control::lblMineDetectionInfo),
              "Number of mines: 123\r\nNumber of locations unexposed: 384");
    EXPECT_EQ(s.view.shownBest, (std::pair<int, int>{3, 5}));
}

TEST(MinefieldKind, DemoLabelCyclesAndRandomHidesIt) {
    StartedBoard s;
    MineBoard& b = s.board;
    const char* expected[] = {"Demo Minefield S4 #1", "Demo Minefield S4 #2",
                              "Demo Minefield S4 #3", "Demo Minefield S4 #4",
                              "Demo Minefield S4 #1"};
    for (const char* text : expected) {
        b.DemoMinefieldsCommand();
        EXPECT_EQ(b.Text(Control::lblDemoMinefield), text);
        EXPECT_TRUE(b.IsVisible(Control::lblDemoMinefield));
        EXPECT_TRUE(b.demoChecked());
    }
    b.SizeCommand(2);
    b.DensityCommand(3);
    EXPECT_EQ(b.Text(Control::lblDemoMinefield), "Demo Minefield L16 #3");
    b.RandomMinefieldsCommand();
    EXPECT_FALSE(b.IsVisible(Control::lblDemoMinefield));
    EXPECT_TRUE(b.randomChecked());
}

TEST(Clock, TicksWhileThePlayGoesOnAndAReachChangeKeepsIt) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.NewMinefieldButton();
    for (int i = 0; i < 75; ++i) b.ClockTick();
    EXPECT_EQ(b.Text(Control::clockdisplay), "Time elapsed: 00:01:15");
    const std::string counts = b.Text(Control::lblMineDetectionInfo);
    b.ReachCommand(0);
    EXPECT_TRUE(b.TimerEnabled(Timer::clock));
    EXPECT_EQ(b.game().elapsedSeconds, 75);
    EXPECT_EQ(b.Text(Control::lblMineDetectionInfo), counts);
    EXPECT_TRUE(b.game().reach6Used);
    b.DensityCommand(0);
    EXPECT_EQ(b.Text(Control::clockdisplay), "Time elapsed: 00:00:00");
}

// Plays the current demo minefield: uncovers every mine-free square, or strikes the first mine.
void PlayDemoGame(MineBoard& board, bool strike) {
    GameState& g = board.game();
    board.BoardPress(MouseButton::Right, Square{1, 1, 1});  // a mark before the first uncover
    for (int c = 1; c <= g.columnCount && !g.gameOver; ++c)
        for (int r = 1; r <= g.rowCount && !g.gameOver; ++r)
            for (int l = 1; l <= 3 && !g.gameOver; ++l) {
                if (g.uncoveredCount == 0) {
                    board.BoardPress(MouseButton::Left, Square{8, 4, 3});
                    if (g.gameOver) return;
                }
                if (g.IsCovered(c, r, l) && (strike || !g.IsMine(c, r, l))) {
                    board.BoardPress(MouseButton::Left, Square{c, r, l});
                }
            }
}

TEST(EndOfGame, SweepThenStrikeGiveTheirDialoguesAfterTheDelay) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.DemoMinefieldsCommand();
    PlayDemoGame(b, false);
    ASSERT_TRUE(b.game().gameOver);
    ASSERT_EQ(b.game().struckColumn, 0);
    EXPECT_FALSE(b.TimerEnabled(Timer::clock));
    EXPECT_TRUE(b.TimerEnabled(Timer::clkBestScoreDelay));
    s.view.answer = "Ada";
    b.BestScoreDelayTick();
    EXPECT_FALSE(b.TimerEnabled(Timer::clkBestScoreDelay));
    ASSERT_EQ(s.view.prompts.size(), 1u);
    EXPECT_EQ(s.view.prompts[0].title, "Successful minesweep and a new high score");
    EXPECT_EQ(
        s.view.prompts[0].text,
        "\r\nCongratulations, you have swept the minefield\r\n     without detonating a "
        "mine.\r\n\r\n     Your score is 100% which is a new high score.\r\n\r\nEnter a name:");
    EXPECT_EQ(b.bestScores().At(1, 2, 1).name, "Ada");
    EXPECT_TRUE(b.bestScores().At(1, 2, 1).demoMinefield);
    EXPECT_TRUE(b.bestScoresChanged());

    // Five perfect results fill the table; an equal sixth is no new best score.
    for (int i = 0; i < 5; ++i) {
        b.DemoMinefieldsCommand();
        PlayDemoGame(b, false);
        b.BestScoreDelayTick();
    }
    EXPECT_EQ(s.view.prompts.size(), 5u);
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].title, "Success!");
    EXPECT_EQ(s.view.messages[0].icon, DialogueIcon::kInformation);

    b.DemoMinefieldsCommand();
    PlayDemoGame(b, true);
    ASSERT_GT(b.game().struckColumn, 0);
    b.BestScoreDelayTick();
    ASSERT_EQ(s.view.messages.size(), 2u);
    EXPECT_EQ(s.view.messages[1].title, "Struck a mine!");
    EXPECT_EQ(s.view.messages[1].icon, DialogueIcon::kWarning);
    EXPECT_EQ(s.view.messages[1].text.substr(0, 32), "\r\nWhoops! You struck a mine.\r\n\r\n");
}

TEST(EndOfGame, NameIsCutToTwentyFiveAndOfferedNextTime) {
    StartedBoard s;
    MineBoard& b = s.board;
    s.view.answer = "abcdefghijklmnopqrstuvwxyz0123";
    b.DemoMinefieldsCommand();
    PlayDemoGame(b, false);
    b.BestScoreDelayTick();
    EXPECT_EQ(b.bestScores().At(1, 2, 1).name, "abcdefghijklmnopqrstuvwxy");
    s.view.answer = "";  // Cancel records nothing
    b.DemoMinefieldsCommand();
    PlayDemoGame(b, false);
    b.BestScoreDelayTick();
    ASSERT_EQ(s.view.defaults.size(), 2u);
    EXPECT_EQ(s.view.defaults[0], "");
    EXPECT_EQ(s.view.defaults[1], "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(b.bestScores().At(1, 2, 2).name, "");
}

TEST(EndOfGame, ANewGameDuringTheDelayCancelsThePendingDialogue) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.DemoMinefieldsCommand();
    PlayDemoGame(b, true);
    ASSERT_TRUE(b.TimerEnabled(Timer::clkBestScoreDelay));
    b.NewMinefieldButton();
    EXPECT_FALSE(b.TimerEnabled(Timer::clkBestScoreDelay));
    b.BestScoreDelayTick();  // a tick already queued must not show anything
    EXPECT_TRUE(s.view.messages.empty());
    EXPECT_TRUE(s.view.prompts.empty());
}

TEST(Demonstration, ReplayFreezeCancelAndStop) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.MarkerColourCommand(4);  // Blue
    b.SizeCommand(1);
    b.ShowDemonstrationCommand();
    EXPECT_TRUE(b.IsVisible(Control::lblDisplay));
    EXPECT_TRUE(b.IsVisible(Control::lblMoveDescription));
    EXPECT_EQ(b.TimerInterval(Timer::tmrDisplayScreen), 2000);
    EXPECT_EQ(b.game().sizeCode, 1);
    EXPECT_EQ(b.Text(Control::lblMoveDescription).substr(0, 19), "1) A new Minefield.");
    b.FreezeButton();
    EXPECT_EQ(b.Text(Control::cmdFreeze), "Continue");
    EXPECT_FALSE(b.TimerEnabled(Timer::tmrDisplayScreen));
    b.FreezeButton();
    EXPECT_EQ(b.Text(Control::cmdFreeze), "Freeze");
    b.FreezeButton();
    b.CancelDisplayButton();
    EXPECT_EQ(b.TimerInterval(Timer::tmrDisplayScreen), 1);
    RunDemonstration(b);
    EXPECT_FALSE(b.IsVisible(Control::lblDisplay));
    EXPECT_EQ(b.game().lastScore, 21.49f);
    EXPECT_EQ(b.colours().MarkerColour(), 8) << "the marker colour from before the replay";

    b.ShowDemonstrationCommand();
    b.DisplayScreenTick();
    b.SizeCommand(2);  // stops the run and starts a game
    EXPECT_FALSE(b.IsVisible(Control::lblDisplay));
    EXPECT_FALSE(b.game().demonstrationMode);
    EXPECT_FALSE(b.game().gameOver);
    EXPECT_EQ(b.game().columnCount, 16);
    EXPECT_FALSE(b.IsVisible(Control::lblTitle));
}

// By step 5 the run has its yellow marker in force, while the menu still checks the player's red.
TEST(Demonstration, AMarkerColourChosenDuringARunLeavesOneCheckMark) {
    using Checks = std::array<bool, 6>;
    struct Case {
        const char* how;
        int item, colour;  // the selector's Apply, or the menu command when item < 0
        Checks during;
    };
    const Case cases[] = {
        {"Ctrl+O", -1, 1, {false, true, false, false, false, false}},
        {"Apply Orange to Markers", kItemMarkers, 5, {false, true, false, false, false, false}},
        {"Apply Black to Markers", kItemMarkers, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        StartedBoard s;
        MineBoard& b = s.board;
        b.ShowDemonstrationCommand();
        for (int step = 0; step < 5; ++step) b.DisplayScreenTick();
        if (c.item < 0) {
            b.MarkerColourCommand(c.colour);
        } else {
            b.selector().lstbxitems_Click(c.item);
            b.selector().lstbxcolors_Click(c.colour);
            b.selector().Apply();
        }
        EXPECT_EQ(b.colours().markerChecked, c.during);
        RunDemonstration(b);
        EXPECT_EQ(b.colours().MarkerColour(), 4) << "the colour from before the run";
        EXPECT_EQ(b.colours().markerChecked, (Checks{true, false, false, false, false, false}));
    }
}

TEST(Demonstration, TheSelectorMarksTheMarkerColourPutBackAtTheEnd) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.selector().lstbxitems_Click(kItemMarkers);
    b.ShowDemonstrationCommand();
    for (int step = 0; step < 5; ++step) b.DisplayScreenTick();
    b.MarkerColourCommand(1);  // Orange
    EXPECT_EQ(b.selector().ColourEntry(5), "Orange (current)");
    RunDemonstration(b);
    EXPECT_EQ(b.selector().ColourEntry(4), "Red (current)");
    EXPECT_EQ(b.selector().ColourEntry(5), "Orange");
}

TEST(Demonstration, ReplaySavesChangesBeforeItReadsTheFile) {
    StartedBoard s;
    MineBoard& b = s.board;
    b.bestScores().newbestscore("kept", 1, 2, GameResult{50, 10, false, false, false});
    b.bestScoresChanged() = true;
    b.ReplayButton();
    EXPECT_EQ(b.bestScores().At(1, 2, 1).name, "kept");
}

// The marker colour stored in a data file (line 76 holds the markers' item colour).
std::string StoredMarkerColour() {
    std::ifstream in("3DZendrix.dat", std::ios::binary);
    std::string line;
    for (int n = 1; n <= 76 && std::getline(in, line); ++n) {
    }
    return line.substr(0, line.find('\r'));
}

TEST(Demonstration, ReplayWhenTheSaveFailsKeepsWhatCouldNotBeSaved) {
    StartedBoard s;
    MineBoard& b = s.board;
    s.dataFile.writable = false;
    b.bestScores().newbestscore("unsaved", 1, 2, GameResult{50, 10, false, false, false});
    b.MarkerColourCommand(3);  // Green: saved at once, which fails and is told
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].title, "3D-Zendrix data file");
    b.ReplayButton();
    EXPECT_EQ(s.view.messages.size(), 1u) << "a failing save is told once";
    EXPECT_EQ(b.bestScores().At(1, 2, 1).name, "unsaved");
    EXPECT_TRUE(b.unsaved()) << "still to be saved";
    RunDemonstration(b);
    EXPECT_EQ(b.colours().MarkerColour(), 7);
    EXPECT_EQ(b.colours().markerChecked,
              (std::array<bool, 6>{false, false, false, true, false, false}));
    // Once the file can be written again, the next save brings everything to it.
    s.dataFile.writable = true;
    b.MarkerColourCommand(4);
    EXPECT_FALSE(b.unsaved());
    EXPECT_EQ(StoredMarkerColour(), "8");
    EXPECT_EQ(s.view.messages.size(), 1u);
}

TEST(Demonstration, ThePlayersMarkerColourSurvivesAndIsStoredDuringARun) {
    // Each case replays (or exits) after a number of visible steps; by step 5 the demonstration
    // has its yellow marker in force, by step 7 its red one.
    struct Case {
        int stepsBeforeReplay;
        bool exitInstead;
    };
    for (const Case& c : {Case{0, false}, Case{5, false}, Case{7, false}, Case{6, true}}) {
        SCOPED_TRACE(c.stepsBeforeReplay);
        StartedBoard s;
        MineBoard& b = s.board;
        b.MarkerColourCommand(3);  // Green, palette entry 7
        b.ReplayButton();
        for (int step = 0; step < c.stepsBeforeReplay; ++step) b.DisplayScreenTick();
        if (c.exitInstead) {
            b.bestScoresChanged() = true;
            b.SaveIfChanged();
            EXPECT_EQ(StoredMarkerColour(), "7");
            continue;
        }
        b.ReplayButton();
        EXPECT_EQ(StoredMarkerColour(), "7");
        RunDemonstration(b);
        EXPECT_FALSE(b.game().demonstrationMode);
        EXPECT_EQ(b.colours().MarkerColour(), 7);
        EXPECT_EQ(b.colours().markerChecked,
                  (std::array<bool, 6>{false, false, false, true, false, false}));
    }
}

}  // namespace
}  // namespace zendrix
