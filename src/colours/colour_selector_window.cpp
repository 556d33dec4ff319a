// The colour selector window: lays out its controls in twips and mirrors ColourSelector's state.
#include "colours/colour_selector_window.h"
#include "platform/qt/window_helpers.h"

#include <algorithm>

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>

#include "colours/colour_selector.h"
#include "colours/create_colour_window.h"

namespace zendrix {

namespace {

constexpr int kTwipsPerPixel = 15;

QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QFont SystemFont(double pointSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// The caption "     Modify Changeable        Colors" relies on its blanks to break onto two
// lines in a narrow button. A QPushButton never wraps, so this one keeps the exact text (for
// text() and the accessible name) and paints it broken at its runs of blanks, each line centred.
// When two lines would need a font too small to read, the words wrap onto a third line instead.
class WrappingButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

        const QString lines =
            text().trimmed().split(QRegularExpression(QStringLiteral(" {2,}"))).join('\n');
        const QRect area = rect().adjusted(2, 2, -2, -2);
        auto fits = [&](const QFont& font, int flags) {
            const QRect needed = QFontMetrics(font).boundingRect(area, flags, lines);
            return needed.width() <= area.width() && needed.height() <= area.height();
        };
        QFont font = this->font();
        int flags = Qt::AlignCenter;
        QFont smaller = font;
        while (smaller.pointSizeF() > kSmallestReadable && !fits(smaller, flags)) {
            smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
        }
        if (fits(smaller, flags)) {
            font = smaller;
        } else {
            flags |= Qt::TextWordWrap;
            while (font.pointSizeF() > 5.0 && !fits(font, flags)) {
                font.setPointSizeF(font.pointSizeF() - 0.25);
            }
        }
        painter.setFont(font);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(area, flags, lines);
    }

  private:
    static constexpr double kSmallestReadable = 7.5;  // points
};

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
    list->setFont(SystemFont(9.75, false));
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
    resize(4860 / kTwipsPerPixel, 7170 / kTwipsPerPixel);

    auto* label1 = CaptionLabel(
        this, "Label1",
        QStringLiteral("Select an Item, then select the Color for the Item, then press \"Apply\""),
        Twips(240, 240, 2775, 855), SystemFont(9.75, true));
    label1->setWordWrap(true);

    cmdApply_ = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply_->setObjectName("cmdApply");
    cmdApply_->setGeometry(Twips(3240, 360, 1335, 495));
    cmdApply_->setFont(SystemFont(12, true));

    exampleColor_ = new QLabel(this);
    exampleColor_->setObjectName("ExampleColor");
    exampleColor_->setGeometry(Twips(3480, 1080, 1095, 375));
    exampleColor_->setAutoFillBackground(true);

    CaptionLabel(this, "Label2", QStringLiteral("ITEMS:"), Twips(240, 1200, 975, 375),
                 SystemFont(12, true));
    CaptionLabel(this, "Label3", QStringLiteral("COLORS:"), Twips(2040, 1200, 1335, 375),
                 SystemFont(12, true));

    lstbxItems_ = List(this, "lstbxItems", Twips(240, 1560, 1455, 3420));
    for (const char* name : kItemNames) lstbxItems_->addItem(QString::fromUtf8(name));
    lstbxColors_ = List(this, "lstbxColors", Twips(2040, 1560, 2535, 5340));
    for (int i = 0; i < kColourListSize; ++i) lstbxColors_->addItem(QString());

    auto* cmdModify =
        new WrappingButton(QStringLiteral("     Modify Changeable        Colors"), this);
    cmdModify->setObjectName("cmdModify");
    cmdModify->setAccessibleName(cmdModify->text());
    cmdModify->setGeometry(Twips(480, 5880, 1095, 735));
    cmdModify->setFont(SystemFont(8.25, false));

    // Selection changes, not current-item changes: tabbing into a list makes its first entry
    // current without selecting it, and that must not count as a click.
    connect(lstbxItems_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(lstbxItems_); row >= 0) selector_.lstbxitems_Click(row);
    });
    connect(lstbxColors_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = chosenRow(lstbxColors_); row >= 0) selector_.lstbxcolors_click(row);
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
