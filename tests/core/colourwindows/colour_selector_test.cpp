// The colour selector: what Apply does to the item table and the marker check marks, where the
// " (current)" mark stands, and the main window's two commands that move it.
#include "colours/colour_selector.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "recording_host.h"

namespace zendrix {
namespace {

using testing::RecordingHost;
using Items = std::array<int16_t, kItemCount>;

constexpr Items kDefaults{4, 8, 7, 14, 8, 7, 4, 1, 1, 1, 1, 0, 0, 0};

enum Colour {
    kDefault = 0,
    kBlack = 1,
    kWhite = 3,
    kRed = 4,
    kOrange = 5,
    kYellow = 6,
    kGreen = 7,
    kBlue = 8,
    kViolet = 9,
    kLightOrange = 11,
    kLightBlue = 14,
    kChangeable1 = 16
};

struct Fixture {
    ColourModel model;
    RecordingHost host;
    ColourSelector selector{model, host};

    // Positions of all entries whose text carries the mark.
    std::vector<int> MarkedTexts() const {
        std::vector<int> marked;
        for (int i = 0; i < kColourListSize; ++i) {
            const std::string text = selector.ColourEntry(i);
            if (text.size() >= 10 && text.ends_with(" (current)")) marked.push_back(i);
        }
        return marked;
    }
    void ApplyColour(int item, int colour) {
        selector.lstbxitems_Click(item);
        selector.lstbxcolors_Click(colour);
        selector.Apply();
    }
};

TEST(ColourSelector, ApplyNeedsBothAnItemAndAColour) {
    struct Case {
        const char* name;
        std::optional<int> item;
        std::optional<int> colour;
    };
    const Case cases[] = {
        {"nothing clicked", {}, {}},
        {"only an item", kItemGrid1, {}},
        {"only a colour", {}, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (c.item) f.selector.lstbxitems_Click(*c.item);
        if (c.colour) f.selector.lstbxcolors_Click(*c.colour);
        const std::vector<int> marksBefore = f.MarkedTexts();
        f.selector.Apply();
        EXPECT_EQ(f.model.itemColor, kDefaults);
        EXPECT_EQ(f.model.markerChecked, (std::array<bool, 6>{}));
        EXPECT_TRUE(f.host.calls.empty());
        EXPECT_EQ(f.MarkedTexts(), marksBefore);
    }
}

TEST(ColourSelector, DefaultMeansTheSelectedItemsOwnDefault) {
    Fixture f;
    // With no item chosen yet, "Default" is palette entry 0.
    f.selector.lstbxcolors_Click(kDefault);
    EXPECT_EQ(f.selector.selectedColor(), 0);
    EXPECT_EQ(f.selector.swatchColour(), f.model.PaletteColour(0));

    // Choosing an item afterwards makes the swatch follow that item's default.
    f.selector.lstbxitems_Click(kItemGrid1);
    EXPECT_EQ(f.selector.selectedColor(), kBlue);
    EXPECT_EQ(f.selector.swatchColour(), f.model.PaletteColour(kBlue));
    f.selector.lstbxitems_Click(2);  // Grid 2
    EXPECT_EQ(f.selector.selectedColor(), kGreen);

    // A real colour stays what it is when the item changes.
    f.selector.lstbxcolors_Click(kYellow);
    f.selector.lstbxitems_Click(kItemMinefield);
    EXPECT_EQ(f.selector.selectedColor(), kYellow);
    EXPECT_EQ(f.selector.swatchColour(), f.model.PaletteColour(kYellow));
}

// "14 numbers" -> the item table.
Items Parse(const char* text) {
    Items items{};
    std::istringstream in(text);
    for (auto& item : items) in >> item;
    return items;
}

// Each case starts either from the defaults with "&Red" checked or from a changed board with
// "&Orange" checked, as the marker menu would leave them.
TEST(ColourSelector, ApplyChangesTheItemTable) {
    struct Case {
        const char* name;
        bool fromDefaults;
        int item;
        int colour;
        const char* expected;
        int checkedMenu;  // -1: none
        std::optional<int> mark;
    };
    constexpr const char* kDefaultText = "4 8 7 14 8 7 4 1 1 1 1 0 0 0";
    constexpr const char* kChanged = "5 1 1 3 4 4 4 4 4 4 4 4 0 0";
    // clang-format off
    const Case cases[] = {
        {"Grid 1, Default",        true,  kItemGrid1,      kDefault,     kDefaultText,                  0, kBlue},
        {"Grid 1, Yellow",         true,  kItemGrid1,      kYellow,      "4 6 7 14 8 7 4 1 1 1 1 0 0 0", 0, kYellow},
        {"Markers, Violet",        true,  kItemMarkers,    kViolet,      "9 8 7 14 8 7 4 1 1 1 1 0 0 0", 5, kViolet},
        {"Markers, Changeable 1",  true,  kItemMarkers,    kChangeable1, "16 8 7 14 8 7 4 1 1 1 1 0 0 0", -1, kChangeable1},
        {"All numbers, Green",     false, kItemAllNumbers, kGreen,       "5 1 1 3 7 7 7 7 7 7 7 7 0 0",  1, kGreen},
        {"All numbers, Default",   false, kItemAllNumbers, kDefault,     "5 1 1 3 8 7 4 1 1 1 1 0 0 0",  1, kDefault},
        {"All items, Default",     false, kItemAllItems,   kDefault,     kDefaultText,                  0, kDefault},
        {"All items, Orange",      false, kItemAllItems,   kOrange,      "5 1 1 3 4 4 4 4 4 4 4 4 0 5",  1, std::nullopt},
        // On a default board the group's mark stands on "Default" and the group keeps 0.
        {"All items, on defaults", true,  kItemAllItems,   kOrange,      kDefaultText,                  0, kDefault},
        {"the separator",          false, kItemSeparator,  kOrange,      "5 1 1 3 4 4 4 4 4 4 4 4 5 0",  1, std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.selector.MarkerColourCommand(c.fromDefaults ? 0 : 1);
        if (!c.fromDefaults) f.model.itemColor = Parse(kChanged);
        f.host.calls.clear();

        f.ApplyColour(c.item, c.colour);
        EXPECT_EQ(f.model.itemColor, Parse(c.expected));
        std::array<bool, 6> checked{};
        if (c.checkedMenu >= 0) checked[c.checkedMenu] = true;
        EXPECT_EQ(f.model.markerChecked, checked);
        EXPECT_EQ(f.selector.MarkedEntry(), c.mark);
        EXPECT_EQ(f.MarkedTexts(), c.mark ? std::vector<int>{*c.mark} : std::vector<int>{});
        EXPECT_EQ(f.host.calls,
                  (std::vector<std::string>{"changed", "restore", "redraw", "focus selector"}));
    }
}

TEST(ColourSelector, TheMarkIsAppendedToTheEntrysOwnText) {
    Fixture f;
    f.selector.lstbxitems_Click(kItemMinefield);
    EXPECT_EQ(f.selector.ColourEntry(kLightBlue), "Light Blue (current)");

    f.selector.lstbxcolors_Click(kLightOrange);
    f.selector.Apply();
    EXPECT_EQ(f.selector.ColourEntry(kLightOrange), "Light Orange  (current)");
    EXPECT_EQ(f.selector.ColourEntry(kLightBlue), "Light Blue");

    // Another item moves the mark to its own entry and restores the old text exactly.
    f.selector.lstbxitems_Click(kItemMarkers);
    EXPECT_EQ(f.selector.ColourEntry(kLightOrange), "Light Orange ");
    EXPECT_EQ(f.selector.ColourEntry(kRed), "Red (current)");
    EXPECT_EQ(f.MarkedTexts(), std::vector<int>{kRed});
}

TEST(ColourSelector, MainWindowCommandsKeepExactlyOneMark) {
    Fixture f;
    f.selector.lstbxitems_Click(kItemMarkers);
    f.selector.MarkerColourCommand(2);
    EXPECT_EQ(f.model.MarkerColour(), kYellow);
    EXPECT_EQ(f.MarkedTexts(), std::vector<int>{kYellow});
    EXPECT_EQ(f.selector.ColourEntry(kRed), "Red");
    EXPECT_EQ(f.model.markerChecked,
              (std::array<bool, 6>{false, false, true, false, false, false}));
    // No redraw: only marks placed afterwards take the new colour.
    EXPECT_EQ(f.host.calls, std::vector<std::string>{"changed"});

    f.ApplyColour(kItemGrid1, kWhite);
    f.host.calls.clear();
    f.selector.UseDefaultColours();
    EXPECT_EQ(f.model.itemColor, kDefaults);
    EXPECT_EQ(f.MarkedTexts(), std::vector<int>{kBlue});
    EXPECT_EQ(f.model.markerChecked,
              (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"changed", "redraw"}));
}

TEST(ColourSelector, ExpandListShowsNewNamesAndRestoresTheMark) {
    Fixture f;
    f.ApplyColour(kItemGrid2, kChangeable1 + 1);  // Grid 2 uses "Changeable 2"
    f.model.changeableName[1] = "Sea";
    f.model.paletteBlue[17] = 256;
    f.host.calls.clear();

    f.selector.expandlist();
    EXPECT_EQ(f.selector.ColourEntry(17), "Sea (current)");
    EXPECT_EQ(f.MarkedTexts(), std::vector<int>{17});
    // The selected changeable entry is selected again, so the swatch shows its new colour.
    EXPECT_EQ(f.selector.swatchColour(), (Rgb{0, 0, 255}));
    EXPECT_EQ(f.host.calls,
              (std::vector<std::string>{"changed", "focus main", "redraw", "focus modify"}));
}

// Looking for the mark in the entry's text would take a name ending in "(current)" for it and cut
// the name short (or fail on one shorter than the mark), and would leave a second mark behind
// when itemColor changed without the remove/add bracket.
TEST(ColourSelector, TheMarkIsNeverConfusedWithANameOrLeftBehind) {
    Fixture f;
    f.model.changeableName[0] = "(current)";
    f.selector.expandlist();
    f.selector.lstbxitems_Click(kItemGrid1);
    EXPECT_EQ(f.selector.ColourEntry(kChangeable1), "(current)");
    f.ApplyColour(kItemGrid1, kChangeable1);
    EXPECT_EQ(f.selector.ColourEntry(kChangeable1), "(current) (current)");
    f.selector.lstbxitems_Click(kItemMarkers);
    EXPECT_EQ(f.selector.ColourEntry(kChangeable1), "(current)");

    // The data file replaces the marker colour behind the selector's back, then asks for a
    // rebuild.
    f.model.itemColor[kItemMarkers] = kOrange;
    f.selector.expandlist();
    EXPECT_EQ(f.selector.MarkedEntry(), kOrange);
    EXPECT_EQ(f.selector.ColourEntry(kRed), "Red");
}

TEST(ColourSelector, OutOfRangeClicksAreIgnored) {
    Fixture f;
    for (int position : {-1, kItemCount}) f.selector.lstbxitems_Click(position);
    for (int position : {-1, kColourListSize}) f.selector.lstbxcolors_Click(position);
    for (int index : {-1, 6}) f.selector.MarkerColourCommand(index);
    EXPECT_FALSE(f.selector.currentMarkShown());
    EXPECT_EQ(f.selector.selectedColor(), -1);
    EXPECT_EQ(f.model.itemColor, kDefaults);
}

}  // namespace
}  // namespace zendrix
