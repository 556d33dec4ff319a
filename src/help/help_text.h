// The built-in manual, the About box message and the copyright line shown over the title board,
// plus the sizing rule of the manual's text box; all plain text, so the windows only display it.
#pragma once

#include <optional>
#include <string>

namespace zendrix {

inline constexpr const char* kHelpWindowTitle = "Help ";
inline constexpr const char* kAboutTitle = "About 3D-Zendrix";
// Short enough to fit the 7455-twip label over the title board in bold 10-point type.
inline constexpr const char* kCopyrightNotice =
    "Copyright (c) 2026 The 3D-Zendrix authors. MIT License.";

// The whole manual: lines joined by CR LF, one line per paragraph (the text box wraps them).
std::string HelpDocument();

// programTitle, an empty line, then the legal notice; every notice line ends with CR LF.
std::string AboutMessage(const std::string& programTitle);

// Sizes in twips (1/1440 inch).
struct TwipSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipSize&, const TwipSize&) = default;
};

inline constexpr TwipSize kHelpClientSize{7335, 5460};
inline constexpr TwipSize kHelpTextBoxSize{7335, 5415};

// The text box follows the window's inner size, 15 twips short in each direction; a window
// squeezed to 20 twips or less either way leaves the box as it was (nullopt).
std::optional<TwipSize> HelpTextBoxSizeFor(TwipSize inner);

}  // namespace zendrix
