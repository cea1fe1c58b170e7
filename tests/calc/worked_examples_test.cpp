// The worked examples of the comparison, the sprocket pairs and the
// calibration on the arithmetic itself, one line a value: the windows only
// show these texts (their tests check the wiring).

#include "calc/calibration.h"
#include "calc/chain.h"
#include "calc/compare.h"
#include "calc/numtext.h"
#include "calc/sprockets.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace trovanta;

namespace {

using Value = std::function<std::string()>;

struct Case {
    const char *expression;
    Value value;
    const char *result;
};

void evaluate(const std::vector<Case> &cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(c.value(), c.result) << c.expression;
}

template <class T> std::string text(const std::optional<T> &v, const std::function<std::string(T)> &f)
{
    return v ? f(*v) : num::NoValue;
}
std::string ratio(const std::optional<double> &v)
{
    return text<double>(v, [](double d) { return num::formatRatio(d, ','); });
}
std::string whole(const std::optional<std::int32_t> &v)
{
    return text<std::int32_t>(v, [](std::int32_t i) { return num::formatInt(i); });
}
std::string percent(gearing::real v) { return calibration::percentText(v, ','); }

// Six values of one column, blank-separated.
template <class F> std::string gears(F f)
{
    std::string out;
    for (std::size_t i = 0; i < 6; ++i)
        out += (i ? " " : "") + f(i);
    return out;
}

} // namespace

// The design's bike (A) against one tooth less in front and two more at the
// back (B), with the main window's marks.
TEST(WorkedExamples, Comparison)
{
    using namespace gearing;
    const std::optional<Marks> marks = Marks{6000, 12000};
    GearSet bSet;
    bSet.front = 16;
    bSet.rear = 40;
    const SetValues a = valuesOf(partialOf(GearSet{}), marks), b = valuesOf(partialOf(bSet), marks);
    evaluate({
        {"final drive A", [&] { return ratio(a.finalDrive); }, "2,235"},
        {"final drive B", [&] { return ratio(b.finalDrive); }, "2,500"},
        {"its change", [&] { return num::formatSignedF2(*changePercent(a.finalDrive, b.finalDrive), ',') + " %"; },
         "+11,86 %"},
        {"circumference A, B", [&] { return whole(a.circumference) + " " + whole(b.circumference); }, "1953 1953"},
        {"rpm at 130 km/h in 6th, A", [&] { return whole(a.engineSpeedShown(130, 6)); }, "4704"},
        {"overall ratios B", [&] { return gears([&](std::size_t i) { return ratio(b.ratio[i]); }); },
         "12,282 8,878 6,900 5,658 5,014 4,600"},
        {"change in 1st", [&] { return num::formatSignedF2(*changePercent(a.ratio[0], b.ratio[0]), ','); }, "+11,84"},
        {"Vmax A", [&] { return gears([&](std::size_t i) { return whole(a.vmax[i]); }); }, "128 177 228 270 304 332"},
        {"Vmax B", [&] { return gears([&](std::size_t i) { return whole(b.vmax[i]); }); }, "114 158 204 241 272 297"},
        {"shift speeds A", [&] { return gears([&](std::size_t i) { return whole(a.shiftSpeedShown[i]); }); },
         "64 89 114 135 152 166"},
        {"rpm after the upshift A", [&] { return gears([&](std::size_t i) { return whole(a.rpmAfterShiftShown[i]); }); },
         "4337 4663 5073 5317 5505 –"},
    });
}

// The present drive of the chain calculator's worked example, the default
// ranges around it.
TEST(WorkedExamples, SprocketPairs)
{
    using namespace sprockets;
    Input in;
    in.front = 15;
    in.rear = 45;
    in.links = 110;
    in.linkLength = 1.56;
    in.sag = 2;
    in.travelForward = in.travelBackward = 20;
    in.fronts = {13, 17};
    in.rears = {39, 51};
    const Listing l = list(in, ',');
    auto row = [&](std::int32_t front, std::int32_t rear) -> const Row & {
        for (const Row &r : l.rows)
            if (r.front == front && r.rear == rear)
                return r;
        static const Row none;
        return none;
    };
    // Écart, present chain's move, fits, links, their move, wear, present, hunting tooth.
    auto cells = [&](std::int32_t front, std::int32_t rear) {
        const Row &r = row(front, rear);
        std::string out = r.cells[Change].text;
        for (Column c : {PresentMove, Fits, Links, Move, FrontWear, RearWear})
            out += " " + (c == Fits ? std::string(r.fits ? "fits" : "no") : r.cells[c].text);
        return out + (r.present ? " present" : "") + (r.huntingTooth ? " hunting" : "");
    };
    evaluate({
        {"pairs", [&] { return std::to_string(l.rows.size()); }, "65"},
        {"first", [&] { return std::to_string(l.rows[0].front) + "/" + std::to_string(l.rows[0].rear); }, "15/45"},
        {"14/50", [&] { return cells(14, 50); }, "+19,03 -18 fits 112 -2 7/14 5/50"},
        {"17/42", [&] { return cells(17, 42); }, "-17,63 +5 fits 110 +5 17/17 21/42"},
        {"15/45", [&] { return cells(15, 45); }, "0,00 0 fits 110 0 3/15 9/45 present"},
        {"17/43", [&] { return cells(17, 43); }, "-15,70 +1 fits 110 +1 17/17 43/43 hunting"},
    });

    // The chain calculator on the same pairs moves the axle by the same
    // millimetres: 18 forward for 14/50, 5 back for 17/42.
    for (const auto &[front, rear, mm] : {std::tuple("14", "50", "18"), std::tuple("17", "42", "5")}) {
        chain::State st;
        const chain::Result r = chain::calculate({"110", "110", "1,56", "15", "45", front, rear, "2"}, st, ',');
        ASSERT_EQ(r.lines.size(), 5u) << front;
        EXPECT_NE(r.lines[1].find(std::string("um ") + mm + " mm"), std::string::npos) << r.lines[1];
        EXPECT_EQ(row(std::stoi(front), std::stoi(rear)).cells[PresentMove].text.substr(1), mm);
    }
}

// Roll-out, GPS point and speedometer on the design's bike.
TEST(WorkedExamples, Calibration)
{
    using namespace calibration;
    const gearing::Derived d = gearing::derive(gearing::GearSet{});
    const calibration::Drive now{17, 38, 1953};
    auto after = [&](Sensor s) { return speedometerErrorAfter(speedometerError(105, 100), s, now, {16, 38, 1953}); };
    evaluate({
        {"roll-out 5890 mm / 3", [] { return num::formatInt(wholeMm(rollOutCircumference(5890, 3))); }, "1963"},
        {"its deviation", [] { return percent(deviation(rollOutCircumference(5890, 3), 1953)); }, "+0,53 %"},
        {"GPS 200 km/h at 9000 in 4th", [&] { return num::formatInt(wholeMm(gpsCircumference(d, 4, 9000, 200))); },
         "1932"},
        {"its deviation", [&] { return percent(deviation(gpsCircumference(d, 4, 9000, 200), 1953)); }, "-1,09 %"},
        {"speedometer 105 at 100", [] { return percent(speedometerError(105, 100)); }, "+5,00 %"},
        {"16 in front, gearbox sensor", [&] { return percent(after(Sensor::Gearbox)); }, "+11,56 %"},
        {"  reads at 100", [&] { return num::formatInt(readingAt(100, after(Sensor::Gearbox))); }, "112"},
        {"16 in front, rear-wheel sensor", [&] { return percent(after(Sensor::RearWheel)); }, "+5,00 %"},
        {"  reads at 100", [&] { return num::formatInt(readingAt(100, after(Sensor::RearWheel))); }, "105"},
    });
}
