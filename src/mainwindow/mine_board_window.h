// The main window frmMineBoard: menus, the board, the status labels, the demonstration's panel and
// the timers. It forwards every event to the MineBoard and shows what it decides.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "mainwindow/mine_board.h"
#include "scores/best_scores_view.h"

class QAction;
class QPushButton;

namespace zendrix {

class AssistantWindow;
class BoardWidget;
class HelpWindow;
class BestScoresWindow;
class ColourSelectorWindow;
class CreateColourWindow;

// The secondary windows the main window opens; they exist once the window is built.
struct SecondaryWindows {
    BestScoresWindow* bestScores = nullptr;
    ColourSelectorWindow* colourSelector = nullptr;
    CreateColourWindow* createColour = nullptr;
    HelpWindow* help = nullptr;
    AssistantWindow* assistant = nullptr;
};

class MineBoardWindow : public QMainWindow, public MineBoardView, private BestScoresHost {
    Q_OBJECT

  public:
    explicit MineBoardWindow(DataFile dataFile = DataFile{}, QWidget* parent = nullptr);
    explicit MineBoardWindow(std::unique_ptr<DataFileAccess> dataFile, QWidget* parent = nullptr);
    ~MineBoardWindow() override;

    // Shows the window and runs the start-up with its demonstration.
    void start();
    // The session ends without anyone to answer questions (a signal, the desktop logging out):
    // saves what is not on the disk yet, as Exit does, and ends the event loop with status 0.
    void EndSession();

    MineBoard& board() { return board_; }
    BoardWidget* boardWidget() const { return boardWidget_; }
    QWidget* control(Control control) const { return controls_[static_cast<size_t>(control)]; }
    QTimer* timer(Timer timer) const { return timers_[static_cast<size_t>(timer)]; }
    QAction* action(const QString& objectName) const;
    // The secondary windows, each created the first time it is needed and then kept.
    HelpWindow* helpWindow();
    BestScoresWindow* bestScoresWindow();
    ColourSelectorWindow* colourSelectorWindow();
    CreateColourWindow* createColourWindow();
    // The Assistant's window, created the first time F3 is pressed; nullptr until then.
    AssistantWindow* assistantWindow() const { return windows_.assistant; }
    void OpenAssistant();

    // MineBoardView
    void SetText(Control control, const std::string& text) override;
    void SetVisible(Control control, bool visible) override;
    void SetTimer(Timer timer, bool enabled, int intervalMs) override;
    Canvas& BoardCanvas() override;
    void BoardChanged() override;
    void OverlayChanged() override;
    void ApplyStatusLayout(const StatusLayout& layout) override;
    void MoveCursorImage(PointF topLeft) override;
    void MenuChecksChanged() override;
    void ShowMessage(const std::string& title, const std::string& text, DialogueIcon icon) override;
    void ShowMessageWhenIdle(const std::string& title, const std::string& text,
                             DialogueIcon icon) override;
    std::string AskName(const std::string& title, const std::string& prompt,
                        const std::string& defaultText) override;
    void ShowBestTimes(int size, int density) override;
    void RefreshBestScores() override;
    void RestoreMainWindowIfMinimised() override;
    void FocusMainWindow() override;
    void FocusModifyWindowIfVisible() override;
    void FocusSelectorWindow() override;
    void FocusFreezeButton() override;
    void StartupRunFinished() override;

  private:
    // BestScoresHost
    int CurrentSizeCode() const override { return board_.game().sizeCode; }
    int CurrentDensityCode() const override { return board_.game().densityCode; }
    void MarkBestScoresChanged() override { board_.bestScoresChanged() = true; }
    void SaveIfChanged() override { board_.SaveIfChanged(); }
    void SavePromptly() override { board_.SavePromptly(); }
    void ShowHelpText() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void BuildTimers();
    void ShowAbout();
    void FitDescriptionFont();
    // The unload's save. When changes could not be saved, asks: Retry, Save a Copy elsewhere,
    // Quit Without Saving, or Cancel. False for Cancel: the game goes on.
    bool SaveBeforeExit();
    void CloseSecondaryWindows();

    MineBoard board_;
    BoardWidget* boardWidget_ = nullptr;
    std::array<QWidget*, static_cast<size_t>(Control::kCount)> controls_{};
    std::array<QTimer*, static_cast<size_t>(Timer::kCount)> timers_{};
    std::array<QAction*, 3> sizeActions_{};
    std::array<QAction*, 5> densityActions_{};
    std::array<QAction*, 3> reachActions_{};
    std::array<QAction*, 6> markerActions_{};
    QAction* randomAction_ = nullptr;
    QAction* demoAction_ = nullptr;
    SecondaryWindows windows_;
    bool unloaded_ = false;
    bool descriptionFitted_ = false;
};

// The 32 x 32 pointer picture of the demonstration: an arrow with a small hourglass, its tip at
// the top-left corner.
QPixmap DemonstrationPointer();

}  // namespace zendrix
