// No-guess minefields: a replay of the deductions from the first square, and a generator that
// repairs random layouts where that replay gets stuck.
#include "solver/no_guess.h"

#include <algorithm>
#include <random>
#include <vector>

#include "solver/deduction.h"
#include "solver/frontier.h"
#include "solver/position.h"

namespace zendrix {

namespace {

// Enough for the components of a stuck replay; beyond it a component yields no certainty, which
// only makes the generator repair a layout that might have been solvable.
constexpr size_t kCellBudget = size_t{1} << 17;

// The deductions a player can make, played from the first square on a fixed layout.
class Replay {
  public:
    Replay(const Position& covered, const std::vector<char>& mines)
        : mines_(mines), deducer_(covered), open_(covered.SquareCount(), 0) {
        for (char mine : mines) safeLeft_ += !mine;
    }

    // True when every square without a mine ends up uncovered.
    bool Run(int first) {
        if (!Uncover(first)) return false;
        while (safeLeft_ > 0) {
            if (!deducer_.Propagate(true)) return false;
            const SquareSet safe = deducer_.safe();
            if (!safe.Empty()) {
                bool struck = false;
                safe.ForEach([&](int i) { struck = struck || !Uncover(i); });
                if (struck) return false;
                continue;
            }
            bool changed = false;
            if (!SettleCertainSquares(deducer_, kCellBudget, &changed) || !changed) return false;
        }
        return true;
    }

    const Deducer& deducer() const { return deducer_; }
    bool IsOpen(int i) const { return open_[i] != 0; }

  private:
    // Uncovers a square as the game does, flooding from a zero.
    bool Uncover(int start) {
        if (open_[start]) return true;
        if (mines_[start]) return false;
        const ReachTable& reach = deducer_.reach();
        stack_.assign(1, start);
        open_[start] = 1;
        while (!stack_.empty()) {
            const int i = stack_.back();
            stack_.pop_back();
            int number = 0;
            for (const int16_t* n = reach.begin(i); n != reach.end(i); ++n) number += mines_[*n];
            deducer_.Reveal(i, number);
            --safeLeft_;
            if (number != 0) continue;
            for (const int16_t* n = reach.begin(i); n != reach.end(i); ++n) {
                if (!open_[*n]) {
                    open_[*n] = 1;
                    stack_.push_back(*n);
                }
            }
        }
        return true;
    }

    const std::vector<char>& mines_;
    Deducer deducer_;
    std::vector<char> open_;
    std::vector<int> stack_;
    int safeLeft_ = 0;
};

Position CoveredFieldOf(const GameState& state) {
    return CoveredPosition(state.columnCount, state.rowCount, state.levelCount, state.reachLevel,
                           state.mineCount);
}

void ClearMines(GameState& state) {
    for (int l = 1; l <= state.levelCount; ++l) {
        for (int r = 1; r <= state.rowCount; ++r) {
            for (int c = 1; c <= state.columnCount; ++c) state.mineMap(c, r, l) = 0;
        }
    }
}

}  // namespace

bool SolvableWithoutGuessing(const GameState& layout, const Square& first) {
    const Position covered = CoveredFieldOf(layout);
    std::vector<char> mines(covered.SquareCount(), 0);
    for (int i = 0; i < covered.SquareCount(); ++i) {
        const Square s = covered.SquareAt(i);
        mines[i] = layout.IsMine(s.column, s.row, s.level);
    }
    Replay replay(covered, mines);
    return replay.Run(covered.Index(first));
}

NoGuessResult PlaceMinesWithoutGuessing(GameState& state, const Square& first, uint64_t seed,
                                        std::chrono::steady_clock::time_point deadline) {
    NoGuessResult result;
    ClearMines(state);
    const Position covered = CoveredFieldOf(state);
    const int squares = covered.SquareCount();
    const int firstIndex = covered.Index(first);
    const ReachTable& reach = ReachTable::For(covered);
    std::vector<char> spared(squares, 0);
    spared[firstIndex] = 1;
    for (const int16_t* n = reach.begin(firstIndex); n != reach.end(firstIndex); ++n)
        spared[*n] = 1;
    std::vector<int> free;
    for (int i = 0; i < squares; ++i) {
        if (!spared[i]) free.push_back(i);
    }
    const int mineCount = state.mineCount;
    if (mineCount > static_cast<int>(free.size())) return result;

    std::mt19937_64 rng(seed);
    auto pick = [&](const std::vector<int>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
    };
    std::vector<char> mines(squares, 0);
    std::vector<int> sources, targets;
    while (std::chrono::steady_clock::now() < deadline) {
        ++result.layouts;
        std::fill(mines.begin(), mines.end(), 0);
        std::shuffle(free.begin(), free.end(), rng);
        for (int k = 0; k < mineCount; ++k) mines[free[k]] = 1;
        for (int repair = 0; repair <= 4 * mineCount + 16; ++repair) {
            Replay replay(covered, mines);
            if (replay.Run(firstIndex)) {
                for (int i = 0; i < squares; ++i) {
                    const Square s = covered.SquareAt(i);
                    if (mines[i]) state.mineMap(s.column, s.row, s.level) = -1;
                }
                result.found = true;
                return result;
            }
            if (std::chrono::steady_clock::now() >= deadline) break;
            // Stuck: move one mine from the edge of the opened region, preferably one the
            // deductions have not found, to a square that no uncovered number sees.
            const Deducer& deducer = replay.deducer();
            sources.clear();
            targets.clear();
            std::vector<int> knownSources;
            for (int i = 0; i < squares; ++i) {
                if (replay.IsOpen(i)) continue;
                bool seen = false;
                for (const int16_t* n = reach.begin(i); n != reach.end(i) && !seen; ++n) {
                    seen = replay.IsOpen(*n);
                }
                if (mines[i] && seen) {
                    (deducer.unknown().Contains(i) ? sources : knownSources).push_back(i);
                } else if (!mines[i] && !seen) {
                    targets.push_back(i);
                }
            }
            if (sources.empty()) sources.swap(knownSources);
            if (sources.empty() || targets.empty()) break;
            mines[pick(sources)] = 0;
            mines[pick(targets)] = 1;
            ++result.repairs;
        }
    }
    return result;
}

NoGuessResult PlaceMinesWithoutGuessing(GameState& state, const Square& first, RandomSource& random,
                                        std::chrono::steady_clock::time_point deadline) {
    uint64_t seed = 0;
    for (int k = 0; k < 3; ++k) {
        seed = (seed << 24) ^ static_cast<uint64_t>(random.Draw() * 16777216.0f);
    }
    return PlaceMinesWithoutGuessing(state, first, seed, deadline);
}

}  // namespace zendrix
