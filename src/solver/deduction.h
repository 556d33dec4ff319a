// Sound deductions that need no enumeration of layouts: a number whose covered squares must all be
// empty or all be mines, two overlapping numbers, and the mine count. They settle most squares
// cheaply and shrink what the exact count has to enumerate; whatever they conclude holds in every
// layout that fits the numbers.
#pragma once

#include <vector>

#include "solver/position.h"
#include "solver/square_set.h"

namespace zendrix {

class Deducer {
  public:
    explicit Deducer(const Position& position);

    // Applies the rules until nothing changes; false when no layout fits what is shown.
    // Without pairs only single numbers and the mine count are used.
    bool Propagate(bool pairs = true);

    // A square has been uncovered and shows this number (the deductions so far stay true).
    void Reveal(int index, int number);
    // Learnt elsewhere (e.g. by the exact count): this covered square is empty / a mine.
    void SetSafe(int index);
    void SetMine(int index);

    const Position& position() const { return position_; }
    const ReachTable& reach() const { return reach_; }
    // Covered squares not yet settled.
    const SquareSet& unknown() const { return unknown_; }
    // Covered squares known to be mines / known to be empty.
    const SquareSet& mines() const { return mines_; }
    const SquareSet& safe() const { return safe_; }
    // Mines still to be placed among the unknown squares.
    int RemainingMines() const { return position_.mineCount - mines_.Count(); }
    // Mines still needed among the unknown squares in reach of an uncovered square.
    int Residual(int index) const {
        return position_.shown[index] - reach_.Set(index).CountCommon(mines_);
    }

  private:
    void Settle(SquareSet squares, bool mine);
    void Touch(int index);
    bool CheckPair(int a, int b);

    Position position_;
    const ReachTable& reach_;
    SquareSet unknown_, mines_, safe_;
    std::vector<int16_t> queue_;
    std::vector<char> queued_;
    bool consistent_ = true;
};

}  // namespace zendrix
