// Randomised whole games: random settings and presses (marks, multiple uncovers and reach changes
// included), with the invariants of the field checked after every move.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game/game_dump.h"
#include "game/moves.h"
#include "support/game_support.h"

namespace zendrix {
namespace {

// The mines within reach of a square, counted straight from the rule and apart from the game's own
// neighbourhood tables and border ring: every other square of the field whose column, row and
// level each differ by at most one, with at most reachLevel of them differing.
int MinesWithinReach(const GameState& state, int c, int r, int l) {
    int mines = 0;
    for (int nc = c - 1; nc <= c + 1; ++nc) {
        for (int nr = r - 1; nr <= r + 1; ++nr) {
            for (int nl = l - 1; nl <= l + 1; ++nl) {
                const int differing = (nc != c) + (nr != r) + (nl != l);
                if (differing == 0 || differing > state.reachLevel) continue;
                if (state.InField(nc, nr, nl) && state.IsMine(nc, nr, nl)) ++mines;
            }
        }
    }
    return mines;
}

void CheckInvariants(const GameState& state, const SquareArray& borderState, bool minesPlaced) {
    int uncovered = 0, mines = 0;
    for (int l = 0; l <= 4; ++l) {
        for (int r = 0; r <= state.rowCount + 1; ++r) {
            for (int c = 0; c <= state.columnCount + 1; ++c) {
                if (!state.InField(c, r, l)) {
                    ASSERT_EQ(state.squareState(c, r, l), 0) << "border cell changed";
                    ASSERT_EQ(state.mineMap(c, r, l), 0) << "mine in the border";
                    ASSERT_EQ(state.markMap(c, r, l), 0) << "mark in the border";
                    ASSERT_EQ(borderState(c, r, l), state.squareState(c, r, l));
                    continue;
                }
                const bool covered = state.IsCovered(c, r, l);
                if (!covered) ++uncovered;
                if (state.markMap(c, r, l) != 0) {
                    ASSERT_TRUE(covered) << "mark on an uncovered square";
                }
                if (state.IsMine(c, r, l)) {
                    ++mines;
                    ASSERT_TRUE(covered) << "uncovered square holds a mine";
                }
                if (!covered) {
                    ASSERT_EQ(state.squareState(c, r, l), MinesWithinReach(state, c, r, l));
                }
            }
        }
    }
    ASSERT_EQ(uncovered, state.uncoveredCount);
    if (minesPlaced) {
        ASSERT_EQ(mines, state.mineCount);
    }
}

TEST(Soak, ThousandsOfRandomGamesKeepTheFieldConsistent) {
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());

    StandardRandomSource random;
    testing::RecordingObserver observer;
    int sweeps = 0, struck = 0;
    for (int game = 0; game < 5000; ++game) {
        GameState state;
        ColourModel colours;
        Play play(state, colours, random, observer);
        state.SetSize(soak.Pick(3));
        state.SetDensity(soak.Pick(5));
        state.reachLevel = static_cast<int16_t>(1 + soak.Pick(3));
        state.useDemoMinefields = soak.Pick(2) == 0;
        state.demoNumber = static_cast<int16_t>(1 + soak.Pick(4));
        state.ResetForNewGame();
        const SquareArray border = state.squareState;

        for (int move = 0; move < 2000 && !state.gameOver; ++move) {
            const Square square{1 + soak.Pick(state.columnCount), 1 + soak.Pick(state.rowCount),
                                1 + soak.Pick(3)};
            const int kind = soak.Pick(20);
            if (kind == 0) {
                state.reachLevel = static_cast<int16_t>(1 + soak.Pick(3));
                if (state.reachLevel == 1) state.reach6Used = true;
                if (state.reachLevel == 2) state.reach18Used = true;
                play.RecountReach();
            } else if (kind == 1) {
                colours.SetMarkerColourCommand(soak.Pick(6));
            } else {
                // Mostly uncover; marks often enough to matter, and multiple uncovers.
                const bool placed = state.uncoveredCount > 0;
                const bool firstRandom = !placed && !state.useDemoMinefields;
                play.BoardPress(kind < 12 ? MouseButton::Left : MouseButton::Right, square);
                if (firstRandom && kind < 12) {
                    ASSERT_FALSE(state.gameOver && state.struckColumn != 0)
                        << "the first uncover of a random minefield struck a mine";
                }
            }
            CheckInvariants(state, border, state.uncoveredCount > 0 || state.gameOver);
            if (HasFatalFailure()) {
                ADD_FAILURE() << "game " << game << " move " << move << "\n"
                              << DumpMinefield(state);
                return;
            }
        }
        if (!state.gameOver) continue;
        (state.struckColumn == 0 ? sweeps : struck)++;
        ASSERT_GE(state.lastScore, 0.0f);
        ASSERT_LE(state.lastScore, 100.0f);
        if (state.struckColumn == 0) {
            ASSERT_EQ(state.lastScore, 100.0f);
        }
    }
    EXPECT_GT(sweeps, 0);
    EXPECT_GT(struck, 0);
}

}  // namespace
}  // namespace zendrix
