// A portable, repeatable generator for demo minefields and a clock-seeded one for random ones.
#include "platform/random_source.h"

#include <bit>
#include <chrono>

namespace zendrix {

void StandardRandomSource::Reset() {
    engine_.seed(std::mt19937::default_seed);
}

void StandardRandomSource::Mix(uint64_t value) {
    // Combine the current state (through its next output) with the value by a 64-bit mix
    // (splitmix64), then reseed; every step is exact integer arithmetic.
    uint64_t z = (static_cast<uint64_t>(engine_()) << 32) ^ value;
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    engine_.seed(static_cast<std::mt19937::result_type>(z ^ (z >> 32)));
}

void StandardRandomSource::Seed(float number) {
    Mix(std::bit_cast<uint32_t>(number));
}

void StandardRandomSource::SeedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Mix(static_cast<uint64_t>(now) ^ (static_cast<uint64_t>(std::random_device{}()) << 17));
}

float StandardRandomSource::Draw() {
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace zendrix
