#include "calc/calibration.h"
#include "calc/error.h"
#include "calc/gearset.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::calibration;

using test::errorOf;

// The worked examples are in worked_examples_test; here the rest.
TEST(Calibration, SpeedometerAfterANewTyre)
{
    const Drive now{17, 38, 1953};
    const struct {
        Drive next;
        const char *error;
        std::int32_t reading;
    } changes[] = {
        {{17, 38, 2000}, "+2,53 %", 103},   // 1,05 * 1953 / 2000
        {{17, 38, 1987.5}, "+3,18 %", 103}, // a planned tyre typed with decimals
    };
    for (const auto &c : changes) {
        const real e = speedometerErrorAfter(speedometerError(105, 100), Sensor::RearWheel, now, c.next);
        EXPECT_EQ(percentText(e, ','), c.error);
        EXPECT_EQ(readingAt(100, e), c.reading);
    }
    EXPECT_EQ(errorOf([] { rollOutCircumference(0, 0); }), trovanta::msg::DivisionByZero);
}

// Samples built exactly on the speed rule: gear k at a ratio r to q_k.
TEST(CalibrationFit, PassesCountsMediansAndFlags)
{
    const gearing::Derived d = gearing::derive(gearing::GearSet{});
    auto at = [&](int gear, double rpm, double r) {
        const double v = static_cast<double>(d.roadSpeed(rpm, gear)) / r;
        return Sample{rpm, v};
    };
    std::vector<Sample> s;
    for (int i = 0; i < 12; ++i) // gear 2, twelve samples at q/q_k 0,99 and 1,01
        s.push_back(at(2, 5000 + 100 * i, i % 2 ? 0.99 : 1.01));
    for (int i = 0; i < 10; ++i)
        s.push_back(at(5, 6000, 1.0));
    for (int i = 0; i < 10; ++i) // 5 % off: pass 1 only
        s.push_back(at(1, 6000, 1.05));
    for (int i = 0; i < 5; ++i)
        s.push_back(at(3, 7000, 1.0));
    s.push_back(at(4, 900, 1.0));         // below 1000 rpm
    s.push_back({8000, 19.9});            // below 20 km/h
    s.push_back(at(1, 8000, 1.07));       // no gear within 6 %

    const FitResult f = fitLogger(s, d);
    EXPECT_NEAR(static_cast<double>(f.sigma), 1.0, 1e-12);
    EXPECT_EQ(f.samplesUsed, 27);
    const std::int64_t pass1[] = {10, 12, 5, 0, 10, 0}, pass2[] = {0, 12, 5, 0, 10, 0};
    const bool check[] = {true, false, false, false, false, false};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(f.gears[k].pass1, pass1[k]) << k;
        EXPECT_EQ(f.gears[k].pass2, pass2[k]) << k;
        EXPECT_EQ(f.gears[k].check, check[k]) << k;
        EXPECT_EQ(f.gears[k].circumference.has_value(), pass2[k] >= 10) << k;
    }
    // Gear 2's even median is the mean of q at 0,99 and 1,01 of q_k.
    EXPECT_NEAR(static_cast<double>(*f.gears[1].circumference), 1953, 1e-6);
    EXPECT_NEAR(static_cast<double>(f.circumference), 1953, 1e-6);
    EXPECT_EQ(countsText(f.samplesUsed, 40), "27 / 40");

    s.resize(9);
    EXPECT_EQ(errorOf([&] { fitLogger(s, d); }), calibration::msg::NotEnoughPoints);
    EXPECT_EQ(errorOf([&] { fitLogger({}, d); }), calibration::msg::NotEnoughPoints);
}
