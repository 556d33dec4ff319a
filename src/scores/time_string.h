// Whole seconds as hours:minutes:seconds, at least two digits a field.
#pragma once

#include <string>

namespace zendrix {

std::string TimeString(double time);

}  // namespace zendrix
