// The modify-colours window: lays out its controls in twips and mirrors ChangeableColours.
#include "colours/create_colour_window.h"
#include "platform/qt/window_helpers.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "colours/changeable_colours.h"

namespace zendrix {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const QRect& at) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    return widget;
}

// The captions were measured for a narrow dialog font; a wider one would cut them off at the
// label's edge, so it is made just small enough to show the whole caption.
void ShrinkToFit(QLabel* label) {
    const QString text = label->text();
    const double width = label->width();
    label->setFont(FitFont(
        label->font(),
        [&](const QFont& font) { return QFontMetrics(font).horizontalAdvance(text) / width; },
        6.0));
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, int top) {
    return Place(new QPushButton(QString::fromLatin1(text), parent), name,
                 TwipRect(2640, top, 855, 375));
}

constexpr std::array<Component, 3> kComponents{Component::kRedComponent, Component::kGreenComponent,
                                               Component::kBlueComponent};

}  // namespace

CreateColourWindow::CreateColourWindow(ChangeableColours& colours, QWidget* parent)
    : QWidget(parent, Qt::Window), colours_(colours) {
    setObjectName("frmCreateColor");
    setWindowTitle("Modify Colors");
    // Created once and reused: the frame's close button only hides it, as "Done" does.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(TwipsToPixels(4215), TwipsToPixels(4815));
    // No size is given for this window's texts: the classic 8.25 pt dialog size.
    setFont(DialogFont(8.25));

    auto* label1 = Place(new QLabel(QStringLiteral("   Red     Green     Blue"), this), "Label1",
                         TwipRect(120, 120, 1815, 375));
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ShrinkToFit(label1);

    // Left to right under the headings: red, green, blue, whatever their names say.
    constexpr std::array<const char*, 3> kLabelNames{"Label4", "Label5", "Label6"};
    constexpr std::array<const char*, 3> kBarNames{"VScroll4", "VScroll2", "VScroll3"};
    constexpr std::array<const char*, 3> kSpokenNames{"Red", "Green", "Blue"};
    for (int i = 0; i < 3; ++i) {
        const int left = 240 + 600 * i;
        valueLabels_[i] = Place(new QLabel(this), kLabelNames[i], TwipRect(left, 360, 495, 255));
        auto* bar =
            Place(new QScrollBar(Qt::Vertical, this), kBarNames[i], TwipRect(left, 600, 375, 2415));
        bar->setRange(kScrollMinimum, kScrollMaximum);
        bar->setSingleStep(kScrollSmallStep);
        bar->setPageStep(kScrollLargeStep);
        bar->setValue(colours_.ScrollPosition(kComponents[i]));
        // Mixed from the keyboard too: Tab to a bar, then the arrow and page keys.
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setAccessibleName(QString::fromLatin1(kSpokenNames[i]));
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int position) {
            if (!refreshing_) colours_.OnScroll(kComponents[i], position);
        });
        scrollBars_[i] = bar;
    }

    optionGroup_ = new QButtonGroup(this);
    optionGroup_->setExclusive(true);
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        const QByteArray name = "Option1_" + QByteArray::number(i);
        options_[i] = Place(new QRadioButton(this), name.constData(),
                            TwipRect(2280, 360 + 240 * i, 1575, 255));
        optionGroup_->addButton(options_[i], i);
    }
    connect(optionGroup_, &QButtonGroup::idClicked, this,
            [this](int index) { colours_.OptionClick(index); });

    ShrinkToFit(Place(new QLabel(QStringLiteral("Name for new color:"), this), "Label2",
                      TwipRect(2040, 1920, 1455, 255)));
    txtbxName_ = Place(new QLineEdit(this), "txtbxName", TwipRect(2040, 2160, 1815, 375));
    txtbxName_->setAccessibleName(QStringLiteral("Name for new color"));
    // Every change of the text counts, not only typing: a name can also arrive through an input
    // method or an assistive technology, and must not be lost to the next refresh.
    connect(txtbxName_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) colours_.SetNameText(text.toStdString());
    });

    // The frame goes in before the buttons so that they sit on top of it.
    auto* shape1 = Place(new QFrame(this), "Shape1", TwipRect(2520, 2880, 1095, 1575));
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* cmdApply = Button(this, "cmdApply", "Apply", 3000);
    auto* cmdDelete = Button(this, "cmdDelete", "Delete", 3480);
    auto* cmdCancel = Button(this, "cmdCancel", "Done", 3960);
    connect(cmdApply, &QPushButton::clicked, this,
            [this] { colours_.Apply(txtbxName_->text().toStdString()); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { colours_.Delete(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::hide);

    label3_ = Place(new QLabel(this), "Label3", TwipRect(240, 3120, 1575, 855));
    label3_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label3_->setAutoFillBackground(true);
    // A plain box draws its line in the foreground colour: that is the sample bar's outline.
    shpColor_ = Place(new QFrame(this), "shpColor", TwipRect(240, 4080, 1575, 255));
    shpColor_->setFrameStyle(QFrame::Box | QFrame::Plain);

    colours_.SetChangeListener([this](ChangeableColours::Change change) {
        if (change == ChangeableColours::Change::kColour) {
            ShowColour();
        } else {
            refresh();
        }
    });
    refresh();
}

CreateColourWindow::~CreateColourWindow() {
    colours_.SetChangeListener(nullptr);
}

void CreateColourWindow::ShowColour() {
    const bool refreshing = refreshing_;
    refreshing_ = true;
    for (int i = 0; i < 3; ++i) {
        scrollBars_[i]->setValue(colours_.ScrollPosition(kComponents[i]));
        valueLabels_[i]->setText(QString::fromStdString(colours_.ValueLabel(kComponents[i])));
    }
    const QColor colour = ToQColor(colours_.WorkingColour());
    SetPaletteColour(label3_, QPalette::Window, colour);
    SetPaletteColour(shpColor_, QPalette::WindowText, colour);
    refreshing_ = refreshing;
}

void CreateColourWindow::refresh() {
    refreshing_ = true;
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        // A player's "&" is a character of the name, not a shortcut marker.
        QString caption = QString::fromStdString(colours_.OptionCaption(i));
        options_[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    if (const auto checked = colours_.checkedOption()) options_[*checked]->setChecked(true);
    const QString name = QString::fromStdString(colours_.nameText());
    // Rewriting an unchanged text would throw away the player's cursor position.
    if (txtbxName_->text() != name) txtbxName_->setText(name);
    ShowColour();
    refreshing_ = false;
}

void CreateColourWindow::showAndFocus() {
    ShowAndFocus(this);
}

bool CreateColourWindow::event(QEvent* event) {
    RestoreIfActivatedWhileMinimised(this, event);
    return QWidget::event(event);
}

}  // namespace zendrix
