// The main window as a player first meets it, for window tests: started in a fresh folder of its
// own (so the data file starts new), active, its start-up demonstration over.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "mainwindow/mine_board_window.h"

namespace zendrix::testing {

struct StartedMainWindow {
    // From a test's init(); false when the window never became active or the demonstration never
    // ended.
    bool Start() {
        previous = QDir::currentPath();
        if (!QDir::setCurrent(folder.path())) return false;
        QFile::remove("3DZendrix.dat");
        window = std::make_unique<MineBoardWindow>();
        window->start();
        if (!QTest::qWaitForWindowActive(window.get())) return false;
        return QTest::qWaitFor([this] { return !window->board().game().demonstrationMode; }, 5000);
    }
    // From a test's cleanup().
    void Stop() {
        window.reset();
        QDir::setCurrent(previous);
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<MineBoardWindow> window;
};

}  // namespace zendrix::testing
