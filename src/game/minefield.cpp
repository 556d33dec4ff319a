// Settings, counters and the neighbourhood rule of the minefield.
#include "game/minefield.h"

#include <cmath>
#include <vector>

namespace zendrix {

namespace {

std::array<std::vector<Offset>, 4> BuildNeighbourhoods() {
    std::array<std::vector<Offset>, 4> result;
    for (int reach = 1; reach <= 3; ++reach) {
        for (int dc = -1; dc <= 1; ++dc) {
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dl = -1; dl <= 1; ++dl) {
                    if (std::abs(dc) + std::abs(dr) + std::abs(dl) <= reach) {
                        result[reach].push_back({dc, dr, dl, SquareArray::Index(dc, dr, dl)});
                    }
                }
            }
        }
    }
    return result;
}

}  // namespace

std::span<const Offset> Neighbourhood(int reachLevel) {
    static const auto kTable = BuildNeighbourhoods();
    if (reachLevel < 1) reachLevel = 1;
    if (reachLevel > 3) reachLevel = 3;
    return kTable[reachLevel];
}

int16_t MineCountFor(int columnCount, int rowCount, int levelCount, float mineDensity) {
    const double squares = static_cast<double>(columnCount) * rowCount * levelCount;
    return static_cast<int16_t>(std::floor(squares * static_cast<double>(mineDensity) + 0.5));
}

void GameState::SetSize(int index) {
    const SizeInfo& size = kSizes.at(static_cast<size_t>(index));
    columnCount = size.columnCount;
    rowCount = size.rowCount;
    sizeName = size.sizeName;
    sizeCode = size.sizeCode;
}

void GameState::SetDensity(int index) {
    mineDensity = kDensities.at(static_cast<size_t>(index));
    densityCode = static_cast<int16_t>(index + 1);
}

int GameState::MinesInReach(int c, int r, int l) const {
    const int base = SquareArray::Index(c, r, l);
    int count = 0;
    for (const Offset& o : Neighbourhood(reachLevel)) {
        if (mineMap[base + o.delta] == -1) ++count;
    }
    return count;
}

void GameState::ResetField() {
    for (int l = 0; l <= levelCount + 1; ++l) {
        for (int r = 0; r <= rowCount + 1; ++r) {
            for (int c = 0; c <= columnCount + 1; ++c) {
                mineMap(c, r, l) = 0;
                markMap(c, r, l) = 0;
                squareState(c, r, l) = InField(c, r, l) ? int16_t{-1} : int16_t{0};
            }
        }
    }
}

void GameState::ResetForNewGame() {
    gameOver = false;
    uncoveredCount = 0;
    struckColumn = struckRow = struckLevel = 0;
    mineCount = MineCountFor(columnCount, rowCount, levelCount, mineDensity);
    safeSquareCount = static_cast<int16_t>(SquareCount() - mineCount);
    ResetField();
    reach18Used = reachLevel == 2;
    reach6Used = reachLevel == 1;
}

}  // namespace zendrix
