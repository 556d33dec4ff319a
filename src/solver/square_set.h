// A set of squares of one field as a bit set, for the solver's set arithmetic on neighbourhoods.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace zendrix {

class SquareSet {
  public:
    static constexpr int kWords = 6;  // 384 squares

    void Insert(int i) { words_[i >> 6] |= uint64_t{1} << (i & 63); }
    void Erase(int i) { words_[i >> 6] &= ~(uint64_t{1} << (i & 63)); }
    bool Contains(int i) const { return (words_[i >> 6] >> (i & 63)) & 1; }
    int Count() const {
        int n = 0;
        for (uint64_t w : words_) n += std::popcount(w);
        return n;
    }
    bool Empty() const {
        for (uint64_t w : words_)
            if (w != 0) return false;
        return true;
    }
    bool Intersects(const SquareSet& other) const {
        for (int k = 0; k < kWords; ++k)
            if ((words_[k] & other.words_[k]) != 0) return true;
        return false;
    }
    int CountCommon(const SquareSet& other) const {
        int n = 0;
        for (int k = 0; k < kWords; ++k) n += std::popcount(words_[k] & other.words_[k]);
        return n;
    }
    friend SquareSet operator&(SquareSet a, const SquareSet& b) {
        for (int k = 0; k < kWords; ++k) a.words_[k] &= b.words_[k];
        return a;
    }
    friend SquareSet operator|(SquareSet a, const SquareSet& b) {
        for (int k = 0; k < kWords; ++k) a.words_[k] |= b.words_[k];
        return a;
    }
    // The squares of a that are not in b.
    friend SquareSet Without(SquareSet a, const SquareSet& b) {
        for (int k = 0; k < kWords; ++k) a.words_[k] &= ~b.words_[k];
        return a;
    }
    friend bool operator==(const SquareSet&, const SquareSet&) = default;

    template <class F>
    void ForEach(F&& f) const {
        for (int k = 0; k < kWords; ++k) {
            for (uint64_t w = words_[k]; w != 0; w &= w - 1) f(64 * k + std::countr_zero(w));
        }
    }

  private:
    std::array<uint64_t, kWords> words_{};
};

}  // namespace zendrix
