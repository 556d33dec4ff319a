// The open part of a position after the local deductions, cut into independent components of
// interchangeable groups, and the combination of the components' counts with the squares away
// from every number through the mine count.
#pragma once

#include <vector>

#include "solver/deduction.h"
#include "solver/sweep.h"

namespace zendrix {

struct Frontier {
    std::vector<Component> components;
    // Per component, per group: the squares (by index) of the group.
    std::vector<std::vector<std::vector<int>>> squares;
    SquareSet rest;  // unknown squares in reach of no open number
    int restCount = 0;
    int remainingMines = 0;
    bool consistent = true;  // false: two numbers ask different counts of the same squares
};

// Built from what the deducer has not settled; every component gets a sweep order.
Frontier BuildFrontier(const Deducer& deducer);

// The components' indices, the narrowest sweep first.
std::vector<size_t> CheapestFirst(const Frontier& frontier);

// The ways to complete a layout of one component outside it, per count of its mines.
template <class V>
struct Combination {
    std::vector<std::vector<V>> weight;  // per component, by its mine count
    V total{};                           // all layouts that fit
    V restMine{}, restEmpty{};           // layouts with a given rest square a mine / empty
};

namespace combination_detail {
template <class V>
V Binomial(int n, int k) {
    if constexpr (std::is_same_v<V, uint8_t>) {
        return static_cast<uint8_t>(k >= 0 && k <= n);
    } else {
        return BigUnsigned::Binomial(n, k);
    }
}
}  // namespace combination_detail

// counts[c][k]: the layouts of component c with k mines. The rest squares take the mines left.
template <class V>
Combination<V> Combine(const std::vector<std::vector<V>>& counts, int restCount, int mines) {
    using combination_detail::Binomial;
    const int m = static_cast<int>(counts.size());
    Combination<V> result;
    if (mines < 0) return result;
    std::vector<std::pair<int, int>> range(m);  // the mine counts a component can have
    for (int c = 0; c < m; ++c) {
        int lo = static_cast<int>(counts[c].size()), hi = -1;
        for (int k = 0; k < static_cast<int>(counts[c].size()); ++k) {
            if (!sweep_values::IsZero(counts[c][k])) {
                lo = std::min(lo, k);
                hi = k;
            }
        }
        range[c] = {lo, std::min(hi, mines)};
    }
    // after[c][t]: completions by components c.. and the rest when t mines lie before c.
    std::vector<std::vector<V>> after(m + 1, std::vector<V>(mines + 1));
    for (int t = 0; t <= mines; ++t) after[m][t] = Binomial<V>(restCount, mines - t);
    for (int c = m - 1; c >= 0; --c) {
        for (int t = 0; t <= mines; ++t) {
            for (int k = range[c].first; k <= range[c].second && t + k <= mines; ++k) {
                sweep_values::AddProduct(after[c][t], counts[c][k], after[c + 1][t + k]);
            }
        }
    }
    result.total = after[0][0];
    // before[t]: layouts of the components before c with t mines.
    std::vector<V> before(mines + 1), next(mines + 1);
    before[0] = V(1);
    int beforeHi = 0;
    result.weight.resize(m);
    for (int c = 0; c < m; ++c) {
        auto& weight = result.weight[c];
        weight.assign(counts[c].size(), V{});
        for (int k = range[c].first; k <= range[c].second; ++k) {
            for (int t = 0; t <= beforeHi && t + k <= mines; ++t) {
                if (sweep_values::IsZero(before[t])) continue;
                sweep_values::AddProduct(weight[k], before[t], after[c + 1][t + k]);
            }
        }
        std::fill(next.begin(), next.end(), V{});
        for (int t = 0; t <= beforeHi; ++t) {
            if (sweep_values::IsZero(before[t])) continue;
            for (int k = range[c].first; k <= range[c].second && t + k <= mines; ++k) {
                sweep_values::AddProduct(next[t + k], before[t], counts[c][k]);
            }
        }
        before.swap(next);
        beforeHi = std::min(mines, beforeHi + std::max(range[c].second, 0));
    }
    for (int t = 0; t <= beforeHi; ++t) {
        if (sweep_values::IsZero(before[t])) continue;
        sweep_values::AddProduct(result.restMine, before[t],
                                 Binomial<V>(restCount - 1, mines - t - 1));
        sweep_values::AddProduct(result.restEmpty, before[t],
                                 Binomial<V>(restCount - 1, mines - t));
    }
    return result;
}

// One round of exact certainty without counting: settles in the deducer every square that no
// layout (fitting the numbers and the mine count) leaves empty, or none puts a mine on.
// Components beyond the budget (shared by all) are skipped. Returns false when no layout fits.
bool SettleCertainSquares(Deducer& deducer, size_t cellBudget, bool* changed);

}  // namespace zendrix
