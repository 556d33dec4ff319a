// The main window through its real widgets: start-up, labels and commands, play by mouse clicks
// with the end-of-game dialogues, and the demonstration's buttons.
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "board/board_widget.h"
#include "demonstration/demonstration_script.h"
#include "mainwindow/mine_board_window.h"
#include "scores/best_scores_window.h"
#include "support/modal.h"
#include "support/started_window.h"

using namespace zendrix;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void startUpLeavesTheDemonstrationBoard();
    void labelsAndMinefieldKindThroughTheKeys();
    void playingToASweepAndToAStrikeByMouse();
    void newBestScoreAsksForANameAndCutsIt();
    void gameCommandsAbandonTheGameWithoutADialogue();
    void demonstrationButtons();
    void fileTroubleAtReplayLeavesTheDemonstrationRunning();
    void everyLabelShowsPlainText();
    void menusAreExact();
    void restoringAMinimisedWindowKeepsItsEarlierState();
    void changeableColourRecoloursTheBoardAtOnce();
    void aSaveThatFailsAtExitAsksWhatToDo_data();
    void aSaveThatFailsAtExitAsksWhatToDo();
    void secondaryWindowsGoBeforeTheGameControlTheyUse();

  private:
    MineBoardWindow& Window() { return *started_.window; }
    QLabel* Label(Control c) { return static_cast<QLabel*>(started_.window->control(c)); }
    void Click(Qt::MouseButton button, int c, int r, int l);
    // Plays the current (demo) field to its end by clicking squares.
    void PlayToEnd(bool strike);

    std::unique_ptr<QObject> context_;
    testing::StartedMainWindow started_;
    QStringList dialogueTitles_;
};

void MainWindowTest::init() {
    context_ = std::make_unique<QObject>();
    QVERIFY(started_.Start());
}

void MainWindowTest::cleanup() {
    context_.reset();
    started_.Stop();
}

void MainWindowTest::Click(Qt::MouseButton button, int c, int r, int l) {
    const PointF p = ProjectPoint(Window().board().geometry(), Window().board().game().rowCount,
                                  c + 0.5, r + 0.5, l);
    QTest::mouseClick(Window().boardWidget(), button, {},
                      QPoint(static_cast<int>(p.x / 15), static_cast<int>(p.y / 15)));
}

void MainWindowTest::PlayToEnd(bool strike) {
    GameState& g = Window().board().game();
    for (int c = 1; c <= g.columnCount && !g.gameOver; ++c)
        for (int r = 1; r <= g.rowCount && !g.gameOver; ++r)
            for (int l = 1; l <= 3 && !g.gameOver; ++l)
                if (g.IsCovered(c, r, l) && (strike || !g.IsMine(c, r, l) || g.uncoveredCount == 0))
                    Click(Qt::LeftButton, c, r, l);
}

void MainWindowTest::startUpLeavesTheDemonstrationBoard() {
    QVERIFY(Label(Control::lblTitle)->isVisible());
    QVERIFY(Label(Control::lblCopyright)->isVisible());
    QVERIFY(Window().control(Control::cmdNewMinefield)->isVisible());
    QVERIFY(!Label(Control::lblDisplay)->isVisible());
    QCOMPARE(Window().board().game().lastScore, 21.49f);
    QVERIFY(Window().board().game().gameOver);
    QCOMPARE(Window().board().game().struckColumn, int16_t{2});
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // The struck mine's red body sits just below the centre of square (2, 2, 2).
    const BoardGeometry& g = Window().board().geometry();
    const PointF centre = ProjectPoint(g, 4, 2.5, 2.5, 2);
    const QImage& image = Window().boardWidget()->image();
    const qreal ratio = image.devicePixelRatio();
    const QColor body =
        image.pixelColor(static_cast<int>(centre.x / 15 * ratio),
                         static_cast<int>((centre.y - g.cellSize * 0.1) / 15 * ratio));
    QCOMPARE(body, QColor(255, 0, 0));

    QFile file("3DZendrix.dat");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 93);
}

void MainWindowTest::labelsAndMinefieldKindThroughTheKeys() {
    for (const char* expected :
         {"Demo Minefield S4 #1", "Demo Minefield S4 #2", "Demo Minefield S4 #3",
          "Demo Minefield S4 #4", "Demo Minefield S4 #1"}) {
        QTest::keyClick(&Window(), Qt::Key_F2);
        QCOMPARE(Label(Control::lblDemoMinefield)->text(), QString(expected));
        QVERIFY(Label(Control::lblDemoMinefield)->isVisible());
        QVERIFY(Window().action("mDemo")->isChecked());
    }
    QVERIFY(!Label(Control::lblTitle)->isVisible());
    QTest::keyClick(&Window(), Qt::Key_F1);
    QVERIFY(!Label(Control::lblDemoMinefield)->isVisible());
    QVERIFY(Window().action("mNewGame")->isChecked());
    QVERIFY(!Window().action("mDemo")->isChecked());

    Window().action("mMineReachto0")->trigger();
    QCOMPARE(
        Label(Control::lblMineInfo)->text(),
        QString(
            "Minefield Size: Small\nMine Density:   4%\nMine Reach:     6 (adjacent sides only)"));
    QVERIFY(Window().action("mMineReachto0")->isChecked());
    QVERIFY(!Window().action("mMineReachto2")->isChecked());
    QCOMPARE(Label(Control::lblMineDetectionInfo)->text(),
             QString("Number of mines: 4\nNumber of locations unexposed: 96"));
    QTest::keyClick(&Window(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Window().board().colours().MarkerColour(), 6);
    QVERIFY(Window().action("mMarkColor2")->isChecked());
    QVERIFY(!Window().action("mMarkColor0")->isChecked());
}

void MainWindowTest::playingToASweepAndToAStrikeByMouse() {
    QTest::keyClick(&Window(), Qt::Key_F2);
    Click(Qt::RightButton, 1, 1, 1);
    QCOMPARE(Window().board().game().markMap(1, 1, 1), int16_t{4});
    Click(Qt::RightButton, 1, 1, 1);
    QCOMPARE(Window().board().game().markMap(1, 1, 1), int16_t{0});

    QString title, text;
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            text = input->labelText();
            input->setTextValue("Tester");
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            box->accept();
        }
    });
    PlayToEnd(false);
    QVERIFY(Window().board().game().gameOver);
    QCOMPARE(Window().board().game().struckColumn, int16_t{0});
    QElapsedTimer waited;
    waited.start();
    QTRY_VERIFY_WITH_TIMEOUT(!title.isEmpty(), 4000);
    QVERIFY2(waited.elapsed() >= 800, "the dialogue comes about a second later");
    QCOMPARE(title, QString("Successful minesweep and a new high score"));
    QVERIFY(text.startsWith(
        "\nCongratulations, you have swept the minefield\n     without detonating a mine."));
    QVERIFY(text.endsWith("Your score is 100% which is a new high score.\n\nEnter a name:"));
    QCOMPARE(QString::fromStdString(Window().board().bestScores().At(1, 2, 1).name),
             QString("Tester"));

    title.clear();
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(&Window(), Qt::Key_F2);
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
        }
        if (auto* input = qobject_cast<QInputDialog*>(modal)) text = input->labelText();
        static_cast<QDialog*>(modal)->reject();
    });
    PlayToEnd(true);
    QVERIFY(Window().board().game().struckColumn > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!title.isEmpty(), 4000);
    QVERIFY(title == "Struck a mine!" || title == "Struck a mine but achieved a new high score");
    QVERIFY(text.startsWith("\nWhoops! You struck a mine.\n\n     Your score is "));
}

void MainWindowTest::newBestScoreAsksForANameAndCutsIt() {
    QTest::keyClick(&Window(), Qt::Key_F2);
    bool asked = false;
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!input) return static_cast<QDialog*>(modal)->reject();
        asked = true;
        input->setTextValue("abcdefghijklmnopqrstuvwxyz0123");
        input->accept();
    });
    PlayToEnd(false);
    QTRY_VERIFY_WITH_TIMEOUT(asked, 4000);
    QCOMPARE(QString::fromStdString(Window().board().bestScores().At(1, 2, 1).name),
             QString("abcdefghijklmnopqrstuvwxy"));
    QCOMPARE(QString::fromStdString(Window().board().lastBestName()),
             QString("abcdefghijklmnopqrstuvwxy"));
}

void MainWindowTest::gameCommandsAbandonTheGameWithoutADialogue() {
    QTest::keyClick(&Window(), Qt::Key_F2);
    PlayToEnd(true);
    QVERIFY(Window().timer(Timer::clkBestScoreDelay)->isActive());
    // A new game during the delay stops it (the game control's tests show that no dialogue
    // follows).
    Window().action("mSize1")->trigger();
    QVERIFY(!Window().timer(Timer::clkBestScoreDelay)->isActive());
    QCOMPARE(Window().board().game().columnCount, int16_t{12});
    QVERIFY(!Window().board().game().gameOver);

    Click(Qt::LeftButton, 6, 3, 2);
    Window().board().ClockTick();
    const double elapsed = Window().board().game().elapsedSeconds;
    QVERIFY(elapsed >= 1);
    Window().action("mMineReachto1")->trigger();
    QCOMPARE(Window().board().game().elapsedSeconds, elapsed);
    QVERIFY(Window().timer(Timer::clock)->isActive());
    Window().action("mminedensity4")->trigger();
    QCOMPARE(Label(Control::clockdisplay)->text(), QString("Time elapsed: 00:00:00"));
    QCOMPARE(Window().board().game().uncoveredCount, 0);
}

void MainWindowTest::demonstrationButtons() {
    const int marker = 8;
    QTest::keyClick(&Window(), Qt::Key_B, Qt::ControlModifier);
    Window().action("mShowDemo")->trigger();
    auto* freeze = static_cast<QPushButton*>(Window().control(Control::cmdFreeze));
    QVERIFY(Label(Control::lblDisplay)->isVisible());
    QVERIFY(Label(Control::lblMoveDescription)->isVisible());
    QVERIFY(freeze->isVisible());
    // The panel's text and buttons stand in front of the panel, the pointer in front of all.
    for (Control c : {Control::cmdFreeze, Control::cmdReplay, Control::cmdCancelDisplay,
                      Control::lblMoveDescription}) {
        QWidget* widget = Window().control(c);
        const QPoint centre = widget->geometry().center();
        QCOMPARE(Window().boardWidget()->childAt(centre), widget);
    }
    // Every step's text fits its box.
    QLabel* description = Label(Control::lblMoveDescription);
    for (int step = 0; step <= 12; ++step) {
        const QString text = QString::fromStdString(WithLineFeeds(DemonstrationCaption(step)));
        const QRect needed = description->fontMetrics().boundingRect(
            QRect(0, 0, description->width(), description->height()), Qt::TextWordWrap, text);
        QVERIFY2(needed.height() <= description->height(), qPrintable(text));
    }
    QTest::mouseClick(freeze, Qt::LeftButton);
    QCOMPARE(freeze->text(), QString("Continue"));
    QTest::mouseClick(freeze, Qt::LeftButton);
    QCOMPARE(freeze->text(), QString("Freeze"));
    QTest::mouseClick(static_cast<QPushButton*>(Window().control(Control::cmdCancelDisplay)),
                      Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!Label(Control::lblDisplay)->isVisible(), 3000);
    QCOMPARE(Window().board().game().lastScore, 21.49f);
    QCOMPARE(Window().board().colours().MarkerColour(), marker);
    QVERIFY(Window().action("mMarkColor4")->isChecked());

    Window().action("mShowDemo")->trigger();
    QVERIFY(Label(Control::lblDisplay)->isVisible());
    Window().action("mSize2")->trigger();
    QVERIFY(!Label(Control::lblDisplay)->isVisible());
    QVERIFY(!Window().board().game().gameOver);
    QCOMPARE(Window().board().game().columnCount, int16_t{16});
    QVERIFY(!Label(Control::lblTitle)->isVisible());
}

void MainWindowTest::fileTroubleAtReplayLeavesTheDemonstrationRunning() {
    // Replay saves and re-reads the file, and tells the player what went wrong there. The box must
    // not run the demonstration to its end unseen while it is open. The file is damaged meanwhile.
    {
        QFile file("3DZendrix.dat");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a data file\r\n");
    }
    QString title;
    bool runningWhileOpen = false;
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        // The player reads the box for a while; the event loop keeps turning meanwhile.
        QTimer::singleShot(300, modal, [&, modal] {
            title = modal->windowTitle();
            runningWhileOpen = Window().board().game().demonstrationMode;
            static_cast<QMessageBox*>(modal)->accept();
        });
    });
    Window().action("mShowDemo")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!title.isEmpty(), 5000);
    QCOMPARE(title, QString("3D-Zendrix data file"));
    QVERIFY(runningWhileOpen);
    QVERIFY(Window().board().game().demonstrationMode);
    QVERIFY(Label(Control::lblDisplay)->isVisible());
    QVERIFY(Label(Control::lblMoveDescription)->isVisible());
    QCOMPARE(Window().timer(Timer::tmrDisplayScreen)->interval(), 2000);
    QVERIFY(Window().timer(Timer::tmrDisplayScreen)->isActive());
}

// Every entry of the menus as "caption | objectName | shortcut", separators as "- name", the
// entries of a submenu indented by two blanks.
QStringList MenuLines(const QList<QAction*>& actions, const QString& indent = "") {
    QStringList lines;
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            lines << indent + "- " + action->objectName();
            continue;
        }
        // A top-level menu carries its name on the menu, a submenu on its entry.
        const QString name = action->objectName().isEmpty() && action->menu()
                                 ? action->menu()->objectName()
                                 : action->objectName();
        lines << indent + action->text() + " | " + name + " | " + action->shortcut().toString();
        if (QMenu* menu = action->menu()) lines << MenuLines(menu->actions(), indent + "  ");
    }
    return lines;
}

void MainWindowTest::menusAreExact() {
    const QStringList expected = {
        "&File       | mFile | ",
        "  - mmenuline2",
        "  E&xit | mExit | ",
        "&Game      | mGame | ",
        "  Use R&andom Minefields | mNewGame | F1",
        "  Use D&emo Minefields | mDemo | F2",
        "  - mmenuline3",
        "  Change Minefield &Size | mChangeSize | ",
        "    &Small | mSize0 | ",
        "    &Medium | mSize1 | ",
        "    &Large | mSize2 | ",
        "  Change Mine &Density | mMDensity | ",
        "      &2% | mminedensity0 | ",
        "      &4% | mminedensity1 | ",
        "      &8% | mminedensity2 | ",
        "    &16% | mminedensity3 | ",
        "    &32% | mminedensity4 | ",
        "  Change Mine &Reach | mMineExplosive | ",
        "    &Only 6 sides | mMineReachto0 | ",
        "    &Nearest 18 sides or edges | mMineReachto1 | ",
        "    &All 26 sides, edges or points | mMineReachto2 | ",
        "&Color       | mColor | ",
        "  Use &Default Colors | mUseDefaults | ",
        "  Change &Marker Colors | mChangeMarker | ",
        "    &Red | mMarkColor0 | Ctrl+R",
        "    &Orange | mMarkColor1 | Ctrl+O",
        "    &Yellow | mMarkColor2 | Ctrl+Y",
        "    &Green | mMarkColor3 | Ctrl+G",
        "    &Blue | mMarkColor4 | Ctrl+B",
        "    &Violet | mMarkColor5 | Ctrl+V",
        "  Select &Item Colors... | mSelectColors | ",
        "  Modify &Changeable Colors... | mCreateColor | ",
        "&Scores     | mScores | ",
        "  &Show Best Scores | mShowBestScores | ",
        "&Help       | mHelp | ",
        "  &Text... | mHelpText | ",
        "  Demonstration &Graphic | mShowDemo | ",
        "  - mmenuline1",
        "  &About 3D-Zendrix | mAbout | ",
    };
    const QStringList actual = MenuLines(Window().menuBar()->actions());
    QCOMPARE(actual.join('\n'), expected.join('\n'));
    // The File menu's separator stands above Exit (Qt would hide a leading one by default).
    QVERIFY(!Window().findChild<QMenu*>("mFile")->separatorsCollapsible());
}

void MainWindowTest::restoringAMinimisedWindowKeepsItsEarlierState() {
    // Activation and the colour windows' request both bring a minimised main window back as it
    // was before. The window stays hidden: the offscreen platform would restore a shown one itself.
    for (bool byActivation : {true, false}) {
        for (Qt::WindowStates before :
             {Qt::WindowStates(Qt::WindowNoState), Qt::WindowStates(Qt::WindowMaximized)}) {
            MineBoardWindow window;
            window.setWindowState(before | Qt::WindowMinimized);
            QVERIFY(window.isMinimized());
            if (byActivation) {
                QEvent activate(QEvent::WindowActivate);
                QCoreApplication::sendEvent(&window, &activate);
            } else {
                window.RestoreMainWindowIfMinimised();
            }
            QCOMPARE(window.windowState(), before);
        }
    }
}

void MainWindowTest::everyLabelShowsPlainText() {
    for (QLabel* label : Window().findChildren<QLabel*>()) {
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    }
}

void MainWindowTest::changeableColourRecoloursTheBoardAtOnce() {
    QTest::keyClick(&Window(), Qt::Key_F1);  // every square covered
    auto pixelOfSquare = [this](int c, int r, int l) {
        const PointF p = ProjectPoint(Window().board().geometry(), 4, c + 0.5, r + 0.5, l);
        const QImage& image = Window().boardWidget()->image();
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(p.x / 15 * ratio),
                                static_cast<int>(p.y / 15 * ratio));
    };
    QCOMPARE(pixelOfSquare(3, 2, 2), QColor(200, 200, 255));

    ColourSelector& selector = Window().board().selector();
    selector.lstbxitems_Click(3);    // "Minefield"
    selector.lstbxcolors_Click(17);  // "Changeable 2"
    selector.Apply();
    QCOMPARE(pixelOfSquare(3, 2, 2), QColor(0, 0, 0));

    ChangeableColours& changeable = Window().board().changeableColours();
    changeable.OptionClick(1);
    changeable.OnScroll(Component::kRedComponent, 0);      // 256, drawn as 255
    changeable.OnScroll(Component::kGreenComponent, 128);  // 128
    changeable.Apply("Salmon");
    QCOMPARE(pixelOfSquare(3, 2, 2), QColor(255, 128, 0));
    QCOMPARE(QString::fromStdString(changeable.ValueLabel(Component::kRedComponent)),
             QString("256  "));
    QVERIFY(selector.ColourEntry(17).starts_with("Salmon"));

    changeable.Delete();
    QCOMPARE(pixelOfSquare(3, 2, 2), QColor(0, 0, 0));
    QVERIFY(selector.ColourEntry(17).starts_with("Changeable 2"));
    QVERIFY(Window().board().bestScoresChanged());
}

void MainWindowTest::aSaveThatFailsAtExitAsksWhatToDo_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("gameEnds");
    QTest::addColumn<QString>("storedMarker");  // line 76 of the data file afterwards
    QTest::newRow("Cancel keeps the game running") << "Cancel" << false << "4";
    QTest::newRow("Retry once the file is writable") << "Retry" << true << "8";
    QTest::newRow("Save a Copy elsewhere") << "Save a Copy..." << true << "4";
    QTest::newRow("Quit Without Saving") << "Quit Without Saving" << true << "4";
}

void MainWindowTest::aSaveThatFailsAtExitAsksWhatToDo() {
    QFETCH(QString, answer);
    QFETCH(bool, gameEnds);
    QFETCH(QString, storedMarker);
    QFile::setPermissions("3DZendrix.dat", QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    // The change is saved at once, which fails: the player is told so once, honestly.
    QString told;
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        told = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    QTest::keyClick(&Window(), Qt::Key_B, Qt::ControlModifier);
    QTRY_VERIFY(!told.isEmpty());
    QVERIFY2(told.contains("read-only"), qPrintable(told));
    QVERIFY(Window().board().unsaved());

    const QString copy = QDir(started_.folder.path()).filePath("elsewhere.dat");
    QFile::remove(copy);
    QStringList buttons;
    testing::WhenModalOpens(context_.get(), [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box && box->objectName() == "exitSaveFailed");
        for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
        if (answer == "Retry") {
            QFile::setPermissions("3DZendrix.dat",
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        if (answer == "Save a Copy...") {
            testing::WhenModalOpens(context_.get(), [copy](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files && files->objectName() == "saveCopyDialog");
                files->selectFile(copy);
                static_cast<QDialog*>(files)->accept();
            });
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove('&') == answer) return button->click();
        }
        box->reject();  // closing the box
    });
    Window().close();
    QTRY_VERIFY(!buttons.isEmpty());
    QCOMPARE(buttons.size(), 4);
    for (const char* expected : {"Retry", "Save a Copy...", "Quit Without Saving", "Cancel"})
        QVERIFY2(buttons.contains(expected), qPrintable(buttons.join('|')));
    QCOMPARE(Window().isVisible(), !gameEnds);

    auto marker = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly)
                   ? QString(file.readAll().split('\n').value(75)).trimmed()
                   : QString();
    };
    QCOMPARE(marker("3DZendrix.dat"), storedMarker);
    if (answer == "Save a Copy...") QCOMPARE(marker(copy), QString("8"));
    QFile::setPermissions("3DZendrix.dat", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void MainWindowTest::secondaryWindowsGoBeforeTheGameControlTheyUse() {
    // Each colour window listens to the game control's colour logic; were it destroyed after the
    // game control, the selector's and the changeable colours' debug checks would stop the test.
    Window().action("mSelectColors")->trigger();
    Window().action("mCreateColor")->trigger();
    Window().action("mShowBestScores")->trigger();
    QVERIFY(Window().findChild<QWidget*>("frmColorSelector")->isVisible());
    started_.window.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
