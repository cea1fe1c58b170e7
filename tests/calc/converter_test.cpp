#include "calc/converter.h"

#include <gtest/gtest.h>

using namespace trovanta::converter;

TEST(Converter, FirstShowWithTheDefaults)
{
    struct C {
        const char *a, *b;
        double f;
        const char *panelA, *panelB;
    };
    const C cases[] = {
        {"50", "50", PsPerKw, "36,76", "68,00"},
        {"50", "50", KmhPerMph, "31,08", "80,45"},
        {"10", "17", CmPerInch, "3,94", "43,18"},
        {"0", "-10", CmPerInch, "0,00", "-25,40"},
        {"1000000", "1", PsPerKw, "7,3529E05", "1,36"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.panelA);
        const Result r = Rechnen(c.a, c.b, c.f, ',');
        EXPECT_EQ(r.panelA, c.panelA);
        EXPECT_EQ(r.panelB, c.panelB);
        EXPECT_FALSE(r.error.has_value());
    }
    EXPECT_EQ(Rechnen("50", "50", PsPerKw, '.').panelA, "36.76");
}

TEST(Converter, EmptyTextStopsBadTextFails)
{
    Result r = Rechnen("", "50", PsPerKw, ',');
    EXPECT_FALSE(r.panelA || r.panelB || r.error);
    r = Rechnen("50", "", PsPerKw, ',');
    EXPECT_FALSE(r.panelA || r.panelB || r.error);

    r = Rechnen("-", "50", PsPerKw, ',');
    EXPECT_FALSE(r.panelA || r.panelB);
    EXPECT_EQ(r.error, "'-' ist kein gültiger Gleitkommawert");

    r = Rechnen("50", "5a", PsPerKw, ',');
    EXPECT_EQ(r.panelA, "36,76"); // the first row has already been converted
    EXPECT_FALSE(r.panelB);
    EXPECT_EQ(r.error, "'5a' ist kein gültiger Gleitkommawert");
}
