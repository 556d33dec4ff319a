// The demonstration: a timed walk through a game on a fixed minefield. A runner plays the steps of
// the script, one per tick of the game control's step timer, through the narrow interface below;
// the game control starts, freezes, replays and cancels it.
#pragma once

#include <optional>
#include <string>

#include "demonstration/demonstration_script.h"
#include "game/minefield.h"

namespace zendrix {

// What the demonstration asks of the game control.
class DemonstrationHost {
  public:
    virtual ~DemonstrationHost() = default;

    // Step 0: the reach, and the counts that keep the first uncover from laying mines.
    virtual void PrepareDemonstrationField(int reachLevel, int uncoveredCount,
                                           int safeSquareCount) = 0;
    virtual void AdjustUncoveredCount(int by) = 0;
    // The ordinary moves, drawn as a player's moves are.
    virtual void UncoverSquare(const Square& square) = 0;
    virtual void ToggleMark(const Square& square) = 0;
    virtual void UncoverAround(const Square& square) = 0;

    // The pointer picture: its tip on the centre of the square's top face.
    virtual void PlacePointer(const Square& square) = 0;
    virtual void ShowPointer(bool visible) = 0;

    // The marker colour in force (a palette index), read and set without touching check marks.
    virtual int DemonstrationMarkerColour() const = 0;
    virtual void SetDemonstrationMarkerColour(int paletteIndex) = 0;

    virtual void ShowStepCaption(const std::string& text) = 0;
    // The step timer: on or off, with a new interval when given (1 ms: as fast as possible).
    virtual void SetStepTimer(bool enabled, std::optional<int> intervalMs = std::nullopt) = 0;
    // A step has run; whatever it drew can be shown.
    virtual void StepDone() = 0;
    // The final step: the timer is off and the pointer hidden. The host puts the player's marker
    // colour back and hands the window back to the player.
    virtual void DemonstrationEnded(int savedMarkerColour) = 0;
};

class Demonstration {
  public:
    explicit Demonstration(DemonstrationHost& host) : host_(host) {}

    // Step 0, then the step timer runs (with the interval it has).
    void Start();
    // 0 starts at step 0, 1 performs the next step, kStopDemonstration the final step at once.
    void RunDemonstrationStep(int argument);
    void Tick() { RunDemonstrationStep(1); }
    void Stop() { RunDemonstrationStep(kStopDemonstration); }

    // A visible run from Replay: one step every two seconds, not frozen.
    void BeginVisibleRun();
    // The Freeze button: freezes a running demonstration or lets a frozen one continue; returns
    // the button's new caption.
    const char* FreezeOrContinue();
    // The Cancel button: the remaining steps, moves included, run as fast as possible.
    void Cancel();

    int step() const { return demoStep_; }
    // The marker colour to put back at the end. Reading the data file during a run replaces it,
    // so that the colour the file brought survives the run.
    int savedMarkerColour() const { return savedMarkerColor_; }
    void KeepMarkerColour(int paletteIndex) { savedMarkerColor_ = paletteIndex; }

  private:
    void Perform(const DemonstrationAction& action);

    DemonstrationHost& host_;
    int demoStep_ = 0;
    int savedMarkerColor_ = 0;
    bool frozen_ = false;
};

}  // namespace zendrix
