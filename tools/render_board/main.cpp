// render_board: draws a repeatable mid-game board (or the three pictures under docs/) into PNG
// files, without a display, through the same painter and canvas as the game window.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "board/layout.h"
#include "board/painter.h"
#include "board/sample_game.h"
#include "colours/colour_model.h"
#include "game/game_dump.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/window_helpers.h"

namespace {

struct Picture {
    zendrix::SampleGameOptions game;
    // A game from a text picture instead of a sample, when set.
    std::optional<zendrix::GameState> given;
    QSize window{613, 448};  // the opening window, 9195 x 6720 twips
    qreal ratio = 1;
    int boardTop = 50;
};

bool Render(const Picture& picture, const QString& path) {
    zendrix::GameState state =
        picture.given ? *picture.given : zendrix::MakeSampleGame(picture.game);
    zendrix::ColourModel colours;
    zendrix::BoardGeometry geometry;
    geometry.boardTop = picture.boardTop;
    geometry.scaleWidth = picture.window.width() * zendrix::kTwipsPerPixel;
    geometry.scaleHeight = picture.window.height() * zendrix::kTwipsPerPixel;
    zendrix::QtCanvas canvas;
    canvas.Resize(picture.window, picture.ratio);
    zendrix::BoardPainter(canvas, state, colours, geometry).form_resize();
    if (!canvas.image().save(path, "PNG")) {
        std::fprintf(stderr, "render_board: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A game from the text picture of game_dump.h: '#' covered, '*' covered mine, 'm' and 'M' marked
// (in the marker colour given), '0'..'9' and 'A'.. uncovered with that count.
std::optional<zendrix::GameState> ReadGame(const QString& path, int markColour) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    const std::string text = file.readAll().toStdString();
    zendrix::GameState state;
    state.demonstrationMode = false;
    if (!zendrix::LoadMines(state, text)) return std::nullopt;
    std::vector<std::string> rows;
    for (const QString& line : QString::fromStdString(text).split('\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) rows.push_back(trimmed.toStdString());
    }
    for (int l = 1; l <= 3; ++l) {
        for (int r = 1; r <= state.rowCount; ++r) {
            const std::string& row = rows[(l - 1) * state.rowCount + (state.rowCount - r)];
            for (int c = 1; c <= state.columnCount; ++c) {
                const char ch = row[c - 1];
                int count = -1;
                if (ch >= '0' && ch <= '9') count = ch - '0';
                if (ch >= 'A' && ch <= 'Q') count = ch - 'A' + 10;
                if (count >= 0) {
                    state.squareState(c, r, l) = static_cast<int16_t>(count);
                    ++state.uncoveredCount;
                }
                if (ch == 'm' || ch == 'M') {
                    state.markMap(c, r, l) = static_cast<int16_t>(markColour);
                }
            }
        }
    }
    return state;
}

int SizeIndex(const QString& name) {
    if (name == "small") return 0;
    if (name == "medium") return 1;
    if (name == "large") return 2;
    return -1;
}

int DensityIndex(int percent) {
    const int percents[] = {2, 4, 8, 16, 32};
    for (int i = 0; i < 5; ++i) {
        if (percents[i] == percent) return i;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed; an explicit platform choice still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription("Draws a mid-game 3D-Zendrix board into a PNG file.");
    parser.addHelpOption();
    parser.addOptions({
        {"size", "small, medium or large.", "size", "small"},
        {"density", "Mine density in percent: 2, 4, 8, 16 or 32.", "percent", "8"},
        {"reach", "Mine reach: 6, 18 or 26.", "reach", "26"},
        {"seed", "Seed of the sample board.", "seed", "1"},
        {"struck", "End the game on a struck mine, so the mines show."},
        {"width", "Window width in logical pixels.", "pixels", "613"},
        {"height", "Window height in logical pixels.", "pixels", "448"},
        {"ratio", "Device pixel ratio.", "ratio", "1"},
        {"board-top", "Top margin in twips (900 while the title shows).", "twips", "50"},
        {"state", "Draw the game in this text picture (the test dump format) instead.", "file"},
        {"mark-colour", "Palette entry of the marks in --state pictures.", "index", "4"},
        {"struck-at", "With --state: the game ended on the mine at column,row,level.", "c,r,l"},
        {"docs", "Write board-small.png, board-medium.png and board-large.png into a folder.",
         "folder"},
    });
    parser.addPositionalArgument("output", "The PNG file to write (unless --docs is given).");
    parser.process(app);

    if (parser.isSet("docs")) {
        QDir folder(parser.value("docs"));
        if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
        const char* names[] = {"board-small.png", "board-medium.png", "board-large.png"};
        bool ok = true;
        for (int size = 0; size < 3; ++size) {
            Picture picture;
            picture.game.sizeIndex = size;
            picture.game.densityIndex = 2;
            picture.game.seed = 7;
            picture.ratio = 2;
            ok = Render(picture, folder.filePath(names[size])) && ok;
        }
        return ok ? 0 : 1;
    }

    Picture picture;
    picture.game.sizeIndex = SizeIndex(parser.value("size"));
    picture.game.densityIndex = DensityIndex(parser.value("density").toInt());
    const int reach = parser.value("reach").toInt();
    picture.game.reachLevel = reach == 6 ? 1 : reach == 18 ? 2 : reach == 26 ? 3 : 0;
    picture.game.seed = parser.value("seed").toUInt();
    picture.game.struck = parser.isSet("struck");
    picture.window = QSize(parser.value("width").toInt(), parser.value("height").toInt());
    picture.ratio = parser.value("ratio").toDouble();
    picture.boardTop = parser.value("board-top").toInt();
    if (parser.isSet("state")) {
        picture.given = ReadGame(parser.value("state"), parser.value("mark-colour").toInt());
        if (!picture.given) {
            std::fprintf(stderr, "render_board: %s is no game picture\n",
                         qPrintable(parser.value("state")));
            return 1;
        }
        const QStringList struck = parser.value("struck-at").split(',');
        if (struck.size() == 3) {
            picture.given->gameOver = true;
            picture.given->struckColumn = static_cast<int16_t>(struck[0].toInt());
            picture.given->struckRow = static_cast<int16_t>(struck[1].toInt());
            picture.given->struckLevel = static_cast<int16_t>(struck[2].toInt());
        }
    }
    if (picture.game.sizeIndex < 0 || picture.game.densityIndex < 0 ||
        picture.game.reachLevel == 0 || picture.window.width() <= 0 ||
        picture.window.height() <= 0 || !(picture.ratio > 0) ||
        parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    return Render(picture, parser.positionalArguments().front()) ? 0 : 1;
}
