// frmBestScores: the five best results of one size and density as a text table, with menus to
// view another combination, delete results and open the manual. Created once, then shown/hidden.
#pragma once

#include <QMainWindow>
#include <array>

#include "scores/best_scores_view.h"

class QAction;
class QFrame;
class QLabel;

namespace zendrix {

class BestScoresWindow : public QMainWindow {
    Q_OBJECT

  public:
    BestScoresWindow(BestScoreTable& table, BestScoresHost& host, QWidget* parent = nullptr);

    // Rebuilds every text for that combination; works while the window is hidden.
    void ShowBestTimes(int isize, int idensity);
    // Saves the data file if anything changed; the main window calls it when the program ends.
    void unload();

    int displayedSize() const { return content_.displayedSize; }
    int displayedDensity() const { return content_.displayedDensity; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Applies the background label's sizing rule when the client area changes size.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void DeleteRank(int rank);
    void DeleteDisplayed();
    void ConfirmDeleteAll();

    BestScoreTable& table_;
    BestScoresHost& host_;
    BestScoresContent content_;
    // Set while our own confirmation box has taken the activation away, so that getting it back
    // does not switch the display to the current game's combination.
    bool asking_ = false;
    bool deactivatedByBox_ = false;

    QWidget* client_ = nullptr;
    QLabel* lblBestScores_ = nullptr;
    QLabel* SizeandDensity_ = nullptr;
    QLabel* TableHeading_ = nullptr;
    QLabel* lblNumbers_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QLabel* lblAdjustedScores_ = nullptr;
    QLabel* lblTimes_ = nullptr;
    QLabel* lblNames_ = nullptr;
    QLabel* lblNotes_ = nullptr;
    QFrame* lineNotes_ = nullptr;
    QLabel* lblFootnotes_ = nullptr;
    std::array<QAction*, kSizeCount + 1> mViewSize_{};        // 1..3
    std::array<QAction*, kDensityCount + 1> mViewDensity_{};  // 1..5
    std::array<QAction*, kKeptRanks + 2> mScore_{};           // 1..6
};

}  // namespace zendrix
