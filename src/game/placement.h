// Laying the mines at the first uncover of a game: repeatable demo layouts, or a random layout
// that spares the first square.
#pragma once

#include "game/minefield.h"
#include "platform/random_source.h"

namespace zendrix {

// Places mineCount mines in mineMap; (c0, r0, l0) is the square of the first uncover.
void PlaceMines(GameState& state, RandomSource& random, int c0, int r0, int l0);

// The next demo minefield number: 1, 2, 3, 4, 1, ...
int16_t NextDemoNumber(int16_t demoNumber);

}  // namespace zendrix
