// Everything the best-scores window shows, computed from the table without a window: the captions,
// the six columns, the footnotes and which Delete items apply, plus the window's link to the game.
#pragma once

#include <array>
#include <string>

#include "scores/best_scores.h"

namespace zendrix {

// What the best-scores window needs from the game that owns it.
struct BestScoresHost {
    virtual ~BestScoresHost() = default;
    virtual int CurrentSizeCode() const = 0;     // 1..3 of the current game
    virtual int CurrentDensityCode() const = 0;  // 1..5 of the current game
    virtual void MarkBestScoresChanged() = 0;    // sets bestScoresChanged
    virtual void SaveIfChanged() = 0;            // writes the data file when bestScoresChanged
    virtual void SavePromptly() {}               // results were deleted: save them at once
    virtual void ShowHelpText() = 0;
};

// The texts of one combination. Every line of a column, and every footnote line but the last,
// ends with CR LF.
struct BestScoresContent {
    int displayedSize = 1;
    int displayedDensity = 1;
    std::string sizeAndDensity;
    std::string tableHeading;
    std::string numbers;
    std::string scores;
    std::string adjustedScores;
    std::string times;
    std::string names;
    std::string notes;
    std::string footnotes;
    bool footnotesVisible = false;  // lineNotes and lblFootnotes
    // Delete menu items "Score #1".."Score #5": only ranks that hold a result can be deleted.
    std::array<bool, kKeptRanks> scoreItemVisible{};
};

// Size 1..3 and density 1..5; other codes throw std::out_of_range, as the table does.
BestScoresContent ShowBestTimes(const BestScoreTable& table, int isize, int idensity);

// The score column's text for rank 1..5: leading blanks, then two decimals when the stored
// float shows a whole number or (by the single-precision test) one decimal.
std::string ScoreColumnText(float score, int rank);
// The adjusted column's text: the score for the reach used, cut off at two decimals.
std::string AdjustedColumnText(const BestScoreEntry& entry, int rank);

// The background label's size (any unit) for a client area of that size.
struct BackgroundSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const BackgroundSize&, const BackgroundSize&) = default;
};
BackgroundSize BestScoresBackgroundSize(int clientWidth, int clientHeight);

}  // namespace zendrix
