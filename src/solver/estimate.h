// Chances of a mine when a component is too large to count exactly. Only ever shown as an
// estimate.
#pragma once

#include <vector>

#include "solver/position.h"

namespace zendrix {

// settled[i]: square i is known (fixedMine[i] says which way); every other covered square gets an
// estimated chance, never 0 or 1. Uncovered squares get 0.
std::vector<double> EstimateChances(const Position& position, const std::vector<char>& settled,
                                    const std::vector<char>& fixedMine);

}  // namespace zendrix
