// The texts of the best-scores window: columns aligned with leading blanks in a proportional font,
// so every blank and every added "0" below is part of the look the players know.
#include "scores/best_scores_view.h"

#include <cmath>

#include "scores/data_file.h"
#include "scores/time_string.h"

namespace zendrix {

namespace {

constexpr const char* kLineEnd = "\r\n";

const char* SizeWord(int size) {
    static const char* const kWords[] = {"Small    ", "Medium", "Large    "};
    return kWords[size - 1];
}

const char* DensityText(int density) {
    static const char* const kTexts[] = {"   2%", "   4%", "   8%", " 16%", " 32%"};
    return kTexts[density - 1];
}

// Blanks that right-align a number of up to three whole digits in a proportional font, where a
// digit is about two blanks wide; ranks below the first get one more for their wider "N)".
std::string LeadingBlanks(double value, int rank) {
    std::string blanks;
    if (rank > 1) blanks += ' ';
    if (value < 99.999) blanks += "  ";
    if (value < 10) blanks += "  ";
    return blanks;
}

bool IsWhole(float value) {
    return std::floor(value) == value;
}

// A line break inside a name would push every later name out of its row.
std::string OneLine(const std::string& name) {
    std::string line = name;
    for (char& ch : line) {
        if (ch == '\r' || ch == '\n') ch = ' ';
    }
    return line;
}

std::string NotesColumnText(const BestScoreEntry& entry, int rank) {
    std::string text;
    if (rank > 1 && entry.reach6Used) text += ' ';
    if (entry.reach6Used) text += " (6) ";
    if (entry.reach18Used) text += "(18)";
    if (rank > 1 && !entry.reach6Used && !entry.reach18Used) text += ' ';
    if (entry.demoMinefield) text += " (D)";
    return text;
}

}  // namespace

std::string ScoreColumnText(float score, int rank) {
    std::string text = LeadingBlanks(score, rank) + FormatSingle(score);
    if (IsWhole(score)) return text + ".00";
    // The product of a float and 10 fits a double exactly. A score with one decimal gets its
    // second digit only when single precision holds that product as the whole number it is.
    const double exact = static_cast<double>(score) * 10.0;
    if (static_cast<double>(static_cast<float>(exact)) == std::floor(exact)) text += '0';
    return text;
}

std::string AdjustedColumnText(const BestScoreEntry& entry, int rank) {
    float value = entry.score;
    if (entry.reach6Used) {
        value = entry.score / 4.0f;
    } else if (entry.reach18Used) {
        value = entry.score / 2.0f;
    }
    // Cut off, not rounded, and in single precision: 99.99 / 4 shows as 24.99.
    const float hundredfold = 100.0f * value;
    value = std::floor(hundredfold) / 100.0f;
    std::string text = LeadingBlanks(value, rank) + FormatSingle(value);
    if (IsWhole(value)) text += ".00";
    return text;
}

BestScoresContent ShowBestTimes(const BestScoreTable& table, int isize, int idensity) {
    // Validates both codes before they index the word tables below.
    (void)table.At(isize, idensity, 1);

    BestScoresContent content;
    content.displayedSize = isize;
    content.displayedDensity = idensity;
    bool anyReach6 = false;
    bool anyReach18 = false;
    bool anyDemo = false;

    content.sizeAndDensity = std::string("Minefield size: ") + SizeWord(isize) +
                             std::string(59, ' ') + "Mine density: " + DensityText(idensity);
    content.tableHeading = std::string(20, ' ') + "Score" + kLineEnd +
                           "  Score      Adjusted      Time            Name ";

    for (int rank = 1; rank <= kKeptRanks; ++rank) {
        const BestScoreEntry& entry = table.At(isize, idensity, rank);
        content.scoreItemVisible[rank - 1] = !entry.name.empty();
        if (entry.name.empty()) continue;
        content.numbers += std::to_string(rank) + ")" + kLineEnd;
        content.scores += ScoreColumnText(entry.score, rank) + kLineEnd;
        content.adjustedScores += AdjustedColumnText(entry, rank) + kLineEnd;
        content.times += TimeString(entry.time) + kLineEnd;
        content.names += OneLine(entry.name) + kLineEnd;
        content.notes += NotesColumnText(entry, rank) + kLineEnd;
        anyReach6 = anyReach6 || entry.reach6Used;
        anyReach18 = anyReach18 || entry.reach18Used;
        anyDemo = anyDemo || entry.demoMinefield;
    }

    content.footnotesVisible = anyReach6 || anyReach18 || anyDemo;
    if (content.footnotesVisible) {
        content.tableHeading += std::string(40, ' ') + "Notes";
        content.footnotes = std::string("    Footnotes:") + kLineEnd;
        if (anyReach6) {
            content.footnotes +=
                std::string("          (6)   - used the Mine Reach 'Only 6 sides'") + kLineEnd;
        }
        if (anyReach18) {
            content.footnotes +=
                std::string("         (18)  - used the Mine Reach 'Nearest 18 sides or edges'") +
                kLineEnd;
        }
        if (anyDemo) content.footnotes += "          (D)  - used a Demo Minefield";
    }
    return content;
}

BackgroundSize BestScoresBackgroundSize(int clientWidth, int clientHeight) {
    // 64-bit products: a window can be dragged very large.
    return {static_cast<int>(static_cast<long long>(clientWidth) * 5535 / 5505),
            static_cast<int>(static_cast<long long>(clientHeight) * 6555 / 3450)};
}

}  // namespace zendrix
