// Board drawing speed: the whole-board redraw of a mid-game Large field at several window sizes
// and pixel ratios, and the drawing of single moves, on the real Qt canvas.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "board/layout.h"
#include "board/painter.h"
#include "board/sample_game.h"
#include "colours/colour_model.h"
#include "game/moves.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/window_helpers.h"
#include "platform/random_source.h"

namespace zendrix {
namespace {

// What the main window does with the moves' drawing requests.
class PaintingObserver : public MoveObserver {
  public:
    explicit PaintingObserver(BoardPainter& painter) : painter_(painter) {}
    void PaintSquare(const Square& square, Rgb colour) override {
        painter_.PaintSquare(square, colour);
    }
    void DrawGrid() override { painter_.DrawGrid(); }
    void ShowMines(const Square& s) override { painter_.ShowMines(s.column, s.row, s.level); }
    void MineCountsChanged() override {}
    void GameEnded() override {}

  private:
    BoardPainter& painter_;
};

// The game's generator without the clock, so every run lays the same mines.
class RepeatableRandom : public StandardRandomSource {
  public:
    void SeedFromClock() override {}
};

struct Board {
    GameState state;
    ColourModel colours;
    BoardGeometry geometry;
    QtCanvas canvas;
    BoardPainter painter{canvas, state, colours, geometry};

    Board(GameState initial, int width, int height, double ratio) : state(std::move(initial)) {
        geometry.boardTop = 50;
        geometry.scaleWidth = width * kTwipsPerPixel;
        geometry.scaleHeight = height * kTwipsPerPixel;
        canvas.Resize(QSize(width, height), ratio);
        painter.form_resize();
    }
};

GameState MidGameLarge() {
    SampleGameOptions options;
    options.sizeIndex = 2;
    options.densityIndex = 3;  // 16 %: many numbers, some of them light double digits
    options.seed = 11;
    return MakeSampleGame(options);
}

void BM_FullRedraw(benchmark::State& run) {
    Board board(MidGameLarge(), static_cast<int>(run.range(0)), static_cast<int>(run.range(1)),
                static_cast<double>(run.range(2)));
    for (auto _ : run) {
        board.painter.form_resize();
        benchmark::DoNotOptimize(board.canvas.image().constBits());
    }
    run.counters["uncovered"] = board.state.uncoveredCount;
}
BENCHMARK(BM_FullRedraw)
    ->ArgNames({"width", "height", "ratio"})
    ->Args({613, 448, 1})
    ->Args({613, 448, 2})
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 2})
    ->Args({3840, 2160, 1})
    ->Args({3840, 2160, 2})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The first press of a Large game at 2 %: mine placement, the flood of a large zero region with
// a white square per opened cube, then the grid and numbers once.
void BM_FloodUncover(benchmark::State& run) {
    GameState fresh;
    fresh.SetSize(2);
    fresh.SetDensity(0);
    fresh.demonstrationMode = false;
    fresh.ResetForNewGame();
    Board board(fresh, static_cast<int>(run.range(0)), static_cast<int>(run.range(1)),
                static_cast<double>(run.range(2)));
    RepeatableRandom random;
    NullMoveObserver quiet;
    PaintingObserver observer(board.painter);

    // The first square that floods most of the field with these mines.
    Square first{1, 1, 1};
    for (int l = 1; l <= 3 && first.level == 1; ++l) {
        for (int c = 1; c <= 16; ++c) {
            GameState trial = fresh;
            Play(trial, board.colours, random, quiet).UncoverSquare(c, 4, l);
            if (trial.uncoveredCount > 300) {
                first = {c, 4, l};
                break;
            }
        }
    }

    Play play(board.state, board.colours, random, observer);
    for (auto _ : run) {
        run.PauseTiming();
        board.state = fresh;
        run.ResumeTiming();
        play.UncoverSquare(first.column, first.row, first.level);
    }
    run.counters["opened"] = board.state.uncoveredCount;
}
BENCHMARK(BM_FloodUncover)
    ->ArgNames({"width", "height", "ratio"})
    ->Args({613, 448, 1})
    ->Args({613, 448, 2})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One mark set or taken off: one square painted, then the grid and numbers.
void BM_MarkMove(benchmark::State& run) {
    Board board(MidGameLarge(), static_cast<int>(run.range(0)), static_cast<int>(run.range(1)),
                static_cast<double>(run.range(2)));
    StandardRandomSource random;
    PaintingObserver observer(board.painter);
    Play play(board.state, board.colours, random, observer);
    Square covered;
    for (int x = 1; x <= 16 && covered.column == 0; ++x) {
        if (board.state.IsCovered(x, 8, 1)) covered = {x, 8, 1};
    }
    for (auto _ : run) play.ToggleMark(covered.column, covered.row, covered.level);
}
BENCHMARK(BM_MarkMove)
    ->ArgNames({"width", "height", "ratio"})
    ->Args({613, 448, 1})
    ->Args({613, 448, 2})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The two halves of every move's drawing, apart: grid lines, and the numbers on top.
void BM_GridLines(benchmark::State& run) {
    GameState state = MidGameLarge();
    state.squareState.Fill(-1);  // no numbers
    Board board(state, 613, 448, 1);
    for (auto _ : run) board.painter.DrawGrid();
}
BENCHMARK(BM_GridLines)->Unit(benchmark::kMicrosecond);

void BM_PaintAllSquares(benchmark::State& run) {
    Board board(MidGameLarge(), 613, 448, 1);
    for (auto _ : run) {
        for (int l = 1; l <= 3; ++l) {
            for (int r = 1; r <= 8; ++r) {
                for (int c = 1; c <= 16; ++c) board.painter.PaintSquare({c, r, l}, kWhite);
            }
        }
    }
}
BENCHMARK(BM_PaintAllSquares)->Unit(benchmark::kMicrosecond);

void BM_Numbers(benchmark::State& run) {
    Board board(MidGameLarge(), 613, 448, static_cast<double>(run.range(0)));
    for (auto _ : run) board.painter.DrawNumbers();
}
BENCHMARK(BM_Numbers)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zendrix

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
