// The full analysis: local deductions, an exact count per component, the combination through the
// mine count, and an estimate only where a component is too large to count.
#include "solver/analysis.h"

#include <algorithm>

#include "solver/deduction.h"
#include "solver/estimate.h"
#include "solver/frontier.h"

namespace zendrix {

namespace {

Analysis Inconsistent(const Position& position) {
    Analysis analysis;
    analysis.consistent = false;
    analysis.exact = false;
    analysis.squares.resize(position.SquareCount());
    analysis.mineLayouts.resize(position.SquareCount());
    for (int i = 0; i < position.SquareCount(); ++i) {
        if (position.IsCovered(i)) analysis.squares[i] = {Verdict::kChance, 0, false};
    }
    return analysis;
}

}  // namespace

int Analysis::Count(Verdict verdict) const {
    return static_cast<int>(
        std::count_if(squares.begin(), squares.end(),
                      [&](const SquareAnalysis& s) { return s.verdict == verdict; }));
}

Analysis Analyse(const Position& position, const AnalysisOptions& options) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const bool timed = options.timeLimit.count() > 0;
    const auto end = timed ? start + options.timeLimit : Clock::time_point::max();
    // The counts may take three quarters of the time; the passes back are usually far cheaper
    // (the states that lead nowhere are gone by then) and are checked before they start.
    const auto countDeadline = timed ? start + options.timeLimit * 3 / 4 : end;
    const int squares = position.SquareCount();
    Deducer deducer(position);
    if (!deducer.Propagate(options.pairDeductions)) return Inconsistent(position);
    const Frontier frontier = BuildFrontier(deducer);
    if (!frontier.consistent) return Inconsistent(position);

    const size_t m = frontier.components.size();
    std::vector<Sweep<CountMode>> sweeps(m);
    std::vector<std::vector<BigUnsigned>> counts(m);
    bool allCounted = true;
    std::vector<bool> counted(m);
    auto relax = [&](size_t c) {
        // Any mine count: a sound relaxation, good for certainty elsewhere.
        counted[c] = false;
        counts[c].assign(frontier.components[c].SquareCount() + 1, BigUnsigned(1));
        allCounted = false;
    };
    // One budget for the whole position, the narrowest components first, so that one component
    // too large to count leaves the others exact.
    size_t budget = options.cellBudget;
    for (size_t c : CheapestFirst(frontier)) {
        counted[c] = sweeps[c].Forward(frontier.components[c], budget, countDeadline);
        if (counted[c]) {
            budget -= std::min(budget, sweeps[c].Cells());
            counts[c] = sweeps[c].Counts();
        } else {
            relax(c);
        }
    }
    auto combination = Combine(counts, frontier.restCount, frontier.remainingMines);
    if (combination.total.IsZero()) return Inconsistent(position);
    // A pass back that would not finish within the limit leaves its component to the estimate,
    // the costliest first. (About 1 to 1.7 ns per limb operation on the development machine.)
    constexpr double kNanosecondsPerWork = 1.5;
    while (timed) {
        double predicted = 0, costliest = 0;
        size_t drop = m;
        for (size_t c = 0; c < m; ++c) {
            if (!counted[c]) continue;
            int weightBits = 1;
            if (allCounted) {
                for (const BigUnsigned& w : combination.weight[c]) {
                    weightBits = std::max(weightBits, w.BitWidth());
                }
            }
            const double cost =
                static_cast<double>(sweeps[c].BackwardWork(weightBits)) * kNanosecondsPerWork;
            predicted += cost;
            if (cost > costliest) {
                costliest = cost;
                drop = c;
            }
        }
        if (drop == m ||
            Clock::now() + std::chrono::nanoseconds(static_cast<int64_t>(predicted)) <= end) {
            break;
        }
        relax(drop);
        combination = Combine(counts, frontier.restCount, frontier.remainingMines);
    }

    Analysis analysis;
    analysis.exact = allCounted;
    analysis.squares.resize(squares);
    analysis.mineLayouts.resize(squares);
    // The count of layouts with a mine on each square, and the count they are out of. With a
    // component beyond the budget these are counts of the relaxed problem, weighted only by
    // whether a mine count is possible at all: good for certainty, not for chances.
    std::vector<BigUnsigned> mine(squares);
    std::vector<BigUnsigned> outOf(squares, combination.total);
    std::vector<char> settled(squares, 0);
    for (size_t c = 0; c < m; ++c) {
        if (!counted[c]) continue;
        std::vector<BigUnsigned> weight = combination.weight[c];
        BigUnsigned total;
        if (!allCounted) {
            for (size_t k = 0; k < weight.size(); ++k) {
                weight[k] = BigUnsigned(weight[k].IsZero() ? 0 : 1);
                total.AddProduct(counts[c][k], weight[k]);
            }
        }
        const auto perGroup = sweeps[c].Backward(weight);
        for (size_t g = 0; g < perGroup.mine.size(); ++g) {
            for (int i : frontier.squares[c][g]) {
                mine[i] = perGroup.mine[g];
                if (!allCounted) outOf[i] = total;
                settled[i] = mine[i].IsZero() || mine[i] == outOf[i];
            }
        }
    }
    frontier.rest.ForEach([&](int i) {
        mine[i] = combination.restMine;
        settled[i] = mine[i].IsZero() || combination.restEmpty.IsZero();
    });
    deducer.mines().ForEach([&](int i) {
        mine[i] = combination.total;
        settled[i] = 1;
    });
    deducer.safe().ForEach([&](int i) { settled[i] = 1; });

    std::vector<double> estimate;
    if (!allCounted) {
        std::vector<char> fixedMine(squares, 0);
        for (int i = 0; i < squares; ++i) fixedMine[i] = settled[i] && !mine[i].IsZero();
        estimate = EstimateChances(position, settled, fixedMine);
    }
    for (int i = 0; i < squares; ++i) {
        if (!position.IsCovered(i)) continue;
        SquareAnalysis& s = analysis.squares[i];
        if (settled[i]) {
            s = mine[i].IsZero() ? SquareAnalysis{Verdict::kSafe, 0, true}
                                 : SquareAnalysis{Verdict::kMine, 1, true};
        } else if (allCounted) {
            s = {Verdict::kChance, Ratio(mine[i], combination.total), true};
        } else {
            s = {Verdict::kChance, estimate[i], false};
        }
    }
    if (allCounted) {
        analysis.layouts = combination.total;
        analysis.mineLayouts = std::move(mine);
    }
    return analysis;
}

}  // namespace zendrix
