// A ColourHost that records, in order, what the colour windows asked the rest of the program to do.
#pragma once

#include <string>
#include <vector>

#include "colours/colour_selector.h"

namespace zendrix::testing {

class RecordingHost : public ColourHost {
  public:
    void MarkBestScoresChanged() override { calls.push_back("changed"); }
    void RedrawBoard() override { calls.push_back("redraw"); }
    void RestoreMainWindowIfMinimised() override { calls.push_back("restore"); }
    void FocusMainWindow() override { calls.push_back("focus main"); }
    void FocusModifyWindowIfVisible() override { calls.push_back("focus modify"); }
    void FocusSelectorWindow() override { calls.push_back("focus selector"); }

    std::vector<std::string> calls;
};

}  // namespace zendrix::testing
