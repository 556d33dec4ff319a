// The texts of the main window's status labels and of the end-of-game dialogue.
#pragma once

#include <string>

#include "game/minefield.h"

namespace zendrix {

inline constexpr const char* kProgramTitle = "3D-Zendrix Version 1.3";
inline constexpr const char* kWindowCaption = "3D-Zendrix";
inline constexpr const char* kNewMinefieldCaption = "   New Minefield";
inline constexpr const char* kDataFileTitle = "3D-Zendrix data file";
// The question when the data file could not be saved as the program ends.
inline constexpr const char* kExitRetryCaption = "Retry";
inline constexpr const char* kExitSaveCopyCaption = "Save a Copy...";
inline constexpr const char* kExitQuitCaption = "Quit Without Saving";
inline constexpr const char* kSaveCopyTitle = "Save a Copy of the Data File";
inline constexpr const char* kDisplayCaption = " Demonstration     of moves    and strategies";

// lblMineInfo: size, density and reach on three lines.
std::string MineInfoText(const GameState& state);
// lblDemoMinefield, e.g. "Demo Minefield S4 #1"; empty while the demonstration owns the board.
std::string DemoMinefieldText(const GameState& state);
// lblMineDetectionInfo: the mine count and the covered squares.
std::string MineCountsText(const GameState& state);
// clockdisplay.
std::string ClockText(double elapsedSeconds);

enum class DialogueKind { kMessage, kNameInput };
enum class DialogueIcon { kInformation, kWarning };

struct EndOfGameDialogue {
    DialogueKind kind = DialogueKind::kMessage;
    DialogueIcon icon = DialogueIcon::kInformation;
    std::string title;
    std::string text;
};

// What to tell the player one second after a game ended: the outcome, the score, and whether
// to ask for a name (adjusted score strictly above the fifth best).
EndOfGameDialogue EndOfGameFor(bool struckMine, float lastScore, double adjusted, double fifth);

// The question's text: why the save failed, and what each answer does.
std::string ExitSaveQuestion(const std::string& failure);

// Turns CR LF line breaks into plain line feeds for display.
std::string WithLineFeeds(std::string text);

}  // namespace zendrix
