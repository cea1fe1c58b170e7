#include "calc/fparith.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <limits>

namespace fp = trovanta::fp;
using trovanta::test::errorOf;

TEST(FloatArithmetic, RoundingGoesToNearestWithHalvesToEven)
{
    const std::pair<long double, int> cases[] = {
        {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {3.5L, 4}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2},
        {2.4999L, 2}, {2.5001L, 3}, {-2.6L, -3}, {1953.4L, 1953}, {2147483647.4L, 2147483647},
    };
    for (const auto &[v, want] : cases) {
        SCOPED_TRACE(static_cast<double>(v));
        EXPECT_EQ(fp::roundToInt(v), want);
    }
}

TEST(FloatArithmetic, TruncationGoesTowardZero)
{
    EXPECT_EQ(fp::trunc(111.62L), 111);
    EXPECT_EQ(fp::trunc(-1.9L), -1);
    EXPECT_EQ(fp::trunc(0.99L), 0);
}

TEST(FloatArithmetic, FailuresAreErrorsNotNaN)
{
    EXPECT_EQ(errorOf([] { fp::div(1, 0); }), "Gleitkommadivision durch Null");
    EXPECT_EQ(errorOf([] { fp::div(-4500, 0); }), "Gleitkommadivision durch Null");
    EXPECT_EQ(errorOf([] { fp::div(0, 0); }), "Ungültige Gleitkommaoperation");
    EXPECT_EQ(errorOf([] { fp::sqrt(-1); }), "Ungültige Gleitkommaoperation");
    EXPECT_EQ(errorOf([] { fp::mul(std::numeric_limits<long double>::max(), 2); }), "Gleitkommaüberlauf");
    EXPECT_EQ(errorOf([] { fp::roundToInt(2147483647.5L); }), "Ungültige Gleitkommaoperation");
    EXPECT_EQ(errorOf([] { fp::roundToInt(-3e10L); }), "Ungültige Gleitkommaoperation");
    EXPECT_EQ(errorOf([] { fp::trunc(1e30L); }), "Ungültige Gleitkommaoperation");
}
