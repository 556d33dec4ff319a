// Shared helpers for the core tests.
#include "game_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game/game_dump.h"

namespace zendrix::testing {

namespace {

uint32_t SoakSeed() {
    if (const char* text = std::getenv("ZENDRIX_SOAK_SEED"))
        return static_cast<uint32_t>(std::strtoul(text, nullptr, 10));
    return std::random_device{}();
}

}  // namespace

SoakRandom::SoakRandom() : seed(SoakSeed()), engine(seed) {}

void StartFixedGame(GameState& state, const char* picture) {
    ASSERT_TRUE(LoadMines(state, picture)) << "picture does not fit a field size";
}

TemporaryDirectory::TemporaryDirectory() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("zendrix-test-" + std::to_string(device()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace zendrix::testing
