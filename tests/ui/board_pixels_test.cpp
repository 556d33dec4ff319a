// Real pixels of mid-game boards drawn by the painter on the Qt canvas, at pixel ratio 1 and 2.
#include <QColor>
#include <QImage>
#include <QtTest>
#include <cmath>
#include <limits>

#include "board/layout.h"
#include "board/painter.h"
#include "board/sample_game.h"
#include "colours/colour_model.h"
#include "game/moves.h"
#include "game/placement.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/window_helpers.h"
#include "platform/random_source.h"

using namespace zendrix;

namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// One board drawn into an image at the opening window size.
struct Drawn {
    GameState state;
    ColourModel colours;
    BoardGeometry geometry;
    QtCanvas canvas;

    Drawn(int sizeIndex, qreal ratio, bool struck) {
        SampleGameOptions options;
        options.sizeIndex = sizeIndex;
        options.densityIndex = 2;
        options.seed = 7;
        options.struck = struck;
        state = MakeSampleGame(options);
        geometry.boardTop = 50;
        geometry.scaleWidth = 613 * kTwipsPerPixel;
        geometry.scaleHeight = 448 * kTwipsPerPixel;
        canvas.Resize(QSize(613, 448), ratio);
        BoardPainter(canvas, state, colours, geometry).form_resize();
    }

    PointF P(double x, double y, int z) const {
        return ProjectPoint(geometry, state.rowCount, x, y, z);
    }
    // The colour of the device pixel under a point given in twips.
    QColor At(PointF p) const {
        const qreal ratio = canvas.devicePixelRatio();
        return canvas.image().pixelColor(static_cast<int>(p.x / kTwipsPerPixel * ratio),
                                         static_cast<int>(p.y / kTwipsPerPixel * ratio));
    }
    PointF Down(PointF p, double by) const { return {p.x, p.y + by}; }
};

QString Where(int x, int y, int z) {
    return QStringLiteral("square %1,%2,%3").arg(x).arg(y).arg(z);
}

}  // namespace

class BoardPixelsTest : public QObject {
    Q_OBJECT

  private slots:
    void squares_data();
    void squares();
    void mines_data() { squares_data(); }
    void mines();
    void linesAreClippedToTheImage();
    void movesLeaveTheSamePictureAsAWholeRedraw_data() { ratios_data(); }
    void movesLeaveTheSamePictureAsAWholeRedraw();

  private:
    void ratios_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }
};

void BoardPixelsTest::squares_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("ratio");
    const char* names[] = {"Small", "Medium", "Large"};
    for (int size = 0; size < 3; ++size) {
        for (qreal ratio : {1.0, 2.0}) {
            QTest::addRow("%s at %g", names[size], ratio) << size << ratio;
        }
    }
}

// Every square's top face in its colour; the front and right faces of the front row and the last
// column in the colour of their square; the white ground and the blue separator.
void BoardPixelsTest::squares() {
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    const Drawn board(size, ratio, false);
    const GameState& s = board.state;
    const QColor minefield = ToQColor(board.colours.ItemColour(kItemMinefield));
    const QColor white(Qt::white);
    const double h = board.geometry.cellSize / 2.0;
    QCOMPARE(board.canvas.image().size(), QSize(613, 448) * ratio);

    // The front-right corner post runs down over the top faces of the lower levels.
    const double post = board.P(s.columnCount + 1, 1, 1).x;
    int frontMarks = 0;
    int rightMarks = 0;
    for (int z = 1; z <= s.levelCount; ++z) {
        for (int y = 1; y <= s.rowCount; ++y) {
            for (int x = 1; x <= s.columnCount; ++x) {
                QColor expected = s.IsCovered(x, y, z) ? minefield : white;
                if (s.markMap(x, y, z) > 0) {
                    expected = ToQColor(board.colours.PaletteColour(s.markMap(x, y, z)));
                }
                // Left of the centre, clear of the number printed there and of the grid lines.
                const PointF probe = board.P(x + 0.2, y + 0.5, z);
                if (std::abs(probe.x - post) > 3 * kTwipsPerPixel) {
                    QVERIFY2(board.At(probe) == expected, qPrintable(Where(x, y, z)));
                }
                if (y == 1) {
                    QVERIFY2(board.At(board.Down(board.P(x + 0.5, 1, z), h / 2)) == expected,
                             qPrintable(Where(x, y, z) + " front face"));
                    if (s.markMap(x, y, z) > 0) ++frontMarks;
                }
                if (x == s.columnCount) {
                    QVERIFY2(board.At(board.Down(board.P(x + 1, y + 0.5, z), h / 2)) == expected,
                             qPrintable(Where(x, y, z) + " right face"));
                    if (s.markMap(x, y, z) > 0) ++rightMarks;
                }
            }
        }
    }
    QVERIFY2(frontMarks > 0 && rightMarks > 0, "the sample board lost its side marks");

    QCOMPARE(board.At({30, 30}), white);
    QCOMPARE(board.At({30, 3000}), white);
    const double separator = board.geometry.scaleHeight - 800;
    const QColor blue = ToQColor(kSeparatorBlue);
    for (double x : {15.0, 4000.0, board.geometry.scaleWidth - 30}) {
        QCOMPARE(board.At({x, separator}), blue);
    }
    QCOMPARE(board.At({4000, separator + 60}), white);
}

// After a struck mine: that mine's body red, every other mine's body black.
void BoardPixelsTest::mines() {
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    const Drawn board(size, ratio, true);
    const GameState& s = board.state;
    QVERIFY(s.gameOver && s.struckColumn > 0);
    const double r = 0.2 * board.geometry.cellSize;
    int black = 0;
    for (int z = 1; z <= s.levelCount; ++z) {
        for (int y = 1; y <= s.rowCount; ++y) {
            for (int x = 1; x <= s.columnCount; ++x) {
                if (!s.IsMine(x, y, z)) continue;
                const bool struck = x == s.struckColumn && y == s.struckRow && z == s.struckLevel;
                const PointF centre = board.P(x + 0.5, y + 0.5, z);
                QVERIFY2(board.At({centre.x, centre.y - r / 2}) ==
                             (struck ? QColor(Qt::red) : QColor(Qt::black)),
                         qPrintable(Where(x, y, z)));
                if (!struck) ++black;
            }
        }
    }
    QCOMPARE(black, s.mineCount - 1);
}

// Lines are plotted straight into the image: any ends, however far out or not numbers at all,
// must touch only pixels inside it, and the visible part of a long line must still be drawn.
void BoardPixelsTest::linesAreClippedToTheImage() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (qreal ratio : {1.0, 2.0}) {
        QtCanvas canvas;
        canvas.Resize(QSize(40, 30), ratio);  // 600 x 450 twips
        canvas.SetLineColour(kRed);
        canvas.SetLineWidth(2);
        const QImage white = canvas.image().copy();
        for (PointF far : {PointF{nan, 0}, PointF{inf, 100}, PointF{-inf, -inf}}) {
            canvas.Line(far, {300, 200});
        }
        QCOMPARE(canvas.image(), white);

        struct Crossing {
            PointF a, b, inside;
        };
        const Crossing lines[] = {
            {{-1e12, 225}, {1e12, 225}, {300, 225}},     // across, far beyond both sides
            {{300, -5e9}, {300, 5e9}, {300, 100}},       // down
            {{-3000, -2250}, {3000, 2250}, {300, 225}},  // diagonal through the centre
            {{0, 449}, {599, 449}, {300, 449}},          // along the bottom edge
            {{599, 0}, {599, 1e300}, {599, 300}},        // along the right edge
        };
        for (const Crossing& line : lines) {
            canvas.Line(line.a, line.b);
            const QPoint p(static_cast<int>(line.inside.x / 15 * ratio),
                           static_cast<int>(line.inside.y / 15 * ratio));
            QCOMPARE(canvas.image().pixelColor(p), QColor(Qt::red));
        }
        QCOMPARE(canvas.image().size(), QSize(40, 30) * ratio);
    }
}

namespace {

// Draws what the moves report onto a kept image, as the main window does during play.
class CanvasObserver : public NullMoveObserver {
  public:
    explicit CanvasObserver(BoardPainter painter) : painter_(painter) {}
    void PaintSquare(const Square& square, Rgb colour) override {
        painter_.PaintSquare(square, colour);
    }
    void DrawGrid() override { painter_.DrawGrid(); }
    void ShowMines(const Square& struck) override {
        painter_.ShowMines(struck.column, struck.row, struck.level);
    }

  private:
    BoardPainter painter_;
};

}  // namespace

// Moves draw only what they change, over the kept picture; whatever they print again (the grid,
// every number, the mines) must land on exactly the pixels a fresh whole-board redraw gives.
void BoardPixelsTest::movesLeaveTheSamePictureAsAWholeRedraw() {
    QFETCH(qreal, ratio);
    GameState state;
    state.SetSize(2);
    state.SetDensity(2);
    state.useDemoMinefields = true;
    state.demoNumber = 2;
    state.demonstrationMode = false;
    state.ResetForNewGame();
    ColourModel colours;
    BoardGeometry geometry;
    geometry.boardTop = 50;
    geometry.scaleWidth = 613 * kTwipsPerPixel;
    geometry.scaleHeight = 448 * kTwipsPerPixel;
    QtCanvas kept;
    kept.Resize(QSize(613, 448), ratio);
    BoardPainter painter(kept, state, colours, geometry);
    painter.form_resize();
    StandardRandomSource random;
    CanvasObserver observer(painter);
    Play play(state, colours, random, observer);

    auto sameAsRedraw = [&](const char* move) {
        QtCanvas fresh;
        fresh.Resize(QSize(613, 448), ratio);
        BoardGeometry freshGeometry = geometry;
        BoardPainter(fresh, state, colours, freshGeometry).form_resize();
        QVERIFY2(kept.image() == fresh.image(), move);
    };
    // The demo layout, laid by the first uncover, does not depend on the square: open a region.
    GameState preview = state;
    PlaceMines(preview, random, 1, 1, 1);
    const GameState& laid = preview;
    auto find = [&](const GameState& in, auto&& wanted) -> Square {
        for (int l = 3; l >= 1; --l)
            for (int r = in.rowCount; r >= 1; --r)
                for (int c = in.columnCount; c >= 1; --c)
                    if (wanted(c, r, l)) return {c, r, l};
        return {};
    };
    play.BoardPress(MouseButton::Left, find(laid, [&](int c, int r, int l) {
                        return !laid.IsMine(c, r, l) && laid.MinesInReach(c, r, l) == 0;
                    }));
    QVERIFY(!state.gameOver && state.uncoveredCount > 1);
    sameAsRedraw("first uncover");
    const Square far = find(state, [&](int c, int r, int l) { return state.IsCovered(c, r, l); });
    for (int i = 0; i < 6; ++i) {
        colours.itemColor[kItemMarkers] = static_cast<int16_t>(4 + i % 3);
        play.BoardPress(MouseButton::Right, far);
        sameAsRedraw(i % 2 ? "mark in another colour" : "mark");
    }
    colours.itemColor[kItemMarkers] = state.markMap(far.column, far.row, far.level);
    play.BoardPress(MouseButton::Right, far);
    sameAsRedraw("unmark");
    // Marking the mines around a number, then its multiple uncover opens the rest around it.
    const Square around = find(state, [&](int c, int r, int l) {
        if (state.squareState(c, r, l) <= 0) return false;
        for (const Offset& o : Neighbourhood(state.reachLevel)) {
            const int nc = c + o.dc, nr = r + o.dr, nl = l + o.dl;
            if (state.IsCovered(nc, nr, nl) && !state.IsMine(nc, nr, nl)) return true;
        }
        return false;
    });
    QVERIFY(around.column > 0);
    colours.itemColor[kItemMarkers] = 8;
    for (const Offset& o : Neighbourhood(state.reachLevel)) {
        const Square n{around.column + o.dc, around.row + o.dr, around.level + o.dl};
        if (state.IsMine(n.column, n.row, n.level) &&
            state.markMap(n.column, n.row, n.level) == 0) {
            play.BoardPress(MouseButton::Right, n);
        }
    }
    const int before = state.uncoveredCount;
    play.BoardPress(MouseButton::Right, around);
    QVERIFY(!state.gameOver && state.uncoveredCount > before);
    sameAsRedraw("multiple uncover");
    const Square safe = find(state, [&](int c, int r, int l) {
        return state.IsCovered(c, r, l) && !state.IsMine(c, r, l) && state.markMap(c, r, l) == 0;
    });
    play.BoardPress(MouseButton::Left, safe);
    sameAsRedraw("uncover");
    for (int reach : {1, 2, 3}) {
        state.reachLevel = static_cast<int16_t>(reach);
        play.RecountReach();
        sameAsRedraw("reach change");
    }
    play.BoardPress(MouseButton::Left, find(state, [&](int c, int r, int l) {
                        return state.IsCovered(c, r, l) && state.IsMine(c, r, l);
                    }));
    QVERIFY(state.gameOver && state.struckColumn > 0);
    sameAsRedraw("struck mine");
    state.reachLevel = 2;
    play.RecountReach();
    sameAsRedraw("reach change after the end");
}

QTEST_MAIN(BoardPixelsTest)
#include "board_pixels_test.moc"
