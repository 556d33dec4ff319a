// Board widget: paint events only copy the kept image; the game control draws into it.
#include "board/board_widget.h"
#include "platform/qt/window_helpers.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zendrix {

BoardWidget::BoardWidget(const GameState& state, BoardGeometry& geometry, QWidget* parent)
    : QWidget(parent), state_(state), geometry_(geometry) {
    qRegisterMetaType<zendrix::MouseButton>("zendrix::MouseButton");
    qRegisterMetaType<std::optional<zendrix::Square>>("std::optional<zendrix::Square>");
    qRegisterMetaType<zendrix::BoardKey>("zendrix::BoardKey");
    // The image covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Played from the keyboard too: focus by Tab and by a click; the pointer is followed for the
    // neighbourhood preview.
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Minefield"));
    ResizeImage();
}

void BoardWidget::ResizeImage() {
    canvas_.Resize(size(), devicePixelRatioF());
    geometry_.scaleWidth = width() * kTwipsPerPixel;
    geometry_.scaleHeight = height() * kTwipsPerPixel;
}

void BoardWidget::refreshOverlay() {
    if (!overlaySource_) return;
    const QRect before = OverlayBounds();
    overlay_ = overlaySource_();
    const QRect after = OverlayBounds();
    if (!before.isEmpty()) update(before);
    if (!after.isEmpty()) update(after);
}

QRect BoardWidget::OverlayBounds() const {
    if (overlay_.empty()) return {};
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300, pen = 0;
    auto take = [&](const Quad& quad) {
        for (const PointF& p : quad) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    };
    for (const OverlayFace& face : overlay_.faces) take(face.corners);
    for (const OverlayOutline& outline : overlay_.outlines) {
        take(outline.corners);
        pen = std::max(pen, outline.widthPixels);
    }
    // Half a pen beyond the corners and a pointed mitre: a few pixels more.
    const int margin = static_cast<int>(std::ceil(pen * 2)) + 2;
    const QRect bounds(QPoint(static_cast<int>(std::floor(left / kTwipsPerPixel)),
                              static_cast<int>(std::floor(top / kTwipsPerPixel))),
                       QPoint(static_cast<int>(std::ceil(right / kTwipsPerPixel)),
                              static_cast<int>(std::ceil(bottom / kTwipsPerPixel))));
    return bounds.adjusted(-margin, -margin, margin, margin) & rect();
}

void BoardWidget::DrawOverlay(QPainter& painter) const {
    // Drawn in logical pixels and without antialiasing, like the board under it: antialiased
    // outlines cost four times as much, and the preview is redrawn on every pointer move.
    auto polygon = [](const Quad& quad) {
        std::array<QPointF, 4> points;
        for (size_t i = 0; i < quad.size(); ++i) {
            points[i] = QPointF(quad[i].x / kTwipsPerPixel, quad[i].y / kTwipsPerPixel);
        }
        return points;
    };
    auto colour = [](const OverlayColour& c) { return QColor(c.red, c.green, c.blue, c.alpha); };
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const OverlayFace& face : overlay_.faces) {
        painter.setBrush(colour(face.fill));
        const auto points = polygon(face.corners);
        painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    }
    painter.setBrush(Qt::NoBrush);
    for (const OverlayOutline& outline : overlay_.outlines) {
        QPen pen(colour(outline.colour), outline.widthPixels);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const auto points = polygon(outline.corners);
        painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    }
    painter.restore();
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
    if (!overlay_.empty()) DrawOverlay(screen);
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
    emit squarePressed(button, SquareAt(event->position()));
}

std::optional<Square> BoardWidget::SquareAt(QPointF position) const {
    return HitSquare(geometry_, state_, position.x() * kTwipsPerPixel,
                     position.y() * kTwipsPerPixel);
}

void BoardWidget::SetPreview(bool shiftHeld, std::optional<Square> pointer) {
    if (shiftHeld == shiftHeld_ && pointer == pointer_) return;
    shiftHeld_ = shiftHeld;
    pointer_ = pointer;
    emit previewChanged(shiftHeld_, pointer_);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    SetPreview(event->modifiers().testFlag(Qt::ShiftModifier), SquareAt(event->position()));
}

void BoardWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    SetPreview(shiftHeld_, std::nullopt);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // The release of a Shift held while another window took the keyboard never arrives here.
    if (!isActiveWindow()) SetPreview(false, pointer_);
}

void BoardWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat()) {
        SetPreview(false, pointer_);
        return;
    }
    event->ignore();
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    // Shift also arrives here from the buttons on the board, which pass it on.
    if (event->key() == Qt::Key_Shift) {
        if (!event->isAutoRepeat()) SetPreview(true, pointer_);
        return;
    }
    // Keys with Ctrl, Alt or Meta belong to the menus' shortcuts; the board takes plain keys,
    // with or without Shift (the preview follows the cursor).
    const Qt::KeyboardModifiers others =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    static constexpr std::pair<int, BoardKey> kKeys[] = {
        {Qt::Key_Left, BoardKey::Left},      {Qt::Key_Right, BoardKey::Right},
        {Qt::Key_Up, BoardKey::Back},        {Qt::Key_Down, BoardKey::Forward},
        {Qt::Key_PageUp, BoardKey::LevelUp}, {Qt::Key_PageDown, BoardKey::LevelDown},
        {Qt::Key_Home, BoardKey::RowStart},  {Qt::Key_End, BoardKey::RowEnd},
        {Qt::Key_Space, BoardKey::Uncover},  {Qt::Key_Return, BoardKey::Mark},
        {Qt::Key_Enter, BoardKey::Mark},     {Qt::Key_H, BoardKey::Hint},
    };
    std::optional<BoardKey> key;
    for (const auto& [qtKey, boardKey] : kKeys) {
        if (event->key() == qtKey) key = boardKey;
    }
    if (!key || others != Qt::NoModifier || !hasFocus()) {
        event->ignore();
        return;
    }
    emit keyPressed(*key);
}

}  // namespace zendrix
