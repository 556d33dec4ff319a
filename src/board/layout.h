// Where the board stands in the window: square size, centring, the projection of grid points,
// its inverse (the hit test), and the positions of the status controls. All in twips.
#pragma once

#include <cstdint>
#include <optional>

#include "game/minefield.h"
#include "platform/canvas.h"

namespace zendrix {

// Twips per point of the board font at 96 dots per inch.
inline constexpr double kTwipsPerPoint = 20.0;
// The board always has three levels; the layout is computed for them.
inline constexpr int kLayoutLevels = 3;

struct BoardGeometry {
    float cellSize = 0;
    int boardTop = 900;
    // Wider than 16 bits: a short window more than 4369 pixels wide centres the board beyond
    // 32767 twips.
    int boardLeft = 0;
    double rowShift = 0.8;
    float rowRise = 0.5f;
    // The client area in twips (ScaleWidth, ScaleHeight).
    double scaleWidth = 9195;
    double scaleHeight = 6720;
    // The window's drawing font size in points, for the square numbers.
    double fontSize = 8.25;
};

// A control position; a coordinate without a value is left where it is.
struct ControlPosition {
    std::optional<double> left;
    std::optional<double> top;
};

// Positions of the main window's status controls, computed by LayoutBoard for the window to apply.
struct StatusLayout {
    ControlPosition lblMineInfo;
    ControlPosition lblMineDetectionInfo;
    ControlPosition clockdisplay;
    ControlPosition lblCopyright;
    ControlPosition lblTitle;
    ControlPosition lblDemoMinefield;
    ControlPosition cmdNewMinefield;
};

// Recomputes cellSize, boardLeft and the font size from the client area, boardTop and the field.
StatusLayout LayoutBoard(BoardGeometry& geometry, int columnCount, int rowCount);

// Window point of grid point (x, y) on level z.
PointF ProjectPoint(const BoardGeometry& geometry, int rowCount, double x, double y, int z);

struct GridPoint {
    double x = 0;
    double y = 0;
    int z = 0;
};

// The exact inverse of ProjectPoint: fractional column and row, whole level. Without a usable
// square size (cellSize 0, a window of zero width) or far outside the window it returns level 0
// with a NaN column and row, which hit nothing.
GridPoint LocatePoint(const BoardGeometry& geometry, int rowCount, double X, double Y);

// The square under a window point, or nothing between, beside and outside the levels.
std::optional<Square> HitSquare(const BoardGeometry& geometry, const GameState& state, double X,
                                double Y);

}  // namespace zendrix
