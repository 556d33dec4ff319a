// A readable text picture of a minefield, for tests and diagnostics.
//
// One block per level, the back row first (as on screen), one character per square:
//   '#' covered, '*' covered mine, 'm' marked, 'M' marked mine,
//   '0'..'9' uncovered with that many mines in reach, 'A'.. for 10 and more.
// Levels are separated by a blank line.
#pragma once

#include <string>
#include <string_view>

#include "game/minefield.h"

namespace zendrix {

std::string DumpMinefield(const GameState& state);

// Lays mines from a picture in the same layout (every '*' or 'M' is a mine, any other character
// is a square without one) into mineMap of a freshly reset field of the picture's size.
// Returns false when the picture does not match a field size.
bool LoadMines(GameState& state, std::string_view picture);

}  // namespace zendrix
