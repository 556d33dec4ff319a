// The main window's board: keeps the drawn picture in an image at the screen's pixel ratio and
// turns mouse presses into squares. It draws nothing itself: when its image is made anew (a
// resize, another screen's pixel ratio) it asks its owner for the whole-board redraw. Keys, the
// pointer and Shift go to the game; what the game wants drawn over the picture comes back as an
// overlay, painted over the kept image.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "board/cursor.h"
#include "board/layout.h"
#include "board/overlay.h"
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

    // Where the overlay comes from; asked again by refreshOverlay.
    void setOverlaySource(std::function<Overlay()> source) { overlaySource_ = std::move(source); }
    // Asks the source again and repaints only where the old or the new overlay lies.
    void refreshOverlay();
    const Overlay& overlay() const { return overlay_; }

  signals:
    // The image is new and white at the widget's size: the whole board must be drawn again.
    void redrawNeeded();
    void squarePressed(zendrix::MouseButton button, std::optional<zendrix::Square> square);
    void keyPressed(zendrix::BoardKey key);
    // Shift held or released, or the pointer moved to another square (or off the field).
    void previewChanged(bool shiftHeld, std::optional<zendrix::Square> pointer);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // A new image at the current size and pixel ratio, with the client area in twips.
    void ResizeImage();
    void DrawOverlay(QPainter& painter) const;
    // The area the overlay covers, in logical pixels.
    QRect OverlayBounds() const;
    void SetPreview(bool shiftHeld, std::optional<Square> pointer);
    std::optional<Square> SquareAt(QPointF position) const;

    const GameState& state_;
    BoardGeometry& geometry_;
    QtCanvas canvas_;
    std::function<Overlay()> overlaySource_;
    Overlay overlay_;
    bool shiftHeld_ = false;
    std::optional<Square> pointer_;
};

}  // namespace zendrix

Q_DECLARE_METATYPE(zendrix::MouseButton)
Q_DECLARE_METATYPE(std::optional<zendrix::Square>)
Q_DECLARE_METATYPE(zendrix::BoardKey)
