#include "platform/qt/font_warm_up.h"

#include <system_error>

#ifdef ZENDRIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace zendrix {

FontConfigurationWarmUp::FontConfigurationWarmUp() {
#ifdef ZENDRIX_HAVE_FONTCONFIG
    // The library is thread-safe and keeps the configuration it loads for the whole process;
    // Qt's font database finds it loaded when it first asks for it. Should the thread not start,
    // Qt loads it itself.
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
#endif
}

void FontConfigurationWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    Wait();
}

}  // namespace zendrix
