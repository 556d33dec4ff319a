// Mine placement from the injected generator.
#include "game/placement.h"

#include <cmath>

namespace zendrix {

namespace {

int DrawCoordinate(RandomSource& random, int count) {
    const double u = random.Draw();
    int value = static_cast<int>(std::floor(count * u + 1));
    // A generator that broke its promise u < 1 must still not place outside the field.
    if (value < 1) value = 1;
    if (value > count) value = count;
    return value;
}

}  // namespace

void PlaceMines(GameState& state, RandomSource& random, int c0, int r0, int l0) {
    random.Reset();
    const float seed = static_cast<float>(state.columnCount) + static_cast<float>(state.rowCount) +
                       state.mineDensity + static_cast<float>(state.demoNumber);
    random.Seed(seed);
    const bool spareFirst = !state.useDemoMinefields;
    if (spareFirst) {
        random.SeedFromClock();
        state.mineMap(c0, r0, l0) = -1;
    }
    if (state.mineCount > state.SquareCount() - 5) state.mineCount = 0;

    for (int placed = 0; placed < state.mineCount;) {
        const int c = DrawCoordinate(random, state.columnCount);
        const int r = DrawCoordinate(random, state.rowCount);
        const int l = DrawCoordinate(random, state.levelCount);
        if (state.mineMap(c, r, l) == -1) continue;  // taken: this draw does not count
        state.mineMap(c, r, l) = -1;
        ++placed;
    }
    if (spareFirst) state.mineMap(c0, r0, l0) = 0;
}

int16_t NextDemoNumber(int16_t demoNumber) {
    return demoNumber >= 4 ? int16_t{1} : static_cast<int16_t>(demoNumber + 1);
}

}  // namespace zendrix
