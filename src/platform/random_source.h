// The pseudo-random generator behind mine placement, behind an interface so tests can inject one.
#pragma once

#include <cstdint>
#include <random>

namespace zendrix {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Back to the one fixed initial state.
    virtual void Reset() = 0;
    // Next state from the current state and the number; deterministic on every run and platform.
    virtual void Seed(float number) = 0;
    // Next state from the system clock, so that successive random minefields differ.
    virtual void SeedFromClock() = 0;
    // The next number u of the sequence, 0 <= u < 1.
    virtual float Draw() = 0;
};

// A Mersenne Twister with a fully specified draw: the top 24 bits of a 32-bit output scaled by
// 2^-24, so the same seed gives the same minefield with any standard library.
class StandardRandomSource : public RandomSource {
  public:
    void Reset() override;
    void Seed(float number) override;
    void SeedFromClock() override;
    float Draw() override;

  private:
    void Mix(uint64_t value);
    std::mt19937 engine_;
};

}  // namespace zendrix
