// The demonstration's steps as data: what each step does and the text it shows.
#include "demonstration/demonstration_script.h"

namespace zendrix {

namespace {

using A = DemonstrationAction;

constexpr int kRed = 4;
constexpr int kYellow = 6;

constexpr A Pointer(int c, int r, int l) {
    return {A::kPointer, {c, r, l}};
}
constexpr A Uncover(int c, int r, int l) {
    return {A::kUncover, {c, r, l}};
}
constexpr A Mark(int c, int r, int l) {
    return {A::kMark, {c, r, l}};
}
constexpr A UncoverAround(int c, int r, int l) {
    return {A::kUncoverAround, {c, r, l}};
}
constexpr A Marker(int paletteIndex) {
    return {A::kMarker, {}, paletteIndex};
}
constexpr A Caption() {
    return {A::kCaption};
}

// Each step's actions in the order they run. Step 1 is a pause of one tick; step 13, the end,
// is the runner's own.
constexpr A kStep0[] = {
    {A::kPrepareField}, Pointer(4, 4, 2), {A::kShowPointer}, {A::kSaveMarker}, Caption()};
constexpr A kStep2[] = {Uncover(4, 4, 2),
                        {A::kAdjustCount, {}, -kDemonstrationStartCount},
                        Pointer(5, 3, 1),
                        Caption()};
constexpr A kStep3[] = {Marker(kRed), Pointer(6, 4, 1), Caption(), Mark(6, 4, 1)};
constexpr A kStep4[] = {Pointer(6, 1, 3), Caption()};
constexpr A kStep5[] = {Marker(kYellow), Mark(7, 1, 3), Mark(7, 1, 2),   Mark(7, 2, 3),
                        Mark(7, 2, 2),   Caption(),     Pointer(7, 2, 2)};
constexpr A kStep6[] = {Pointer(3, 3, 2), Caption()};
constexpr A kStep7[] = {Marker(kRed), Pointer(2, 2, 2), Caption(), Mark(2, 2, 2)};
constexpr A kStep8[] = {Pointer(3, 1, 2), Caption()};
constexpr A kStep9[] = {Caption(), UncoverAround(3, 1, 2)};
constexpr A kStep10[] = {Caption(), Pointer(2, 1, 2), UncoverAround(2, 1, 2)};
constexpr A kStep11[] = {Caption(), Pointer(2, 2, 2), Mark(2, 2, 2)};
constexpr A kStep12[] = {Uncover(2, 2, 2), Caption()};

constexpr std::array<std::span<const A>, kFinalDemonstrationStep> kSteps{
    kStep0, {},     kStep2, kStep3,  kStep4,  kStep5, kStep6,
    kStep7, kStep8, kStep9, kStep10, kStep11, kStep12};

// The pieces of each text as the walk-through was written, joined without separators; "\r\n"
// is a line break.
constexpr std::array<const char*, kFinalDemonstrationStep> kCaptions{
    "1) A new Minefield."
    "  The Mouse Cursor is placed over an initial move."
    "  The Left-Mouse-Button will be pressed.",

    "",

    "2) The initial square that"
    " was uncovered 'reached' to no mines.  The surrounding "
    "squares, therefore, were also uncovered.  The Mouse Cursor"
    " is pointing to an\r\n'Isolated 1'.",

    "3) The only uncovered square"
    " next to the 'Isolated 1' must have a mine.  The Mouse "
    "Cursor was placed on that square and the Right-Mouse-Button"
    " was pressed marking the square.",

    "4) The Mouse Cursor is "
    "pointing to a\r\n'1 up against a wall'.\r\nThe four squares "
    "next to this square must have one mine.",

    "5) The marker color was "
    "changed by pressing <Ctrl>-<y> and the four squares were"
    " marked indicating they contain one mine.  The marker "
    "color was reset by pressing <Ctrl>-<r>.",

    "6) The Mouse Cursor is pointing"
    " to the middle level square on a\r\n'Vertical 111'.",

    "7) The Mouse Cursor was placed"
    " over the only square on the middle level next to the "
    "'Vertical 111', which must contain a mine, and this square"
    " was marked.",

    "8) The Mouse Cursor is placed"
    " over a square that is fully satisfied by the mine that must"
    " be under the marked square.  No other uncovered squares"
    " 'reached' by this square can contain a mine.",

    "9) The Right-Mouse-Button was"
    " pressed and all of the unmarked squares 'reached' by this "
    "square were uncovered.",

    "10) The Mouse Cursor was"
    " moved to another fully satisfied square and the Right-"
    "Mouse-Button was pressed uncovering multiple squares.",

    "11) The Mouse Cursor has been "
    " moved to a marked square containing a mine."
    " The Right-Mouse-Button was pressed, erasing the mark.\r\n  Better be careful!",

    "12) A mine was uncovered "
    "ending the game.  The "
    " score is 21.49% (18.70% for marking 2 of the mines with 5 marks and "
    "2.79% for leaving 2  mines under 21 uncovered squares - all with a mine "
    "density of 4/96).",
};

}  // namespace

std::span<const DemonstrationAction> DemonstrationActions(int step) {
    if (step < 0 || step >= kFinalDemonstrationStep) return {};
    return kSteps[static_cast<size_t>(step)];
}

std::string DemonstrationCaption(int step) {
    if (step < 0 || step >= kFinalDemonstrationStep) return "";
    return kCaptions[static_cast<size_t>(step)];
}

}  // namespace zendrix
