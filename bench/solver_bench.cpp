// Solver speed: the full analysis of positions from random games of the Large field at 32 % under
// each reach (percentiles over the positions, in processor time), the exact count on the hardest
// positions, and no-guess minefields for every size, density and reach.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

#include "colours/colour_model.h"
#include "game/moves.h"
#include "solver/analysis.h"
#include "solver/no_guess.h"

namespace zendrix {
namespace {

// The game's generator with the clock replaced by a counter, so every run plays the same games.
class RepeatableRandom : public StandardRandomSource {
  public:
    void SeedFromClock() override { Seed(static_cast<float>(++games_)); }

  private:
    int games_ = 0;
};

enum class Player {
    kFrontier,   // uncovers a random empty square next to the opened region (knows the mines)
    kScattered,  // uncovers a random empty square anywhere (knows the mines)
    kAssisted,   // uncovers a certainly empty square when there is one, else the lowest chance
};

// The positions before every uncovering move of `games` random games.
std::vector<Position> PlayGames(int size, int density, int reach, Player player, int games,
                                uint32_t seed) {
    std::vector<Position> positions;
    RepeatableRandom random;
    std::mt19937 rng(seed);
    ColourModel colours;
    NullMoveObserver observer;
    for (int game = 0; game < games; ++game) {
        GameState state;
        state.SetSize(size);
        state.SetDensity(density);
        state.reachLevel = static_cast<int16_t>(reach);
        state.demonstrationMode = false;
        state.ResetForNewGame();
        Play play(state, colours, random, observer);
        while (!state.gameOver) {
            const Position position = PositionOf(state);
            positions.push_back(position);
            std::vector<int> choices;
            if (player != Player::kAssisted && state.uncoveredCount > 0) {
                const ReachTable& table = ReachTable::For(position);
                std::vector<int> next;
                for (int i = 0; i < position.SquareCount(); ++i) {
                    const Square s = position.SquareAt(i);
                    if (!position.IsCovered(i) || state.IsMine(s.column, s.row, s.level)) continue;
                    choices.push_back(i);
                    for (const int16_t* n = table.begin(i); n != table.end(i); ++n) {
                        if (!position.IsCovered(*n)) {
                            next.push_back(i);
                            break;
                        }
                    }
                }
                if (player == Player::kFrontier && !next.empty()) choices.swap(next);
            } else if (player != Player::kAssisted) {
                choices.push_back(
                    static_cast<int>(rng() % static_cast<uint32_t>(position.SquareCount())));
            } else {
                const Analysis analysis =
                    Analyse(position, {.cellBudget = size_t{1} << 17, .timeLimit = {}});
                double lowest = 2;
                for (int i = 0; i < position.SquareCount(); ++i) {
                    const SquareAnalysis& a = analysis.squares[i];
                    if (a.verdict == Verdict::kUncovered || a.verdict == Verdict::kMine) continue;
                    if (a.chance < lowest) {
                        lowest = a.chance;
                        choices.clear();
                    }
                    if (a.chance == lowest) choices.push_back(i);
                }
            }
            const Square s = position.SquareAt(choices[rng() % choices.size()]);
            play.UncoverSquare(s.column, s.row, s.level);
        }
    }
    return positions;
}

// Processor time of this thread: the development machine is shared, and wall time there
// measures the other work as much as this.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

void ReportPercentiles(benchmark::State& state, std::vector<double>& ms) {
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) {
        return ms[static_cast<size_t>(q * static_cast<double>(ms.size() - 1))];
    };
    state.counters["positions"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = ms.back();
}

void BM_Analyse(benchmark::State& state) {
    const int reach = static_cast<int>(state.range(0));
    const Player player = static_cast<Player>(state.range(1));
    std::vector<Position> positions =
        PlayGames(2, 4, reach, player, player == Player::kAssisted ? 400 : 40, 1234);
    std::shuffle(positions.begin(), positions.end(), std::mt19937(5678));
    std::vector<double> ms;
    int estimates = 0;
    size_t next = 0;
    for (auto _ : state) {
        const Position& position = positions[next++ % positions.size()];
        const double start = ThreadMilliseconds();
        const Analysis analysis = Analyse(position);
        ms.push_back(ThreadMilliseconds() - start);
        benchmark::DoNotOptimize(analysis.squares.data());
        estimates += !analysis.exact;
    }
    ReportPercentiles(state, ms);
    state.counters["estimates"] = estimates;
}

// ZENDRIX_BENCH_POSITIONS=n analyses only the first n shuffled positions of each series, for a
// quick before/after comparison on a busy machine.
int AnalysedPositions() {
    const char* n = std::getenv("ZENDRIX_BENCH_POSITIONS");
    return n != nullptr && std::atoi(n) > 0 ? std::atoi(n) : 3000;
}

BENCHMARK(BM_Analyse)
    ->ArgsProduct({{1, 2, 3}, {0, 1, 2}})
    ->ArgNames({"reach", "player"})
    ->Iterations(AnalysedPositions())
    ->Unit(benchmark::kMillisecond);

// Throughput of the exact count on the hardest positions that still fit a large budget: reach-26
// positions of BM_Analyse that the default cell budget leaves to an estimate.
void BM_HardPositions(benchmark::State& state) {
    static const std::vector<Position> hard = [] {
        std::vector<Position> found;
        for (const Position& p : PlayGames(2, 4, 3, Player::kFrontier, 40, 1234)) {
            if (!Analyse(p, {.timeLimit = {}}).exact &&
                Analyse(p, {.cellBudget = size_t{1} << 21, .timeLimit = {}}).exact) {
                found.push_back(p);
            }
            if (found.size() == 20) break;
        }
        return found;
    }();
    for (auto _ : state) {
        for (const Position& p : hard) {
            benchmark::DoNotOptimize(
                Analyse(p, {.cellBudget = size_t{1} << 21, .timeLimit = {}}).layouts);
        }
    }
    state.counters["positions"] = static_cast<double>(hard.size());
}
BENCHMARK(BM_HardPositions)->Unit(benchmark::kMillisecond)->Iterations(3);

// No-guess generation for one size, density and reach: each iteration lays one minefield from a
// random first square with the game's one-second limit.
void BM_NoGuess(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const int density = static_cast<int>(state.range(1));
    const int reach = static_cast<int>(state.range(2));
    std::mt19937_64 rng(size * 100 + density * 10 + reach);
    std::vector<double> ms;
    int found = 0;
    for (auto _ : state) {
        GameState game;
        game.SetSize(size);
        game.SetDensity(density);
        game.reachLevel = static_cast<int16_t>(reach);
        game.ResetForNewGame();
        const Square first{1 + static_cast<int>(rng() % game.columnCount),
                           1 + static_cast<int>(rng() % game.rowCount),
                           1 + static_cast<int>(rng() % 3)};
        const auto start = std::chrono::steady_clock::now();
        const NoGuessResult result =
            PlaceMinesWithoutGuessing(game, first, rng(), start + std::chrono::seconds(1));
        const auto stop = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        found += result.found;
    }
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) {
        return ms[static_cast<size_t>(q * static_cast<double>(ms.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p95_ms"] = at(0.95);
    state.counters["found_pct"] = 100.0 * found / static_cast<double>(ms.size());
}

void NoGuessArguments(benchmark::internal::Benchmark* b) {
    for (int size = 0; size < 3; ++size) {
        for (int density = 0; density < 5; ++density) {
            for (int reach = 1; reach <= 3; ++reach) b->Args({size, density, reach});
        }
    }
}

BENCHMARK(BM_NoGuess)
    ->Apply(NoGuessArguments)
    ->ArgNames({"size", "density", "reach"})
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zendrix

BENCHMARK_MAIN();
