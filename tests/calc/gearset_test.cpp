#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/gearing.h"
#include "calc/gearset.h"

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

// The comparison window's worked example: the design defaults (A) and the
// same bike on 16/40 (B).
TEST(GearSet, KernelGivesTheWorkedExamplesOfBothSets)
{
    const GearSet a;
    GearSet b;
    b.front = 16;
    b.rear = 40;

    EXPECT_EQ(circumference(a), 1953);
    EXPECT_DOUBLE_EQ(asShown(finalDrive(a)), 2.235);
    EXPECT_DOUBLE_EQ(asShown(finalDrive(b)), 2.5);
    const std::array<double, 6> ratiosB{12.282, 8.878, 6.9, 5.658, 5.014, 4.6};
    for (int k = 1; k <= 6; ++k)
        EXPECT_DOUBLE_EQ(shownRatio(b, k), ratiosB[static_cast<std::size_t>(k - 1)]) << k;

    EXPECT_EQ(each([&](int k) { return vmax(a, k); }), (Ints{128, 177, 228, 270, 304, 332}));
    EXPECT_EQ(each([&](int k) { return vmax(b, k); }), (Ints{114, 158, 204, 241, 272, 297}));

    const Derived d = derive(a);
    EXPECT_EQ(each([&](int k) { return fp::roundToInt(d.roadSpeed(a.shiftMark, k)); }),
              (Ints{64, 89, 114, 135, 152, 166}));
    EXPECT_EQ(each([&](int k) { return k == 6 ? 0 : fp::roundToInt(d.engineSpeed(d.roadSpeed(6000, k), k + 1)); }),
              (Ints{4337, 4663, 5073, 5317, 5505, 0}));
    EXPECT_EQ(fp::roundToInt(engineSpeed(a, 130, 6)), 4704);
}

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
        in.slip = c.slip;
        in.redZone = "12000";
        in.rim = "17";
        in.width = "180";
        in.height = "55";
        in.circumference = c.circ;
        in.circumferenceOverride = c.override;
        in.front = c.front;
        in.rear = c.rear;
        in.primary = "1,84";
        in.gears = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
        in.chosenGear = "4";
        in.engineSpeed = "4500";
        State st;
        const Result r = run(in, st, ',');
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(each([&](int k) { return vmax(r.set, k); }), r.vmaxValues) << c.slip;
        const Derived d = derive(r.set);
        EXPECT_EQ(each([&](int k) { return fp::roundToInt(d.roadSpeed(FullScaleRpm, k)); }), st.fullScale);
        EXPECT_EQ(d.circumference, st.circumference);
    }
}

TEST(GearSet, FailuresAreTheRunsMessages)
{
    GearSet g;
    g.front = 0;
    try {
        vmax(g, 1);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), msg::DivisionByZero);
    }
    g.front = 17;
    g.gears[0] = 0;
    try {
        derive(g).vmax(1);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), msg::DivisionByZero);
    }
}
