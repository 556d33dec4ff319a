// Start-up, commands, new games, labels, clock and the end-of-game dialogue of the main window.
#include "mainwindow/mine_board.h"

#include "game/placement.h"
#include "scores/score.h"
#include "solver/assistant_texts.h"

namespace zendrix {

namespace {
constexpr int kClockInterval = 1000;
constexpr int kBestScoreDelay = 1000;
}  // namespace

MineBoard::MineBoard(MineBoardView& view, DataFile dataFile)
    : MineBoard(view, std::make_unique<DataFileOnDisk>(std::move(dataFile))) {}

MineBoard::MineBoard(MineBoardView& view, std::unique_ptr<DataFileAccess> dataFile)
    : view_(view), dataFile_(std::move(dataFile)) {
    game_.columnCount = 0;  // no field exists until the first game
}

BoardPainter MineBoard::Painter() {
    return BoardPainter(view_.BoardCanvas(), game_, colours_, geometry_);
}

void MineBoard::SetText(Control control, const std::string& text) {
    text_[static_cast<size_t>(control)] = text;
    view_.SetText(control, text);
}

void MineBoard::SetVisible(Control control, bool visible) {
    visible_[static_cast<size_t>(control)] = visible;
    view_.SetVisible(control, visible);
}

void MineBoard::SetTimer(Timer timer, bool enabled, std::optional<int> intervalMs) {
    const auto index = static_cast<size_t>(timer);
    timerEnabled_[index] = enabled;
    if (intervalMs) timerInterval_[index] = *intervalMs;
    view_.SetTimer(timer, enabled, timerInterval_[index]);
}

void MineBoard::Load() {
    game_.useDemoMinefields = false;
    randomChecked_ = true;
    demoChecked_ = false;
    game_.levelCount = 3;
    geometry_.rowShift = 0.8;
    geometry_.rowRise = 0.5f;
    geometry_.boardTop = 900;
    game_.demonstrationMode = true;
    game_.demoNumber = 0;
    game_.sizeCode = 1;
    game_.densityCode = 2;
    ShowTitle();
    DensityCommand(1);
    ReachCommand(2);
    SizeCommand(0);
    startupRun_ = true;
    StartNewGame();
}

void MineBoard::ShowTitle() {
    SetText(Control::lblTitle, kProgramTitle);
    SetVisible(Control::lblCopyright, true);
    SetVisible(Control::lblTitle, true);
}

void MineBoard::StopDemonstrationIfShown() {
    if (IsVisible(Control::lblDisplay)) demonstration_.Stop();
}

void MineBoard::SettingCommand() {
    StopDemonstrationIfShown();
    if (!game_.demonstrationMode) NewMinefieldButton();
    view_.ShowBestTimes(game_.sizeCode, game_.densityCode);
}

void MineBoard::SizeCommand(int index) {
    sizeChecked_.fill(false);
    sizeChecked_[static_cast<size_t>(index)] = true;
    view_.MenuChecksChanged();
    game_.SetSize(index);
    SettingCommand();
}

void MineBoard::DensityCommand(int index) {
    densityChecked_.fill(false);
    densityChecked_[static_cast<size_t>(index)] = true;
    view_.MenuChecksChanged();
    game_.SetDensity(index);
    SettingCommand();
}

void MineBoard::ReachCommand(int index) {
    reachChecked_.fill(false);
    reachChecked_[static_cast<size_t>(index)] = true;
    view_.MenuChecksChanged();
    game_.reachLevel = static_cast<int16_t>(index + 1);
    if (index == 0) game_.reach6Used = true;
    if (game_.reachLevel == 2) game_.reach18Used = true;
    if (game_.columnCount > 0) {
        Moves().RecountReach();
        ShowBoardChanged();
    }
    ShowMineInfo();
}

void MineBoard::RandomMinefieldsCommand() {
    StopDemonstrationIfShown();
    game_.useDemoMinefields = false;
    SetVisible(Control::lblDemoMinefield, false);
    randomChecked_ = true;
    demoChecked_ = false;
    view_.MenuChecksChanged();
    StartNewGame();
}

void MineBoard::DemoMinefieldsCommand() {
    StopDemonstrationIfShown();
    game_.useDemoMinefields = true;
    randomChecked_ = false;
    demoChecked_ = true;
    view_.MenuChecksChanged();
    StartNewGame();
}

void MineBoard::NewMinefieldButton() {
    if (game_.useDemoMinefields) {
        DemoMinefieldsCommand();
    } else {
        RandomMinefieldsCommand();
    }
}

void MineBoard::MarkerColourCommand(int menuIndex) {
    selector_.MarkerColourCommand(menuIndex);
    view_.MenuChecksChanged();
    SavePromptly();
}

void MineBoard::UseDefaultColours() {
    selector_.UseDefaultColours();
    SavePromptly();
}

void MineBoard::RedrawBoard() {
    form_resize();
    view_.MenuChecksChanged();
}

void MineBoard::StartNewGame() {
    if (!game_.demonstrationMode) {
        SetVisible(Control::lblTitle, false);
        SetVisible(Control::lblCopyright, false);
        geometry_.boardTop = 50;
        if (game_.useDemoMinefields) game_.demoNumber = NextDemoNumber(game_.demoNumber);
    }
    // A dialogue still pending for the game being abandoned would report this game's state.
    SetTimer(Timer::clkBestScoreDelay, false);
    game_.ResetForNewGame();
    assistant_.NewGame();
    cursor_.FitTo(game_);
    BoardPainter painter = Painter();
    if (!startupRun_) painter.ClearBoard();
    view_.ApplyStatusLayout(LayoutBoard(geometry_, game_.columnCount, game_.rowCount));
    if (!startupRun_) {
        painter.DrawMinefieldBase();
        painter.DrawGrid();
    }
    ShowBoardChanged();
    startclock();
    ShowMineInfo();
    ShowMineCounts();
    if (game_.demonstrationMode) StartDemonstrationBoard();
}

void MineBoard::ShowMineInfo() {
    SetText(Control::lblMineInfo, MineInfoText(game_));
    if (game_.useDemoMinefields) {
        SetText(Control::lblDemoMinefield, DemoMinefieldText(game_));
        if (!game_.demonstrationMode) SetVisible(Control::lblDemoMinefield, true);
    }
}

void MineBoard::ShowMineCounts() {
    SetText(Control::lblMineDetectionInfo, MineCountsText(game_));
}

void MineBoard::startclock() {
    SetTimer(Timer::clock, true, kClockInterval);
    game_.elapsedSeconds = 0;
    displayclock();
}

void MineBoard::displayclock() {
    SetText(Control::clockdisplay, ClockText(game_.elapsedSeconds));
}

void MineBoard::ClockTick() {
    if (!TimerEnabled(Timer::clock)) return;
    game_.elapsedSeconds += 1;
    displayclock();
}

void MineBoard::BoardPress(MouseButton button, std::optional<Square> hit) {
    if (cursor_.visible()) {
        cursor_.Hide();
        view_.OverlayChanged();
    }
    PressSquare(button, hit);
}

void MineBoard::PressSquare(MouseButton button, std::optional<Square> hit) {
    if (game_.gameOver) return;
    assistant_.BeforePress(game_);
    Moves().BoardPress(button, hit);
    if (game_.gameOver && game_.struckColumn > 0) {
        assistant_.MineStruck({game_.struckColumn, game_.struckRow, game_.struckLevel});
    }
    ShowBoardChanged();
}

void MineBoard::ShowBoardChanged() {
    assistant_.Follow(game_);
    view_.BoardChanged();
}

void MineBoard::AssistantWindowShown(bool open) {
    if (open == assistant_.windowOpen()) return;
    assistant_.SetWindowOpen(open);
    assistant_.Follow(game_);
    view_.OverlayChanged();
}

void MineBoard::MineChancesCommand(bool checked) {
    if (checked == assistant_.chancesChecked()) return;
    assistant_.SetChancesChecked(checked);
    assistant_.Follow(game_);
    view_.OverlayChanged();
}

void MineBoard::HintCommand() {
    // A stray H while the Assistant is closed must not make a game assisted.
    if (!assistant_.windowOpen() || game_.columnCount <= 0) return;
    if (const std::optional<Square> square = assistant_.AskHint(game_, cursor_.square())) {
        cursor_.MoveTo(*square, game_);
        cursor_.Show();
    }
    view_.OverlayChanged();
}

void MineBoard::ChancesRefined(const Position& position, Analysis analysis) {
    if (assistant_.TakeRefined(position, std::move(analysis))) view_.OverlayChanged();
}

void MineBoard::BoardKeyPress(BoardKey key) {
    if (game_.columnCount <= 0) return;
    if (key == BoardKey::Hint) {
        HintCommand();
        return;
    }
    if (!cursor_.visible()) {
        cursor_.Show();
        view_.OverlayChanged();
        return;
    }
    if (key == BoardKey::Uncover || key == BoardKey::Mark) {
        PressSquare(key == BoardKey::Uncover ? MouseButton::Left : MouseButton::Right,
                    cursor_.square());
        return;
    }
    if (cursor_.Move(key, game_)) view_.OverlayChanged();
}

void MineBoard::SetPreview(bool shiftHeld, std::optional<Square> pointer) {
    if (shiftHeld == previewHeld_ && pointer == previewPointer_) return;
    const bool showing = previewHeld_ || shiftHeld;
    previewHeld_ = shiftHeld;
    previewPointer_ = pointer;
    if (showing) view_.OverlayChanged();
}

Overlay MineBoard::BoardOverlay() const {
    Overlay overlay;
    if (game_.columnCount <= 0) return overlay;
    assistant_.AddChances(overlay, geometry_, game_);
    if (previewHeld_) {
        const std::optional<Square> centre =
            cursor_.visible() ? std::optional<Square>(cursor_.square()) : previewPointer_;
        if (centre) AddReachPreview(overlay, geometry_, game_, *centre);
    }
    if (cursor_.visible()) AddSquareOutline(overlay, geometry_, game_.rowCount, cursor_.square());
    return overlay;
}

std::string MineBoard::CursorDescription() const {
    // Nothing while the cursor is hidden, so that showing it is announced too.
    if (!cursor_.visible()) return "";
    const std::string square = DescribeSquare(game_, colours_, cursor_.square());
    const std::string hint = assistant_.HintAnnouncement(game_, cursor_.square());
    return hint.empty() ? square : square + " \u2014 " + hint;
}

// While the demonstration runs silently at start-up nobody sees its moves drawn one by one; its
// end draws the whole board once instead.
void MineBoard::PaintSquare(const Square& square, Rgb colour) {
    if (!startupRun_) Painter().PaintSquare(square, colour);
}

void MineBoard::DrawGrid() {
    if (!startupRun_) Painter().DrawGrid();
}

void MineBoard::ShowMines(const Square& struck) {
    if (!startupRun_) Painter().ShowMines(struck.column, struck.row, struck.level);
}

void MineBoard::GameEnded() {
    SetTimer(Timer::clock, false);  // the score stops the clock
    if (!IsVisible(Control::lblCopyright)) {
        SetTimer(Timer::clkBestScoreDelay, true, kBestScoreDelay);
    }
}

void MineBoard::BestScoreDelayTick() {
    if (!TimerEnabled(Timer::clkBestScoreDelay)) return;
    SetTimer(Timer::clkBestScoreDelay, false);
    const double adjusted =
        AdjustedScore(game_.lastScore, game_.elapsedSeconds, game_.reach6Used, game_.reach18Used);
    const double fifth = bestScores_.GetBestScore(game_.sizeCode, game_.densityCode);
    EndOfGameDialogue dialogue =
        EndOfGameFor(game_.struckColumn > 0, game_.lastScore, adjusted, fifth);
    if (assistant_.assisted()) {
        // The plain message whatever the score: an assisted game is never a best score.
        dialogue = EndOfGameFor(game_.struckColumn > 0, game_.lastScore, 0, 0);
        dialogue.text = WithAssistedLine(dialogue.text);
    }
    if (dialogue.kind == DialogueKind::kMessage) {
        view_.ShowMessage(dialogue.title, dialogue.text, dialogue.icon);
        return;
    }
    const std::string answer =
        SanitiseName(view_.AskName(dialogue.title, dialogue.text, lastBestName_));
    if (answer.empty()) return;
    lastBestName_ = TruncateName(answer);
    bestScores_.newbestscore(lastBestName_, game_.sizeCode, game_.densityCode,
                             GameResult{game_.lastScore, game_.elapsedSeconds, game_.reach6Used,
                                        game_.reach18Used, game_.useDemoMinefields});
    bestScoresChanged_ = true;
    view_.ShowBestTimes(game_.sizeCode, game_.densityCode);
    SavePromptly();
}

void MineBoard::form_resize() {
    if (startupRun_) return;  // the end of the start-up run draws everything
    if (auto layout = Painter().form_resize()) view_.ApplyStatusLayout(*layout);
    view_.BoardChanged();
}

int MineBoard::PlayersMarkerColour() const {
    return game_.demonstrationMode ? demonstration_.savedMarkerColour() : colours_.MarkerColour();
}

DataFileReport MineBoard::WriteDataFile() {
    // During a demonstration the marker colour in force is the demonstration's, not the player's.
    ColourModel stored = colours_;
    stored.itemColor[kItemMarkers] = static_cast<int16_t>(PlayersMarkerColour());
    const DataFileReport report = dataFile_->WriteBestScores(bestScores_, stored);
    if (report.outcome != DataFileOutcome::kWritten) return report;
    unsaved_ = false;
    failureTold_ = false;
    // Another copy's results saved meanwhile are in the file now, and so in the table.
    if (report.savedTable && !(*report.savedTable == bestScores_)) {
        bestScores_ = *report.savedTable;
        view_.RefreshBestScores();
    }
    return report;
}

void MineBoard::SavePromptly() {
    bestScoresChanged_ = true;
    unsaved_ = true;
    SaveIfChanged();
}

std::string MineBoard::SaveIfChanged(bool tellPlayer) {
    if (!bestScoresChanged_) return "";
    const DataFileReport report = WriteDataFile();
    // A save that could not happen loses nothing when everything was on the disk already.
    if (report.outcome != DataFileOutcome::kWritten && !unsaved_) return "";
    if (!report.NeedsAttention()) return "";
    if (report.outcome != DataFileOutcome::kWritten) {
        if (failureTold_) return "";
        failureTold_ = true;
    }
    if (tellPlayer) view_.ShowMessage(kDataFileTitle, report.message, DialogueIcon::kWarning);
    return report.message;
}

std::string MineBoard::SaveAtExit() {
    if (bestScoresChanged_) {
        const DataFileReport report = WriteDataFile();
        if (unsaved_) return report.message;
    }
    return "";
}

std::string MineBoard::SaveCopy(const std::string& path) {
    ColourModel stored = colours_;
    stored.itemColor[kItemMarkers] = static_cast<int16_t>(PlayersMarkerColour());
    const StoreResult result = DataFile::WriteCopy(path, bestScores_, stored);
    return result.ok ? "" : result.error;
}

// The demonstration: set up by StartNewGame while demonstrationMode is set, then played by its
// runner through the DemonstrationHost operations below.

void MineBoard::StartDemonstrationBoard() {
    for (const Square& mine : kDemonstrationMines) {
        game_.mineMap(mine.column, mine.row, mine.level) = -1;
    }
    demonstration_.Start();
    ReadDataFile();
    view_.ShowBestTimes(game_.sizeCode, game_.densityCode);
}

void MineBoard::ReadDataFile() {
    // Reading replaces the table and the colours, so save what changed since the last read first.
    // Changes that could not be saved keep the file from being read: it would replace them.
    std::string trouble = SaveIfChanged(/*tellPlayer=*/false);
    if (!unsaved_) {
        const DataFileReport report = dataFile_->ReadBestScores(bestScores_, colours_);
        bestScoresChanged_ = false;
        const bool read = report.outcome == DataFileOutcome::kRead ||
                          report.outcome == DataFileOutcome::kCreated ||
                          report.outcome == DataFileOutcome::kSalvaged;
        // The marker colour read from the file is the one to put back when the run ends.
        if (read) demonstration_.KeepMarkerColour(colours_.MarkerColour());
        if (report.NeedsAttention()) {
            trouble += (trouble.empty() ? "" : "\r\n\r\n") + report.message;
        }
    }
    // Rebuilding the colour list counts as a change and redraws the board in the colours read.
    selector_.expandlist();
    changeable_.SetCaptionsFromNames();
    // Told once the demonstration has been set up; it goes on while the box is open.
    if (!trouble.empty()) {
        view_.ShowMessageWhenIdle(kDataFileTitle, trouble, DialogueIcon::kWarning);
    }
}

void MineBoard::PrepareDemonstrationField(int reachLevel, int uncoveredCount, int safeSquareCount) {
    game_.reachLevel = static_cast<int16_t>(reachLevel);
    game_.uncoveredCount = uncoveredCount;
    game_.safeSquareCount = static_cast<int16_t>(safeSquareCount);
}

void MineBoard::PlacePointer(const Square& square) {
    view_.MoveCursorImage(ProjectPoint(geometry_, game_.rowCount, square.column + 0.5,
                                       square.row + 0.5, square.level));
}

void MineBoard::SetDemonstrationMarkerColour(int paletteIndex) {
    colours_.itemColor[kItemMarkers] = static_cast<int16_t>(paletteIndex);
}

void MineBoard::DemonstrationEnded(int savedMarkerColour) {
    // The colour put back gets the one check mark and, when the selector shows the markers' item,
    // its " (current)" mark: the player may have chosen another marker colour during the run, and
    // the file read at its start may have brought another one than was checked before it.
    selector_.removestatement();
    colours_.itemColor[kItemMarkers] = static_cast<int16_t>(savedMarkerColour);
    colours_.CheckOnlyMarkerOf(savedMarkerColour);
    selector_.addstatement();
    view_.MenuChecksChanged();
    SetVisible(Control::cmdNewMinefield, true);
    SetVisible(Control::cmdFreeze, false);
    SetVisible(Control::cmdCancelDisplay, false);
    SetVisible(Control::cmdReplay, false);
    SetVisible(Control::lblDisplay, false);
    game_.demonstrationMode = false;
    SetVisible(Control::lblMoveDescription, false);
    if (startupRun_) {
        startupRun_ = false;
        form_resize();
        view_.StartupRunFinished();
    }
}

void MineBoard::ReplayButton() {
    // A run still going on has the demonstration's own marker colour in force; the player's goes
    // back first, so that the new run saves (and the data file gets) the player's.
    if (game_.demonstrationMode) {
        colours_.itemColor[kItemMarkers] = static_cast<int16_t>(PlayersMarkerColour());
    }
    geometry_.boardTop = 900;
    game_.demonstrationMode = true;
    game_.demoNumber = 0;
    game_.sizeCode = 1;
    game_.densityCode = 2;
    SetVisible(Control::lblDisplay, false);
    DensityCommand(1);
    ReachCommand(2);
    SizeCommand(0);
    StartNewGame();
    ShowTitle();
    SetText(Control::cmdFreeze, kFreezeCaption);
    SetVisible(Control::cmdFreeze, true);
    SetVisible(Control::cmdCancelDisplay, true);
    SetVisible(Control::cmdReplay, true);
    SetVisible(Control::lblDisplay, true);
    demonstration_.BeginVisibleRun();
    view_.FocusFreezeButton();
}

void MineBoard::ShowDemonstrationCommand() {
    SetVisible(Control::lblMoveDescription, true);
    ReplayButton();
}

void MineBoard::FreezeButton() {
    SetText(Control::cmdFreeze, demonstration_.FreezeOrContinue());
}

void MineBoard::CancelDisplayButton() {
    demonstration_.Cancel();
}

}  // namespace zendrix
