// hours:minutes:seconds text for the game clock and the best-scores window.
#include "scores/time_string.h"

#include <cmath>
#include <cstdio>

namespace zendrix {

namespace {

void AppendField(std::string& text, double value) {
    if (value < 10) text += '0';
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", value);
    text += digits;
}

}  // namespace

std::string TimeString(double time) {
    if (!std::isfinite(time) || time < 0) time = 0;
    const double h = std::floor(time / 3600);
    const double m = std::floor((time - 3600 * h) / 60);
    const double s = (time - 3600 * h) - 60 * m;
    std::string text;
    AppendField(text, h);
    text += ':';
    AppendField(text, m);
    text += ':';
    AppendField(text, s);
    return text;
}

}  // namespace zendrix
