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
    if (s.markMap(c, r, l) > 0) return mine ? 'X' : 'm';
    return mine ? '*' : '#';
}

// The picture's rows without their indentation and line ends; blank lines (between the levels)
// are left out.
std::vector<std::string_view> Rows(std::string_view picture) {
    std::vector<std::string_view> rows;
    size_t start = 0;
    while (start <= picture.size()) {
        size_t end = picture.find('\n', start);
        if (end == std::string_view::npos) end = picture.size();
        std::string_view line = picture.substr(start, end - start);
        // Indentation lets pictures stand inside indented raw strings; files may end lines in CR
        // LF.
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
        if (!line.empty()) rows.push_back(line);
        start = end + 1;
    }
    return rows;
}

// Resets the field to the size the rows fit and calls each(c, r, l, character) for every square.
// False when the rows fit no field size, or when each returns false.
template <typename Each>
bool ForEachSquare(GameState& state, const std::vector<std::string_view>& rows, Each each) {
    for (size_t index = 0; index < std::size(kSizes); ++index) {
        const SizeInfo& size = kSizes[index];
        if (rows.size() != static_cast<size_t>(size.rowCount * 3)) continue;
        state.SetSize(static_cast<int>(index));
        state.ResetForNewGame();
        for (int l = 1; l <= 3; ++l) {
            for (int r = state.rowCount; r >= 1; --r) {
                const std::string_view line = rows[(l - 1) * state.rowCount + (state.rowCount - r)];
                if (line.size() != static_cast<size_t>(state.columnCount)) return false;
                for (int c = 1; c <= state.columnCount; ++c) {
                    if (!each(c, r, l, line[c - 1])) return false;
                }
            }
        }
        return true;
    }
    return false;
}

bool IsMineChar(char ch) {
    return ch == '*' || ch == 'X';
}

// Reads the picture's mines and, for the whole picture, its marks and uncovered squares.
bool Load(GameState& state, std::string_view picture, bool whole, int markColour) {
    int mines = 0;
    const bool read = ForEachSquare(state, Rows(picture), [&](int c, int r, int l, char ch) {
        if (IsMineChar(ch)) {
            state.mineMap(c, r, l) = -1;
            ++mines;
        }
        if (!whole) return true;
        int count = -1;
        if (ch >= '0' && ch <= '9') count = ch - '0';
        if (ch >= 'A' && ch <= 'Q') count = ch - 'A' + 10;
        if (count >= 0) {
            state.squareState(c, r, l) = static_cast<int16_t>(count);
            ++state.uncoveredCount;
        } else if (ch == 'm' || ch == 'X') {
            state.markMap(c, r, l) = static_cast<int16_t>(markColour);
        } else if (ch != '#' && ch != '*') {
            return false;
        }
        return true;
    });
    if (!read) return false;
    state.mineCount = static_cast<int16_t>(mines);
    state.safeSquareCount = static_cast<int16_t>(state.SquareCount() - mines);
    return true;
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
    return Load(state, picture, false, 0);
}

bool LoadPicture(GameState& state, std::string_view picture, int markColour) {
    return Load(state, picture, true, markColour);
}

}  // namespace zendrix
