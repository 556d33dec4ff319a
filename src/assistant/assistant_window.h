// The Assistant's window (F3): the hint, the mine chances with their legend, the review of a lost
// game and the choice of minefields that need no guess. It shows what the Assistant decides and
// forwards its controls to the game control; the one thing it does itself is to count a position
// whose chances are estimates once more, with more room, on a thread of its own.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "assistant/assistant.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace zendrix {

class MineBoard;

class AssistantWindow : public QWidget, private AssistantListener {
    Q_OBJECT

  public:
    AssistantWindow(MineBoard& board, QWidget* parent = nullptr);
    ~AssistantWindow() override;

    // Brings the window up front with the keyboard focus on the Hint button.
    void showAndFocus();

  signals:
    // F3 in this window: the keys go back to the board.
    void boardWanted();
    // The no-guess box changed: the preference is to be stored.
    void noGuessChosen(bool on);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void AssistantChanged() override;
    void Refresh();
    // Legend swatches on the board's own minefield colour, drawn again when that changes.
    void DrawSwatches();
    // Texts come and go and wrap: the window grows to show all of them at its width, and is never
    // made smaller than that.
    void FitHeight();
    void StartRefinement();
    void RefinementDone(const Position& position, std::shared_ptr<Analysis> analysis);

    MineBoard& board_;
    QPushButton* cmdHint_;
    QLabel* lblHint_;
    QCheckBox* chkMineChances_;
    QWidget* legend_;
    std::vector<QLabel*> swatches_;
    QLabel* lblChances_;
    QLabel* lblReview_;
    QCheckBox* chkNoGuess_;
    QLabel* lblNoGuess_;
    std::optional<Rgb> swatchGround_;
    std::thread worker_;
};

}  // namespace zendrix
