// The modify-colours logic: scroll positions to working colour and labels, choosing a slot, and
// Apply / Delete reaching the palette, the names and the selector's colour list.
#include "colours/changeable_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_host.h"

namespace zendrix {
namespace {

using testing::RecordingHost;
constexpr Component kR = Component::kRedComponent;
constexpr Component kG = Component::kGreenComponent;
constexpr Component kB = Component::kBlueComponent;

struct Fixture {
    ColourModel model;
    RecordingHost host;
    ColourSelector selector{model, host};
    ChangeableColours colours{model, selector};

    void SetWork(int red, int green, int blue) {
        colours.OnScroll(kR, 256 - red);
        colours.OnScroll(kG, 256 - green);
        colours.OnScroll(kB, 256 - blue);
    }
    Rgb Palette(int slot) const { return model.PaletteColour(kFirstChangeable + slot); }
};

TEST(ChangeableColours, ScrollPositionGivesTheComponent) {
    struct Case {
        int position;
        int value;
        const char* label;
        uint8_t shown;
    };
    const Case cases[] = {
        {256, 0, "0  ", 0},      {255, 1, "1  ", 1},     {100, 156, "156  ", 156},
        {1, 255, "255  ", 255},  {0, 256, "256  ", 255},  // the top: 256, drawn as 255
        {-5, 256, "256  ", 255}, {300, 0, "0  ", 0},      // out of range: held at the ends
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Fixture f;
        // The handlers ran once at creation, so the labels match the bars from the start.
        EXPECT_EQ(f.colours.ValueLabel(kR), "0  ");
        EXPECT_EQ(f.colours.ValueLabel(kG), "0  ");
        EXPECT_EQ(f.colours.ValueLabel(kB), "0  ");
        f.colours.OnScroll(kG, c.position);
        EXPECT_EQ(f.colours.workGreen(), c.value);
        EXPECT_EQ(f.colours.ValueLabel(kG), c.label);
        EXPECT_EQ(f.colours.WorkingColour(), (Rgb{0, c.shown, 0}));
        EXPECT_EQ(f.colours.workRed(), 0);
        EXPECT_EQ(f.colours.workBlue(), 0);
    }
}

TEST(ChangeableColours, ApplyStoresTheColourAndTheName) {
    Fixture f;
    f.selector.lstbxitems_Click(kItemGrid2);
    f.selector.lstbxcolors_Click(17);
    f.selector.Apply();  // Grid 2 now uses "Changeable 2"
    f.host.calls.clear();

    f.colours.OptionClick(1);
    EXPECT_EQ(f.colours.nameText(), "Changeable 2");
    f.SetWork(256, 100, 0);
    f.colours.Apply("Sunset");

    EXPECT_EQ(f.model.paletteRed[17], 256);
    EXPECT_EQ(f.model.paletteGreen[17], 100);
    EXPECT_EQ(f.model.paletteBlue[17], 0);
    EXPECT_EQ(f.model.ItemColour(kItemGrid2), (Rgb{255, 100, 0}));
    EXPECT_EQ(f.model.changeableName[1], "Sunset");
    EXPECT_EQ(f.colours.OptionCaption(1), "Sunset");
    EXPECT_TRUE(f.colours.changeableDefined(1));
    EXPECT_EQ(f.selector.ColourEntry(17), "Sunset (current)");
    EXPECT_EQ(f.selector.swatchColour(), (Rgb{255, 100, 0}));
    EXPECT_EQ(f.host.calls,
              (std::vector<std::string>{"changed", "focus main", "redraw", "focus modify"}));

    // Delete: black again, the slot's own name back, the scroll bars untouched.
    f.colours.Delete();
    EXPECT_EQ(f.Palette(1), (Rgb{0, 0, 0}));
    EXPECT_EQ(f.model.ItemColour(kItemGrid2), (Rgb{0, 0, 0}));
    EXPECT_EQ(f.model.changeableName[1], "Changeable 2");
    EXPECT_EQ(f.colours.OptionCaption(1), "Changeable 2");
    EXPECT_EQ(f.colours.nameText(), "Changeable 2");
    EXPECT_EQ(f.selector.ColourEntry(17), "Changeable 2 (current)");
    EXPECT_FALSE(f.colours.changeableDefined(1));
    EXPECT_EQ(f.colours.WorkingColour(), (Rgb{255, 100, 0}));
}

TEST(ChangeableColours, ApplyWithoutChoosingASlotUsesSlotZeroAndTheEmptyName) {
    Fixture f;
    f.colours.Apply(f.colours.nameText());
    EXPECT_EQ(f.model.changeableName[0], "");
    EXPECT_EQ(f.Palette(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(f.selector.ColourEntry(16), "");
    EXPECT_EQ(f.selector.ColourEntry(17), "Changeable 2");
    EXPECT_TRUE(f.colours.changeableDefined(0));
}

TEST(ChangeableColours, ChoosingADefinedSlotSetsTheBarsRedBlueGreen) {
    Fixture f;
    f.colours.OptionClick(2);
    f.SetWork(10, 20, 30);
    f.colours.Apply("Mud");
    f.SetWork(200, 210, 220);

    // Every handler run is reported; the swatch goes through the red-then-blue states.
    std::vector<Rgb> seen;
    f.colours.SetChangeListener(
        [&](ChangeableColours::Change) { seen.push_back(f.colours.WorkingColour()); });
    f.colours.OptionClick(2);
    const std::vector<Rgb> expected{{10, 210, 220}, {10, 210, 30}, {10, 20, 30}, {10, 20, 30}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(f.colours.ScrollPosition(kR), 246);
    EXPECT_EQ(f.colours.ValueLabel(kB), "30  ");
    EXPECT_EQ(f.colours.nameText(), "Mud");
    EXPECT_EQ(f.colours.checkedOption(), 2);
    f.colours.SetChangeListener(nullptr);  // a listener must not outlive what it listens to
}

TEST(ChangeableColours, ChoosingASlotNotAppliedInThisRunKeepsTheBars) {
    Fixture f;
    // As after reading the data file: a colour and a name, but not applied since the start.
    f.model.paletteRed[19] = 77;
    f.model.changeableName[3] = "Stored";
    f.colours.SetCaptionsFromNames();
    f.SetWork(1, 2, 3);

    f.colours.OptionClick(3);
    EXPECT_EQ(f.colours.nameText(), "Stored");
    EXPECT_EQ(f.colours.WorkingColour(), (Rgb{1, 2, 3}));
    EXPECT_EQ(f.colours.changeableSlot(), 3);
}

TEST(ChangeableColours, NamesAreStoredAsTheDataFileCanCarryThem) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"say \"hi\"", "say 'hi'"},
        {"two\r\nlines", "two  lines"},
        {"a,b ", "a,b "},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Fixture f;
        f.colours.OptionClick(4);
        f.colours.Apply(c.typed);
        EXPECT_EQ(f.model.changeableName[4], c.stored);
        EXPECT_EQ(f.colours.OptionCaption(4), c.stored);
        EXPECT_EQ(f.selector.ColourEntry(20), c.stored);
    }
}

}  // namespace
}  // namespace zendrix
