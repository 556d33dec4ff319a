// When a game counts as assisted, and the hint before the first uncover, which the solver alone
// cannot give: a random minefield spares the first square uncovered.
#include <gtest/gtest.h>

#include "assistant/assistant.h"
#include "solver/assistant_texts.h"

namespace zendrix {
namespace {

GameState NewGame(bool demo) {
    GameState game;
    game.demonstrationMode = false;
    game.useDemoMinefields = demo;
    game.demoNumber = 1;
    game.ResetForNewGame();
    return game;
}

TEST(Assistant, ChancesMakeAGameAssistedOnlyWhileDrawnInPlay) {
    struct Case {
        bool windowOpen, checked, gameOver, demonstration, assisted;
    };
    for (const Case& c :
         {Case{true, true, false, false, true}, Case{false, true, false, false, false},
          Case{true, false, false, false, false}, Case{true, true, true, false, false},
          Case{true, true, false, true, false}}) {
        Assistant assistant;
        GameState game = NewGame(false);
        game.gameOver = c.gameOver;
        game.demonstrationMode = c.demonstration;
        assistant.SetWindowOpen(c.windowOpen);
        assistant.SetChancesChecked(c.checked);
        assistant.Follow(game);
        EXPECT_EQ(assistant.assisted(), c.assisted)
            << c.windowOpen << c.checked << c.gameOver << c.demonstration;
        Overlay overlay;
        assistant.AddChances(overlay, BoardGeometry{}, game);
        EXPECT_EQ(overlay.faces.size(), c.assisted ? size_t(game.SquareCount()) : size_t{0});
        // A new game starts unassisted, even while the chances stay drawn.
        assistant.NewGame();
        EXPECT_FALSE(assistant.assisted());
    }
}

TEST(Assistant, FirstHintOfARandomMinefieldIsTheSquareAtHand) {
    const Square near{3, 2, 1};
    for (const bool demo : {false, true}) {
        Assistant assistant;
        const GameState game = NewGame(demo);
        ASSERT_EQ(assistant.AskHint(game, near), near);
        EXPECT_TRUE(assistant.assisted());
        const std::string reason =
            demo ? "no numbers yet: every square has the same chance of a mine, 4.2 %"
                 : "safe: on a random minefield the first square uncovered never holds a mine";
        EXPECT_EQ(assistant.HintLine(game), "Level 1, row 2, column 3 \u2014 " + reason);
        EXPECT_EQ(assistant.HintAnnouncement(game, near), reason);
        EXPECT_EQ(assistant.HintAnnouncement(game, Square{1, 1, 1}), "");
    }
    // After the end, and on the demonstration's moves, there is nothing to hint, and nothing is
    // counted as help.
    for (const bool demonstration : {false, true}) {
        Assistant assistant;
        GameState notYours = NewGame(false);
        notYours.gameOver = !demonstration;
        notYours.demonstrationMode = demonstration;
        EXPECT_EQ(assistant.AskHint(notYours, near), std::nullopt);
        EXPECT_FALSE(assistant.assisted());
    }
}

}  // namespace
}  // namespace zendrix
