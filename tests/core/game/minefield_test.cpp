// The density rule, the reach neighbourhoods and the field reset.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "game/minefield.h"

namespace zendrix {
namespace {

TEST(MineCount, EverySizeAndDensityGivesTheListedCount) {
    const int expected[3][5] = {{2, 4, 8, 15, 31}, {4, 9, 17, 35, 69}, {8, 15, 31, 61, 123}};
    for (int size = 0; size < 3; ++size) {
        for (int density = 0; density < 5; ++density) {
            GameState state;
            state.SetSize(size);
            state.SetDensity(density);
            state.ResetForNewGame();
            EXPECT_EQ(state.mineCount, expected[size][density]) << size << "/" << density;
            EXPECT_EQ(state.safeSquareCount, state.SquareCount() - expected[size][density]);
        }
    }
}

TEST(Neighbourhood, SizesAndFixedOrder) {
    EXPECT_EQ(Neighbourhood(1).size(), 7u);  // 6 + the zero offset
    EXPECT_EQ(Neighbourhood(2).size(), 19u);
    EXPECT_EQ(Neighbourhood(3).size(), 27u);
    for (int reach = 1; reach <= 3; ++reach) {
        std::tuple<int, int, int> previous{-2, -2, -2};
        for (const Offset& o : Neighbourhood(reach)) {
            const std::tuple<int, int, int> current{o.dc, o.dr, o.dl};
            EXPECT_LT(previous, current) << "dc outermost, dl innermost, each rising";
            previous = current;
            EXPECT_LE(std::abs(o.dc) + std::abs(o.dr) + std::abs(o.dl), reach);
            EXPECT_EQ(o.delta, o.dc + 19 * o.dr + 361 * o.dl);
        }
    }
}

// Counts the neighbours of a square that lie in the field, by laying a mine on every square.
int NeighboursInField(int reach, int size, Square s) {
    GameState state;
    state.SetSize(size);
    state.reachLevel = static_cast<int16_t>(reach);
    state.ResetForNewGame();
    for (int c = 1; c <= state.columnCount; ++c)
        for (int r = 1; r <= state.rowCount; ++r)
            for (int l = 1; l <= 3; ++l)
                if (!(Square{c, r, l} == s)) state.mineMap(c, r, l) = -1;
    return state.MinesInReach(s.column, s.row, s.level);
}

TEST(Neighbourhood, SquaresInFieldAtCornersAndCentre) {
    struct Case {
        int reach;
        int size;
        Square square;
        int expected;
    } cases[] = {
        {1, 0, {1, 1, 1}, 3},  {2, 0, {1, 1, 1}, 6},  {3, 0, {1, 1, 1}, 7}, {1, 2, {8, 4, 2}, 6},
        {2, 2, {8, 4, 2}, 18}, {3, 2, {8, 4, 2}, 26}, {3, 0, {8, 4, 3}, 7}, {3, 1, {1, 3, 2}, 17},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NeighboursInField(c.reach, c.size, c.square), c.expected)
            << "reach " << c.reach << " square " << c.square.column << "," << c.square.row << ","
            << c.square.level;
    }
}

TEST(Neighbourhood, LevelOneNeverSeesLevelThree) {
    GameState state;
    state.ResetForNewGame();
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 4; ++r) state.mineMap(c, r, 3) = -1;
    for (int reach = 1; reach <= 3; ++reach) {
        state.reachLevel = static_cast<int16_t>(reach);
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 4; ++r) EXPECT_EQ(state.MinesInReach(c, r, 1), 0);
    }
}

TEST(FieldReset, BorderRingUncoveredFieldCoveredLargerLeftoversUntouched) {
    GameState state;
    state.SetSize(2);
    state.ResetForNewGame();
    state.squareState(17, 9, 4) = 7;  // a border cell of Large
    state.squareState(12, 8, 2) = 5;  // inside Large, outside Small
    state.SetSize(0);
    state.ResetForNewGame();
    for (int l = 0; l <= 4; ++l)
        for (int r = 0; r <= 5; ++r)
            for (int c = 0; c <= 9; ++c) {
                EXPECT_EQ(state.squareState(c, r, l), state.InField(c, r, l) ? -1 : 0);
                EXPECT_EQ(state.mineMap(c, r, l), 0);
                EXPECT_EQ(state.markMap(c, r, l), 0);
            }
    EXPECT_EQ(state.squareState(12, 8, 2), 5) << "entries beyond the small field are not touched";
}

TEST(NewGame, ReachFlagsFollowTheReachInForce) {
    for (int reach = 1; reach <= 3; ++reach) {
        GameState state;
        state.reachLevel = static_cast<int16_t>(reach);
        state.reach6Used = state.reach18Used = true;
        state.ResetForNewGame();
        EXPECT_EQ(state.reach6Used, reach == 1);
        EXPECT_EQ(state.reach18Used, reach == 2);
        EXPECT_FALSE(state.gameOver);
        EXPECT_EQ(state.CoveredCount(), state.SquareCount());
    }
}

}  // namespace
}  // namespace zendrix
