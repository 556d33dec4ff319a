// The demonstration: a timed walk through a game on a fixed minefield, driven by the main window's
// display timer. It makes real moves through the ordinary moves and hands the board back at its
// end.
#include "demonstration/demonstration_script.h"
#include "mainwindow/mine_board.h"

namespace zendrix {

namespace {
constexpr int kVisibleStepInterval = 2000;
constexpr int kFastStepInterval = 1;
constexpr int kRedMarker = 4;
constexpr int kYellowMarker = 6;
}  // namespace

void MineBoard::StartDemonstrationBoard() {
    for (const Square& mine : kDemonstrationMines) {
        game_.mineMap(mine.column, mine.row, mine.level) = -1;
    }
    RunDemonstrationStep(0);
    SetTimer(Timer::tmrDisplayScreen, true);
    ReadDataFile();
    view_.ShowBestTimes(game_.sizeCode, game_.densityCode);
}

void MineBoard::ReadDataFile() {
    // Reading replaces the table and the colours, so save what changed since the last read first.
    // Changes that could not be saved keep the file from being read: it would replace them.
    std::string trouble = SaveIfChanged(/*tellPlayer=*/false);
    if (!unsaved_) {
        const DataFileReport report = dataFile_.ReadBestScores(bestScores_, colours_);
        bestScoresChanged_ = false;
        const bool read = report.outcome == DataFileOutcome::kRead ||
                          report.outcome == DataFileOutcome::kCreated ||
                          report.outcome == DataFileOutcome::kSalvaged;
        // The marker colour read from the file is the one to put back when the run ends.
        if (read) savedMarkerColor_ = colours_.MarkerColour();
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

void MineBoard::PlacePointer(int x, int y, int z) {
    view_.MoveCursorImage(ProjectPoint(geometry_, game_.rowCount, x + 0.5, y + 0.5, z));
}

void MineBoard::SetDemonstrationMarker(int paletteIndex) {
    colours_.itemColor[kItemMarkers] = static_cast<int16_t>(paletteIndex);
}

void MineBoard::RunDemonstrationStep(int argument) {
    ++demoStep_;
    if (argument == 0) demoStep_ = 0;
    if (argument == kStopDemonstration) demoStep_ = kFinalDemonstrationStep;
    Play moves = Moves();
    const std::string caption = DemonstrationCaption(demoStep_);
    switch (demoStep_) {
        case 0:
            game_.reachLevel = 3;
            game_.uncoveredCount = 1;
            game_.safeSquareCount = 92;
            PlacePointer(4, 4, 2);
            SetVisible(Control::imgCursor, true);
            savedMarkerColor_ = colours_.MarkerColour();
            SetText(Control::lblMoveDescription, caption);
            break;
        case 2:
            moves.UncoverSquare(4, 4, 2);
            --game_.uncoveredCount;
            PlacePointer(5, 3, 1);
            SetText(Control::lblMoveDescription, caption);
            break;
        case 3:
            SetDemonstrationMarker(kRedMarker);
            PlacePointer(6, 4, 1);
            SetText(Control::lblMoveDescription, caption);
            moves.ToggleMark(6, 4, 1);
            break;
        case 4:
            PlacePointer(6, 1, 3);
            SetText(Control::lblMoveDescription, caption);
            break;
        case 5:
            SetDemonstrationMarker(kYellowMarker);
            moves.ToggleMark(7, 1, 3);
            moves.ToggleMark(7, 1, 2);
            moves.ToggleMark(7, 2, 3);
            moves.ToggleMark(7, 2, 2);
            SetText(Control::lblMoveDescription, caption);
            PlacePointer(7, 2, 2);
            break;
        case 6:
            PlacePointer(3, 3, 2);
            SetText(Control::lblMoveDescription, caption);
            break;
        case 7:
            SetDemonstrationMarker(kRedMarker);
            PlacePointer(2, 2, 2);
            SetText(Control::lblMoveDescription, caption);
            moves.ToggleMark(2, 2, 2);
            break;
        case 8:
            PlacePointer(3, 1, 2);
            SetText(Control::lblMoveDescription, caption);
            break;
        case 9:
            SetText(Control::lblMoveDescription, caption);
            moves.UncoverAround(3, 1, 2);
            break;
        case 10:
            SetText(Control::lblMoveDescription, caption);
            PlacePointer(2, 1, 2);
            moves.UncoverAround(2, 1, 2);
            break;
        case 11:
            SetText(Control::lblMoveDescription, caption);
            PlacePointer(2, 2, 2);
            moves.ToggleMark(2, 2, 2);
            break;
        case 12:
            moves.UncoverSquare(2, 2, 2);
            SetText(Control::lblMoveDescription, caption);
            break;
        case kFinalDemonstrationStep:
            FinishDemonstration();
            break;
        default:
            break;
    }
    view_.BoardChanged();
}

void MineBoard::FinishDemonstration() {
    SetTimer(Timer::tmrDisplayScreen, false);
    SetVisible(Control::imgCursor, false);
    colours_.itemColor[kItemMarkers] = static_cast<int16_t>(savedMarkerColor_);
    // One check mark, on the colour put back: the file read during the run may have brought
    // another marker colour than the one checked before it.
    colours_.markerChecked.fill(false);
    colours_.CheckMarkerOf(savedMarkerColor_);
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
    SetTimer(Timer::tmrDisplayScreen, true, kVisibleStepInterval);
    view_.FocusFreezeButton();
}

void MineBoard::ShowDemonstrationCommand() {
    SetVisible(Control::lblMoveDescription, true);
    ReplayButton();
}

void MineBoard::FreezeButton() {
    if (Text(Control::cmdFreeze) != kContinueCaption) {
        SetText(Control::cmdFreeze, kContinueCaption);
        SetTimer(Timer::tmrDisplayScreen, false);
    } else {
        SetText(Control::cmdFreeze, kFreezeCaption);
        SetTimer(Timer::tmrDisplayScreen, true);
    }
}

void MineBoard::CancelDisplayButton() {
    SetTimer(Timer::tmrDisplayScreen, false);
    SetTimer(Timer::tmrDisplayScreen, true, kFastStepInterval);
}

}  // namespace zendrix
