// The main window's board: keeps the drawn picture in an image at the screen's pixel ratio,
// lays the board out again on resize and turns mouse presses into squares.
#pragma once

#include <QWidget>
#include <optional>

#include "board/layout.h"
#include "board/painter.h"
#include "colours/colour_model.h"
#include "game/minefield.h"
#include "game/moves.h"
#include "platform/qt/qt_canvas.h"

namespace zendrix {

class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(GameState& state, const ColourModel& colours, BoardGeometry& geometry,
                QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    // The picture as drawn, for tests and screenshots.
    const QImage& image() const { return canvas_.image(); }
    BoardPainter painter() { return BoardPainter(canvas_, state_, colours_, geometry_); }

    // The whole-board redraw: form_resize, then a repaint and the new control positions.
    void redraw();

  signals:
    void layoutApplied(const zendrix::StatusLayout& layout);
    void squarePressed(zendrix::MouseButton button, std::optional<zendrix::Square> square);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // A new image at the current size and pixel ratio, with the client area in twips.
    void ResizeImage();

    GameState& state_;
    const ColourModel& colours_;
    BoardGeometry& geometry_;
    QtCanvas canvas_;
};

}  // namespace zendrix

Q_DECLARE_METATYPE(zendrix::StatusLayout)
Q_DECLARE_METATYPE(zendrix::MouseButton)
Q_DECLARE_METATYPE(std::optional<zendrix::Square>)
