// Board widget: paint events only copy the kept image; the game control draws into it.
#include "board/board_widget.h"
#include "platform/qt/window_helpers.h"

#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace zendrix {

BoardWidget::BoardWidget(const GameState& state, BoardGeometry& geometry, QWidget* parent)
    : QWidget(parent), state_(state), geometry_(geometry) {
    qRegisterMetaType<zendrix::MouseButton>("zendrix::MouseButton");
    qRegisterMetaType<std::optional<zendrix::Square>>("std::optional<zendrix::Square>");
    // The image covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ResizeImage();
}

void BoardWidget::ResizeImage() {
    canvas_.Resize(size(), devicePixelRatioF());
    geometry_.scaleWidth = width() * kTwipsPerPixel;
    geometry_.scaleHeight = height() * kTwipsPerPixel;
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    if (canvas_.devicePixelRatio() != devicePixelRatioF()) {
        // Moved to a screen of another scale: draw again at its ratio, once this paint is done
        // (a redraw moves the status controls, which must not happen inside a paint event).
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (canvas_.devicePixelRatio() == devicePixelRatioF()) return;
                ResizeImage();
                emit redrawNeeded();
            },
            Qt::QueuedConnection);
    }
    QPainter screen(this);
    const QImage& image = canvas_.image();
    const QRect area = event->rect();
    const qreal ratio = image.devicePixelRatio();
    screen.drawImage(
        QRectF(area), image,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizeImage();
    emit redrawNeeded();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // Labels ignore presses and Qt hands them on to the board; a press on one (the
    // demonstration's text can lie over the board of a narrow window) is not a move.
    if (childAt(event->position().toPoint())) return;
    MouseButton button = MouseButton::Other;
    if (event->button() == Qt::LeftButton) button = MouseButton::Left;
    if (event->button() == Qt::RightButton) button = MouseButton::Right;
    const QPointF at = event->position();
    emit squarePressed(
        button, HitSquare(geometry_, state_, at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel));
}

}  // namespace zendrix
