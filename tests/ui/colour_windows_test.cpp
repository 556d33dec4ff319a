// frmColorSelector and frmCreateColor offscreen: their controls and layout, and clicks on the real
// widgets reaching the colour model (and the model's changes reaching the widgets).
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "colours/changeable_colours.h"
#include "colours/colour_selector.h"
#include "colours/colour_selector_window.h"
#include "colours/create_colour_window.h"
#include "platform/qt/window_helpers.h"

using namespace zendrix;

namespace {

struct CountingHost : ColourHost {
    void MarkBestScoresChanged() override { ++changed; }
    void RedrawBoard() override { ++redraws; }
    void RestoreMainWindowIfMinimised() override {}
    void FocusMainWindow() override {}
    void FocusModifyWindowIfVisible() override {}
    void FocusSelectorWindow() override {}
    int changed = 0;
    int redraws = 0;
};

// Everything the main window would own, in the order it builds it.
struct Colours {
    ColourModel model;
    CountingHost host;
    ColourSelector selector{model, host};
    ChangeableColours changeable{model, selector};
    CreateColourWindow modifyWindow{changeable};
    ColourSelectorWindow selectorWindow{selector, &modifyWindow};

    template <typename T>
    T* In(QWidget& window, const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    template <typename T>
    T* Selector(const char* name) {
        return In<T>(selectorWindow, name);
    }
    template <typename T>
    T* Modify(const char* name) {
        return In<T>(modifyWindow, name);
    }
};

void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The one selected row, or -1 when the list shows no selection (or, wrongly, several).
int ShownRow(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.size() == 1 ? list->row(selected.front()) : -1;
}

enum class Deselect { kCtrlClick, kCtrlSpace, kCtrlSelect };

QColor Background(QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

// Runs of pixel rows inside a button's frame that hold dark ink: one per line of its caption.
int InkedLines(QWidget* button) {
    const QImage image = button->grab().toImage();
    const int margin = 3 * static_cast<int>(image.devicePixelRatio());
    int lines = 0;
    bool previous = false;
    for (int y = margin; y < image.height() - margin; ++y) {
        bool inked = false;
        for (int x = margin; x < image.width() - margin && !inked; ++x) {
            inked = image.pixelColor(x, y).lightness() < 110;
        }
        if (inked && !previous) ++lines;
        previous = inked;
    }
    return lines;
}

void Show(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

}  // namespace

Q_DECLARE_METATYPE(Deselect)

class ColourWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void clickingItemColourAndApplyRecolours() {
        Colours c;
        Show(c.selectorWindow);
        // The button paints its caption on the two lines its blanks make, but keeps the text.
        auto* modify = c.Selector<WrapButton>("cmdModify");
        QCOMPARE(modify->text(), QString("     Modify Changeable        Colors"));
        QCOMPARE(modify->accessibleName(), modify->text());
        QCOMPARE(modify->PaintedLines(), QStringList({"Modify Changeable", "Colors"}));
        QCOMPARE(InkedLines(modify), 2);

        auto* items = c.Selector<QListWidget>("lstbxItems");
        auto* colours = c.Selector<QListWidget>("lstbxColors");

        ClickRow(items, kItemGrid1);
        QCOMPARE(c.selector.selectedItem(), 1);
        QCOMPARE(colours->item(8)->text(), QString("Blue (current)"));

        ClickRow(colours, 3);  // White
        QCOMPARE(c.selector.selectedColor(), 3);
        QCOMPARE(Background(c.Selector<QLabel>("ExampleColor")), QColor(255, 255, 255));

        QTest::mouseClick(c.Selector<QPushButton>("cmdApply"), Qt::LeftButton);
        QCOMPARE(c.model.itemColor[kItemGrid1], int16_t{3});
        QCOMPARE(c.host.redraws, 1);
        QCOMPARE(colours->item(3)->text(), QString("White (current)"));
        QCOMPARE(colours->item(8)->text(), QString("Blue"));
        QCOMPARE(colours->currentRow(), 3);

        // "Default" follows the item: Grid 1's default is Blue.
        ClickRow(colours, 0);
        QCOMPARE(Background(c.Selector<QLabel>("ExampleColor")),
                 QColor(50, 0, 200));  // palette entry 8
    }

    void listsKeepTheirChoice_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<Deselect>("gesture");
        QTest::newRow("items ctrl+click") << "lstbxItems" << Deselect::kCtrlClick;
        // Space would also search the entries by first letter and land on " ----------", which
        // hides the deselection; Select deselects the same way without the search.
        QTest::newRow("items ctrl+select") << "lstbxItems" << Deselect::kCtrlSelect;
        QTest::newRow("colours ctrl+click") << "lstbxColors" << Deselect::kCtrlClick;
        QTest::newRow("colours ctrl+space") << "lstbxColors" << Deselect::kCtrlSpace;
    }

    // Qt lets Ctrl deselect the entry of a single-selection list; the selector would still
    // hold that choice and Apply would use it while the window showed nothing chosen.
    void listsKeepTheirChoice() {
        QFETCH(QString, list);
        QFETCH(Deselect, gesture);
        Colours c;
        Show(c.selectorWindow);
        auto* items = c.Selector<QListWidget>("lstbxItems");
        auto* colours = c.Selector<QListWidget>("lstbxColors");
        ClickRow(items, kItemGrid1);
        ClickRow(colours, 3);  // White

        auto* target = c.Selector<QListWidget>(list.toLatin1().constData());
        const QPoint selectedEntry = target->visualItemRect(target->currentItem()).center();
        if (gesture == Deselect::kCtrlClick) {
            QTest::mouseClick(target->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              selectedEntry);
        } else {
            target->setFocus();
            QTest::keyClick(target,
                            gesture == Deselect::kCtrlSpace ? Qt::Key_Space : Qt::Key_Select,
                            Qt::ControlModifier);
        }

        QCOMPARE(c.selector.itemListPosition(), int(kItemGrid1));
        QCOMPARE(c.selector.colourListPosition(), 3);
        QCOMPARE(ShownRow(items), int(kItemGrid1));
        QCOMPARE(ShownRow(colours), 3);

        // Apply acts on what is shown, and the lists still show it afterwards.
        const int redrawsBefore = c.host.redraws;
        QTest::mouseClick(c.Selector<QPushButton>("cmdApply"), Qt::LeftButton);
        QCOMPARE(c.host.redraws, redrawsBefore + 1);
        QCOMPARE(c.model.itemColor[kItemGrid1], int16_t{3});
        QCOMPARE(ShownRow(items), int(kItemGrid1));
        QCOMPARE(ShownRow(colours), 3);
        c.selector.expandlist();
        QCOMPARE(ShownRow(items), int(kItemGrid1));
        QCOMPARE(ShownRow(colours), 3);

        // The list still takes ordinary choices by key and by click after keeping its entry.
        auto logicRow = [&] {
            return target == items ? c.selector.itemListPosition()
                                   : c.selector.colourListPosition();
        };
        const int kept = ShownRow(target);
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(ShownRow(target), kept + 1);
        QCOMPARE(logicRow(), kept + 1);
        ClickRow(target, kept);
        QCOMPARE(ShownRow(target), kept);
        QCOMPARE(logicRow(), kept);
    }

    void scrollBarsDriveLabelsAndSwatch() {
        Colours c;
        Show(c.modifyWindow);
        QCOMPARE(c.Modify<QRadioButton>("Option1_0")->group()->checkedButton(), nullptr);
        QCOMPARE(c.Modify<QLabel>("Label4")->text(), QString("0  "));
        auto* red = c.Modify<QScrollBar>("VScroll4");
        red->triggerAction(QAbstractSlider::SliderToMinimum);  // thumb at the top
        QCOMPARE(c.Modify<QLabel>("Label4")->text(), QString("256  "));
        QCOMPARE(c.changeable.workRed(), 256);

        auto* blue = c.Modify<QScrollBar>("VScroll3");
        blue->setFocus();
        QTest::keyClick(blue, Qt::Key_PageUp);  // one large step up
        QCOMPARE(c.Modify<QLabel>("Label6")->text(), QString("32  "));
        QCOMPARE(c.Modify<QLabel>("Label5")->text(), QString("0  "));

        QCOMPARE(Background(c.Modify<QLabel>("Label3")), QColor(255, 0, 32));
        QCOMPARE(c.Modify<QWidget>("shpColor")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 32));
    }

    // A name can reach the box without a key press (an input method, a screen reader's edit);
    // the scroll bars must leave it alone, and Apply must store it.
    void aNameThatWasNotTypedSurvivesTheScrollBars() {
        Colours c;
        Show(c.modifyWindow);
        QTest::mouseClick(c.Modify<QRadioButton>("Option1_2"), Qt::LeftButton);
        auto* name = c.Modify<QLineEdit>("txtbxName");
        name->setText("Heather");
        c.Modify<QScrollBar>("VScroll4")->triggerAction(QAbstractSlider::SliderPageStepSub);
        c.Modify<QScrollBar>("VScroll3")->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(name->text(), QString("Heather"));
        QCOMPARE(c.Modify<QLabel>("Label4")->text(), QString("32  "));
        QCOMPARE(Background(c.Modify<QLabel>("Label3")), QColor(32, 0, 255));
        QTest::mouseClick(c.Modify<QPushButton>("cmdApply"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(c.model.changeableName[2]), QString("Heather"));
        QCOMPARE(c.Selector<QListWidget>("lstbxColors")->item(18)->text(), QString("Heather"));
    }

    void applyAndDeleteReachTheSelector() {
        Colours c;
        Show(c.selectorWindow);
        Show(c.modifyWindow);
        auto* colours = c.Selector<QListWidget>("lstbxColors");
        // Grid 2 uses "Changeable 2".
        ClickRow(c.Selector<QListWidget>("lstbxItems"), 2);
        ClickRow(colours, 17);
        QTest::mouseClick(c.Selector<QPushButton>("cmdApply"), Qt::LeftButton);

        auto* option = c.Modify<QRadioButton>("Option1_1");
        QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(option->isChecked());
        auto* name = c.Modify<QLineEdit>("txtbxName");
        QCOMPARE(name->text(), QString("Changeable 2"));
        name->clear();
        QTest::keyClicks(name, "Moss");
        c.Modify<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderToMinimum);
        QTest::mouseClick(c.Modify<QPushButton>("cmdApply"), Qt::LeftButton);

        QCOMPARE(c.model.ItemColour(2), (Rgb{0, 255, 0}));
        QCOMPARE(option->text(), QString("Moss"));
        QCOMPARE(colours->item(17)->text(), QString("Moss (current)"));
        QCOMPARE(Background(c.Selector<QLabel>("ExampleColor")), QColor(0, 255, 0));

        QTest::mouseClick(c.Modify<QPushButton>("cmdDelete"), Qt::LeftButton);
        QCOMPARE(c.model.ItemColour(2), (Rgb{0, 0, 0}));
        QCOMPARE(option->text(), QString("Changeable 2"));
        QCOMPARE(name->text(), QString("Changeable 2"));
        QCOMPARE(colours->item(17)->text(), QString("Changeable 2 (current)"));
    }

    void ampersandInANameIsNoShortcut() {
        Colours c;
        QTest::mouseClick(c.Modify<QRadioButton>("Option1_3"), Qt::LeftButton);
        c.changeable.Apply("Salt & Pepper");
        QCOMPARE(c.Modify<QRadioButton>("Option1_3")->text(), QString("Salt && Pepper"));
        QCOMPARE(c.Selector<QListWidget>("lstbxColors")->item(19)->text(),
                 QString("Salt & Pepper"));
    }

    void windowsOnlyHideAndKeepTheirState() {
        Colours c;
        c.selectorWindow.showAndFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&c.selectorWindow));
        ClickRow(c.Selector<QListWidget>("lstbxItems"), kItemMinefield);

        QTest::mouseClick(c.Selector<QPushButton>("cmdModify"), Qt::LeftButton);
        QVERIFY(c.modifyWindow.isVisible());
        QTest::mouseClick(c.Modify<QPushButton>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!c.modifyWindow.isVisible());

        QVERIFY(c.selectorWindow.close());
        QVERIFY(!c.selectorWindow.isVisible());
        c.selectorWindow.showAndFocus();
        QCOMPARE(c.Selector<QListWidget>("lstbxColors")->item(14)->text(),
                 QString("Light Blue (current)"));
        QCOMPARE(c.Selector<QListWidget>("lstbxItems")->currentRow(), int(kItemMinefield));

        c.selectorWindow.showMinimized();
        c.selectorWindow.showAndFocus();
        QVERIFY(!c.selectorWindow.isMinimized());
    }
};

QTEST_MAIN(ColourWindowsTest)
#include "colour_windows_test.moc"
