#include "calc/compare.h"
#include "calc/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace trovanta;
using namespace trovanta::gearing;

namespace {

const Marks DesignMarks{6000, 12000};

// The worked example's variant; the example's values themselves are in
// worked_examples_test.
PartialSet variant1640()
{
    GearSet g;
    g.front = 16;
    g.rear = 40;
    return partialOf(g);
}

// Which values a set gives, gear by gear, as one text: "r" ratio, "v" Vmax,
// "p" shift speed, "n" engine speed after the upshift; "-" where absent.
std::string present(const SetValues &v)
{
    std::string out;
    for (std::size_t i = 0; i < 6; ++i) {
        out += v.ratio[i] ? 'r' : '-';
        out += v.vmax[i] ? 'v' : '-';
        out += v.shiftSpeedShown[i] ? 'p' : '-';
        out += v.rpmAfterShiftShown[i] ? 'n' : '-';
        out += ' ';
    }
    return out;
}

} // namespace

// A value is missing exactly when one of its inputs is.
TEST(Compare, MissingFieldsTakeOnlyTheirDependentsAway)
{
    struct Case {
        const char *what;
        std::function<void(PartialSet &)> change;
        const char *expected;
    } cases[] = {
        {"all there", [](PartialSet &) {}, "rvpn rvpn rvpn rvpn rvpn rvp- "},
        {"slip: the upper gears' speeds", [](PartialSet &s) { s.slip.reset(); },
         "rvpn rvpn rvp- r--- r--- r--- "},
        {"gear 3: its row and the upshift into it",
         [](PartialSet &s) { s.gears[2].reset(); }, "rvpn rvp- ---- rvpn rvpn rvp- "},
        {"front sprocket: every ratio", [](PartialSet &s) { s.front.reset(); },
         "---- ---- ---- ---- ---- ---- "},
        {"tyre: every speed", [](PartialSet &s) { s.height.reset(); },
         "r--- r--- r--- r--- r--- r--- "},
        {"tyre, with a circumference typed", [](PartialSet &s) {
             s.height.reset();
             s.circumferenceTyped = true;
             s.circumference = 2000;
         },
         "rvpn rvpn rvpn rvpn rvpn rvp- "},
        {"circumference typed but bad: no falling back on the tyre", [](PartialSet &s) {
             s.circumferenceTyped = true;
             s.circumference.reset();
         },
         "r--- r--- r--- r--- r--- r--- "},
    };
    for (const Case &c : cases) {
        PartialSet s = variant1640();
        c.change(s);
        const SetValues v = valuesOf(s, DesignMarks);
        EXPECT_EQ(present(v), c.expected) << c.what;
        EXPECT_TRUE(v.message.empty()) << c.what;
    }
    // Before the main window has run, nothing needs S or R is there.
    EXPECT_EQ(present(valuesOf(variant1640(), std::nullopt)), "r--- r--- r--- r--- r--- r--- ");
}

TEST(Compare, ArithmeticFailuresAreKeptAsTheRunsMessages)
{
    PartialSet s = variant1640();
    s.front = 0;
    SetValues v = valuesOf(s, DesignMarks);
    EXPECT_FALSE(v.finalDrive);
    EXPECT_EQ(v.message, msg::DivisionByZero);

    s = variant1640();
    s.gears[3] = 0.0001; // shown as 0,000
    v = valuesOf(s, DesignMarks);
    // No engine speed in that gear either, not 0 rpm.
    EXPECT_EQ(present(v), "rvpn rvpn rvp- r--- rvpn rvp- ");
    EXPECT_FALSE(v.engineSpeedShown(130, 4));
    EXPECT_TRUE(v.engineSpeedShown(130, 5));
    EXPECT_EQ(v.message, msg::DivisionByZero);
    EXPECT_FALSE(changePercent(0.0, 1.0));
}

TEST(Compare, AxesRoundUpToWholeStepsAndThinOutTheirGrid)
{
    struct Case {
        std::int32_t redZone;
        double max, step;
    } rpm[] = {{12000, 13000, 1000}, {12499, 13000, 1000}, {12501, 14000, 1000},
               {0, 1000, 1000},      {-8000, 1000, 1000},  {60000, 61000, 2000},
               {2147483647, 2147485000, 100000000}};
    for (const Case &c : rpm) {
        const Axis a = rpmAxis(c.redZone);
        EXPECT_DOUBLE_EQ(double(a.max), c.max) << c.redZone;
        EXPECT_DOUBLE_EQ(double(a.step), c.step) << c.redZone;
        EXPECT_LE(a.max / a.step, MaxGridLines) << c.redZone;
    }
    EXPECT_DOUBLE_EQ(double(speedAxis(332).max), 350);
    EXPECT_DOUBLE_EQ(double(speedAxis(350).max), 350);
    EXPECT_DOUBLE_EQ(double(speedAxis(351).max), 400);
    EXPECT_DOUBLE_EQ(double(speedAxis(std::nullopt).max), 50);
    EXPECT_DOUBLE_EQ(double(speedAxis(-20).max), 50);
}

TEST(Compare, PlotOfBothViews)
{
    const SetValues a = valuesOf(partialOf(GearSet{}), DesignMarks);
    const SetValues b = valuesOf(variant1640(), DesignMarks);
    const std::vector<TrackPoint> points = {{"Kurve", 130, 6}, {"weit weg", 900, 1}};

    const Plot normal = plotOf(a, b, points, false).value();
    EXPECT_DOUBLE_EQ(double(normal.x.max), 13000);
    EXPECT_DOUBLE_EQ(double(normal.y.max), 350);
    ASSERT_EQ(normal.lines.size(), 12u);
    EXPECT_EQ(normal.lines[0].set, Which::A);
    EXPECT_EQ(normal.lines[6].set, Which::B);
    EXPECT_DOUBLE_EQ(double(normal.lines[5].x2), 12000);
    EXPECT_NEAR(double(normal.lines[5].y2), 332, 0.5);
    // The point far beyond every axis is left out.
    ASSERT_EQ(normal.markers.size(), 2u);
    EXPECT_NEAR(double(normal.markers[0].x), 4704, 0.5);
    EXPECT_DOUBLE_EQ(double(normal.markers[0].y), 130);

    const Plot saw = plotOf(a, b, points, true).value();
    EXPECT_DOUBLE_EQ(double(saw.x.max), 350);
    EXPECT_DOUBLE_EQ(double(saw.y.max), 13000);
    // Per set: gear 1, then a drop and a rise for gears 2 to 6.
    ASSERT_EQ(saw.lines.size(), 22u);
    const PlotLine &first = saw.lines[0];
    EXPECT_EQ(first.gear, 1);
    EXPECT_DOUBLE_EQ(double(first.x1), 0);
    EXPECT_DOUBLE_EQ(double(first.y2), 6000);
    const PlotLine &drop = saw.lines[1];
    EXPECT_EQ(drop.gear, 2);
    EXPECT_DOUBLE_EQ(double(drop.x1), double(drop.x2));
    EXPECT_NEAR(double(drop.y2), 4337, 0.5);
    const PlotLine &last = saw.lines[10];
    EXPECT_EQ(last.gear, 6);
    EXPECT_DOUBLE_EQ(double(last.y2), 12000);
    EXPECT_NEAR(double(last.x2), 332, 0.5);
    EXPECT_NEAR(double(saw.markers[0].y), 4704, 0.5);

    EXPECT_FALSE(plotOf(valuesOf(partialOf(GearSet{}), std::nullopt), b, points, false));
}

// A shift mark above the red zone's axis: the sawtooth is cut at the frame.
TEST(Compare, LinesLeavingTheAxesAreCutAtTheFrame)
{
    const SetValues a = valuesOf(partialOf(GearSet{}), Marks{20000, 12000});
    const Plot p = plotOf(a, a, {}, true).value();
    ASSERT_FALSE(p.lines.empty());
    for (const PlotLine &l : p.lines)
        for (real x : {l.x1, l.x2})
            EXPECT_TRUE(x >= 0 && x <= p.x.max) << l.gear;
    for (const PlotLine &l : p.lines)
        for (real y : {l.y1, l.y2})
            EXPECT_TRUE(y >= 0 && y <= p.y.max) << l.gear;
    EXPECT_DOUBLE_EQ(double(p.lines[0].y2), 13000);
    EXPECT_NEAR(double(p.lines[0].x2), 128.0 * 20000 / 12000 * 13000 / 20000, 1);
}
