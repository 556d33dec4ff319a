// Fitting the board into the window, and the hit test as the inverse of the projection.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "board/layout.h"

namespace zendrix {
namespace {

BoardGeometry Window(double width, double height, int boardTop) {
    BoardGeometry geometry;
    geometry.scaleWidth = width;
    geometry.scaleHeight = height;
    geometry.boardTop = boardTop;
    return geometry;
}

GameState Field(int sizeIndex) {
    GameState state;
    state.SetSize(sizeIndex);
    return state;
}

TEST(LayoutBoard, FitsTheFieldIntoTheWindow) {
    struct Case {
        const char* what;
        int size;
        double width, height;
        int boardTop;
        double cellSize;
        int boardLeft;
        double fontSize;
    };
    const Case cases[] = {
        {"opening window, title showing", 0, 9195, 6720, 900, 492, 1842, 9},
        {"opening window, in play", 0, 9195, 6720, 50, 577, 1366, 11},
        {"Medium", 1, 9195, 6720, 50, 5770.0 / 13, 869, 8},
        {"Large", 2, 9200, 6720, 50, 5770.0 / 16, 561, 7},
        // Very wide and short: the height decides, and the board is centred far to the right.
        {"very wide", 2, 150000, 6720, 50, 5770.0 / 16, 70961, 7},
        // Tall and narrow: the width decides and nothing shrinks.
        {"very narrow", 1, 3000, 60000, 50, 3000 / 18.8, 160, 3},
        // No room above the status strip: the width fit stands although the picture overruns.
        {"too short to shrink", 0, 9195, 950, 50, 9195 / 13.2, 697, 13},
    };
    for (const Case& c : cases) {
        GameState field = Field(c.size);
        BoardGeometry geometry = Window(c.width, c.height, c.boardTop);
        LayoutBoard(geometry, field.columnCount, field.rowCount);
        EXPECT_NEAR(geometry.cellSize, c.cellSize, 1e-3) << c.what;
        EXPECT_EQ(geometry.boardLeft, c.boardLeft) << c.what;
        EXPECT_EQ(geometry.fontSize, c.fontSize) << c.what;
    }
}

TEST(LayoutBoard, LevelEdgesOfTheOpeningBoard) {
    GameState field = Field(0);
    BoardGeometry geometry = Window(9195, 6720, 900);
    LayoutBoard(geometry, field.columnCount, field.rowCount);
    EXPECT_NEAR(ProjectPoint(geometry, 4, 1, 5, 1).y, 1392, 1e-6);  // back edge of level 1
    EXPECT_NEAR(ProjectPoint(geometry, 4, 1, 1, 1).y, 2376, 1e-6);  // its front edge
    EXPECT_NEAR(ProjectPoint(geometry, 4, 1, 1, 3).y, 5328, 1e-6);  // front edge of level 3
    // The levels line up: a corner's X does not depend on the level.
    EXPECT_EQ(ProjectPoint(geometry, 4, 3, 2, 1).x, ProjectPoint(geometry, 4, 3, 2, 3).x);
}

TEST(LayoutBoard, SmallSquaresKeepTheFontSize) {
    GameState field = Field(2);
    BoardGeometry geometry = Window(9195, 6720, 50);
    LayoutBoard(geometry, field.columnCount, field.rowCount);
    ASSERT_EQ(geometry.fontSize, 7);
    geometry.scaleWidth = 1200;  // squares of 1200 / 24.4 < 50 twips
    LayoutBoard(geometry, field.columnCount, field.rowCount);
    EXPECT_LT(geometry.cellSize, 50);
    EXPECT_EQ(geometry.fontSize, 7);
}

TEST(LayoutBoard, ZeroWidthThenUsableAgain) {
    GameState field = Field(0);
    BoardGeometry geometry = Window(0, 6720, 50);
    LayoutBoard(geometry, field.columnCount, field.rowCount);
    EXPECT_EQ(geometry.cellSize, 0);
    EXPECT_EQ(geometry.boardLeft, 0);

    geometry.scaleWidth = 9195;
    LayoutBoard(geometry, field.columnCount, field.rowCount);
    EXPECT_NEAR(geometry.cellSize, 577, 1e-3);
    EXPECT_EQ(geometry.boardLeft, 1366);
}

// The opening board of the worked example: cellSize 492, boardLeft 1842, boardTop 900.
TEST(HitSquare, PressesOnTheOpeningBoard) {
    GameState field = Field(0);
    BoardGeometry geometry = Window(9195, 6720, 900);
    geometry.cellSize = 492;
    geometry.boardLeft = 1842;

    struct Case {
        const char* what;
        double X, Y;
        std::optional<Square> hit;
    };
    const Case cases[] = {
        {"centre of (1, 1, 1)", 2284.8, 2253, Square{1, 1, 1}},
        {"centre of (8, 4, 3)", 6909.6, 4467, Square{8, 4, 3}},
        {"grid corner P(3, 2, 2)", 3219.6, 3606, Square{3, 2, 2}},
        {"right edge of level 2", 6171.6, 3606, std::nullopt},
        {"front edge of level 1", 1852, 2376, std::nullopt},
        {"just above the front edge", 1852, 2375, Square{1, 1, 1}},
        {"front face of level 1", 1852, 2476, std::nullopt},
        {"back edge of level 1", 4000, 1392, std::nullopt},
        {"just below the back edge", 4000, 1393, Square{2, 4, 1}},
        {"above the board", 4000, 500, std::nullopt},
        {"below level 3", 4000, 6000, std::nullopt},
        {"left of the board", 100, 2253, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitSquare(geometry, field, c.X, c.Y), c.hit) << c.what;
    }
    GridPoint centre = LocatePoint(geometry, 4, 2284.8, 2253);
    EXPECT_NEAR(centre.x, 1.5, 1e-9);
    EXPECT_NEAR(centre.y, 1.5, 1e-9);
    EXPECT_EQ(centre.z, 1);
    // A point on the front edge falls into the next band, two rows beyond the back edge.
    GridPoint edge = LocatePoint(geometry, 4, 1852, 2376);
    EXPECT_EQ(edge.z, 2);
    EXPECT_NEAR(edge.y, 7, 1e-9);
}

// Every square's centre, and points just inside its corners, hit that square; points on the
// front and right faces hit nothing. For every size, in common and in extreme windows.
TEST(HitSquare, InvertsTheProjectionEverywhere) {
    struct WindowCase {
        double width, height;
        int boardTop;
    };
    const WindowCase windows[] = {
        {9195, 6720, 900},  {9195, 6720, 50},   {28800, 16200, 50}, {57600, 32400, 50},
        {150000, 3000, 50}, {1500, 60000, 50},  {300, 200, 50},     {120, 1500, 900},
        {9195, 1700, 900},  {99999, 99999, 50},
    };
    for (int size = 0; size < 3; ++size) {
        GameState field = Field(size);
        const int r = field.rowCount;
        for (const WindowCase& w : windows) {
            BoardGeometry geometry = Window(w.width, w.height, w.boardTop);
            LayoutBoard(geometry, field.columnCount, r);
            ASSERT_GT(geometry.cellSize, 0);
            const double h = geometry.cellSize / 2.0;
            for (int z = 1; z <= 3; ++z) {
                for (int y = 1; y <= r; ++y) {
                    for (int x = 1; x <= field.columnCount; ++x) {
                        const Square square{x, y, z};
                        PointF centre = ProjectPoint(geometry, r, x + 0.5, y + 0.5, z);
                        GridPoint back = LocatePoint(geometry, r, centre.x, centre.y);
                        ASSERT_NEAR(back.x, x + 0.5, 1e-9) << size << " " << w.width;
                        ASSERT_NEAR(back.y, y + 0.5, 1e-9) << size << " " << w.width;
                        ASSERT_EQ(back.z, z);
                        for (double dx : {0.01, 0.99}) {
                            for (double dy : {0.01, 0.99}) {
                                PointF p = ProjectPoint(geometry, r, x + dx, y + dy, z);
                                ASSERT_EQ(HitSquare(geometry, field, p.x, p.y), square)
                                    << size << " " << w.width << "x" << w.height << " corner " << dx
                                    << "," << dy;
                            }
                        }
                    }
                    PointF rightFace = ProjectPoint(geometry, r, field.columnCount + 1, y + 0.5, z);
                    EXPECT_EQ(HitSquare(geometry, field, rightFace.x + 1, rightFace.y + h / 2),
                              std::nullopt);
                }
                PointF frontFace = ProjectPoint(geometry, r, 1.5, 1, z);
                EXPECT_EQ(HitSquare(geometry, field, frontFace.x, frontFace.y + h / 2),
                          std::nullopt);
            }
        }
    }
}

TEST(HitSquare, NoSquareWithoutAUsableLayout) {
    GameState field = Field(0);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    BoardGeometry zero = Window(0, 6720, 50);
    LayoutBoard(zero, field.columnCount, field.rowCount);
    ASSERT_EQ(zero.cellSize, 0);

    BoardGeometry normal = Window(9195, 6720, 50);
    LayoutBoard(normal, field.columnCount, field.rowCount);

    const PointF points[] = {{0, 0},     {0, 1000},   {50, 50}, {-1, -1},
                             {1e300, 0}, {0, -1e300}, {inf, 5}, {nan, nan}};
    for (PointF p : points) {
        EXPECT_EQ(HitSquare(zero, field, p.x, p.y), std::nullopt) << p.x << "," << p.y;
        EXPECT_EQ(LocatePoint(zero, field.rowCount, p.x, p.y).z, 0);
    }
    for (PointF p : {PointF{1e300, 0}, PointF{0, -1e300}, PointF{inf, 5}, PointF{nan, nan}}) {
        EXPECT_EQ(HitSquare(normal, field, p.x, p.y), std::nullopt) << p.x << "," << p.y;
    }
}

}  // namespace
}  // namespace zendrix
