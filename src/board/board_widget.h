// The main window's board: keeps the drawn picture in an image at the screen's pixel ratio and
// turns mouse presses into squares. It draws nothing itself: when its image is made anew (a
// resize, another screen's pixel ratio) it asks its owner for the whole-board redraw.
#pragma once

#include <QWidget>
#include <optional>

#include "board/layout.h"
#include "game/minefield.h"
#include "game/moves.h"
#include "platform/qt/qt_canvas.h"

namespace zendrix {

class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    // The geometry's client area (scaleWidth, scaleHeight) follows the widget's size.
    BoardWidget(const GameState& state, BoardGeometry& geometry, QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    // The picture as drawn, for tests and screenshots.
    const QImage& image() const { return canvas_.image(); }

  signals:
    // The image is new and white at the widget's size: the whole board must be drawn again.
    void redrawNeeded();
    void squarePressed(zendrix::MouseButton button, std::optional<zendrix::Square> square);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // A new image at the current size and pixel ratio, with the client area in twips.
    void ResizeImage();

    const GameState& state_;
    BoardGeometry& geometry_;
    QtCanvas canvas_;
};

}  // namespace zendrix

Q_DECLARE_METATYPE(zendrix::MouseButton)
Q_DECLARE_METATYPE(std::optional<zendrix::Square>)
