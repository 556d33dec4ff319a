// The solver's exact integers on the sizes that occur: layout counts of the Large field.
#include <gtest/gtest.h>

#include "solver/big_unsigned.h"

namespace zendrix {
namespace {

TEST(BigUnsigned, LargeFieldCountsAddUpExactly) {
    // Vandermonde: sum over k of C(n, k) C(m, r - k) = C(n + m, r), accumulating products
    // into a sum that is already wider than each of them.
    struct Case {
        int n, m, r;
    };
    for (const Case& c : {Case{200, 184, 123}, Case{300, 84, 192}, Case{5, 379, 61}}) {
        BigUnsigned sum;
        for (int k = 0; k <= c.r; ++k) {
            sum.AddProduct(BigUnsigned::Binomial(c.n, k), BigUnsigned::Binomial(c.m, c.r - k));
        }
        EXPECT_EQ(sum, BigUnsigned::Binomial(c.n + c.m, c.r)) << c.n << " " << c.m << " " << c.r;
    }
    // Pascal's rule by additions against the product formula, across the whole row of 384.
    std::vector<BigUnsigned> row{BigUnsigned(1)};
    for (int n = 1; n <= 384; ++n) {
        std::vector<BigUnsigned> next(n + 1, BigUnsigned(1));
        for (int k = 1; k < n; ++k) next[k] = row[k - 1] + row[k];
        row.swap(next);
    }
    for (int k : {0, 1, 61, 123, 192, 383}) EXPECT_EQ(row[k], BigUnsigned::Binomial(384, k));
    EXPECT_EQ(BigUnsigned::Binomial(384, 3).ToString(), "9363584");
    // C(384, 192) = 2^380.8...: its ratio to C(384, 191) is 193/192.
    EXPECT_DOUBLE_EQ(Ratio(BigUnsigned::Binomial(384, 191), BigUnsigned::Binomial(384, 192)),
                     192.0 / 193.0);
}

}  // namespace
}  // namespace zendrix
