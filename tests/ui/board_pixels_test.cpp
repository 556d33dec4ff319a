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
#include "platform/qt/qt_canvas.h"

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

QTEST_MAIN(BoardPixelsTest)
#include "board_pixels_test.moc"
