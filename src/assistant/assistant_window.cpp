// The Assistant's window.
#include "assistant/assistant_window.h"
#include "platform/qt/window_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "mainwindow/mine_board.h"

namespace zendrix {
namespace {

constexpr int kWidthPixels = 360;
constexpr QSize kSwatchSize(34, 16);

QLabel* MakeText(QWidget* parent, const char* name, const char* accessibleName) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(QString::fromUtf8(accessibleName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label's text changes only when it differs: the window is told of every move.
void SetText(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() != shown) label->setText(shown);
}

QColor ToQColor(const OverlayColour& c) {
    return QColor(c.red, c.green, c.blue, c.alpha);
}

}  // namespace

AssistantWindow::AssistantWindow(MineBoard& board, QWidget* parent)
    : QWidget(parent, Qt::Window), board_(board) {
    setObjectName("frmAssistant");
    setWindowTitle(QString::fromUtf8(kAssistantTitle));
    // Closing only hides it, as the other secondary windows; it never ends the game.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumWidth(kWidthPixels);

    auto* layout = new QVBoxLayout(this);

    cmdHint_ = new QPushButton(QString::fromUtf8(kHintCaption), this);
    cmdHint_->setObjectName("cmdHint");
    cmdHint_->setAccessibleName(QStringLiteral("Hint"));
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(cmdHint_);
    hintRow->addStretch();
    layout->addLayout(hintRow);
    lblHint_ = MakeText(this, "lblHint", "Hint");
    layout->addWidget(lblHint_);

    chkMineChances_ = new QCheckBox(QString::fromUtf8(kMineChancesCaption), this);
    chkMineChances_->setObjectName("chkMineChances");
    chkMineChances_->setAccessibleName(QStringLiteral("Mine chances"));
    layout->addWidget(chkMineChances_);

    auto* legendBox = new QGroupBox(QString::fromUtf8(kLegendTitle), this);
    legendBox->setObjectName("grpLegend");
    legendBox->setAccessibleName(QString::fromUtf8(kLegendTitle));
    legend_ = legendBox;
    auto* grid = new QGridLayout(legendBox);
    const std::vector<LegendEntry>& entries = ChancesLegend();
    const int rows = static_cast<int>((entries.size() + 1) / 2);
    for (size_t i = 0; i < entries.size(); ++i) {
        const int row = static_cast<int>(i) % rows, column = 2 * (static_cast<int>(i) / rows);
        auto* swatch = new QLabel(legendBox);
        swatch->setObjectName(QStringLiteral("lblSwatch%1").arg(i));
        swatch->setAccessibleName(QString::fromStdString(entries[i].text));
        swatch->setFixedSize(kSwatchSize);
        swatches_.push_back(swatch);
        auto* text = MakeText(legendBox, "", entries[i].text.c_str());
        text->setObjectName(QStringLiteral("lblLegend%1").arg(i));
        text->setText(QString::fromStdString(entries[i].text));
        grid->addWidget(swatch, row, column);
        grid->addWidget(text, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(legendBox);
    lblChances_ = MakeText(this, "lblChances", "About the chances");
    layout->addWidget(lblChances_);

    auto* reviewBox = new QGroupBox(QString::fromUtf8(kReviewTitle), this);
    reviewBox->setObjectName("grpReview");
    reviewBox->setAccessibleName(QString::fromUtf8(kReviewTitle));
    auto* reviewLayout = new QVBoxLayout(reviewBox);
    lblReview_ = MakeText(reviewBox, "lblReview", kReviewTitle);
    reviewLayout->addWidget(lblReview_);
    layout->addWidget(reviewBox);

    chkNoGuess_ = new QCheckBox(QString::fromUtf8(kNoGuessCaption), this);
    chkNoGuess_->setObjectName("chkNoGuess");
    chkNoGuess_->setAccessibleName(QStringLiteral("No-guess random minefields"));
    layout->addWidget(chkNoGuess_);
    lblNoGuess_ = MakeText(this, "lblNoGuess", "About no-guess minefields");
    layout->addWidget(lblNoGuess_);
    layout->addStretch();

    connect(cmdHint_, &QPushButton::clicked, this, [this] { board_.HintCommand(); });
    connect(chkMineChances_, &QCheckBox::toggled, this,
            [this](bool on) { board_.MineChancesCommand(on); });
    connect(chkNoGuess_, &QCheckBox::toggled, this, [this](bool on) {
        board_.assistant().SetNoGuess(on);
        emit noGuessChosen(on);
        Refresh();
    });
    // H asks for a hint here too, as on the board; F3 hands the keys back to the board.
    auto* hintKey = new QAction(this);
    hintKey->setObjectName("actHintKey");
    hintKey->setShortcut(QKeySequence(Qt::Key_H));
    connect(hintKey, &QAction::triggered, cmdHint_, &QPushButton::click);
    addAction(hintKey);
    auto* boardKey = new QAction(this);
    boardKey->setObjectName("actBoardKey");
    boardKey->setShortcut(QKeySequence(Qt::Key_F3));
    connect(boardKey, &QAction::triggered, this, &AssistantWindow::boardWanted);
    addAction(boardKey);

    board_.assistant().SetListener(this);
    Refresh();
}

AssistantWindow::~AssistantWindow() {
    board_.assistant().SetListener(nullptr);
    // A count still going on reads nothing of the window, but its result is posted to it.
    if (worker_.joinable()) worker_.join();
}

void AssistantWindow::showAndFocus() {
    ShowAndFocus(this);
    cmdHint_->setFocus(Qt::OtherFocusReason);
}

bool AssistantWindow::event(QEvent* event) {
    RestoreIfActivatedWhileMinimised(this, event);
    return QWidget::event(event);
}

// Shown and hidden by the program (opened, closed by its frame), not minimised and restored by
// the window system: a minimised Assistant is still open.
void AssistantWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) board_.AssistantWindowShown(true);
    Refresh();
}

void AssistantWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitHeight();
}

void AssistantWindow::FitHeight() {
    QLayout* content = layout();
    const int wanted = content->hasHeightForWidth() ? content->totalHeightForWidth(width())
                                                    : content->totalSizeHint().height();
    if (minimumHeight() != wanted) setMinimumHeight(wanted);
    if (height() < wanted) resize(width(), wanted);
}

void AssistantWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) board_.AssistantWindowShown(false);
}

void AssistantWindow::AssistantChanged() {
    Refresh();
    StartRefinement();
}

void AssistantWindow::Refresh() {
    Assistant& assistant = board_.assistant();
    const GameState& game = board_.game();
    const std::string hint = assistant.HintLine(game);
    SetText(lblHint_, hint.empty() ? kHintPrompt : hint);
    if (chkMineChances_->isChecked() != assistant.chancesChecked()) {
        const QSignalBlocker quiet(chkMineChances_);
        chkMineChances_->setChecked(assistant.chancesChecked());
    }
    SetText(lblChances_, assistant.ChancesStatus(game));
    lblChances_->setVisible(!lblChances_->text().isEmpty());
    const std::string& review = assistant.ReviewText();
    SetText(lblReview_, review.empty() ? kNoReviewText : review);
    if (chkNoGuess_->isChecked() != assistant.noGuess()) {
        const QSignalBlocker quiet(chkNoGuess_);
        chkNoGuess_->setChecked(assistant.noGuess());
    }
    SetText(lblNoGuess_, assistant.NoGuessText());
    lblNoGuess_->setVisible(!lblNoGuess_->text().isEmpty());
    DrawSwatches();
    FitHeight();
}

void AssistantWindow::DrawSwatches() {
    const Rgb ground = board_.colours().ItemColour(kItemMinefield);
    if (swatchGround_ == ground) return;
    swatchGround_ = ground;
    const std::vector<LegendEntry>& entries = ChancesLegend();
    const qreal ratio = devicePixelRatioF();
    for (size_t i = 0; i < entries.size(); ++i) {
        const ChanceTint& tint = entries[i].tint;
        QPixmap pixmap(kSwatchSize * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(QColor(ground.red, ground.green, ground.blue));
        QPainter painter(&pixmap);
        // The patch as it stands inside a square's face, framed in its own colour.
        const QRectF square(0.5, 0.5, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
        const QRectF patch =
            square.adjusted(square.width() * tint.inset / 2, square.height() * tint.inset / 2,
                            -square.width() * tint.inset / 2, -square.height() * tint.inset / 2);
        painter.setPen(QPen(QColor(0, 0, 0), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square);
        painter.setPen(QPen(ToQColor(tint.frame), 1));
        painter.setBrush(ToQColor(tint.fill));
        painter.drawRect(patch);
        painter.end();
        swatches_[i]->setPixmap(pixmap);
    }
}

void AssistantWindow::StartRefinement() {
    if (worker_.joinable()) return;  // one count at a time; the next one when it is done
    const std::optional<Position> position = board_.assistant().RefinementWanted();
    if (!position) return;
    board_.assistant().RefinementStarted();
    // The count sees only its own copy of the position.
    worker_ = std::thread([this, position = *position] {
        auto analysis = std::make_shared<Analysis>(Analyse(position, Assistant::RefineOptions()));
        QMetaObject::invokeMethod(
            this, [this, position, analysis] { RefinementDone(position, analysis); },
            Qt::QueuedConnection);
    });
}

void AssistantWindow::RefinementDone(const Position& position, std::shared_ptr<Analysis> analysis) {
    worker_.join();
    board_.ChancesRefined(position, std::move(*analysis));
    // The player may have moved on meanwhile: that position may want counting too.
    StartRefinement();
}

}  // namespace zendrix
