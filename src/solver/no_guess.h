// Minefields that need no guess: laid at the first uncover so that the whole field can be cleared
// from that square by certain deductions alone, and the check that a layout is such a minefield.
#pragma once

#include <chrono>
#include <cstdint>

#include "game/minefield.h"
#include "platform/random_source.h"

namespace zendrix {

// Whether every square without a mine can be uncovered, starting with `first` (and the zero
// flood it opens, as in the game), by uncovering only squares that every layout fitting what is
// then shown leaves empty. Reads the sizes, reachLevel, mineCount and mineMap of `layout`.
bool SolvableWithoutGuessing(const GameState& layout, const Square& first);

struct NoGuessResult {
    bool found = false;
    int layouts = 0;  // fresh random layouts tried
    int repairs = 0;  // mines moved in all
};

// Lays exactly mineCount mines in mineMap, none on `first` nor within its reach (so the first
// uncover opens a region), such that SolvableWithoutGuessing holds. Starts from random layouts
// and, where the deductions get stuck, moves a mine off the stuck edge into the unopened part
// and tries again. Deterministic for a seed; gives up at the deadline, leaving mineMap without
// any mine so that the caller can lay an ordinary random minefield.
NoGuessResult PlaceMinesWithoutGuessing(GameState& state, const Square& first, uint64_t seed,
                                        std::chrono::steady_clock::time_point deadline);

// The same, with the seed drawn from the game's generator; the caller seeds it first (the game:
// from the clock, as for an ordinary random minefield).
NoGuessResult PlaceMinesWithoutGuessing(GameState& state, const Square& first, RandomSource& random,
                                        std::chrono::steady_clock::time_point deadline);

}  // namespace zendrix
