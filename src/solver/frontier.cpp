// Cutting the open squares into components and groups, choosing sweep orders, and the
// feasibility round used when only certainty matters.
#include "solver/frontier.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

namespace zendrix {

namespace {

int Find(std::vector<int>& parent, int x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
}

// log2 of the number of residuals an open number can be left with (at most 27).
double RangeBits(int range) {
    static const auto kTable = [] {
        std::array<double, 64> t{};
        for (int n = 1; n < 64; ++n) t[n] = std::log2(static_cast<double>(n));
        return t;
    }();
    return kTable[std::clamp(range, 1, 63)];
}

// What exploring from both ends of this order would cost, from a bound on the states at every
// cut: an open number with v mines still needed on its t squares, s of them taken, can be left
// needing one of min(v, s, t - s, t - v) + 1 residuals. Both ends are simulated as the explorer
// runs them (the end with fewer states is extended), and the states they pass are summed.
double MeetingCost(const Component& component, const std::vector<int>& order) {
    const int constraints = static_cast<int>(component.constraintValue.size());
    const int steps = static_cast<int>(order.size());
    std::vector<int> total(constraints, 0), seen(constraints, 0);
    for (int g : order) {
        for (int c : component.groupConstraints[g]) total[c] += component.groupSize[g];
    }
    auto term = [&](int c) {
        const int v = component.constraintValue[c];
        return RangeBits(std::min({v, seen[c], total[c] - seen[c], total[c] - v}) + 1);
    };
    std::vector<double> bits(steps + 1, 0);
    double sum = 0;
    for (int step = 0; step < steps; ++step) {
        const int g = order[step];
        for (int c : component.groupConstraints[g]) {
            sum -= term(c);
            seen[c] += component.groupSize[g];
            sum += term(c);
        }
        bits[step + 1] = std::max(0.0, sum);
    }
    int left = 0, right = steps;
    double cost = 2;
    while (left < right) {
        if (bits[left] <= bits[right]) {
            cost += std::exp2(std::min(bits[++left], 80.0));
        } else {
            cost += std::exp2(std::min(bits[--right], 80.0));
        }
    }
    return cost;
}

// Grows an order one group at a time, always taking the group that adds the fewest bits to the
// bound on the states (closing numbers takes bits away); ties go to the earlier group of `axis`.
std::vector<int> GreedyOrder(const Component& component, const std::vector<int>& axis) {
    const int constraints = static_cast<int>(component.constraintValue.size());
    const int groups = static_cast<int>(axis.size());
    std::vector<int> total(constraints, 0), seen(constraints, 0);
    std::vector<std::vector<int>> groupsOf(constraints);
    for (int g = 0; g < groups; ++g) {
        for (int c : component.groupConstraints[g]) {
            total[c] += component.groupSize[g];
            groupsOf[c].push_back(g);
        }
    }
    auto bits = [&](int c, int s) {
        const int v = component.constraintValue[c];
        return RangeBits(std::min({v, s, total[c] - s, total[c] - v}) + 1);
    };
    // By rank in `axis`: the bits a group would add, or infinity once taken.
    std::vector<int> rank(groups);
    for (int r = 0; r < groups; ++r) rank[axis[r]] = r;
    std::vector<double> gain(groups, 0);
    for (int g = 0; g < groups; ++g) {
        for (int c : component.groupConstraints[g]) {
            gain[rank[g]] += bits(c, component.groupSize[g]) - bits(c, 0);
        }
    }
    std::vector<int> order;
    order.reserve(groups);
    for (int step = 0; step < groups; ++step) {
        const auto lowest = std::min_element(gain.begin(), gain.end()) - gain.begin();
        const int chosen = axis[lowest];
        gain[lowest] = std::numeric_limits<double>::infinity();
        order.push_back(chosen);
        for (int c : component.groupConstraints[chosen]) {
            const int before = seen[c];
            const int after = before + component.groupSize[chosen];
            seen[c] = after;
            for (int g : groupsOf[c]) {
                const int size = component.groupSize[g];
                gain[rank[g]] += (bits(c, after + size) - bits(c, after)) -
                                 (bits(c, before + size) - bits(c, before));
            }
        }
    }
    return order;
}

// Sweeping along the field's long axis keeps few numbers open at once, but which axis and which
// order across it is best depends on the component's shape: the six lexicographic orders of the
// groups' centres are candidates, and for a component whose cheapest of them is costly, an order
// grown greedily from each. The one with the lowest simulated cost is kept. (The bound overstates
// the states a great deal and ranks orders only roughly; chosen by the widest cut instead, the
// greedy orders lost more often than they won.)
constexpr double kWorthRefining = 1 << 14;

void ChooseOrder(Component& component, const std::vector<std::vector<int>>& groupSquares,
                 const Position& position) {
    const int groups = static_cast<int>(groupSquares.size());
    std::vector<std::array<double, 3>> centre(groups, {0, 0, 0});
    for (int g = 0; g < groups; ++g) {
        for (int index : groupSquares[g]) {
            const Square s = position.SquareAt(index);
            centre[g][0] += s.column;
            centre[g][1] += s.row;
            centre[g][2] += s.level;
        }
        for (double& x : centre[g]) x /= static_cast<double>(groupSquares[g].size());
    }
    static constexpr std::array<std::array<int, 3>, 6> kAxes{
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    std::vector<int> order(groups);
    double best = std::numeric_limits<double>::infinity();
    std::vector<std::vector<int>> axisOrders;
    for (const auto& axes : kAxes) {
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            for (int axis : axes) {
                if (centre[a][axis] != centre[b][axis]) return centre[a][axis] < centre[b][axis];
            }
            return false;
        });
        const double cost = MeetingCost(component, order);
        axisOrders.push_back(order);
        if (cost < best) {
            best = cost;
            component.order = order;
        }
    }
    if (best < kWorthRefining) return;
    for (const auto& axis : axisOrders) {
        auto candidate = GreedyOrder(component, axis);
        const double cost = MeetingCost(component, candidate);
        if (cost < best) {
            best = cost;
            component.order = std::move(candidate);
        }
    }
}

}  // namespace

Frontier BuildFrontier(const Deducer& deducer) {
    const Position& position = deducer.position();
    const ReachTable& reach = deducer.reach();
    const SquareSet& unknown = deducer.unknown();
    const int squares = position.SquareCount();
    Frontier frontier;
    frontier.remainingMines = deducer.RemainingMines();

    // Open numbers: the unknown squares in reach of an uncovered square, and the mines among them.
    struct Open {
        SquareSet around;
        int residual;
        int size;
    };
    std::vector<Open> opens;
    for (int u = 0; u < squares; ++u) {
        if (position.IsCovered(u)) continue;
        const SquareSet around = reach.Set(u) & unknown;
        if (around.Empty()) continue;
        opens.push_back({around, deducer.Residual(u), around.Count()});
    }
    // When one number's squares lie all within another's, the other says no more than how many
    // mines lie on its remaining squares. Narrower numbers close sooner in the sweep and keep
    // fewer partial layouts apart; the layouts that fit stay exactly the same.
    std::stable_sort(opens.begin(), opens.end(),
                     [](const Open& a, const Open& b) { return a.size < b.size; });
    for (size_t a = 0; a < opens.size(); ++a) {
        if (opens[a].size == 0) continue;
        for (size_t b = a + 1; b < opens.size(); ++b) {
            if (opens[b].size < opens[a].size ||
                (opens[a].around & opens[b].around) != opens[a].around) {
                continue;
            }
            opens[b].around = Without(opens[b].around, opens[a].around);
            opens[b].size -= opens[a].size;
            opens[b].residual -= opens[a].residual;
        }
    }
    std::vector<std::vector<int>> opensOf(squares);  // per unknown square
    {
        std::vector<Open> kept;
        for (const Open& open : opens) {
            if (open.residual < 0 || open.residual > open.size) frontier.consistent = false;
            if (open.size == 0) continue;
            const int id = static_cast<int>(kept.size());
            kept.push_back(open);
            open.around.ForEach([&](int i) { opensOf[i].push_back(id); });
        }
        opens.swap(kept);
    }
    const int openCount = static_cast<int>(opens.size());

    // Groups: unknown squares in reach of the same open numbers.
    std::map<std::vector<int>, int> groupOf;
    std::vector<std::vector<int>> groupSquares;
    std::vector<const std::vector<int>*> groupOpens;
    unknown.ForEach([&](int i) {
        if (opensOf[i].empty()) {
            frontier.rest.Insert(i);
            ++frontier.restCount;
            return;
        }
        auto [it, added] = groupOf.try_emplace(opensOf[i], static_cast<int>(groupSquares.size()));
        if (added) {
            groupSquares.emplace_back();
            groupOpens.push_back(&it->first);
        }
        groupSquares[it->second].push_back(i);
    });

    // Components: open numbers joined through shared groups.
    std::vector<int> parent(openCount);
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto* list : groupOpens) {
        for (size_t k = 1; k < list->size(); ++k) {
            parent[Find(parent, (*list)[k])] = Find(parent, (*list)[0]);
        }
    }
    std::vector<int> componentOf(openCount, -1), localId(openCount, -1);
    for (int o = 0; o < openCount; ++o) {
        const int root = Find(parent, o);
        if (componentOf[root] < 0) {
            componentOf[root] = static_cast<int>(frontier.components.size());
            frontier.components.emplace_back();
            frontier.squares.emplace_back();
        }
        Component& component = frontier.components[componentOf[root]];
        localId[o] = static_cast<int>(component.constraintValue.size());
        component.constraintValue.push_back(opens[o].residual);
    }
    for (size_t g = 0; g < groupSquares.size(); ++g) {
        const int c = componentOf[Find(parent, (*groupOpens[g])[0])];
        Component& component = frontier.components[c];
        component.groupSize.push_back(static_cast<int>(groupSquares[g].size()));
        std::vector<int> local;
        for (int o : *groupOpens[g]) local.push_back(localId[o]);
        component.groupConstraints.push_back(std::move(local));
        frontier.squares[c].push_back(groupSquares[g]);
    }
    for (size_t c = 0; c < frontier.components.size(); ++c) {
        ChooseOrder(frontier.components[c], frontier.squares[c], position);
    }
    return frontier;
}

std::vector<size_t> CheapestFirst(const Frontier& frontier) {
    std::vector<std::pair<std::pair<int, long>, size_t>> keyed;
    for (size_t c = 0; c < frontier.components.size(); ++c) {
        const Component& component = frontier.components[c];
        keyed.push_back({SweepWidth(component, component.order), c});
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<size_t> order;
    for (const auto& k : keyed) order.push_back(k.second);
    return order;
}

bool SettleCertainSquares(Deducer& deducer, size_t cellBudget, bool* changed) {
    *changed = false;
    const Frontier frontier = BuildFrontier(deducer);
    if (!frontier.consistent) return false;
    const size_t m = frontier.components.size();
    std::vector<Sweep<FeasibleMode>> sweeps(m);
    std::vector<std::vector<uint8_t>> counts(m);
    std::vector<bool> counted(m);
    for (size_t c : CheapestFirst(frontier)) {
        counted[c] = sweeps[c].Forward(frontier.components[c], cellBudget);
        if (counted[c]) cellBudget -= std::min(cellBudget, sweeps[c].Cells());
        // A component beyond the budget may hold any number of mines: a weaker but sound
        // constraint on the others.
        counts[c] = counted[c] ? sweeps[c].Counts()
                               : std::vector<uint8_t>(frontier.components[c].SquareCount() + 1, 1);
    }
    const auto combination = Combine(counts, frontier.restCount, frontier.remainingMines);
    if (!combination.total) return false;
    for (size_t c = 0; c < m; ++c) {
        if (!counted[c]) continue;
        const auto perGroup = sweeps[c].Backward(combination.weight[c]);
        for (size_t g = 0; g < perGroup.mine.size(); ++g) {
            if (perGroup.mine[g] && perGroup.empty[g]) continue;
            for (int i : frontier.squares[c][g]) {
                perGroup.mine[g] ? deducer.SetMine(i) : deducer.SetSafe(i);
            }
            *changed = true;
        }
    }
    if (frontier.restCount > 0 && !(combination.restMine && combination.restEmpty)) {
        const bool mine = combination.restMine;
        frontier.rest.ForEach([&](int i) { mine ? deducer.SetMine(i) : deducer.SetSafe(i); });
        *changed = true;
    }
    return true;
}

}  // namespace zendrix
