// Captions of the demonstration's steps.
#include "demonstration/demonstration_script.h"

namespace zendrix {

std::string DemonstrationCaption(int step) {
    const std::string br = "\r\n";
    switch (step) {
        case 0:
            return std::string("1) A new Minefield.") +
                   "  The Mouse Cursor is placed over an initial move." +
                   "  The Left-Mouse-Button will be pressed.";
        case 2:
            return std::string("2) The initial square that") +
                   " was uncovered 'reached' to no mines.  The surrounding " +
                   "squares, therefore, were also uncovered.  The Mouse Cursor" +
                   " is pointing to an" + br + "'Isolated 1'.";
        case 3:
            return std::string("3) The only uncovered square") +
                   " next to the 'Isolated 1' must have a mine.  The Mouse " +
                   "Cursor was placed on that square and the Right-Mouse-Button" +
                   " was pressed marking the square.";
        case 4:
            return std::string("4) The Mouse Cursor is ") + "pointing to a" + br +
                   "'1 up against a wall'." + br + "The four squares " +
                   "next to this square must have one mine.";
        case 5:
            return std::string("5) The marker color was ") +
                   "changed by pressing <Ctrl>-<y> and the four squares were" +
                   " marked indicating they contain one mine.  The marker " +
                   "color was reset by pressing <Ctrl>-<r>.";
        case 6:
            return std::string("6) The Mouse Cursor is pointing") +
                   " to the middle level square on a" + br + "'Vertical 111'.";
        case 7:
            return std::string("7) The Mouse Cursor was placed") +
                   " over the only square on the middle level next to the " +
                   "'Vertical 111', which must contain a mine, and this square" + " was marked.";
        case 8:
            return std::string("8) The Mouse Cursor is placed") +
                   " over a square that is fully satisfied by the mine that must" +
                   " be under the marked square.  No other uncovered squares" +
                   " 'reached' by this square can contain a mine.";
        case 9:
            return std::string("9) The Right-Mouse-Button was") +
                   " pressed and all of the unmarked squares 'reached' by this " +
                   "square were uncovered.";
        case 10:
            return std::string("10) The Mouse Cursor was") +
                   " moved to another fully satisfied square and the Right-" +
                   "Mouse-Button was pressed uncovering multiple squares.";
        case 11:
            return std::string("11) The Mouse Cursor has been ") +
                   " moved to a marked square containing a mine." +
                   " The Right-Mouse-Button was pressed, erasing the mark." + br +
                   "  Better be careful!";
        case 12:
            return std::string("12) A mine was uncovered ") + "ending the game.  The " +
                   " score is 21.49% (18.70% for marking 2 of the mines with 5 marks and " +
                   "2.79% for leaving 2  mines under 21 uncovered squares - all with a mine " +
                   "density of 4/96).";
        default:
            return "";
    }
}

}  // namespace zendrix
