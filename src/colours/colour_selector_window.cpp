// The colour selector window: lays out its controls in twips and mirrors ColourSelector's state.
#include "colours/colour_selector_window.h"
#include "platform/qt/window_helpers.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "colours/colour_selector.h"
#include "colours/create_colour_window.h"

namespace zendrix {

namespace {

QLabel* CaptionLabel(QWidget* parent, const char* name, const QString& text, const QRect& at,
                     const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The active-caption colour of the old window systems: the platform's highlight colour.
    SetPaletteColour(label, QPalette::WindowText, label->palette().color(QPalette::Highlight));
    return label;
}

QListWidget* List(QWidget* parent, const char* name, const QRect& at) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(at);
    list->setFont(DialogFont(9.75, false));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

}  // namespace

ColourSelectorWindow::ColourSelectorWindow(ColourSelector& selector,
                                           CreateColourWindow* modifyWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), selector_(selector), modifyWindow_(modifyWindow) {
    setObjectName("frmColorSelector");
    setWindowTitle("Select Colors");
    // Created once and reused: the frame's close button only hides it, and closing it never
    // ends the game.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(TwipsToPixels(4860), TwipsToPixels(7170));

    auto* label1 = CaptionLabel(
        this, "Label1",
        QStringLiteral("Select an Item, then select the Color for the Item, then press \"Apply\""),
        TwipRect(240, 240, 2775, 855), DialogFont(9.75, true));
    label1->setWordWrap(true);

    cmdApply_ = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply_->setObjectName("cmdApply");
    cmdApply_->setGeometry(TwipRect(3240, 360, 1335, 495));
    cmdApply_->setFont(DialogFont(12, true));

    exampleColor_ = new QLabel(this);
    exampleColor_->setObjectName("ExampleColor");
    exampleColor_->setGeometry(TwipRect(3480, 1080, 1095, 375));
    exampleColor_->setAutoFillBackground(true);

    CaptionLabel(this, "Label2", QStringLiteral("ITEMS:"), TwipRect(240, 1200, 975, 375),
                 DialogFont(12, true));
    CaptionLabel(this, "Label3", QStringLiteral("COLORS:"), TwipRect(2040, 1200, 1335, 375),
                 DialogFont(12, true));

    lstbxItems_ = List(this, "lstbxItems", TwipRect(240, 1560, 1455, 3420));
    for (const char* name : kItemNames) lstbxItems_->addItem(QString::fromUtf8(name));
    lstbxColors_ = List(this, "lstbxColors", TwipRect(2040, 1560, 2535, 5340));
    // Screen readers name the lists by the captions above them.
    lstbxItems_->setAccessibleName(QStringLiteral("Items"));
    lstbxColors_->setAccessibleName(QStringLiteral("Colors"));
    for (int i = 0; i < kColourListSize; ++i) lstbxColors_->addItem(QString());

    auto* cmdModify = new WrapButton(QStringLiteral("     Modify Changeable        Colors"), this);
    cmdModify->setObjectName("cmdModify");
    cmdModify->setAccessibleName(cmdModify->text());
    cmdModify->setGeometry(TwipRect(480, 5880, 1095, 735));
    cmdModify->setFont(DialogFont(8.25, false));

    // Selection changes, not current-item changes: tabbing into a list makes its first entry
    // current without selecting it, and that must not count as a click.
    connect(lstbxItems_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(lstbxItems_); row >= 0) selector_.lstbxitems_Click(row);
    });
    connect(lstbxColors_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(lstbxColors_); row >= 0) selector_.lstbxcolors_Click(row);
    });
    connect(cmdApply_, &QPushButton::clicked, this, [this] { selector_.Apply(); });
    connect(cmdModify, &QPushButton::clicked, this, [this] {
        if (modifyWindow_) modifyWindow_->showAndFocus();
    });

    selector_.SetChangeListener([this] { refresh(); });
    refresh();
}

ColourSelectorWindow::~ColourSelectorWindow() {
    selector_.SetChangeListener(nullptr);
}

void ColourSelectorWindow::refresh() {
    refreshing_ = true;
    for (int i = 0; i < kColourListSize; ++i) {
        const QString text = QString::fromStdString(selector_.ColourEntry(i));
        if (lstbxColors_->item(i)->text() != text) lstbxColors_->item(i)->setText(text);
    }
    auto select = [](QListWidget* list, int row) {
        if (list->currentRow() == row && (row < 0 || list->item(row)->isSelected())) return;
        if (row < 0) list->clearSelection();
        list->setCurrentRow(row);
    };
    select(lstbxItems_, selector_.itemListPosition());
    select(lstbxColors_, selector_.colourListPosition());
    if (const auto colour = selector_.swatchColour()) {
        SetPaletteColour(exampleColor_, QPalette::Window,
                         QColor(colour->red, colour->green, colour->blue));
    }
    refreshing_ = false;
}

int ColourSelectorWindow::chosenRow(QListWidget* list) {
    if (refreshing_) return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        // Both lists are single-choice boxes that keep their entry once one is chosen, but Qt
        // lets Ctrl+click or Ctrl+Space deselect it. The selector would then hold (and Apply
        // use) a choice the window no longer shows, so the list gets the selector's entry back
        // at once; the selector is not told, as nothing new was chosen.
        refresh();
        return -1;
    }
    return list->row(selected.front());
}

void ColourSelectorWindow::showAndFocus() {
    ShowAndFocus(this);
}

bool ColourSelectorWindow::event(QEvent* event) {
    RestoreIfActivatedWhileMinimised(this, event);
    return QWidget::event(event);
}

}  // namespace zendrix
