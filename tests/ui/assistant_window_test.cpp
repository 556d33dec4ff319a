// The Assistant through the real main window, offscreen: F3 and H, the hint and what a screen
// reader hears of it, the mine chances over the kept picture, the review of a lost game, the
// end-of-game dialogue of an assisted game against an unassisted one, and the no-guess minefields
// with their stored setting and their fallback, and the second count of estimated chances.
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <random>

#include "assistant/assistant_window.h"
#include "board/board_widget.h"
#include "game/placement.h"
#include "mainwindow/mine_board_window.h"
#include "platform/qt/window_helpers.h"
#include "solver/assistant_texts.h"
#include "solver/no_guess.h"
#include "support/modal.h"
#include "support/started_window.h"

using namespace zendrix;

class AssistantWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void assistedGameAgainstAnUnassistedOne();
    void noGuessMinefieldsAreKeptAndNeedNoGuess();
    void estimatedChancesAreCountedAgainAwayFromTheGame();

  private:
    MineBoardWindow& Window() { return *started_.window; }
    BoardWidget* Board() { return started_.window->boardWidget(); }
    GameState& Game() { return started_.window->board().game(); }
    AssistantWindow* Assistant() { return started_.window->assistantWindow(); }
    template <typename T>
    T* Control(const char* name) {
        T* control = Assistant()->findChild<T*>(name);
        if (!control) qFatal("no control %s", name);
        return control;
    }
    QString Text(const char* label) { return Control<QLabel>(label)->text(); }
    // A click on a check box's box, as a player makes it.
    void Tick(const char* name) {
        auto* box = Control<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void Click(Qt::MouseButton button, const Square& s) {
        const PointF p = ProjectPoint(Window().board().geometry(), Game().rowCount, s.column + 0.5,
                                      s.row + 0.5, s.level);
        QTest::mouseClick(
            Board(), button, {},
            QPoint(static_cast<int>(p.x / kTwipsPerPixel), static_cast<int>(p.y / kTwipsPerPixel)));
    }
    // The layout a demo minefield will get at its first uncover, wherever that is.
    GameState DemoLayout() {
        GameState layout = Game();
        StandardRandomSource random;
        PlaceMines(layout, random, 1, 1, 1);
        return layout;
    }
    // Uncovers covered squares in order until a mine is struck; returns what the player saw
    // before that press.
    Position PlayToAStrike();
    // Answers the end-of-game dialogue: its kind, title and text.
    struct Dialogue {
        bool nameAsked = false;
        QString title, text;
    };
    Dialogue AwaitDialogue();

    QTemporaryDir settings_;
    testing::StartedMainWindow started_;
};

void AssistantWindowTest::initTestCase() {
    // Preferences go to a folder of the test's own, never to the home directory.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void AssistantWindowTest::init() {
    QVERIFY(started_.Start());
}

void AssistantWindowTest::cleanup() {
    started_.Stop();
}

Position AssistantWindowTest::PlayToAStrike() {
    Position before;
    for (int c = 1; c <= Game().columnCount && !Game().gameOver; ++c)
        for (int r = 1; r <= Game().rowCount && !Game().gameOver; ++r)
            for (int l = 1; l <= Game().levelCount && !Game().gameOver; ++l)
                if (Game().IsCovered(c, r, l)) {
                    before = PositionOf(Game());
                    Click(Qt::LeftButton, {c, r, l});
                }
    return before;
}

AssistantWindowTest::Dialogue AssistantWindowTest::AwaitDialogue() {
    Dialogue dialogue;
    bool answered = false;
    testing::WhenModalOpens(this, [&](QWidget* modal) {
        dialogue.title = modal->windowTitle();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            dialogue.nameAsked = true;
            dialogue.text = input->labelText();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            dialogue.text = box->text();
        }
        static_cast<QDialog*>(modal)->reject();
        answered = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(answered, 4000); }();
    return dialogue;
}

void AssistantWindowTest::assistedGameAgainstAnUnassistedOne() {
    // A stray H while the Assistant was never opened does nothing at all.
    Window().action("mDemo")->trigger();
    QTest::keyClick(Board(), Qt::Key_H);
    QVERIFY(!Assistant());
    QVERIFY(!Window().board().cursor().visible());
    QVERIFY(!Window().board().assistant().assisted());

    // An unassisted game keeps its dialogue exactly, name prompt and all.
    const Position beforeFirstStrike = PlayToAStrike();
    const Square firstStruck{Game().struckColumn, Game().struckRow, Game().struckLevel};
    const double fifth = Window().board().bestScores().GetBestScore(1, 2);
    const EndOfGameDialogue plain =
        EndOfGameFor(true, Game().lastScore,
                     AdjustedScore(Game().lastScore, Game().elapsedSeconds, Game().reach6Used,
                                   Game().reach18Used),
                     fifth);
    Dialogue dialogue = AwaitDialogue();
    QCOMPARE(dialogue.nameAsked, plain.kind == DialogueKind::kNameInput);
    QCOMPARE(dialogue.text, QString::fromStdString(WithLineFeeds(plain.text)));

    // F3 opens the Assistant, which reviews the loss when it is first asked to. (The offscreen
    // platform gives the main window back its activation only when asked.)
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(Board(), Qt::Key_F3);
    QVERIFY(Assistant());
    QVERIFY(QTest::qWaitForWindowExposed(Assistant()));
    QCOMPARE(Assistant()->windowTitle(), QString("3D-Zendrix Assistant"));
    for (QWidget* control : Assistant()->findChildren<QWidget*>()) {
        if (control->isWidgetType() && control->metaObject()->className() != QString("QWidget"))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(Text("lblReview"),
             QString::fromStdString(
                 ReviewLoss(beforeFirstStrike, Analyse(beforeFirstStrike), firstStruck).text));
    QVERIFY(!Window().board().assistant().assisted());

    // An assisted game: the next demo minefield, at 16 %, opened where the fewest mines are in
    // reach.
    Window().action("mminedensity3")->trigger();
    QCOMPARE(Text("lblReview"), QString(kNoReviewText));
    const GameState layout = DemoLayout();
    Square opening{};
    for (int c = 1; c <= Game().columnCount; ++c)
        for (int r = 1; r <= Game().rowCount; ++r)
            for (int l = 1; l <= Game().levelCount; ++l)
                if (!layout.IsMine(c, r, l) &&
                    (opening == Square{} ||
                     layout.MinesInReach(c, r, l) <
                         layout.MinesInReach(opening.column, opening.row, opening.level)))
                    opening = {c, r, l};
    Click(Qt::LeftButton, opening);
    QVERIFY(Game().uncoveredCount > 0 && !Game().gameOver);
    QVERIFY(!Window().board().assistant().assisted());

    // The hint sends the cursor where the solver says, and the board's description tells why.
    const Position position = PositionOf(Game());
    const Hint expected = ChooseHint(position, Analyse(position), MarkedSquares(Game()),
                                     Window().board().cursor().square());
    QVERIFY(expected.kind == HintKind::kSafe || expected.kind == HintKind::kLowestChance);
    QTest::mouseClick(Control<QPushButton>("cmdHint"), Qt::LeftButton);
    QVERIFY(Window().board().cursor().visible());
    QCOMPARE(Window().board().cursor().square(), expected.square);
    QVERIFY(Text("lblHint").endsWith(QString::fromStdString(" \u2014 " + expected.reason)));
    QCOMPARE(
        Board()->accessibleDescription(),
        QString::fromStdString(DescribeSquare(Game(), Window().board().colours(), expected.square) +
                               " \u2014 " + expected.reason));
    QVERIFY(Window().board().assistant().assisted());
    const Square& hinted = expected.square;
    if (expected.kind == HintKind::kSafe)
        QVERIFY(!Game().IsMine(hinted.column, hinted.row, hinted.level));

    // The chances: a tinted patch on every covered square, over the kept picture, never in it.
    const QImage kept = Board()->image().copy();
    QVERIFY(Board()->overlay().faces.empty());
    Tick("chkMineChances");
    const Analysis analysis = Analyse(position);
    int covered = Game().CoveredCount();
    QCOMPARE(static_cast<int>(Board()->overlay().faces.size()), covered);
    QCOMPARE(Board()->image(), kept);
    Square far{};
    for (int i = position.SquareCount() - 1; far == Square{}; --i)
        if (position.IsCovered(i)) far = position.SquareAt(i);
    const PointF centre = ProjectPoint(Window().board().geometry(), Game().rowCount,
                                       far.column + 0.5, far.row + 0.5, far.level);
    const QColor shown = Board()->grab().toImage().pixelColor(
        static_cast<int>(centre.x / kTwipsPerPixel), static_cast<int>(centre.y / kTwipsPerPixel));
    const OverlayColour tint = TintFor(analysis.squares[position.Index(far)]).fill;
    QCOMPARE(shown, QColor(tint.red, tint.green, tint.blue));
    QVERIFY(!Text("lblChances").isEmpty());
    // Closing the window takes the tint away; opening it again brings it back.
    Assistant()->close();
    QVERIFY(Board()->overlay().faces.empty());
    QCOMPARE(Board()->image(), kept);
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(Board(), Qt::Key_F3);
    QCOMPARE(static_cast<int>(Board()->overlay().faces.size()), covered);

    // The chances follow the moves; H on the board asks for the hint too.
    Click(Qt::LeftButton, expected.kind == HintKind::kSafe ? expected.square : opening);
    // A hint is never shown for a position it was not asked in.
    if (expected.kind == HintKind::kSafe) QCOMPARE(Text("lblHint"), QString(kHintPrompt));
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    Board()->setFocus();
    QTest::keyClick(Board(), Qt::Key_H);
    const Position next = PositionOf(Game());
    covered = Game().CoveredCount();
    QCOMPARE(static_cast<int>(Board()->overlay().faces.size()), covered);
    QCOMPARE(Window().board().cursor().square(),
             ChooseHint(next, Analyse(next), MarkedSquares(Game()), expected.square).square);

    // A strike: the review tells the chance at the press, and the dialogue says why this game
    // stays out of the best scores, without a name prompt.
    Square mine{};
    for (int i = 0; i < next.SquareCount() && mine == Square{}; ++i) {
        const Square s = next.SquareAt(i);
        if (Game().IsMine(s.column, s.row, s.level)) mine = s;
    }
    Click(Qt::LeftButton, mine);
    QVERIFY(Game().gameOver);
    QCOMPARE(Text("lblReview"), QString::fromStdString(ReviewLoss(next, Analyse(next), mine).text));
    QVERIFY(Board()->overlay().faces.empty());
    dialogue = AwaitDialogue();
    QVERIFY(!dialogue.nameAsked);
    QCOMPARE(dialogue.title, QString("Struck a mine!"));
    QCOMPARE(dialogue.text, QString::fromStdString(WithLineFeeds(WithAssistedLine(
                                EndOfGameFor(true, Game().lastScore, 0, 0).text))));
    QVERIFY(dialogue.text.endsWith(QString("\n") + kAssistedGameLine));
    QCOMPARE(Window().board().bestScores().GetBestScore(1, 4), 0.0);
}

void AssistantWindowTest::noGuessMinefieldsAreKeptAndNeedNoGuess() {
    QTest::keyClick(Board(), Qt::Key_F3);
    auto* noGuess = Control<QCheckBox>("chkNoGuess");
    QVERIFY(!noGuess->isChecked());
    Tick("chkNoGuess");
    QVERIFY(QSettings("3dzendrix", "3dzendrix").value("assistant/noGuessMinefields").toBool());
    QVERIFY(QFile::exists(settings_.filePath("3dzendrix/3dzendrix.conf")));
    QVERIFY(MineBoardWindow().board().assistant().noGuess());
    QCOMPARE(Text("lblNoGuess"), QString(kNoGuessNote));

    // Medium at 16 % under reach 18: a random minefield laid at the first uncover that needs no
    // guess, with nothing in reach of the first square.
    Window().action("mMineReachto1")->trigger();
    Window().action("mSize1")->trigger();
    Window().action("mminedensity3")->trigger();
    const Square first{5, 3, 2};
    Click(Qt::LeftButton, first);
    QVERIFY(Game().uncoveredCount > 1);
    QVERIFY(SolvableWithoutGuessing(Game(), first));
    QCOMPARE(Game().MinesInReach(first.column, first.row, first.level), 0);
    QCOMPARE(Text("lblNoGuess"), QString(kNoGuessNote));

    // None found in time: an ordinary random minefield, and the Assistant says so.
    Window().board().assistant().SetNoGuessTimeLimit(std::chrono::milliseconds(0));
    Window().action("mNewGame")->trigger();
    Click(Qt::LeftButton, first);
    int mines = 0;
    for (int i = 0; i < PositionOf(Game()).SquareCount(); ++i) {
        const Square s = PositionOf(Game()).SquareAt(i);
        mines += Game().IsMine(s.column, s.row, s.level);
    }
    QCOMPARE(mines, static_cast<int>(Game().mineCount));
    QCOMPARE(Text("lblNoGuess"), QString(kNoGuessFallbackText));

    // Demo minefields keep their own layouts.
    Window().action("mDemo")->trigger();
    QCOMPARE(Text("lblNoGuess"), QString(kNoGuessNote));
    const GameState layout = DemoLayout();
    Click(Qt::LeftButton, first);
    QCOMPARE(Game().mineMap, layout.mineMap);
}

void AssistantWindowTest::estimatedChancesAreCountedAgainAwayFromTheGame() {
    // A Large demo minefield at 32 % under reach 26, its safe squares uncovered here and there
    // with the chances shown: soon a position is too large to count within the game's limits.
    // The window counts it again on a thread of its own, away from the game, and says how that
    // ended.
    Window().action("mDemo")->trigger();
    Window().action("mSize2")->trigger();
    Window().action("mminedensity4")->trigger();
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(Board(), Qt::Key_F3);
    QVERIFY(QTest::qWaitForWindowExposed(Assistant()));
    Tick("chkMineChances");
    const GameState layout = DemoLayout();
    std::vector<Square> safe;
    for (int c = 1; c <= Game().columnCount; ++c)
        for (int r = 1; r <= Game().rowCount; ++r)
            for (int l = 1; l <= Game().levelCount; ++l)
                if (!layout.IsMine(c, r, l)) safe.push_back({c, r, l});
    std::shuffle(safe.begin(), safe.end(), std::mt19937(7));
    auto nextSafe = [&] {
        while (!Game().IsCovered(safe.back().column, safe.back().row, safe.back().level))
            safe.pop_back();
        return safe.back();
    };
    bool estimated = false;
    while (!estimated && !Game().gameOver) {
        Click(Qt::LeftButton, nextSafe());
        estimated = Text("lblChances").contains("estimates");
    }
    QVERIFY2(estimated, "no position of the game was left to an estimate");
    // The count comes back to the window, which draws exact chances or says that there were too
    // many layouts even so; the tint stays on every covered square.
    const Position estimatedPosition = PositionOf(Game());
    QVERIFY(Text("lblChances").contains("counting them exactly"));
    QTRY_VERIFY_WITH_TIMEOUT(!Text("lblChances").contains("counting them exactly"), 15000);
    const QString status = Text("lblChances");
    QVERIFY2(status.startsWith("Exact chances") || status.contains("too many layouts to count"),
             qPrintable(status));
    QVERIFY(PositionOf(Game()) == estimatedPosition);
    QCOMPARE(static_cast<int>(Board()->overlay().faces.size()), Game().CoveredCount());
}

QTEST_MAIN(AssistantWindowTest)
#include "assistant_window_test.moc"
