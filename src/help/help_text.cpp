// The manual's wording and layout, and the About box notice.
#include "help/help_text.h"

#include <string_view>
#include <vector>

namespace zendrix {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Indentation of the contents entries and of the body paragraphs.
constexpr int kSectionIndent = 5;
constexpr int kNumberedIndent = 10;
constexpr int kLetteredIndent = 15;
constexpr int kStrategyIndent = 11;
constexpr int kLeftMargin = 0;
constexpr int kTitleIndent = 21;

class DocumentBuilder {
  public:
    void Line(int indent, std::string_view text) {
        std::string line(static_cast<size_t>(indent), ' ');
        line += text;
        lines_.push_back(std::move(line));
    }
    void Blank() { lines_.emplace_back(); }

    // A heading or paragraph is always followed by one blank line; a second blank line before
    // the next heading keeps the sections apart.
    void Heading(std::string_view text) {
        Line(kLeftMargin, text);
        Blank();
    }
    void Paragraph(int indent, std::string_view text) {
        Line(indent, text);
        Blank();
    }
    void SectionBreak() { Blank(); }

    std::string Join() const {
        std::string text;
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (i > 0) text += kLineBreak;
            text += lines_[i];
        }
        return text;
    }

  private:
    std::vector<std::string> lines_;
};

void AddContents(DocumentBuilder& doc) {
    doc.Line(kLeftMargin, "CONTENTS:");
    doc.Line(kSectionIndent, "Overview");
    doc.Line(kSectionIndent, "Loading, running and exiting directions (the 'File' menu)");
    doc.Line(kSectionIndent, "Playing directions");
    doc.Line(kNumberedIndent, "1) Selecting a minefield  (the 'Game' menu)");
    doc.Line(kLetteredIndent, "a) Playing with random mine placements");
    doc.Line(kLetteredIndent, "b) Playing with Demo mine placements");
    doc.Line(kLetteredIndent, "c) Selecting a minefield size");
    doc.Line(kLetteredIndent, "d) Selecting a mine density");
    doc.Line(kLetteredIndent, "e) Selecting a mine reach (26, 18 or 6)");
    doc.Line(kNumberedIndent, "2) Uncovering and marking mines (using the Mouse)");
    doc.Line(kLetteredIndent, "a) Uncovering a square");
    doc.Line(kLetteredIndent, "b) Marking a square");
    doc.Line(kLetteredIndent, "c) Uncovering multiple squares");
    doc.Line(kNumberedIndent, "3) Strategy");
    doc.Line(kLetteredIndent, "a) The 'isolated 1'");
    doc.Line(kLetteredIndent, "b) The 'vertical 111'");
    doc.Line(kLetteredIndent, "c) The '1 up against a wall'");
    doc.Line(kLetteredIndent, "d) Other considerations");
    doc.Line(kSectionIndent, "Customizing the colors (the 'Color' menu)");
    doc.Line(kNumberedIndent, "1) Using the default colors");
    doc.Line(kNumberedIndent, "2) Changing the colors of the markers");
    doc.Line(kNumberedIndent, "3) Changing the colors of all items");
    doc.Line(kNumberedIndent, "4) Creating new colors");
    doc.Line(kSectionIndent, "Scoring (the 'Scores' menu)");
    doc.Line(kNumberedIndent, "1) Scoring Rules");
    doc.Line(kNumberedIndent, "2) Showing Best Scores");
    doc.Line(kNumberedIndent, "3) Deleting Best Scores");
    doc.Line(kNumberedIndent, "4) Help");
    doc.Line(kSectionIndent, "Help (the 'Help' menu)");
    doc.Line(kNumberedIndent, "1) Text");
    doc.Line(kNumberedIndent, "2) Demonstration graphic");
    doc.Line(kNumberedIndent, "3) About 3D-Zendrix");
}

void AddOverview(DocumentBuilder& doc) {
    doc.Heading("OVERVIEW: ");
    doc.Paragraph(
        kNumberedIndent,
        "The classic mine-sweeping game hides a number of mines under one flat grid of squares. "
        "Every square that holds no mine carries a number: how many of its 8 neighbours (left, "
        "right, in front, behind and the four diagonals) hold a mine. Uncover a square and you "
        "either set off its mine or see its number, and from those numbers you work out where the "
        "mines must be, uncover every safe square and leave the mines alone.");
    doc.Paragraph(
        kNumberedIndent,
        "3D-Zendrix carries the same idea into three dimensions. The minefield is made of three "
        "levels of cubes stacked one above the other, drawn in the window as three slanted grids "
        "with level 1 at the top. A cube in the middle of the field has up to 26 adjacent cubes: "
        "6 cubes that share a side, 12 that share an edge and 8 that share a point. Counted level "
        "by level, 9 of them lie on the level above, 9 on the level below and 8 on its own level. "
        "The number on an uncovered cube counts the mines among these neighbours.");
    doc.Paragraph(
        kNumberedIndent,
        "You choose how you want to play: a grid of 4x8x3, 6x12x3 or 8x16x3 squares; a mine "
        "density from 2% to 32% of the squares; repeatable demo minefields, which are laid out the "
        "same way every time, or random mine placement; and a mine reach of 26, 18 or 6, which "
        "decides which neighbouring cubes a number counts. Suspected mines can be marked in six "
        "different marker colours, and the colour of every item on the board can be changed to "
        "suit your eyes and your screen.");
    doc.Paragraph(
        kNumberedIndent,
        "Be warned: 3D-Zendrix is hard. Thinking across three levels at once takes practice, and "
        "even good players strike mines. A finished game is scored by how well it picks out the "
        "mines, that is by the share of the mines that you marked or left covered, measured "
        "against what blind guessing would achieve. A score of 100 is perfect, and the best "
        "result of all is a score of 100 in the shortest time.");
    doc.SectionBreak();
}

void AddLoadingRunningExiting(DocumentBuilder& doc) {
    doc.Heading("LOADING, RUNNING AND EXITING DIRECTIONS: ");
    doc.Paragraph(
        kNumberedIndent,
        "Loading 3D-Zendrix.  The game is a single program, 3dzendrix, and needs nothing else "
        "set up. Run the 3dzendrix program straight from the folder it was built in, or install "
        "it with cmake --install, which copies the program to the usual place for programs (for "
        "example /usr/local/bin) and adds a desktop entry and an icon, so that 3D-Zendrix also "
        "appears in your desktop's application menu. The game keeps its best scores and your "
        "colour choices in the file 3DZendrix.dat in the current working directory, the folder "
        "from which it was started, and creates that file there when it is missing; start the "
        "game from the same folder each time to keep your best scores.");
    doc.Paragraph(
        kNumberedIndent,
        "Running 3D-Zendrix:  Start the 3dzendrix program from your application menu, or type "
        "3dzendrix in a terminal. The window opens with the title and the board that the short "
        "demonstration leaves behind. Press the New Minefield button to begin: the first "
        "minefield is a Small one with a mine density of 4% and a mine reach of 26. The game "
        "clock starts as soon as a new minefield is drawn.");
    doc.Paragraph(
        kNumberedIndent,
        "Exiting 3D-Zendrix (the 'File' menu):  Choose Exit in the File menu, or close the main "
        "window with its close button. New best scores and changed colours are saved to "
        "3DZendrix.dat as the game closes.");
    doc.SectionBreak();
}

void AddSelectingMinefield(DocumentBuilder& doc) {
    doc.Paragraph(
        kNumberedIndent,
        "1) Selecting a minefield  (the 'Game' menu):  The Game menu decides which minefield you "
        "play. For each size and density there are four demo minefields, laid out the same way "
        "every time so that you can replay them and compare your results, and there is random "
        "mine placement, which lays the mines afresh for every game. The same menu sets the size "
        "of the minefield, the mine density and the mine reach.");
    doc.Paragraph(
        kLetteredIndent,
        "a) Playing with random mine placements:  Choose Use Random Minefields in the Game menu, "
        "or press the F1 key, to start a game on a random minefield. The mines are laid when you "
        "uncover your first square, and that square never holds a mine. After that, the New "
        "Minefield button starts another game of the same kind as the one before.");
    doc.Paragraph(
        kLetteredIndent,
        "b) Playing with Demo mine placements:  Choose Use Demo Minefields in the Game menu, or "
        "press the F2 key, to play the demo minefields. There are four demo minefields for each "
        "size and density, 60 in all, and every new game moves on to the next of the four, "
        "starting again at the first after the fourth. The label at the bottom centre of the "
        "window names the minefield in play: 'S4 #3' indicates a Small minefield with 4% mine "
        "density using the 3rd Demo minefield. Unlike a random minefield, a demo minefield may "
        "have a mine under the very first square you uncover.");
    doc.Paragraph(
        kLetteredIndent,
        "c) Selecting a minefield size:  Change Minefield Size in the Game menu offers three "
        "sizes, each three levels deep. Small minefields are 4 by 8, Medium minefields are 6 by "
        "12, and Large minefields are 8 by 16. Choosing a size abandons the game in progress and "
        "starts a new one.");
    doc.Paragraph(
        kLetteredIndent,
        "d) Selecting a mine density;  Change Mine Density sets the share of the squares that "
        "hold a mine: 2%, 4%, 8%, 16% or 32%. Choosing a density abandons the game in progress and "
        "starts a new one. Density and reach work together: with a high density and a reach of "
        "26 almost every square sees several mines and there is little to deduce, while with a "
        "low density or a small reach many squares have no mine within reach at all and the game "
        "is far gentler. Try a low "
        "density first.");
    doc.Paragraph(
        kLetteredIndent,
        "e) Selecting a mine reach (6, 18 or 26):  Change Mine Reach decides how far a mine "
        "reaches, that is which neighbouring cubes count it in their numbers. You may change the "
        "reach in the middle of a game: the game goes on, the clock keeps running and every number "
        "on the board is counted again for the new reach, but the game is then scored by the "
        "smallest reach used in it. The three settings are:");
    doc.Paragraph(
        kLeftMargin,
        "'Only 6 sides' - Under this setting only the cubes that share a side with the cube that "
        "contains a mine will have their mine numbers incremented. These are 4 cubes on the same "
        "level plus 1 above and 1 below, 6 in all.");
    doc.Paragraph(
        kLeftMargin,
        "'Nearest 18 sides or edges' - Under this setting the cubes that share either a side or "
        "an edge with the cube that contains a mine will have their mine numbers incremented. "
        "These are 8 cubes on the same level plus 5 above and 5 below, 18 in all.");
    doc.Paragraph(
        kLeftMargin,
        "'All 26 sides, edges or points' - Under this setting the cubes that share either a side "
        "or an edge or a point with the cube that contains a mine will have their mine numbers "
        "incremented. These are 8 cubes on the same level plus 9 above and 9 below, 26 in all. "
        "Every game starts with this setting.");
}

void AddUncoveringAndMarking(DocumentBuilder& doc) {
    doc.Paragraph(
        kNumberedIndent,
        "2) Uncovering and marking mines (using the Mouse):  You can play with the mouse alone, "
        "or with the keyboard alone. "
        "Uncovering a square reveals either a mine, which ends the game, or the number of mines "
        "within its reach. Marking a square records that you suspect a mine there and protects "
        "the square when you uncover several squares at once. Uncover every square that holds no "
        "mine and you have a perfect score, whether or not you marked the mines.");
    doc.Paragraph(
        kLetteredIndent,
        "a) Uncovering a square:  Click a covered square with the left mouse button. If it holds "
        "a mine the game is over: every mine is shown, the one you struck in red, and a moment "
        "later you are told your score. Otherwise the square shows its number. A square with no "
        "mine within its reach stays blank, and the game then uncovers all the squares around it "
        "for you, on the levels above and below as well, and goes on from every further blank "
        "square it finds. To play from the keyboard, click the board or press Tab until the board "
        "has the focus; the first key you press shows the cursor, a black and white frame around "
        "one square. The Left and Right arrow keys move it one column, Up and Down one row back or "
        "forward, Page Up and Page Down one level up or down, and Home and End take it to the "
        "first or last column of its row; it stops at the edges of the minefield. Space uncovers "
        "the square under the cursor, just as the left mouse button does.");
    doc.Paragraph(
        kLetteredIndent,
        "b) Marking a square;  Click a covered square with the right mouse button to mark it as "
        "a suspected mine; the mark is drawn in the current marker colour. A second right click "
        "removes the mark (a mark of another colour is repainted in the current one instead). A "
        "marked square can still be uncovered with the left mouse button, so aim carefully. From "
        "the keyboard, Enter does for the square under the cursor whatever the right mouse button "
        "would do: it marks or unmarks a covered square, and on an uncovered square it uncovers "
        "the squares around it as described next. A click on the board hides the cursor again.");
    doc.Paragraph(
        kLetteredIndent,
        "c) Uncovering multiple squares:  Click an uncovered square that shows a number with the "
        "right mouse button to uncover at once every unmarked covered square within its reach. "
        "Do this only when the marks around the square account for all of its mines: if one of "
        "the squares uncovered this way holds an unmarked mine, the game ends.");
}

void AddStrategy(DocumentBuilder& doc) {
    doc.Paragraph(
        kStrategyIndent,
        "3) Strategy:  A number tells how many mines lie within reach of its square; the art of "
        "the game is to put several numbers together and prove where a mine must be, or where "
        "none can be. Which deductions hold depends on the mine reach, so learn the patterns for "
        "the reach you play. On random minefields the first square you uncover never holds a "
        "mine; on demo minefields it can. At low densities and with small reaches many squares "
        "have no mine within reach, and these uncover whole regions by themselves, which gives you "
        "plenty of numbers to start from. To see which squares a number counts, hold down Shift "
        "and point at its square (or put the keyboard cursor on it): every square within its "
        "reach is lightened and framed, on all three levels, and the square itself is outlined. "
        "Let go of Shift and the board is just as it was. To check your reasoning, press F3 for "
        "the Assistant: its Hint (or H on the board while the Assistant is open) moves the "
        "keyboard cursor to a square that is certainly safe, else to a certain mine, else to the "
        "square least likely to hold one, and says why; its mine chances tint every covered "
        "square by the chance that a mine lies under it, counted over every layout of the mines "
        "that fits the numbers; and after a struck mine it tells you whether that press was a "
        "forced guess. A game in which you asked for a hint or showed the chances does not enter "
        "the best scores. The Assistant can also lay random minefields that can be cleared "
        "without a single guess.");
    doc.Paragraph(
        kLetteredIndent,
        "a) 'isolated 1':  When a square showing 1 has only one covered square left within its "
        "reach, that square must hold the mine: mark it. This holds for every mine reach.");
    doc.Paragraph(
        kLetteredIndent,
        "b) 'vertical 111':  With reach 26, look for three squares in the same place on all three "
        "levels, one above the other, that all show 1. The middle 1 sees all three levels around "
        "the column and so allows only one mine there; the top 1 sees only the top and middle "
        "levels and the bottom 1 only the middle and bottom levels, so that one mine must lie "
        "on the middle level, next to the middle 1. The covered squares around the column on the "
        "top and bottom levels are therefore safe. Mark the candidates on the middle level in a "
        "second "
        "marker colour (for example yellow, with Ctrl+Y) to remember that only one of them holds "
        "a mine. The converse, a 'vertical 121', puts one mine on the top level and one on the "
        "bottom level, and leaves the squares next to the middle 2 on the middle level free.");
    doc.Paragraph(
        kLetteredIndent,
        "c) '1 up against a wall':  A square on the top or the bottom level reaches only two "
        "levels. When such a square shows 1 and stands at a wall of uncovered squares, so that "
        "the only covered squares within its reach are the two beside it on its own level and "
        "the two next to those on the middle level, its mine lies in one of those four positions "
        "against the wall. The demonstration marks such a group in yellow.");
    doc.Paragraph(
        kLetteredIndent,
        "d) Other considerations:  Take care with a group of marks of which only one holds a mine: "
        "when you count the marks around a number, the whole group stands for one mine, and the "
        "marks on its mine-free squares count against you at the end of the game. Giving each "
        "such group its own marker colour keeps them apart from the marks you are sure of. "
        "Remember too that the three patterns above ('vertical 111', 'vertical 121' and '1 up "
        "against a wall') hold only for a mine reach of 26, while the 'isolated 1' holds for all "
        "reaches.");
}

void AddPlaying(DocumentBuilder& doc) {
    doc.Heading("PLAYING DIRECTIONS: ");
    AddSelectingMinefield(doc);
    AddUncoveringAndMarking(doc);
    AddStrategy(doc);
    doc.SectionBreak();
}

void AddColours(DocumentBuilder& doc) {
    doc.Heading("CUSTOMIZING THE COLORS (the 'Color' menu):");
    doc.Paragraph(
        kNumberedIndent,
        "1) Using the default colors:  Use Default Colors in the Color menu gives the grid lines, "
        "the minefield and the numbers their standard colours again and makes red the marker "
        "colour. Squares that are already marked keep the colour they were marked in.");
    doc.Paragraph(
        kNumberedIndent,
        "2) Changing the colors of the markers:  Change Marker Colors in the Color menu offers six "
        "marker colours: Red, Orange, Yellow, Green, Blue and Violet. Each can also be chosen by "
        "holding Ctrl and pressing the colour's first letter (Ctrl+R, Ctrl+O, Ctrl+Y, Ctrl+G, "
        "Ctrl+B, Ctrl+V). Only marks placed afterwards take the new colour; the marks already on "
        "the board keep theirs, which lets you sort your suspicions by colour.");
    doc.Paragraph(
        kNumberedIndent,
        "3) Changing the colors of all items:  Select Item Colors in the Color menu opens the "
        "Select Colors window. Choose an item in the left list (the markers, either family of "
        "grid lines, the minefield or the numbers), then a colour in the right list, and press "
        "Apply; the colour the item uses now is marked (current). Default gives the chosen item "
        "its own standard colour, All numbers colours the numbers 1 to over 6 at once, and All "
        "items accepts only Default, which returns every item to its standard colour. The last "
        "six colours of the list are the changeable colours, which you can mix yourself.");
    doc.Paragraph(
        kNumberedIndent,
        "4) Creating new colors:  Modify Changeable Colors in the Color menu, or the Modify "
        "Changeable Colors button of the Select Colors window, opens the Modify Colors window. "
        "Choose one of the six changeable colours, set its red, green and blue parts with the "
        "three scroll bars, type a name for it if you like, and press Apply: every item and "
        "every mark that uses that colour changes at once. Delete turns the colour back to black "
        "under its original name, and Done closes the window.");
    doc.SectionBreak();
}

void AddScoring(DocumentBuilder& doc) {
    doc.Heading("SCORING (the 'Scores' menu):");
    doc.Paragraph(
        kNumberedIndent,
        "1) Scoring Rules:  When a game ends the game looks at the squares you marked and the "
        "squares you left covered. The score rewards the mines among your marks and the mines "
        "left under covered squares, each measured against the mine density, that is against "
        "what marking or leaving squares at random would achieve, so marks on mine-free squares "
        "and squares left covered without need both cost points. The score, where 1 stands for "
        "100%, is:");
    doc.Line(kLeftMargin,
             "(MarkedMines/TotalMines)*(MarkedMines/MarkedSquares - MineDensity)/(1-MineDensity) "
             "+ (UnmarkedMines/TotalMines)*(UnmarkedMines/UnmarkedSquares - "
             "MineDensity)/(1-MineDensity) ");
    doc.Line(kLeftMargin, "or, more concisely: ");
    doc.Line(kLeftMargin,
             "((MM/TM)*(MM/MS - F) + (UM/TM)*(UM/US-F))/(1-F) where F is the Mine Density.");
    doc.Blank();
    doc.Paragraph(
        kLeftMargin,
        "Best scores are determined based upon this value, adjusted by a factor ½ if a Mine "
        "Reach of 18 was used, or by a factor of ¼ if a Mine Reach of 6 was used. Equal scores "
        "are ranked by time, the shorter time first. A game in which exactly the mines "
        "are marked, or every mine-free square is uncovered, scores 100%, which counts as 100, 50 "
        "or 25 for a mine "
        "reach of 26, 18 or 6. The game keeps the five best scores for each combination of "
        "minefield size and mine density, and when your game earns a place among them you are "
        "asked for your name.");
    doc.Paragraph(
        kNumberedIndent,
        "2) Showing Best Scores:  Show Best Scores in the Scores menu opens the Best Scores "
        "window for the current minefield size and mine density. It lists up to five results "
        "with their score, adjusted score, time and name. The Notes column flags results played "
        "with a mine reach other than 26, (6) or (18), and results on a demo minefield, (D), and "
        "footnotes below the table explain the flags. The View menu of the window shows any "
        "other combination of size and density.");
    doc.Paragraph(
        kNumberedIndent,
        "3) Deleting Best Scores:  The Delete Best Scores menu of the Best Scores window removes "
        "a single score, all the scores on display, or, after a warning that you must confirm, "
        "every best score of every size and density.");
    doc.Paragraph(kNumberedIndent,
                  "4) Help:  The Help menu of the Best Scores window opens this same help text.");
    doc.SectionBreak();
}

void AddHelp(DocumentBuilder& doc) {
    doc.Heading("HELP (the 'Help' menu): ");
    doc.Paragraph(
        kNumberedIndent,
        "1) Text:  Text in the Help menu opens this window. It can stay open beside the game "
        "while you play, and it keeps its place in the text when you close and reopen it.");
    doc.Paragraph(
        kNumberedIndent,
        "2) Demonstration graphic:  Demonstration Graphic in the Help menu plays a short "
        "demonstration on a Small minefield: a pointer makes moves on the board, one every two "
        "seconds, while the panel on the left explains each move and the strategy behind it. "
        "Freeze stops the demonstration and turns into Continue, which carries on from there; "
        "Replay starts it again from the beginning, and Cancel runs the remaining moves at once "
        "and ends it. Any new game also ends it.");
    doc.Paragraph(
        kNumberedIndent,
        "3) About 3D-Zendrix:  About 3D-Zendrix in the Help menu shows the version of the game, "
        "who holds its copyright and the licence under which you may copy and share it.");
}

}  // namespace

std::string HelpDocument() {
    DocumentBuilder doc;
    doc.Blank();
    doc.Line(kTitleIndent, "3D-ZENDRIX TEXT HELP");
    AddContents(doc);
    doc.Blank();
    doc.Blank();
    AddOverview(doc);
    AddLoadingRunningExiting(doc);
    AddPlaying(doc);
    AddColours(doc);
    AddScoring(doc);
    AddHelp(doc);
    return doc.Join();
}

std::string AboutMessage(const std::string& programTitle) {
    // One line per paragraph: the message box wraps them itself.
    static constexpr const char* kNoticeLines[] = {
        "Copyright (c) 2026 The 3D-Zendrix authors",
        "",
        "This program is protected by copyright. Reproducing or distributing it, in whole or in "
        "part, is permitted only under the terms below.",
        "",
        "Permission is hereby granted, free of charge, to any person obtaining a copy of this "
        "software and associated documentation files (the \"Software\"), to deal in the Software "
        "without restriction, including without limitation the rights to use, copy, modify, "
        "merge, publish, distribute, sublicense, and/or sell copies of the Software, and to "
        "permit persons to whom the Software is furnished to do so, subject to the following "
        "conditions:",
        "",
        "The above copyright notice and this permission notice shall be included in all copies "
        "or substantial portions of the Software.",
        "",
        "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, "
        "INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A "
        "PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT "
        "HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF "
        "CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE "
        "OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.",
    };
    std::string message = programTitle;
    message += kLineBreak;
    message += kLineBreak;
    for (const char* line : kNoticeLines) {
        message += line;
        message += kLineBreak;
    }
    return message;
}

std::optional<TwipSize> HelpTextBoxSizeFor(TwipSize inner) {
    constexpr int kSmallest = 20;
    constexpr int kMargin = 15;
    if (inner.height <= kSmallest || inner.width <= kSmallest) return std::nullopt;
    return TwipSize{inner.width - kMargin, inner.height - kMargin};
}

}  // namespace zendrix
