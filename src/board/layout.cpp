// Board geometry: fitting the three oblique levels into the client area, the projection of grid
// points to twips and its inverse for mouse presses.
#include "board/layout.h"

#include <algorithm>
#include <cmath>

namespace zendrix {
namespace {

// Room kept below the picture for the status strip.
constexpr double kStatusStrip = 900;

// The nearest whole number, an exact half going to the even neighbour.
double RoundHalfEven(double value) {
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

// Height of one level band in squares: the level's rows plus one square of gap and front face.
double BandHeight(const BoardGeometry& geometry, int rowCount) {
    return static_cast<double>(geometry.rowRise) * rowCount + 1;
}

}  // namespace

PointF ProjectPoint(const BoardGeometry& geometry, int rowCount, double x, double y, int z) {
    double cell = geometry.cellSize;
    return {
        geometry.boardLeft + cell * ((x - 1) + geometry.rowShift * (y - 1)),
        geometry.boardTop + cell * (z * BandHeight(geometry, rowCount) -
                                    static_cast<double>(geometry.rowRise) * (y - 1)),
    };
}

StatusLayout LayoutBoard(BoardGeometry& geometry, int columnCount, int rowCount) {
    const double width = geometry.scaleWidth;
    const double height = geometry.scaleHeight;
    const double top = geometry.boardTop;

    geometry.boardLeft = 0;
    double cell = width / (columnCount + geometry.rowShift * rowCount + 2);
    // A degenerate window (or field) gives no usable square; keep 0 so the hit test refuses it.
    if (!std::isfinite(cell) || cell < 0) cell = 0;
    geometry.cellSize = static_cast<float>(cell);

    double frontOfLast = ProjectPoint(geometry, rowCount, 1, 1, kLayoutLevels).y;
    double bottom = frontOfLast + geometry.cellSize + kStatusStrip;
    if (height > top + kStatusStrip && bottom > top + kStatusStrip && bottom > height) {
        geometry.cellSize = static_cast<float>(geometry.cellSize * (height - kStatusStrip - top) /
                                               (frontOfLast + geometry.cellSize - top));
    }

    double rightOfBack = ProjectPoint(geometry, rowCount, columnCount + 1, rowCount + 1, 1).x;
    double left = RoundHalfEven((width - rightOfBack) / 2);
    // Guarded only so that absurd client areas cannot overflow the conversion.
    geometry.boardLeft = std::isfinite(left) ? static_cast<int>(std::clamp(left, -1e9, 1e9)) : 0;

    if (geometry.cellSize > 50) geometry.fontSize = std::floor(geometry.cellSize / 50.0);

    StatusLayout layout;
    layout.lblMineInfo = {100.0, height - 700};
    layout.lblMineDetectionInfo = {width - 3150, height - 700};
    layout.clockdisplay = {width - 3150, height - 300};
    layout.lblCopyright = {(width - 7500) / 2, std::nullopt};
    layout.lblTitle = {(width - 9000) / 2, std::nullopt};
    layout.lblDemoMinefield = {(width - 2500) / 2 - 500, height - 700};
    layout.cmdNewMinefield = {width - 1100, height - 1350};
    return layout;
}

GridPoint LocatePoint(const BoardGeometry& geometry, int rowCount, double X, double Y) {
    constexpr GridPoint kNowhere{std::nan(""), std::nan(""), 0};
    const double cell = geometry.cellSize;
    if (!(cell > 0) || !std::isfinite(cell)) return kNowhere;

    double v = (Y - geometry.boardTop) / cell;
    double u = (X - geometry.boardLeft) / cell;
    double band = BandHeight(geometry, rowCount);
    double level = std::floor(v / band) + 1;
    // Far outside any level (or not a number at all): no whole level to convert.
    if (!(std::fabs(level) <= 1e6)) return kNowhere;

    GridPoint point;
    point.z = static_cast<int>(level);
    point.y = (point.z * band - v) / static_cast<double>(geometry.rowRise) + 1;
    point.x = u - geometry.rowShift * (point.y - 1) + 1;
    return point;
}

std::optional<Square> HitSquare(const BoardGeometry& geometry, const GameState& state, double X,
                                double Y) {
    GridPoint point = LocatePoint(geometry, state.rowCount, X, Y);
    double column = std::floor(point.x);
    double row = std::floor(point.y);
    // Compared as reals first: NaN and huge values fail here and are never converted.
    if (!(column >= 1 && column <= state.columnCount)) return std::nullopt;
    if (!(row >= 1 && row <= state.rowCount)) return std::nullopt;
    if (point.z < 1 || point.z > state.levelCount) return std::nullopt;
    return Square{static_cast<int>(column), static_cast<int>(row), point.z};
}

}  // namespace zendrix
