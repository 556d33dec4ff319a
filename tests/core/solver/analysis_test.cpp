// The solver against brute force on small positions, and its certain verdicts against the real
// mines over random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <numeric>
#include <random>

#include "solver/analysis.h"
#include "solver/sweep.h"
#include "support/game_support.h"

namespace zendrix {

void PrintTo(const BigUnsigned& value, std::ostream* out) {
    *out << value.ToString();
}

namespace {

// Numbers of the uncovered squares from a mine layout, under the position's reach.
void ShowNumbers(Position& position, const std::vector<char>& mines,
                 const std::vector<char>& open) {
    const ReachTable& reach = ReachTable::For(position);
    for (int i = 0; i < position.SquareCount(); ++i) {
        if (!open[i]) continue;
        int n = 0;
        for (const int16_t* k = reach.begin(i); k != reach.end(i); ++k) n += mines[*k];
        position.shown[i] = static_cast<int8_t>(n);
    }
}

TEST(Analysis, MatchesBruteForceExactlyOnSmallPositions) {
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());
    int withChances = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Position position = CoveredPosition(1 + soak.Pick(5), 1 + soak.Pick(3), 1 + soak.Pick(3),
                                            1 + soak.Pick(3), 0);
        const int n = position.SquareCount();
        std::vector<char> mines(n, 0), open(n, 0);
        const int mineCount = soak.Pick(n / 2 + 1);
        for (int placed = 0; placed < mineCount;) {
            const int i = soak.Pick(n);
            if (!mines[i]) mines[i] = 1, ++placed;
        }
        position.mineCount = mineCount;
        // Uncover some empty squares, leaving at most 16 covered for the enumeration.
        std::vector<int> empty;
        for (int i = 0; i < n; ++i)
            if (!mines[i]) empty.push_back(i);
        std::shuffle(empty.begin(), empty.end(), soak.engine);
        int covered = n;
        for (size_t k = 0; k < empty.size() && (covered > 16 || soak.Pick(3) != 0); ++k) {
            open[empty[k]] = 1;
            --covered;
        }
        if (covered > 16) continue;
        ShowNumbers(position, mines, open);

        std::vector<int> coveredSquares;
        for (int i = 0; i < n; ++i)
            if (!open[i]) coveredSquares.push_back(i);
        uint64_t layouts = 0;
        std::vector<uint64_t> mineLayouts(n, 0);
        const ReachTable& reach = ReachTable::For(position);
        for (uint32_t set = 0; set < (1u << covered); ++set) {
            if (std::popcount(set) != mineCount) continue;
            std::vector<char> layout(n, 0);
            for (int k = 0; k < covered; ++k)
                if (set >> k & 1) layout[coveredSquares[k]] = 1;
            bool fits = true;
            for (int i = 0; i < n && fits; ++i) {
                if (!open[i]) continue;
                int count = 0;
                for (const int16_t* k = reach.begin(i); k != reach.end(i); ++k) count += layout[*k];
                fits = count == position.shown[i];
            }
            if (!fits) continue;
            ++layouts;
            for (int i : coveredSquares) mineLayouts[i] += layout[i];
        }

        for (const bool pairs : {true, false}) {
            const Analysis analysis = Analyse(position, {.timeLimit = {}, .pairDeductions = pairs});
            ASSERT_TRUE(analysis.consistent && analysis.exact) << "trial " << trial;
            ASSERT_EQ(analysis.layouts, BigUnsigned(layouts)) << "trial " << trial;
            for (int i : coveredSquares) {
                ASSERT_EQ(analysis.mineLayouts[i], BigUnsigned(mineLayouts[i]))
                    << "trial " << trial << " square " << i;
                const Verdict expected = mineLayouts[i] == 0         ? Verdict::kSafe
                                         : mineLayouts[i] == layouts ? Verdict::kMine
                                                                     : Verdict::kChance;
                ASSERT_EQ(analysis.squares[i].verdict, expected) << "trial " << trial;
                withChances += expected == Verdict::kChance;
            }
        }
    }
    EXPECT_GT(withChances, 1000);
}

// The count of one component on its own, on components far more entangled than small positions
// give: up to 45 numbers over a few groups, swept in a random order, so that a state takes several
// words and the two ends of the exploration meet on many numbers at once. Against every way of
// putting mines on the groups; the weights of the pass back are random 64-bit numbers.
TEST(Sweep, CountsEntangledComponentsLikeEnumeration) {
    testing::SoakRandom soak;
    SCOPED_TRACE(soak.Rerun());
    int wide = 0, withLayouts = 0;
    for (int trial = 0; trial < 1000; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        Component component;
        const int groups = 1 + soak.Pick(12);
        std::vector<int> truth(groups);  // a layout that fits, unless one number is put off by one
        for (int g = 0; g < groups; ++g) {
            component.groupSize.push_back(1 + soak.Pick(3));
            truth[g] = soak.Pick(component.groupSize[g] + 1);
        }
        component.groupConstraints.assign(groups, {});
        auto addNumber = [&](const std::vector<int>& on) {
            int value = 0;
            for (int g : on) {
                component.groupConstraints[g].push_back(
                    static_cast<int>(component.constraintValue.size()));
                value += truth[g];
            }
            component.constraintValue.push_back(value);
        };
        std::vector<int> all(groups);
        std::iota(all.begin(), all.end(), 0);
        for (int c = 1 + soak.Pick(45); c > 0; --c) {
            std::shuffle(all.begin(), all.end(), soak.engine);
            addNumber({all.begin(), all.begin() + 1 + soak.Pick(std::min(groups, 4))});
        }
        for (int g = 0; g < groups; ++g) {
            if (component.groupConstraints[g].empty()) addNumber({g});
        }
        if (soak.Pick(4) == 0) {
            int& value =
                component
                    .constraintValue[soak.Pick(static_cast<int>(component.constraintValue.size()))];
            value = std::max(0, value + (soak.Pick(2) != 0 ? 1 : -1));
        }
        component.order = all;
        std::shuffle(component.order.begin(), component.order.end(), soak.engine);
        wide += SweepWidth(component, component.order).first > 12;

        const int squares = component.SquareCount();
        std::vector<BigUnsigned> weight;
        for (int k = 0; k <= squares; ++k) weight.push_back(BigUnsigned(soak.engine()));
        std::vector<BigUnsigned> counts(squares + 1), mine(groups);
        std::vector<char> feasibleMine(groups, 0), feasibleEmpty(groups, 0);
        // By group index; a number is checked once its last group is set.
        std::vector<std::vector<int>> closing(groups);
        for (int c = 0; c < static_cast<int>(component.constraintValue.size()); ++c) {
            int lastGroup = 0;
            for (int g = 0; g < groups; ++g) {
                const auto& on = component.groupConstraints[g];
                if (std::find(on.begin(), on.end(), c) != on.end()) lastGroup = g;
            }
            closing[lastGroup].push_back(c);
        }
        std::vector<int> j(groups), need(component.constraintValue);
        auto enumerate = [&](auto&& self, int g) -> void {
            if (g == groups) {
                BigUnsigned ways(1);
                int k = 0;
                for (int h = 0; h < groups; ++h) {
                    ways = ways * BigUnsigned::Binomial(component.groupSize[h], j[h]);
                    k += j[h];
                }
                counts[k] += ways;
                for (int h = 0; h < groups; ++h) {
                    feasibleMine[h] |= j[h] > 0;
                    feasibleEmpty[h] |= j[h] < component.groupSize[h];
                    if (j[h] == 0) continue;
                    // One given square of the group holds a mine: C(g - 1, j - 1) of C(g, j).
                    BigUnsigned withMine =
                        BigUnsigned::Binomial(component.groupSize[h] - 1, j[h] - 1);
                    for (int o = 0; o < groups; ++o) {
                        if (o != h) {
                            withMine =
                                withMine * BigUnsigned::Binomial(component.groupSize[o], j[o]);
                        }
                    }
                    mine[h].AddProduct(withMine, weight[k]);
                }
                return;
            }
            for (j[g] = 0; j[g] <= component.groupSize[g]; ++j[g]) {
                for (int c : component.groupConstraints[g]) need[c] -= j[g];
                bool fits = true;
                for (int c : closing[g]) fits = fits && need[c] == 0;
                if (fits) self(self, g + 1);
                for (int c : component.groupConstraints[g]) need[c] += j[g];
            }
        };
        enumerate(enumerate, 0);
        withLayouts += std::any_of(counts.begin(), counts.end(),
                                   [](const BigUnsigned& n) { return !n.IsZero(); });

        Sweep<CountMode> sweep;
        ASSERT_TRUE(sweep.Forward(component, SIZE_MAX));
        ASSERT_EQ(sweep.Counts(), counts);
        const auto perGroup = sweep.Backward(weight);
        ASSERT_EQ(perGroup.mine, mine);

        Sweep<FeasibleMode> feasible;
        ASSERT_TRUE(feasible.Forward(component, SIZE_MAX));
        for (int k = 0; k <= squares; ++k) {
            ASSERT_EQ(feasible.Counts()[k] != 0, !counts[k].IsZero()) << "mines " << k;
        }
        const auto exists = feasible.Backward(std::vector<uint8_t>(squares + 1, 1));
        for (int g = 0; g < groups; ++g) {
            ASSERT_EQ(exists.mine[g] != 0, feasibleMine[g] != 0) << "group " << g;
            ASSERT_EQ(exists.empty[g] != 0, feasibleEmpty[g] != 0) << "group " << g;
        }
    }
    EXPECT_GT(wide, 300);
    EXPECT_GT(withLayouts, 600);
}

}  // namespace
}  // namespace zendrix
