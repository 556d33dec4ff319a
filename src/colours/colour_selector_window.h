// frmColorSelector ("Select Colors"): the item list, the colour list with its " (current)" mark,
// the swatch and Apply. Shows what ColourSelector computed and forwards the player's clicks to it.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace zendrix {

class ColourSelector;
class CreateColourWindow;

class ColourSelectorWindow : public QWidget {
    Q_OBJECT

  public:
    // The selector must outlive the window. modifyWindow is what "Modify Changeable Colors"
    // opens; it may be given later with setModifyWindow. The window is created hidden, once, and
    // then only shown and hidden; closing it by its frame hides it with its lists and mark intact.
    explicit ColourSelectorWindow(ColourSelector& selector,
                                  CreateColourWindow* modifyWindow = nullptr,
                                  QWidget* parent = nullptr);
    ~ColourSelectorWindow() override;

    void setModifyWindow(CreateColourWindow* modifyWindow) { modifyWindow_ = modifyWindow; }

    // Shows the window (restoring it if minimised), raises it and gives it the focus.
    void showAndFocus();

    // Re-reads everything the selector shows; runs on every change the selector reports.
    void refresh();

  protected:
    bool event(QEvent* event) override;

  private:
    // The row the player just chose in list, or -1 when there is nothing to pass on.
    int chosenRow(QListWidget* list);

    ColourSelector& selector_;
    CreateColourWindow* modifyWindow_;
    QLabel* exampleColor_;
    QListWidget* lstbxItems_;
    QListWidget* lstbxColors_;
    QPushButton* cmdApply_;
    bool refreshing_ = false;  // the lists' own signals must not reach the selector then
};

}  // namespace zendrix
