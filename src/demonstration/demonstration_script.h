// The demonstration's fixed minefield and the captions of its numbered steps.
#pragma once

#include <array>
#include <string>

#include "game/minefield.h"

namespace zendrix {

inline constexpr int kFinalDemonstrationStep = 13;
inline constexpr int kStopDemonstration = 99;

// The four mines of the demonstration's Small field at 4 %.
inline constexpr std::array<Square, 4> kDemonstrationMines{
    {{2, 2, 2}, {7, 2, 2}, {7, 4, 3}, {6, 4, 1}}};

// The caption of step n (0..12); empty for a step that leaves the caption as it is.
std::string DemonstrationCaption(int step);

inline constexpr const char* kFreezeCaption = "Freeze";
inline constexpr const char* kContinueCaption = "Continue";

}  // namespace zendrix
