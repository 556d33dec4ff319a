// The best-scores table: five ranked results (plus a spare slot) for each size and density.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/storable_text.h"

namespace zendrix {

struct BestScoreEntry {
    std::string name;  // empty marks an empty slot
    float score = 0;
    double time = 0;
    bool reach6Used = false;
    bool reach18Used = false;
    bool demoMinefield = false;
    friend bool operator==(const BestScoreEntry&, const BestScoreEntry&) = default;
};

// The result of the game just ended, as it goes into the table.
struct GameResult {
    float score = 0;
    double time = 0;
    bool reach6Used = false;
    bool reach18Used = false;
    bool demoMinefield = false;
};

inline constexpr int kSizeCount = 3;
inline constexpr int kDensityCount = 5;
inline constexpr int kKeptRanks = 5;
inline constexpr size_t kMaxNameLength = 25;  // characters (code points)

// The first 25 characters of a UTF-8 name.
std::string TruncateName(std::string_view name, size_t maxCharacters = kMaxNameLength);

class BestScoreTable {
  public:
    // Size 1..3, density 1..5, rank 1..6 (6 is the spare slot).
    BestScoreEntry& At(int size, int density, int rank);
    const BestScoreEntry& At(int size, int density, int rank) const;

    // Adjusted score of rank 5 of the combination (0 for an empty slot).
    double GetBestScore(int size, int density) const;
    // Inserts the result below every entry whose adjusted score is at least its own.
    void newbestscore(const std::string& name, int size, int density, const GameResult& result);
    void DeleteRank(int size, int density, int rank);
    void DeleteCombination(int size, int density);
    void DeleteAll();

    friend bool operator==(const BestScoreTable&, const BestScoreTable&) = default;

  private:
    std::array<BestScoreEntry, kSizeCount * kDensityCount * 6> entries_{};
};

double AdjustedScoreOf(const BestScoreEntry& entry);

// The confirmation box of "Delete all Best Scores".
extern const char* const kDeleteAllTitle;
std::string DeleteAllText();

}  // namespace zendrix
