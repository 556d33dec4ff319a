// The demonstration's script: its fixed minefield and, for every numbered step, what happens in
// which order (pointer squares, marker colours, moves and the step's text). The runner in
// demonstration.h plays it; nothing here knows a window.
#pragma once

#include <array>
#include <span>
#include <string>

#include "game/minefield.h"

namespace zendrix {

inline constexpr int kFinalDemonstrationStep = 13;
inline constexpr int kStopDemonstration = 99;

// The four mines of the demonstration's Small field at 4 %.
inline constexpr std::array<Square, 4> kDemonstrationMines{
    {{2, 2, 2}, {7, 2, 2}, {7, 4, 3}, {6, 4, 1}}};

// The field as step 0 leaves it: reach 26, and one square counted as uncovered already so that
// the first uncover lays no mines of its own (step 2 takes that count back).
inline constexpr int kDemonstrationReachLevel = 3;
inline constexpr int kDemonstrationStartCount = 1;
inline constexpr int kDemonstrationSafeSquares = 92;

inline constexpr const char* kFreezeCaption = "Freeze";
inline constexpr const char* kContinueCaption = "Continue";

// One thing a step does. The square is used by the pointer and the moves, value by the marker
// colour (a palette index) and the count adjustment.
struct DemonstrationAction {
    enum Kind {
        kPrepareField,   // reach and counts of the field, see above
        kPointer,        // the pointer's tip onto the centre of the square
        kShowPointer,    //
        kSaveMarker,     // remember the player's marker colour, to put back at the end
        kCaption,        // the step's text
        kMarker,         // the marker colour in force (no check marks change)
        kUncover,        // UncoverSquare
        kMark,           // ToggleMark
        kUncoverAround,  // UncoverAround
        kAdjustCount,    // uncoveredCount += value
    };
    Kind kind;
    Square square{};
    int value = 0;
};

// The actions of step n (0..12), in the order they run; empty for a pause.
std::span<const DemonstrationAction> DemonstrationActions(int step);

// The text of step n (0..12); empty for a step that leaves the text as it is.
std::string DemonstrationCaption(int step);

}  // namespace zendrix
