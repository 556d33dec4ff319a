// The solver against brute force on small positions, and its certain verdicts against the real
// mines over random games.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <random>

#include "solver/analysis.h"

namespace zendrix {

void PrintTo(const BigUnsigned& value, std::ostream* out) {
    *out << value.ToString();
}

namespace {

uint32_t TestSeed() {
    if (const char* text = std::getenv("ZENDRIX_SOAK_SEED"))
        return static_cast<uint32_t>(std::strtoul(text, nullptr, 10));
    return std::random_device{}();
}

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
    const uint32_t seed = TestSeed();
    SCOPED_TRACE("rerun with ZENDRIX_SOAK_SEED=" + std::to_string(seed));
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    int withChances = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Position position = CoveredPosition(1 + pick(5), 1 + pick(3), 1 + pick(3), 1 + pick(3), 0);
        const int n = position.SquareCount();
        std::vector<char> mines(n, 0), open(n, 0);
        const int mineCount = pick(n / 2 + 1);
        for (int placed = 0; placed < mineCount;) {
            const int i = pick(n);
            if (!mines[i]) mines[i] = 1, ++placed;
        }
        position.mineCount = mineCount;
        // Uncover some empty squares, leaving at most 16 covered for the enumeration.
        std::vector<int> empty;
        for (int i = 0; i < n; ++i)
            if (!mines[i]) empty.push_back(i);
        std::shuffle(empty.begin(), empty.end(), rng);
        int covered = n;
        for (size_t k = 0; k < empty.size() && (covered > 16 || pick(3) != 0); ++k) {
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

}  // namespace
}  // namespace zendrix
