#include "calc/gearing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trovanta::gearing;

namespace {

Input defaults()
{
    Input in;
    in.set.slip = "3";
    in.redZone = "12000";
    in.set.rim = "17";
    in.set.width = "190";
    in.set.height = "50";
    in.set.front = "17";
    in.set.rear = "38";
    in.set.primary = "1,84";
    in.set.gears = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
    in.chosenGear = "4";
    in.engineSpeed = "4500";
    return in;
}

} // namespace

// What a run shows, in one line: E_Umfang ("-": not written) and Panel2 |
// the overall ratios | the operating point | Vmax | the full-scale speeds.
static std::string shown(const Result &r, const State &st)
{
    std::string s = r.circumference.value_or("-") + " " + r.finalDrive.value_or("-") + " |";
    for (const auto &o : r.overall)
        s += " " + o.value_or("-");
    s += " | " + r.operatingSpeed.value_or("-") + " |";
    for (const auto &v : r.vmax)
        s += " " + v.value_or("-");
    s += " |";
    for (std::int32_t f : st.fullScale)
        s += " " + std::to_string(f);
    return s;
}

// The design's worked examples, one line a case: what differs from its set.
TEST(Gearing, WorkedExamples)
{
    const struct {
        const char *what;
        void (*edit)(Input &);
        char sep;
        const char *shown;
    } cases[] = {
        {"the design's set", [](Input &) {}, ',',
         "1953 2,235 | 10,982 7,938 6,169 5,059 4,483 4,113 | 101 | 128 177 228 270 304 332 | 170 236 303 359 405 441"},
        {"a dot locale",
         [](Input &i) {
             i.set.primary = "1.84";
             i.set.gears = {"2.67", "1.93", "1.50", "1.23", "1.09", "1.00"};
         },
         '.', "1953 2.235 | 10.982 7.938 6.169 5.059 4.483 4.113 | 101 | 128 177 228 270 304 332 | 170 236 303 359 405 441"},
        // Slip acts on gears 4 to 6 only.
        {"slip 0", [](Input &i) { i.set.slip = "0"; }, ',',
         "1953 2,235 | 10,982 7,938 6,169 5,059 4,483 4,113 | 104 | 128 177 228 278 314 342 | 170 236 303 370 417 455"},
        // The operating point divides by 1 + s/100, Vmax multiplies by 1 - s/100.
        {"slip 10, 6th at 12000",
         [](Input &i) {
             i.set.slip = "10";
             i.chosenGear = "6";
             i.engineSpeed = "12000";
         },
         ',', "1953 2,235 | 10,982 7,938 6,169 5,059 4,483 4,113 | 311 | 128 177 228 250 282 308 | 170 236 303 333 375 409"},
        // Typed: E_Umfang is not rewritten; 4500 / (5.059 * 1.03) * 2000 * 60e-6 = 103.6.
        {"circumference typed 2000", [](Input &i) { i.set.circumference = "2000"; }, ',',
         "- 2,235 | 10,982 7,938 6,169 5,059 4,483 4,113 | 104 | 131 181 233 276 312 340 | 174 241 310 367 414 452"},
        // A decimal field takes decimals: pi * (25.4 * 17.5 + 190) = 1993.3.
        {"rim 17,5", [](Input &i) { i.set.rim = "17,5"; }, ',',
         "1993 2,235 | 10,982 7,938 6,169 5,059 4,483 4,113 | 103 | 131 181 233 275 310 338 | 174 240 309 366 413 450"},
    };
    for (const auto &c : cases) {
        Input in = defaults();
        c.edit(in);
        State st;
        const Result r = run(in, st, c.sep);
        EXPECT_TRUE(r.ok) << c.what << ": " << r.message;
        EXPECT_EQ(shown(r, st), c.shown) << c.what;
    }
}

TEST(Gearing, UnmatchedChosenGearKeepsThePreviousRatio)
{
    Input in = defaults();
    State st;
    ASSERT_TRUE(run(in, st, ',').ok);
    const double before = st.chosenRatio;
    for (const char *text : {"7", " 4", "04", "+4", ""}) {
        SCOPED_TRACE(text);
        in.chosenGear = text;
        const Result r = run(in, st, ',');
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(st.chosenRatio, before);
        EXPECT_EQ(r.operatingSpeed, "101");
    }

    // On the very first run there is no previous ratio: division by zero.
    State fresh;
    in.chosenGear = "7";
    Result r = run(in, fresh, ',');
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, Step::OperatingPoint);
    EXPECT_EQ(r.message, "Gleitkommadivision durch Null");
    EXPECT_EQ(r.overall[5], "4,113");
    EXPECT_FALSE(r.operatingSpeed.has_value());

    // ...and zero rpm over that zero ratio is an invalid operation.
    in.engineSpeed = "0";
    r = run(in, fresh, ',');
    EXPECT_EQ(r.message, "Ungültige Gleitkommaoperation");
}

TEST(Gearing, AFailingStepKeepsTheResultsBeforeIt)
{
    struct Case {
        const char *name;
        void (*edit)(Input &);
        Step step;
        const char *message;
        bool circumference; // was E_Umfang written before the failure?
        bool finalDrive;
        int overall; // overall ratios written
        bool speed;
        int vmax;
    };
    const std::vector<Case> cases = {
        {"slip 2,5", [](Input &i) { i.set.slip = "2,5"; }, Step::Slip, "'2,5' ist kein gültiger Integerwert",
         false, false, 0, false, 0},
        {"empty slip", [](Input &i) { i.set.slip = ""; }, Step::Slip, "'' ist kein gültiger Integerwert", false,
         false, 0, false, 0},
        {"red zone", [](Input &i) { i.redZone = "12.000"; }, Step::RedZone,
         "'12.000' ist kein gültiger Integerwert", false, false, 0, false, 0},
        {"height", [](Input &i) { i.set.height = "50%"; }, Step::Tyre, "'50%' ist kein gültiger Gleitkommawert",
         false, false, 0, false, 0},
        {"front 17,5", [](Input &i) { i.set.front = "17,5"; }, Step::Sprockets,
         "'17,5' ist kein gültiger Integerwert", true, false, 0, false, 0},
        {"front 0", [](Input &i) { i.set.front = "0"; }, Step::FinalDrive, "Gleitkommadivision durch Null", true,
         false, 0, false, 0},
        {"front and rear 0", [](Input &i) { i.set.front = i.set.rear = "0"; }, Step::FinalDrive,
         "Ungültige Gleitkommaoperation", true, false, 0, false, 0},
        {"gear 3", [](Input &i) { i.set.gears[2] = "1.5"; }, Step::OverallRatios,
         "'1.5' ist kein gültiger Gleitkommawert", true, true, 2, false, 0},
        {"engine speed", [](Input &i) { i.engineSpeed = ""; }, Step::OperatingPoint,
         "'' ist kein gültiger Integerwert", true, true, 6, false, 0},
        {"gear 5 ratio zero", [](Input &i) { i.set.gears[4] = "0,0001"; i.chosenGear = "1"; }, Step::FullScale,
         "Gleitkommadivision durch Null", true, true, 6, true, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Input in = defaults();
        c.edit(in);
        State st;
        const Result r = run(in, st, ',');
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedStep, c.step);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.circumference.has_value(), c.circumference);
        EXPECT_EQ(r.finalDrive.has_value(), c.finalDrive);
        int overall = 0, vmax = 0;
        for (int g = 0; g < 6; ++g) {
            overall += r.overall[g].has_value();
            vmax += r.vmax[g].has_value();
        }
        EXPECT_EQ(overall, c.overall);
        EXPECT_EQ(r.operatingSpeed.has_value(), c.speed);
        EXPECT_EQ(vmax, c.vmax);
    }
}

TEST(Gearing, KeptValuesOfLaterStepsSurviveAFailure)
{
    State st;
    ASSERT_TRUE(run(defaults(), st, ',').ok);
    Input in = defaults();
    in.set.rim = "17,5"; // a decimal field takes decimals
    in.set.front = "x";
    const Result r = run(in, st, ',');
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.circumference, "1993"); // pi * (25.4 * 17.5 + 190) = 1993.3
    EXPECT_DOUBLE_EQ(st.rim, 17.5);
    EXPECT_EQ(st.front, 17);
    EXPECT_EQ(st.fullScale[0], 170);
    EXPECT_EQ(st.operatingSpeed, 101);
}

TEST(Gearing, HugeSpeedsAreAnErrorNotAWrappedNumber)
{
    Input in = defaults();
    in.set.gears[0] = "1E-300";
    in.set.primary = "1";
    State st;
    const Result r = run(in, st, ',');
    // 1E-300 shows as "0,000", which reads back as zero.
    EXPECT_EQ(r.overall[0], "0,000");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, Step::FullScale);

    in = defaults();
    in.set.circumference = "2000000000";
    in.engineSpeed = "2000000000";
    const Result big = run(in, st, ',');
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.failedStep, Step::OperatingPoint);
    EXPECT_EQ(big.message, "Ungültige Gleitkommaoperation");
}

TEST(Gearing, CircumferenceFormula)
{
    EXPECT_EQ(rollingCircumference(17, 190, 0.5), 1953);
    EXPECT_EQ(rollingCircumference(17, 180, 0.55), 1979); // pi * 629.8 = 1978.58
    EXPECT_EQ(rollingCircumference(0, 0, 0), 0);
}
