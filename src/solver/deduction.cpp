// The local rules, run from a work list of numbers whose surroundings changed.
#include "solver/deduction.h"

#include <algorithm>

namespace zendrix {

Deducer::Deducer(const Position& position)
    : position_(position), reach_(ReachTable::For(position)) {
    const int squares = position.SquareCount();
    queued_.assign(squares, 0);
    for (int i = 0; i < squares; ++i) {
        if (position.IsCovered(i)) {
            unknown_.Insert(i);
        } else {
            queue_.push_back(static_cast<int16_t>(i));
            queued_[i] = 1;
        }
    }
}

void Deducer::Touch(int index) {
    // Every number in reach of a changed square may now conclude more.
    for (const int16_t* n = reach_.begin(index); n != reach_.end(index); ++n) {
        if (!position_.IsCovered(*n) && !queued_[*n]) {
            queued_[*n] = 1;
            queue_.push_back(*n);
        }
    }
}

void Deducer::Settle(SquareSet squares, bool mine) {
    squares.ForEach([&](int i) {
        unknown_.Erase(i);
        (mine ? mines_ : safe_).Insert(i);
        Touch(i);
    });
}

void Deducer::SetSafe(int index) {
    if (!unknown_.Contains(index)) return;
    SquareSet one;
    one.Insert(index);
    Settle(one, false);
}

void Deducer::SetMine(int index) {
    if (!unknown_.Contains(index)) return;
    SquareSet one;
    one.Insert(index);
    Settle(one, true);
}

void Deducer::Reveal(int index, int number) {
    position_.shown[index] = static_cast<int8_t>(number);
    if (mines_.Contains(index)) consistent_ = false;
    unknown_.Erase(index);
    safe_.Erase(index);
    Touch(index);
    if (!queued_[index]) {
        queued_[index] = 1;
        queue_.push_back(static_cast<int16_t>(index));
    }
}

bool Deducer::CheckPair(int a, int b) {
    const SquareSet unknownA = reach_.Set(a) & unknown_;
    const SquareSet unknownB = reach_.Set(b) & unknown_;
    const SquareSet both = unknownA & unknownB;
    const int common = both.Count();
    if (common == 0) return true;
    const SquareSet onlyA = Without(unknownA, unknownB), onlyB = Without(unknownB, unknownA);
    const int sizeA = onlyA.Count(), sizeB = onlyB.Count();
    const int ra = Residual(a), rb = Residual(b);
    // x, the mines among the shared squares, lies in [lo, hi].
    const int lo = std::max({0, ra - sizeA, rb - sizeB});
    const int hi = std::min({common, ra, rb});
    if (lo > hi) return false;
    if (sizeA > 0 && ra - lo == 0) Settle(onlyA, false);
    if (sizeA > 0 && ra - hi == sizeA) Settle(onlyA, true);
    if (sizeB > 0 && rb - lo == 0) Settle(onlyB, false);
    if (sizeB > 0 && rb - hi == sizeB) Settle(onlyB, true);
    if (hi == 0) Settle(both, false);
    if (lo == common) Settle(both, true);
    return true;
}

bool Deducer::Propagate(bool pairs) {
    while (consistent_) {
        while (!queue_.empty() && consistent_) {
            const int u = queue_.back();
            queue_.pop_back();
            queued_[u] = 0;
            const SquareSet around = reach_.Set(u) & unknown_;
            const int residual = Residual(u);
            const int open = around.Count();
            if (residual < 0 || residual > open) {
                consistent_ = false;
                break;
            }
            if (open == 0) continue;
            if (residual == 0 || residual == open) {
                Settle(around, residual == open);
                continue;
            }
            if (!pairs) continue;
            for (int16_t v : reach_.Nearby(u)) {
                if (position_.IsCovered(v)) continue;
                if (!CheckPair(u, v)) {
                    consistent_ = false;
                    break;
                }
            }
        }
        if (!consistent_) break;
        // The mine count settles everything once the remaining mines fill the unknown squares
        // exactly or are all found.
        const int remaining = RemainingMines();
        const int open = unknown_.Count();
        if (remaining < 0 || remaining > open) {
            consistent_ = false;
            break;
        }
        if (open == 0 || (remaining != 0 && remaining != open)) break;
        Settle(unknown_, remaining == open);
    }
    return consistent_;
}

}  // namespace zendrix
