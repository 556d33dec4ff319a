// Randomised whole games: the solver's certain verdicts against the real mines, and no-guess
// minefields cleared to the end by certain deductions alone.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

#include "game/game_dump.h"
#include "game/moves.h"
#include "game/placement.h"
#include "solver/analysis.h"
#include "solver/no_guess.h"
#include "support/game_support.h"

namespace zendrix {
namespace {

GameState NewGame(int size, int density, int reach) {
    GameState state;
    state.SetSize(size);
    state.SetDensity(density);
    state.reachLevel = static_cast<int16_t>(reach);
    state.demonstrationMode = false;
    state.ResetForNewGame();
    return state;
}

// Plays a laid-out field from `first` as the Assistant would let a player: only squares the
// exact analysis calls safe. True when that sweeps the field.
bool ClearedByCertainSquares(GameState& state, const Square& first) {
    ColourModel colours;
    StandardRandomSource unused;
    NullMoveObserver observer;
    Play play(state, colours, unused, observer);
    // The first uncover as the game makes it, without laying mines again.
    if (state.IsMine(first.column, first.row, first.level)) return false;
    if (play.CountAndShow(first.column, first.row, first.level) == 0) {
        play.FloodUncover(first.column, first.row, first.level);
        --state.uncoveredCount;
    }
    if (state.uncoveredCount == state.safeSquareCount) return true;
    while (!state.gameOver) {
        const Position position = PositionOf(state);
        const Analysis analysis =
            Analyse(position, {.cellBudget = size_t{1} << 22, .timeLimit = {}});
        bool moved = false;
        for (int i = 0; i < position.SquareCount() && !state.gameOver; ++i) {
            if (analysis.squares[i].verdict != Verdict::kSafe) continue;
            const Square s = position.SquareAt(i);
            if (state.IsCovered(s.column, s.row, s.level)) {
                play.UncoverSquare(s.column, s.row, s.level);
                moved = true;
            }
        }
        if (!moved) return false;
    }
    return state.struckColumn == 0;
}

TEST(Analysis, CertainVerdictsHoldOverRandomGames) {
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());
    StandardRandomSource random;
    random.Reset();
    random.Seed(static_cast<float>(soak.seed % 100000));
    ColourModel colours;
    NullMoveObserver observer;
    int certain = 0, estimated = 0;
    for (int game = 0; game < 150; ++game) {
        GameState state = NewGame(soak.Pick(3), soak.Pick(5), 1 + soak.Pick(3));
        state.useDemoMinefields = soak.Pick(4) == 0;
        state.demoNumber = static_cast<int16_t>(1 + soak.Pick(4));
        Play play(state, colours, random, observer);
        for (int move = 0; move < 80 && !state.gameOver; ++move) {
            const Position position = PositionOf(state);
            // A small budget, so that estimates are checked as well (the count finishes most
            // positions within a few hundred states).
            const Analysis analysis =
                Analyse(position, {.cellBudget = size_t{1} << 8, .timeLimit = {}});
            ASSERT_TRUE(analysis.consistent) << DumpMinefield(state);
            estimated += !analysis.exact;
            std::vector<int> safe;
            int lowest = -1;
            for (int i = 0; i < position.SquareCount() && state.uncoveredCount > 0; ++i) {
                const Square s = position.SquareAt(i);
                const Verdict verdict = analysis.squares[i].verdict;
                if (verdict == Verdict::kSafe) safe.push_back(i);
                if (verdict == Verdict::kChance &&
                    (lowest < 0 || analysis.squares[i].chance < analysis.squares[lowest].chance)) {
                    lowest = i;
                }
                if (verdict == Verdict::kSafe || verdict == Verdict::kMine) ++certain;
                ASSERT_FALSE(verdict == Verdict::kSafe && state.IsMine(s.column, s.row, s.level))
                    << "called safe, holds a mine: game " << game << "\n"
                    << DumpMinefield(state);
                ASSERT_FALSE(verdict == Verdict::kMine && !state.IsMine(s.column, s.row, s.level))
                    << "called a mine, is empty: game " << game << "\n"
                    << DumpMinefield(state);
            }
            if (analysis.exact) {
                // Every layout holds mineCount mines.
                BigUnsigned sum;
                for (const BigUnsigned& m : analysis.mineLayouts) sum += m;
                ASSERT_EQ(sum, analysis.layouts * static_cast<uint64_t>(state.mineCount))
                    << DumpMinefield(state);
            }
            // Mostly the Assistant's hint (a safe square, else the lowest chance), sometimes a
            // change of reach, a mark or a press anywhere.
            const int kind = soak.Pick(16);
            const Square anywhere{1 + soak.Pick(state.columnCount), 1 + soak.Pick(state.rowCount),
                                  1 + soak.Pick(3)};
            if (kind == 0) {
                state.reachLevel = static_cast<int16_t>(1 + soak.Pick(3));
                play.RecountReach();
            } else if (kind == 1 || kind == 2) {
                play.BoardPress(kind == 1 ? MouseButton::Right : MouseButton::Left, anywhere);
            } else if (!safe.empty() || lowest >= 0) {
                const Square s = position.SquareAt(
                    safe.empty() ? lowest : safe[soak.Pick(static_cast<int>(safe.size()))]);
                play.UncoverSquare(s.column, s.row, s.level);
            } else {
                play.BoardPress(MouseButton::Left, anywhere);
            }
        }
    }
    EXPECT_GT(certain, 1000);
    EXPECT_GT(estimated, 0);
}

TEST(NoGuess, FieldsAreClearedFromTheFirstSquareByCertainDeductionsAlone) {
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());
    for (int trial = 0; trial < 60; ++trial) {
        // Every size at 2 to 16 %, and the small field at 32 %.
        const int size = soak.Pick(3), density = size == 0 ? soak.Pick(5) : soak.Pick(4),
                  reach = 1 + soak.Pick(3);
        GameState state = NewGame(size, density, reach);
        const Square first{1 + soak.Pick(state.columnCount), 1 + soak.Pick(state.rowCount),
                           1 + soak.Pick(3)};
        const uint64_t layoutSeed = soak.engine();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        const NoGuessResult result = PlaceMinesWithoutGuessing(state, first, layoutSeed, deadline);
        SCOPED_TRACE("trial " + std::to_string(trial));
        ASSERT_TRUE(result.found);

        GameState again = NewGame(size, density, reach);
        PlaceMinesWithoutGuessing(again, first, layoutSeed, deadline);
        EXPECT_EQ(again.mineMap, state.mineMap) << "not repeatable for its seed";
        int mines = 0;
        for (int l = 1; l <= 3; ++l) {
            for (int r = 1; r <= state.rowCount; ++r) {
                for (int c = 1; c <= state.columnCount; ++c) mines += state.IsMine(c, r, l);
            }
        }
        ASSERT_EQ(mines, state.mineCount);
        ASSERT_EQ(state.MinesInReach(first.column, first.row, first.level), 0);
        ASSERT_FALSE(state.IsMine(first.column, first.row, first.level));
        ASSERT_TRUE(ClearedByCertainSquares(state, first)) << DumpMinefield(state);
    }
}

TEST(NoGuess, TheCheckAgreesWithPlayingTheCertainSquares) {
    // Random layouts, some needing a guess and some not: the check of a layout and a replay by
    // the exact analysis on the real moves must agree.
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());
    StandardRandomSource random;
    random.Reset();
    random.Seed(static_cast<float>(soak.seed % 100000));
    int solvable = 0, trials = 300;
    for (int trial = 0; trial < trials; ++trial) {
        GameState state = NewGame(soak.Pick(2), 1 + soak.Pick(3), 1 + soak.Pick(3));
        const Square first{1 + soak.Pick(state.columnCount), 1 + soak.Pick(state.rowCount),
                           1 + soak.Pick(3)};
        PlaceMines(state, random, first.column, first.row, first.level);
        const bool claimed = SolvableWithoutGuessing(state, first);
        ASSERT_EQ(claimed, ClearedByCertainSquares(state, first)) << "trial " << trial << "\n"
                                                                  << DumpMinefield(state);
        solvable += claimed;
    }
    EXPECT_GT(solvable, 0);
    EXPECT_LT(solvable, trials);
}

}  // namespace
}  // namespace zendrix
