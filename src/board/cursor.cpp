// Keyboard cursor moves and the spoken description of a square.
#include "board/cursor.h"

#include <algorithm>
#include <cctype>

namespace zendrix {
namespace {

std::string Trimmed(std::string text) {
    const auto blank = [](unsigned char ch) { return std::isspace(ch) != 0; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.back()))) text.pop_back();
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    text.erase(text.begin(), first);
    return text;
}

std::string ColourName(const ColourModel& colours, int paletteIndex) {
    if (paletteIndex >= kFirstChangeable && paletteIndex < kPaletteSize) {
        const std::string name = Trimmed(colours.changeableName[paletteIndex - kFirstChangeable]);
        return name.empty() ? "colour " + std::to_string(paletteIndex) : name;
    }
    if (paletteIndex < 0 || paletteIndex >= kFirstChangeable) {
        return "colour " + std::to_string(paletteIndex);
    }
    // The fixed names are list captions ("Light Blue"); in a sentence they read in lower case.
    std::string name = Trimmed(kFixedColourNames[paletteIndex]);
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return name;
}

}  // namespace

bool BoardCursor::Move(BoardKey key, const GameState& state) {
    Square to = square_;
    if (key == BoardKey::Left) to.column -= 1;
    if (key == BoardKey::Right) to.column += 1;
    if (key == BoardKey::Back) to.row += 1;
    if (key == BoardKey::Forward) to.row -= 1;
    if (key == BoardKey::LevelUp) to.level -= 1;
    if (key == BoardKey::LevelDown) to.level += 1;
    if (key == BoardKey::RowStart) to.column = 1;
    if (key == BoardKey::RowEnd) to.column = state.columnCount;
    if (to == square_ || !state.InField(to)) return false;
    square_ = to;
    return true;
}

void BoardCursor::MoveTo(const Square& square, const GameState& state) {
    square_ = square;
    FitTo(state);
}

void BoardCursor::FitTo(const GameState& state) {
    if (state.columnCount <= 0 || state.rowCount <= 0 || state.levelCount <= 0) return;
    if (square_ == Square{}) {
        square_ = {(state.columnCount + 1) / 2, (state.rowCount + 1) / 2,
                   (state.levelCount + 1) / 2};
        return;
    }
    square_.column = std::clamp(square_.column, 1, static_cast<int>(state.columnCount));
    square_.row = std::clamp(square_.row, 1, static_cast<int>(state.rowCount));
    square_.level = std::clamp(square_.level, 1, static_cast<int>(state.levelCount));
}

std::string SquareName(const Square& square) {
    return "Level " + std::to_string(square.level) + ", row " + std::to_string(square.row) +
           ", column " + std::to_string(square.column);
}

std::string DescribeSquare(const GameState& state, const ColourModel& colours,
                           const Square& square) {
    if (!state.InField(square)) return "";
    const int c = square.column, r = square.row, l = square.level;
    std::string text = SquareName(square) + ": ";
    const bool struck =
        state.gameOver && state.struckColumn == c && state.struckRow == r && state.struckLevel == l;
    if (struck) return text + "struck mine";
    if (!state.IsCovered(c, r, l))
        return text + "uncovered, " + std::to_string(state.squareState(c, r, l));
    text += "covered";
    if (const int mark = state.markMap(c, r, l); mark > 0) {
        text += ", marked " + ColourName(colours, mark);
    }
    // Once the game is over the board shows every mine.
    if (state.gameOver && state.IsMine(c, r, l)) text += ", mine";
    return text;
}

}  // namespace zendrix
