// Score of a finished game, computed exactly from whole-number counts, and the adjusted score.
#include "scores/score.h"

#include <cstdint>

namespace zendrix {

namespace {

// A fraction num/den with den > 0; every count here is at most 384, so 64 bits never overflow.
struct Fraction {
    int64_t num;
    int64_t den;
};

Fraction Add(Fraction a, Fraction b) {
    return {a.num * b.den + b.num * a.den, a.den * b.den};
}

// (group mines / TM) * (group mines / group squares - TM/S) / (1 - TM/S)
//   = mines * (mines * S - TM * squares) / (TM * squares * (S - TM))
Fraction Term(int64_t mines, int64_t squares, int64_t tm, int64_t s) {
    return {mines * (mines * s - tm * squares), tm * squares * (s - tm)};
}

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

float ScoreFromCounts(const ScoreCounts& counts) {
    const int64_t s = counts.squares;
    const int64_t tm = counts.totalMines;
    const int64_t ms = counts.markedSquares;
    const int64_t mm = counts.markedMines;
    const int64_t u = counts.uncovered;
    // A field without mines, or one that is all mines, has no meaningful score.
    if (tm <= 0 || tm >= s) return 0;

    Fraction p{0, 1};
    if (ms > 0) p = Add(p, Term(mm, ms, tm, s));
    if (s - u > ms) p = Add(p, Term(tm - mm, (s - u) - ms, tm, s));
    const int64_t hundredths = FloorDiv(10000 * p.num, p.den);
    return static_cast<float>(static_cast<double>(hundredths) / 100.0);
}

double AdjustedScore(float score, double seconds, bool reach6Used, bool reach18Used) {
    double a = static_cast<double>(score) - seconds / 100000000.0;
    if (reach6Used) {
        a = a / 4;
    } else if (reach18Used) {
        a = a / 2;
    }
    return a;
}

}  // namespace zendrix
