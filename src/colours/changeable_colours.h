// The modify-colours window's logic: mixing a working colour with three scroll bars and storing it,
// with a name, in one of the six changeable palette slots.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "colours/colour_model.h"
#include "colours/colour_selector.h"

namespace zendrix {

inline constexpr int kScrollMinimum = 0;
inline constexpr int kScrollMaximum = 256;
inline constexpr int kScrollSmallStep = 1;
inline constexpr int kScrollLargeStep = 32;
inline constexpr int kScrollStart = 256;  // the bottom: component 0

enum class Component { kRedComponent, kGreenComponent, kBlueComponent };

class ChangeableColours {
  public:
    // Both must outlive this object. Runs the three scroll handlers once, green, blue, red, so
    // that the value labels and the swatch match the starting positions.
    ChangeableColours(ColourModel& model, ColourSelector& selector);
    // The window that listens must have gone first (checked in debug builds).
    ~ChangeableColours();
    ChangeableColours(const ChangeableColours&) = delete;
    ChangeableColours& operator=(const ChangeableColours&) = delete;

    // What an operation changed of what the window shows. A scroll bar's change touches only the
    // colour: the value labels, the swatch and the sample bar, never the name box or the slot.
    enum class Change { kColour, kEverything };
    // Called after every operation that may have changed what the window shows. One listener:
    // the modify-colours window.
    void SetChangeListener(std::function<void(Change)> listener) {
        listener_ = std::move(listener);
    }

    // A scroll bar moved (by the player or by program) to a position 0..256.
    void OnScroll(Component component, int position);
    // Option button i (0..5) was clicked.
    void OptionClick(int index);
    // The name box's text changed (typed, pasted, or put there by an input method or an
    // assistive technology).
    void SetNameText(std::string text) { nameText_ = std::move(text); }
    // "Apply" with the name box's text: the chosen slot takes the working colour and the name.
    void Apply(std::string_view name);
    // "Delete": the chosen slot goes back to black and "Changeable n".
    void Delete();
    // The option buttons show the model's names; called after each read of the data file.
    void SetCaptionsFromNames();

    int changeableSlot() const { return changeableSlot_; }
    int workRed() const { return work_[0]; }
    int workGreen() const { return work_[1]; }
    int workBlue() const { return work_[2]; }
    bool changeableDefined(int slot) const { return defined_[slot]; }
    int ScrollPosition(Component component) const { return position_[Index(component)]; }
    // "N" followed by two blanks.
    const std::string& ValueLabel(Component component) const { return label_[Index(component)]; }
    const std::string& OptionCaption(int index) const { return caption_[index]; }
    std::optional<int> checkedOption() const { return checkedOption_; }
    const std::string& nameText() const { return nameText_; }
    // Background of the swatch and outline of the sample bar.
    Rgb WorkingColour() const { return FormColour(work_[0], work_[1], work_[2]); }

  private:
    static int Index(Component component) { return static_cast<int>(component); }
    void Scroll(Component component, int position);
    void Notify(Change change);

    ColourModel& model_;
    ColourSelector& selector_;
    std::function<void(Change)> listener_;

    int changeableSlot_ = 0;
    std::array<int, 3> work_{};  // red, green, blue: 256 - scroll position
    std::array<int, 3> position_{kScrollStart, kScrollStart, kScrollStart};
    std::array<std::string, 3> label_;
    // Set by Apply, cleared by Delete; not stored in the data file, so false at every start.
    std::array<bool, kChangeableCount> defined_{};
    std::array<std::string, kChangeableCount> caption_;
    std::optional<int> checkedOption_;
    std::string nameText_;
};

}  // namespace zendrix
