#include "calc/circuit.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace trovanta;
using namespace trovanta::circuit;

namespace {

perf::Model exampleModel()
{
    perf::Input in;
    in.curve = perf::exampleCurve();
    return perf::Model(in);
}

// "Essai": Épingle, Chicane, Courbe rapide, Virage 4.
Track essai()
{
    Track t;
    t.corners = {{62, 2, 350}, {95, 3, 600}, {150, 4, 1000}, {110, 3, 400}};
    return t;
}

std::string whole(double v) { return num::formatInt(fp::roundToInt(v)); }
std::string f2(double v) { return num::formatF2(v, ','); }

} // namespace

TEST(Circuit, WorkedExampleOn17x38)
{
    const Lap l = lap(exampleModel(), essai());
    ASSERT_EQ(l.straights.size(), 4u);
    const struct {
        const char *cornerRpm, *time, *atBraking;
        int gear;
        const char *rpm;
    } rows[] = {
        {"4200", "9,13", "199", 3, "10460"},
        {"5001", "12,18", "237", 4, "10564"},
        {"6676", "17,28", "263", 4, "11727"},
        {"5791", "9,75", "205", 3, "10805"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const Straight &s = l.straights[i];
        const auto &e = rows[i];
        EXPECT_EQ(s.fault, Fault::None) << i;
        EXPECT_TRUE(s.braked) << i;
        EXPECT_EQ(whole(s.startRpm) + " " + f2(s.time) + " " + whole(s.endKmh) + " " + whole(s.endRpm),
                  std::string(e.cornerRpm) + " " + e.time + " " + e.atBraking + " " + e.rpm)
            << i;
        EXPECT_EQ(s.endGear, e.gear) << i;
    }
    EXPECT_EQ(whole(l.straights[2].margin), "273");
    EXPECT_FALSE(l.straights[2].limiterMetres);
    EXPECT_EQ(f2(*l.sum), "48,34");
    EXPECT_EQ(l.longest, 2);
    EXPECT_EQ(l.rounds, 1);
}

TEST(Circuit, PairsOfTheDefaultRanges)
{
    const perf::Model m = exampleModel();
    const Track t = essai();
    const double present = *lap(m, t).sum;

    const Lap b = lap(m, t, 16, 40);
    EXPECT_EQ(f2(*b.sum), "47,03");
    EXPECT_EQ(num::formatSignedF2(*b.sum - present, ','), "-1,31");
    const perf::Results rb = perf::evaluate(m.withSprockets(16, 40), false);
    EXPECT_EQ(f2(*rb.start->to100) + " " + f2(*rb.start->at400) + " " + whole(rb.top->kmh) + " " +
                  std::to_string(rb.top->gear),
              "3,08 10,25 284 6");

    struct Pair {
        int front, rear;
        Lap lap;
    };
    std::vector<Pair> pairs;
    for (int f = 15; f <= 19; ++f)
        for (int r = 32; r <= 44; ++r)
            pairs.push_back({f, r, lap(m, t, f, r)});
    ASSERT_EQ(pairs.size(), 65u);
    std::sort(pairs.begin(), pairs.end(), [](const Pair &a, const Pair &c) { return *a.lap.sum < *c.lap.sum; });

    // 15/43 and 15/44 less than a millisecond apart: either may come first.
    std::vector<std::string> firstTwo;
    for (int i = 0; i < 2; ++i) {
        const Pair &p = pairs[static_cast<std::size_t>(i)];
        firstTwo.push_back(std::to_string(p.front) + "/" + std::to_string(p.rear));
        EXPECT_EQ(f2(*p.lap.sum) + " " + num::formatSignedF2(*p.lap.sum - present, ','), "46,25 -2,10");
    }
    std::sort(firstTwo.begin(), firstTwo.end());
    EXPECT_EQ(firstTwo, (std::vector<std::string>{"15/43", "15/44"}));
    EXPECT_LT(std::abs(*pairs[0].lap.sum - *pairs[1].lap.sum), 0.001);
    EXPECT_EQ(pairs[2].front * 100 + pairs[2].rear, 1542);
    EXPECT_EQ(f2(*pairs[2].lap.sum), "46,30");

    const Lap l1543 = lap(m, t, 15, 43);
    const Straight &fast = l1543.straights[static_cast<std::size_t>(l1543.longest)];
    EXPECT_EQ(fast.endGear, 6);
    ASSERT_TRUE(fast.limiterMetres);
    EXPECT_EQ(whole(*fast.limiterMetres), "195");
}

// A typed corner gear the engine cannot turn at that speed, a straight too
// short to brake on, and a corner below the curve.
TEST(Circuit, CornersThatDoNotWork)
{
    const perf::Model m = exampleModel();
    const struct {
        const char *what;
        Corner corner;
        Fault fault;
        bool belowCurve;
    } cases[] = {
        {"150 km/h in first", {150, 1, 350}, Fault::AboveLimiter, false},
        {"200 km/h and 50 m to a 95 km/h corner", {200, 4, 50}, Fault::TooShort, false},
        {"40 km/h in third", {40, 3, 350}, Fault::None, true},
    };
    for (const auto &c : cases) {
        Track t = essai();
        t.corners[0] = c.corner;
        const Lap l = lap(m, t);
        ASSERT_EQ(l.straights.size(), 4u) << c.what;
        EXPECT_EQ(l.straights[0].fault, c.fault) << c.what;
        EXPECT_EQ(l.straights[0].belowCurve, c.belowCurve) << c.what;
        EXPECT_EQ(l.sum.has_value(), c.fault == Fault::None) << c.what;
        EXPECT_EQ(l.straights[1].fault, Fault::None) << c.what; // the others are still worked out
    }
}

// A corner the bike cannot reach on the straight before it: that straight
// ends at its end, and the straight after the corner starts from the
// lower speed, in its best gear for it, once around the lap.
TEST(Circuit, NextCornerFasterThanTheBikeGets)
{
    const perf::Model m = exampleModel();
    Track t;
    t.corners = {{250, std::nullopt, 300}, {60, std::nullopt, 200}, {80, std::nullopt, 150}};
    const Lap l = lap(m, t);
    ASSERT_TRUE(l.sum);
    const Straight &into = l.straights[2];
    const Straight &after = l.straights[0];
    EXPECT_FALSE(into.braked);
    EXPECT_LT(into.endKmh, 250);
    EXPECT_EQ(after.startKmh, into.endKmh);
    EXPECT_EQ(after.gear, *m.bestGear(into.endKmh));
    EXPECT_TRUE(after.braked);
    EXPECT_EQ(l.straights[1].startKmh, 60);
    EXPECT_EQ(l.rounds, 2);
}

// The braking point in the middle of the shift into third: the row shows
// the gear being shifted into.
TEST(Circuit, BrakingPointDuringAShift)
{
    const perf::Model m = exampleModel();
    perf::RunState s;
    s.v = 62 / 3.6;
    s.gear = 2;
    while (!m.upshiftDue(s))
        m.step(s);
    m.engageNext(s);
    for (int i = 0; i < 50; ++i)
        m.step(s);
    ASSERT_GT(s.pause, 0);
    const double next = 100 / 3.6, b = perf::Gravity;
    const double metres = s.x + (s.v * s.v - next * next) / (2 * b);

    const Straight st = straight(m, 62, 2, metres, 100, 1.0);
    EXPECT_EQ(st.endGear, 3);
    EXPECT_NEAR(st.endKmh, 3.6 * s.v, 0.05);
    EXPECT_NEAR(st.endRpm, static_cast<double>(m.gears()->engineSpeed(st.endKmh, 3)), 1e-6);
}

TEST(Circuit, BadRowsAreNamed)
{
    const struct {
        std::function<void(Track &)> change;
        Problem problem;
    } cases[] = {
        {[](Track &t) { t.braking = 0; }, {Field::Braking, Reason::NotPositive, -1}},
        {[](Track &t) { t.braking.reset(); }, {Field::Braking, Reason::NotANumber, -1}},
        {[](Track &t) { t.corners[1].kmh.reset(); }, {Field::Speed, Reason::NotANumber, 1}},
        {[](Track &t) { t.corners[2].kmh = 0; }, {Field::Speed, Reason::NotPositive, 2}},
        {[](Track &t) { t.corners[3].gear = 7; }, {Field::Gear, Reason::NotAGear, 3}},
        {[](Track &t) { t.corners[0].gear = 0; }, {Field::Gear, Reason::NotAGear, 0}},
        {[](Track &t) { t.corners[0].metres = -1; }, {Field::Length, Reason::NotPositive, 0}},
    };
    for (const auto &c : cases) {
        Track t = essai();
        c.change(t);
        const Lap l = lap(exampleModel(), t);
        EXPECT_EQ(l.problems, std::vector<Problem>{c.problem});
        EXPECT_TRUE(l.straights.empty());
        EXPECT_FALSE(l.sum);
    }

    perf::Input in;
    in.curve = perf::exampleCurve();
    in.bike.mass.reset();
    const Lap l = lap(perf::Model(in), essai());
    EXPECT_FALSE(l.modelComplete);
    EXPECT_FALSE(l.sum);
}
