// The preferences in the user's configuration directory.
#include "platform/qt/preferences.h"

#include <QSettings>

namespace zendrix {
namespace {

constexpr const char* kNoGuessKey = "assistant/noGuessMinefields";

// Written as it changes (QSettings saves when it goes), so a crash loses nothing.
QSettings Settings() {
    return QSettings(QStringLiteral("3dzendrix"), QStringLiteral("3dzendrix"));
}

}  // namespace

bool ReadNoGuessPreference() {
    return Settings().value(kNoGuessKey, false).toBool();
}

void WriteNoGuessPreference(bool on) {
    Settings().setValue(kNoGuessKey, on);
}

}  // namespace zendrix
