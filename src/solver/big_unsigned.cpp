// Schoolbook arithmetic on at most seven 64-bit limbs; most counts use one or two.
#include "solver/big_unsigned.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace zendrix {

namespace {

__extension__ typedef unsigned __int128 Wide;

[[noreturn]] void Overflow() {
    throw std::overflow_error("layout count beyond the solver's integer width");
}

}  // namespace

BigUnsigned& BigUnsigned::operator+=(const BigUnsigned& other) {
    const uint32_t n = std::max(size_, other.size_);
    uint64_t carry = 0;
    for (uint32_t i = 0; i < n; ++i) {
        const uint64_t a = i < size_ ? limbs_[i] : 0;
        const uint64_t b = i < other.size_ ? other.limbs_[i] : 0;
        const Wide sum = Wide{a} + b + carry;
        limbs_[i] = static_cast<uint64_t>(sum);
        carry = static_cast<uint64_t>(sum >> 64);
    }
    size_ = n;
    if (carry != 0) {
        if (n == kLimbs) Overflow();
        limbs_[size_++] = carry;
    }
    return *this;
}

void BigUnsigned::AddScaled(const BigUnsigned& a, uint64_t m) {
    if (a.size_ == 0 || m == 0) return;
    for (uint32_t i = size_; i < a.size_; ++i) limbs_[i] = 0;
    if (size_ < a.size_) size_ = a.size_;
    uint64_t carry = 0;
    uint32_t i = 0;
    for (; i < a.size_; ++i) {
        const Wide t = Wide{a.limbs_[i]} * m + limbs_[i] + carry;
        limbs_[i] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    for (; carry != 0; ++i) {
        if (i == kLimbs) Overflow();
        if (i == size_) {
            limbs_[size_++] = carry;
            break;
        }
        const Wide t = Wide{limbs_[i]} + carry;
        limbs_[i] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
}

void BigUnsigned::AddProduct(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.size_ == 0 || b.size_ == 0) return;
    // The product has a.size_ + b.size_ limbs, or one fewer.
    const uint32_t top = a.size_ + b.size_;
    if (top - 1 > static_cast<uint32_t>(kLimbs)) Overflow();
    for (uint32_t i = size_; i < kLimbs; ++i) limbs_[i] = 0;
    for (uint32_t i = 0; i < a.size_; ++i) {
        uint64_t carry = 0;
        uint32_t k = i;
        for (uint32_t j = 0; j < b.size_; ++j, ++k) {
            const Wide t = Wide{a.limbs_[i]} * b.limbs_[j] + limbs_[k] + carry;
            limbs_[k] = static_cast<uint64_t>(t);
            carry = static_cast<uint64_t>(t >> 64);
        }
        for (; carry != 0; ++k) {
            if (k >= static_cast<uint32_t>(kLimbs)) Overflow();
            const Wide t = Wide{limbs_[k]} + carry;
            limbs_[k] = static_cast<uint64_t>(t);
            carry = static_cast<uint64_t>(t >> 64);
        }
    }
    size_ = kLimbs;
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

BigUnsigned& BigUnsigned::operator*=(uint64_t m) {
    if (m == 0) {
        size_ = 0;
        return *this;
    }
    uint64_t carry = 0;
    for (uint32_t i = 0; i < size_; ++i) {
        const Wide t = Wide{limbs_[i]} * m + carry;
        limbs_[i] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    if (carry != 0) {
        if (size_ == kLimbs) Overflow();
        limbs_[size_++] = carry;
    }
    return *this;
}

uint64_t BigUnsigned::DivideBy(uint64_t d) {
    Wide remainder = 0;
    for (uint32_t i = size_; i-- > 0;) {
        const Wide current = (remainder << 64) | limbs_[i];
        limbs_[i] = static_cast<uint64_t>(current / d);
        remainder = current % d;
    }
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    return static_cast<uint64_t>(remainder);
}

bool operator==(const BigUnsigned& a, const BigUnsigned& b) {
    return a.size_ == b.size_ && std::equal(a.limbs_, a.limbs_ + a.size_, b.limbs_);
}

std::strong_ordering operator<=>(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.size_ != b.size_) return a.size_ <=> b.size_;
    for (uint32_t i = a.size_; i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
    }
    return std::strong_ordering::equal;
}

double BigUnsigned::ToDouble() const {
    double value = 0;
    // The top three limbs carry far more than a double's 53 bits.
    for (uint32_t i = size_; i-- > 0 && i + 3 >= size_;) {
        value += std::ldexp(static_cast<double>(limbs_[i]), static_cast<int>(64 * i));
    }
    return value;
}

double Ratio(const BigUnsigned& numerator, const BigUnsigned& denominator) {
    if (denominator.IsZero()) return 0;
    // Scale both by the same power of two so that neither leaves the range of a double.
    const int shift = 64 * (static_cast<int>(denominator.size_) - 2);
    auto scaled = [shift](const BigUnsigned& x) {
        double value = 0;
        for (uint32_t i = 0; i < x.size_; ++i) {
            value += std::ldexp(static_cast<double>(x.limbs_[i]), static_cast<int>(64 * i) - shift);
        }
        return value;
    };
    return scaled(numerator) / scaled(denominator);
}

std::string BigUnsigned::ToString() const {
    if (size_ == 0) return "0";
    BigUnsigned rest = *this;
    std::string digits;
    while (!rest.IsZero()) digits.push_back(static_cast<char>('0' + rest.DivideBy(10)));
    return {digits.rbegin(), digits.rend()};
}

BigUnsigned BigUnsigned::Binomial(int n, int k) {
    if (k < 0 || k > n) return {};
    k = std::min(k, n - k);
    BigUnsigned value(1);
    for (int i = 1; i <= k; ++i) {
        value *= static_cast<uint64_t>(n - k + i);
        value.DivideBy(static_cast<uint64_t>(i));
    }
    return value;
}

BigUnsigned BigUnsigned::FromLimbs(const uint64_t* limbs, int count) {
    BigUnsigned value;
    int size = count;
    while (size > 0 && limbs[size - 1] == 0) --size;
    if (size > kLimbs) Overflow();
    std::copy(limbs, limbs + size, value.limbs_);
    value.size_ = static_cast<uint32_t>(size);
    return value;
}

void BigUnsigned::ToLimbs(uint64_t* limbs, int count) const {
    if (static_cast<int>(size_) > count) Overflow();
    std::copy(limbs_, limbs_ + size_, limbs);
    std::fill(limbs + size_, limbs + count, uint64_t{0});
}

int BigUnsigned::BitWidth() const {
    if (size_ == 0) return 0;
    return static_cast<int>(64 * (size_ - 1)) + (64 - std::countl_zero(limbs_[size_ - 1]));
}

}  // namespace zendrix
