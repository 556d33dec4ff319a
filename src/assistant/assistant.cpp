// The Assistant's state, texts and tints.
#include "assistant/assistant.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "board/cursor.h"
#include "game/placement.h"
#include "solver/assistant_texts.h"
#include "solver/no_guess.h"

namespace zendrix {
namespace {

// Certain squares stand apart from every chance: a green no chance has, and a near-black darker
// than the darkest chance, framed in white.
constexpr OverlayColour kDarkFrame{30, 30, 30, 255};
constexpr OverlayColour kLightFrame{255, 255, 255, 255};
constexpr ChanceTint kSafeTint{{40, 200, 110, 255}, kDarkFrame, 0.25};
constexpr ChanceTint kMineTint{{20, 10, 20, 255}, kLightFrame, 0.25};
// An estimated chance is drawn as a smaller patch.
constexpr double kExactInset = 0.25;
constexpr double kEstimateInset = 0.45;

// From pale yellow through orange to crimson, growing darker with the chance, so that the order
// reads without telling hues apart.
struct RampStop {
    double chance;
    OverlayColour colour;
};
constexpr std::array<RampStop, 6> kRamp{{
    {0.00, {255, 250, 200, 255}},
    {0.15, {255, 222, 110, 255}},
    {0.35, {252, 165, 55, 255}},
    {0.55, {235, 105, 40, 255}},
    {0.75, {200, 45, 50, 255}},
    {1.00, {130, 10, 70, 255}},
}};

OverlayColour RampColour(double chance) {
    chance = std::clamp(chance, 0.0, 1.0);
    size_t upper = 1;
    while (upper + 1 < kRamp.size() && kRamp[upper].chance < chance) ++upper;
    const RampStop& a = kRamp[upper - 1];
    const RampStop& b = kRamp[upper];
    const double t = (chance - a.chance) / (b.chance - a.chance);
    auto mix = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return {mix(a.colour.red, b.colour.red), mix(a.colour.green, b.colour.green),
            mix(a.colour.blue, b.colour.blue), 255};
}

// A game of the player's own: the demonstration's scripted moves get neither hints nor chances,
// which would hide the very colours its texts point at.
bool InPlay(const GameState& game) {
    return game.columnCount > 0 && !game.gameOver && !game.demonstrationMode;
}

bool FirstUncoverOfRandomMinefield(const GameState& game) {
    return game.uncoveredCount == 0 && !game.useDemoMinefields && !game.demonstrationMode;
}

constexpr const char* kFirstSquareReason =
    "safe: on a random minefield the first square uncovered never holds a mine";

}  // namespace

ChanceTint TintFor(const SquareAnalysis& square) {
    switch (square.verdict) {
        case Verdict::kSafe:
            return kSafeTint;
        case Verdict::kMine:
            return kMineTint;
        case Verdict::kChance:
        case Verdict::kUncovered:
            break;
    }
    const OverlayColour fill = RampColour(square.chance);
    // Luma: the fills from about 70 % on are dark enough for the white frame.
    const double lightness = 0.2126 * fill.red + 0.7152 * fill.green + 0.0722 * fill.blue;
    return {fill, lightness < 90 ? kLightFrame : kDarkFrame,
            square.exact ? kExactInset : kEstimateInset};
}

const std::vector<LegendEntry>& ChancesLegend() {
    static const std::vector<LegendEntry> legend = [] {
        std::vector<LegendEntry> entries;
        entries.push_back({kSafeTint, "certainly safe"});
        for (const int percent : {5, 25, 50, 75, 95}) {
            entries.push_back({TintFor({Verdict::kChance, percent / 100.0, true}),
                               std::to_string(percent) + " %"});
        }
        entries.push_back({kMineTint, "certainly a mine"});
        entries.push_back({TintFor({Verdict::kChance, 0.25, false}), "25 %, an estimate"});
        return entries;
    }();
    return legend;
}

bool Assistant::ChancesShown(const GameState& game) const {
    return windowOpen_ && chancesChecked_ && InPlay(game);
}

void Assistant::Changed() {
    if (listener_) listener_->AssistantChanged();
}

void Assistant::NewGame() {
    assisted_ = false;
    hintLine_.clear();
    hintPosition_.reset();
    hintSquare_.reset();
    pendingReview_.reset();
    reviewText_.clear();
    noGuessMessage_.clear();
    refinement_ = Refinement::kNone;
    Changed();
}

const Analysis& Assistant::AnalysisOf(const GameState& game) {
    const Position position = PositionOf(game);
    if (!analysed_ || !(*analysed_ == position)) {
        analysis_ = Analyse(position);
        analysed_ = position;
        refinement_ = analysis_.exact ? Refinement::kNone : Refinement::kWanted;
    }
    return analysis_;
}

void Assistant::Follow(const GameState& game) {
    if (ChancesShown(game)) {
        assisted_ = true;
        AnalysisOf(game);
    }
    Changed();
}

void Assistant::MineStruck(const Square& struck) {
    pendingReview_ = PendingReview{beforePress_, struck};
    reviewText_.clear();
    Changed();
}

const std::string& Assistant::ReviewText() {
    if (pendingReview_) {
        const PendingReview review = *pendingReview_;
        pendingReview_.reset();
        // The chances drawn at the press, when they were: the review must not contradict them.
        const bool drawn = analysed_ && *analysed_ == review.before;
        const Analysis analysis = drawn ? analysis_ : Analyse(review.before);
        reviewText_ = ReviewLoss(review.before, analysis, review.struck).text;
    }
    return reviewText_;
}

std::optional<Square> Assistant::AskHint(const GameState& game, const Square& near) {
    hintPosition_.reset();
    hintSquare_.reset();
    if (!InPlay(game)) {
        hintLine_ = "No game of yours in play: start a new minefield for a hint.";
        Changed();
        return std::nullopt;
    }
    assisted_ = true;
    std::string reason;
    if (FirstUncoverOfRandomMinefield(game)) {
        // The mines are laid at the first uncover, away from the square uncovered.
        hintSquare_ = game.InField(near) ? near : Square{1, 1, 1};
        reason = kFirstSquareReason;
    } else {
        const Hint hint = ChooseHint(PositionOf(game), AnalysisOf(game), MarkedSquares(game), near);
        reason = hint.reason;
        if (hint.kind != HintKind::kNone) hintSquare_ = hint.square;
    }
    hintPosition_ = PositionOf(game);
    hintReason_ = reason;
    hintLine_ = hintSquare_ ? SquareName(*hintSquare_) + " \u2014 " + reason : reason;
    Changed();
    return hintSquare_;
}

std::string Assistant::HintLine(const GameState& game) const {
    if (hintPosition_ && !(PositionOf(game) == *hintPosition_)) return "";
    return hintLine_;
}

std::string Assistant::HintAnnouncement(const GameState& game, const Square& cursor) const {
    if (!hintSquare_ || !(cursor == *hintSquare_) || !(PositionOf(game) == *hintPosition_)) {
        return "";
    }
    return hintReason_;
}

void Assistant::AddChances(Overlay& overlay, const BoardGeometry& geometry,
                           const GameState& game) const {
    if (!ChancesShown(game) || !analysed_) return;
    const Position position = PositionOf(game);
    if (!(position == *analysed_)) return;
    for (int i = 0; i < position.SquareCount(); ++i) {
        if (!position.IsCovered(i)) continue;
        const ChanceTint tint = TintFor(analysis_.squares[i]);
        const Quad patch =
            Inset(TopFace(geometry, game.rowCount, position.SquareAt(i)), tint.inset);
        overlay.faces.push_back({patch, tint.fill});
        overlay.outlines.push_back({patch, tint.frame, 1});
    }
}

std::string Assistant::ChancesStatus(const GameState& game) const {
    if (!chancesChecked_) return "";
    if (!InPlay(game)) {
        return "The chances are drawn while a game of yours is in play.";
    }
    if (!analysed_ || !(PositionOf(game) == *analysed_)) return "";
    std::string text;
    if (!analysis_.consistent) {
        text = "No layout of the mines fits the numbers shown.";
    } else if (analysis_.exact) {
        text = "Exact chances: every layout of the mines that fits the numbers counts alike.";
    } else if (refinement_ == Refinement::kWanted || refinement_ == Refinement::kRunning) {
        text = "Some chances are estimates, drawn as smaller patches; counting them exactly...";
    } else {
        text =
            "Some chances are estimates, drawn as smaller patches: too many layouts to count. "
            "Squares shown safe or a mine are certain all the same.";
    }
    if (FirstUncoverOfRandomMinefield(game)) {
        text += " On a random minefield the first square you uncover never holds a mine.";
    }
    return text;
}

std::optional<Position> Assistant::RefinementWanted() const {
    if (!windowOpen_ || !chancesChecked_ || refinement_ != Refinement::kWanted) {
        return std::nullopt;
    }
    return analysed_;
}

void Assistant::RefinementStarted() {
    if (refinement_ == Refinement::kWanted) refinement_ = Refinement::kRunning;
}

bool Assistant::TakeRefined(const Position& position, Analysis analysis) {
    if (refinement_ != Refinement::kRunning || !analysed_ || !(*analysed_ == position)) {
        return false;
    }
    const bool better = analysis.exact && analysis.consistent;
    if (better) analysis_ = std::move(analysis);
    refinement_ = better ? Refinement::kNone : Refinement::kGaveUp;
    Changed();
    return better;
}

AnalysisOptions Assistant::RefineOptions() {
    // Twice the states and partial counts the game's thread may hold, and up to a second, on a
    // thread whose storage goes with it: a few more of the hardest positions become exact.
    AnalysisOptions options;
    options.cellBudget = size_t{1} << 19;
    options.timeLimit = std::chrono::milliseconds(1000);
    return options;
}

std::string Assistant::NoGuessText() const {
    if (!noGuessMessage_.empty()) return noGuessMessage_;
    return noGuess_ ? kNoGuessNote : "";
}

void Assistant::PlaceMinesAt(GameState& game, RandomSource& random, const Square& first) {
    if (noGuess_ && !game.useDemoMinefields && !game.demonstrationMode) {
        // Seeded from the clock, as an ordinary random minefield is.
        random.Reset();
        random.SeedFromClock();
        const auto deadline = std::chrono::steady_clock::now() + noGuessTimeLimit_;
        if (PlaceMinesWithoutGuessing(game, first, random, deadline).found) return;
        noGuessMessage_ = kNoGuessFallbackText;
        Changed();
    }
    PlaceMines(game, random, first.column, first.row, first.level);
}

}  // namespace zendrix
