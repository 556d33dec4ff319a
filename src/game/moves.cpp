// The moves of a game.
#include "game/moves.h"

#include <array>

#include "game/placement.h"

namespace zendrix {

ScoreCounts CountForScore(const GameState& state) {
    ScoreCounts counts;
    counts.squares = state.levelCount * (state.rowCount * state.columnCount);
    counts.totalMines = state.mineCount;
    counts.uncovered = state.uncoveredCount;
    for (int c = 1; c <= state.columnCount; ++c) {
        for (int r = 1; r <= state.rowCount; ++r) {
            for (int l = 1; l <= state.levelCount; ++l) {
                if (state.markMap(c, r, l) > 0) {
                    ++counts.markedSquares;
                    if (state.IsMine(c, r, l)) ++counts.markedMines;
                }
            }
        }
    }
    return counts;
}

void Play::BoardPress(MouseButton button, std::optional<Square> hit) {
    if (state_.gameOver || !hit || !state_.InField(*hit)) return;
    const auto [c, r, l] = *hit;
    if (button == MouseButton::Left && state_.IsCovered(c, r, l)) {
        UncoverSquare(c, r, l);
    } else if (button == MouseButton::Right && state_.IsCovered(c, r, l)) {
        ToggleMark(c, r, l);
    } else if (button == MouseButton::Right && state_.squareState(c, r, l) >= 0) {
        UncoverAround(c, r, l);
    }
}

void Play::UncoverSquare(int c, int r, int l) {
    if (state_.uncoveredCount == 0) {
        if (placement_) {
            placement_->PlaceMinesAt(state_, random_, {c, r, l});
        } else {
            PlaceMines(state_, random_, c, r, l);
        }
    }
    const bool wasMarked = state_.markMap(c, r, l) != 0;
    state_.markMap(c, r, l) = 0;
    if (state_.IsMine(c, r, l)) {
        // The mark is gone: the picture must not keep showing it under the struck mine.
        if (wasMarked) {
            observer_.PaintSquare({c, r, l}, colours_.ItemColour(kItemMinefield));
            observer_.DrawGrid();
        }
        EndGame(c, r, l);
        return;
    }
    if (CountAndShow(c, r, l) == 0) {
        FloodUncover(c, r, l);
        --state_.uncoveredCount;  // the flood counted its starting square a second time
    }
    observer_.MineCountsChanged();
    observer_.DrawGrid();
    if (state_.uncoveredCount == state_.safeSquareCount) EndGame(0, 0, 0);
}

int Play::CountAndShow(int c, int r, int l) {
    ++state_.uncoveredCount;
    state_.markMap(c, r, l) = 0;
    const int n = state_.MinesInReach(c, r, l);
    state_.squareState(c, r, l) = static_cast<int16_t>(n);
    observer_.PaintSquare({c, r, l}, kWhite);
    return n;
}

void Play::FloodUncover(int c, int r, int l) {
    // Each square is pushed at most once (pushing marks it uncovered), so the stack never holds
    // more than the squares of the largest field.
    std::array<Square, kArrayEntries> stack;
    int used = 0;
    auto push = [&](int pc, int pr, int pl) {
        state_.squareState(pc, pr, pl) = 0;
        stack[used++] = {pc, pr, pl};
    };
    push(c, r, l);
    const auto neighbourhood = Neighbourhood(state_.reachLevel);
    while (used > 0) {
        const Square s = stack[--used];
        if (CountAndShow(s.column, s.row, s.level) != 0) continue;
        for (const Offset& o : neighbourhood) {
            const int nc = s.column + o.dc, nr = s.row + o.dr, nl = s.level + o.dl;
            if (state_.squareState(nc, nr, nl) == -1) push(nc, nr, nl);
        }
    }
}

void Play::ToggleMark(int c, int r, int l) {
    const int16_t marker = static_cast<int16_t>(colours_.MarkerColour());
    Rgb colour;
    if (state_.markMap(c, r, l) == marker) {
        colour = colours_.ItemColour(kItemMinefield);
        state_.markMap(c, r, l) = 0;
    } else {
        colour = colours_.PaletteColour(marker);
        state_.markMap(c, r, l) = marker;
    }
    observer_.PaintSquare({c, r, l}, colour);
    observer_.DrawGrid();
}

void Play::UncoverAround(int c, int r, int l) {
    for (const Offset& o : Neighbourhood(state_.reachLevel)) {
        if (state_.gameOver) break;
        const int nc = c + o.dc, nr = r + o.dr, nl = l + o.dl;
        if (state_.IsCovered(nc, nr, nl) && state_.markMap(nc, nr, nl) == 0) {
            UncoverSquare(nc, nr, nl);
        }
    }
}

void Play::EndGame(int c, int r, int l) {
    state_.struckColumn = static_cast<int16_t>(c);
    state_.struckRow = static_cast<int16_t>(r);
    state_.struckLevel = static_cast<int16_t>(l);
    observer_.ShowMines({c, r, l});
    state_.lastScore = ScoreFromCounts(CountForScore(state_));
    state_.gameOver = true;
    observer_.GameEnded();
}

void Play::RecountReach() {
    for (int c = 1; c <= state_.columnCount; ++c) {
        for (int r = 1; r <= state_.rowCount; ++r) {
            for (int l = 1; l <= state_.levelCount; ++l) {
                if (state_.squareState(c, r, l) >= 0) {
                    --state_.uncoveredCount;
                    CountAndShow(c, r, l);
                }
            }
        }
    }
    observer_.DrawGrid();
    if (state_.gameOver) {
        observer_.ShowMines({state_.struckColumn, state_.struckRow, state_.struckLevel});
    }
}

}  // namespace zendrix
