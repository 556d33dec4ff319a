// A push button whose caption wraps onto several lines, as a narrow command button's caption
// does; text() keeps the caption exactly as given.
#pragma once

#include <QPushButton>

namespace zendrix {

class WrapButton : public QPushButton {
    Q_OBJECT

  public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zendrix
