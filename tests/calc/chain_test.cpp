#include "calc/chain.h"
#include "calc/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace trovanta::chain;

namespace {

Input example(const char *frontNew, const char *rearNew, const char *linksNew = "110")
{
    Input in;
    in.linksOld = "110";
    in.linksNew = linksNew;
    in.linkLength = "1,56";
    in.frontOld = "15";
    in.rearOld = "45";
    in.frontNew = frontNew;
    in.rearNew = rearNew;
    in.sag = "2";
    return in;
}

std::vector<std::string> panels(const Result &r)
{
    std::vector<std::string> out;
    for (const auto &p : r.panels)
        out.push_back(p.value_or("<none>"));
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(ChainGeometry, WorkedExamples)
{
    struct Case {
        const char *front, *rear;
        Strings panels;
        Strings lines;
    };
    const std::vector<Case> cases = {
        {"14",
         "50",
         {"171,60", "61,91", "171,60", "174,72", "60,13"},
         {"Es ist entweder eine Verlängerung der Kette um 2 Glied(er) nötig, oder eine ",
          "Verschiebung des Kettenrades um 18 mm nach vorne. ", "",
          "Bei einer Verlängerung der Kette um 2 Glieder ist eine Verschiebung des ",
          "Kettenrades um 2 mm nach vorne nötig."}},
        {"17",
         "42",
         {"171,60", "61,91", "171,60", "168,48", "62,44"},
         {"Es ist entweder eine Verkürzung der Kette um 2 Glied(er) nötig, oder eine ",
          "Verschiebung des Kettenrades um 5 mm nach hinten. ", "",
          "Bei einer Verkürzung der Kette um 2 Glieder ist eine Verschiebung des ",
          "Kettenrades um 10 mm nach vorne nötig."}},
        // k = 0: only the first two lines
        {"15",
         "48",
         {"171,60", "61,91", "171,60", "171,60", "60,64"},
         {"Es ist entweder eine Verlängerung der Kette um 0 Glied(er) nötig, oder eine ",
          "Verschiebung des Kettenrades um 13 mm nach vorne. "}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.front) + "/" + c.rear);
        State st;
        const Result r = calculate(example(c.front, c.rear), st, ',');
        EXPECT_FALSE(r.zeroStop);
        EXPECT_FALSE(r.guardedFailure);
        EXPECT_FALSE(r.error.has_value()) << *r.error;
        EXPECT_EQ(panels(r), c.panels);
        EXPECT_TRUE(r.linesReplaced);
        EXPECT_EQ(r.lines, c.lines);
    }
}

TEST(ChainGeometry, SameSprocketsGiveEmptyWords)
{
    State st;
    Result r = calculate(example("15", "45"), st, ',');
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.panels[AchsabstandAlt], r.panels[AchsabstandNeu]);
    EXPECT_EQ(r.lines, (Strings{"Es ist entweder eine  der Kette um 0 Glied(er) nötig, oder eine ",
                                "Verschiebung des Kettenrades um 0 mm nach . "}));

    // An odd link count: 110 required, one link off, singular ending, number 0.
    Input odd = example("15", "45", "111");
    odd.linksOld = "111";
    r = calculate(odd, st, ',');
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.panels[KettenlaengeSoll], "171,60");
    ASSERT_EQ(r.lines.size(), 5u);
    EXPECT_EQ(r.lines[3], "Bei einer  der Kette um 0 Glied ist eine Verschiebung des ");
    EXPECT_NE(r.lines[4].find("mm nach vorne nötig."), std::string::npos);
}

TEST(ChainGeometry, AZeroInputStopsSilently)
{
    for (int field = 0; field < 8; ++field) {
        SCOPED_TRACE(field);
        Input in = example("14", "50");
        std::string *fields[] = {&in.linksOld, &in.linksNew, &in.linkLength, &in.frontOld,
                                 &in.rearOld,  &in.frontNew, &in.rearNew,    &in.sag};
        *fields[field] = "0";
        State st;
        const Result r = calculate(in, st, ',');
        EXPECT_TRUE(r.zeroStop);
        EXPECT_FALSE(r.guardedFailure);
        EXPECT_FALSE(r.linesReplaced);
        for (const auto &p : r.panels)
            EXPECT_FALSE(p.has_value());
    }
    // A zero in an earlier field wins over a non-number in a later one.
    Input in = example("x", "50");
    in.linksOld = "0";
    State st;
    EXPECT_TRUE(calculate(in, st, ',').zeroStop);
}

TEST(ChainGeometry, GuardedFailuresStillRunTheOutputStage)
{
    // A tooth count with a decimal separator is no whole number: the
    // quantities not yet reached count as zero.
    Input in = example("14,5", "50");
    State st;
    Result r = calculate(in, st, ',');
    EXPECT_TRUE(r.guardedFailure);
    EXPECT_EQ(panels(r), (Strings{"171,60", "0,00", "171,60", "0,00", "0,00"}));
    ASSERT_TRUE(r.linesReplaced);
    ASSERT_GE(r.lines.size(), 2u);
    // Step 11 then works on zero sprockets: 0/0.
    EXPECT_EQ(r.error, "Ungültige Gleitkommaoperation");
    EXPECT_EQ(r.lines.size(), 2u);

    // Equal tooth counts front and rear make the first estimate zero.
    in = example("14", "50");
    in.frontOld = "45";
    r = calculate(in, st, ',');
    EXPECT_TRUE(r.guardedFailure);

    // An empty field is no number either; link counts may have decimals.
    in = example("14", "50");
    in.linkLength = "";
    EXPECT_TRUE(calculate(in, st, ',').guardedFailure);
    in = example("14", "50", "110,5");
    EXPECT_FALSE(calculate(in, st, ',').guardedFailure);
}

TEST(ChainGeometry, LargerFrontSprocketWorks)
{
    Input in = example("50", "14");
    in.frontOld = "45";
    in.rearOld = "15";
    State st;
    const Result r = calculate(in, st, ',');
    EXPECT_FALSE(r.guardedFailure);
    EXPECT_FALSE(r.error.has_value());
    EXPECT_EQ(r.panels[AchsabstandAlt], "61,91"); // mirror image of the first example
}

TEST(ChainGeometry, ChainsTooShortForTheirSprocketsFail)
{
    // Too short chains either never settle or settle on a negative straight
    // run; both must fail rather than give a distance.
    struct Case {
        int front, rear;
        const char *links;
        std::string distance; // present axle distance panel
    };
    const Case cases[] = {
        {17, 42, "20", "0,00"}, // settled at 12,48 cm
        {15, 45, "42", "0,00"}, // settles only after some 600 passes
        {10, 60, "60", "0,00"}, // never settles
        {15, 45, "46", "8,82"}, // the shortest that fits
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.front) + "/" + std::to_string(c.rear) + " " + c.links);
        const bool fits = c.distance != "0,00";
        const double r = c.front / (2 * M_PI), R = c.rear / (2 * M_PI);
        if (fits)
            EXPECT_NO_THROW(Abstand(r, R, std::stod(c.links), 2));
        else
            EXPECT_THROW(Abstand(r, R, std::stod(c.links), 2), trovanta::Error);

        Input in = example(std::to_string(c.front).c_str(), std::to_string(c.rear).c_str(), c.links);
        in.frontOld = in.frontNew;
        in.rearOld = in.rearNew;
        in.linksOld = c.links;
        State st;
        const Result res = calculate(in, st, ',');
        EXPECT_EQ(res.guardedFailure, !fits);
        EXPECT_EQ(res.panels[AchsabstandAlt], c.distance);
    }
}

TEST(ChainGeometry, Operations)
{
    EXPECT_DOUBLE_EQ(ASIN(1), M_PI / 2);
    EXPECT_DOUBLE_EQ(ASIN(-1), -M_PI / 2);
    EXPECT_NEAR(ASIN(0.5), M_PI / 6, 1e-15);
    EXPECT_THROW(ASIN(1.0000001), trovanta::Error);
    EXPECT_DOUBLE_EQ(DeltaL(0, 2), 2);
    EXPECT_NEAR(DeltaL(40, 0), 0, 1e-12);
    // Laenge at the distance Abstand gives returns slightly more than N.
    const double r = 15 / (2 * M_PI), R = 45 / (2 * M_PI);
    const double d = Abstand(r, R, 110, 2);
    const double back = Laenge(r, R, d, 2);
    EXPECT_GT(back, 110);
    EXPECT_LT(back, 110.2);
}

// A translation words the same advice in its own order: any placeholder in
// any line, the singular chosen as before.
TEST(ChainGeometry, AdviceInOtherWords)
{
    State st;
    const Result r = calculate(example("17", "42"), st, ',');
    ASSERT_TRUE(r.linesReplaced);
    EXPECT_EQ(adviceLines(r.advice), r.lines);

    Wording w;
    w.shortening = "shorten";
    w.lengthening = "lengthen";
    w.backward = "back";
    w.forward = "forward";
    w.eitherLine = "%1 by %2, ";
    w.orMoveLine = "or %4 %3 mm (%1). ";
    w.withLinksLine = "%1 %2: ";
    w.thenMoveLine = "%4 %3 mm.";
    w.oneLink = "%2 link";
    w.links = "%2 links";
    EXPECT_EQ(adviceLines(r.advice, w),
              (Strings{"shorten by 2, ", "or back 5 mm (shorten). ", "", "shorten 2 links: ", "forward 10 mm."}));

    Advice one = r.advice;
    one.oneLink = true;
    one.n2 = "0";
    EXPECT_EQ(adviceLines(one, w)[3], "shorten 0 link: ");
}
