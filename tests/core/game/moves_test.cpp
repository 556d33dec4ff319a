// The moves: dispatch, uncover and flood, marks, multiple uncover, game end and the re-count.
#include <gtest/gtest.h>

#include "game/game_dump.h"
#include "game/moves.h"
#include "support/game_support.h"

namespace zendrix {
namespace {

using testing::RecordingObserver;
using testing::StartFixedGame;

// Two mines: (7, 2, 2) and (1, 1, 3). Each block is a level, its back row (row 4) first.
constexpr const char* kTwoMines = R"(
    ########
    ########
    ########
    ########

    ########
    ########
    ######*#
    ########

    ########
    ########
    ########
    *#######
)";

// After a first uncover at (1, 4, 1) with reach 26: the zero region and its numbered edge are
// open; squares whose whole reach is numbered stay covered.
constexpr const char* kAfterFlood =
    "00000000\n00000111\n000001##\n000001##\n\n"
    "00000000\n00000111\n110001*#\n110001##\n\n"
    "00000000\n00000111\n110001##\n*10001##\n";

struct Fixture {
    Fixture() { StartFixedGame(state, kTwoMines); }
    GameState state;
    ColourModel colours;
    testing::ScriptedRandom random{{0.5f}};
    RecordingObserver observer;
    testing::KeepLaidMines keepMines;
    Play play{state, colours, random, observer, &keepMines};
};

TEST(Uncover, ZeroRegionOpensWithItsNumberedEdge) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    EXPECT_EQ(DumpMinefield(f.state), kAfterFlood);
    EXPECT_EQ(f.state.uncoveredCount, 96 - 13);
    EXPECT_EQ(f.state.CoveredCount(), 13);
    EXPECT_EQ(f.observer.painted.size(), 84u) << "the flood paints its starting square again";
    for (const auto& paint : f.observer.painted) EXPECT_EQ(paint.colour, kWhite);
    EXPECT_EQ(f.observer.countChanges, 1);
    EXPECT_EQ(f.observer.grids, 1);
    EXPECT_FALSE(f.state.gameOver);
}

TEST(Uncover, NumberedSquareOpensAloneAndClearsItsMark) {
    Fixture f;
    f.state.uncoveredCount = 1;
    f.play.ToggleMark(6, 2, 2);
    f.play.UncoverSquare(6, 2, 2);
    EXPECT_EQ(f.state.squareState(6, 2, 2), 1);
    EXPECT_EQ(f.state.markMap(6, 2, 2), 0);
    EXPECT_EQ(f.state.uncoveredCount, 2);
}

TEST(Uncover, FirstUncoverOfARandomFieldPlacesMinesAndSparesTheSquare) {
    GameState state;
    ColourModel colours;
    StandardRandomSource random;
    RecordingObserver observer;
    Play play(state, colours, random, observer);
    state.SetDensity(0);
    state.SetSize(2);
    state.ResetForNewGame();
    play.BoardPress(MouseButton::Left, Square{8, 4, 2});
    EXPECT_FALSE(state.gameOver);
    EXPECT_GE(state.squareState(8, 4, 2), 0);
    int mines = 0;
    for (int i = 0; i < kArrayEntries; ++i) mines += state.mineMap[i] == -1;
    EXPECT_EQ(mines, 8);
}

TEST(Marks, ToggleRemarkAndColours) {
    Fixture f;
    const Rgb red = f.colours.PaletteColour(4), yellow = f.colours.PaletteColour(6);
    f.play.BoardPress(MouseButton::Right, Square{3, 3, 3});
    EXPECT_EQ(f.state.markMap(3, 3, 3), 4);
    EXPECT_EQ(f.observer.painted.back().colour, red);
    f.play.BoardPress(MouseButton::Right, Square{3, 3, 3});
    EXPECT_EQ(f.state.markMap(3, 3, 3), 0);
    EXPECT_EQ(f.observer.painted.back().colour, (Rgb{200, 200, 255})) << "the Minefield colour";

    f.play.BoardPress(MouseButton::Right, Square{3, 3, 3});
    f.colours.SetMarkerColourCommand(2);  // Yellow
    f.play.BoardPress(MouseButton::Right, Square{3, 3, 3});
    EXPECT_EQ(f.state.markMap(3, 3, 3), 6) << "a mark of another colour is re-marked";
    EXPECT_EQ(f.observer.painted.back().colour, yellow);
    EXPECT_EQ(f.observer.grids, 4);
    EXPECT_EQ(f.state.uncoveredCount, 0) << "marking changes no counter and places no mine";
}

TEST(Marks, LeftClickOnAMarkedMineStrikesIt) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    f.play.BoardPress(MouseButton::Right, Square{7, 2, 2});
    f.play.BoardPress(MouseButton::Left, Square{7, 2, 2});
    EXPECT_TRUE(f.state.gameOver);
    EXPECT_EQ((Square{f.state.struckColumn, f.state.struckRow, f.state.struckLevel}),
              (Square{7, 2, 2}));
    EXPECT_EQ(f.state.markMap(7, 2, 2), 0);
    EXPECT_TRUE(f.state.IsCovered(7, 2, 2));
    EXPECT_TRUE(f.state.IsMine(7, 2, 2));
    ASSERT_EQ(f.observer.shownMines.size(), 1u);
    EXPECT_EQ(f.observer.shownMines[0], (Square{7, 2, 2}));
    EXPECT_EQ(f.observer.endings, 1);
}

TEST(UncoverAround, StrikesTheFirstUnmarkedMineAndStopsThere) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    f.play.BoardPress(MouseButton::Right, Square{6, 2, 2});
    // Neighbours in visiting order before the mine: (7,1,1), (7,1,2), (7,1,3), (7,2,1).
    EXPECT_TRUE(f.state.gameOver);
    EXPECT_EQ(f.state.struckColumn, 7);
    EXPECT_GE(f.state.squareState(7, 1, 1), 0);
    EXPECT_GE(f.state.squareState(7, 1, 2), 0);
    EXPECT_GE(f.state.squareState(7, 1, 3), 0);
    EXPECT_GE(f.state.squareState(7, 2, 1), 0);
    EXPECT_TRUE(f.state.IsCovered(7, 2, 3)) << "nothing after the struck mine is uncovered";
}

TEST(UncoverAround, MarkedNeighboursAreSparedAndAllMarkedDoesNothing) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    // (2, 1, 3) reaches the covered mine (1, 1, 3) only.
    f.play.BoardPress(MouseButton::Right, Square{1, 1, 3});
    const auto before = DumpMinefield(f.state);
    const int grids = f.observer.grids;
    f.play.BoardPress(MouseButton::Right, Square{2, 1, 3});
    EXPECT_EQ(DumpMinefield(f.state), before);
    EXPECT_EQ(f.observer.grids, grids);
    EXPECT_FALSE(f.state.gameOver);
}

TEST(GameEnd, CompleteSweepScoresAHundredAndRefusesFurtherPresses) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    f.play.BoardPress(MouseButton::Right, Square{1, 1, 3});
    const Square rest[] = {{7, 2, 1}, {8, 2, 1}, {7, 1, 1}, {8, 1, 1}, {8, 2, 2}, {7, 1, 2},
                           {8, 1, 2}, {7, 2, 3}, {8, 2, 3}, {7, 1, 3}, {8, 1, 3}};
    for (const Square& s : rest) {
        EXPECT_FALSE(f.state.gameOver);
        f.play.BoardPress(MouseButton::Left, s);
    }
    EXPECT_TRUE(f.state.gameOver);
    EXPECT_EQ(f.state.struckColumn, 0);
    EXPECT_EQ(f.observer.shownMines.back(), (Square{0, 0, 0}));
    EXPECT_EQ(f.state.lastScore, 100.0f);
    const auto after = DumpMinefield(f.state);
    f.play.BoardPress(MouseButton::Right, Square{7, 2, 2});
    f.play.BoardPress(MouseButton::Left, Square{7, 2, 2});
    EXPECT_EQ(DumpMinefield(f.state), after);
    EXPECT_EQ(f.observer.endings, 1);
}

TEST(GameEnd, PressesOutsideTheFieldDoNothing) {
    Fixture f;
    f.play.BoardPress(MouseButton::Left, std::nullopt);
    f.play.BoardPress(MouseButton::Left, Square{9, 1, 1});
    f.play.BoardPress(MouseButton::Right, Square{1, 5, 1});
    f.play.BoardPress(MouseButton::Left, Square{1, 1, 4});
    f.play.BoardPress(MouseButton::Other, Square{1, 1, 1});
    EXPECT_EQ(f.state.uncoveredCount, 0);
    EXPECT_TRUE(f.observer.painted.empty());
}

TEST(Recount, NewReachChangesNumbersAndUncoversNothing) {
    Fixture f;
    f.play.UncoverSquare(1, 4, 1);
    f.play.ToggleMark(8, 1, 1);
    const int uncovered = f.state.uncoveredCount;
    f.state.reachLevel = 1;
    f.play.RecountReach();
    EXPECT_EQ(f.state.uncoveredCount, uncovered);
    EXPECT_EQ(DumpMinefield(f.state),
              "00000000\n00000000\n000000##\n000000#m\n\n"
              "00000000\n00000010\n000001*#\n100000##\n\n"
              "00000000\n00000000\n100000##\n*10000##\n");
    EXPECT_EQ(f.state.CoveredCount(), 13);
    EXPECT_EQ(f.observer.grids, 3) << "the first uncover, the mark, the re-count";
}

// The text picture (used by these tests and the render tool) reads back as it was written, and
// no two kinds of square share a character: a marked mine is no count of 22.
TEST(Picture, ReadsBackAsWrittenWithEveryKindOfSquareApart) {
    GameState state;
    StartFixedGame(state, kTwoMines);
    state.markMap(1, 1, 3) = 4;       // the marked mine
    state.markMap(2, 1, 3) = 4;       // a marked square
    state.squareState(3, 1, 3) = 22;  // counts of reach 26 can reach 26
    state.squareState(4, 1, 3) = 26;
    state.squareState(5, 1, 3) = 9;
    const std::string text = DumpMinefield(state);
    EXPECT_EQ(text.substr(text.size() - 9), "XmMQ9###\n");

    GameState read;
    ASSERT_TRUE(LoadPicture(read, text, 4));
    EXPECT_EQ(DumpMinefield(read), text);
    EXPECT_EQ(read.squareState(3, 1, 3), 22);
    EXPECT_EQ(read.markMap(3, 1, 3), 0);
    EXPECT_EQ(read.markMap(1, 1, 3), 4);
    EXPECT_TRUE(read.IsMine(1, 1, 3));
    EXPECT_EQ(read.mineCount, 2);
    EXPECT_EQ(read.uncoveredCount, 3);

    std::string unknown = text;
    unknown[0] = '?';
    EXPECT_FALSE(LoadPicture(read, unknown, 4));
}

}  // namespace
}  // namespace zendrix
