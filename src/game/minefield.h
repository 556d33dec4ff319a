// The game state: settings, per-game counters and the three square arrays with their border ring.
// Also the two rules everything leans on: the mine count of a density and the reach neighbourhood.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zendrix {

// A square of the field, each coordinate counted from 1; (0, 0, 0) stands for "no square".
struct Square {
    int column = 0;
    int row = 0;
    int level = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

inline constexpr int kArrayColumns = 19;  // columns 0..18
inline constexpr int kArrayRows = 19;     // rows 0..18
inline constexpr int kArrayLevels = 5;    // levels 0..4
inline constexpr int kArrayEntries = kArrayColumns * kArrayRows * kArrayLevels;

// One 19 x 19 x 5 block of 16-bit entries, the column varying fastest.
class SquareArray {
  public:
    static constexpr int Index(int c, int r, int l) {
        return c + kArrayColumns * r + kArrayColumns * kArrayRows * l;
    }
    int16_t& operator()(int c, int r, int l) { return entries_[Index(c, r, l)]; }
    int16_t operator()(int c, int r, int l) const { return entries_[Index(c, r, l)]; }
    int16_t& operator[](int index) { return entries_[index]; }
    int16_t operator[](int index) const { return entries_[index]; }
    void Fill(int16_t value) { entries_.fill(value); }
    friend bool operator==(const SquareArray&, const SquareArray&) = default;

  private:
    std::array<int16_t, kArrayEntries> entries_{};
};

// A neighbourhood offset, with its distance in the flat array precomputed.
struct Offset {
    int dc;
    int dr;
    int dl;
    int delta;
};

// The offsets with |dc| + |dr| + |dl| <= reachLevel, the zero offset included, in the fixed
// visiting order: dc outermost, then dr, then dl innermost, each from -1 to +1.
std::span<const Offset> Neighbourhood(int reachLevel);

struct SizeInfo {
    int16_t sizeCode;
    const char* sizeName;
    int16_t columnCount;
    int16_t rowCount;
};
inline constexpr std::array<SizeInfo, 3> kSizes{{
    {1, "Small", 8, 4},
    {2, "Medium", 12, 6},
    {3, "Large", 16, 8},
}};
inline constexpr std::array<float, 5> kDensities{0.02f, 0.04f, 0.08f, 0.16f, 0.32f};
inline constexpr std::array<int, 5> kDensityPercents{2, 4, 8, 16, 32};

// floor(columns x rows x levels x density + 0.5), the product taken from the single-precision
// density.
int16_t MineCountFor(int columnCount, int rowCount, int levelCount, float mineDensity);

struct GameState {
    // Settings: survive from game to game within a run.
    int16_t columnCount = 8;
    int16_t rowCount = 4;
    int16_t levelCount = 3;
    int16_t sizeCode = 1;
    std::string sizeName = "Small";
    float mineDensity = 0.04f;
    int16_t densityCode = 2;
    int16_t reachLevel = 3;
    bool useDemoMinefields = false;
    int16_t demoNumber = 0;
    bool demonstrationMode = true;

    // Per-game state.
    int16_t mineCount = 0;
    int16_t safeSquareCount = 0;
    int uncoveredCount = 0;
    bool gameOver = false;
    int16_t struckColumn = 0;
    int16_t struckRow = 0;
    int16_t struckLevel = 0;
    bool reach6Used = false;
    bool reach18Used = false;
    double elapsedSeconds = 0;
    float lastScore = 0;

    SquareArray mineMap;
    SquareArray squareState;
    SquareArray markMap;

    // Size index 0..2 (Small, Medium, Large); sets the counts, sizeName and sizeCode.
    void SetSize(int index);
    // Density index 0..4 (2, 4, 8, 16, 32 %); sets mineDensity and densityCode.
    void SetDensity(int index);

    int SquareCount() const { return columnCount * rowCount * levelCount; }
    bool InField(int c, int r, int l) const {
        return c >= 1 && c <= columnCount && r >= 1 && r <= rowCount && l >= 1 && l <= levelCount;
    }
    bool InField(const Square& s) const { return InField(s.column, s.row, s.level); }
    bool IsMine(int c, int r, int l) const { return mineMap(c, r, l) == -1; }
    bool IsCovered(int c, int r, int l) const { return squareState(c, r, l) == -1; }

    // Mines within the current reach of (c, r, l).
    int MinesInReach(int c, int r, int l) const;
    // Squares not yet uncovered, marked ones included: mineCount + safeSquareCount -
    // uncoveredCount.
    int CoveredCount() const { return mineCount + safeSquareCount - uncoveredCount; }
    int DensityPercent() const { return kDensityPercents[densityCode - 1]; }

    // Clears the three arrays over the field and its border ring for a new game.
    void ResetField();
    // The per-game part of a new game: counters, struck square, reach flags and the field.
    void ResetForNewGame();
};

}  // namespace zendrix
