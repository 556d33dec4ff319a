// The moves of a game: the board press dispatch, uncover with the zero flood, marks, the multiple
// uncover, the end of the game and the re-count after a change of reach. The moves change the
// game state and report what to draw to an observer; they draw nothing themselves.
#pragma once

#include <optional>

#include "colours/colour_model.h"
#include "game/minefield.h"
#include "platform/random_source.h"
#include "scores/score.h"

namespace zendrix {

enum class MouseButton { Left, Right, Other };

// The counts the score is computed from, read off the field as it stands.
ScoreCounts CountForScore(const GameState& state);

class MoveObserver {
  public:
    virtual ~MoveObserver() = default;
    // DrawSquare of one square in the colour given.
    virtual void PaintSquare(const Square& square, Rgb colour) = 0;
    // The grid lines, then the numbers of all uncovered squares.
    virtual void DrawGrid() = 0;
    // The mines at the end of a game; struck is (0, 0, 0) after a complete sweep.
    virtual void ShowMines(const Square& struck) = 0;
    // The number of covered squares changed.
    virtual void MineCountsChanged() = 0;
    // The game has just ended and lastScore holds its score.
    virtual void GameEnded() = 0;
};

// An observer that ignores everything, for callers that only want the state.
class NullMoveObserver : public MoveObserver {
  public:
    void PaintSquare(const Square&, Rgb) override {}
    void DrawGrid() override {}
    void ShowMines(const Square&) override {}
    void MineCountsChanged() override {}
    void GameEnded() override {}
};

// Lays the mines at the first uncover of a game. The game control may lay them another way (a
// minefield that needs no guess); without one, Play uses PlaceMines.
class MinePlacement {
  public:
    virtual ~MinePlacement() = default;
    virtual void PlaceMinesAt(GameState& state, RandomSource& random, const Square& first) = 0;
};

class Play {
  public:
    Play(GameState& state, const ColourModel& colours, RandomSource& random, MoveObserver& observer,
         MinePlacement* placement = nullptr)
        : state_(state),
          colours_(colours),
          random_(random),
          observer_(observer),
          placement_(placement) {}

    // A press on the board; hit is the square under the pointer, or nothing.
    void BoardPress(MouseButton button, std::optional<Square> hit);

    void UncoverSquare(int c, int r, int l);
    int CountAndShow(int c, int r, int l);
    void FloodUncover(int c, int r, int l);
    void ToggleMark(int c, int r, int l);
    void UncoverAround(int c, int r, int l);
    // (0, 0, 0) for a complete sweep.
    void EndGame(int c, int r, int l);
    // Every uncovered square counted again with the current reach.
    void RecountReach();

  private:
    GameState& state_;
    const ColourModel& colours_;
    RandomSource& random_;
    MoveObserver& observer_;
    MinePlacement* placement_;
};

}  // namespace zendrix
