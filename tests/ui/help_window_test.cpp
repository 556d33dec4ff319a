// frmHelpText offscreen: the read-only manual, the text box sizing rule, reuse of the one instance
// with its scroll position, closing by the frame and restoring from minimised.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

#include "help/help_text.h"
#include "help/help_window.h"

using zendrix::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

  private:
    static QPlainTextEdit* TextBox(HelpWindow& window) {
        return window.findChild<QPlainTextEdit*>("txtbxDirections");
    }
    static int TopTextPosition(QPlainTextEdit& box) {
        return box.cursorForPosition(QPoint(2, 2)).position();
    }

  private slots:
    void showsTheManualReadOnly() {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.objectName(), QString("frmHelpText"));
        QCOMPARE(window.windowTitle(), QString("Help "));
        QCOMPARE(window.size(), QSize(489, 364));  // 7335 x 5460 twips

        QPlainTextEdit* box = TextBox(window);
        QVERIFY(box);
        QCOMPARE(box, window.textBox());
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->pos(), QPoint(0, 0));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(box->font().bold());

        QString expected = QString::fromStdString(zendrix::HelpDocument());
        expected.replace("\r\n", "\n");
        QCOMPARE(box->toPlainText(), expected);
        QVERIFY(!box->toPlainText().contains('\r'));
        QVERIFY(box->toPlainText().contains(QString::fromUtf8("factor ½ if a Mine Reach of 18")));

        // Typing into the box changes nothing.
        box->setFocus();
        QTest::keyClicks(box, "xyz");
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->toPlainText(), expected);
    }

    void textBoxFollowsTheWindow_data() {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<QSize>("boxSize");
        // The box starts 1 pixel (15 twips) short of the window in each direction.
        QTest::newRow("first shown") << QSize(489, 364) << QSize(488, 363);
        QTest::newRow("larger") << QSize(700, 500) << QSize(699, 499);
        QTest::newRow("smaller") << QSize(200, 120) << QSize(199, 119);
        QTest::newRow("2 px = 30 twips") << QSize(2, 2) << QSize(1, 1);
        // 1 px = 15 twips, not above 20: the box keeps its size from the first-shown row.
        QTest::newRow("1 px high") << QSize(300, 1) << QSize(488, 363);
        QTest::newRow("1 px wide") << QSize(1, 300) << QSize(488, 363);
        QTest::newRow("1 x 1 px") << QSize(1, 1) << QSize(488, 363);
    }

    void textBoxFollowsTheWindow() {
        QFETCH(QSize, windowSize);
        QFETCH(QSize, boxSize);
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(TextBox(window)->size(), QSize(488, 363));

        window.resize(windowSize);
        QTRY_COMPARE(window.size(), windowSize);
        QCoreApplication::processEvents();
        QCOMPARE(TextBox(window)->size(), boxSize);
        QCOMPARE(TextBox(window)->pos(), QPoint(0, 0));
    }

    void squeezingKeepsTheLastSizeNotTheFirst() {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(640, 480);
        QTRY_COMPARE(TextBox(window)->size(), QSize(639, 479));
        window.resize(640, 1);
        QTRY_COMPARE(window.size(), QSize(640, 1));
        QCoreApplication::processEvents();
        QCOMPARE(TextBox(window)->size(), QSize(639, 479));
    }

    void reopeningKeepsTheInstanceAndScrollPosition() {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPlainTextEdit* box = TextBox(window);
        QScrollBar* bar = box->verticalScrollBar();
        QVERIFY2(bar->maximum() > 20, "the manual should need scrolling in its first size");
        bar->setValue(bar->maximum() / 2);
        QCoreApplication::processEvents();
        // The scroll bar counts laid-out lines, which change as the text is laid out lazily, so
        // the text at the top of the box is what must stay put.
        const int topText = TopTextPosition(*box);
        QVERIFY(topText > 0);

        QPointer<HelpWindow> alive(&window);
        QVERIFY(window.close());  // the frame's close button
        QVERIFY(alive);
        QVERIFY(window.isHidden());

        window.showAndFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isVisible());
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(TopTextPosition(*box), topText);

        // Asking again while it is open changes nothing either.
        window.showAndFocus();
        QCoreApplication::processEvents();
        QCOMPARE(TopTextPosition(*box), topText);
    }

    void closingItNeverEndsTheProgram() {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QVERIFY(window.close());
        QCoreApplication::processEvents();
        QCOMPARE(lastClosed.count(), 0);
    }

    // The main window shows the notice in bold 10-point type on a label 7455 twips wide.
    void copyrightNoticeFitsItsLabel() {
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPointSizeF(10);
        font.setBold(true);
        QVERIFY(QFontMetrics(font).horizontalAdvance(zendrix::kCopyrightNotice) <= 7455 / 15);
    }

    // The offscreen platform turns a shown window back to normal by itself, so the minimised
    // state is set while the window is hidden.
    void activationRestoresAMinimisedWindow() {
        HelpWindow window;
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(window.isMinimized());
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(!window.isMinimized());
    }

    void showAndFocusRestoresAMinimisedWindow() {
        HelpWindow window;
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(window.isMinimized());
        window.showAndFocus();
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
