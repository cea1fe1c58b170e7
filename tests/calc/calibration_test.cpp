#include "calc/calibration.h"
#include "calc/error.h"
#include "calc/gearset.h"
#include "support/error_of.h"
#include "support/logger_ride.h"

#include <algorithm>
#include <cstdio>
#include <functional>

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
    // Gears 4 and 6 would have had samples at the file's engine speeds.
    const bool check[] = {true, false, false, true, false, true};
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

namespace {

// A ride's samples as its logger export holds them (GPS speed).
std::vector<Sample> rideSamples(const gearing::GearSet &truth, int lines = 8 * 420)
{
    test::RideLog ride(test::LoggerStyle::CommaUnitsInNames, gearing::derive(truth), 20260516);
    std::vector<Sample> out;
    for (int i = 0; i < lines; ++i) {
        double t = 0, rpm = 0, wheel = 0, gps = 0;
        if (std::sscanf(ride.nextLine().c_str(), "%lf,%lf,%lf,%lf", &t, &rpm, &wheel, &gps) == 4)
            out.push_back({rpm, gps});
    }
    return out;
}

gearing::GearSet withSlip(int slip)
{
    gearing::GearSet g;
    g.circumferenceOverride = 1987;
    g.slip = slip;
    return g;
}

} // namespace

// Gears 1 to 3 give the circumference, gears 4 to 6 the slip, whatever the
// main window's slip; each gear agrees with its own group.
TEST(CalibrationFit, TheUpperGearsMeasureTheSlip)
{
    const struct {
        int truthSlip, mainSlip;
        double slip;
    } rides[] = {{0, 3, 0}, {2, 3, 2}, {3, 3, 3}, {2, 0, 2}, {0, 0, 0}};
    for (const auto &r : rides) {
        SCOPED_TRACE("truth " + std::to_string(r.truthSlip) + ", main " + std::to_string(r.mainSlip));
        const FitResult f = fitLogger(rideSamples(withSlip(r.truthSlip)), gearing::derive(withSlip(r.mainSlip)));
        EXPECT_TRUE(f.byLowerGears);
        EXPECT_NEAR(static_cast<double>(f.circumference), 1987, 2);
        ASSERT_TRUE(f.slip.has_value());
        EXPECT_NEAR(static_cast<double>(*f.slip), r.slip, 0.2);
        for (std::size_t k = 0; k < 6; ++k) {
            EXPECT_FALSE(f.gears[k].check) << k + 1;
            EXPECT_NEAR(static_cast<double>(*f.gears[k].circumference), 1987, 2 + 20 * (k >= 3)) << k + 1;
        }
        EXPECT_FALSE(f.ratiosSuspect());
    }
}

// With fewer than two of gears 1 to 3 holding 100 samples, the fit is the
// one over all gears with the main window's slip.
TEST(CalibrationFit, FewLowerGearSamplesFitAllGearsWithTheMainSlip)
{
    std::vector<Sample> s;
    const gearing::Derived d = gearing::derive(withSlip(3));
    const double fourth = static_cast<double>(d.engineSpeed(100, 4)) / 100;
    for (const Sample &x : rideSamples(withSlip(3)))
        if (x.kmh > 0 && x.rpm / x.kmh < fourth * 1.06) // none in gears 1 to 3
            s.push_back(x);
    const FitResult f = fitLogger(s, d);
    EXPECT_FALSE(f.byLowerGears);
    EXPECT_FALSE(f.slip.has_value());
    EXPECT_NEAR(static_cast<double>(f.circumference), 1987, 2);
}

// Ratios typed wrong: a primary far off puts most samples in no gear, a gear
// 13 % off gets none where the file's engine speeds would give it some.
TEST(CalibrationFit, WrongRatiosAreTold)
{
    const std::vector<Sample> s = rideSamples(withSlip(3));
    gearing::GearSet primary = withSlip(3);
    primary.primary = 5;
    const FitResult p = fitLogger(s, gearing::derive(primary));
    EXPECT_TRUE(p.fewInGear()) << p.samplesUsed << " of " << p.samplesCounted;
    EXPECT_TRUE(p.ratiosSuspect());

    gearing::GearSet third = withSlip(3);
    third.gears[2] *= 1.13;
    const FitResult g = fitLogger(s, gearing::derive(third));
    EXPECT_FALSE(g.fewInGear());
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(g.gears[k].missing, k == 2) << k + 1;
        EXPECT_EQ(g.gears[k].check, k == 2) << k + 1;
    }
    EXPECT_TRUE(g.ratiosSuspect());
    EXPECT_FALSE(fitLogger(s, gearing::derive(withSlip(3))).ratiosSuspect());
}

// A fit asks to stop at least every 64 k samples and stops when told.
TEST(CalibrationFit, StopsWhenAsked)
{
    std::vector<Sample> s = rideSamples(withSlip(3));
    while (s.size() < 20 * FitStopEvery)
        s.insert(s.end(), s.begin(), s.begin() + std::min(s.size(), 20 * FitStopEvery - s.size()));
    const gearing::Derived d = gearing::derive(withSlip(3));
    std::size_t asked = 0;
    EXPECT_TRUE(fitLogger(s, d, [&] { return ++asked, false; }).has_value());
    EXPECT_GE(asked, 4 * 20u) << "each pass over the samples asks every 64 k";
    for (std::size_t after : {std::size_t(1), asked / 2, asked}) {
        std::size_t n = 0;
        EXPECT_FALSE(fitLogger(s, d, [&] { return ++n >= after; }).has_value()) << after;
        EXPECT_EQ(n, after);
    }
}

// The fit's median of millions of values asks to stop as it goes, and gives
// what sorting gives for any order of the values.
TEST(CalibrationFit, MedianAsksToStopAndMatchesSorting)
{
    const std::size_t n = 5 * FitStopEvery + 1;
    std::uint64_t state = 88172645463325252ULL;
    auto random = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return double(state % 1000) / 7;
    };
    const struct {
        const char *name;
        std::function<double(std::size_t)> value;
    } orders[] = {
        {"rising", [](std::size_t i) { return double(i); }},
        {"falling", [&](std::size_t i) { return double(n - i); }},
        {"all equal", [](std::size_t) { return 2.5; }},
        {"two values", [](std::size_t i) { return double(i % 2); }},
        {"organ pipe", [&](std::size_t i) { return double(std::min(i, n - i)); }},
        {"random with repeats", [&](std::size_t) { return random(); }},
    };
    for (const auto &o : orders)
        for (const std::size_t size : {n, n - 1}) {
            SCOPED_TRACE(std::string(o.name) + (size % 2 ? " odd" : " even"));
            std::vector<double> v(size);
            for (std::size_t i = 0; i < size; ++i)
                v[i] = o.value(i);
            std::vector<double> sorted = v;
            std::sort(sorted.begin(), sorted.end());
            const real expected =
                size % 2 ? real(sorted[size / 2]) : (real(sorted[size / 2]) + real(sorted[size / 2 - 1])) / 2;
            std::size_t asked = 0;
            EXPECT_EQ(median(v.data(), v.data() + size, [&] { return ++asked, false; }), expected);
            EXPECT_GE(asked, size / FitStopEvery) << "every value is looked at once at least";
            std::size_t again = 0;
            EXPECT_FALSE(median(v.data(), v.data() + size, [&] { return ++again >= 1; }));
            EXPECT_EQ(again, 1u);
        }
    EXPECT_FALSE(median(nullptr, nullptr, {}));
}
