// Shared pieces of the data-file tests: a private temporary directory per test, and a table and
// colour model that differ from the defaults everywhere the file can show it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "colours/colour_model.h"
#include "scores/best_scores.h"

namespace zendrix::testing {

class TempDirectory {
  public:
    TempDirectory()
        : path_(std::filesystem::temp_directory_path() /
                ("zendrix-datafile-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The names in the directory, sorted, so that a leftover temporary shows.
inline std::vector<std::string> Entries(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline BestScoreTable BusyTable() {
    BestScoreTable table;
    table.At(1, 1, 1) = {"Ada", 100.0f, 42, true, false, false};
    table.At(1, 1, 2) = {"Smith, John", 45.67f, 3599, false, true, true};
    table.At(2, 3, 5) = {"Zoë Ångström 日本", 0.5f, 0, true, true, false};
    table.At(3, 5, 1) = {"x", -0.01f, 360000, false, false, true};
    return table;
}

inline ColourModel BusyColours() {
    ColourModel colours;
    colours.itemColor = {9, 2, 3, 21, 16, 5, 6, 7, 8, 10, 11, 18, 0, 0};
    for (int slot = 0; slot < kChangeableCount; ++slot) {
        colours.paletteRed[kFirstChangeable + slot] = static_cast<int16_t>(slot * 51);
        colours.paletteGreen[kFirstChangeable + slot] = 256;
        colours.paletteBlue[kFirstChangeable + slot] = static_cast<int16_t>(7 + slot);
        colours.changeableName[slot] = "Mix, no. " + std::to_string(slot);
    }
    return colours;
}

inline void ExpectSameColours(const ColourModel& actual, const ColourModel& expected) {
    EXPECT_EQ(actual.itemColor, expected.itemColor);
    EXPECT_EQ(actual.paletteRed, expected.paletteRed);
    EXPECT_EQ(actual.paletteGreen, expected.paletteGreen);
    EXPECT_EQ(actual.paletteBlue, expected.paletteBlue);
    EXPECT_EQ(actual.changeableName, expected.changeableName);
}

}  // namespace zendrix::testing
