// frmBestScores offscreen: layout and menus, plain-text names, the View and Delete menus, the
// "Delete all" confirmation, saving when closed, activation and the background's sizing rule.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "colours/colour_model.h"
#include "scores/best_scores_window.h"
#include "scores/data_file.h"

using zendrix::BestScoreEntry;
using zendrix::BestScoresWindow;
using zendrix::BestScoreTable;

namespace {

// The game as the window sees it; saving goes to a real data file in a private directory.
class TestHost : public zendrix::BestScoresHost {
  public:
    TestHost(const BestScoreTable& table, const QString& directory)
        : table_(table), file_(directory.toStdString()) {}
    int CurrentSizeCode() const override { return size; }
    int CurrentDensityCode() const override { return density; }
    void MarkBestScoresChanged() override { ++marks; }
    void SaveIfChanged() override {
        ++saves;
        if (marks > 0) file_.WriteBestScores(table_, colours_);
    }
    void ShowHelpText() override { ++helps; }
    QString SavedText() const {
        QFile file(QString::fromStdString(file_.path().string()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    int size = 1, density = 2, marks = 0, saves = 0, helps = 0;

  private:
    const BestScoreTable& table_;
    zendrix::ColourModel colours_;
    zendrix::DataFile file_;
};

BestScoreEntry Entry(const char* name, float score, double time = 0, bool reach6 = false,
                     bool reach18 = false, bool demo = false) {
    return BestScoreEntry{name, score, time, reach6, reach18, demo};
}

void Fill(BestScoreTable& table, int size, int density, int count) {
    static const char* const kNames[] = {"Ann", "Bob", "Cy", "Di", "Ed"};
    for (int rank = 1; rank <= count; ++rank) {
        table.At(size, density, rank) =
            Entry(kNames[rank - 1], 100.0f - 10.0f * static_cast<float>(rank), 60 * rank);
    }
}

}  // namespace

class BestScoresWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    static QLabel* Label(QWidget& window, const char* name) {
        return window.findChild<QLabel*>(name);
    }
    static QString Text(QWidget& window, const char* name) { return Label(window, name)->text(); }
    static QAction* Action(QWidget& window, const QString& name) {
        return window.findChild<QAction*>(name);
    }
    static QStringList Captions(QWidget& window, const char* menuName) {
        QStringList texts;
        for (QAction* item : window.findChild<QMenu*>(menuName)->actions()) {
            texts << (item->isSeparator() ? QString("---") : item->text());
        }
        return texts;
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void layoutAndMenus() {
        BestScoreTable table;
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.objectName(), QString("frmBestScores"));
        QCOMPARE(window.windowTitle(), QString("Best Scores"));
        QCOMPARE(window.centralWidget()->size(), QSize(583, 336));  // 8745 x 5040 twips
        QCOMPARE(Label(window, "SizeandDensity")->geometry(), QRect(24, 72, 529, 41));
        QCOMPARE(Label(window, "lblNames")->geometry(), QRect(280, 160, 281, 121));
        QCOMPARE(Label(window, "lblFootnotes")->geometry(), QRect(16, 272, 521, 57));
        // From (200, 4000) to (8500, 4000) twips, each to the nearest pixel.
        QCOMPARE(window.findChild<QFrame*>("lineNotes")->geometry(), QRect(13, 267, 553, 1));
        QCOMPARE(window.findChildren<QLabel*>().size(), 11);
        for (QLabel* label : window.findChildren<QLabel*>()) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->palette().color(label->backgroundRole()), QColor(192, 192, 255));
        }
        QCOMPARE(Text(window, "Label1"), QString("3D-Zendrix Best Scores"));
        QCOMPARE(Label(window, "Label1")->font().pointSize(), 18);

        QStringList titles;
        for (QAction* top : window.menuBar()->actions()) titles << top->text();
        QCOMPARE(titles, QStringList({"&View     ", "&Delete Best Scores     ", "&Help"}));
        QCOMPARE(Captions(window, "mView"),
                 QStringList({"Different Minefield &Size", "Different Mine &Density"}));
        QCOMPARE(Captions(window, "mViewSizeMenu"), QStringList({"&Small", "&Medium", "&Large"}));
        QCOMPARE(Captions(window, "mViewDensityMenu"),
                 QStringList({"  &2%", "  &4%", "  &8%", "&16%", "&32%"}));
        QCOMPARE(Captions(window, "mDelete"),
                 QStringList({"Score #&1", "Score #&2", "Score #&3", "Score #&4", "Score #&5",
                              "&All displayed scores", "---", "Delete all Best Scores"}));
        QCOMPARE(Captions(window, "mHelp"), QStringList({"&Text"}));
        Action(window, "mHelpText")->trigger();
        QCOMPARE(host.helps, 1);
    }

    // Long runs of blanks were fitted to these labels in a narrow face; a wider platform face
    // must not push "Mine density" or the "Notes" heading out of sight.
    void longestCaptionsFitTheirLabels() {
        BestScoreTable table;
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        for (int size = 1; size <= 3; ++size) {
            for (int density = 1; density <= 5; ++density) {
                table.At(size, density, 1) = Entry("Flags", 50, 0, true, true, true);
                window.ShowBestTimes(size, density);
                for (const char* name : {"SizeandDensity", "TableHeading"}) {
                    const QFontMetrics metrics(Label(window, name)->font());
                    for (const QString& line : Text(window, name).split('\n')) {
                        QVERIFY2(metrics.horizontalAdvance(line) <= Label(window, name)->width(),
                                 qPrintable(line));
                    }
                }
            }
        }
        QVERIFY(Text(window, "TableHeading").endsWith("Notes"));
    }

    void showsTheChosenCombinationWhileHidden() {
        BestScoreTable table;
        table.At(3, 5, 1) = Entry("<b>x</b>", 100, 42, false, true);
        table.At(3, 5, 2) = Entry("Demo", 45.5f, 3600, false, false, true);
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        window.ShowBestTimes(3, 5);
        QCOMPARE(Text(window, "lblNumbers"), QString("1)\n2)\n"));
        QCOMPARE(Text(window, "lblScore"), QString("100.00\n   45.50\n"));
        QCOMPARE(Text(window, "lblAdjustedScores"), QString("  50.00\n   45.5\n"));
        QCOMPARE(Text(window, "lblTimes"), QString("00:00:42\n01:00:00\n"));
        QCOMPARE(Text(window, "lblNames"), QString("<b>x</b>\nDemo\n"));
        QCOMPARE(Text(window, "lblNotes"), QString("(18)\n  (D)\n"));
        QVERIFY(!Label(window, "lblFootnotes")->isHidden());
        QVERIFY(Action(window, "mViewSize3")->isChecked());
        QVERIFY(Action(window, "mViewDensity5")->isChecked());

        // An empty combination: no footnotes, and only the whole-combination deletion is left.
        Action(window, "mViewDensity1")->trigger();
        QCOMPARE(window.displayedSize(), 3);
        QCOMPARE(window.displayedDensity(), 1);
        QCOMPARE(Text(window, "lblNames"), QString());
        QVERIFY(Label(window, "lblFootnotes")->isHidden());
        QVERIFY(window.findChild<QFrame*>("lineNotes")->isHidden());
        for (int rank = 1; rank <= 5; ++rank) {
            QVERIFY(!Action(window, QString("mScore%1").arg(rank))->isVisible());
        }
        QVERIFY(Action(window, "mScore6")->isVisible());
        QVERIFY(!Action(window, "mViewDensity5")->isChecked());

        Action(window, "mViewSize2")->trigger();
        QCOMPARE(window.displayedSize(), 2);
        QCOMPARE(window.displayedDensity(), 1);
        QVERIFY(Action(window, "mViewSize2")->isChecked() &&
                !Action(window, "mViewSize3")->isChecked());
    }

    void deletesOneRankThenTheWholeCombination() {
        BestScoreTable table;
        Fill(table, 2, 4, 3);
        Fill(table, 2, 5, 2);
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        window.ShowBestTimes(2, 4);
        QVERIFY(Action(window, "mScore3")->isVisible() && !Action(window, "mScore4")->isVisible());

        Action(window, "mScore1")->trigger();
        QCOMPARE(host.marks, 1);
        QCOMPARE(Text(window, "lblNames"), QString("Bob\nCy\n"));
        QVERIFY(!Action(window, "mScore3")->isVisible());

        Action(window, "mScore6")->trigger();
        QCOMPARE(host.marks, 2);
        QCOMPARE(table.At(2, 4, 1), BestScoreEntry{});
        QCOMPARE(Text(window, "lblNames"), QString());
        QCOMPARE(table.At(2, 5, 2).name, std::string("Bob"));  // the neighbour is left alone
    }

    void deleteAllAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(QMessageBox::Yes);
        QTest::newRow("No") << int(QMessageBox::No);
        QTest::newRow("Cancel") << int(QMessageBox::Cancel);
    }

    void deleteAllAsksFirst() {
        QFETCH(int, answer);
        BestScoreTable table;
        Fill(table, 1, 1, 5);
        Fill(table, 3, 5, 1);
        const BestScoreTable before = table;
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Action(window, "mViewSize3")->trigger();
        Action(window, "mViewDensity5")->trigger();

        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            defaultButton = box->standardButton(box->defaultButton());
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            // A desktop takes the activation away for the box (offscreen does not).
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(&window, &deactivate);
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        Action(window, "mDeleteAll")->trigger();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);

        QCOMPARE(title, QString("Confirm Delete All Best Scores"));
        QCOMPARE(text, QString(" Are you CERTAIN you wish to\n\n DELETE ALL BEST SCORES\n\n"
                               "       for ALL Minefield Sizes \n\n"
                               "    and for ALL Mine Densities,\n\n         NOT JUST THE\n\n"
                               "   CURRENT Minefield Size \n\nand CURRENT Mine Density?"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(defaultButton, QMessageBox::Cancel);
        const bool yes = answer == QMessageBox::Yes;
        QCOMPARE(table == (yes ? BestScoreTable{} : before), true);
        QCOMPARE(host.marks, yes ? 1 : 0);
        QCOMPARE(Text(window, "lblNames"), yes ? QString() : QString("Ann\n"));
        // Coming back from the box keeps the combination the player chose; coming back from
        // anywhere else shows the current game's again.
        QCOMPARE(window.displayedSize(), 3);
        QCOMPARE(window.displayedDensity(), 5);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(window.displayedSize(), host.size);
        QCOMPARE(window.displayedDensity(), host.density);
    }

    void closingSavesAndOnlyHides() {
        QTemporaryDir dir;
        BestScoreTable table;
        Fill(table, 1, 2, 2);
        TestHost host(table, dir.path());
        QPointer<BestScoresWindow> window = new BestScoresWindow(table, host);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        Action(*window, "mScore2")->trigger();
        QVERIFY(!window->close());
        QVERIFY(window && window->isHidden());
        QCOMPARE(host.saves, 1);
        const QString saved = host.SavedText();
        QVERIFY(saved.contains("\r\n\"Ann\",90,60,#FALSE#,#FALSE#,#FALSE#\r\n\"\",0,0,"));
        QVERIFY(!saved.contains("Bob"));

        window->show();  // the same instance comes back
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->unload();  // as the main window does at exit
        QCOMPARE(host.saves, 2);
        delete window;
    }

    void activationShowsTheCurrentGamesCombination() {
        BestScoreTable table;
        Fill(table, 2, 3, 1);
        TestHost host(table, dir_.path());
        host.size = 2;
        host.density = 3;
        BestScoresWindow window(table, host);
        window.ShowBestTimes(3, 5);
        // Minimised while hidden: the offscreen platform restores a shown window by itself.
        window.setWindowState(Qt::WindowMinimized);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.displayedSize(), 2);
        QCOMPARE(window.displayedDensity(), 3);
        QCOMPARE(Text(window, "lblNames"), QString("Ann\n"));
    }

    void drawsTheTableAndFollowsResizing() {
        BestScoreTable table;
        table.At(1, 2, 1) = Entry("Marguerite", 100, 754);
        table.At(1, 2, 2) = Entry("<b>x</b>", 99.99f, 1342, true);
        table.At(1, 2, 3) = Entry("Sam", 45.5f, 3725, false, true, true);
        table.At(1, 2, 4) = Entry("Lou", 7.25f, 61, false, false, true);
        TestHost host(table, dir_.path());
        BestScoresWindow window(table, host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();

        const QImage image = window.grab().toImage();
        const QPoint client = window.centralWidget()->pos();
        const qreal ratio = image.devicePixelRatio();
        auto pixel = [&](int x, int y) {
            return image.pixelColor(int((client.x() + x) * ratio), int((client.y() + y) * ratio));
        };
        QCOMPARE(pixel(5, 5), QColor(192, 192, 255));
        QCOMPARE(pixel(570, 330), QColor(192, 192, 255));
        QCOMPARE(pixel(300, 1440 / 15), QColor(Qt::black));  // Line1
        QCOMPARE(pixel(300, 267), QColor(Qt::black));        // lineNotes
        bool inked = false;                                  // the first name is drawn
        for (int y = 160; y < 180 && !inked; ++y) {
            for (int x = 280; x < 340 && !inked; ++x) inked = pixel(x, y).lightness() < 80;
        }
        QVERIFY(inked);

        window.resize(800, 600);
        QTRY_COMPARE(window.size(), QSize(800, 600));
        const QSize inner = window.centralWidget()->size();
        QTRY_COMPARE(Label(window, "lblBestScores")->size(),
                     QSize(inner.width() * 5535 / 5505, inner.height() * 6555 / 3450));
        QCOMPARE(Label(window, "lblNames")->geometry(), QRect(280, 160, 281, 121));
    }
};

QTEST_MAIN(BestScoresWindowTest)
#include "best_scores_window_test.moc"
