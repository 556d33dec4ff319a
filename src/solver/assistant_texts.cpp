// The Assistant's choices and texts.
#include "solver/assistant_texts.h"

#include <charconv>

namespace zendrix {

namespace {

// The decimal point is always a full stop here, whatever the user's locale.
std::string Fixed(double value, int decimals) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    return std::string(buffer, end);
}

long DistanceSquared(const Square& a, const Square& b) {
    const long dc = a.column - b.column, dr = a.row - b.row, dl = a.level - b.level;
    return dc * dc + dr * dr + dl * dl;
}

// Whether candidate i should replace the current choice best (-1 for none yet), all else equal.
bool Nearer(const Position& position, int i, int best, const std::optional<Square>& near) {
    if (best < 0) return true;
    if (!near) return false;  // the first by index stays
    return DistanceSquared(position.SquareAt(i), *near) <
           DistanceSquared(position.SquareAt(best), *near);
}

}  // namespace

std::string ChanceText(double chance) {
    const double percent = 100 * chance;
    if (percent > 0 && percent < 0.05) return "less than 0.1 %";
    if (percent < 100 && percent > 99.95) return "more than 99.9 %";
    return Fixed(percent, 1) + " %";
}

std::vector<bool> MarkedSquares(const GameState& state) {
    const Position shape = CoveredPosition(state.columnCount, state.rowCount, state.levelCount,
                                           state.reachLevel, state.mineCount);
    std::vector<bool> marked(shape.SquareCount());
    for (int i = 0; i < shape.SquareCount(); ++i) {
        const Square s = shape.SquareAt(i);
        marked[i] = state.markMap(s.column, s.row, s.level) != 0;
    }
    return marked;
}

Hint ChooseHint(const Position& position, const Analysis& analysis, const std::vector<bool>& marked,
                std::optional<Square> near) {
    Hint hint;
    if (!analysis.consistent) {
        hint.reason = "no layout of the mines fits the numbers shown";
        return hint;
    }
    const int squares = position.SquareCount();
    int safe = -1, mine = -1, lowest = -1;
    for (int i = 0; i < squares; ++i) {
        const SquareAnalysis& a = analysis.squares[i];
        switch (a.verdict) {
            case Verdict::kSafe:
                if (Nearer(position, i, safe, near)) safe = i;
                break;
            case Verdict::kMine:
                if (!marked[i] && Nearer(position, i, mine, near)) mine = i;
                break;
            case Verdict::kChance: {
                if (lowest < 0) {
                    lowest = i;
                    break;
                }
                // Exact counts share one denominator, so their numerators compare exactly.
                const auto order =
                    analysis.exact
                        ? analysis.mineLayouts[i] <=> analysis.mineLayouts[lowest]
                        : (a.chance < analysis.squares[lowest].chance ? std::strong_ordering::less
                           : a.chance > analysis.squares[lowest].chance
                               ? std::strong_ordering::greater
                               : std::strong_ordering::equal);
                if (order < 0 || (order == 0 && Nearer(position, i, lowest, near))) lowest = i;
                break;
            }
            case Verdict::kUncovered:
                break;
        }
    }
    if (safe >= 0) {
        hint.kind = HintKind::kSafe;
        hint.square = position.SquareAt(safe);
        hint.reason = kSafeReason;
    } else if (mine >= 0) {
        hint.kind = HintKind::kMine;
        hint.square = position.SquareAt(mine);
        hint.chance = 1;
        hint.reason = kMineReason;
    } else if (lowest >= 0) {
        const SquareAnalysis& a = analysis.squares[lowest];
        hint.kind = HintKind::kLowestChance;
        hint.square = position.SquareAt(lowest);
        hint.chance = a.chance;
        hint.estimate = !a.exact;
        bool anyNumber = false;
        for (int i = 0; i < squares && !anyNumber; ++i) anyNumber = !position.IsCovered(i);
        if (!anyNumber) {
            hint.reason = "no numbers yet: every square has the same chance of a mine, " +
                          ChanceText(a.chance);
        } else if (hint.estimate) {
            hint.reason = "lowest chance: about " + ChanceText(a.chance) +
                          " of the layouts that fit the numbers put a mine there (an estimate: "
                          "too many layouts to count them all)";
        } else {
            hint.reason = "lowest chance: " + ChanceText(a.chance) +
                          " of the layouts that fit the numbers put a mine there";
        }
    } else if (analysis.Count(Verdict::kMine) > 0) {
        hint.reason = "nothing to suggest: every covered square left is a marked certain mine";
    } else {
        hint.reason = "no covered square is left";
    }
    return hint;
}

LossReview ReviewLoss(const Position& before, const Analysis& analysisBefore,
                      const Square& struck) {
    LossReview review;
    const SquareAnalysis& pressed = analysisBefore.squares[before.Index(struck)];
    review.chance = pressed.chance;
    review.estimate = !pressed.exact;
    review.certainMine = pressed.verdict == Verdict::kMine;
    review.certainlySafe = analysisBefore.Count(Verdict::kSafe);
    review.forcedGuess = review.certainlySafe == 0 && !review.certainMine;

    std::string first;
    if (review.certainMine) {
        first =
            "The pressed square was certainly a mine: every layout that fits the numbers "
            "puts one there.";
    } else if (review.estimate) {
        first = "The pressed square held a mine in about " + ChanceText(review.chance) +
                " of the layouts that fit the numbers (an estimate).";
    } else {
        first = "The pressed square held a mine in " + ChanceText(review.chance) +
                " of the layouts that fit the numbers.";
    }
    std::string second;
    if (review.certainlySafe == 0) {
        second = review.certainMine ? "No square was certainly safe then."
                                    : "No square was certainly safe then: a forced guess.";
    } else {
        second = std::to_string(review.certainlySafe) +
                 (review.certainlySafe == 1 ? " square was" : " squares were") +
                 " certainly safe then" + (review.certainMine ? "." : ": an avoidable guess.");
    }
    review.text = first + " " + second;
    return review;
}

std::string WithAssistedLine(const std::string& dialogueText) {
    return dialogueText + "\r\n" + kAssistedGameLine;
}

}  // namespace zendrix
