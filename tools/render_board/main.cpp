// render_board: draws a repeatable mid-game board (or the three pictures under docs/) into PNG
// files, without a display, through the same painter and canvas as the game window.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

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

// A game from the text picture of game_dump.h, its marks in the palette entry given.
std::optional<zendrix::GameState> ReadGame(const QString& path, int markColour) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::string text = file.readAll().toStdString();
    zendrix::GameState state;
    state.demonstrationMode = false;
    if (!zendrix::LoadPicture(state, text, markColour)) return std::nullopt;
    return state;
}

// An option's value that is not one the tool can use: the message names the option and the value.
[[noreturn]] void Reject(const QString& option, const QString& value, const char* expected) {
    std::fprintf(stderr, "render_board: --%s %s: expected %s\n", qPrintable(option),
                 qPrintable(value), expected);
    std::exit(2);
}

// The option's value as a whole number in [low, high].
long long WholeNumber(const QCommandLineParser& parser, const QString& option, long long low,
                      long long high, const char* expected) {
    const QString value = parser.value(option);
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    if (!ok || number < low || number > high) Reject(option, value, expected);
    return number;
}

// The option's value when it is one of the names or numbers listed: its index among them.
int OneOf(const QCommandLineParser& parser, const QString& option, const QStringList& allowed,
          const char* expected) {
    const int index = static_cast<int>(allowed.indexOf(parser.value(option)));
    if (index < 0) Reject(option, parser.value(option), expected);
    return index;
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

    if (parser.positionalArguments().size() != 1) parser.showHelp(2);
    Picture picture;
    picture.game.sizeIndex =
        OneOf(parser, "size", {"small", "medium", "large"}, "small, medium or large");
    picture.game.densityIndex =
        OneOf(parser, "density", {"2", "4", "8", "16", "32"}, "2, 4, 8, 16 or 32");
    picture.game.reachLevel = 1 + OneOf(parser, "reach", {"6", "18", "26"}, "6, 18 or 26");
    picture.game.seed =
        static_cast<uint32_t>(WholeNumber(parser, "seed", 0, std::numeric_limits<uint32_t>::max(),
                                          "a whole number from 0 to 4294967295"));
    picture.game.struck = parser.isSet("struck");
    const char* pixels = "a whole number of pixels from 1 to 16384";
    picture.window = QSize(static_cast<int>(WholeNumber(parser, "width", 1, 16384, pixels)),
                           static_cast<int>(WholeNumber(parser, "height", 1, 16384, pixels)));
    bool ok = false;
    picture.ratio = parser.value("ratio").toDouble(&ok);
    if (!ok || !(picture.ratio > 0) || picture.ratio > 8) {
        Reject("ratio", parser.value("ratio"), "a number above 0, at most 8");
    }
    picture.boardTop =
        static_cast<int>(WholeNumber(parser, "board-top", 0, 100000, "a whole number of twips"));
    if (parser.isSet("state")) {
        const int markColour = static_cast<int>(
            WholeNumber(parser, "mark-colour", 1, 21, "a palette entry from 1 to 21"));
        picture.given = ReadGame(parser.value("state"), markColour);
        if (!picture.given) {
            std::fprintf(stderr, "render_board: %s is no game picture\n",
                         qPrintable(parser.value("state")));
            return 1;
        }
        if (parser.isSet("struck-at")) {
            const QStringList struck = parser.value("struck-at").split(',');
            zendrix::GameState& game = *picture.given;
            bool whole[3] = {false, false, false};
            const int c = struck.size() == 3 ? struck[0].toInt(&whole[0]) : 0;
            const int r = struck.size() == 3 ? struck[1].toInt(&whole[1]) : 0;
            const int l = struck.size() == 3 ? struck[2].toInt(&whole[2]) : 0;
            if (!whole[0] || !whole[1] || !whole[2] || !game.InField(c, r, l)) {
                Reject("struck-at", parser.value("struck-at"),
                       "column,row,level of a square of the picture");
            }
            game.gameOver = true;
            game.struckColumn = static_cast<int16_t>(c);
            game.struckRow = static_cast<int16_t>(r);
            game.struckLevel = static_cast<int16_t>(l);
        }
    }
    return Render(picture, parser.positionalArguments().front()) ? 0 : 1;
}
