// A readable text picture of a minefield, for tests and diagnostics.
//
// One block per level, the back row first (as on screen), one character per square:
//   '#' covered, '*' covered mine, 'm' marked, 'X' marked mine,
//   '0'..'9' uncovered with that many mines in reach, 'A'..'Q' for 10 to 26.
// Levels are separated by a blank line. Every character stands for one kind of square only (a
// marked mine is not 'M', which is the count 22).
#pragma once

#include <string>
#include <string_view>

#include "game/minefield.h"

namespace zendrix {

std::string DumpMinefield(const GameState& state);

// Lays mines from a picture in the same layout (every '*' or 'X' is a mine, any other character
// is a square without one) into mineMap of a freshly reset field of the picture's size.
// Returns false when the picture does not match a field size.
bool LoadMines(GameState& state, std::string_view picture);

// The whole picture: mines, marks (in the palette entry markColour), uncovered squares with
// their counts and uncoveredCount. Returns false when the picture does not match a field size or
// holds a character of no square.
bool LoadPicture(GameState& state, std::string_view picture, int markColour);

}  // namespace zendrix
