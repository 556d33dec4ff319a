// Status label and end-of-game texts.
#include "mainwindow/board_texts.h"

#include <cmath>

#include "scores/data_file.h"
#include "scores/time_string.h"

namespace zendrix {

namespace {

constexpr const char* kCrLf = "\r\n";

const char* ReachText(int reachLevel) {
    switch (reachLevel) {
        case 1:
            return " 6 (adjacent sides only)";
        case 2:
            return "18 (adjacent sides or edges)";
        default:
            return "26 (adjacent sides, edges or points)";
    }
}

}  // namespace

std::string MineInfoText(const GameState& state) {
    const int percent =
        static_cast<int>(std::floor(static_cast<double>(state.mineDensity) * 100 + 0.9));
    return "Minefield Size: " + state.sizeName + kCrLf +
           "Mine Density:   " + std::to_string(percent) + "%" + kCrLf +
           "Mine Reach:    " + ReachText(state.reachLevel);
}

std::string DemoMinefieldText(const GameState& state) {
    if (state.demonstrationMode) return "";
    return "Demo Minefield " + state.sizeName.substr(0, 1) +
           std::to_string(state.DensityPercent()) + " #" + std::to_string(state.demoNumber);
}

std::string MineCountsText(const GameState& state) {
    return "Number of mines: " + std::to_string(state.mineCount) + kCrLf +
           "Number of locations unexposed: " + std::to_string(state.CoveredCount());
}

std::string ClockText(double elapsedSeconds) {
    return "Time elapsed: " + TimeString(elapsedSeconds);
}

EndOfGameDialogue EndOfGameFor(bool struckMine, float lastScore, double adjusted, double fifth) {
    const std::string scoreText = FormatSingle(lastScore) + "%";
    const std::string lost = std::string(kCrLf) + "Whoops! You struck a mine." + kCrLf + kCrLf +
                             "     Your score is " + scoreText;
    const std::string won = std::string(kCrLf) + "Congratulations, you have swept the minefield" +
                            kCrLf + "     without detonating a mine." + kCrLf + kCrLf +
                            "     Your score is " + scoreText;
    const std::string newBest =
        std::string(" which is a new high score.") + kCrLf + kCrLf + "Enter a name:";
    const bool best = adjusted > fifth;

    EndOfGameDialogue dialogue;
    if (!struckMine) {
        dialogue.icon = DialogueIcon::kInformation;
        dialogue.title = best ? "Successful minesweep and a new high score" : "Success!";
        dialogue.text = best ? won + newBest : won;
    } else {
        dialogue.icon = DialogueIcon::kWarning;
        dialogue.title = best ? "Struck a mine but achieved a new high score" : "Struck a mine!";
        dialogue.text = best ? lost + newBest : lost;
    }
    dialogue.kind = best ? DialogueKind::kNameInput : DialogueKind::kMessage;
    return dialogue;
}

std::string WithLineFeeds(std::string text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

std::string ExitSaveQuestion(const std::string& failure) {
    return failure +
           "\r\n\r\nIf the game ends now, the best scores and colour choices of this session are "
           "lost. Retry saves again (after you have made room or fixed the folder, say); Save a "
           "Copy writes a complete data file wherever you choose, which you can later move into "
           "place as " +
           std::string("3DZendrix.dat") + "; Cancel goes back to the game.";
}

}  // namespace zendrix
