// Keyboard cursor and neighbourhood preview speed: a key that moves the cursor, and a pointer move
// with Shift held that moves the preview, each through the real main window (offscreen) on the
// Large board at the opening window size, up to the repaint of what changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "board/board_widget.h"
#include "mainwindow/mine_board_window.h"
#include "platform/qt/window_helpers.h"

namespace zendrix {
namespace {

MineBoardWindow* g_window = nullptr;

// Sends the event and lets the window repaint the area it marked as changed.
void DeliverAndPaint(QWidget* target, QEvent& event) {
    QApplication::sendEvent(target, &event);
    QApplication::processEvents();
}

QPointF Centre(const Square& square) {
    const PointF p = ProjectPoint(g_window->board().geometry(), g_window->board().game().rowCount,
                                  square.column + 0.5, square.row + 0.5, square.level);
    return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel};
}

void BM_CursorKey(benchmark::State& run) {
    BoardWidget* board = g_window->boardWidget();
    board->setFocus();
    if (!g_window->board().cursor().visible()) g_window->board().BoardKeyPress(BoardKey::Right);
    int step = 0;
    for (auto _ : run) {
        // Right and Left in turn, so that the cursor never stops at an edge.
        const Qt::Key key = (step++ % 2 == 0) ? Qt::Key_Right : Qt::Key_Left;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        DeliverAndPaint(board, press);
    }
    run.counters["overlay_outlines"] = static_cast<double>(board->overlay().outlines.size());
}
BENCHMARK(BM_CursorKey)->Unit(benchmark::kMicrosecond);

void BM_PreviewMove(benchmark::State& run) {
    BoardWidget* board = g_window->boardWidget();
    // A press off the field hides the cursor: the preview then follows the pointer.
    g_window->board().BoardPress(MouseButton::Other, std::nullopt);
    const QPointF points[] = {Centre({8, 4, 2}), Centre({9, 5, 2})};
    int step = 0;
    for (auto _ : run) {
        const QPointF at = points[step++ % 2];
        QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::ShiftModifier);
        DeliverAndPaint(board, move);
    }
    run.counters["overlay_faces"] = static_cast<double>(board->overlay().faces.size());
}
BENCHMARK(BM_PreviewMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zendrix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads and writes its data file in the working directory: keep it out of the way.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    zendrix::MineBoardWindow window;
    window.start();
    while (window.board().game().demonstrationMode) QApplication::processEvents();
    window.board().DemoMinefieldsCommand();
    window.board().SizeCommand(2);  // Large, at the opening window size
    window.board().BoardPress(zendrix::MouseButton::Left, zendrix::Square{8, 4, 2});
    QApplication::processEvents();
    zendrix::g_window = &window;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
