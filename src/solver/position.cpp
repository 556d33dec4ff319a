// Positions from the game state, and the reach of every square by index.
#include "solver/position.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace zendrix {

Position CoveredPosition(int columnCount, int rowCount, int levelCount, int reachLevel,
                         int mineCount) {
    if (columnCount < 1 || rowCount < 1 || levelCount < 1 ||
        columnCount * rowCount * levelCount > kMaxSquares) {
        throw std::invalid_argument("field size outside what the solver handles");
    }
    Position position;
    position.columnCount = columnCount;
    position.rowCount = rowCount;
    position.levelCount = levelCount;
    position.reachLevel = reachLevel;
    position.mineCount = mineCount;
    position.shown.fill(-1);
    return position;
}

Position PositionOf(const GameState& state) {
    Position position = CoveredPosition(state.columnCount, state.rowCount, state.levelCount,
                                        state.reachLevel, state.mineCount);
    for (int l = 1; l <= state.levelCount; ++l) {
        for (int r = 1; r <= state.rowCount; ++r) {
            for (int c = 1; c <= state.columnCount; ++c) {
                const int16_t value = state.squareState(c, r, l);
                position.shown[position.Index({c, r, l})] =
                    static_cast<int8_t>(value < 0 ? -1 : value);
            }
        }
    }
    return position;
}

ReachTable::ReachTable(int columnCount, int rowCount, int levelCount, int reachLevel) {
    const int squares = columnCount * rowCount * levelCount;
    start_.reserve(squares + 1);
    for (int index = 0; index < squares; ++index) {
        start_.push_back(static_cast<int>(list_.size()));
        const int c = index % columnCount, r = (index / columnCount) % rowCount,
                  l = index / (columnCount * rowCount);
        for (const Offset& o : Neighbourhood(reachLevel)) {
            const int nc = c + o.dc, nr = r + o.dr, nl = l + o.dl;
            if ((o.dc == 0 && o.dr == 0 && o.dl == 0) || nc < 0 || nc >= columnCount || nr < 0 ||
                nr >= rowCount || nl < 0 || nl >= levelCount) {
                continue;
            }
            list_.push_back(static_cast<int16_t>(nc + columnCount * (nr + rowCount * nl)));
        }
    }
    start_.push_back(static_cast<int>(list_.size()));

    sets_.resize(squares);
    nearby_.resize(squares);
    for (int index = 0; index < squares; ++index) {
        for (const int16_t* n = begin(index); n != end(index); ++n) sets_[index].Insert(*n);
        const int c = index % columnCount, r = (index / columnCount) % rowCount,
                  l = index / (columnCount * rowCount);
        for (int nl = std::max(0, l - 2); nl <= std::min(levelCount - 1, l + 2); ++nl) {
            for (int nr = std::max(0, r - 2); nr <= std::min(rowCount - 1, r + 2); ++nr) {
                for (int nc = std::max(0, c - 2); nc <= std::min(columnCount - 1, c + 2); ++nc) {
                    const int other = nc + columnCount * (nr + rowCount * nl);
                    if (other != index) nearby_[index].push_back(static_cast<int16_t>(other));
                }
            }
        }
    }
}

const ReachTable& ReachTable::For(const Position& position) {
    // A handful of sizes and reaches ever occur; each table is built once per thread.
    using Key = std::tuple<int, int, int, int>;
    thread_local std::map<Key, std::unique_ptr<ReachTable>> tables;
    const Key key{position.columnCount, position.rowCount, position.levelCount,
                  position.reachLevel};
    auto& table = tables[key];
    if (!table) {
        table = std::make_unique<ReachTable>(position.columnCount, position.rowCount,
                                             position.levelCount, position.reachLevel);
    }
    return *table;
}

}  // namespace zendrix
