// Small value types every layer shares: a displayable colour and a point in window units. The
// bottom of the core: it includes nothing of the project.
#pragma once

#include <cstdint>

namespace zendrix {

// A colour as it is drawn, each component 0..255.
struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A point in window units (twips).
struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

}  // namespace zendrix
