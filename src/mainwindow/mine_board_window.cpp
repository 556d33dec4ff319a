// The main window frmMineBoard.
#include "mainwindow/mine_board_window.h"
#include "platform/qt/preferences.h"
#include "platform/qt/window_helpers.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QWindowStateChangeEvent>
#include <cstdio>

#include "assistant/assistant_window.h"
#include "board/board_widget.h"
#include "colours/colour_selector_window.h"
#include "colours/create_colour_window.h"
#include "demonstration/demonstration_script.h"
#include "help/help_text.h"
#include "help/help_window.h"
#include "scores/best_scores_window.h"

namespace zendrix {

namespace {

constexpr int kClientWidthTwips = 9195;
constexpr int kClientHeightTwips = 6720;

QString ToQt(const std::string& text) {
    return QString::fromStdString(WithLineFeeds(text));
}

const QColor kLightBlue(192, 192, 255);

// A label with plain text (names must never be read as markup), a background and text colour.
QLabel* MakeLabel(QWidget* parent, const char* name, QRect twips, QColor background, QColor text,
                  double points, bool bold, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    SetPaletteColour(label, QPalette::Window, background);
    SetPaletteColour(label, QPalette::WindowText, text);
    label->setFont(DialogFont(points, bold));
    label->setAlignment(alignment);
    label->setGeometry(TwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect twips) {
    auto* button = new WrapButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(TwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

// Status labels keep their size, but the platform's sans-serif face may be wider than the one
// the layout was made for. Their common font is made smaller once, at creation (never below 6.5
// points), until the widest text each label can ever show fits the part of it inside the window.
// One size for all of them also means one font to load.
struct StatusText {
    QLabel* label;
    std::initializer_list<const char*> texts;
    int availableTwips;
};

void FitStatusFonts(std::initializer_list<StatusText> labels, double points) {
    const Overflow overflow = [&labels](const QFont& font) {
        const QFontMetrics metrics(font);
        double most = 0;
        for (const StatusText& status : labels) {
            const int available =
                std::min(status.label->width(), TwipsToPixels(status.availableTwips)) - 2;
            for (const char* text : status.texts) {
                most = std::max(most, metrics.horizontalAdvance(text) / double(available));
            }
        }
        return most;
    };
    QFont font = labels.begin()->label->font();
    font.setPointSizeF(points);
    font = FitFont(font, overflow, 6.5);
    for (const StatusText& status : labels) status.label->setFont(font);
}

}  // namespace

QPixmap DemonstrationPointer() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.5);
    arrow.lineTo(0.5, 17);
    arrow.lineTo(4.5, 13);
    arrow.lineTo(7.5, 20);
    arrow.lineTo(10, 19);
    arrow.lineTo(7, 12.5);
    arrow.lineTo(12.5, 12.5);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    // The hourglass: two triangles between two bars.
    const QRectF glass(15, 14, 10, 14);
    painter.setBrush(Qt::white);
    QPolygonF body;
    body << QPointF(glass.left() + 1, glass.top() + 1)
         << QPointF(glass.right() - 1, glass.top() + 1) << glass.center()
         << QPointF(glass.right() - 1, glass.bottom() - 1)
         << QPointF(glass.left() + 1, glass.bottom() - 1) << glass.center();
    painter.drawPolygon(body);
    painter.setBrush(QColor(200, 160, 60));
    QPolygonF sand;
    sand << QPointF(glass.center().x() - 3, glass.bottom() - 2)
         << QPointF(glass.center().x() + 3, glass.bottom() - 2)
         << QPointF(glass.center().x(), glass.center().y() + 2);
    painter.drawPolygon(sand);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(glass.left(), glass.top()), QPointF(glass.right(), glass.top()));
    painter.drawLine(QPointF(glass.left(), glass.bottom()), QPointF(glass.right(), glass.bottom()));
    return pixmap;
}

MineBoardWindow::MineBoardWindow(DataFile dataFile, QWidget* parent)
    : MineBoardWindow(std::make_unique<DataFileOnDisk>(std::move(dataFile)), parent) {}

MineBoardWindow::MineBoardWindow(std::unique_ptr<DataFileAccess> dataFile, QWidget* parent)
    : QMainWindow(parent), board_(*this, std::move(dataFile)) {
    setObjectName("frmMineBoard");
    setWindowTitle(kWindowCaption);
    boardWidget_ = new BoardWidget(board_.game(), board_.geometry(), this);
    boardWidget_->setObjectName("board");
    setCentralWidget(boardWidget_);
    SetPaletteColour(this, QPalette::Window, Qt::white);
    BuildControls();
    BuildTimers();
    BuildMenus();
    // Every whole-board redraw goes through the game control, which knows when there is nothing
    // to draw yet (before the first game, during the silent run at start-up).
    connect(boardWidget_, &BoardWidget::redrawNeeded, this, [this] { board_.form_resize(); });
    connect(boardWidget_, &BoardWidget::squarePressed, this,
            [this](MouseButton button, std::optional<Square> square) {
                board_.BoardPress(button, square);
            });
    connect(boardWidget_, &BoardWidget::keyPressed, this,
            [this](BoardKey key) { board_.BoardKeyPress(key); });
    connect(boardWidget_, &BoardWidget::previewChanged, this,
            [this](bool shiftHeld, std::optional<Square> pointer) {
                board_.SetPreview(shiftHeld, pointer);
            });
    boardWidget_->setOverlaySource([this] { return board_.BoardOverlay(); });
    board_.assistant().SetNoGuess(ReadNoGuessPreference());
    resize(TwipsToPixels(kClientWidthTwips),
           TwipsToPixels(kClientHeightTwips) + menuBar()->sizeHint().height());
}

MineBoardWindow::~MineBoardWindow() {
    // The secondary windows call into the game control, a member that is gone by the time
    // QWidget's destructor deletes the children: they go first.
    delete windows_.colourSelector;
    delete windows_.createColour;
    delete windows_.bestScores;
    delete windows_.help;
    delete windows_.assistant;
}

void MineBoardWindow::start() {
    // The start-up run ends within a few milliseconds; painting the window before it has ended
    // would only paint it twice.
    setUpdatesEnabled(false);
    show();
    board_.Load();
}

void MineBoardWindow::StartupRunFinished() {
    setUpdatesEnabled(true);
}

void MineBoardWindow::BuildControls() {
    QWidget* parent = boardWidget_;
    const QColor statusBlue(0, 0, 192), titleBlue(50, 50, 255);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    auto set = [this](Control c, QWidget* w) { controls_[static_cast<size_t>(c)] = w; };

    set(Control::lblMineInfo, MakeLabel(parent, "lblMineInfo", {100, 6020, 4575, 615}, Qt::white,
                                        statusBlue, 8.25, true, left));
    set(Control::lblMineDetectionInfo,
        MakeLabel(parent, "lblMineDetectionInfo", {6045, 6020, 3375, 615}, Qt::white, statusBlue,
                  8.25, true, left));
    set(Control::clockdisplay, MakeLabel(parent, "clockdisplay", {6045, 6420, 3375, 255}, Qt::white,
                                         statusBlue, 8.25, true, left));
    set(Control::lblTitle,
        MakeLabel(parent, "lblTitle", {97, 0, 9015, 615}, Qt::white, titleBlue, 24, true, centre));
    auto* copyright = MakeLabel(parent, "lblCopyright", {847, 600, 7455, 375}, Qt::white, titleBlue,
                                10, true, centre);
    copyright->setText(kCopyrightNotice);
    set(Control::lblCopyright, copyright);
    set(Control::lblDemoMinefield, MakeLabel(parent, "lblDemoMinefield", {3347, 6020, 2175, 200},
                                             kLightBlue, QColor(50, 0, 150), 8.25, true, centre));
    auto* newMinefield =
        MakeButton(parent, "cmdNewMinefield", kNewMinefieldCaption, {8095, 5370, 975, 495});
    SetPaletteColour(newMinefield, QPalette::Button, kLightBlue);
    connect(newMinefield, &QPushButton::clicked, this, [this] {
        board_.NewMinefieldButton();
        // The game is played on the board: a stray Space must not start yet another game.
        boardWidget_->setFocus(Qt::OtherFocusReason);
    });
    set(Control::cmdNewMinefield, newMinefield);

    auto* display = MakeLabel(parent, "lblDisplay", {75, 960, 1680, 4575}, kLightBlue, Qt::black,
                              9.75, true, centre);
    display->setText(kDisplayCaption);
    display->setWordWrap(true);
    set(Control::lblDisplay, display);
    auto* description = MakeLabel(parent, "lblMoveDescription", {90, 1800, 1650, 2175}, kLightBlue,
                                  Qt::black, 8.25, false, left);
    description->setWordWrap(true);
    description->setText("Label1");
    set(Control::lblMoveDescription, description);
    auto* freeze = MakeButton(parent, "cmdFreeze", "Freeze", {480, 4080, 855, 375});
    auto* replay = MakeButton(parent, "cmdReplay", "Replay", {480, 4560, 855, 375});
    auto* cancel = MakeButton(parent, "cmdCancelDisplay", "Cancel", {480, 5040, 855, 375});
    connect(freeze, &QPushButton::clicked, this, [this] { board_.FreezeButton(); });
    connect(replay, &QPushButton::clicked, this, [this] { board_.ReplayButton(); });
    connect(cancel, &QPushButton::clicked, this, [this] { board_.CancelDisplayButton(); });
    set(Control::cmdFreeze, freeze);
    set(Control::cmdReplay, replay);
    set(Control::cmdCancelDisplay, cancel);

    auto* cursor = new QLabel(parent);
    cursor->setObjectName("imgCursor");
    cursor->setTextFormat(Qt::PlainText);
    cursor->setPixmap(DemonstrationPointer());
    cursor->resize(TwipsToPixels(480), TwipsToPixels(480));
    cursor->setAttribute(Qt::WA_TransparentForMouseEvents);
    cursor->setAccessibleName("Demonstration pointer");
    set(Control::imgCursor, cursor);

    // The status labels stand at fixed distances from the window's edges; lblMineDetectionInfo and
    // clockdisplay show only their first 3150 twips, the rest lies beyond the right edge.
    auto label = [this](Control c) { return static_cast<QLabel*>(control(c)); };
    FitStatusFonts(
        {{label(Control::lblMineInfo),
          {"Minefield Size: Medium", "Mine Reach:    26 (adjacent sides, edges or points)"},
          4575},
         {label(Control::lblMineDetectionInfo),
          {"Number of mines: 123", "Number of locations unexposed: 384"},
          3150},
         {label(Control::clockdisplay), {"Time elapsed: 00:00:00"}, 3150},
         {label(Control::lblDemoMinefield), {"Demo Minefield M16 #4"}, 2175}},
        8.25);

    for (QWidget* w : controls_) w->setVisible(false);
    for (Control c : {Control::lblMineInfo, Control::lblMineDetectionInfo, Control::clockdisplay}) {
        control(c)->setVisible(true);
    }
}

void MineBoardWindow::BuildTimers() {
    const char* names[] = {"clock", "clkBestScoreDelay", "tmrDisplayScreen"};
    for (size_t i = 0; i < timers_.size(); ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(names[i]);
        timer->setTimerType(Qt::PreciseTimer);
        timers_[i] = timer;
    }
    timer(Timer::tmrDisplayScreen)->setInterval(0);
    timer(Timer::clkBestScoreDelay)->setInterval(1000);
    connect(timer(Timer::clock), &QTimer::timeout, this, [this] { board_.ClockTick(); });
    connect(timer(Timer::clkBestScoreDelay), &QTimer::timeout, this,
            [this] { board_.BestScoreDelayTick(); });
    connect(timer(Timer::tmrDisplayScreen), &QTimer::timeout, this,
            [this] { board_.DisplayScreenTick(); });
}

void MineBoardWindow::BuildMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption,
                       auto&& handler) -> QAction* {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu* file = menuBar()->addMenu("&File      ");
    file->setObjectName("mFile");
    file->setSeparatorsCollapsible(false);  // the line above Exit is part of the menu
    addSeparator(file, "mmenuline2");
    item(file, "mExit", "E&xit", [this] { close(); });

    QMenu* game = menuBar()->addMenu("&Game     ");
    game->setObjectName("mGame");
    randomAction_ = item(game, "mNewGame", "Use R&andom Minefields",
                         [this] { board_.RandomMinefieldsCommand(); });
    randomAction_->setShortcut(Qt::Key_F1);
    demoAction_ =
        item(game, "mDemo", "Use D&emo Minefields", [this] { board_.DemoMinefieldsCommand(); });
    demoAction_->setShortcut(Qt::Key_F2);
    addSeparator(game, "mmenuline3");
    QMenu* size = game->addMenu("Change Minefield &Size");
    size->menuAction()->setObjectName("mChangeSize");
    const char* sizes[] = {"&Small", "&Medium", "&Large"};
    for (int i = 0; i < 3; ++i) {
        sizeActions_[i] = item(size, ("mSize" + std::to_string(i)).c_str(), sizes[i],
                               [this, i] { board_.SizeCommand(i); });
    }
    QMenu* density = game->addMenu("Change Mine &Density");
    density->menuAction()->setObjectName("mMDensity");
    const char* densities[] = {"  &2%", "  &4%", "  &8%", "&16%", "&32%"};
    for (int i = 0; i < 5; ++i) {
        densityActions_[i] = item(density, ("mminedensity" + std::to_string(i)).c_str(),
                                  densities[i], [this, i] { board_.DensityCommand(i); });
    }
    QMenu* reach = game->addMenu("Change Mine &Reach");
    reach->menuAction()->setObjectName("mMineExplosive");
    const char* reaches[] = {"&Only 6 sides", "&Nearest 18 sides or edges",
                             "&All 26 sides, edges or points"};
    for (int i = 0; i < 3; ++i) {
        reachActions_[i] = item(reach, ("mMineReachto" + std::to_string(i)).c_str(), reaches[i],
                                [this, i] { board_.ReachCommand(i); });
    }

    QMenu* colour = menuBar()->addMenu("&Color      ");
    colour->setObjectName("mColor");
    item(colour, "mUseDefaults", "Use &Default Colors", [this] { board_.UseDefaultColours(); });
    QMenu* marker = colour->addMenu("Change &Marker Colors");
    marker->menuAction()->setObjectName("mChangeMarker");
    const char* markers[] = {"&Red", "&Orange", "&Yellow", "&Green", "&Blue", "&Violet"};
    const Qt::Key keys[] = {Qt::Key_R, Qt::Key_O, Qt::Key_Y, Qt::Key_G, Qt::Key_B, Qt::Key_V};
    for (int i = 0; i < 6; ++i) {
        markerActions_[i] = item(marker, ("mMarkColor" + std::to_string(i)).c_str(), markers[i],
                                 [this, i] { board_.MarkerColourCommand(i); });
        markerActions_[i]->setShortcut(QKeySequence(Qt::CTRL | keys[i]));
    }
    item(colour, "mSelectColors", "Select &Item Colors...",
         [this] { colourSelectorWindow()->showAndFocus(); });
    item(colour, "mCreateColor", "Modify &Changeable Colors...",
         [this] { createColourWindow()->showAndFocus(); });

    QMenu* scores = menuBar()->addMenu("&Scores    ");
    scores->setObjectName("mScores");
    item(scores, "mShowBestScores", "&Show Best Scores",
         [this] { ShowAndFocus(bestScoresWindow()); });

    QMenu* help = menuBar()->addMenu("&Help      ");
    help->setObjectName("mHelp");
    item(help, "mHelpText", "&Text...", [this] { helpWindow()->showAndFocus(); });
    item(help, "mShowDemo", "Demonstration &Graphic",
         [this] { board_.ShowDemonstrationCommand(); });
    addSeparator(help, "mmenuline1");
    item(help, "mAbout", "&About 3D-Zendrix", [this] { ShowAbout(); });

    for (QAction* a : sizeActions_) a->setCheckable(true);
    for (QAction* a : densityActions_) a->setCheckable(true);
    for (QAction* a : reachActions_) a->setCheckable(true);
    for (QAction* a : markerActions_) a->setCheckable(true);
    randomAction_->setCheckable(true);
    demoAction_->setCheckable(true);
    // The Assistant has a key and no menu entry: the menus stay as they are.
    auto* assistant = new QAction(this);
    assistant->setObjectName("actAssistant");
    assistant->setShortcut(QKeySequence(Qt::Key_F3));
    connect(assistant, &QAction::triggered, this, [this] { OpenAssistant(); });
    // Shortcuts work while the menus are closed and whichever child has the focus.
    for (QAction* a : findChildren<QAction*>()) addAction(a);
    MenuChecksChanged();
}

HelpWindow* MineBoardWindow::helpWindow() {
    // The manual is long; it is laid out the first time the player asks for it.
    if (!windows_.help) windows_.help = new HelpWindow(this);
    return windows_.help;
}

BestScoresWindow* MineBoardWindow::bestScoresWindow() {
    if (!windows_.bestScores) {
        windows_.bestScores = new BestScoresWindow(board_.bestScores(), *this, this);
        windows_.bestScores->setWindowFlag(Qt::Window);
    }
    return windows_.bestScores;
}

CreateColourWindow* MineBoardWindow::createColourWindow() {
    if (!windows_.createColour) {
        windows_.createColour = new CreateColourWindow(board_.changeableColours(), this);
        windows_.createColour->setWindowFlag(Qt::Window);
    }
    return windows_.createColour;
}

ColourSelectorWindow* MineBoardWindow::colourSelectorWindow() {
    if (!windows_.colourSelector) {
        windows_.colourSelector =
            new ColourSelectorWindow(board_.selector(), createColourWindow(), this);
        windows_.colourSelector->setWindowFlag(Qt::Window);
    }
    return windows_.colourSelector;
}

void MineBoardWindow::OpenAssistant() {
    if (!windows_.assistant) {
        windows_.assistant = new AssistantWindow(board_, this);
        connect(windows_.assistant, &AssistantWindow::boardWanted, this,
                [this] { FocusMainWindow(); });
        connect(windows_.assistant, &AssistantWindow::noGuessChosen, this,
                [](bool on) { WriteNoGuessPreference(on); });
        PlaceBeside(windows_.assistant, this);
    }
    windows_.assistant->showAndFocus();
}

void MineBoardWindow::ShowHelpText() {
    helpWindow()->showAndFocus();
}

QAction* MineBoardWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MineBoardWindow::ShowAbout() {
    QMessageBox box(QMessageBox::Warning, kAboutTitle, ToQt(AboutMessage(kProgramTitle)),
                    QMessageBox::Ok, this);
    box.setObjectName("aboutBox");
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MineBoardWindow::SetText(Control c, const std::string& text) {
    QWidget* widget = control(c);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(ToQt(text));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(ToQt(text));
    }
}

void MineBoardWindow::SetVisible(Control c, bool visible) {
    QWidget* widget = control(c);
    if (c == Control::lblMoveDescription && visible) FitDescriptionFont();
    widget->setVisible(visible);
    // What is shown comes to the front (the demo label over the settings label, the pointer over
    // everything), except the demonstration's panel, which stays behind its text and buttons.
    if (visible && c != Control::lblDisplay) widget->raise();
}

void MineBoardWindow::SetTimer(Timer t, bool enabled, int intervalMs) {
    QTimer* qtimer = timer(t);
    // A 1 ms step means "as fast as possible" (the silent run at start-up, Cancel). Qt's
    // millisecond timers wake up a little late every time, which adds up over the steps, so
    // such steps run whenever the event loop is idle instead.
    qtimer->setInterval(t == Timer::tmrDisplayScreen && intervalMs <= 1 ? 0 : intervalMs);
    if (!enabled) {
        qtimer->stop();
    } else if (!qtimer->isActive()) {
        qtimer->start();
    }
}

void MineBoardWindow::FitDescriptionFont() {
    // The step texts were written for a narrower face than this platform's; the font is made
    // smaller (never below 6.5 points) until the longest of them fits the panel's text box. Done
    // the first time the texts are shown, not at start-up, where they stay hidden.
    if (descriptionFitted_) return;
    descriptionFitted_ = true;
    auto* label = static_cast<QLabel*>(control(Control::lblMoveDescription));
    const QRect box(0, 0, label->width() - 2 * label->margin(), label->height());
    // A wrapped text's height grows with the square of the font size.
    const Overflow overflow = [&box](const QFont& font) {
        const QFontMetrics metrics(font);
        double most = 0;
        for (int step = 0; step < kFinalDemonstrationStep; ++step) {
            const QString text = ToQt(DemonstrationCaption(step));
            const int height =
                metrics.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, text).height();
            most = std::max(most, std::sqrt(height / double(box.height())));
        }
        return most;
    };
    label->setFont(FitFont(label->font(), overflow, 6.5));
}

Canvas& MineBoardWindow::BoardCanvas() {
    return boardWidget_->canvas();
}

void MineBoardWindow::BoardChanged() {
    boardWidget_->update();
    OverlayChanged();
}

void MineBoardWindow::OverlayChanged() {
    boardWidget_->refreshOverlay();
    // A screen reader hears what the cursor's square shows whenever that changes: a new
    // description sends Qt's DescriptionChanged event to assistive technology.
    const QString description = QString::fromStdString(board_.CursorDescription());
    if (boardWidget_->accessibleDescription() != description) {
        boardWidget_->setAccessibleDescription(description);
    }
}

void MineBoardWindow::ApplyStatusLayout(const StatusLayout& layout) {
    auto apply = [this](Control c, const ControlPosition& position) {
        QWidget* widget = control(c);
        const int x = position.left ? TwipsToPixels(*position.left) : widget->x();
        const int y = position.top ? TwipsToPixels(*position.top) : widget->y();
        widget->move(x, y);
    };
    apply(Control::lblMineInfo, layout.lblMineInfo);
    apply(Control::lblMineDetectionInfo, layout.lblMineDetectionInfo);
    apply(Control::clockdisplay, layout.clockdisplay);
    apply(Control::lblCopyright, layout.lblCopyright);
    apply(Control::lblTitle, layout.lblTitle);
    apply(Control::lblDemoMinefield, layout.lblDemoMinefield);
    apply(Control::cmdNewMinefield, layout.cmdNewMinefield);
}

void MineBoardWindow::MoveCursorImage(PointF topLeft) {
    control(Control::imgCursor)->move(TwipsToPixels(topLeft.x), TwipsToPixels(topLeft.y));
}

void MineBoardWindow::MenuChecksChanged() {
    for (size_t i = 0; i < sizeActions_.size(); ++i)
        sizeActions_[i]->setChecked(board_.sizeChecked()[i]);
    for (size_t i = 0; i < densityActions_.size(); ++i)
        densityActions_[i]->setChecked(board_.densityChecked()[i]);
    for (size_t i = 0; i < reachActions_.size(); ++i)
        reachActions_[i]->setChecked(board_.reachChecked()[i]);
    for (size_t i = 0; i < markerActions_.size(); ++i)
        markerActions_[i]->setChecked(board_.colours().markerChecked[i]);
    randomAction_->setChecked(board_.randomChecked());
    demoAction_->setChecked(board_.demoChecked());
}

void MineBoardWindow::ShowMessage(const std::string& title, const std::string& text,
                                  DialogueIcon icon) {
    QMessageBox box(
        icon == DialogueIcon::kWarning ? QMessageBox::Warning : QMessageBox::Information,
        QString::fromStdString(title), ToQt(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MineBoardWindow::ShowMessageWhenIdle(const std::string& title, const std::string& text,
                                          DialogueIcon icon) {
    QTimer::singleShot(0, this, [this, title, text, icon] { ShowMessage(title, text, icon); });
}

std::string MineBoardWindow::AskName(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) {
    QInputDialog dialog(this);
    dialog.setObjectName("nameInput");
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(ToQt(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) return "";
    return dialog.textValue().toStdString();
}

void MineBoardWindow::ShowBestTimes(int size, int density) {
    // A window not yet created shows the current combination when it is first shown.
    if (windows_.bestScores) windows_.bestScores->ShowBestTimes(size, density);
}

void MineBoardWindow::RefreshBestScores() {
    if (windows_.bestScores) {
        windows_.bestScores->ShowBestTimes(windows_.bestScores->displayedSize(),
                                           windows_.bestScores->displayedDensity());
    }
}

void MineBoardWindow::RestoreMainWindowIfMinimised() {
    // Back to the state it had before it was minimised, as activation does.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
}

void MineBoardWindow::FocusMainWindow() {
    if (!isVisible()) return;
    activateWindow();
    // Within the window the keys belong to the board, which is played from them.
    boardWidget_->setFocus(Qt::OtherFocusReason);
}

void MineBoardWindow::FocusModifyWindowIfVisible() {
    if (windows_.createColour && windows_.createColour->isVisible()) {
        windows_.createColour->activateWindow();
        windows_.createColour->setFocus();
    }
}

void MineBoardWindow::FocusSelectorWindow() {
    if (windows_.colourSelector && windows_.colourSelector->isVisible()) {
        windows_.colourSelector->activateWindow();
        windows_.colourSelector->setFocus();
    }
}

void MineBoardWindow::FocusFreezeButton() {
    control(Control::cmdFreeze)->setFocus();
}

void MineBoardWindow::CloseSecondaryWindows() {
    for (QWidget* window :
         {static_cast<QWidget*>(windows_.colourSelector),
          static_cast<QWidget*>(windows_.createColour), static_cast<QWidget*>(windows_.help),
          static_cast<QWidget*>(windows_.assistant)}) {
        if (window) window->close();
    }
}

bool MineBoardWindow::SaveBeforeExit() {
    std::string failure = board_.SaveAtExit();
    while (!failure.empty()) {
        QMessageBox box(QMessageBox::Warning, kDataFileTitle, ToQt(ExitSaveQuestion(failure)),
                        QMessageBox::NoButton, this);
        box.setObjectName("exitSaveFailed");
        box.setTextFormat(Qt::PlainText);
        QPushButton* retry = box.addButton(kExitRetryCaption, QMessageBox::AcceptRole);
        QPushButton* copy = box.addButton(kExitSaveCopyCaption, QMessageBox::ActionRole);
        QPushButton* quit = box.addButton(kExitQuitCaption, QMessageBox::DestructiveRole);
        // Closing the box is Cancel too: nothing is lost by accident.
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        box.setDefaultButton(retry);
        box.exec();
        if (box.clickedButton() == quit) return true;
        if (box.clickedButton() == retry) {
            failure = board_.SaveAtExit();
        } else if (box.clickedButton() == copy) {
            QFileDialog dialog(this, kSaveCopyTitle);
            dialog.setObjectName("saveCopyDialog");
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.selectFile(QDir::home().filePath(kDataFileName));
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) continue;
            const QString path = dialog.selectedFiles().front();
            const std::string error = board_.SaveCopy(path.toStdString());
            if (error.empty()) return true;
            failure = board_.SaveAtExit();
            if (!failure.empty()) {
                failure += "\r\n\r\nThe copy could not be written in \"" + path.toStdString() +
                           "\" (" + error + ").";
            }
        } else {
            return false;
        }
    }
    return true;
}

void MineBoardWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        if (windows_.bestScores) windows_.bestScores->hide();
        if (!SaveBeforeExit()) {
            event->ignore();
            return;
        }
        unloaded_ = true;
        CloseSecondaryWindows();
    }
    event->accept();
    QApplication::quit();
}

void MineBoardWindow::EndSession() {
    if (!unloaded_) {
        unloaded_ = true;
        if (windows_.bestScores) windows_.bestScores->hide();
        const std::string failure = board_.SaveAtExit();
        // Nobody may be there to read a box; a terminal shows this at least.
        if (!failure.empty()) std::fprintf(stderr, "3dzendrix: %s\n", failure.c_str());
        CloseSecondaryWindows();
    }
    QApplication::exit(0);
}

bool MineBoardWindow::event(QEvent* event) {
    RestoreIfActivatedWhileMinimised(this, event);
    return QMainWindow::event(event);
}

}  // namespace zendrix
