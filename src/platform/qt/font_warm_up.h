// Loading the system's font configuration takes a few milliseconds of parsing at the first use
// of a font. Nothing in the application's construction needs it, so it can be loaded on a second
// thread meanwhile.
#pragma once

#include <thread>

namespace zendrix {

class FontConfigurationWarmUp {
  public:
    // Starts loading; construct it before the QApplication.
    FontConfigurationWarmUp();
    // Waits for the loading to end; call it before the first window is built.
    void Wait();
    ~FontConfigurationWarmUp();

    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

  private:
    std::thread thread_;
};

}  // namespace zendrix
