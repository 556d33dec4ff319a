// Mixing, naming, storing and deleting the six changeable colours.
#include "colours/changeable_colours.h"

#include "platform/storable_text.h"

#include <algorithm>
#include <cassert>

namespace zendrix {

ChangeableColours::ChangeableColours(ColourModel& model, ColourSelector& selector)
    : model_(model), selector_(selector) {
    for (int slot = 0; slot < kChangeableCount; ++slot)
        caption_[slot] = DefaultChangeableName(slot);
    Scroll(Component::kGreenComponent, position_[Index(Component::kGreenComponent)]);
    Scroll(Component::kBlueComponent, position_[Index(Component::kBlueComponent)]);
    Scroll(Component::kRedComponent, position_[Index(Component::kRedComponent)]);
}

ChangeableColours::~ChangeableColours() {
    assert(!listener_ && "the modify-colours window must be destroyed before its colours");
}

void ChangeableColours::Notify(Change change) {
    if (listener_) listener_(change);
}

void ChangeableColours::Scroll(Component component, int position) {
    const int i = Index(component);
    position_[i] = std::clamp(position, kScrollMinimum, kScrollMaximum);
    work_[i] = kScrollMaximum - position_[i];
    label_[i] = std::to_string(work_[i]) + "  ";
    // Each handler run is shown, as the window's own change events would show it.
    Notify(Change::kColour);
}

void ChangeableColours::OnScroll(Component component, int position) {
    Scroll(component, position);
}

void ChangeableColours::OptionClick(int index) {
    if (index < 0 || index >= kChangeableCount) return;
    changeableSlot_ = index;
    checkedOption_ = index;
    nameText_ = caption_[index];
    // A slot whose colour only came from the data file has not been applied in this run, so the
    // scroll bars stay where they are.
    if (defined_[index]) {
        const int entry = kFirstChangeable + index;
        Scroll(Component::kRedComponent, kScrollMaximum - model_.paletteRed[entry]);
        Scroll(Component::kBlueComponent, kScrollMaximum - model_.paletteBlue[entry]);
        Scroll(Component::kGreenComponent, kScrollMaximum - model_.paletteGreen[entry]);
    }
    Notify(Change::kEverything);
}

void ChangeableColours::Apply(std::string_view name) {
    const int slot = changeableSlot_;
    const int entry = kFirstChangeable + slot;
    nameText_ = SanitiseName(name);
    caption_[slot] = nameText_;
    model_.changeableName[slot] = nameText_;
    model_.paletteRed[entry] = static_cast<int16_t>(work_[0]);
    model_.paletteGreen[entry] = static_cast<int16_t>(work_[1]);
    model_.paletteBlue[entry] = static_cast<int16_t>(work_[2]);
    defined_[slot] = true;
    Notify(Change::kEverything);
    selector_.expandlist();
    selector_.ChangeableColourApplied();
}

void ChangeableColours::Delete() {
    const int slot = changeableSlot_;
    const int entry = kFirstChangeable + slot;
    nameText_ = DefaultChangeableName(slot);
    caption_[slot] = nameText_;
    model_.changeableName[slot] = nameText_;
    model_.paletteRed[entry] = 0;
    model_.paletteGreen[entry] = 0;
    model_.paletteBlue[entry] = 0;
    defined_[slot] = false;
    Notify(Change::kEverything);
    selector_.expandlist();
    selector_.ChangeableColourApplied();
}

void ChangeableColours::SetCaptionsFromNames() {
    for (int slot = 0; slot < kChangeableCount; ++slot)
        caption_[slot] = model_.changeableName[slot];
    Notify(Change::kEverything);
}

}  // namespace zendrix
