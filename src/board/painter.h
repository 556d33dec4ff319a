// The board painter: draws the minefield through a Canvas, from the game state, the colour model
// and the geometry. It keeps no picture of its own; the canvas keeps what was drawn.
#pragma once

#include "board/layout.h"
#include "colours/colour_model.h"
#include "game/minefield.h"
#include "platform/canvas.h"

namespace zendrix {

// An ordinary mine is all black; the struck one has a red body and cap, a red spark and a fuse
// burnt down to it.
enum class MineStyle { kOrdinary, kStruck };

class BoardPainter {
  public:
    BoardPainter(Canvas& canvas, const GameState& state, const ColourModel& colours,
                 BoardGeometry& geometry)
        : canvas_(canvas), state_(state), colours_(colours), geometry_(geometry) {}

    void ClearBoard();
    void DrawMinefieldBase();
    // Grid lines, posts, the separator line, then the numbers.
    void DrawGrid();
    void DrawNumbers();
    // Paints square (x, y, z) in the line colour already set, with its front and right faces
    // when it stands in the front row or the last column.
    void DrawSquare(int x, int y, int z);
    // Convenience for callers: set the line colour, then DrawSquare.
    void PaintSquare(const Square& square, Rgb colour);
    void ShowMines(int sx, int sy, int sz);
    void DrawMine(int x, int y, int z);
    void DrawStruckMine(int x, int y, int z);
    // The mine's picture around (X, Y) with size r; its body and cap in the fill colour set.
    void DrawMineSymbol(double X, double Y, double r, MineStyle style);
    // The face swept by segment a-b moved right (by columns) or down (by rows) until its start
    // passes the limit, painted as one solid polygon.
    void FillByColumns(PointF a, PointF b, double limit);
    void FillByRows(PointF a, PointF b, double limit);

    // The whole-board redraw. Returns the status control positions LayoutBoard computed, or
    // nothing when no field exists yet (columnCount 0).
    std::optional<StatusLayout> form_resize();

  private:
    PointF P(double x, double y, int z) const;
    // A grid line across the top face of level z, continued down its front or right face.
    void ColumnLine(int x, int z);
    void RowLine(int y, int z);

    Canvas& canvas_;
    const GameState& state_;
    const ColourModel& colours_;
    BoardGeometry& geometry_;
};

}  // namespace zendrix
