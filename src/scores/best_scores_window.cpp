// The best-scores window: lays out its labels in twips, shows what ShowBestTimes computed and
// turns the menu commands into table deletions.
#include "scores/best_scores_window.h"
#include "platform/qt/window_helpers.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>
#include <utility>
#include <vector>

namespace zendrix {

namespace {

constexpr int kClientWidth = 8745;
constexpr int kClientHeight = 5040;

// The names column holds what players typed, which must never be read as markup (every label is
// plain text); the columns' CR LF line ends become the labels' line breaks.
QString Shown(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// The columns are lined up with blanks, and the longest captions were fitted to their labels in
// a narrower face than most platforms' default. Narrowing the face just enough keeps every text
// whole ("Mine density" and "Notes" included) while keeping blanks and digits in proportion.
QFont NarrowedToFit(const QFont& font, const std::vector<std::pair<QString, int>>& textsAndWidths) {
    const Overflow overflow = [&textsAndWidths](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        double most = 0;
        for (const auto& [text, width] : textsAndWidths) {
            for (const QString& line : text.split('\n')) {
                most = std::max(most, metrics.horizontalAdvance(line) / static_cast<double>(width));
            }
        }
        return most;
    };
    constexpr int kNarrowest = 60;
    return FitFont(font, overflow, font.pointSizeF(), kNarrowest);
}

// Every caption the size-and-density label and the heading can show, with their widths.
std::vector<std::pair<QString, int>> WidestCaptions() {
    BestScoreTable flagged;
    flagged.At(1, 1, 1) = BestScoreEntry{"x", 1, 0, true, true, true};
    std::vector<std::pair<QString, int>> captions;
    for (int size = 1; size <= kSizeCount; ++size) {
        for (int density = 1; density <= kDensityCount; ++density) {
            captions.emplace_back(Shown(ShowBestTimes(flagged, size, density).sizeAndDensity),
                                  TwipsToPixels(7935));
        }
    }
    captions.emplace_back(Shown(ShowBestTimes(flagged, 1, 1).tableHeading), TwipsToPixels(7335));
    return captions;
}

}  // namespace

BestScoresWindow::BestScoresWindow(BestScoreTable& table, BestScoresHost& host, QWidget* parent)
    : QMainWindow(parent), table_(table), host_(host) {
    setObjectName("frmBestScores");
    setWindowTitle("Best Scores");
    // One instance lives for the whole run; closing it by the frame only hides it, and an open
    // best-scores window must not keep the program alive once the board is closed.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);

    BuildMenus();
    BuildControls();
    resize(TwipsToPixels(kClientWidth),
           TwipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    // The game starts at Small and 4 %; the main window shows its own combination when it needs.
    ShowBestTimes(1, 2);
}

void BestScoresWindow::BuildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    client_->installEventFilter(this);

    QPalette lightBlue = client_->palette();
    lightBlue.setColor(QPalette::Window, QColor(192, 192, 255));
    lightBlue.setColor(QPalette::WindowText, Qt::black);

    auto label = [&](const char* name, const QRect& rect, const QFont& font) {
        auto* created = new QLabel(client_);
        created->setObjectName(name);
        created->setGeometry(rect);
        created->setFont(font);
        created->setTextFormat(Qt::PlainText);
        created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        created->setAutoFillBackground(true);
        created->setPalette(lightBlue);
        return created;
    };
    auto line = [&](const char* name, int left, int right, int top) {
        auto* created = new QFrame(client_);
        created->setObjectName(name);
        created->setFrameShape(QFrame::HLine);
        created->setFrameShadow(QFrame::Plain);
        created->setLineWidth(1);
        created->setPalette(lightBlue);
        created->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(right - left),
                             1);
        return created;
    };

    // Created first so that everything else lies on top of it.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    lblBestScores_ = label("lblBestScores", TwipRect(0, 0, 8775, 5175), fixed);

    QLabel* title = label("Label1", TwipRect(2880, 120, 3375, 855), DialogFont(18, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setWordWrap(true);
    title->setText("3D-Zendrix Best Scores");

    const QFont twelve = NarrowedToFit(DialogFont(12), WidestCaptions());
    SizeandDensity_ = label("SizeandDensity", TwipRect(360, 1080, 7935, 615), twelve);
    TableHeading_ = label("TableHeading", TwipRect(720, 1680, 7335, 855), twelve);
    lblNumbers_ = label("lblNumbers", TwipRect(360, 2400, 375, 1695), twelve);
    lblScore_ = label("lblScore", TwipRect(720, 2400, 1095, 1695), twelve);
    lblAdjustedScores_ = label("lblAdjustedScores", TwipRect(1800, 2400, 1095, 1695), twelve);
    lblTimes_ = label("lblTimes", TwipRect(2880, 2400, 1335, 1695), twelve);
    lblNames_ = label("lblNames", TwipRect(4200, 2400, 4215, 1815), twelve);
    lblNotes_ = label("lblNotes", TwipRect(7440, 2400, 1575, 1695), twelve);
    lblFootnotes_ = label("lblFootnotes", TwipRect(240, 4080, 7815, 855), DialogFont(0));

    // The lines cross labels that would otherwise paint over them.
    line("Line2", 200, 8500, 1050)->raise();
    line("Line1", 200, 8500, 1440)->raise();
    lineNotes_ = line("lineNotes", 200, 8500, 4000);
    lineNotes_->raise();
}

void BestScoresWindow::BuildMenus() {
    auto action = [this](QMenu* menu, const QString& text, const QString& name) {
        QAction* created = menu->addAction(text);
        created->setObjectName(name);
        return created;
    };

    QMenu* view = menuBar()->addMenu("&View     ");
    view->setObjectName("mView");
    QMenu* sizes = view->addMenu("Different Minefield &Size");
    sizes->setObjectName("mViewSizeMenu");
    static const char* const kSizeCaptions[] = {"&Small", "&Medium", "&Large"};
    for (int k = 1; k <= kSizeCount; ++k) {
        mViewSize_[k] = action(sizes, kSizeCaptions[k - 1], QString("mViewSize%1").arg(k));
        mViewSize_[k]->setCheckable(true);
        connect(mViewSize_[k], &QAction::triggered, this,
                [this, k] { ShowBestTimes(k, displayedDensity()); });
    }
    QMenu* densities = view->addMenu("Different Mine &Density");
    densities->setObjectName("mViewDensityMenu");
    static const char* const kDensityCaptions[] = {"  &2%", "  &4%", "  &8%", "&16%", "&32%"};
    for (int k = 1; k <= kDensityCount; ++k) {
        mViewDensity_[k] =
            action(densities, kDensityCaptions[k - 1], QString("mViewDensity%1").arg(k));
        mViewDensity_[k]->setCheckable(true);
        connect(mViewDensity_[k], &QAction::triggered, this,
                [this, k] { ShowBestTimes(displayedSize(), k); });
    }

    QMenu* deletions = menuBar()->addMenu("&Delete Best Scores     ");
    deletions->setObjectName("mDelete");
    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        mScore_[rank] =
            action(deletions, QString("Score #&%1").arg(rank), QString("mScore%1").arg(rank));
        connect(mScore_[rank], &QAction::triggered, this, [this, rank] { DeleteRank(rank); });
    }
    mScore_[6] = action(deletions, "&All displayed scores", "mScore6");
    connect(mScore_[6], &QAction::triggered, this, &BestScoresWindow::DeleteDisplayed);
    deletions->addSeparator();
    QAction* deleteAll = action(deletions, "Delete all Best Scores", "mDeleteAll");
    connect(deleteAll, &QAction::triggered, this, &BestScoresWindow::ConfirmDeleteAll);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mHelp");
    QAction* text = action(help, "&Text", "mHelpText");
    connect(text, &QAction::triggered, this, [this] { host_.ShowHelpText(); });
}

void BestScoresWindow::ShowBestTimes(int isize, int idensity) {
    content_ = zendrix::ShowBestTimes(table_, isize, idensity);
    for (int k = 1; k <= kSizeCount; ++k) mViewSize_[k]->setChecked(k == isize);
    for (int k = 1; k <= kDensityCount; ++k) mViewDensity_[k]->setChecked(k == idensity);
    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        mScore_[rank]->setVisible(content_.scoreItemVisible[rank - 1]);
    }
    SizeandDensity_->setText(Shown(content_.sizeAndDensity));
    TableHeading_->setText(Shown(content_.tableHeading));
    lblNumbers_->setText(Shown(content_.numbers));
    lblScore_->setText(Shown(content_.scores));
    lblAdjustedScores_->setText(Shown(content_.adjustedScores));
    lblTimes_->setText(Shown(content_.times));
    lblNames_->setText(Shown(content_.names));
    lblNotes_->setText(Shown(content_.notes));
    lblFootnotes_->setText(Shown(content_.footnotes));
    lineNotes_->setVisible(content_.footnotesVisible);
    lblFootnotes_->setVisible(content_.footnotesVisible);
}

void BestScoresWindow::unload() {
    host_.SaveIfChanged();
}

void BestScoresWindow::DeleteRank(int rank) {
    table_.DeleteRank(displayedSize(), displayedDensity(), rank);
    host_.MarkBestScoresChanged();
    ShowBestTimes(displayedSize(), displayedDensity());
    host_.SavePromptly();
}

void BestScoresWindow::DeleteDisplayed() {
    table_.DeleteCombination(displayedSize(), displayedDensity());
    host_.MarkBestScoresChanged();
    ShowBestTimes(displayedSize(), displayedDensity());
    host_.SavePromptly();
}

void BestScoresWindow::ConfirmDeleteAll() {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kDeleteAllTitle),
                    Shown(DeleteAllText()),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName("confirmDeleteAll");
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    asking_ = true;
    const int answer = box.exec();
    asking_ = false;
    if (answer != QMessageBox::Yes) return;
    table_.DeleteAll();
    host_.MarkBestScoresChanged();
    ShowBestTimes(displayedSize(), displayedDensity());
    host_.SavePromptly();
}

bool BestScoresWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            RestoreIfActivatedWhileMinimised(this, event);
            if (deactivatedByBox_) {
                // Back from the confirmation box: keep the combination the player is looking at.
                deactivatedByBox_ = false;
            } else {
                ShowBestTimes(host_.CurrentSizeCode(), host_.CurrentDensityCode());
            }
            break;
        case QEvent::WindowDeactivate:
            if (asking_) deactivatedByBox_ = true;
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

void BestScoresWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    unload();
}

bool BestScoresWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && lblBestScores_) {
        const BackgroundSize size = BestScoresBackgroundSize(client_->width(), client_->height());
        lblBestScores_->resize(size.width, size.height);
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zendrix
