#include "calc/error.h"
#include "calc/numtext.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace trovanta;
using namespace trovanta::num;
using trovanta::test::errorOf;

namespace {

struct Fmt {
    long double value;
    int decimals;
    const char *comma; // expected with ',' as separator
};

std::string withDot(std::string s)
{
    for (auto &c : s)
        if (c == ',')
            c = '.';
    return s;
}

} // namespace

TEST(NumberFormat, FixedFormatsRoundToFiveSignificantDigits)
{
    const std::vector<Fmt> cases = {
        // ratio format
        {10.98154L, 3, "10,982"},
        {2.2352941L, 3, "2,235"},
        {0.5L, 3, "0,500"},
        {123.456L, 3, "123,460"},
        {1234.5678L, 3, "1234,600"},
        {12345.678L, 3, "12346,000"},
        {99999.4L, 3, "99999,000"},
        {0.0L, 3, "0,000"},
        {0.0004L, 3, "0,000"},
        {0.0005L, 3, "0,001"},
        {0.0012345L, 3, "0,001"},
        {-2.2352941L, 3, "-2,235"},
        {-0.0001L, 3, "0,000"},
        // F2: exact halves go away from zero
        {0.125L, 2, "0,13"},
        {-0.125L, 2, "-0,13"},
        {36.764705882L, 2, "36,76"},
        {68.0L, 2, "68,00"},
        {80.45L, 2, "80,45"},
        {171.6L, 2, "171,60"},
        {0.004L, 2, "0,00"},
        {0.005L, 2, "0,01"},
        // F0
        {2.5L, 0, "3"},
        {0.5L, 0, "1"},
        {0.49L, 0, "0"},
        {-0.4L, 0, "0"},
        {99999.0L, 0, "99999"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.value)) + " decimals " + std::to_string(c.decimals));
        EXPECT_EQ(formatFixed(c.value, c.decimals, ','), c.comma);
        EXPECT_EQ(formatFixed(c.value, c.decimals, '.'), withDot(c.comma));
    }
}

// Texts are kept by value and format: a value asked again in another format,
// or a neighbour one bit away, must never get a kept text of another.
TEST(NumberFormat, TextsAskedAgainInOtherFormatsStayTheirOwn)
{
    const long double v = 2.2352941L;
    const long double next = std::nextafter(v, 3.0L);
    struct C {
        long double value;
        int decimals;
        char sep;
        int precision;
        const char *text;
    };
    const std::vector<C> cases = {
        {v, 3, ',', 5, "2,235"},       {v, 3, '.', 5, "2.235"},    {v, 2, ',', 5, "2,24"},
        {v, 3, ',', 2, "2,200"},       {next, 3, ',', 5, "2,235"}, {0.00049999999999999999L, 3, ',', 5, "0,000"},
        {0.0005L, 3, ',', 5, "0,001"}, {-0.0L, 2, ',', 5, "0,00"}, {0.0L, 2, ',', 5, "0,00"},
    };
    for (int round = 0; round < 3; ++round)
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const C &c = cases[round == 1 ? cases.size() - 1 - i : i];
            SCOPED_TRACE(c.text);
            EXPECT_EQ(formatFixed(c.value, c.decimals, c.sep, c.precision), c.text);
        }
    // Far more values than are kept, then the first again.
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(formatF0(i, ','), std::to_string(i));
    EXPECT_EQ(formatRatio(v, ','), "2,235");
}

TEST(NumberFormat, MoreThanFiveDigitsBeforeTheSeparatorUseExponentForm)
{
    const std::vector<Fmt> cases = {
        {123456.7L, 3, "1,2346E005"},
        {123456.7L, 2, "1,2346E05"},
        {123456.7L, 0, "1,2346E5"},
        {-123456.7L, 2, "-1,2346E05"},
        {100000.0L, 2, "1E05"},
        {99999.7L, 2, "1E05"}, // rounds up into the sixth digit
        {1.5e20L, 3, "1,5E020"},
        {1234567890123.0L, 0, "1,2346E12"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.comma);
        EXPECT_EQ(formatFixed(c.value, c.decimals, ','), c.comma);
    }
    EXPECT_EQ(formatF2(123456.7L, '.'), "1.2346E05");
}

TEST(NumberFormat, ShortestTextHoldsFifteenSignificantDigits)
{
    struct C {
        double v;
        const char *text;
    };
    const std::vector<C> cases = {
        {1.84, "1,84"},
        {1.0, "1"},
        {0.0, "0"},
        {-0.0, "0"},
        {-2.67, "-2,67"},
        {0.1 + 0.2, "0,3"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {0.000015, "1,5E-5"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {2.5e20, "2,5E20"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {10000.0, "10000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatShortest(c.v, ','), c.text);
        EXPECT_EQ(formatShortest(c.v, '.'), withDot(c.text));
    }
}

TEST(NumberFormat, IntegerText)
{
    EXPECT_EQ(formatInt(1953), "1953");
    EXPECT_EQ(formatInt(-12), "-12");
    EXPECT_EQ(formatInt(0), "0");
    EXPECT_EQ(formatInt(16000), "16000"); // no thousands separator
}

TEST(NumberParse, DecimalsFollowTheLocaleSeparator)
{
    struct C {
        const char *text;
        char sep;
        double value;
    };
    const std::vector<C> good = {
        {"1,84", ',', 1.84}, {"1.84", '.', 1.84}, {"17", ',', 17}, {"-2,5", ',', -2.5},
        {"+3", ',', 3},      {"1,", ',', 1},      {",5", ',', 0.5}, {"1E3", ',', 1000},
        {"2,5e-1", ',', 0.25}, {" 1,5 ", ',', 1.5}, {"0", '.', 0},
    };
    for (const auto &c : good) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(parseDecimal(c.text, c.sep), c.value);
    }
    const std::vector<std::pair<const char *, char>> bad = {
        {"", ','},   {"1.84", ','}, {"1,84", '.'}, {"abc", ','}, {"-", ','},
        {"1,2,3", ','}, {"1E", ','}, {"1 000", ','}, {"1e400", ','}, {",", ','},
        {"1,5x", ','}, {"0x10", ','},
    };
    for (const auto &c : bad) {
        SCOPED_TRACE(c.first);
        double out = 0;
        EXPECT_FALSE(tryParseDecimal(c.first, c.second, out));
        EXPECT_EQ(errorOf([&] { parseDecimal(c.first, c.second); }),
                  std::string("'") + c.first + "' ist kein gültiger Gleitkommawert");
    }
}

TEST(NumberParse, SizeComesFromTheValueNotFromTheWrittenExponent)
{
    const std::string zeros500(500, '0'), zeros350(350, '0'), zeros400(400, '0');
    const double max = std::numeric_limits<double>::max();
    const double tiniest = std::numeric_limits<double>::denorm_min();
    struct C {
        std::string text;
        std::optional<double> value; // none: no number
    };
    const std::vector<C> cases = {
        // too large for a double, whatever the written exponent says
        {"1" + zeros500 + "e-1", std::nullopt},
        {"1e99999999999999999999", std::nullopt},
        {"1,8e308", std::nullopt},
        // too small reads as zero, written with or without an exponent
        {"0," + zeros350 + "1", 0.0},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"1e-99999999999999999999", 0.0},
        {"1e-324", 0.0},
        // in range, however far the digits and the exponent pull apart
        {"1" + zeros400 + "e-400", 1.0},
        {"0," + zeros400 + "1e401", 1.0},
        {"0,001e311", 1e308},
        {"1,7976931348623157e308", max},
        {"2,5e-324", tiniest},
        {"0e99999999999999999999", 0.0},
        {"1e000000000000000000000000001", 10.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        double out = 42;
        ASSERT_EQ(tryParseDecimal(c.text, ',', out), c.value.has_value());
        if (c.value) {
            EXPECT_EQ(out, *c.value);
            EXPECT_EQ(std::signbit(out), std::signbit(*c.value));
        }
    }
}

TEST(NumberParse, IntegersArePlainDigitsInThirtyTwoBits)
{
    EXPECT_EQ(parseInteger("4500"), 4500);
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char *text : {"", " 4", "4 ", "2,5", "17,5", "1e3", "2147483648", "-2147483649",
                             "99999999999999999999", "-", "+", "0x10", "$10", "abc"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorOf([&] { parseInteger(text); }), std::string("'") + text + "' ist kein gültiger Integerwert");
    }
}

TEST(Messages, FullStopIsAppendedOnlyWhenMissing)
{
    EXPECT_EQ(withFullStop("Gleitkommadivision durch Null"), "Gleitkommadivision durch Null.");
    EXPECT_EQ(withFullStop("Division durch 0."), "Division durch 0.");
    EXPECT_EQ(withFullStop(""), ".");
    EXPECT_EQ(formatMessage("E/A-Fehler %d", "5"), "E/A-Fehler 5");
}

TEST(NumberFormat, SignedTextsShowPlusOnlyAboveZero)
{
    const struct {
        long double v;
        const char *f2, *f0;
    } cases[] = {{11.8568L, "+11,86", "+12"}, {-1.0875L, "-1,09", "-1"}, {0.004L, "0,00", "0"},
                 {-0.004L, "0,00", "0"},      {-0.6L, "-0,60", "-1"},   {0.0L, "0,00", "0"},
                 {123456.0L, "+1,2346E05", "+1,2346E5"}};
    for (const auto &c : cases) {
        EXPECT_EQ(formatSignedF2(c.v, ','), c.f2);
        EXPECT_EQ(formatSignedF0(c.v, ','), c.f0);
    }
}
