// Three-way merge of the data file's contents, so that two copies of the game saving in turn
// keep each other's best scores and colour changes, and a deletion stays deleted.
#include <algorithm>
#include <vector>

#include "scores/data_file.h"

namespace zendrix {

namespace {

using Combination = std::vector<BestScoreEntry>;

Combination Kept(const BestScoreTable& table, int size, int density) {
    Combination entries;
    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        const BestScoreEntry& entry = table.At(size, density, rank);
        if (!entry.name.empty()) entries.push_back(entry);
    }
    return entries;
}

bool SameCombination(const BestScoreTable& a, const BestScoreTable& b, int size, int density) {
    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        if (!(a.At(size, density, rank) == b.At(size, density, rank))) return false;
    }
    return true;
}

// Removes one occurrence of each entry of `gone` from `from` (a multiset difference: two equal
// results are two games).
Combination Without(Combination from, const Combination& gone) {
    for (const BestScoreEntry& entry : gone) {
        const auto found = std::find(from.begin(), from.end(), entry);
        if (found != from.end()) from.erase(found);
    }
    return from;
}

void MergeCombination(const BestScoreTable& base, const BestScoreTable& mine,
                      const BestScoreTable& theirs, int size, int density, BestScoreTable& result) {
    const bool mineChanged = !SameCombination(base, mine, size, density);
    const bool theirsChanged = !SameCombination(base, theirs, size, density);
    const BestScoreTable* whole = !mineChanged ? &theirs : !theirsChanged ? &mine : nullptr;
    if (whole != nullptr) {
        for (int rank = 1; rank <= kKeptRanks; ++rank) {
            result.At(size, density, rank) = whole->At(size, density, rank);
        }
        return;
    }

    const Combination baseEntries = Kept(base, size, density);
    const Combination mineEntries = Kept(mine, size, density);
    // A result that left memory was deleted here, unless a full table ranks it no higher than its
    // fifth: then new results may just have pushed it out, which says nothing against it.
    const bool full = static_cast<int>(mineEntries.size()) == kKeptRanks;
    const double fifth = full ? AdjustedScoreOf(mineEntries.back()) : 0;
    Combination deleted;
    for (const BestScoreEntry& entry : Without(baseEntries, mineEntries)) {
        if (!full || AdjustedScoreOf(entry) > fifth) deleted.push_back(entry);
    }
    Combination merged = Without(Kept(theirs, size, density), deleted);
    // A game new on both sides (saved by both copies) is one game.
    const Combination added = Without(Without(mineEntries, baseEntries),
                                      Without(Kept(theirs, size, density), baseEntries));
    merged.insert(merged.end(), added.begin(), added.end());
    // Stable: equal results keep the file's order and a new one goes below them, as insertion does.
    std::stable_sort(merged.begin(), merged.end(), [](const auto& a, const auto& b) {
        return AdjustedScoreOf(a) > AdjustedScoreOf(b);
    });
    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        const auto index = static_cast<size_t>(rank - 1);
        result.At(size, density, rank) = index < merged.size() ? merged[index] : BestScoreEntry{};
    }
}

bool SameChangeable(const ColourModel& a, const ColourModel& b, int slot) {
    const int entry = kFirstChangeable + slot;
    return a.paletteRed[entry] == b.paletteRed[entry] &&
           a.paletteGreen[entry] == b.paletteGreen[entry] &&
           a.paletteBlue[entry] == b.paletteBlue[entry] &&
           a.changeableName[slot] == b.changeableName[slot];
}

}  // namespace

SavedChoices MergeSaves(const SavedChoices& base, const SavedChoices& mine,
                        const SavedChoices& theirs) {
    SavedChoices result = mine;
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) {
            MergeCombination(base.table, mine.table, theirs.table, size, density, result.table);
        }
    }
    for (int item = 0; item < kSavedItemCount; ++item) {
        if (mine.colours.itemColor[item] == base.colours.itemColor[item]) {
            result.colours.itemColor[item] = theirs.colours.itemColor[item];
        }
    }
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        if (!SameChangeable(mine.colours, base.colours, slot)) continue;
        const int entry = kFirstChangeable + slot;
        result.colours.paletteRed[entry] = theirs.colours.paletteRed[entry];
        result.colours.paletteGreen[entry] = theirs.colours.paletteGreen[entry];
        result.colours.paletteBlue[entry] = theirs.colours.paletteBlue[entry];
        result.colours.changeableName[slot] = theirs.colours.changeableName[slot];
    }
    return result;
}

}  // namespace zendrix
