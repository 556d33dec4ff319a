// Exact non-negative integers wide enough to count every mine layout of the largest field, so
// chances are ratios of exact counts and certainty is decided by comparing whole numbers.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace zendrix {

class BigUnsigned {
  public:
    // 448 bits. Every count the solver forms counts sets of squares of one field (at most 384
    // squares), so it stays below 2^384; the spare limb is a margin, and an overflow throws
    // rather than wraps.
    static constexpr int kLimbs = 7;

    BigUnsigned() = default;
    BigUnsigned(uint64_t value) : size_(value != 0 ? 1 : 0) { limbs_[0] = value; }  // NOLINT

    bool IsZero() const { return size_ == 0; }

    BigUnsigned& operator+=(const BigUnsigned& other);
    // this += a * m
    void AddScaled(const BigUnsigned& a, uint64_t m);
    // this += a * b
    void AddProduct(const BigUnsigned& a, const BigUnsigned& b);
    BigUnsigned& operator*=(uint64_t m);
    // Exact division by a small number; returns the remainder.
    uint64_t DivideBy(uint64_t d);

    friend BigUnsigned operator+(BigUnsigned a, const BigUnsigned& b) { return a += b; }
    friend BigUnsigned operator*(const BigUnsigned& a, const BigUnsigned& b) {
        BigUnsigned product;
        product.AddProduct(a, b);
        return product;
    }
    friend BigUnsigned operator*(BigUnsigned a, uint64_t m) { return a *= m; }

    friend bool operator==(const BigUnsigned& a, const BigUnsigned& b);
    friend std::strong_ordering operator<=>(const BigUnsigned& a, const BigUnsigned& b);

    // The nearest double (to within a few units in the last place).
    double ToDouble() const;
    std::string ToString() const;

    // C(n, k), 0 outside 0 <= k <= n.
    static BigUnsigned Binomial(int n, int k);

    // Raw limbs, least significant first, for arithmetic on packed arrays of fixed width.
    static BigUnsigned FromLimbs(const uint64_t* limbs, int count);
    // Writes the value into count limbs (zero-filled); the value must fit.
    void ToLimbs(uint64_t* limbs, int count) const;
    // Bits needed to write the value (0 for 0).
    int BitWidth() const;

  private:
    // a / b of two counts, 0 when b is 0.
    friend double Ratio(const BigUnsigned& a, const BigUnsigned& b);

    uint32_t size_ = 0;  // limbs in use; limbs_[size_ - 1] != 0
    uint64_t limbs_[kLimbs] = {};
};

double Ratio(const BigUnsigned& numerator, const BigUnsigned& denominator);

}  // namespace zendrix
