// Repeatable mid-game boards for pictures, pixel tests and benchmarks: mines, an opened region with
// its numbers, some marks in several colours and, if asked, a struck mine.
#pragma once

#include <cstdint>

#include "game/minefield.h"

namespace zendrix {

struct SampleGameOptions {
    int sizeIndex = 0;     // 0..2: Small, Medium, Large
    int densityIndex = 2;  // 0..4: 2, 4, 8, 16, 32 %
    int reachLevel = 3;
    uint32_t seed = 1;
    // At least this share of the safe squares is uncovered (and always a few single squares).
    double openShare = 0.4;
    // End the game on a struck mine, so the mines are shown.
    bool struck = false;
};

// The same options give the same board on every run and platform. Unless the opened region
// swallowed them, there is a mark in the front row and one in the last column (so their side
// faces show); at least one safe square stays covered, so the game is still on.
GameState MakeSampleGame(const SampleGameOptions& options);

}  // namespace zendrix
