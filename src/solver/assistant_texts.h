// What the Assistant tells the player, decided from an analysis: the hint with its one-line
// reason, the review of a lost game, and the line that keeps an assisted game out of the best
// scores.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/minefield.h"
#include "solver/analysis.h"
#include "solver/position.h"

namespace zendrix {

inline constexpr const char* kSafeReason =
    "safe: every layout that fits the numbers leaves it empty";
inline constexpr const char* kMineReason =
    "mine: every layout that fits the numbers puts a mine there";
// The added last line of the end-of-game dialogue of a game in which a hint was asked for or the
// mine chances were shown.
inline constexpr const char* kAssistedGameLine =
    "The Assistant helped in this game, so its score does not enter the best scores.";

// What the Assistant says when no minefield without guesses was found in time and the game fell
// back to an ordinary random one.
inline constexpr const char* kNoGuessFallbackText =
    "No minefield that needs no guess was found within a second: this one is an ordinary random "
    "minefield.";

// A chance of a mine as the player reads it: "12.5 %", never "0.0 %" or "100.0 %" for a square
// that is not certain.
std::string ChanceText(double chance);

// Per square (by Position::Index), whether the player has marked it. Marks only steer the hint
// away from mines already marked; they are never evidence.
std::vector<bool> MarkedSquares(const GameState& state);

enum class HintKind {
    kNone,          // no covered square, or nothing fits the numbers
    kSafe,          // certainly empty
    kMine,          // certainly a mine, not yet marked
    kLowestChance,  // nothing certain: the lowest chance of a mine
};

struct Hint {
    HintKind kind = HintKind::kNone;
    Square square;
    double chance = 0;
    bool estimate = false;  // the chance is an estimate
    std::string reason;     // one line
};

// A certainly empty square (the one nearest to `near` when given, else the first by index), else
// an unmarked certain mine, else the square with the lowest chance of a mine.
Hint ChooseHint(const Position& position, const Analysis& analysis, const std::vector<bool>& marked,
                std::optional<Square> near = std::nullopt);

struct LossReview {
    double chance = 0;         // of a mine on the pressed square, before the press
    bool estimate = false;     // the chance is an estimate
    bool certainMine = false;  // every layout put a mine there
    int certainlySafe = 0;     // covered squares that were certainly empty then
    bool forcedGuess = false;  // nothing was certainly empty and the square was not a sure mine
    std::string text;          // what the window says
};

// From the analysis of the position before the press that struck a mine.
LossReview ReviewLoss(const Position& before, const Analysis& analysisBefore, const Square& struck);

// The end-of-game dialogue's text with kAssistedGameLine as one more last line.
std::string WithAssistedLine(const std::string& dialogueText);

}  // namespace zendrix
