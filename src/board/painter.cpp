// Drawing the board: white ground, three solid slabs, the squares the player changed, grid lines,
// numbers and, once the game is over, the mines.
#include "board/painter.h"

#include <array>
#include <string>

namespace zendrix {
namespace {

// " 0" .. " 26": a count is printed with a blank where a minus sign would stand, which roughly
// centres the digit on its square.
// GCC 12 at -O3 takes the concatenation below for an overlapping copy (-Wrestrict): a false
// positive of its std::string inlining (GCC bug 105329). Silenced here only, so that a real
// warning elsewhere still stands out.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
const std::array<std::string, 27>& NumberTexts() {
    static const std::array<std::string, 27> texts = [] {
        std::array<std::string, 27> result;
        for (int i = 0; i < 27; ++i) result[i] = " " + std::to_string(i);
        return result;
    }();
    return texts;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

PointF Down(PointF p, double by) {
    return {p.x, p.y + by};
}

}  // namespace

PointF BoardPainter::P(double x, double y, int z) const {
    return ProjectPoint(geometry_, state_.rowCount, x, y, z);
}

void BoardPainter::FillByColumns(PointF a, PointF b, double limit) {
    // The sweep of vertical segments from a and b up to the limit paints this parallelogram.
    if (a.x > limit) return;
    double width = limit - a.x;
    const std::array<PointF, 4> face{a, b, PointF{b.x + width, b.y}, PointF{a.x + width, a.y}};
    canvas_.Face(face);
}

void BoardPainter::FillByRows(PointF a, PointF b, double limit) {
    if (a.y > limit) return;
    double height = limit - a.y;
    const std::array<PointF, 4> face{a, b, Down(b, height), Down(a, height)};
    canvas_.Face(face);
}

void BoardPainter::ClearBoard() {
    canvas_.SetFillColour(kWhite);
    canvas_.SetLineColour(kWhite);
    canvas_.Box({0, 0}, {geometry_.scaleWidth, geometry_.scaleHeight});
}

void BoardPainter::DrawMinefieldBase() {
    const int c = state_.columnCount;
    const int r = state_.rowCount;
    const int levels = state_.levelCount;
    const double h = geometry_.cellSize / 2.0;

    canvas_.SetLineWidth(1);
    canvas_.SetLineColour(kGrey);
    canvas_.Line(P(1, r + 1, 1), P(1, r + 1, levels));

    const Rgb minefield = colours_.ItemColour(kItemMinefield);
    for (int z = 1; z <= levels; ++z) {
        canvas_.SetLineColour(minefield);
        canvas_.SetFillColour(minefield);
        PointF frontLeft = P(1, 1, z);
        PointF frontRight = P(c + 1, 1, z);
        FillByColumns(frontLeft, P(1, r + 1, z), frontRight.x);
        FillByColumns(frontLeft, Down(frontLeft, h), frontRight.x);
        FillByRows(frontRight, P(c + 1, r + 1, z), frontRight.y + h);
    }
}

void BoardPainter::DrawSquare(int x, int y, int z) {
    const double h = geometry_.cellSize / 2.0;
    PointF corner = P(x, y, z);
    double right = P(x + 1, y, z).x;
    FillByColumns(corner, P(x, y + 1, z), right);
    if (y == 1) FillByColumns(corner, Down(corner, h), right);
    if (x == state_.columnCount) {
        PointF front = P(x + 1, y, z);
        FillByRows(front, P(x + 1, y + 1, z), front.y + h);
    }
}

void BoardPainter::PaintSquare(const Square& square, Rgb colour) {
    canvas_.SetLineColour(colour);
    DrawSquare(square.column, square.row, square.level);
}

void BoardPainter::ColumnLine(int x, int z) {
    PointF front = P(x, 1, z);
    canvas_.Line(P(x, state_.rowCount + 1, z), front);
    canvas_.LineTo(Down(front, geometry_.cellSize / 2.0));
}

void BoardPainter::RowLine(int y, int z) {
    PointF right = P(state_.columnCount + 1, y, z);
    canvas_.Line(P(1, y, z), right);
    canvas_.LineTo(Down(right, geometry_.cellSize / 2.0));
}

void BoardPainter::DrawGrid() {
    const int c = state_.columnCount;
    const int r = state_.rowCount;
    const int levels = state_.levelCount;
    const double h = geometry_.cellSize / 2.0;

    canvas_.SetLineWidth(1);
    canvas_.SetLineColour(kGrey);
    canvas_.Line(P(1, 1, 1), P(1, 1, levels));
    canvas_.Line(P(c + 1, 1, 1), P(c + 1, 1, levels));
    canvas_.Line(P(c + 1, r + 1, 1), P(c + 1, r + 1, levels));

    for (int z = 1; z <= levels; ++z) {
        for (int x = 1; x <= c + 1; ++x) ColumnLine(x, z);
        for (int y = 1; y <= r + 1; ++y) RowLine(y, z);
        canvas_.Line(Down(P(1, 1, z), h), Down(P(c + 1, 1, z), h));
        canvas_.LineTo(Down(P(c + 1, r + 1, z), h));
    }

    canvas_.SetLineWidth(2);
    canvas_.SetLineColour(colours_.ItemColour(kItemGrid1));
    for (int z = 1; z <= levels; ++z) {
        for (int x = 2; x <= c - 1; x += 2) ColumnLine(x + 1, z);
        // Three thick row lines would crowd the six rows of the Medium field; it keeps only the
        // middle one drawn below.
        if (r != 6) {
            for (int y = 2; y <= r - 1; y += 2) RowLine(y + 1, z);
        }
    }

    canvas_.SetLineColour(colours_.ItemColour(kItemGrid2));
    for (int z = 1; z <= levels; ++z) {
        for (int x = 4; x <= c - 1; x += 4) ColumnLine(x + 1, z);
        RowLine(r / 2 + 1, z);
    }

    canvas_.SetLineColour(kSeparatorBlue);
    const double separator = geometry_.scaleHeight - 800;
    canvas_.Line({0, separator}, {geometry_.scaleWidth, separator});

    canvas_.SetLineWidth(1);
    DrawNumbers();
}

void BoardPainter::DrawNumbers() {
    canvas_.SetFontSize(geometry_.fontSize);
    canvas_.SetBold(true);
    const TextSize eight = canvas_.MeasureText("8");
    const auto& texts = NumberTexts();

    for (int x = 1; x <= state_.columnCount; ++x) {
        for (int y = 1; y <= state_.rowCount; ++y) {
            for (int z = 1; z <= state_.levelCount; ++z) {
                int n = state_.squareState(x, y, z);
                if (n <= 0) continue;
                // Counts of ten and more (reach 18 or 26) drop one ten and are printed in normal
                // weight: the light digit tells them apart without widening the text.
                bool light = n > 9;
                int shown = light ? n - 10 : n;
                if (shown >= static_cast<int>(texts.size())) continue;  // not a count at all
                if (light) canvas_.SetBold(false);
                PointF centre = P(x + 0.5, y + 0.5, z);
                canvas_.SetCurrentPoint({centre.x - eight.width, centre.y - eight.height / 2});
                canvas_.SetLineColour(colours_.NumberColour(shown));
                canvas_.Print(texts[shown]);
                if (light) canvas_.SetBold(true);
            }
        }
    }
}

void BoardPainter::ShowMines(int sx, int sy, int sz) {
    if (sx > 0) DrawStruckMine(sx, sy, sz);
    for (int z = 1; z <= state_.levelCount; ++z) {
        for (int x = 1; x <= state_.columnCount; ++x) {
            for (int y = 1; y <= state_.rowCount; ++y) {
                if (!state_.IsMine(x, y, z)) continue;
                if (x == sx && y == sy && z == sz) continue;
                DrawMine(x, y, z);
            }
        }
    }
}

void BoardPainter::DrawMine(int x, int y, int z) {
    canvas_.SetLineColour(kBlack);
    canvas_.SetFillColour(kBlack);
    PointF centre = P(x + 0.5, y + 0.5, z);
    DrawMineSymbol(centre.x, centre.y, 0.2 * geometry_.cellSize, MineStyle::kOrdinary);
}

void BoardPainter::DrawStruckMine(int x, int y, int z) {
    canvas_.SetLineColour(kRed);
    canvas_.SetFillColour(kRed);
    PointF centre = P(x + 0.5, y + 0.5, z);
    DrawMineSymbol(centre.x, centre.y, 0.2 * geometry_.cellSize, MineStyle::kStruck);
}

void BoardPainter::DrawMineSymbol(double X, double Y, double r, MineStyle style) {
    const bool struck = style == MineStyle::kStruck;
    if (struck) {
        canvas_.SetLineColour(kRed);
        canvas_.Ellipse({X + r, Y - 3.1 * r}, r / 6, 1.0);
    }
    // The struck mine's fuse is shorter: it has burnt down to the spark.
    canvas_.SetLineColour(kBlack);
    canvas_.Arc({X + r, Y - 2.1 * r}, r, struck ? 1.6 : 1.0, 3.5);
    canvas_.Box({X - 0.3 * r, Y - 1.1 * r}, {X + 0.3 * r, Y - 2.1 * r});
    canvas_.Ellipse({X, Y - r / 2}, r, 0.8);
}

std::optional<StatusLayout> BoardPainter::form_resize() {
    if (state_.columnCount <= 0) return std::nullopt;

    ClearBoard();
    StatusLayout layout = LayoutBoard(geometry_, state_.columnCount, state_.rowCount);
    DrawMinefieldBase();

    canvas_.SetLineColour(kWhite);
    for (int x = 1; x <= state_.columnCount; ++x) {
        for (int y = 1; y <= state_.rowCount; ++y) {
            for (int z = 1; z <= state_.levelCount; ++z) {
                if (!state_.IsCovered(x, y, z)) DrawSquare(x, y, z);
            }
        }
    }
    for (int x = 1; x <= state_.columnCount; ++x) {
        for (int y = 1; y <= state_.rowCount; ++y) {
            for (int z = 1; z <= state_.levelCount; ++z) {
                int mark = state_.markMap(x, y, z);
                if (mark <= 0) continue;
                canvas_.SetLineColour(colours_.PaletteColour(mark));
                DrawSquare(x, y, z);
            }
        }
    }

    DrawGrid();
    if (state_.gameOver) ShowMines(state_.struckColumn, state_.struckRow, state_.struckLevel);
    return layout;
}

}  // namespace zendrix
