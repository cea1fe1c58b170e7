#include "calc/units.h"

#include <gtest/gtest.h>

using namespace trovanta::units;

// One stored value each way and back, against the definitions.
TEST(Units, ConvertEachWayAndBack)
{
    EXPECT_DOUBLE_EQ(fromKmh(160.9344, Speed::Mph), 100.0);
    EXPECT_DOUBLE_EQ(fromKmh(130, Speed::Kmh), 130.0);
    EXPECT_NEAR(fromNm(100, Torque::LbFt), 73.756, 1e-3);
    EXPECT_NEAR(fromKw(100, Power::Ch), 135.962, 1e-3);
    EXPECT_NEAR(fromKw(100, Power::Hp), 134.102, 1e-3);
    EXPECT_NEAR(fromKg(200, Mass::Lb), 440.925, 1e-3);
    for (double v : {0.0, -12.5, 299.9}) {
        EXPECT_NEAR(toKmh(fromKmh(v, Speed::Mph), Speed::Mph), v, 1e-12);
        EXPECT_NEAR(toNm(fromNm(v, Torque::LbFt), Torque::LbFt), v, 1e-12);
        EXPECT_NEAR(toKw(fromKw(v, Power::Hp), Power::Hp), v, 1e-12);
        EXPECT_NEAR(toKw(fromKw(v, Power::Ch), Power::Ch), v, 1e-12);
        EXPECT_NEAR(toKg(fromKg(v, Mass::Lb), Mass::Lb), v, 1e-12);
    }
    EXPECT_EQ(name(Speed::Mph), "mph");
    EXPECT_EQ(name(Power::Ch), "ch");
}
