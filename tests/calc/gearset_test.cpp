#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/gearing.h"
#include "calc/gearset.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

using namespace trovanta;
using namespace trovanta::gearing;

namespace {

using Ints = std::array<std::int32_t, 6>;

Ints each(const std::function<std::int32_t(int)> &f)
{
    Ints out{};
    for (int k = 1; k <= 6; ++k)
        out[static_cast<std::size_t>(k - 1)] = f(k);
    return out;
}

} // namespace

TEST(GearSet, EngineSpeedIsTheInverseOfRoadSpeedInEveryGear)
{
    GearSet g;
    g.slip = 7;
    const Derived d = derive(g);
    for (int k = 1; k <= 6; ++k)
        for (real n : {500.0L, 6000.0L, 12345.0L})
            EXPECT_NEAR(static_cast<double>(d.engineSpeed(d.roadSpeed(n, k), k)), static_cast<double>(n), 1e-9);
}

// The run and the kernel must agree on every speed, also with slip and an
// override, or the new windows would contradict the main window.
TEST(GearSet, RunAndKernelAgree)
{
    struct Case {
        const char *slip, *circ;
        bool override;
        const char *front, *rear;
    } cases[] = {{"3", "", false, "17", "38"}, {"0", "", false, "15", "45"}, {"10", "2000", true, "14", "50"}};
    for (const Case &c : cases) {
        Input in;
        in.set.slip = c.slip;
        in.redZone = "12000";
        in.set.rim = "17";
        in.set.width = "180";
        in.set.height = "55";
        if (c.override)
            in.set.circumference = c.circ;
        in.set.front = c.front;
        in.set.rear = c.rear;
        in.set.primary = "1,84";
        in.set.gears = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
        in.chosenGear = "4";
        in.engineSpeed = "4500";
        State st;
        const Result r = run(in, st, ',');
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(each([&](int k) { return derive(r.set).vmax(k); }), r.vmaxValues) << c.slip;
        const Derived d = derive(r.set);
        EXPECT_EQ(each([&](int k) { return fp::roundToInt(d.roadSpeed(FullScaleRpm, k)); }), st.fullScale);
        EXPECT_EQ(d.circumference, st.circumference);
    }
}

TEST(GearSet, FailuresAreTheRunsMessages)
{
    GearSet g;
    g.front = 0;
    EXPECT_EQ(test::errorOf([&] { derive(g).vmax(1); }), msg::DivisionByZero);
    g.front = 17;
    g.gears[0] = 0;
    EXPECT_EQ(test::errorOf([&] { derive(g).vmax(1); }), msg::DivisionByZero);
}
