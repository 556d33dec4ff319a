// Builds sample boards by hand, without the move machinery, so that a picture of the board does
// not depend on the rules being finished or on their drawing side effects.
#include "board/sample_game.h"

#include <random>
#include <vector>

namespace zendrix {
namespace {

// Uniform in [0, n) from the raw engine output: the same on every standard library.
int Pick(std::mt19937& engine, int n) {
    return static_cast<int>(engine() % static_cast<uint32_t>(n));
}

// Opens (c, r, l) and, when it counts no mine, its connected zero region with the numbered edge.
void Open(GameState& state, int c, int r, int l) {
    std::vector<Square> pending{{c, r, l}};
    while (!pending.empty()) {
        Square s = pending.back();
        pending.pop_back();
        if (!state.IsCovered(s.column, s.row, s.level)) continue;
        int count = state.MinesInReach(s.column, s.row, s.level);
        state.squareState(s.column, s.row, s.level) = static_cast<int16_t>(count);
        state.markMap(s.column, s.row, s.level) = 0;
        ++state.uncoveredCount;
        if (count != 0) continue;
        for (const Offset& o : Neighbourhood(state.reachLevel)) {
            Square next{s.column + o.dc, s.row + o.dr, s.level + o.dl};
            if (state.IsCovered(next.column, next.row, next.level)) pending.push_back(next);
        }
    }
}

Square RandomSquare(std::mt19937& engine, const GameState& state) {
    return {1 + Pick(engine, state.columnCount), 1 + Pick(engine, state.rowCount),
            1 + Pick(engine, state.levelCount)};
}

// A covered square satisfying the test, searched from a random start; (0, 0, 0) if none.
template <typename Test>
Square FindCovered(std::mt19937& engine, const GameState& state, Test test) {
    const int total = state.SquareCount();
    const int start = Pick(engine, total);
    for (int i = 0; i < total; ++i) {
        int k = (start + i) % total;
        Square s{1 + k % state.columnCount, 1 + (k / state.columnCount) % state.rowCount,
                 1 + k / (state.columnCount * state.rowCount)};
        if (state.IsCovered(s.column, s.row, s.level) && test(s)) return s;
    }
    return {};
}

}  // namespace

GameState MakeSampleGame(const SampleGameOptions& options) {
    GameState state;
    state.SetSize(options.sizeIndex);
    state.SetDensity(options.densityIndex);
    state.reachLevel = static_cast<int16_t>(options.reachLevel);
    state.demonstrationMode = false;
    state.ResetForNewGame();
    std::mt19937 engine(options.seed);

    for (int placed = 0; placed < state.mineCount;) {
        Square s = RandomSquare(engine, state);
        if (state.IsMine(s.column, s.row, s.level)) continue;
        state.mineMap(s.column, s.row, s.level) = -1;
        ++placed;
    }
    // Open a region from a square with no mine in reach, as a lucky first press would.
    auto safe = [&](Square q) { return !state.IsMine(q.column, q.row, q.level); };
    Square first = FindCovered(engine, state, [&](Square q) {
        return safe(q) && state.MinesInReach(q.column, q.row, q.level) == 0;
    });
    if (first.column == 0) first = FindCovered(engine, state, safe);
    Open(state, first.column, first.row, first.level);

    // Scattered uncovers until the board is well under way, so numbers stand on their own too.
    for (int i = 0; i < 3 || state.uncoveredCount < options.openShare * state.safeSquareCount;
         ++i) {
        Square s = FindCovered(engine, state, safe);
        if (s.column == 0) break;
        Open(state, s.column, s.row, s.level);
    }
    // Keep one safe square covered so the game is still going.
    if (state.uncoveredCount == state.safeSquareCount) {
        for (int l = 1; l <= state.levelCount && state.uncoveredCount == state.safeSquareCount;
             ++l) {
            for (int r = 1; r <= state.rowCount; ++r) {
                int c = state.columnCount;
                if (!state.IsCovered(c, r, l) && !state.IsMine(c, r, l)) {
                    state.squareState(c, r, l) = -1;
                    --state.uncoveredCount;
                    break;
                }
            }
        }
    }

    // Marks in the marker colours (palette 4..9), the front row and the last column included.
    const int16_t markers[] = {4, 7, 8, 9, 5, 6};
    int next = 0;
    auto mark = [&](Square s) {
        if (s.column == 0) return;
        state.markMap(s.column, s.row, s.level) = markers[next++ % 6];
    };
    mark(FindCovered(engine, state,
                     [&](Square q) { return q.row == 1 && q.column < state.columnCount; }));
    mark(FindCovered(engine, state, [&](Square q) {
        return q.column == state.columnCount && q.row > 1 &&
               state.markMap(q.column, q.row, q.level) == 0;
    }));
    for (int i = 0; i < 3; ++i) {
        mark(FindCovered(engine, state, [&](Square q) {
            return state.IsMine(q.column, q.row, q.level) &&
                   state.markMap(q.column, q.row, q.level) == 0;
        }));
    }

    if (options.struck) {
        Square s = FindCovered(engine, state, [&](Square q) {
            return state.IsMine(q.column, q.row, q.level) &&
                   state.markMap(q.column, q.row, q.level) == 0;
        });
        if (s.column != 0) {
            state.struckColumn = static_cast<int16_t>(s.column);
            state.struckRow = static_cast<int16_t>(s.row);
            state.struckLevel = static_cast<int16_t>(s.level);
            state.gameOver = true;
        }
    }
    return state;
}

}  // namespace zendrix
