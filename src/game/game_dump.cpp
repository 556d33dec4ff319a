// Text pictures of a minefield.
#include "game/game_dump.h"

#include <vector>

namespace zendrix {

namespace {

char SquareChar(const GameState& s, int c, int r, int l) {
    const int state = s.squareState(c, r, l);
    if (state >= 0)
        return state < 10 ? static_cast<char>('0' + state) : static_cast<char>('A' + state - 10);
    const bool mine = s.IsMine(c, r, l);
    if (s.markMap(c, r, l) > 0) return mine ? 'M' : 'm';
    return mine ? '*' : '#';
}

}  // namespace

std::string DumpMinefield(const GameState& state) {
    std::string text;
    for (int l = 1; l <= state.levelCount; ++l) {
        if (l > 1) text += '\n';
        for (int r = state.rowCount; r >= 1; --r) {
            for (int c = 1; c <= state.columnCount; ++c) text += SquareChar(state, c, r, l);
            text += '\n';
        }
    }
    return text;
}

bool LoadMines(GameState& state, std::string_view picture) {
    std::vector<std::string_view> rows;
    size_t start = 0;
    while (start <= picture.size()) {
        size_t end = picture.find('\n', start);
        if (end == std::string_view::npos) end = picture.size();
        std::string_view line = picture.substr(start, end - start);
        // Ignore indentation so pictures can be written inside indented raw strings.
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        if (!line.empty()) rows.push_back(line);
        start = end + 1;
    }
    for (size_t index = 0; index < std::size(kSizes); ++index) {
        const SizeInfo& size = kSizes[index];
        if (rows.size() != static_cast<size_t>(size.rowCount * 3)) continue;
        state.SetSize(static_cast<int>(index));
        state.ResetForNewGame();
        int mines = 0;
        for (int l = 1; l <= 3; ++l) {
            for (int r = state.rowCount; r >= 1; --r) {
                const std::string_view line = rows[(l - 1) * state.rowCount + (state.rowCount - r)];
                if (line.size() != static_cast<size_t>(state.columnCount)) return false;
                for (int c = 1; c <= state.columnCount; ++c) {
                    const char ch = line[c - 1];
                    if (ch == '*' || ch == 'M') {
                        state.mineMap(c, r, l) = -1;
                        ++mines;
                    }
                }
            }
        }
        state.mineCount = static_cast<int16_t>(mines);
        state.safeSquareCount = static_cast<int16_t>(state.SquareCount() - mines);
        return true;
    }
    return false;
}

}  // namespace zendrix
