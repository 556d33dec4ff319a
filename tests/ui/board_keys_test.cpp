// The board played from the keyboard, the neighbourhood preview under Shift, and what a screen
// reader is told: through the real main window, offscreen, on demo minefields.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "board/board_widget.h"
#include "colours/colour_selector_window.h"
#include "colours/create_colour_window.h"
#include "help/help_window.h"
#include "mainwindow/mine_board_window.h"
#include "platform/qt/window_helpers.h"
#include "scores/best_scores_window.h"
#include "support/started_window.h"

using namespace zendrix;

class BoardKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void keyboardGameToASweepAndToAStrike();
    void previewShowsTheReachOverThePicture();
    void screenReaderHearsTheCursorsSquare();

  private:
    MineBoardWindow& Window() { return *started_.window; }
    BoardWidget* Board() { return started_.window->boardWidget(); }
    GameState& Game() { return started_.window->board().game(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Board(), key, modifiers);
    }
    // Walks the cursor to a square by keys alone, from wherever it stands.
    void GoTo(const Square& square);
    QPoint Centre(const Square& square) {
        const PointF p = ProjectPoint(Window().board().geometry(), Game().rowCount,
                                      square.column + 0.5, square.row + 0.5, square.level);
        return {static_cast<int>(p.x / kTwipsPerPixel), static_cast<int>(p.y / kTwipsPerPixel)};
    }
    // The pointer over a square, with or without Shift held (QTest's moves carry no keys).
    void Hover(const Square& square, bool shift = false) {
        const QPointF at = Centre(square);
        QMouseEvent move(QEvent::MouseMove, at, Board()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::sendEvent(Board(), &move);
    }
    QString Description() {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Board());
        return face ? face->text(QAccessible::Description) : QString();
    }

    testing::StartedMainWindow started_;
};

void BoardKeysTest::init() {
    QVERIFY(started_.Start());
}

void BoardKeysTest::cleanup() {
    started_.Stop();
}

void BoardKeysTest::GoTo(const Square& square) {
    // Home, the level keys and the row keys each run into an edge first: the cursor must stop
    // there, or the counts below miss the square.
    Key(Qt::Key_Home);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_PageUp);
    for (int i = 0; i < Game().rowCount + 2; ++i) Key(Qt::Key_Down);
    for (int i = 1; i < square.column; ++i) Key(Qt::Key_Right);
    for (int i = 1; i < square.level; ++i) Key(Qt::Key_PageDown);
    for (int i = 1; i < square.row; ++i) Key(Qt::Key_Up);
    QCOMPARE(Window().board().cursor().square(), square);
}

void BoardKeysTest::keyboardGameToASweepAndToAStrike() {
    // The board joins the Tab order without parting the demonstration's buttons.
    QWidget* freeze = Window().control(Control::cmdFreeze);
    QCOMPARE(freeze->nextInFocusChain(), Window().control(Control::cmdReplay));
    QCOMPARE(Window().control(Control::cmdReplay)->nextInFocusChain(),
             Window().control(Control::cmdCancelDisplay));
    QCOMPARE(Board()->focusPolicy(), Qt::StrongFocus);
    // The keys are the board's from the start.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Board()));

    Window().action("mDemo")->trigger();
    auto* newMinefield = static_cast<QPushButton*>(Window().control(Control::cmdNewMinefield));
    QTest::mouseClick(newMinefield, Qt::LeftButton);
    QCOMPARE(Window().board().game().demoNumber, int16_t{2});
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Board()));

    // The first key only shows the cursor, in the middle of the field: a stray Space uncovers
    // nothing.
    Key(Qt::Key_Space);
    QVERIFY(Window().board().cursor().visible());
    QCOMPARE(Window().board().cursor().square(), (Square{4, 2, 2}));
    QCOMPARE(Game().uncoveredCount, 0);
    QCOMPARE(Board()->overlay().outlines.size(), size_t{2});

    // End goes to the last column; Right then stops at the edge.
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    QCOMPARE(Window().board().cursor().square(), (Square{8, 2, 2}));

    // The marker shortcut works while the board has the focus; Enter marks and unmarks.
    Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Window().board().colours().MarkerColour(), 6);
    Key(Qt::Key_Return);
    QCOMPARE(Game().markMap(8, 2, 2), int16_t{6});
    Key(Qt::Key_Enter);
    QCOMPARE(Game().markMap(8, 2, 2), int16_t{0});
    Key(Qt::Key_R, Qt::ControlModifier);

    // Open with Space, mark every mine with Enter, then a multiple uncover from a number.
    GoTo({1, 1, 1});
    Key(Qt::Key_Space);
    QVERIFY(Game().uncoveredCount > 0);
    QVERIFY(!Game().gameOver);
    std::vector<Square> mines, safe;
    for (int l = 1; l <= Game().levelCount; ++l)
        for (int r = 1; r <= Game().rowCount; ++r)
            for (int c = 1; c <= Game().columnCount; ++c)
                (Game().IsMine(c, r, l) ? mines : safe).push_back({c, r, l});
    QVERIFY(!mines.empty());
    for (const Square& mine : mines) {
        GoTo(mine);
        Key(Qt::Key_Return);
        QCOMPARE(Game().markMap(mine.column, mine.row, mine.level), int16_t{4});
    }
    const Square& first = mines.front();
    std::optional<Square> numbered;
    for (const Square& s : safe) {
        if (Game().squareState(s.column, s.row, s.level) > 0 &&
            std::abs(s.column - first.column) <= 1 && std::abs(s.row - first.row) <= 1 &&
            std::abs(s.level - first.level) <= 1) {
            numbered = s;
        }
    }
    QVERIFY(numbered);
    GoTo(*numbered);
    Key(Qt::Key_Return);
    for (const Offset& o : Neighbourhood(Game().reachLevel)) {
        const Square n{numbered->column + o.dc, numbered->row + o.dr, numbered->level + o.dl};
        if (Game().InField(n) && Game().markMap(n.column, n.row, n.level) == 0) {
            QVERIFY(!Game().IsCovered(n.column, n.row, n.level));
        }
    }
    for (const Square& s : safe) {
        if (Game().gameOver) break;
        if (!Game().IsCovered(s.column, s.row, s.level)) continue;
        GoTo(s);
        Key(Qt::Key_Space);
    }
    QVERIFY(Game().gameOver);
    QCOMPARE(Game().struckColumn, int16_t{0});
    QCOMPARE(Game().uncoveredCount, static_cast<int>(Game().safeSquareCount));
    QVERIFY(!Window().timer(Timer::clock)->isActive());
    QVERIFY(Window().timer(Timer::clkBestScoreDelay)->isActive());

    // After the end, keys press nothing, as the mouse does not.
    GoTo(mines.back());
    Key(Qt::Key_Space);
    QCOMPARE(Game().struckColumn, int16_t{0});

    // Second game: F2 works from the board; the cursor stays shown. A Space on a mine ends it.
    Key(Qt::Key_F2);
    QVERIFY(!Game().gameOver);
    QVERIFY(Window().board().cursor().visible());
    GoTo({2, 2, 2});
    Key(Qt::Key_Space);
    std::optional<Square> mine;
    for (int l = 1; l <= 3 && !mine; ++l)
        for (int r = 1; r <= Game().rowCount && !mine; ++r)
            for (int c = 1; c <= Game().columnCount && !mine; ++c)
                if (Game().IsMine(c, r, l)) mine = Square{c, r, l};
    QVERIFY(mine);
    GoTo(*mine);
    Key(Qt::Key_Space);
    QVERIFY(Game().gameOver);
    QCOMPARE((Square{Game().struckColumn, Game().struckRow, Game().struckLevel}), *mine);
    QVERIFY(Window().timer(Timer::clkBestScoreDelay)->isActive());
    QVERIFY(QAccessible::queryAccessibleInterface(Board())
                ->text(QAccessible::Description)
                .endsWith(": struck mine"));

    // A mouse press on the board hides the cursor again.
    QTest::mouseClick(Board(), Qt::LeftButton, {}, Centre({1, 1, 1}));
    QVERIFY(!Window().board().cursor().visible());
    QVERIFY(Board()->overlay().empty());
    Key(Qt::Key_F1);  // no end-of-game dialogue is left pending
}

void BoardKeysTest::previewShowsTheReachOverThePicture() {
    Window().action("mDemo")->trigger();
    QTest::mouseClick(Board(), Qt::LeftButton, {}, Centre({1, 1, 1}));
    QVERIFY(Game().uncoveredCount > 0);
    const QImage kept = Board()->image().copy();
    const QImage plain = Board()->grab().toImage();

    const Square centre{4, 2, 2};
    Hover(centre);
    QVERIFY(Board()->overlay().empty());  // no Shift, no preview
    QTest::keyPress(Board(), Qt::Key_Shift);
    // Reach 26 around a middle square: 26 lightened squares on three levels, the square itself
    // outlined.
    QCOMPARE(Board()->overlay().faces.size(), size_t{26});
    QCOMPARE(Board()->image(), kept);  // drawn over the picture, never into it
    QImage shown = Board()->grab().toImage();
    const QPoint above = Centre({4, 2, 1});
    QVERIFY(shown.pixelColor(above) != plain.pixelColor(above));
    const QPoint far = Centre({8, 4, 3});
    QCOMPARE(shown.pixelColor(far), plain.pixelColor(far));

    // A change of reach shows at once; moving over another square follows the pointer.
    Window().action("mMineReachto0")->trigger();
    QCOMPARE(Board()->overlay().faces.size(), size_t{6});
    Hover({1, 1, 1}, true);
    QCOMPARE(Board()->overlay().faces.size(), size_t{3});  // a corner of the top level
    // With the keyboard cursor shown, the preview stands on the cursor's square.
    Key(Qt::Key_Right);
    QCOMPARE(Board()->overlay().faces.size(), size_t{6});

    QTest::keyRelease(Board(), Qt::Key_Shift);
    QCOMPARE(Board()->overlay().faces.size(), size_t{0});
    Window().action("mMineReachto2")->trigger();
    QTest::mouseClick(Board(), Qt::RightButton, {}, Centre({8, 4, 3}));
    QVERIFY(Board()->overlay().empty());
    // Mark and unmark: the picture is the one before the preview.
    QTest::mouseClick(Board(), Qt::RightButton, {}, Centre({8, 4, 3}));
    QCOMPARE(Board()->image(), kept);
    QCOMPARE(Board()->grab().toImage(), plain);

    // Leaving the board takes the preview away as well.
    Hover(centre, true);
    QVERIFY(!Board()->overlay().empty());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Board(), &leave);
    QVERIFY(Board()->overlay().empty());
    QTest::keyRelease(Board(), Qt::Key_Shift);
}

void BoardKeysTest::screenReaderHearsTheCursorsSquare() {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Board());
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Minefield"));

    Window().action("mDemo")->trigger();
    Board()->setFocus();
    QCOMPARE(Description(), QString());  // no cursor, nothing to tell
    Key(Qt::Key_Down);                   // shows the cursor
    QCOMPARE(Description(), QStringLiteral("Level 2, row 2, column 4: covered"));
    Key(Qt::Key_Down);
    QCOMPARE(Description(), QStringLiteral("Level 2, row 1, column 4: covered"));

    Key(Qt::Key_Return);
    QCOMPARE(Description(), QStringLiteral("Level 2, row 1, column 4: covered, marked red"));
    // A changeable colour is told by the name the player gave it.
    ColourModel& colours = Window().board().colours();
    colours.itemColor[kItemMarkers] = kFirstChangeable + 1;
    colours.changeableName[1] = "Sea Green";
    Key(Qt::Key_Return);
    QCOMPARE(Description(), QStringLiteral("Level 2, row 1, column 4: covered, marked Sea Green"));
    Key(Qt::Key_Space);
    const int count = Game().squareState(4, 1, 2);
    QVERIFY(count >= 0);
    QCOMPARE(Description(), QStringLiteral("Level 2, row 1, column 4: uncovered, %1").arg(count));

    // Every control of the secondary windows has a name; the colour bars take the focus.
    const std::vector<QWidget*> windows{Window().bestScoresWindow(),
                                        Window().colourSelectorWindow(),
                                        Window().createColourWindow(), Window().helpWindow()};
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool operable =
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QListWidget*>(control) ||
                qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                (qobject_cast<QScrollBar*>(control) && control->parentWidget() == window);
            // Qt's own helpers (the menu bar's overflow button) are not the window's controls.
            if (!operable || control->objectName().startsWith("qt_")) continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(window->objectName() + "/" + control->objectName()));
            if (qobject_cast<QScrollBar*>(control)) {
                QVERIFY(control->focusPolicy() & Qt::TabFocus);
            }
        }
    }
}

QTEST_MAIN(BoardKeysTest)
#include "board_keys_test.moc"
