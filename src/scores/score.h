// The score of a finished game and the adjusted score that ranks best scores.
#pragma once

namespace zendrix {

// The counts the score is made of, read off the final field by the game.
struct ScoreCounts {
    int squares = 0;        // S
    int totalMines = 0;     // TM
    int markedSquares = 0;  // MS
    int markedMines = 0;    // MM
    int uncovered = 0;      // U
};

// ((MM/TM)(MM/MS - F) + (UM/TM)(UM/US - F)) / (1 - F) with F = TM/S, as a percentage cut off
// towards minus infinity at two decimals. Computed exactly in whole numbers, so a complete
// sweep always scores exactly 100.
float ScoreFromCounts(const ScoreCounts& counts);

// s - t / 10^8, divided by 4 when reach 6 was used, else by 2 when reach 18 was used.
double AdjustedScore(float score, double seconds, bool reach6Used, bool reach18Used);

}  // namespace zendrix
