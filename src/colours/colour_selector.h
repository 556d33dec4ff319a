// The colour selector's state and procedures: which item and colour the player picked, the colour
// list's texts with their one " (current)" mark, and applying the choice to the colour model.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "colours/colour_model.h"

namespace zendrix {

// What the selector needs from the rest of the program; the main window implements it.
struct ColourHost {
    virtual ~ColourHost() = default;
    virtual void MarkBestScoresChanged() = 0;  // the data file must be written at the end
    // form_resize: redraw the whole board. The main window also re-syncs its marker menu check
    // marks from ColourModel::markerChecked here.
    virtual void RedrawBoard() = 0;
    virtual void RestoreMainWindowIfMinimised() = 0;
    virtual void FocusMainWindow() = 0;
    virtual void FocusModifyWindowIfVisible() = 0;
    virtual void FocusSelectorWindow() = 0;
    // The player applied a colour choice (Apply in either colour window): worth saving at once.
    virtual void ColoursApplied() {}
};

inline constexpr int kColourListSize = kPaletteSize;  // one entry per palette index
inline constexpr const char* kCurrentMark = " (current)";

class ColourSelector {
  public:
    // Both must outlive the selector. The colour list starts with the fixed names and the
    // model's changeable names.
    ColourSelector(ColourModel& model, ColourHost& host);
    // The window that listens must have gone first: it would otherwise call a selector that is
    // gone (checked in debug builds).
    ~ColourSelector();
    ColourSelector(const ColourSelector&) = delete;
    ColourSelector& operator=(const ColourSelector&) = delete;

    // Called after every operation that may have changed what the window shows (entry texts,
    // selected positions, swatch). One listener: the selector window.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // The player clicked the item list / the colour list at a position.
    void lstbxitems_Click(int position);
    void lstbxcolors_Click(int position);
    // The "Apply" button.
    void Apply();

    // Put the " (current)" mark on the entry the selected item uses, and take it away again.
    // Every change to itemColor is bracketed by removestatement before and addstatement after.
    void addstatement();
    void removestatement();

    // Rebuilds the six changeable entries from the model's names, re-marks and redraws the board;
    // called after each read of the data file and after the modify window's Apply and Delete.
    void expandlist();
    // The modify-colours window's Apply or Delete has gone through expandlist: tells the host.
    void ChangeableColourApplied() { host_.ColoursApplied(); }

    // The main window's marker colour command, menu index 0..5. No redraw: only marks placed
    // afterwards take the new colour. The caller re-syncs its menu from markerChecked.
    void MarkerColourCommand(int menuIndex);
    // The main window's "Use &Default Colors" command.
    void UseDefaultColours();

    // What the window shows.
    int selectedItem() const { return selectedItem_; }
    int selectedColor() const { return selectedColor_; }
    bool currentMarkShown() const { return currentMarkShown_; }
    // Text of colour-list entry 0..21, with " (current)" appended where the mark stands.
    std::string ColourEntry(int position) const;
    // Position of the entry carrying " (current)", if any.
    std::optional<int> MarkedEntry() const { return markedEntry_; }
    int colourListPosition() const { return colourListPosition_; }  // -1: nothing selected
    int itemListPosition() const { return itemListPosition_; }      // -1: nothing selected
    // Background of ExampleColor; empty until a colour is clicked.
    std::optional<Rgb> swatchColour() const { return swatch_; }

    const ColourModel& model() const { return model_; }

  private:
    void AddMark();
    void RemoveMark();
    void ColourClicked();
    void Notify();

    ColourModel& model_;
    ColourHost& host_;
    std::function<void()> listener_;

    int selectedItem_ = -1;
    int selectedColor_ = -1;
    bool currentMarkShown_ = false;
    int colourListPosition_ = -1;
    int itemListPosition_ = -1;
    // Entry texts without the mark. The mark is kept apart rather than in the text so that a
    // changeable colour named e.g. "(current)" is neither cut short nor mistaken for the mark.
    std::array<std::string, kColourListSize> entryText_;
    std::optional<int> markedEntry_;
    std::optional<Rgb> swatch_;
};

}  // namespace zendrix
