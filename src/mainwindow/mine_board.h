// The main window's game control without a window: start-up, the menu commands, the start of every
// game, the status labels, the game clock, the end-of-game dialogue and the demonstration. The Qt
// window implements MineBoardView and forwards its events here.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "assistant/assistant.h"
#include "board/cursor.h"
#include "board/layout.h"
#include "board/overlay.h"
#include "board/painter.h"
#include "colours/changeable_colours.h"
#include "colours/colour_model.h"
#include "colours/colour_selector.h"
#include "demonstration/demonstration.h"
#include "game/minefield.h"
#include "game/moves.h"
#include "mainwindow/board_texts.h"
#include "platform/canvas.h"
#include "platform/random_source.h"
#include "scores/best_scores.h"
#include "scores/data_file.h"
#include "scores/data_file_access.h"

namespace zendrix {

// Controls of the main window whose text or visibility the game sets.
enum class Control {
    lblMineInfo,
    lblMineDetectionInfo,
    clockdisplay,
    lblTitle,
    lblCopyright,
    lblDemoMinefield,
    cmdNewMinefield,
    lblDisplay,
    lblMoveDescription,
    imgCursor,
    cmdFreeze,
    cmdCancelDisplay,
    cmdReplay,
    kCount
};

enum class Timer { clock, clkBestScoreDelay, tmrDisplayScreen, kCount };

class MineBoardView {
  public:
    virtual ~MineBoardView() = default;
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    virtual void SetTimer(Timer timer, bool enabled, int intervalMs) = 0;
    // The surface the board is drawn on; valid until the next resize.
    virtual Canvas& BoardCanvas() = 0;
    // Something was drawn: show the kept picture again.
    virtual void BoardChanged() = 0;
    // The keyboard cursor or the neighbourhood preview changed, not the picture: draw the
    // overlay again and tell assistive technology what the cursor's square now shows.
    virtual void OverlayChanged() {}
    virtual void ApplyStatusLayout(const StatusLayout& layout) = 0;
    // Top-left of the pointer picture, in twips.
    virtual void MoveCursorImage(PointF topLeft) = 0;
    // The check marks of the menus changed (read them from the MineBoard).
    virtual void MenuChecksChanged() = 0;
    virtual void ShowMessage(const std::string& title, const std::string& text,
                             DialogueIcon icon) = 0;
    // The same box, opened once the command in progress has finished. A modal box runs its own
    // event loop, which would otherwise run the demonstration's timer in the middle of setting up
    // the demonstration.
    virtual void ShowMessageWhenIdle(const std::string& title, const std::string& text,
                                     DialogueIcon icon) {
        ShowMessage(title, text, icon);
    }
    // A modal name prompt; the empty text for Cancel.
    virtual std::string AskName(const std::string& title, const std::string& prompt,
                                const std::string& defaultText) = 0;
    // The best-scores window shows this combination (visible or not).
    virtual void ShowBestTimes(int size, int density) = 0;
    // The table changed under the best-scores window (a save brought other copies' results):
    // it shows the combination it shows again.
    virtual void RefreshBestScores() {}
    virtual void FocusFreezeButton() = 0;
    // The silent demonstration run at start-up has ended and drawn its final board.
    virtual void StartupRunFinished() {}
    // Window requests of the colour windows' logic.
    virtual void RestoreMainWindowIfMinimised() {}
    virtual void FocusMainWindow() {}
    virtual void FocusModifyWindowIfVisible() {}
    virtual void FocusSelectorWindow() {}
};

class MineBoard : private MoveObserver, private ColourHost, private DemonstrationHost {
  public:
    explicit MineBoard(MineBoardView& view, DataFile dataFile = DataFile{});
    MineBoard(MineBoardView& view, std::unique_ptr<DataFileAccess> dataFile);

    // Start-up, after the window is shown.
    void Load();

    // Menu commands and buttons.
    void SizeCommand(int index);
    void DensityCommand(int index);
    void ReachCommand(int index);
    void RandomMinefieldsCommand();
    void DemoMinefieldsCommand();
    void NewMinefieldButton();
    void MarkerColourCommand(int menuIndex);
    void UseDefaultColours();
    void ShowDemonstrationCommand();
    void ReplayButton();
    void FreezeButton();
    void CancelDisplayButton();

    // Board and timers.
    // A mouse press: it hides the keyboard cursor.
    void BoardPress(MouseButton button, std::optional<Square> hit);
    // A key on the board. The first key only shows the cursor; Space and Enter then press its
    // square as the left and right buttons do.
    void BoardKeyPress(BoardKey key);
    // The neighbourhood preview: whether Shift is held and the square under the pointer.
    void SetPreview(bool shiftHeld, std::optional<Square> pointer);
    // What is drawn over the board: the Assistant's mine chances, the preview, then the cursor.
    Overlay BoardOverlay() const;
    // The square under the cursor, for screen readers, followed by the hint's reason when the
    // Assistant has just sent the cursor there; empty while the cursor is hidden.
    std::string CursorDescription() const;
    const BoardCursor& cursor() const { return cursor_; }
    void ClockTick();
    void BestScoreDelayTick();
    void DisplayScreenTick() { demonstration_.Tick(); }
    // The whole-board redraw after a resize or a colour change.
    void form_resize();

    // Writes the data file when anything changed since it was read. Returns the player's message
    // when there is something to tell (changes not on the disk, told once until a save succeeds;
    // a damaged file met on the way), after showing it unless told not to.
    std::string SaveIfChanged(bool tellPlayer = true);
    // Something worth keeping changed (a best score recorded or deleted, a colour choice): it is
    // written at once. A failure is told once, until a save succeeds again.
    void SavePromptly();
    // The program ends: writes the data file when anything changed since it was read, without a
    // message. Returns the player's message when changes of this session are not on the disk.
    std::string SaveAtExit();
    // Writes what memory holds as a complete data file at `path`, for the player to move into
    // place later. Returns why that failed, or "".
    std::string SaveCopy(const std::string& path);
    // A change is not on the disk yet.
    bool unsaved() const { return unsaved_; }

    void StartNewGame();

    // The Assistant (F3). Its window opened or closed: the chances are drawn only while it is
    // open.
    void AssistantWindowShown(bool open);
    void MineChancesCommand(bool checked);
    // The Hint button, and H on the board while the Assistant's window is open: the cursor goes
    // to the hinted square.
    void HintCommand();
    // A larger count of the chances drawn, made away from this thread.
    void ChancesRefined(const Position& position, Analysis analysis);
    Assistant& assistant() { return assistant_; }
    const Assistant& assistant() const { return assistant_; }

    // State the window reads.
    GameState& game() { return game_; }
    const GameState& game() const { return game_; }
    ColourModel& colours() { return colours_; }
    BoardGeometry& geometry() { return geometry_; }
    BestScoreTable& bestScores() { return bestScores_; }
    ColourSelector& selector() { return selector_; }
    ChangeableColours& changeableColours() { return changeable_; }
    bool& bestScoresChanged() { return bestScoresChanged_; }
    DataFileAccess& dataFile() { return *dataFile_; }
    bool IsVisible(Control control) const { return visible_[static_cast<size_t>(control)]; }
    const std::string& Text(Control control) const { return text_[static_cast<size_t>(control)]; }
    bool TimerEnabled(Timer timer) const { return timerEnabled_[static_cast<size_t>(timer)]; }
    int TimerInterval(Timer timer) const { return timerInterval_[static_cast<size_t>(timer)]; }
    const std::array<bool, 3>& sizeChecked() const { return sizeChecked_; }
    const std::array<bool, 5>& densityChecked() const { return densityChecked_; }
    const std::array<bool, 3>& reachChecked() const { return reachChecked_; }
    bool randomChecked() const { return randomChecked_; }
    bool demoChecked() const { return demoChecked_; }
    const std::string& lastBestName() const { return lastBestName_; }

  private:
    // MoveObserver: the moves report, the board draws.
    void PaintSquare(const Square& square, Rgb colour) override;
    void DrawGrid() override;
    void ShowMines(const Square& struck) override;
    void MineCountsChanged() override { ShowMineCounts(); }
    void GameEnded() override;

    // ColourHost: what the colour windows' logic asks of the main window.
    void MarkBestScoresChanged() override { bestScoresChanged_ = true; }
    void ColoursApplied() override { SavePromptly(); }
    void RedrawBoard() override;
    void RestoreMainWindowIfMinimised() override { view_.RestoreMainWindowIfMinimised(); }
    void FocusMainWindow() override { view_.FocusMainWindow(); }
    void FocusModifyWindowIfVisible() override { view_.FocusModifyWindowIfVisible(); }
    void FocusSelectorWindow() override { view_.FocusSelectorWindow(); }

    // DemonstrationHost: the demonstration's moves, pointer, marker colour and texts.
    void PrepareDemonstrationField(int reachLevel, int uncoveredCount,
                                   int safeSquareCount) override;
    void AdjustUncoveredCount(int by) override { game_.uncoveredCount += by; }
    void UncoverSquare(const Square& s) override {
        Moves().UncoverSquare(s.column, s.row, s.level);
    }
    void ToggleMark(const Square& s) override { Moves().ToggleMark(s.column, s.row, s.level); }
    void UncoverAround(const Square& s) override {
        Moves().UncoverAround(s.column, s.row, s.level);
    }
    void PlacePointer(const Square& square) override;
    void ShowPointer(bool visible) override { SetVisible(Control::imgCursor, visible); }
    int DemonstrationMarkerColour() const override { return colours_.MarkerColour(); }
    void SetDemonstrationMarkerColour(int paletteIndex) override;
    void ShowStepCaption(const std::string& text) override {
        SetText(Control::lblMoveDescription, text);
    }
    void SetStepTimer(bool enabled, std::optional<int> intervalMs) override {
        SetTimer(Timer::tmrDisplayScreen, enabled, intervalMs);
    }
    void StepDone() override { ShowBoardChanged(); }
    void DemonstrationEnded(int savedMarkerColour) override;

    // The one way a press reaches the moves, from the mouse and from the keys alike.
    void PressSquare(MouseButton button, std::optional<Square> hit);
    // What the player sees may have changed: the Assistant follows, then the window shows it.
    void ShowBoardChanged();

    // The marker colour the player chose, even while a demonstration has its own in force.
    int PlayersMarkerColour() const;
    BoardPainter Painter();
    Play Moves() { return Play(game_, colours_, random_, *this, &assistant_); }

    void SetText(Control control, const std::string& text);
    void SetVisible(Control control, bool visible);
    void SetTimer(Timer timer, bool enabled, std::optional<int> intervalMs = std::nullopt);

    void ShowMineInfo();
    void ShowMineCounts();
    void ShowTitle();
    void startclock();
    void displayclock();
    void StopDemonstrationIfShown();
    // Size and density commands share everything but the setting they change.
    void SettingCommand();

    void StartDemonstrationBoard();
    void ReadDataFile();
    DataFileReport WriteDataFile();

    MineBoardView& view_;
    std::unique_ptr<DataFileAccess> dataFile_;
    GameState game_;
    BoardGeometry geometry_;
    ColourModel colours_;
    ColourSelector selector_{colours_, *this};
    ChangeableColours changeable_{colours_, selector_};
    BestScoreTable bestScores_;
    bool bestScoresChanged_ = false;
    bool unsaved_ = false;      // a change is not on the disk
    bool failureTold_ = false;  // the player knows the last save failed
    StandardRandomSource random_;
    std::string lastBestName_;

    std::array<bool, static_cast<size_t>(Control::kCount)> visible_{};
    std::array<std::string, static_cast<size_t>(Control::kCount)> text_{};
    std::array<bool, static_cast<size_t>(Timer::kCount)> timerEnabled_{};
    std::array<int, static_cast<size_t>(Timer::kCount)> timerInterval_{0, 1000, 1};
    std::array<bool, 3> sizeChecked_{};
    std::array<bool, 5> densityChecked_{};
    std::array<bool, 3> reachChecked_{};
    bool randomChecked_ = false;
    bool demoChecked_ = false;

    Demonstration demonstration_{*this};
    // From start-up until its demonstration has finished: nothing is drawn until the end.
    bool startupRun_ = false;

    Assistant assistant_;
    BoardCursor cursor_;
    bool previewHeld_ = false;
    std::optional<Square> previewPointer_;
};

}  // namespace zendrix
