// Shared helpers for the core tests: a scripted generator, the random numbers of a soak, an
// observer that records what the moves asked to draw, and a temporary working directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "game/minefield.h"
#include "game/moves.h"
#include "platform/random_source.h"

namespace zendrix::testing {

// Plays back a fixed list of draws, cycling; records the other calls.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void Reset() override { ++resets; }
    void Seed(float number) override { seeds.push_back(number); }
    void SeedFromClock() override { ++clockSeeds; }
    float Draw() override { return draws_[next_++ % draws_.size()]; }

    int resets = 0;
    int clockSeeds = 0;
    std::vector<float> seeds;

  private:
    std::vector<float> draws_;
    size_t next_ = 0;
};

class RecordingObserver : public MoveObserver {
  public:
    void PaintSquare(const Square& square, Rgb colour) override {
        painted.push_back({square, colour});
    }
    void DrawGrid() override { ++grids; }
    void ShowMines(const Square& struck) override { shownMines.push_back(struck); }
    void MineCountsChanged() override { ++countChanges; }
    void GameEnded() override { ++endings; }

    struct Paint {
        Square square;
        Rgb colour;
    };
    std::vector<Paint> painted;
    std::vector<Square> shownMines;
    int grids = 0;
    int countChanges = 0;
    int endings = 0;
};

// Starts a game on a fixed layout: lays the picture's mines (see game_dump.h) and makes the
// first uncover skip placement, as the demonstration does.
void StartFixedGame(GameState& state, const char* picture);
// The random numbers of a randomised test. The seed is ZENDRIX_SOAK_SEED when that is set (to run
// a failure again), else a fresh one; put Rerun() in a SCOPED_TRACE so that every failure names it.
struct SoakRandom {
    SoakRandom();
    // 0 .. n - 1.
    int Pick(int n) { return static_cast<int>(engine() % static_cast<uint64_t>(n)); }
    std::string Rerun() const { return "rerun with ZENDRIX_SOAK_SEED=" + std::to_string(seed); }

    uint32_t seed;
    std::mt19937_64 engine;
};

// Keeps the mines a test laid at the first uncover, instead of laying random ones.
class KeepLaidMines : public MinePlacement {
  public:
    void PlaceMinesAt(GameState&, RandomSource&, const Square&) override {}
};

// Changes into a fresh temporary directory for the lifetime of the object.
class TemporaryDirectory {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace zendrix::testing
