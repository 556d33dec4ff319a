// The colour model: the 22-entry palette, the board item table and its defaults, the changeable
// colour names, and the marker menu's check marks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/basic_types.h"

namespace zendrix {

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGrey{100, 100, 100};
inline constexpr Rgb kSeparatorBlue{50, 50, 255};

inline constexpr int kPaletteSize = 22;
inline constexpr int kFirstChangeable = 16;
inline constexpr int kChangeableCount = 6;
inline constexpr int kItemCount = 14;
inline constexpr int kSavedItemCount = 12;  // items 0..11 go into the data file
inline constexpr int kMarkerMenuCount = 6;  // "&Red" .. "&Violet" = palette entries 4..9

// Board items, by their position in the item list.
enum Item : int {
    kItemMarkers = 0,
    kItemGrid1 = 1,
    kItemGrid2 = 2,
    kItemMinefield = 3,
    kItemOneMine = 4,
    kItemOverSixMines = 10,
    kItemAllNumbers = 11,
    kItemSeparator = 12,
    kItemAllItems = 13,
};

// Names of the fixed palette entries 0..15 as the colour list shows them.
extern const std::array<const char*, kFirstChangeable> kFixedColourNames;
// Texts of the item list, positions 0..13.
extern const std::array<const char*, kItemCount> kItemNames;

// Forms a displayable colour from stored components 0..256: anything above 255 counts as 255.
Rgb FormColour(int red, int green, int blue);

struct ColourModel {
    std::array<int16_t, kPaletteSize> paletteRed{};
    std::array<int16_t, kPaletteSize> paletteGreen{};
    std::array<int16_t, kPaletteSize> paletteBlue{};
    std::array<int16_t, kItemCount> itemColor{};
    std::array<int16_t, kItemCount> defaultItemColor{};
    std::array<std::string, kChangeableCount> changeableName;
    // Check marks of the marker colour menu; none is set until a marker colour operation runs.
    std::array<bool, kMarkerMenuCount> markerChecked{};

    ColourModel() { Initialise(); }

    // Defaults, fixed palette, default item colours and the six black "Changeable n" slots.
    void Initialise();

    Rgb PaletteColour(int index) const;
    Rgb ItemColour(int item) const { return PaletteColour(itemColor[item]); }
    // Colour of the number n (1..26) on an uncovered square: item min(n + 3, 10).
    Rgb NumberColour(int shown) const;
    int MarkerColour() const { return itemColor[kItemMarkers]; }

    // Every operation that changes the marker colour sets the menu's check marks here: one on
    // the entry of this palette index when it is a marker colour (4..9), none otherwise. Clearing
    // only the entry of the colour being replaced would leave a second mark whenever the colour
    // in force is not the checked one, as while the demonstration has its own in force.
    void CheckOnlyMarkerOf(int paletteIndex);

    // The main window's marker command with menu index 0..5. Returns nothing to redraw: only
    // marks placed afterwards take the new colour.
    void SetMarkerColourCommand(int menuIndex);
    // "Use &Default Colors": items 0..11 back to their defaults, "&Red" checked.
    void UseDefaultColours();
};

std::string DefaultChangeableName(int slot);

}  // namespace zendrix
