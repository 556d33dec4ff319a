// frmHelpText: the manual in a read-only scrolling text box. One instance serves the main window
// and the best-scores window; closing it only hides it, so it reopens where the player left off.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace zendrix {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Brings the window up front with the keyboard focus, keeping its scroll position.
    void showAndFocus();

    QPlainTextEdit* textBox() const { return txtbxDirections_; }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPlainTextEdit* txtbxDirections_;
};

}  // namespace zendrix
