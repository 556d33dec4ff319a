// Showing and restoring the game's windows.
#include "platform/qt/window_helpers.h"

#include <QEvent>
#include <QWidget>

namespace zendrix {

void ShowAndFocus(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus(Qt::OtherFocusReason);
}

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void RestoreIfActivatedWhileMinimised(QWidget* window, const QEvent* event) {
    if (event->type() == QEvent::WindowActivate && window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
}

}  // namespace zendrix
