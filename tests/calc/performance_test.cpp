#include "calc/fparith.h"
#include "calc/numtext.h"
#include "calc/performance.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace trovanta;
using namespace trovanta::perf;

namespace {

// The design's default gear set, the example curve, the default bike.
Input example()
{
    Input in;
    in.curve = exampleCurve();
    return in;
}

std::string whole(double v) { return num::formatInt(fp::roundToInt(v)); }
std::string f2(double v) { return num::formatF2(v, ','); }

std::string seconds(const std::optional<Engagement> &e)
{
    return e ? num::formatF2(static_cast<long double>(e->hundredths()) / 100, ',') + " / " + whole(e->kmh) : "–";
}

} // namespace

TEST(Performance, WorkedExample)
{
    const Model m(example());
    ASSERT_TRUE(m.complete());
    const Results r = evaluate(m);
    const struct {
        const char *what;
        std::string shown, expected;
    } cases[] = {
        {"ρ", num::formatFixed(*m.density(), 4, ','), "1,2038"},
        {"r", num::formatFixed(*m.radius(), 5, ','), "0,31083"},
        {"cap", num::formatFixed(*m.cap(), 1, ','), "2648,7"},
        {"F_1(100)", whole(*m.force(1, 100)), "3378"},
        {"F_1(100) capped", whole(std::min(*m.force(1, 100), *m.cap())), "2649"},
        {"F_6(100)", whole(*m.force(6, 100)), "812"},
        {"F_R(100)", whole(*m.resistance(100)), "202"},
        {"last gear", std::to_string(*r.lastGear), "5"},
        {"sixth does not pull at", whole(*r.noPullAt), "295"},
        {"0-100", f2(*r.start->to100), "3,08"},
        {"0-200", f2(*r.start->to200), "7,56"},
        {"400 m", f2(*r.start->at400), "10,24"},
        {"at 400 m", whole(*r.start->kmhAt400), "231"},
        {"top speed", whole(r.top->kmh) + " " + std::to_string(r.top->gear) + " " + whole(r.top->rpm), "285 5 11244"},
        {"limited by the air", r.top->limit == Limit::Air ? "air" : "rpm", "air"},
        {"En 6e", whole(r.sixth->kmh) + " " + whole(r.sixth->rpm), "279 10105"},
        {"P_max", num::formatFixed(r.power->kw, 1, ',') + " " + whole(r.power->rpm), "112,0 11000"},
        {"best final drive", num::formatRatio(r.best->shown, ','), "2,377"},
        {"its change", num::formatSignedF2(r.best->change, ',') + " %", "+6,35 %"},
        {"v_best", whole(r.best->kmh), "286"},
        {"present final drive", num::formatRatio(r.best->presentShown, ','), "2,235"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.what;

    const struct {
        int gear;
        const char *before, *kmh, *after;
        bool atLimit;
    } shifts[] = {
        {1, "12000", "128", "8674", true},  {2, "12000", "177", "9326", true},  {3, "12000", "228", "10145", true},
        {4, "11882", "267", "10529", false}, {5, "11640", "295", "10680", false},
    };
    for (const auto &s : shifts) {
        const Upshift &u = *r.upshifts[static_cast<std::size_t>(s.gear - 1)];
        EXPECT_EQ(whole(u.rpmBefore) + " " + whole(u.kmh) + " " + whole(u.rpmAfter),
                  std::string(s.before) + " " + s.kmh + " " + s.after)
            << s.gear;
        EXPECT_EQ(u.atLimit, s.atLimit) << s.gear;
    }

    const char *engaged[] = {"0,00 / 0", "4,01 / 128", "6,06 / 177", "9,66 / 228", "16,62 / 267", "–"};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(seconds(r.start->engaged[static_cast<std::size_t>(k - 1)]), engaged[k - 1]) << k;
    EXPECT_EQ(r.start->engaged[1]->step, 4006);

    // The run and the exact top speed are two ways to the same figure.
    EXPECT_NEAR(r.start->kmhAt60, r.top->kmh, 0.5);
}

// Torque as the engine gives it: the lugging floor, the curve, the limiter,
// and first gear held at the launch speed.
TEST(Performance, TorqueAlongTheCurve)
{
    const Model m(example());
    const struct {
        double rpm;
        int gear; // 0: the engine alone
        double torque;
    } cases[] = {
        {1000, 0, 62}, {3000, 0, 62}, {3500, 0, 67}, {11500, 0, 101.5}, {12000, 0, 95}, {12000.5, 0, 0},
        {13000, 0, 0}, {2000, 1, 98},  {8500, 1, 101}, {2000, 2, 62},     {8500, 2, 101},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(c.gear ? *m.torque(c.rpm, c.gear) : *m.torque(c.rpm), c.torque) << c.rpm << " " << c.gear;

    // The end of a gear's range has the curve's torque, above it none.
    const double top = m.topOfGear(4);
    EXPECT_NEAR(*m.force(4, top), 95 * m.gears()->ratio[3] * 0.9 / *m.radius(), 1e-9);
    EXPECT_EQ(*m.force(4, top * (1 + 1e-12)), 0);

    Input wheel = example();
    wheel.atWheel = true;
    wheel.bike.efficiency.reset(); // the field is disabled and plays no part
    const Model w(wheel);
    EXPECT_TRUE(w.complete());
    EXPECT_NEAR(*w.force(6, 100), *m.force(6, 100) / 0.9, 1e-9);
}

// Each bad input takes away what depends on it, and only that. The text
// lists: upshifts, last gear, standing start, top speed, En 6e, P_max,
// best final drive ("-" where absent).
TEST(Performance, BadInputTakesOnlyItsDependentsAway)
{
    auto present = [](const Results &r) {
        std::string s;
        s += r.upshifts[0] ? 'u' : '-';
        s += r.upshifts[1] ? 'u' : '-';
        s += r.lastGear ? 'l' : '-';
        s += r.start ? 's' : '-';
        s += r.top ? 't' : '-';
        s += r.sixth ? '6' : '-';
        s += r.power ? 'p' : '-';
        s += r.best ? 'b' : '-';
        return s;
    };
    const struct {
        const char *what;
        std::function<void(Input &)> change;
        Problem problem;
        const char *results;
    } cases[] = {
        {"mass", [](Input &in) { in.bike.mass = 0; }, {Field::Mass, Reason::NotPositive}, "uu----p-"},
        {"S·Cx", [](Input &in) { in.bike.dragArea.reset(); }, {Field::DragArea, Reason::NotANumber}, "uu----p-"},
        {"Crr", [](Input &in) { in.bike.rolling = -0.01; }, {Field::Rolling, Reason::Negative}, "uu----p-"},
        {"efficiency 0", [](Input &in) { in.bike.efficiency = 0; }, {Field::Efficiency, Reason::OutOfRange},
         "uu------"},
        {"efficiency 101", [](Input &in) { in.bike.efficiency = 101; }, {Field::Efficiency, Reason::OutOfRange},
         "uu------"},
        {"rotation", [](Input &in) { in.bike.rotating = -1; }, {Field::Rotating, Reason::Negative}, "uul-t6pb"},
        {"a_max", [](Input &in) { in.bike.traction = 0; }, {Field::Traction, Reason::NotPositive}, "uu----pb"},
        {"shift time", [](Input &in) { in.bike.shiftTime = -0.1; }, {Field::ShiftTime, Reason::Negative},
         "uul-t6pb"},
        {"launch speed", [](Input &in) { in.bike.launchRpm = -1; }, {Field::Launch, Reason::Negative}, "-u---6pb"},
        {"temperature", [](Input &in) { in.bike.temperature = -273.15; },
         {Field::Temperature, Reason::BelowAbsoluteZero}, "uu----p-"},
        {"pressure", [](Input &in) { in.bike.pressure = 0; }, {Field::Pressure, Reason::NotPositive}, "uu----p-"},
        {"unreadable point", [](Input &in) { in.curve[3].torque.reset(); }, {Field::Curve, Reason::NotANumber, 3},
         "--------"},
        {"n = 0", [](Input &in) { in.curve[0].rpm = 0; }, {Field::Curve, Reason::EngineSpeedNotPositive, 0},
         "--------"},
        {"negative torque", [](Input &in) { in.curve[5].torque = -1; }, {Field::Curve, Reason::NegativeTorque, 5},
         "--------"},
        {"same engine speed", [](Input &in) { in.curve[7].rpm = 3000; }, {Field::Curve, Reason::SameEngineSpeed, 7},
         "--------"},
        {"one point", [](Input &in) { in.curve.resize(1); }, {Field::Curve, Reason::TooFewPoints}, "--------"},
        {"red zone below the curve", [](Input &in) { in.gearSet.redZone = 3000; },
         {Field::RedZone, Reason::BelowCurve}, "--------"},
        {"slip of 100 %", [](Input &in) { in.gearSet.slip = 100; }, {Field::GearSet, Reason::NotPositive, 4},
         "------p-"},
    };
    for (const auto &c : cases) {
        Input in = example();
        c.change(in);
        const Model m(in);
        ASSERT_FALSE(m.problems().empty()) << c.what;
        EXPECT_EQ(m.problems().front(), c.problem) << c.what;
        EXPECT_EQ(present(evaluate(m, false)), c.results) << c.what;
    }
}

// The shift pause in whole steps, half up on the decimal the rider typed.
TEST(Performance, ShiftTimeInSteps)
{
    const struct {
        double seconds;
        std::int64_t steps;
    } cases[] = {{0, 0}, {0.1, 100}, {0.0125, 13}, {0.0145, 15}, {0.0144, 14}, {0.25, 250}};
    for (const auto &c : cases) {
        Input in = example();
        in.bike.shiftTime = c.seconds;
        RunState s;
        Model(in).engageNext(s);
        EXPECT_EQ(s.pause, c.steps) << c.seconds;
        EXPECT_EQ(s.gear, 2);
    }
}

// An engine strong enough for sixth to reach the limiter: the top speed is
// sixth's speed at n_top, and the run rides the limiter there.
TEST(Performance, TopSpeedHeldByTheLimiter)
{
    Input in = example();
    for (CurveRow &p : in.curve)
        *p.torque *= 2;
    const Model m(in);
    const Results r = evaluate(m);
    ASSERT_TRUE(r.top && r.sixth);
    EXPECT_EQ(*r.lastGear, 6);
    EXPECT_EQ(r.top->limit, Limit::EngineSpeed);
    EXPECT_EQ(r.top->gear, 6);
    EXPECT_EQ(r.top->rpm, 12000);
    EXPECT_EQ(fp::roundToInt(r.top->kmh), m.gears()->vmax(6));
    EXPECT_EQ(r.sixth->limit, Limit::EngineSpeed);
    EXPECT_NEAR(r.start->kmhAt60, r.top->kmh, 0.5);
}
