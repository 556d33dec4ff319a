// The palette and board item table, with the main window's marker and default-colour commands.
#include "colours/colour_model.h"

#include <algorithm>

namespace zendrix {

const std::array<const char*, kFirstChangeable> kFixedColourNames{
    "Default",      "Black",       "Grey",       "White",       "Red",       "Orange",
    "Yellow",       "Green",       "Blue",       "Violet",      "Light Red", "Light Orange ",
    "Light Yellow", "Light Green", "Light Blue", "Light Violet"};

const std::array<const char*, kItemCount> kItemNames{
    "Markers", "Grid 1",  "Grid 2",  "Minefield",    "1 Mine",      "2 Mines",     "3 Mines",
    "4 Mines", "5 Mines", "6 Mines", "Over 6 mines", "All numbers", " ----------", "All items"};

namespace {

struct FixedColour {
    int16_t red, green, blue;
};
constexpr std::array<FixedColour, kFirstChangeable> kFixedPalette{{
    {192, 192, 192},
    {0, 0, 0},
    {150, 150, 150},
    {256, 256, 256},
    {200, 0, 0},
    {256, 150, 0},
    {256, 256, 0},
    {0, 175, 50},
    {50, 0, 200},
    {220, 100, 220},
    {256, 150, 150},
    {256, 200, 100},
    {256, 256, 150},
    {150, 256, 150},
    {200, 200, 256},
    {256, 200, 256},
}};
constexpr std::array<int16_t, kItemCount> kDefaultItemColor{4, 8, 7, 14, 8, 7, 4,
                                                            1, 1, 1, 1,  0, 0, 0};

uint8_t Clamp(int component) {
    return static_cast<uint8_t>(std::clamp(component, 0, 255));
}

}  // namespace

Rgb FormColour(int red, int green, int blue) {
    return {Clamp(red), Clamp(green), Clamp(blue)};
}

std::string DefaultChangeableName(int slot) {
    return "Changeable " + std::to_string(slot + 1);
}

void ColourModel::Initialise() {
    defaultItemColor = kDefaultItemColor;
    for (int i = 0; i < kFirstChangeable; ++i) {
        paletteRed[i] = kFixedPalette[i].red;
        paletteGreen[i] = kFixedPalette[i].green;
        paletteBlue[i] = kFixedPalette[i].blue;
    }
    for (int i = 0; i < kItemCount; ++i) itemColor[i] = i <= 10 ? defaultItemColor[i] : int16_t{0};
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        changeableName[slot] = DefaultChangeableName(slot);
        paletteRed[kFirstChangeable + slot] = 0;
        paletteGreen[kFirstChangeable + slot] = 0;
        paletteBlue[kFirstChangeable + slot] = 0;
    }
    markerChecked.fill(false);
}

Rgb ColourModel::PaletteColour(int index) const {
    if (index < 0 || index >= kPaletteSize)
        return kBlack;  // never stored; see the data file reader
    return FormColour(paletteRed[index], paletteGreen[index], paletteBlue[index]);
}

Rgb ColourModel::NumberColour(int shown) const {
    return ItemColour(std::min(shown + 3, static_cast<int>(kItemOverSixMines)));
}

void ColourModel::CheckOnlyMarkerOf(int paletteIndex) {
    markerChecked.fill(false);
    if (paletteIndex >= 4 && paletteIndex <= 9) markerChecked[paletteIndex - 4] = true;
}

void ColourModel::SetMarkerColourCommand(int menuIndex) {
    itemColor[kItemMarkers] = static_cast<int16_t>(menuIndex + 4);
    CheckOnlyMarkerOf(itemColor[kItemMarkers]);
}

void ColourModel::UseDefaultColours() {
    for (int i = 0; i < kSavedItemCount; ++i) itemColor[i] = defaultItemColor[i];
    CheckOnlyMarkerOf(itemColor[kItemMarkers]);
}

}  // namespace zendrix
