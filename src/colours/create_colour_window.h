// frmCreateColor ("Modify Colors"): three scroll bars, six slot buttons, a name box and
// Apply / Delete / Done. Shows what ChangeableColours computed and forwards the player's input.
#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace zendrix {

class ChangeableColours;

class CreateColourWindow : public QWidget {
    Q_OBJECT

  public:
    // The changeable colours must outlive the window. The window is created hidden, once, and
    // then only shown and hidden; "Done" and closing it by its frame both hide it with its state.
    explicit CreateColourWindow(ChangeableColours& colours, QWidget* parent = nullptr);
    ~CreateColourWindow() override;

    // Shows the window (restoring it if minimised), raises it and gives it the focus.
    void showAndFocus();

    // Re-reads everything the changeable colours show.
    void refresh();

  protected:
    bool event(QEvent* event) override;

  private:
    // Re-reads the working colour: scroll bars, value labels, swatch and sample bar.
    void ShowColour();

    ChangeableColours& colours_;
    std::array<QLabel*, 3> valueLabels_{};     // Label4, Label5, Label6: red, green, blue
    std::array<QScrollBar*, 3> scrollBars_{};  // VScroll4, VScroll2, VScroll3: red, green, blue
    std::array<QRadioButton*, 6> options_{};
    QButtonGroup* optionGroup_;
    QLineEdit* txtbxName_;
    QLabel* label3_;           // swatch
    QFrame* shpColor_;         // sample bar
    bool refreshing_ = false;  // the controls' own signals must not reach the core then
};

}  // namespace zendrix
