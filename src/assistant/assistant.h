// The Assistant without its window: whether its window is open and the mine chances are on, whether
// the game in play has been helped, the last hint, the review of a lost game, the chances with
// their tints and legend, and the no-guess minefields with their fallback message. The game
// control owns it and reports the game to it; the window reads it whenever it reports a change.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "board/layout.h"
#include "board/overlay.h"
#include "game/minefield.h"
#include "game/moves.h"
#include "solver/analysis.h"
#include "solver/position.h"

namespace zendrix {

inline constexpr const char* kAssistantTitle = "3D-Zendrix Assistant";
inline constexpr const char* kHintCaption = "&Hint";
inline constexpr const char* kMineChancesCaption = "&Mine chances";
inline constexpr const char* kLegendTitle = "Chance of a mine under a covered square";
inline constexpr const char* kReviewTitle = "Review of a lost game";
inline constexpr const char* kNoGuessCaption = "&No-guess random minefields";
// What the window says before there is anything else to say.
inline constexpr const char* kHintPrompt =
    "Hint (or H on the board) moves the keyboard cursor to a square that is certainly safe, "
    "else to a certain mine, else to the lowest chance of a mine.";
inline constexpr const char* kNoReviewText =
    "When a mine is struck, this tells the chance it had at the press and how many squares were "
    "certainly safe then.";
inline constexpr const char* kNoGuessNote =
    "New random minefields (F1) are laid at the first uncover so that the whole field can be "
    "cleared from that square by certain deductions alone.";

// How a covered square is tinted: a patch inside its top face, filled with the colour of its
// chance and framed in a line that a light fill has dark and a dark fill white, so that either the
// fill or the frame stands out on every minefield colour. The rim left round the patch keeps the
// square's own colour (and its mark) in sight.
struct ChanceTint {
    OverlayColour fill;
    OverlayColour frame;
    double inset = 0;  // how far each corner of the patch moves toward the face's centre
    friend bool operator==(const ChanceTint&, const ChanceTint&) = default;
};

ChanceTint TintFor(const SquareAnalysis& square);

struct LegendEntry {
    ChanceTint tint;
    std::string text;
};

// The legend shown beside the tints: certainly safe, five chances, certainly a mine, an estimate.
const std::vector<LegendEntry>& ChancesLegend();

// The window is told that what it shows has changed; it reads the Assistant again.
class AssistantListener {
  public:
    virtual ~AssistantListener() = default;
    virtual void AssistantChanged() = 0;
};

class Assistant : public MinePlacement {
  public:
    void SetListener(AssistantListener* listener) { listener_ = listener; }

    // The window and its mine-chances box. The chances are drawn only while both are on and a
    // game is in play; the game control calls Follow after changing either.
    void SetWindowOpen(bool open) { windowOpen_ = open; }
    bool windowOpen() const { return windowOpen_; }
    void SetChancesChecked(bool checked) { chancesChecked_ = checked; }
    bool chancesChecked() const { return chancesChecked_; }
    bool ChancesShown(const GameState& game) const;

    // A new game (or the demonstration's): nothing of the last one is kept.
    void NewGame();
    // After whatever may change what the player sees or whether the chances are drawn: analyses
    // the position again while they are drawn, and a game in play in which they are drawn counts
    // as assisted.
    void Follow(const GameState& game);
    // Before every press on the board: what the player saw then, for the review of a loss.
    void BeforePress(const GameState& game) { beforePress_ = PositionOf(game); }
    // The press just made struck the mine on this square.
    void MineStruck(const Square& struck);

    // The hint for the game as it stands: the square the cursor should go to, if any. A hint
    // asked for in a game in play makes it assisted.
    std::optional<Square> AskHint(const GameState& game, const Square& near);
    // "Level 2, row 3, column 5 — safe: every layout ..." or why there is no hint; empty once
    // the position has changed since the hint, so that an old hint is never taken for a new one.
    std::string HintLine(const GameState& game) const;
    // The hint's reason while the cursor stands on the hinted square and nothing has changed
    // since the hint; otherwise empty.
    std::string HintAnnouncement(const GameState& game, const Square& cursor) const;

    // A hint was asked for, or the chances were drawn, in the game in play.
    bool assisted() const { return assisted_; }

    // The tints of every covered square, when the chances are drawn.
    void AddChances(Overlay& overlay, const BoardGeometry& geometry, const GameState& game) const;
    // One or two sentences on the chances drawn: exact or estimated, or why none are drawn.
    std::string ChancesStatus(const GameState& game) const;

    // The chances drawn are estimates that a larger count might make exact: the position to
    // count again away from the game's thread, with RefineOptions.
    std::optional<Position> RefinementWanted() const;
    void RefinementStarted();
    // The larger count of a position. Taken when it is still the position drawn and exact;
    // returns whether the chances changed.
    bool TakeRefined(const Position& position, Analysis analysis);
    static AnalysisOptions RefineOptions();

    // The review of the game lost last, counted when first asked for (only a window that exists
    // asks); empty when the game in play has not struck a mine.
    const std::string& ReviewText();

    // Minefields that need no guess, on random minefields only.
    void SetNoGuess(bool on) { noGuess_ = on; }
    bool noGuess() const { return noGuess_; }
    // How long the search may take before an ordinary random minefield is laid instead.
    void SetNoGuessTimeLimit(std::chrono::milliseconds limit) { noGuessTimeLimit_ = limit; }
    // kNoGuessFallbackText when this game's minefield fell back to an ordinary one.
    const std::string& noGuessMessage() const { return noGuessMessage_; }
    // What the window says under its no-guess box: the fallback, else what the box does while it
    // is checked.
    std::string NoGuessText() const;
    // MinePlacement, at the first uncover of a game.
    void PlaceMinesAt(GameState& game, RandomSource& random, const Square& first) override;

  private:
    // The analysis of the game's position, counted again only when it changed.
    const Analysis& AnalysisOf(const GameState& game);
    void Changed();

    AssistantListener* listener_ = nullptr;
    bool windowOpen_ = false;
    bool chancesChecked_ = false;
    bool assisted_ = false;

    // The last analysis made and the position it is of.
    std::optional<Position> analysed_;
    Analysis analysis_;
    enum class Refinement { kNone, kWanted, kRunning, kGaveUp };
    Refinement refinement_ = Refinement::kNone;

    std::string hintLine_;
    // The position the last hint was asked in; the square is set when the hint named one.
    std::optional<Position> hintPosition_;
    std::optional<Square> hintSquare_;
    std::string hintReason_;

    Position beforePress_;
    struct PendingReview {
        Position before;
        Square struck;
    };
    std::optional<PendingReview> pendingReview_;
    std::string reviewText_;

    bool noGuess_ = false;
    std::chrono::milliseconds noGuessTimeLimit_{1000};
    std::string noGuessMessage_;
};

}  // namespace zendrix
