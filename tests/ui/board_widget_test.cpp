// The board widget: resizing makes a new image and asks for the whole-board redraw, paint only
// shows the kept image, and a press reports the square under it.
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "board/board_widget.h"
#include "board/painter.h"
#include "board/sample_game.h"
#include "platform/qt/window_helpers.h"

using namespace zendrix;

class BoardWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void resizeLaysOutAndRedraws();
    void pressReportsTheSquareAndButton_data();
    void pressReportsTheSquareAndButton();
    void pressOnAControlOverTheBoardStaysWithTheControl_data();
    void pressOnAControlOverTheBoardStaysWithTheControl();
    void paintShowsTheKeptImage();
    void zeroWidthHitsNothing();
};

namespace {

// The widget with what the game control does when it asks for a redraw.
struct Board {
    GameState state;
    ColourModel colours;
    BoardGeometry geometry;
    BoardWidget widget{state, geometry};
    std::vector<StatusLayout> layouts;

    Board() {
        SampleGameOptions options;
        options.sizeIndex = 1;
        state = MakeSampleGame(options);
        geometry.boardTop = 50;
        QObject::connect(&widget, &BoardWidget::redrawNeeded, [this] { Redraw(); });
    }
    void Redraw() {
        if (auto layout = BoardPainter(widget.canvas(), state, colours, geometry).form_resize()) {
            layouts.push_back(*layout);
        }
        widget.update();
    }
    // The logical pixel at the centre of a square, from the game's own projection.
    QPoint Centre(int x, int y, int z) const {
        PointF p = ProjectPoint(geometry, state.rowCount, x + 0.5, y + 0.5, z);
        return QPoint(static_cast<int>(p.x / kTwipsPerPixel),
                      static_cast<int>(p.y / kTwipsPerPixel));
    }
};

}  // namespace

void BoardWidgetTest::resizeLaysOutAndRedraws() {
    Board board;
    board.widget.resize(613, 448);
    board.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board.widget));

    QVERIFY(!board.layouts.empty());
    const StatusLayout layout = board.layouts.back();
    QCOMPARE(*layout.cmdNewMinefield.left, 9195.0 - 1100);
    QCOMPARE(*layout.clockdisplay.top, 6720.0 - 300);
    QCOMPARE(board.geometry.scaleWidth, 9195.0);
    QCOMPARE(board.geometry.scaleHeight, 6720.0);
    QCOMPARE(board.geometry.boardLeft, 869);
    const qreal ratio = board.widget.devicePixelRatioF();
    QCOMPARE(board.widget.image().devicePixelRatio(), ratio);
    QCOMPARE(board.widget.image().size(), QSize(613, 448) * ratio);

    // A wider window moves the board and its controls.
    board.widget.resize(900, 448);
    QCOMPARE(board.layouts.back().cmdNewMinefield.left, 900 * 15.0 - 1100);
    QVERIFY(board.geometry.boardLeft > 869);
    QCOMPARE(board.widget.image().size(), QSize(900, 448) * ratio);

    // A redraw picks up a changed board.
    const QPoint centre = board.Centre(6, 3, 2) * ratio;
    board.state.markMap(6, 3, 2) = 9;
    board.Redraw();
    QCOMPARE(board.widget.image().pixelColor(centre.x() - 3, centre.y()), QColor(220, 100, 220));
}

void BoardWidgetTest::pressReportsTheSquareAndButton_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expectedButton");
    QTest::addRow("left") << int(Qt::LeftButton) << int(MouseButton::Left);
    QTest::addRow("right") << int(Qt::RightButton) << int(MouseButton::Right);
    QTest::addRow("middle") << int(Qt::MiddleButton) << int(MouseButton::Other);
}

void BoardWidgetTest::pressReportsTheSquareAndButton() {
    QFETCH(int, button);
    QFETCH(int, expectedButton);
    Board board;
    board.widget.resize(613, 448);
    board.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board.widget));
    QSignalSpy presses(&board.widget, &BoardWidget::squarePressed);

    const Square squares[] = {{1, 1, 1}, {12, 6, 3}, {7, 4, 2}};
    for (const Square& s : squares) {
        QTest::mousePress(&board.widget, Qt::MouseButton(button), {},
                          board.Centre(s.column, s.row, s.level));
        QCOMPARE(presses.size(), 1);
        QCOMPARE(presses.first().at(0).value<MouseButton>(), MouseButton(expectedButton));
        QCOMPARE(presses.first().at(1).value<std::optional<Square>>(), std::optional(s));
        presses.clear();
    }
    // Between the levels, and beside the board.
    PointF gap = ProjectPoint(board.geometry, board.state.rowCount, 3.5, 1, 1);
    QTest::mousePress(&board.widget, Qt::MouseButton(button), {},
                      QPoint(static_cast<int>(gap.x / 15), static_cast<int>(gap.y / 15) + 8));
    QTest::mousePress(&board.widget, Qt::MouseButton(button), {}, QPoint(3, 200));
    QCOMPARE(presses.size(), 2);
    for (const auto& press : presses) {
        QCOMPARE(press.at(1).value<std::optional<Square>>(), std::nullopt);
    }
}

void BoardWidgetTest::pressOnAControlOverTheBoardStaysWithTheControl_data() {
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("clickThrough");
    QTest::addColumn<bool>("reachesTheSquare");
    QTest::addRow("label shown") << true << false << false;
    QTest::addRow("label hidden") << false << false << true;
    QTest::addRow("picture the pointer passes through") << true << true << true;
}

void BoardWidgetTest::pressOnAControlOverTheBoardStaysWithTheControl() {
    // A label ignores presses and Qt hands them on to the board underneath; a press on a label
    // (such as the demonstration's text over a narrow window's board) must not make a move.
    QFETCH(bool, visible);
    QFETCH(bool, clickThrough);
    QFETCH(bool, reachesTheSquare);
    Board board;
    board.widget.resize(613, 448);
    auto* label = new QLabel("text", &board.widget);
    label->setAutoFillBackground(true);
    label->setGeometry(QRect(QPoint(0, 0), QSize(40, 20)));
    label->setAttribute(Qt::WA_TransparentForMouseEvents, clickThrough);
    label->setVisible(visible);
    board.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board.widget));
    label->move(board.Centre(7, 4, 2) - QPoint(20, 10));  // once the board is laid out
    QSignalSpy presses(&board.widget, &BoardWidget::squarePressed);

    QTest::mousePress(&board.widget, Qt::LeftButton, {}, board.Centre(7, 4, 2));
    QCOMPARE(presses.size(), reachesTheSquare ? 1 : 0);
    // Beside the label the board still takes its presses.
    QTest::mousePress(&board.widget, Qt::LeftButton, {}, board.Centre(1, 1, 1));
    QCOMPARE(presses.size(), reachesTheSquare ? 2 : 1);
    QCOMPARE(presses.last().at(1).value<std::optional<Square>>(), std::optional(Square{1, 1, 1}));
}

void BoardWidgetTest::paintShowsTheKeptImage() {
    Board board;
    board.widget.resize(613, 448);
    board.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board.widget));
    const QImage shown = board.widget.grab().toImage();
    const QImage& kept = board.widget.image();
    QCOMPARE(shown.size(), kept.size());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), kept);

    // Drawing on the canvas shows only after a repaint; nothing is drawn from the game state.
    board.state.squareState.Fill(0);
    board.widget.update();
    QCOMPARE(board.widget.grab().toImage().convertToFormat(QImage::Format_RGB32), kept);
}

void BoardWidgetTest::zeroWidthHitsNothing() {
    QWidget parent;  // outlives the board, which leaves it when destroyed
    Board board;
    parent.resize(613, 448);
    board.widget.setParent(&parent);
    board.widget.setGeometry(0, 0, 0, 448);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(board.geometry.scaleWidth, 0.0);
    QCOMPARE(board.geometry.cellSize, 0.0f);

    QSignalSpy presses(&board.widget, &BoardWidget::squarePressed);
    QTest::mousePress(&board.widget, Qt::LeftButton, {}, QPoint(0, 100));
    QCOMPARE(presses.size(), 1);
    QCOMPARE(presses.first().at(1).value<std::optional<Square>>(), std::nullopt);

    board.widget.setGeometry(0, 0, 613, 448);
    QVERIFY(board.geometry.cellSize > 0);
}

QTEST_MAIN(BoardWidgetTest)
#include "board_widget_test.moc"
