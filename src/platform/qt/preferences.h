// Preferences that are not part of the data file, kept with QSettings in the user's configuration
// directory (~/.config/3dzendrix/3dzendrix.conf on Linux): the data file's lines never change
// shape for them.
#pragma once

namespace zendrix {

// Random minefields that need no guess (the Assistant's check box); off until chosen.
bool ReadNoGuessPreference();
void WriteNoGuessPreference(bool on);

}  // namespace zendrix
