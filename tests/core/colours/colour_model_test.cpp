// The colour model: palette formation, defaults and the main window's marker and default commands.
#include <gtest/gtest.h>

#include "colours/colour_model.h"

namespace zendrix {
namespace {

TEST(Palette, ComponentsOf256DisplayAs255AndDefaultsAreSet) {
    ColourModel model;
    EXPECT_EQ(model.PaletteColour(3), (Rgb{255, 255, 255}));
    EXPECT_EQ(model.PaletteColour(14), (Rgb{200, 200, 255}));
    EXPECT_EQ(model.PaletteColour(16), kBlack);
    EXPECT_EQ(model.changeableName[5], "Changeable 6");
    const int16_t defaults[] = {4, 8, 7, 14, 8, 7, 4, 1, 1, 1, 1, 0, 0, 0};
    for (int i = 0; i < kItemCount; ++i) EXPECT_EQ(model.itemColor[i], defaults[i]);
    for (bool checked : model.markerChecked) EXPECT_FALSE(checked);
}

TEST(Palette, NumberColoursFollowTheirItems) {
    ColourModel model;
    const struct {
        int shown;
        int item;
    } cases[] = {{1, 4}, {2, 5}, {3, 6}, {6, 9}, {7, 10}, {16, 10}, {0, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(model.NumberColour(c.shown), model.ItemColour(c.item)) << c.shown;
    }
}

TEST(MarkerCommand, ChecksItsEntryAndNoOther) {
    ColourModel model;
    model.SetMarkerColourCommand(2);
    EXPECT_EQ(model.MarkerColour(), 6);
    EXPECT_EQ(model.markerChecked, (std::array<bool, 6>{false, false, true, false, false, false}));

    // A colour in force that is not the checked one (a changeable colour, or the
    // demonstration's own): the old check mark goes all the same.
    model.itemColor[0] = 16;
    model.SetMarkerColourCommand(0);
    EXPECT_EQ(model.markerChecked, (std::array<bool, 6>{true, false, false, false, false, false}));
}

TEST(DefaultColours, RestoreItemsZeroToElevenOnly) {
    ColourModel model;
    model.SetMarkerColourCommand(5);
    for (int i = 1; i <= 13; ++i) model.itemColor[i] = 17;
    model.paletteRed[17] = 123;
    model.changeableName[1] = "Mine";
    model.UseDefaultColours();
    for (int i = 0; i <= 11; ++i) EXPECT_EQ(model.itemColor[i], model.defaultItemColor[i]);
    EXPECT_EQ(model.itemColor[12], 17);
    EXPECT_EQ(model.itemColor[13], 17);
    EXPECT_EQ(model.paletteRed[17], 123);
    EXPECT_EQ(model.changeableName[1], "Mine");
    EXPECT_EQ(model.markerChecked, (std::array<bool, 6>{true, false, false, false, false, false}));
}

}  // namespace
}  // namespace zendrix
