// Mine placement: repeatable demo layouts, random layouts that spare the first square, the guard.
#include <gtest/gtest.h>

#include <set>

#include "game/game_dump.h"
#include "game/placement.h"
#include "support/game_support.h"

namespace zendrix {
namespace {

std::set<int> MineIndexes(const GameState& state) {
    std::set<int> mines;
    for (int i = 0; i < kArrayEntries; ++i)
        if (state.mineMap[i] == -1) mines.insert(i);
    return mines;
}

GameState NewGame(int size, int density, bool demo, int demoNumber) {
    GameState state;
    state.SetSize(size);
    state.SetDensity(density);
    state.useDemoMinefields = demo;
    state.demoNumber = static_cast<int16_t>(demoNumber);
    state.ResetForNewGame();
    return state;
}

TEST(PlaceMines, DemoLayoutsAreRepeatableWhereverTheFirstClick) {
    for (int size = 0; size < 3; ++size) {
        for (int density = 0; density < 5; ++density) {
            std::set<std::set<int>> layouts;
            for (int number = 1; number <= 4; ++number) {
                GameState a = NewGame(size, density, true, number);
                GameState b = NewGame(size, density, true, number);
                StandardRandomSource ra, rb;
                rb.SeedFromClock();  // a disturbed generator must not matter: placement resets it
                PlaceMines(a, ra, 1, 1, 1);
                PlaceMines(b, rb, a.columnCount, a.rowCount, 3);
                EXPECT_EQ(a.mineMap, b.mineMap);
                EXPECT_EQ(static_cast<int>(MineIndexes(a).size()), a.mineCount);
                layouts.insert(MineIndexes(a));
            }
            EXPECT_EQ(layouts.size(), 4u) << "the four demo minefields differ";
        }
    }
}

TEST(PlaceMines, DemoLayoutIsPinned) {
    // Pins the generator: a change here changes every player's demo minefields.
    GameState state = NewGame(0, 1, true, 1);
    StandardRandomSource random;
    PlaceMines(state, random, 1, 1, 1);
    EXPECT_EQ(DumpMinefield(state),
              "########\n########\n########\n########\n\n"
              "########\n#####*##\n########\n########\n\n"
              "#####*##\n########\n#####*##\n##*#####\n");
}

TEST(PlaceMines, SeedIsTheSinglePrecisionSum) {
    testing::ScriptedRandom random({0.1f, 0.5f, 0.9f, 0.3f, 0.7f});
    GameState state = NewGame(2, 4, true, 4);
    state.mineCount = 5;  // the five distinct squares the script reaches
    PlaceMines(state, random, 1, 1, 1);
    ASSERT_EQ(random.seeds.size(), 1u);
    EXPECT_EQ(random.seeds[0], 16.0f + 8.0f + 0.32f + 4.0f);
    EXPECT_EQ(random.resets, 1);
    EXPECT_EQ(random.clockSeeds, 0);
}

TEST(PlaceMines, RandomMinefieldNeverPutsAMineOnTheFirstSquare) {
    StandardRandomSource random;
    for (int trial = 0; trial < 300; ++trial) {
        GameState state = NewGame(trial % 3, 4, false, 0);
        const int c = 1 + trial % state.columnCount, r = 1 + trial % state.rowCount,
                  l = 1 + trial % 3;
        PlaceMines(state, random, c, r, l);
        EXPECT_FALSE(state.IsMine(c, r, l));
        EXPECT_EQ(static_cast<int>(MineIndexes(state).size()), state.mineCount);
        for (int index : MineIndexes(state)) {
            const int cc = index % 19, rr = index / 19 % 19, ll = index / 361;
            EXPECT_TRUE(state.InField(cc, rr, ll)) << "mine in the border ring";
        }
    }
}

TEST(PlaceMines, RandomMinefieldsDiffer) {
    StandardRandomSource random;
    std::set<std::set<int>> layouts;
    for (int trial = 0; trial < 10; ++trial) {
        GameState state = NewGame(2, 3, false, 0);
        PlaceMines(state, random, 1, 1, 1);
        layouts.insert(MineIndexes(state));
    }
    EXPECT_GT(layouts.size(), 1u);
}

TEST(PlaceMines, GuardLeavesAnOverfullFieldEmpty) {
    GameState state = NewGame(0, 4, true, 1);
    state.mineCount = static_cast<int16_t>(state.SquareCount() - 4);
    StandardRandomSource random;
    PlaceMines(state, random, 1, 1, 1);
    EXPECT_EQ(state.mineCount, 0);
    EXPECT_TRUE(MineIndexes(state).empty());
}

TEST(PlaceMines, RepeatedDrawsAddRepetitions) {
    // Draws always land on (1,1,1) twice before moving on: still exactly mineCount mines.
    testing::ScriptedRandom random({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99f, 0.99f, 0.99f});
    GameState state = NewGame(0, 0, true, 1);
    PlaceMines(state, random, 5, 2, 2);
    EXPECT_TRUE(state.IsMine(1, 1, 1));
    EXPECT_TRUE(state.IsMine(8, 4, 3));
    EXPECT_EQ(MineIndexes(state).size(), 2u);
}

TEST(DemoNumber, CyclesOneToFour) {
    const int16_t expected[] = {1, 2, 3, 4, 1, 2};
    int16_t number = 0;
    for (int16_t e : expected) {
        number = NextDemoNumber(number);
        EXPECT_EQ(number, e);
    }
}

}  // namespace
}  // namespace zendrix
