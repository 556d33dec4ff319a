// Feeds arbitrary bytes to the data-file reader. Beyond not crashing, a rejected text must leave
// the table and colours untouched, and an accepted one (bad lines replaced by their defaults) must
// survive a save and a re-read exactly, as the game does at every exit and start.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scores/data_file.h"

namespace {

using zendrix::BestScoreTable;
using zendrix::ColourModel;

bool SameColours(const ColourModel& a, const ColourModel& b) {
    return a.itemColor == b.itemColor && a.paletteRed == b.paletteRed &&
           a.paletteGreen == b.paletteGreen && a.paletteBlue == b.paletteBlue &&
           a.changeableName == b.changeableName;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "data file invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BestScoreTable emptyTable;
    const ColourModel defaultColours;
    BestScoreTable table;
    ColourModel colours;

    const zendrix::ParseResult result = zendrix::ParseDataFile(text, table, colours);
    if (!result.ok) {
        if (result.line < 1 || result.reason.empty()) Fail("a rejection names no line or reason");
        if (!(table == emptyTable) || !SameColours(colours, defaultColours)) {
            Fail("a rejected file changed the values in memory");
        }
        return 0;
    }
    for (int item = 0; item < zendrix::kSavedItemCount; ++item) {
        if (colours.itemColor[item] < 0 || colours.itemColor[item] >= zendrix::kPaletteSize) {
            Fail("an item colour outside the palette was accepted");
        }
    }

    const std::string saved = zendrix::FormatDataFile(table, colours);
    BestScoreTable reread;
    ColourModel rereadColours;
    const zendrix::ParseResult again = zendrix::ParseDataFile(saved, reread, rereadColours);
    if (!again.ok) Fail("the saved text of an accepted file does not read back");
    if (!again.badLines.empty()) Fail("the saved text of an accepted file has a bad line");
    if (!(reread == table) || !SameColours(rereadColours, colours)) {
        Fail("reading back the saved text gives other values");
    }
    if (zendrix::FormatDataFile(reread, rereadColours) != saved) {
        Fail("saving twice gives different text");
    }
    return 0;
}
