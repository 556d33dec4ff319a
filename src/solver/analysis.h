// The solver: for every covered square of a position, whether it is certainly empty, certainly a
// mine, or its exact chance of holding a mine, counting every layout of the mines that fits the
// numbers shown and the mine count, all layouts equally likely.
#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

#include "solver/big_unsigned.h"
#include "solver/position.h"

namespace zendrix {

enum class Verdict : uint8_t {
    kUncovered,  // not a covered square
    kSafe,       // no layout that fits puts a mine there
    kMine,       // every layout that fits puts a mine there
    kChance,     // some layouts do, some do not
};

struct SquareAnalysis {
    Verdict verdict = Verdict::kUncovered;
    double chance = 0;  // of a mine: 0 when safe, 1 when a mine
    bool exact = true;  // false: the chance is an estimate (a certain verdict is always sound)
};

struct AnalysisOptions {
    // The most states the exact count may explore, and the most partial-layout counts it may
    // hold (a few dozen bytes each), before the chances are estimated instead.
    size_t cellBudget = size_t{1} << 18;
    // About the longest the analysis should take before the chances are estimated instead; zero
    // for no limit (then the result depends on the position alone, not on the machine). The
    // exploration and the count's first pass get three quarters of it; a pass back that would
    // not fit in the rest is not started.
    std::chrono::milliseconds timeLimit{18};
    // Deduce from overlapping pairs of numbers before counting (same results, usually faster).
    bool pairDeductions = true;
};

struct Analysis {
    // False when no layout fits what is shown (never so for a position of a real game).
    bool consistent = true;
    // True when every chance is exact; false when at least one is an estimate.
    bool exact = true;
    // By Position::Index.
    std::vector<SquareAnalysis> squares;
    // When exact: the number of layouts that fit, and per square the number of them with a mine
    // there (0 for uncovered squares); chance = mineLayouts / layouts.
    BigUnsigned layouts;
    std::vector<BigUnsigned> mineLayouts;

    int Count(Verdict verdict) const;
};

Analysis Analyse(const Position& position, const AnalysisOptions& options = {});

}  // namespace zendrix
