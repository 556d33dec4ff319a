// Answers the next modal dialogue from inside its own event loop, for window tests.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace zendrix::testing {

// Polls until a modal widget is open, then hands it to the handler (which should close it).
// Polling stops when the context object is destroyed, so a handler never outlives its test.
inline void WhenModalOpens(QObject* context, std::function<void(QWidget*)> handler,
                           int attempts = 300) {
    QTimer::singleShot(10, context, [context, handler = std::move(handler), attempts]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            handler(modal);
        } else if (attempts > 0) {
            WhenModalOpens(context, std::move(handler), attempts - 1);
        }
    });
}

}  // namespace zendrix::testing
