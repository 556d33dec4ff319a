// What a player can see of a game, and nothing more: the size, the reach, the mine count and,
// per square, whether it is covered or the number it shows. Marks are not part of it: a mark
// can be wrong, so it is no evidence.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/minefield.h"
#include "solver/square_set.h"

namespace zendrix {

inline constexpr int kMaxSquares = 384;  // the Large field

struct Position {
    int columnCount = 0;
    int rowCount = 0;
    int levelCount = 0;
    int reachLevel = 3;
    int mineCount = 0;
    // Per square, by Index(): -1 covered, otherwise the number shown.
    std::array<int8_t, kMaxSquares> shown{};

    int SquareCount() const { return columnCount * rowCount * levelCount; }
    int Index(const Square& s) const {
        return (s.column - 1) + columnCount * ((s.row - 1) + rowCount * (s.level - 1));
    }
    Square SquareAt(int index) const {
        return {1 + index % columnCount, 1 + (index / columnCount) % rowCount,
                1 + index / (columnCount * rowCount)};
    }
    bool IsCovered(int index) const { return shown[index] < 0; }
    friend bool operator==(const Position&, const Position&) = default;
};

// The position a player sees in the game: sizes, reach, mine count and squareState. Cheap enough
// to take before every uncovering move.
Position PositionOf(const GameState& state);

// A field of the given size, reach and mine count with every square covered.
Position CoveredPosition(int columnCount, int rowCount, int levelCount, int reachLevel,
                         int mineCount);

// The squares within reach of each square (the square itself excluded), by index.
class ReachTable {
  public:
    ReachTable(int columnCount, int rowCount, int levelCount, int reachLevel);
    // The shared table for a position's size and reach.
    static const ReachTable& For(const Position& position);

    const int16_t* begin(int index) const { return list_.data() + start_[index]; }
    const int16_t* end(int index) const { return list_.data() + start_[index + 1]; }
    int Count(int index) const { return start_[index + 1] - start_[index]; }
    const SquareSet& Set(int index) const { return sets_[index]; }
    // The squares whose reach may overlap this square's: within two steps on every axis.
    const std::vector<int16_t>& Nearby(int index) const { return nearby_[index]; }

  private:
    std::vector<int> start_;
    std::vector<int16_t> list_;
    std::vector<SquareSet> sets_;
    std::vector<std::vector<int16_t>> nearby_;
};

}  // namespace zendrix
