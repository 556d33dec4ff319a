// The colour selector's procedures: item and colour clicks, Apply, the " (current)" mark, the
// rebuild of the changeable entries, and the main window's two commands that move the mark.
#include "colours/colour_selector.h"

#include <cassert>

namespace zendrix {

namespace {

bool IsPaletteIndex(int index) {
    return index >= 0 && index < kPaletteSize;
}

// True when items first..last all hold their default palette entries.
bool AllDefault(const ColourModel& model, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (model.itemColor[i] != model.defaultItemColor[i]) return false;
    }
    return true;
}

}  // namespace

ColourSelector::ColourSelector(ColourModel& model, ColourHost& host) : model_(model), host_(host) {
    for (int i = 0; i < kFirstChangeable; ++i) entryText_[i] = kFixedColourNames[i];
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        entryText_[kFirstChangeable + slot] = model_.changeableName[slot];
    }
}

ColourSelector::~ColourSelector() {
    assert(!listener_ && "the selector window must be destroyed before the selector");
}

std::string ColourSelector::ColourEntry(int position) const {
    if (!IsPaletteIndex(position)) return {};
    if (markedEntry_ == position) return entryText_[position] + kCurrentMark;
    return entryText_[position];
}

void ColourSelector::Notify() {
    if (listener_) listener_();
}

void ColourSelector::lstbxitems_Click(int position) {
    if (position < 0 || position >= kItemCount) return;
    itemListPosition_ = position;
    if (currentMarkShown_) RemoveMark();
    currentMarkShown_ = true;
    selectedItem_ = position;
    AddMark();
    // "Default" means the item's own default, so the swatch has to follow the new item.
    if (colourListPosition_ == 0) ColourClicked();
    Notify();
}

void ColourSelector::lstbxcolors_Click(int position) {
    if (!IsPaletteIndex(position)) return;
    colourListPosition_ = position;
    ColourClicked();
    Notify();
}

void ColourSelector::ColourClicked() {
    selectedColor_ = colourListPosition_;
    if (selectedColor_ == 0 && currentMarkShown_) {
        selectedColor_ = model_.defaultItemColor[selectedItem_];
    }
    swatch_ = model_.PaletteColour(selectedColor_);
}

void ColourSelector::AddMark() {
    auto& item = model_.itemColor;
    auto mark = [this](int entry) {
        // A value from outside the palette has no entry to carry the mark.
        if (IsPaletteIndex(entry)) markedEntry_ = entry;
    };
    if (selectedItem_ >= 0 && selectedItem_ <= kItemOverSixMines) mark(item[selectedItem_]);
    if (selectedItem_ == kItemAllNumbers) {
        bool allSame = true;
        for (int i = kItemOneMine + 1; i <= kItemOverSixMines; ++i) {
            if (item[i] != item[kItemOneMine]) allSame = false;
        }
        if (allSame) {
            mark(item[kItemOneMine]);
            item[kItemAllNumbers] = item[kItemOneMine];
        }
        if (AllDefault(model_, kItemOneMine, kItemOverSixMines)) {
            mark(0);
            item[kItemAllNumbers] = 0;
        }
    }
    if (selectedItem_ == kItemAllItems && AllDefault(model_, 0, kItemOverSixMines)) {
        mark(0);
        item[kItemAllItems] = 0;
    }
}

void ColourSelector::addstatement() {
    AddMark();
    Notify();
}

void ColourSelector::RemoveMark() {
    // Only one mark is ever shown, so it goes wherever it stands. Looking for it on entry
    // itemColor[selectedItem] alone would leave a stale mark behind whenever itemColor changed
    // without the bracket (the data file, the demonstration).
    markedEntry_.reset();
}

void ColourSelector::removestatement() {
    RemoveMark();
    Notify();
}

void ColourSelector::Apply() {
    if (!currentMarkShown_ || selectedColor_ < 0) return;
    auto& item = model_.itemColor;
    const auto colour = static_cast<int16_t>(selectedColor_);
    const bool defaultChosen = colourListPosition_ == 0;

    host_.MarkBestScoresChanged();
    RemoveMark();
    if (selectedItem_ == kItemMarkers) model_.CheckOnlyMarkerOf(selectedColor_);
    item[selectedItem_] = colour;
    if (selectedItem_ == kItemAllNumbers) {
        for (int i = kItemOneMine; i <= kItemAllNumbers; ++i) {
            item[i] = defaultChosen ? model_.defaultItemColor[i] : colour;
        }
    }
    if (selectedItem_ == kItemAllItems && defaultChosen) {
        for (int i = 0; i < kSavedItemCount; ++i) item[i] = model_.defaultItemColor[i];
        model_.CheckOnlyMarkerOf(item[kItemMarkers]);
    }
    AddMark();
    host_.RestoreMainWindowIfMinimised();
    host_.RedrawBoard();
    host_.FocusSelectorWindow();
    Notify();
    host_.ColoursApplied();
}

void ColourSelector::expandlist() {
    host_.MarkBestScoresChanged();
    const int remembered = colourListPosition_;
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        entryText_[kFirstChangeable + slot] = model_.changeableName[slot];
    }
    // The rebuilt entries come without a mark.
    if (markedEntry_ && *markedEntry_ >= kFirstChangeable) markedEntry_.reset();
    // Selecting a rebuilt entry again acts as a click on it: its colour may have changed.
    if (remembered >= kFirstChangeable) ColourClicked();
    if (selectedItem_ > -1) {
        RemoveMark();
        selectedItem_ = itemListPosition_;
        AddMark();
    }
    host_.FocusMainWindow();
    host_.RedrawBoard();
    host_.FocusModifyWindowIfVisible();
    Notify();
}

void ColourSelector::MarkerColourCommand(int menuIndex) {
    if (menuIndex < 0 || menuIndex >= kMarkerMenuCount) return;
    host_.MarkBestScoresChanged();
    if (currentMarkShown_) RemoveMark();
    model_.SetMarkerColourCommand(menuIndex);
    if (currentMarkShown_) AddMark();
    Notify();
}

void ColourSelector::UseDefaultColours() {
    if (currentMarkShown_) RemoveMark();
    model_.UseDefaultColours();
    AddMark();
    host_.MarkBestScoresChanged();
    host_.RedrawBoard();
    Notify();
}

}  // namespace zendrix
