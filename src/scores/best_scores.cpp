// Ranking, insertion and deletion in the best-scores table.
#include "scores/best_scores.h"

#include <stdexcept>

#include "scores/score.h"

namespace zendrix {

namespace {

size_t Slot(int size, int density, int rank) {
    if (size < 1 || size > kSizeCount || density < 1 || density > kDensityCount || rank < 1 ||
        rank > 6) {
        throw std::out_of_range("best-score slot out of range");
    }
    return static_cast<size_t>(((size - 1) * kDensityCount + (density - 1)) * 6 + (rank - 1));
}

}  // namespace

std::string TruncateName(std::string_view name, size_t maxCharacters) {
    size_t characters = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        // A UTF-8 character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) {
            if (characters == maxCharacters) return std::string(name.substr(0, i));
            ++characters;
        }
    }
    return std::string(name);
}

BestScoreEntry& BestScoreTable::At(int size, int density, int rank) {
    return entries_[Slot(size, density, rank)];
}

const BestScoreEntry& BestScoreTable::At(int size, int density, int rank) const {
    return entries_[Slot(size, density, rank)];
}

double AdjustedScoreOf(const BestScoreEntry& entry) {
    return AdjustedScore(entry.score, entry.time, entry.reach6Used, entry.reach18Used);
}

double BestScoreTable::GetBestScore(int size, int density) const {
    return AdjustedScoreOf(At(size, density, kKeptRanks));
}

void BestScoreTable::newbestscore(const std::string& name, int size, int density,
                                  const GameResult& result) {
    const double adjusted =
        AdjustedScore(result.score, result.time, result.reach6Used, result.reach18Used);
    for (int rank = kKeptRanks; rank >= 1; --rank) {
        if (adjusted > AdjustedScoreOf(At(size, density, rank))) {
            At(size, density, rank + 1) = At(size, density, rank);
            At(size, density, rank) = BestScoreEntry{name,
                                                     result.score,
                                                     result.time,
                                                     result.reach6Used,
                                                     result.reach18Used,
                                                     result.demoMinefield};
        }
    }
}

void BestScoreTable::DeleteRank(int size, int density, int rank) {
    for (int i = rank; i <= kKeptRanks - 1; ++i) At(size, density, i) = At(size, density, i + 1);
    At(size, density, kKeptRanks) = BestScoreEntry{};
}

void BestScoreTable::DeleteCombination(int size, int density) {
    for (int rank = 1; rank <= kKeptRanks; ++rank) At(size, density, rank) = BestScoreEntry{};
}

void BestScoreTable::DeleteAll() {
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) DeleteCombination(size, density);
    }
}

const char* const kDeleteAllTitle = "Confirm Delete All Best Scores";

std::string DeleteAllText() {
    static const char* const kLines[] = {
        " Are you CERTAIN you wish to",    " DELETE ALL BEST SCORES",
        "       for ALL Minefield Sizes ", "    and for ALL Mine Densities,",
        "         NOT JUST THE",           "   CURRENT Minefield Size ",
        "and CURRENT Mine Density?"};
    std::string text;
    for (const char* line : kLines) {
        if (!text.empty()) text += "\r\n\r\n";
        text += line;
    }
    return text;
}

}  // namespace zendrix
