// The hint, the loss review and the chance texts on small positions whose answers are plain.
#include <gtest/gtest.h>

#include "solver/assistant_texts.h"

#include <cstring>

namespace zendrix {
namespace {

// A one-row, one-level strip: each square sees only its left and right neighbour. '#' covered,
// a digit shown.
Position Strip(const char* squares, int mines) {
    const int n = static_cast<int>(std::strlen(squares));
    Position position = CoveredPosition(n, 1, 1, 3, mines);
    for (int i = 0; i < n; ++i) {
        if (squares[i] != '#') position.shown[i] = static_cast<int8_t>(squares[i] - '0');
    }
    return position;
}

Square At(int column) {
    return {column, 1, 1};
}

TEST(AssistantTexts, HintPrefersSafeThenUnmarkedMineThenLowestChance) {
    struct Case {
        const char* strip;
        int mines;
        std::vector<int> marked;  // columns
        std::optional<Square> near;
        HintKind kind;
        int column;
        std::string reason;
    };
    const std::string lowest33 =
        "lowest chance: 33.3 % of the layouts that fit the numbers put a mine there";
    const Case cases[] = {
        // "1" at column 2: one mine on 1 or 3, and with one mine in all, 4 and 5 are empty.
        {"#1###", 1, {}, std::nullopt, HintKind::kSafe, 4, kSafeReason},
        {"#1###", 1, {}, At(5), HintKind::kSafe, 5, kSafeReason},
        // "1" at column 1 sees only column 2: a mine there.
        {"1#", 1, {}, std::nullopt, HintKind::kMine, 2, kMineReason},
        {"1#",
         1,
         {2},
         std::nullopt,
         HintKind::kNone,
         0,
         "nothing to suggest: every covered square left is a marked certain mine"},
        // "1" at column 3: a mine on 2 or 4 (1/2 each); the other mine on 1, 5 or 6 (1/3 each).
        {"##1###", 2, {}, std::nullopt, HintKind::kLowestChance, 1, lowest33},
        {"##1###", 2, {}, At(6), HintKind::kLowestChance, 6, lowest33},
        {"###",
         1,
         {},
         std::nullopt,
         HintKind::kLowestChance,
         1,
         "no numbers yet: every square has the same chance of a mine, 33.3 %"},
        {"000", 0, {}, std::nullopt, HintKind::kNone, 0, "no covered square is left"},
        {"#3#",
         1,
         {},
         std::nullopt,
         HintKind::kNone,
         0,
         "no layout of the mines fits the numbers shown"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strip);
        const Position position = Strip(c.strip, c.mines);
        std::vector<bool> marked(position.SquareCount());
        for (int column : c.marked) marked[column - 1] = true;
        const Hint hint = ChooseHint(position, Analyse(position), marked, c.near);
        EXPECT_EQ(hint.kind, c.kind);
        if (c.kind != HintKind::kNone) {
            EXPECT_EQ(hint.square, At(c.column));
        }
        EXPECT_EQ(hint.reason, c.reason);
    }
}

TEST(AssistantTexts, LossReviewTellsForcedFromAvoidable) {
    struct Case {
        const char* strip;
        int mines;
        int struck;
        bool forced;
        std::string text;
    };
    const Case cases[] = {
        {"##1###", 2, 2, true,
         "The pressed square held a mine in 50.0 % of the layouts that fit the numbers. No "
         "square was certainly safe then: a forced guess."},
        {"#1###", 1, 1, false,
         "The pressed square held a mine in 50.0 % of the layouts that fit the numbers. 2 "
         "squares were certainly safe then: an avoidable guess."},
        {"1###", 1, 2, false,
         "The pressed square was certainly a mine: every layout that fits the numbers puts one "
         "there. 2 squares were certainly safe then."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strip);
        const Position position = Strip(c.strip, c.mines);
        const LossReview review = ReviewLoss(position, Analyse(position), At(c.struck));
        EXPECT_EQ(review.forcedGuess, c.forced);
        EXPECT_EQ(review.text, c.text);
    }
}

TEST(AssistantTexts, ChancesNeverReadAsCertainWhenTheyAreNot) {
    EXPECT_EQ(ChanceText(0.125), "12.5 %");
    EXPECT_EQ(ChanceText(0.0004), "less than 0.1 %");
    EXPECT_EQ(ChanceText(0.9996), "more than 99.9 %");
    EXPECT_EQ(ChanceText(1.0), "100.0 %");
}

}  // namespace
}  // namespace zendrix
