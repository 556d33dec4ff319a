// The keyboard cursor on the field: which square it stands on, whether it is shown, how the keys
// move it, and the sentence that tells a screen reader what that square shows.
#pragma once

#include <string>

#include "colours/colour_model.h"
#include "game/minefield.h"

namespace zendrix {

// The keys the board answers. Up is one row further back (drawn higher), a level up is the
// level drawn above.
enum class BoardKey {
    Left,
    Right,
    Back,
    Forward,
    LevelUp,
    LevelDown,
    RowStart,
    RowEnd,
    Uncover,
    Mark,
    Hint,  // the Assistant's hint; nothing unless its window is open
};

class BoardCursor {
  public:
    const Square& square() const { return square_; }
    bool visible() const { return visible_; }
    void Show() { visible_ = true; }
    void Hide() { visible_ = false; }

    // One of the moving keys; the cursor stops at the edges of the field. Returns whether the
    // square changed (the action keys never move it).
    bool Move(BoardKey key, const GameState& state);
    // Puts the cursor on a square of the field (clamped into it).
    void MoveTo(const Square& square, const GameState& state);
    // Keeps the cursor inside a field that may have changed size. A cursor that has never stood
    // on a field starts in the middle of it: the middle level, where a square has the most
    // neighbours.
    void FitTo(const GameState& state);

  private:
    Square square_{};
    bool visible_ = false;
};

// "Level 2, row 3, column 5": how a square is named to the player.
std::string SquareName(const Square& square);

// What a square shows, for a screen reader: "Level 2, row 3, column 5: uncovered, 4" or
// "Level 1, row 1, column 1: covered, marked red". A mark colour is named by its palette name,
// a changeable colour by the name the player gave it. Empty outside the field.
std::string DescribeSquare(const GameState& state, const ColourModel& colours,
                           const Square& square);

}  // namespace zendrix
