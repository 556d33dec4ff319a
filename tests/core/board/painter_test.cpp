// What the board painter draws, checked on a recording canvas: grid lines, numbers, mines, faces
// and the whole-board redraw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "board/painter.h"
#include "support/recording_canvas.h"

namespace zendrix {
namespace {

using Kind = CanvasCall::Kind;

bool Near(PointF a, PointF b) {
    return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6;
}

class PainterTest : public ::testing::Test {
  protected:
    void UseSize(int sizeIndex) {
        state.SetSize(sizeIndex);
        state.ResetForNewGame();
        geometry.scaleWidth = 9195;
        geometry.scaleHeight = 6720;
        geometry.boardTop = 50;
        LayoutBoard(geometry, state.columnCount, state.rowCount);
    }
    PointF P(double x, double y, int z) const {
        return ProjectPoint(geometry, state.rowCount, x, y, z);
    }
    PointF Down(PointF p) const { return {p.x, p.y + geometry.cellSize / 2.0}; }

    // The thick lines of one colour, as (column or row line, index, level); each must be a line
    // across the top face followed by its continuation down the side face.
    std::set<std::tuple<char, int, int>> ThickLines(Rgb colour) const {
        const int c = state.columnCount;
        const int r = state.rowCount;
        std::set<std::tuple<char, int, int>> found;
        std::vector<CanvasCall> lines;
        for (const CanvasCall& call : canvas.Of(Kind::Line)) {
            if (call.width == 2 && call.line == colour) lines.push_back(call);
        }
        EXPECT_EQ(lines.size() % 2, 0u);
        for (size_t i = 0; i + 1 < lines.size(); i += 2) {
            const CanvasCall& top = lines[i];
            const CanvasCall& side = lines[i + 1];
            bool matched = false;
            for (int z = 1; z <= 3; ++z) {
                for (int x = 1; x <= c + 1; ++x) {
                    if (Near(top.points[0], P(x, r + 1, z)) && Near(top.points[1], P(x, 1, z))) {
                        EXPECT_TRUE(Near(side.points[1], Down(P(x, 1, z))));
                        found.insert({'c', x, z});
                        matched = true;
                    }
                }
                for (int y = 1; y <= r + 1; ++y) {
                    if (Near(top.points[0], P(1, y, z)) && Near(top.points[1], P(c + 1, y, z))) {
                        EXPECT_TRUE(Near(side.points[1], Down(P(c + 1, y, z))));
                        found.insert({'r', y, z});
                        matched = true;
                    }
                }
            }
            EXPECT_TRUE(matched) << "a thick line that is no grid line";
        }
        return found;
    }

    GameState state;
    ColourModel colours;
    BoardGeometry geometry;
    RecordingCanvas canvas;
    BoardPainter painter{canvas, state, colours, geometry};
};

TEST_F(PainterTest, ThickGridLinesOfEachSize) {
    struct Case {
        int size;
        std::vector<int> grid1Columns, grid1Rows, grid2Columns, grid2Rows;
    };
    const Case cases[] = {
        {0, {3, 5, 7}, {3}, {5}, {3}},
        {1, {3, 5, 7, 9, 11}, {}, {5, 9}, {4}},
        {2, {3, 5, 7, 9, 11, 13, 15}, {3, 5, 7}, {5, 9, 13}, {5}},
    };
    for (const Case& k : cases) {
        UseSize(k.size);
        canvas.calls.clear();
        painter.DrawGrid();
        auto expected = [](const std::vector<int>& columns, const std::vector<int>& rows) {
            std::set<std::tuple<char, int, int>> lines;
            for (int z = 1; z <= 3; ++z) {
                for (int x : columns) lines.insert({'c', x, z});
                for (int y : rows) lines.insert({'r', y, z});
            }
            return lines;
        };
        EXPECT_EQ(ThickLines(colours.ItemColour(kItemGrid1)), expected(k.grid1Columns, k.grid1Rows))
            << "size " << k.size;
        EXPECT_EQ(ThickLines(colours.ItemColour(kItemGrid2)), expected(k.grid2Columns, k.grid2Rows))
            << "size " << k.size;
    }
}

TEST_F(PainterTest, ThinGridPostsAndSeparator) {
    UseSize(0);
    painter.DrawGrid();
    const auto lines = canvas.Of(Kind::Line);
    auto has = [&](PointF a, PointF b, Rgb colour, int width) {
        return std::any_of(lines.begin(), lines.end(), [&](const CanvasCall& call) {
            return Near(call.points[0], a) && Near(call.points[1], b) && call.line == colour &&
                   call.width == width;
        });
    };
    for (int x = 1; x <= 9; ++x) EXPECT_TRUE(has(P(x, 5, 2), P(x, 1, 2), kGrey, 1)) << x;
    for (int y = 1; y <= 5; ++y) EXPECT_TRUE(has(P(1, y, 3), P(9, y, 3), kGrey, 1)) << y;
    EXPECT_TRUE(has(P(1, 1, 1), P(1, 1, 3), kGrey, 1));
    EXPECT_TRUE(has(P(9, 5, 1), P(9, 5, 3), kGrey, 1));
    EXPECT_TRUE(has(Down(P(9, 1, 1)), Down(P(9, 5, 1)), kGrey, 1));  // lower edge, right face
    EXPECT_TRUE(has({0, 6720 - 800}, {9195, 6720 - 800}, kSeparatorBlue, 2));
}

TEST_F(PainterTest, NumbersColourWeightAndPlace) {
    UseSize(0);
    // Distinct colours for the Minefield item and every number item.
    for (int item = kItemMinefield; item <= kItemOverSixMines; ++item) {
        colours.itemColor[item] = static_cast<int16_t>(item + 2);
    }
    struct Case {
        int count;
        const char* text;
        int item;
        bool bold;
    };
    const Case cases[] = {
        {1, " 1", kItemOneMine, true},         {6, " 6", kItemOneMine + 5, true},
        {7, " 7", kItemOverSixMines, true},    {9, " 9", kItemOverSixMines, true},
        {10, " 0", kItemMinefield, false},     {12, " 2", kItemOneMine + 1, false},
        {16, " 6", kItemOneMine + 5, false},   {17, " 7", kItemOverSixMines, false},
        {20, " 10", kItemOverSixMines, false}, {26, " 16", kItemOverSixMines, false},
    };
    for (const Case& k : cases) {
        state.ResetField();
        state.squareState(2, 3, 2) = static_cast<int16_t>(k.count);
        state.squareState(5, 1, 1) = 0;  // uncovered, no mine near: nothing printed
        // A bold number right after the light one: the weight must be back.
        state.squareState(3, 1, 1) = 5;
        canvas.calls.clear();
        painter.DrawNumbers();
        const auto prints = canvas.Of(Kind::Print);
        ASSERT_EQ(prints.size(), 2u) << k.count;
        const CanvasCall& shown = prints[0];
        EXPECT_EQ(shown.text, k.text) << k.count;
        EXPECT_EQ(shown.line, colours.ItemColour(k.item)) << k.count;
        EXPECT_EQ(shown.bold, k.bold) << k.count;
        EXPECT_EQ(shown.fontSize, geometry.fontSize);
        const TextSize eight = canvas.MeasureText("8");
        PointF centre = P(2.5, 3.5, 2);
        EXPECT_TRUE(Near(shown.points[0], {centre.x - eight.width, centre.y - eight.height / 2}));
        EXPECT_EQ(prints[1].text, " 5");
        EXPECT_TRUE(prints[1].bold) << "after " << k.count;
    }
}

TEST_F(PainterTest, OrdinaryAndStruckMines) {
    UseSize(0);
    const double r = 0.2 * geometry.cellSize;
    for (bool struck : {false, true}) {
        canvas.calls.clear();
        if (struck) {
            painter.DrawStruckMine(4, 2, 3);
        } else {
            painter.DrawMine(4, 2, 3);
        }
        const PointF c = P(4.5, 2.5, 3);
        const Rgb body = struck ? kRed : kBlack;

        const auto ellipses = canvas.Of(Kind::Ellipse);
        ASSERT_EQ(ellipses.size(), struck ? 2u : 1u);
        if (struck) {
            const CanvasCall& spark = ellipses[0];
            EXPECT_TRUE(Near(spark.points[0], {c.x + r, c.y - 3.1 * r}));
            EXPECT_NEAR(spark.radius, r / 6, 1e-9);
            EXPECT_EQ(spark.line, kRed);
            EXPECT_EQ(spark.fill, kRed);
        }
        const CanvasCall& bodyCall = ellipses.back();
        EXPECT_TRUE(Near(bodyCall.points[0], {c.x, c.y - r / 2}));
        EXPECT_NEAR(bodyCall.radius, r, 1e-9);
        EXPECT_EQ(bodyCall.aspect, 0.8);
        EXPECT_EQ(bodyCall.line, kBlack);
        EXPECT_EQ(bodyCall.fill, body);

        const auto arcs = canvas.Of(Kind::Arc);
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(arcs[0].line, kBlack);
        EXPECT_EQ(arcs[0].start, struck ? 1.6 : 1.0);
        EXPECT_EQ(arcs[0].end, 3.5);
        EXPECT_TRUE(Near(arcs[0].points[0], {c.x + r, c.y - 2.1 * r}));

        const auto boxes = canvas.Of(Kind::Box);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].line, kBlack);
        EXPECT_EQ(boxes[0].fill, body);
        EXPECT_TRUE(Near(boxes[0].points[0], {c.x - 0.3 * r, c.y - 1.1 * r}));
        EXPECT_TRUE(Near(boxes[0].points[1], {c.x + 0.3 * r, c.y - 2.1 * r}));
    }
}

// The corners of the top face of (x, y, z), and of its front and right faces when it has them.
TEST_F(PainterTest, SquareFacesDependOnRowAndColumn) {
    UseSize(1);
    struct Case {
        int x, y;
        bool front, right;
    };
    const Case cases[] = {
        {3, 2, false, false}, {3, 1, true, false}, {12, 4, false, true}, {12, 1, true, true}};
    const Rgb colour{1, 2, 3};
    for (const Case& k : cases) {
        canvas.calls.clear();
        painter.PaintSquare({k.x, k.y, 2}, colour);
        const auto faces = canvas.Of(Kind::Face);
        ASSERT_EQ(faces.size(), 1u + k.front + k.right) << k.x << "," << k.y;
        for (const CanvasCall& face : faces) EXPECT_EQ(face.line, colour);
        auto same = [](const std::vector<PointF>& got, std::vector<PointF> want) {
            if (got.size() != want.size()) return false;
            return std::all_of(want.begin(), want.end(), [&](PointF w) {
                return std::any_of(got.begin(), got.end(), [&](PointF g) { return Near(g, w); });
            });
        };
        const int z = 2;
        EXPECT_TRUE(same(faces[0].points, {P(k.x, k.y, z), P(k.x, k.y + 1, z),
                                           P(k.x + 1, k.y + 1, z), P(k.x + 1, k.y, z)}));
        size_t next = 1;
        if (k.front) {
            EXPECT_TRUE(same(faces[next++].points, {P(k.x, 1, z), P(k.x + 1, 1, z),
                                                    Down(P(k.x + 1, 1, z)), Down(P(k.x, 1, z))}));
        }
        if (k.right) {
            EXPECT_TRUE(same(faces[next].points, {P(13, k.y, z), P(13, k.y + 1, z),
                                                  Down(P(13, k.y + 1, z)), Down(P(13, k.y, z))}));
        }
    }
}

TEST_F(PainterTest, NoRedrawBeforeAFieldExists) {
    state.columnCount = 0;
    EXPECT_EQ(painter.form_resize(), std::nullopt);
    EXPECT_TRUE(canvas.calls.empty());
}

// Counts the mine bodies (aspect 0.8 ellipses) drawn by a redraw, by fill colour.
std::pair<int, int> MineBodies(const RecordingCanvas& canvas) {
    int black = 0;
    int red = 0;
    for (const CanvasCall& call : canvas.Of(Kind::Ellipse)) {
        if (call.aspect != 0.8) continue;
        if (call.fill == kRed) ++red;
        if (call.fill == kBlack) ++black;
    }
    return {black, red};
}

TEST_F(PainterTest, RedrawShowsTheMinesOnlyAfterTheEnd) {
    UseSize(0);
    const Square mines[] = {{1, 1, 1}, {8, 4, 3}, {4, 2, 2}};
    for (const Square& m : mines) state.mineMap(m.column, m.row, m.level) = -1;
    state.mineCount = 3;

    struct Case {
        const char* what;
        bool over;
        Square struck;
        int black, red;
    };
    const Case cases[] = {
        {"in play", false, {}, 0, 0},
        {"struck", true, {4, 2, 2}, 2, 1},
        {"swept", true, {}, 3, 0},
    };
    for (const Case& k : cases) {
        state.gameOver = k.over;
        state.struckColumn = static_cast<int16_t>(k.struck.column);
        state.struckRow = static_cast<int16_t>(k.struck.row);
        state.struckLevel = static_cast<int16_t>(k.struck.level);
        canvas.calls.clear();
        ASSERT_TRUE(painter.form_resize().has_value());
        EXPECT_EQ(MineBodies(canvas), std::make_pair(k.black, k.red)) << k.what;
        if (k.red > 0) {
            const auto ellipses = canvas.Of(Kind::Ellipse);
            auto body = std::find_if(ellipses.begin(), ellipses.end(), [](const CanvasCall& c) {
                return c.aspect == 0.8 && c.fill == kRed;
            });
            const PointF centre = P(4.5, 2.5, 2);
            EXPECT_TRUE(Near(body->points[0], {centre.x, centre.y - 0.1 * geometry.cellSize}));
        }
    }
    EXPECT_EQ(state.mineMap(4, 2, 2), -1) << "the mine map is left alone";
}

TEST_F(PainterTest, RedrawPaintsSquaresInTheirOwnColours) {
    UseSize(0);
    geometry.scaleWidth = 12000;  // the redraw lays the board out again for the new width
    state.squareState(2, 3, 1) = 0;
    state.squareState(5, 1, 2) = 3;
    // Marked while Orange was the marker colour; the current marker colour is another.
    state.markMap(7, 2, 3) = 5;
    colours.itemColor[kItemMarkers] = 8;

    const auto layout = painter.form_resize();
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->cmdNewMinefield.left, 12000 - 1100);
    EXPECT_NEAR(geometry.cellSize, 577, 1e-3);

    ASSERT_FALSE(canvas.calls.empty());
    const CanvasCall& clear = canvas.calls.front();
    EXPECT_EQ(clear.kind, Kind::Box);
    EXPECT_EQ(clear.fill, kWhite);
    EXPECT_TRUE(Near(clear.points[1], {12000, 6720}));

    auto topFaceColours = [&](int x, int y, int z) {
        std::vector<Rgb> result;
        const PointF corner = P(x, y, z);
        for (const CanvasCall& call : canvas.Of(Kind::Face)) {
            if (Near(call.points[0], corner) && Near(call.points[1], P(x, y + 1, z))) {
                result.push_back(call.line);
            }
        }
        return result;
    };
    EXPECT_EQ(topFaceColours(2, 3, 1), std::vector<Rgb>{kWhite});
    EXPECT_EQ(topFaceColours(5, 1, 2), std::vector<Rgb>{kWhite});
    EXPECT_EQ(topFaceColours(7, 2, 3), std::vector<Rgb>{colours.PaletteColour(5)});
    EXPECT_TRUE(topFaceColours(3, 3, 3).empty()) << "covered squares keep the slab's colour";

    // The slabs come before the squares, the numbers after them.
    const Rgb minefield = colours.ItemColour(kItemMinefield);
    const auto faces = canvas.Of(Kind::Face);
    ASSERT_GE(faces.size(), 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(faces[i].line, minefield) << i;
    EXPECT_EQ(canvas.calls.back().kind, Kind::Print);
    EXPECT_EQ(canvas.calls.back().text, " 3");
}

}  // namespace
}  // namespace zendrix
